// Name|caption lines, caption look-up, ordering parallel lists, and the
// one-pass rows of the context menu.
#include "designer/DesignerTestControls.h"
#include "designer/DsnFunc.h"
#include "designer/DsnProp.h"
#include "support/TestUtil.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;
using fwtest::MessageOf;

namespace {

std::vector<std::string> Lines(const TStrings& s) { return s.ToVector(); }

} // namespace

TEST(HelperRoutinesTest, SplitNameCaptionsAtTheFirstBar) {
    TStringList lines{"Caption|Label text", "Items", "A|b|c", "Name|", "|x"};
    TStringList names{"stale"}, captions{"stale"};
    SplitNameCaptions(lines, &names, &captions);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Caption", "Items", "A", "Name", ""}));
    EXPECT_EQ(Lines(captions), (std::vector<std::string>{"Label text", "Items", "b|c", "", "x"}));
    SplitNameCaptions(lines, nullptr, &captions);
    EXPECT_EQ(captions.Count(), 5) << "with a list absent nothing changes";
}

TEST(HelperRoutinesTest, LookupCaptionIgnoresCaseAndFailsForAnAbsentName) {
    TStringList names{"Caption", "Left"}, captions{"Title", "X"};
    EXPECT_EQ(LookupCaption("LEFT", names, captions), "X");
    EXPECT_EQ(MessageOf([&] { LookupCaption("Top", names, captions); }), "List index out of bounds (-1)");
}

TEST(HelperRoutinesTest, OrderByListMovesMentionedNamesToTheFront) {
    TStringList order{"Name", "Left", "Top"};
    TStringList names{"Top", "Hint", "Left", "Name"}, values{"1", "2", "3", "4"};
    OrderByList(order, names, values);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Name", "Left", "Top", "Hint"}));
    EXPECT_EQ(Lines(values), (std::vector<std::string>{"4", "3", "1", "2"}));

    // Repeated and absent entries: the first mention decides; absent ones are skipped.
    TStringList order2{"width", "Missing", "Color", "WIDTH"};
    TStringList names2{"A", "Color", "B", "Width"}, values2{"a", "c", "b", "w"};
    OrderByList(order2, names2, values2);
    EXPECT_EQ(Lines(names2), (std::vector<std::string>{"Width", "Color", "A", "B"}));
    EXPECT_EQ(Lines(values2), (std::vector<std::string>{"w", "c", "a", "b"}));
}

namespace {

struct ContextTest : ::testing::Test {
    TDesignForm* form = nullptr;
    TList<TComponent*> selection;
    void SetUp() override {
        Application().Initialize();
        form = new TDesignForm(nullptr);
    }
    void TearDown() override { delete form; }
};

} // namespace

TEST_F(ContextTest, RowsFollowSelfPropsAndDropOutPropsForSeveralComponents) {
    auto* button = new TButton(form);
    button->SetCaption("OK");
    button->SetBounds(8, 8, 75, 25);
    auto* label = new TLabel(form);
    label->SetCaption("Name:");
    label->SetBounds(8, 40, 75, 13);
    selection.Add(button);
    TStringList self{"Width|Breite", "Caption|Label text", "Default", "Left"};
    TStringList out{"Width"};
    TContextProps ctx;
    ctx.Build(self, &out, &selection);
    EXPECT_EQ(Lines(ctx.PropNames()), (std::vector<std::string>{"Width", "Caption", "Default", "Left"}));
    EXPECT_EQ(Lines(ctx.PropValues()), (std::vector<std::string>{"75", "OK", "False", "8"}));
    EXPECT_EQ(ctx.Caption(0), "Breite");
    EXPECT_EQ(ctx.Caption(1), "Label text");
    EXPECT_EQ(ctx.Caption(2), "Default");
    EXPECT_EQ(ctx.OutNames(), &out);
    EXPECT_EQ(ctx.Components(), &selection);

    selection.Add(label);
    ctx.Build(self, &out, &selection);
    EXPECT_EQ(Lines(ctx.PropNames()), (std::vector<std::string>{"Caption", "Left"}))
        << "Width is left out for two, Default is the button's alone";
    EXPECT_EQ(Lines(ctx.PropValues()), (std::vector<std::string>{"OK", "8"}));
    EXPECT_EQ(MessageOf([&] { ctx.Caption(2); }), "List index out of bounds (2)");
}

TEST_F(ContextTest, CommonPropsMatchesTheIncrementalSet) {
    auto* a = new TPanel(form);
    auto* b = new TButton(form);
    auto* c = new TPanel(form);
    a->SetLeft(16);
    c->SetLeft(16);
    b->SetLeft(24);
    a->SetCaption("first");
    b->SetCaption("other");
    TStringList want{"Left", "Caption", "Color", "Font", "BevelOuter", "Name"}, out{"Name"};
    for (TComponent* x : {static_cast<TComponent*>(a), static_cast<TComponent*>(c), static_cast<TComponent*>(b)}) {
        selection.Add(x);
        TStringList names, values;
        CommonProps(selection, want, out, values, names);
        TMultiProps props;
        props.SetWantNames(&want);
        props.SetOutNames(&out);
        for (TComponent* s : selection) props.Add(s);
        // CommonProps keeps declaration order; the property set orders by want.
        OrderByList(want, names, values);
        EXPECT_EQ(Lines(names), Lines(props.PropNames())) << selection.Count();
        EXPECT_EQ(Lines(values), Lines(props.PropValues())) << selection.Count();
    }
    TStringList names, values;
    CommonProps(selection, want, out, values, names);
    OrderByList(want, names, values);
    EXPECT_EQ(Lines(names), (std::vector<std::string>{"Left", "Caption", "Color", "Font"}));
    EXPECT_EQ(Lines(values), (std::vector<std::string>{"", "first", "-16777201", ""}))
        << "the first component's caption; a class-typed value is empty for several";
}
