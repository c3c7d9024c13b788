// The property set of a selection, driven through a target list as the
// design controller drives it.
#include "designer/DesignerTestControls.h"
#include "designer/DsnProp.h"
#include "support/TestUtil.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;

namespace {

using Lines = std::vector<std::string>;

struct MultiPropsTest : ::testing::Test {
    TDesignForm* form = nullptr;
    TTargetList targets;
    TMultiProps props;
    void SetUp() override {
        Application().Initialize();
        form = new TDesignForm(nullptr);
        targets.AddReceiver(&props);
        Want({"Caption", "Color", "Font", "Height", "Left", "Name", "Top", "Width", "Text", "ReadOnly", "WordWrap"});
        TStringList out{"Text", "TStrings"};
        props.SetOutNames(&out);
    }
    void TearDown() override { delete form; }

    void Want(std::initializer_list<std::string> names) {
        TStringList list(names);
        props.SetWantNames(&list);
        props.SetWantCaptions(&list);
    }
    // The caption (an edit's text) first: a label sizes itself to its text,
    // and the bounds given afterwards are the ones the tests expect.
    template <class T> T* Make(const char* name, int32_t left = 8) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(form);
        c->SetCaption(name);
        c->SetBounds(left, 16, 75, 25);
        return c;
    }
    Lines Names() const { return props.PropNames().ToVector(); }
    Lines Values() const { return props.PropValues().ToVector(); }
    void ExpectParallel() {
        ASSERT_EQ(props.Components().Count(), targets.Count());
        for (int i = 0; i < targets.Count(); ++i) EXPECT_EQ(props.Components()[i], targets.GetItem(i)) << i;
    }
};

} // namespace

TEST_F(MultiPropsTest, OneButtonShowsItsWantedPropertiesInWantOrder) {
    auto* b = Make<TButton>("Button1", 16);
    targets.Add(b);
    targets.Update();
    EXPECT_EQ(Names(), (Lines{"Caption", "Color", "Font", "Height", "Left", "Name", "Top", "Width"}));
    EXPECT_EQ(Values(), (Lines{"Button1", "-16777201", "(TFont)", "25", "16", "Button1", "16", "75"}));
    EXPECT_EQ(props.ClassNames().ToVector(), (Lines{"TButton"}));
}

TEST_F(MultiPropsTest, AButtonAndALabelShareOnlyCommonNamesAndAgreeingValues) {
    auto* b = Make<TButton>("Button1", 16);
    auto* l = Make<TLabel>("Label1", 16);
    targets.Add(b);
    targets.Add(l);
    targets.Update();
    EXPECT_EQ(Names(), (Lines{"Caption", "Color", "Font", "Height", "Left", "Name", "Top", "Width"}));
    EXPECT_EQ(Values(), (Lines{"Button1", "-16777201", "", "25", "16", "Button1", "16", "75"}))
        << "strings show the first component's text; class values are empty for two";
    l->SetLeft(40);
    targets.Update();
    EXPECT_EQ(Values()[4], "") << "left edges differ";
}

TEST_F(MultiPropsTest, OutNamesLeaveForASecondComponentAndComeBack) {
    auto* e1 = Make<TEdit>("Edit1");
    auto* e2 = Make<TEdit>("Edit2");
    targets.Add(e1);
    EXPECT_EQ(Names(), (Lines{"Color", "Font", "Height", "Left", "Name", "Top", "Width", "Text", "ReadOnly"}));
    targets.Add(e2);
    EXPECT_EQ(Names(), (Lines{"Color", "Font", "Height", "Left", "Name", "Top", "Width", "ReadOnly"}));
    targets.Delete(1);
    targets.Update();
    EXPECT_EQ(Names(), (Lines{"Color", "Font", "Height", "Left", "Name", "Top", "Width", "Text", "ReadOnly"}));
    EXPECT_EQ(Values().back(), "False");
    EXPECT_EQ(Values()[7], "Edit1");
}

TEST_F(MultiPropsTest, DeselectingTheOnlyComponentLackingANameBringsItBack) {
    auto* a = Make<TButton>("A");
    auto* e = Make<TEdit>("E");
    auto* c = Make<TLabel>("C");
    for (TComponent* x : {static_cast<TComponent*>(a), static_cast<TComponent*>(e), static_cast<TComponent*>(c)})
        targets.Add(x);
    EXPECT_EQ(props.PropNames().IndexOf("Caption"), -1);
    targets.Delete(1);
    targets.Update();
    EXPECT_EQ(Names(), (Lines{"Caption", "Color", "Font", "Height", "Left", "Name", "Top", "Width"}));
    EXPECT_EQ(Values()[0], "A");
    ExpectParallel();
}

TEST_F(MultiPropsTest, EmptyingTheSelectionKeepsOnlyTheSettings) {
    targets.Add(Make<TButton>("A"));
    targets.Delete(0);
    EXPECT_TRUE(Names().empty() && Values().empty());
    EXPECT_EQ(props.ClassNames().Count() + props.AllNames().Count() + props.Components().Count(), 0);
    EXPECT_EQ(props.WantNames().Count(), 11);
    EXPECT_EQ(props.WantCaptions().Count(), 11);
    EXPECT_EQ(props.OutNames().Count(), 2);
    targets.Add(Make<TButton>("B"));
    targets.Clear();
    EXPECT_TRUE(Names().empty() && props.Components().Count() == 0);
    EXPECT_EQ(props.WantNames().Count(), 11);
    EXPECT_EQ(fwtest::MessageOf([&] { props.Delete(0); }), "List index out of bounds (0)");
}

TEST_F(MultiPropsTest, AComponentAddedTwiceChangesNoRowAndKeepsTheListsParallel) {
    auto* e = Make<TEdit>("E");
    targets.Add(e);
    Lines names = Names(), values = Values();
    targets.Add(e);
    EXPECT_EQ(Names(), names) << "not a second component: Text stays";
    EXPECT_EQ(Values(), values);
    ExpectParallel();
    targets.Delete(0);
    EXPECT_EQ(Names(), names) << "still selected through the other entry";
    ExpectParallel();
}

TEST_F(MultiPropsTest, AForgottenComponentIsRemovedByItsDelete) {
    auto* a = Make<TButton>("A");
    auto* e = Make<TEdit>("E");
    auto* b = Make<TButton>("B");
    targets.Add(a);
    targets.Add(e);
    targets.Add(b);
    // The controller's sequence for a selected component being destroyed.
    targets.NilItem(1);
    EXPECT_EQ(props.Components()[1], nullptr);
    targets.Delete(1);
    delete e;
    targets.Update();
    ExpectParallel();
    EXPECT_EQ(Names(), (Lines{"Caption", "Color", "Font", "Height", "Left", "Name", "Top", "Width"}));
    targets.Delete(1);
    targets.Update();
    EXPECT_EQ(props.Components().Count(), 1);
    EXPECT_EQ(Values()[0], "A");
}

TEST_F(MultiPropsTest, WantedNamesMatchIgnoringCaseAndRowsKeepTheDeclaredSpelling) {
    Want({"readonly", "LEFT", "Left"});
    targets.Add(Make<TEdit>("E", 24));
    EXPECT_EQ(Names(), (Lines{"ReadOnly", "Left"}));
    EXPECT_EQ(Values(), (Lines{"False", "24"}));
}

TEST(SelectedComponentsTest, CopiesAListInOrder) {
    TComponent owner(nullptr);
    TList<TComponent*> source;
    TSelectedComponents sel;
    sel.AddList(source);
    EXPECT_EQ(sel.Count(), 0);
    source.Add(new TComponent(&owner));
    source.Add(new TComponent(&owner));
    sel.AddList(source);
    sel.AddList(source);
    ASSERT_EQ(sel.Count(), 4);
    EXPECT_EQ(sel.Items(2), source[0]);
    EXPECT_EQ(fwtest::MessageOf([&] { sel.Items(4); }), "List index out of bounds (4)");
}
