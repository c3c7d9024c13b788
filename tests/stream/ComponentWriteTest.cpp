// What the component writer stores: value codes, defaults, paths, references,
// method names, child order and the design-file layout.
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "support/TestComponents.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fwtest;

namespace {

Bytes WriteOne(TComponent* c, TComponent* root) {
    TMemoryStream s;
    {
        TWriter w(s);
        w.SetRoot(root);
        w.WriteSignature();
        w.WriteComponent(c);
    }
    return s.Bytes();
}

struct WriterFixture : ::testing::Test {
    TTestForm form{nullptr};
    TTestControl* button = nullptr;
    void SetUp() override {
        form.SetName("Form1");
        button = new TTestControl(&form);
        button->SetName("Button1");
        button->SetParent(&form);
    }
    Bytes Write() { return WriteOne(button, &form); }
    uint8_t CodeOf(const std::string& prop) {
        Bytes b = Write();
        long at = FindValue(b, prop);
        return at < 0 ? 0xFF : b[static_cast<size_t>(at)];
    }
};

} // namespace

TEST_F(WriterFixture, RecordStartsWithSignatureClassAndName) {
    Bytes b = Write();
    Bytes head = Concat({Sig(), Short("TTestControl"), Short("Button1")});
    EXPECT_TRUE(HasAt(b, 0, head));
    // Integers and strings without declared defaults are stored even when zero
    // or at their initial value, and so is an empty collection; everything
    // else is at its default. Then the
    // property list end and the (empty) child list end.
    Bytes props = Concat({Short("Left"), {2, 0}, Short("Top"), {2, 0}, Short("Width"), {2, 0}, Short("Height"),
                          {2, 0}, Short("Font.Name"), {6}, Short("Tahoma"), Short("Items"), {14, 0}, {0, 0}});
    EXPECT_TRUE(HasAt(b, static_cast<long>(head.size()), props));
    EXPECT_EQ(b.size(), head.size() + props.size());
}

TEST_F(WriterFixture, IntegersTakeTheSmallestCode) {
    struct Case { int32_t v; uint8_t code; size_t payload; };
    for (Case c : {Case{127, 2, 1}, Case{-128, 2, 1}, Case{128, 3, 2}, Case{-129, 3, 2}, Case{32767, 3, 2},
                   Case{32768, 4, 4}, Case{-32769, 4, 4}}) {
        button->Left = c.v;
        Bytes b = Write();
        long at = FindValue(b, "Left");
        ASSERT_GE(at, 0) << c.v;
        EXPECT_EQ(b[static_cast<size_t>(at)], c.code) << c.v;
        // The next property name follows the payload.
        EXPECT_TRUE(HasAt(b, at + 1 + static_cast<long>(c.payload), Short("Top"))) << c.v;
    }
    button->Left = 0; // no default declared: still written
    EXPECT_EQ(CodeOf("Left"), 2);
}

TEST_F(WriterFixture, BooleansAtDefaultAreAbsentOtherwiseBareCodes) {
    EXPECT_EQ(FindValue(Write(), "Visible"), -1);
    button->Visible = false;
    EXPECT_EQ(CodeOf("Visible"), 8);
    button->Visible = true;
    button->Enabled = false;
    EXPECT_EQ(FindValue(Write(), "Visible"), -1);
    EXPECT_EQ(CodeOf("Enabled"), 8);
}

TEST_F(WriterFixture, StringCodeChoice) {
    EXPECT_EQ(FindValue(Write(), "Caption"), -1) << "empty string is not stored";
    button->Caption = std::string(255, 'x');
    EXPECT_EQ(CodeOf("Caption"), 6);
    button->Caption = std::string(256, 'x');
    EXPECT_EQ(CodeOf("Caption"), 12);
    button->Caption = "caf\xC3\xA9"; // code-page text whose bytes differ from UTF-8
    EXPECT_EQ(CodeOf("Caption"), 20);
    button->Caption = "\xD0\x9F\xD1\x80\xD0\xB8"; // only non-Latin letters
    EXPECT_EQ(CodeOf("Caption"), 18);
    button->Wide = u"wide";
    EXPECT_EQ(CodeOf("Wide"), 6);
}

TEST_F(WriterFixture, EnumsSetsFloatsAndInt64) {
    button->Align = taClient;
    button->Anchors = TTestAnchors{tkRightSide, tkBottomSide};
    button->Ratio = 0.25;
    button->Big = 1;
    Bytes b = Write();
    long at = FindValue(b, "Align");
    ASSERT_GE(at, 0);
    EXPECT_EQ(b[static_cast<size_t>(at)], 7);
    EXPECT_EQ(FindValue(b, "taClient"), at + 1 + static_cast<long>(Short("taClient").size()));
    at = FindValue(b, "Anchors");
    Bytes set = Concat({{11}, Short("tkRightSide"), Short("tkBottomSide"), {0}});
    EXPECT_TRUE(HasAt(b, at, set));
    at = FindValue(b, "Ratio");
    EXPECT_EQ(b[static_cast<size_t>(at)], 5) << "floats are always extended";
    EXPECT_EQ(b[static_cast<size_t>(FindValue(b, "Big"))], 2);
    button->Big = int64_t(1) << 40;
    EXPECT_EQ(CodeOf("Big"), 19);
    button->Big = INT32_MIN;
    EXPECT_EQ(CodeOf("Big"), 4);
}

TEST_F(WriterFixture, SubObjectsAsDottedPathsAndIdentifierMaps) {
    button->Font->Color = clTestRed;
    button->Color = 12345;
    Bytes b = Write();
    long at = FindValue(b, "Font.Color");
    ASSERT_GE(at, 0);
    EXPECT_EQ(b[static_cast<size_t>(at)], 7);
    EXPECT_GE(FindValue(b, "clRed"), 0);
    EXPECT_EQ(FindValue(b, "Font.Size"), -1) << "default value";
    EXPECT_GE(FindValue(b, "Font.Name"), 0) << "strings have no declared default";
    EXPECT_EQ(b[static_cast<size_t>(FindValue(b, "Color"))], 3) << "no identifier: plain integer";
    button->Color = clTestBtnFace;
    EXPECT_EQ(FindValue(Write(), "Color"), -1);
}

TEST_F(WriterFixture, CollectionsStringListsAndSelfStoredProperties) {
    static_cast<TTestItem*>(button->Items->Add())->Caption = "A";
    static_cast<TTestItem*>(button->Items->Add())->Width = 7;
    button->Lines->Add("one");
    button->Lines->Add("");
    button->Data = std::string("BM\0\1", 4);
    button->IsControl = true;
    Bytes b = Write();
    long at = FindValue(b, "Items");
    ASSERT_GE(at, 0);
    Bytes coll = Concat({{14, 1}, Short("Caption"), {6}, Short("A"), {0}, {1}, Short("Width"), {2, 7}, {0}, {0}});
    EXPECT_TRUE(HasAt(b, at, coll));
    at = FindValue(b, "Lines.Strings");
    Bytes list = Concat({{1, 6}, Short("one"), {18, 0, 0, 0, 0}, {0}});
    EXPECT_TRUE(HasAt(b, at, list));
    at = FindValue(b, "Data");
    Bytes bin{10, 4, 0, 0, 0, 'B', 'M', 0, 1};
    EXPECT_TRUE(HasAt(b, at, bin));
    EXPECT_EQ(b[static_cast<size_t>(FindValue(b, "IsControl"))], 9);
    // Self-stored properties come after every published one.
    EXPECT_GT(FindValue(b, "Data"), FindValue(b, "Items"));
}

TEST_F(WriterFixture, ComponentReferencesByPathRule) {
    auto refText = [&](TComponent* target) {
        TMemoryStream s;
        TWriter w(s);
        w.SetRoot(&form);
        return w.ReferencePath(target);
    };
    auto* panel = new TTestPanel(&form);
    panel->SetName("Panel1");
    EXPECT_EQ(refText(button), "Button1");
    EXPECT_EQ(refText(&form), "Owner");
    EXPECT_EQ(refText(panel->Header), "Panel1.Header");
    TTestForm other(nullptr);
    other.SetName("Form2");
    auto* far = new TTestControl(&other);
    far->SetName("Far");
    EXPECT_EQ(refText(far), "Form2.Far");
    TTestControl lone(nullptr);
    lone.SetName("Lone");
    EXPECT_EQ(refText(&lone), "Lone.Owner");
    TTestControl nameless(nullptr);
    EXPECT_EQ(refText(&nameless), "");

    button->SetBuddy(panel->Header);
    Bytes b = Write();
    long at = FindValue(b, "Buddy");
    Bytes ident = Concat({{7}, Short("Panel1.Header")});
    EXPECT_TRUE(HasAt(b, at, ident));
}

TEST_F(WriterFixture, MethodsByPublishedNameInRootClass) {
    const TMethodEntry* m = TTestForm::StaticClassInfo().FindMethod("Button1Click");
    ASSERT_NE(m, nullptr);
    button->OnClick = TMethod{m, &form};
    Bytes b = Write();
    long at = FindValue(b, "OnClick");
    Bytes ident = Concat({{7}, Short("Button1Click")});
    EXPECT_TRUE(HasAt(b, at, ident));
    // The same handler under a root whose class does not publish it is not stored.
    TPlainForm plain(nullptr);
    EXPECT_EQ(FindValue(WriteOne(button, &plain), "OnClick"), -1);
}

TEST_F(WriterFixture, ChildrenInChildOrderAndOnlyThoseOwnedByRoot) {
    auto* panel = new TTestPanel(&form);
    panel->SetName("Panel1");
    panel->SetParent(&form);
    auto* edit = new TTestControl(&form);
    edit->SetName("Edit1");
    edit->SetParent(panel);
    auto* label = new TTestLabel(&form); // created after the edit, but non-windowed
    label->SetName("Label1");
    label->SetParent(panel);
    TTestForm stranger(nullptr);
    auto* foreign = new TTestControl(&stranger);
    foreign->SetName("Foreign");
    foreign->SetParent(panel);
    Bytes b = WriteOne(panel, &form);
    long l = FindValue(b, "Label1"), e = FindValue(b, "Edit1");
    ASSERT_GE(l, 0);
    ASSERT_GE(e, 0);
    EXPECT_LT(l, e);
    EXPECT_EQ(FindValue(b, "Foreign"), -1);
    foreign->SetParent(nullptr);
}

TEST(WriteComponentList, AllRecordsThenOneListEndPerComponent) {
    for (int count : {0, 3, 4097}) {
        TTestForm form(nullptr);
        std::vector<TComponent*> list;
        for (int i = 0; i < count; ++i) {
            auto* c = new TTestControl(&form);
            c->SetName("C" + std::to_string(i));
            c->SetParent(&form);
            list.push_back(c);
        }
        TMemoryStream s;
        WriteComponentList(s, list, &form);
        const Bytes& b = s.Bytes();
        // The same records written one by one, then the list ends.
        TMemoryStream expected;
        {
            TWriter w(expected);
            w.SetRoot(&form);
            for (TComponent* c : list) {
                w.WriteSignature();
                w.WriteComponent(c);
            }
            for (int i = 0; i < count; ++i) w.WriteListEnd();
        }
        EXPECT_EQ(b, expected.Bytes()) << count;
        if (count > 0) {
            for (size_t i = b.size() - static_cast<size_t>(count); i < b.size(); ++i) ASSERT_EQ(b[i], 0);
            Bytes tail = Concat({Short("Items"), {14, 0}, {0, 0}}); // end of the last record
            EXPECT_TRUE(HasAt(b, static_cast<long>(b.size() - static_cast<size_t>(count) - tail.size()), tail));
        }
    }
}
