// Pointer lists, string lists and collections.
#include "support/TestComponents.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/List.h"

#include "support/TestUtil.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fwtest;

namespace {
} // namespace

TEST(List, IndexErrorsAndOrder) {
    TList<int*> list;
    int a = 1, b = 2, c = 3;
    list.Add(&a);
    list.Add(&b);
    list.Insert(0, &c);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Move(0, 2);
    EXPECT_EQ(list[2], &c);
    list.Exchange(0, 1);
    EXPECT_EQ(list.First(), &b);
    EXPECT_EQ(list.Remove(&a), 1);
    EXPECT_EQ(list.Remove(&a), -1);
    EXPECT_EQ(MessageOf([&] { list.Items(2); }), "List index out of bounds (2)");
    EXPECT_EQ(MessageOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(MessageOf([&] { list.Insert(3, &a); }), "List index out of bounds (3)");
    list.Insert(2, &a); // at the end is allowed
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringList, LinesObjectsAndCaseInsensitiveSearch) {
    TStringList s{"Alpha", "beta"};
    TTestControl obj(nullptr);
    s.AddObject("Gamma", &obj);
    EXPECT_EQ(s.IndexOf("BETA"), 1);
    EXPECT_EQ(s.IndexOf("delta"), -1);
    EXPECT_EQ(s.IndexOfObject(&obj), 2);
    s.Add("alpha"); // duplicates allowed; IndexOf gives the first
    EXPECT_EQ(s.IndexOf("ALPHA"), 0);
    s.Move(3, 0);
    EXPECT_EQ(s[0], "alpha");
    EXPECT_EQ(s.GetObject(3), &obj) << "objects move with their lines";
    EXPECT_EQ(MessageOf([&] { s.Get(9); }), "List index out of bounds (9)");
}

TEST(StringList, TextSplitsAtEveryLineBreakAndJoinsWithCrLf) {
    TStringList s;
    s.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(s.ToVector(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(s.Text(), "a\r\nb\r\nc\r\nd\r\n");
    s.SetText("x\r\n\r\n");
    EXPECT_EQ(s.Count(), 2);
    s.SetText("");
    EXPECT_EQ(s.Count(), 0);
}

TEST(StringList, ChangeNoticesAreBatched) {
    TStringList s;
    int changes = 0;
    s.OnChangeProc = [&] { ++changes; };
    s.Add("a");
    EXPECT_EQ(changes, 1);
    TStringList other{"x", "y", "z"};
    s.Assign(&other);
    EXPECT_EQ(changes, 2) << "one notice for a whole assignment";
    EXPECT_TRUE(s.Equals(other));
    EXPECT_THROW(s.Assign(nullptr), EConvertError);
    TTestFont font;
    EXPECT_EQ(MessageOf([&] { s.Assign(&font); }), "Cannot assign a TTestFont to a TStringList");
}

TEST(Collection, ItemsIdsOrderAndAssign) {
    TCollection c(TTestItem::StaticClassInfo());
    auto* a = static_cast<TTestItem*>(c.Add());
    auto* b = static_cast<TTestItem*>(c.Add());
    a->Caption = "a";
    b->Caption = "b";
    EXPECT_EQ(b->Index(), 1);
    EXPECT_EQ(b->Collection(), &c);
    b->SetIndex(0);
    EXPECT_EQ(c.Items(0), b);
    EXPECT_EQ(c.FindItemID(a->ID()), a);
    EXPECT_EQ(MessageOf([&] { c.Items(5); }), "List index out of bounds (5)");
    TCollection copy(TTestItem::StaticClassInfo());
    // Items assign through their own Assign; this item class has none.
    EXPECT_THROW(copy.Assign(&c), EConvertError);
    c.Delete(0);
    EXPECT_EQ(c.Count(), 1);
    delete a; // an item removes itself from its collection
    EXPECT_EQ(c.Count(), 0);
    TCollection noFactory(TCollectionItem::StaticClassInfo());
    EXPECT_EQ(noFactory.Count(), 0);
}
