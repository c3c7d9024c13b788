// The design controller driven by real pointer input: a click selects a
// control instead of pressing it, a drag moves it by whole grid steps, a
// press on a member of a selection keeps the selection, presses on a label,
// on a combo box's edit and on a page control's other tab, and design mode
// switched off and on again.
#include "designer/EngineTestSupport.h"
#include "toolkit/win/controls/PageControl.h"

using namespace dsntest;

namespace {

struct ControllerTest : TEngineFixture {
    TButton* button = nullptr;
    int clicks = 0;
    void SetUp() override {
        TEngineFixture::SetUp();
        button = Put<TButton>("Button1", 40, 32, 80, 24);
        button->OnClick.Bind([this](TObject*) { ++clicks; });
        DesignOn();
    }
};

} // namespace

TEST_F(ControllerTest, AClickSelectsInsteadOfPressing) {
    ClickAt(ScreenOf(button, 10, 10));
    EXPECT_TRUE(Selected(button));
    EXPECT_EQ(clicks, 0) << "the button itself never saw the click";
    ASSERT_NE(reg->Handles(), nullptr);
    EXPECT_EQ(reg->Handles()->GroupCount(), 1) << "grab handles around it";
    EXPECT_EQ(GetFocus(), stage->Handle()) << "the keys go to the stage";
    reg->SetDesignMode(false);
    ClickAt(ScreenOf(button, 10, 10));
    EXPECT_TRUE(PumpUntil([&] { return clicks == 1; })) << "live again";
    EXPECT_EQ(reg->Targets(), nullptr);
}

TEST_F(ControllerTest, ADragMovesByWholeGridSteps) {
    Drag(button, {10, 10}, {21, 9});
    EXPECT_EQ(button->Left(), 40 + 16);
    EXPECT_EQ(button->Top(), 32 + 8);
    EXPECT_TRUE(Selected(button));
    // Within one cell nothing moves.
    Drag(button, {10, 10}, {5, 4});
    EXPECT_EQ(button->Left(), 56);
    EXPECT_EQ(button->Top(), 40);
    EXPECT_EQ(reg->Outlines(), nullptr) << "the outlines are gone";
    RECT clip;
    GetClipCursor(&clip);
    EXPECT_EQ(clip.right - clip.left, GetSystemMetrics(SM_CXSCREEN)) << "the pointer is free again";
}

TEST_F(ControllerTest, MoveQueryKeepsARefusedControlInPlace) {
    auto* other = Put<TButton>("Button2", 160, 32, 80, 24);
    reg->SetDesignMode(false);
    DesignOn();
    stage->OnMoveQuery.Bind([&](TObject*, TComponent* c, bool& can) { can = c != other; });
    reg->SelectOnly(button);
    reg->Targets()->Add(other);
    reg->Targets()->Update();
    Drag(other, {10, 10}, {16, 0});
    EXPECT_EQ(SelectedCount(), 2) << "a press on a member keeps the selection";
    EXPECT_EQ(button->Left(), 56);
    EXPECT_EQ(other->Left(), 160) << "refused";
}

TEST_F(ControllerTest, PressesOnALabelOnAComboAndOnAnotherTab) {
    auto* panel = Put<TPanel>("Panel1", 8, 80, 200, 80);
    auto* label = Put<TLabel>("Label1", 8, 8, 60, 13, panel);
    label->SetEnabled(false);
    auto* combo = Put<TComboBox>("ComboBox1", 220, 80, 120, 21);
    auto* pages = Put<TPageControl>("PageControl1", 8, 170, 240, 100);
    auto* first = new TTabSheet(form);
    first->SetName("TabSheet1");
    first->SetPageControl(pages);
    first->SetCaption("One");
    auto* second = new TTabSheet(form);
    second->SetName("TabSheet2");
    second->SetPageControl(pages);
    second->SetCaption("Two");
    pages->SetActivePage(first);
    reg->SetDesignMode(false);
    DesignOn();
    ClickAt(ScreenOf(label, 5, 5));
    EXPECT_TRUE(Selected(label)) << "a disabled label is found through its parent's agent";
    RECT r;
    GetWindowRect(GetWindow(combo->Handle(), GW_CHILD), &r);
    ClickAt({r.left + 5, (r.top + r.bottom) / 2});
    EXPECT_TRUE(Selected(combo)) << "the inner edit lets the press through";
    RECT tab;
    SendMessageW(pages->Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
    ClickAt(ScreenOf(pages, (tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2));
    EXPECT_TRUE(PumpUntil([&] { return pages->ActivePage() == second; })) << "the other tab works in design mode";
    EXPECT_TRUE(Selected(pages));
}

TEST_F(ControllerTest, DesignModeOffAndOnAgainStartsEmpty) {
    ClickAt(ScreenOf(button, 10, 10));
    TMultiHandler* handles = reg->Handles();
    ASSERT_NE(handles, nullptr);
    reg->SetDesignMode(false);
    EXPECT_EQ(reg->Handles(), nullptr);
    EXPECT_EQ(reg->Targets(), nullptr);
    DesignOn();
    EXPECT_EQ(reg->Targets(), nullptr) << "nothing selected";
    ClickAt(ScreenOf(button, 40, 12)); // away from the first click: no double click

    EXPECT_TRUE(Selected(button));
    reg->SetDesignMode(true); // a second time changes nothing
    EXPECT_TRUE(Selected(button));
}

TEST_F(ControllerTest, SnappingTruncatesTowardZeroAndAStepOfZeroDisablesIt) {
    int32_t x = -5, y = 13;
    reg->SnapToGrid(x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 8);
    x = -9;
    reg->SnapToGrid(x, y);
    EXPECT_EQ(x, -8);
    stage->Rubberband()->MoveWidth = 0;
    x = 13;
    reg->SnapToGrid(x, y);
    EXPECT_EQ(x, 8) << "copied when the stage was linked, not followed";
    TDsnRegister fresh(nullptr);
    fresh.SetDsnStage(stage);
    x = 13;
    fresh.SnapToGrid(x, y);
    EXPECT_EQ(x, 13) << "a step of 0 leaves the axis alone";
    reg->SetDsnStage(stage);
}
