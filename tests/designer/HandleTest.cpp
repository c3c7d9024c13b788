// Grab handles driven by real pointer input on the screen: where the four
// handles stand and what they look like, resizing by dragging each corner on
// the grid, the messages to the control's design agent (and their order with
// the handles' own move), multiple selections with grey inert handles,
// controls without a window, and handles destroyed along with their parent.
#include "designer/DsnMessages.h"
#include "designer/HandleTestSupport.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;

namespace {

constexpr uint32_t kBlack = Rgb(0, 0, 0);
constexpr uint32_t kGrey = Rgb(128, 128, 128);

struct HandleTest : THandleFixture<TMultiHandler> {
    TPanel* panel = nullptr;
    std::unique_ptr<TMessageSpy> agent; // stands in for the panel's design agent

    void SetUp() override {
        THandleFixture::SetUp();
        panel = Make<TPanel>("Panel1");
        panel->SetBounds(40, 30, 100, 50);
        agent = std::make_unique<TMessageSpy>(panel->Handle());
    }
    void TearDown() override {
        agent.reset();
        THandleFixture::TearDown();
    }
    void UseGrid(int step) {
        set->SetGridX(step);
        set->SetGridY(step);
    }
    TBounds PanelBounds() const { return BoundsOf(*panel); }
};

TBounds UnpackedBounds(const TSpiedMessage& m) {
    return {LowWordOf(m.WParam), HighWordOf(m.WParam), LowWordOf(static_cast<uintptr_t>(m.LParam)),
            HighWordOf(static_cast<uintptr_t>(m.LParam))};
}

} // namespace

TEST_F(HandleTest, FourBlackHandlesStandAtTheCorners) {
    Select(panel);
    THandlerRect* g = GroupOf(panel);
    ASSERT_NE(g, nullptr);
    ASSERT_EQ(g->HandleCount(), 4);
    // Created bottom-right, top-right, top-left, bottom-left.
    EXPECT_NE(dynamic_cast<TMigishitaRect*>(g->HandleWindows(0)), nullptr);
    EXPECT_NE(dynamic_cast<TMigiueRect*>(g->HandleWindows(1)), nullptr);
    EXPECT_NE(dynamic_cast<THidariueRect*>(g->HandleWindows(2)), nullptr);
    EXPECT_NE(dynamic_cast<THidarishitaRect*>(g->HandleWindows(3)), nullptr);
    const POINT want[] = {{136, 76}, {136, 28}, {38, 28}, {38, 76}};
    for (int i = 0; i < 4; ++i) {
        TSmallRect* h = g->HandleWindows(i);
        EXPECT_EQ(h->Left(), want[i].x) << i;
        EXPECT_EQ(h->Top(), want[i].y) << i;
        EXPECT_EQ(h->Width(), 6);
        EXPECT_EQ(h->Height(), 6);
        EXPECT_TRUE(h->Active());
        // Beside the control, not in the design: no owner, the control's parent.
        EXPECT_EQ(h->Owner(), nullptr);
        EXPECT_EQ(h->Parent(), form);
        EXPECT_EQ(GetParent(h->Handle()), form->Handle());
        RECT r{};
        GetWindowRect(h->Handle(), &r);
        POINT s = ScreenOf(h);
        EXPECT_TRUE(SameRect(r, RECT{s.x, s.y, s.x + 6, s.y + 6})) << i;
        EXPECT_TRUE(PumpUntil([&] { return ScreenPixel({s.x + 3, s.y + 3}) == kBlack; })) << "handle " << i << " not black";
    }
    EXPECT_EQ(HandleOf<THidariueRect>(panel)->Cursor(), crSizeNWSE);
    EXPECT_EQ(HandleOf<TMigishitaRect>(panel)->Cursor(), crSizeNWSE);
    EXPECT_EQ(HandleOf<TMigiueRect>(panel)->Cursor(), crSizeNESW);
    EXPECT_EQ(HandleOf<THidarishitaRect>(panel)->Cursor(), crSizeNESW);
    EXPECT_EQ(agent->Count(DM_GROUPADDED), 1);
}

TEST_F(HandleTest, BottomRightDragSnapsToTheGrid) {
    UseGrid(8);
    Select(panel);
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigishitaRect>(panel), 13, 5));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 108, 50}));
    // The handles followed the new bounds.
    EXPECT_EQ(HandleOf<TMigishitaRect>(panel)->Left(), 40 + 108 - 6 + 2);
    EXPECT_EQ(HandleOf<TMigiueRect>(panel)->Left(), 40 + 108 - 6 + 2);
    EXPECT_EQ(GroupOf(panel)->SavedBounds(), (TBounds{40, 30, 108, 50}));
    ASSERT_EQ(agent->Count(DM_RESIZED), 1);
    EXPECT_EQ(UnpackedBounds(agent->Of(DM_RESIZED)[0]), (TBounds{40, 30, 100, 50}));
}

TEST_F(HandleTest, BottomRightDragUpAndLeftSnapsTowardZero) {
    UseGrid(8);
    Select(panel);
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigishitaRect>(panel), -3, -9));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 100, 42}));
}

TEST_F(HandleTest, TopLeftDraggedPastTheOppositeCornerFlipsBothAxes) {
    UseGrid(8);
    panel->SetBounds(40, 32, 96, 48);
    Select(panel);
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<THidariueRect>(panel), 112, 64));
    EXPECT_EQ(PanelBounds(), (TBounds{136, 80, 16, 16}));
    EXPECT_EQ(HandleOf<THidariueRect>(panel)->Left(), 134);
    EXPECT_EQ(HandleOf<THidariueRect>(panel)->Top(), 78);
}

TEST_F(HandleTest, TopRightAndBottomLeftMoveTheirOwnEdges) {
    UseGrid(8);
    Select(panel);
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigiueRect>(panel), 17, -9));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 22, 116, 58}));
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<THidarishitaRect>(panel), 16, 8));
    EXPECT_EQ(PanelBounds(), (TBounds{56, 22, 100, 66}));
    EXPECT_EQ(GroupOf(panel)->SavedBounds(), (TBounds{56, 22, 100, 66}));
}

TEST_F(HandleTest, ReleaseWithoutMovingReportsTheUnchangedBounds) {
    Select(panel);
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigishitaRect>(panel), 0, 0));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 100, 50}));
    ASSERT_EQ(agent->Count(DM_SETTARGET), 1);
    EXPECT_EQ(agent->Of(DM_SETTARGET)[0].WParam, reinterpret_cast<WPARAM>(static_cast<TControl*>(panel)));
    EXPECT_EQ(agent->Of(DM_SETTARGET)[0].LParam, 0);
    ASSERT_EQ(agent->Count(DM_RESIZED), 1);
    EXPECT_EQ(UnpackedBounds(agent->Of(DM_RESIZED)[0]), (TBounds{40, 30, 100, 50}));
}

TEST_F(HandleTest, GridStepOfZeroDisablesSnappingOnThatAxis) {
    set->SetGridX(0);
    set->SetGridY(8);
    Select(panel);
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigishitaRect>(panel), 13, 5));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 113, 50}));
}

TEST_F(HandleTest, AgentHearsOfTheResizeBeforeTheHandlesMove) {
    Select(panel);
    TSmallRect* h = HandleOf<TMigishitaRect>(panel);
    TBounds boundsThen, handleThen;
    agent->OnMessage(DM_RESIZED, [&](const TSpiedMessage&) {
        boundsThen = PanelBounds();
        handleThen = BoundsOf(*h);
    });
    UseGrid(8);
    // The set's settings reach groups made afterwards: select anew.
    targets.Clear();
    Select(panel);
    h = HandleOf<TMigishitaRect>(panel);
    ASSERT_NO_FATAL_FAILURE(DragBy(h, 16, 8));
    EXPECT_EQ(boundsThen, (TBounds{40, 30, 116, 58})) << "the control has its new bounds first";
    EXPECT_EQ(handleThen, (TBounds{136, 76, 6, 6})) << "the handles move only after the agent answered";
    EXPECT_EQ(BoundsOf(*h), (TBounds{152, 84, 6, 6}));
}

TEST_F(HandleTest, DragConfinesThePointerAndShowsTheReleaseRectangle) {
    UseGrid(8);
    Select(panel);
    TSmallRect* h = HandleOf<TMigishitaRect>(panel);
    ASSERT_NO_FATAL_FAILURE(Press(h));
    POINT o = form->ClientToScreen({0, 0});
    EXPECT_TRUE(SameRect(CurrentClip(), RECT{o.x, o.y, o.x + form->ClientWidth(), o.y + form->ClientHeight()}));
    ASSERT_NE(h->Shape(), nullptr);
    ASSERT_NO_FATAL_FAILURE(MoveBy(20, -20));
    TFundamentalShape* outline = h->Shape()->Shapes(0);
    POINT c = ScreenOf(panel);
    // What a release here gives: 16 wider, 16 lower (before normalising).
    EXPECT_EQ(outline->DrawState(), dsDrawn);
    EXPECT_TRUE(SameRect(outline->DrawnRect(), RECT{c.x, c.y, c.x + 116, c.y + 34}));
    ASSERT_NO_FATAL_FAILURE(ReleaseBy(20, -20));
    EXPECT_EQ(h->Shape(), nullptr);
    EXPECT_TRUE(SameRect(CurrentClip(), WholeScreen()));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 116, 34}));
}

struct MultipleSelectionTest : HandleTest {
    TPanel* other = nullptr;
    void SetUp() override {
        HandleTest::SetUp();
        other = Make<TPanel>("Panel2");
        other->SetBounds(200, 150, 80, 40);
        Select(panel);
        Select(other);
    }
};

TEST_F(MultipleSelectionTest, EveryHandleTurnsGreyWithTheDefaultCursor) {
    for (TControl* c : {static_cast<TControl*>(panel), static_cast<TControl*>(other)}) {
        THandlerRect* g = GroupOf(c);
        ASSERT_NE(g, nullptr);
        for (int i = 0; i < g->HandleCount(); ++i) {
            TSmallRect* h = g->HandleWindows(i);
            EXPECT_FALSE(h->Active());
            EXPECT_EQ(h->Color(), clGray);
            EXPECT_EQ(h->Cursor(), crDefault);
            POINT s = ScreenOf(h);
            EXPECT_TRUE(PumpUntil([&] { return ScreenPixel({s.x + 3, s.y + 3}) == kGrey; })) << c->Name() << " " << i;
            EXPECT_EQ(ScreenPixel(s), kBlack) << "outlined with the default pen";
        }
    }
}

TEST_F(MultipleSelectionTest, GreyHandlesIgnorePressAndDrag) {
    // Without snapping, so that an active handle would resize even by the
    // few pixels a gesture can move inside a handle it did not capture.
    targets.Clear();
    set->SetGridX(0);
    set->SetGridY(0);
    Select(panel);
    Select(other);
    TSmallRect* h = HandleOf<TMigishitaRect>(panel);
    ASSERT_NO_FATAL_FAILURE(Press(h));
    EXPECT_EQ(h->Shape(), nullptr);
    EXPECT_TRUE(SameRect(CurrentClip(), WholeScreen()));
    ASSERT_NO_FATAL_FAILURE(MoveBy(4, 3));
    EXPECT_EQ(h->Cursor(), crDefault);
    ASSERT_NO_FATAL_FAILURE(ReleaseBy(4, 3));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 100, 50}));
    EXPECT_EQ(agent->Count(DM_SETTARGET), 0);
    EXPECT_EQ(agent->Count(DM_RESIZED), 0);
}

TEST_F(MultipleSelectionTest, RemovingOneLeavesTheOtherActiveAgain) {
    agent->Clear();
    targets.Delete(1);
    targets.Update();
    ASSERT_EQ(set->GroupCount(), 1);
    THandlerRect* g = GroupOf(panel);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->HandleCount(), 4);
    for (int i = 0; i < g->HandleCount(); ++i) {
        EXPECT_TRUE(g->HandleWindows(i)->Active());
        EXPECT_NE(g->HandleWindows(i)->Cursor(), crDefault);
    }
    EXPECT_EQ(agent->Count(DM_GROUPADDED), 1);
    POINT s = ScreenOf(HandleOf<TMigishitaRect>(panel));
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel({s.x + 3, s.y + 3}) == kBlack; }));
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigishitaRect>(panel), 6, 6));
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 106, 56}));
}

TEST_F(MultipleSelectionTest, OnlyRealGroupsCountAndIndexesStayParallel) {
    // The selection may hold an empty entry or a handle: they get no
    // handles but keep their places.
    targets.Add(nullptr);
    targets.Add(HandleOf<TMigiueRect>(panel));
    ASSERT_EQ(set->GroupCount(), targets.Count());
    EXPECT_EQ(set->Groups(2), nullptr);
    EXPECT_EQ(set->Groups(3), nullptr);
    targets.Delete(0);
    EXPECT_EQ(set->Groups(0)->Control(), other);
    EXPECT_TRUE(set->Groups(0)->HandleWindows(0)->Active()) << "one real group left";
    EXPECT_THROW(set->Delete(10), EListError);
}

TEST_F(HandleTest, ForgottenControlIsNeverTouched) {
    UseGrid(0);
    Select(panel);
    targets.NilItem(0);
    THandlerRect* g = set->Groups(0);
    EXPECT_EQ(g->Control(), nullptr);
    TSmallRect* h = g->HandleWindows(0);
    EXPECT_EQ(h->Control(), nullptr);
    ASSERT_NO_FATAL_FAILURE(DragBy(h, 4, 4));
    EXPECT_EQ(h->Shape(), nullptr);
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 100, 50}));
    EXPECT_EQ(agent->Count(DM_SETTARGET), 0);
    targets.Delete(0);
    EXPECT_EQ(set->GroupCount(), 0);
}

TEST_F(HandleTest, LabelHandlesAreItsSiblingsAndTalkToTheParentWindow) {
    auto* label = Make<TLabel>("Label1");
    label->SetAutoSize(false);
    label->SetBounds(60, 120, 64, 24);
    TMessageSpy parentAgent(form->Handle());
    UseGrid(8);
    Select(label);
    TSmallRect* h = HandleOf<TMigishitaRect>(label);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->Parent(), form);
    EXPECT_EQ(GetParent(h->Handle()), form->Handle());
    EXPECT_EQ(parentAgent.Count(DM_GROUPADDED), 1);
    ASSERT_NO_FATAL_FAILURE(DragBy(h, 16, 8));
    EXPECT_EQ(BoundsOf(*label), (TBounds{60, 120, 80, 32}));
    ASSERT_EQ(parentAgent.Count(DM_SETTARGET), 1);
    EXPECT_EQ(parentAgent.Of(DM_SETTARGET)[0].WParam, reinterpret_cast<WPARAM>(static_cast<TControl*>(label)));
    ASSERT_EQ(parentAgent.Count(DM_RESIZED), 1);
    EXPECT_EQ(UnpackedBounds(parentAgent.Of(DM_RESIZED)[0]), (TBounds{60, 120, 64, 24}));
}

TEST_F(HandleTest, HandlesDestroyedWithTheirParentAreNotFreedAgain) {
    auto* box = Make<TPanel>("Box");
    box->SetBounds(200, 100, 200, 150);
    auto* inner = Make<TButton>("Inner", box);
    inner->SetBounds(20, 20, 80, 30);
    Select(inner);
    THandlerRect* g = GroupOf(inner);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->HandleWindows(0)->Parent(), box);
    int windowsBefore = stdtest::ChildWindowCount(form->Handle());
    // The selection forgets the button first, as the controller does.
    targets.NilItem(0);
    delete box;
    EXPECT_TRUE(g->HandlesReleased());
    EXPECT_EQ(g->HandleCount(), 0);
    targets.Update(); // would move freed handles
    targets.Delete(0); // would free them again
    stdtest::Pump();
    EXPECT_EQ(stdtest::ChildWindowCount(form->Handle()), windowsBefore - 1 - 1 - 4);
}

TEST_F(HandleTest, AgentThatClearsTheSelectionOnResizeDoesNotPullTheHandleAway) {
    Select(panel);
    int windowsBefore = stdtest::ChildWindowCount(form->Handle());
    agent->OnMessage(DM_RESIZED, [&](const TSpiedMessage&) { targets.Clear(); });
    ASSERT_NO_FATAL_FAILURE(DragBy(HandleOf<TMigishitaRect>(panel), 12, 12));
    EXPECT_EQ(set->GroupCount(), 0);
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 112, 62}));
    // The pressed handle goes once its own message is done.
    EXPECT_TRUE(PumpUntil([&] { return stdtest::ChildWindowCount(form->Handle()) == windowsBefore - 4; }));
    EXPECT_TRUE(SameRect(CurrentClip(), WholeScreen()));
}

TEST_F(HandleTest, ClearFreesEveryHandleWindow) {
    int windowsBefore = stdtest::ChildWindowCount(form->Handle());
    Select(panel);
    EXPECT_EQ(stdtest::ChildWindowCount(form->Handle()), windowsBefore + 4);
    targets.Clear();
    EXPECT_EQ(set->GroupCount(), 0);
    EXPECT_EQ(stdtest::ChildWindowCount(form->Handle()), windowsBefore);
}

TEST_F(HandleTest, DragEndsWhenAnotherWindowTakesThePointer) {
    Select(panel);
    TSmallRect* h = HandleOf<TMigishitaRect>(panel);
    ASSERT_NO_FATAL_FAILURE(Press(h));
    ASSERT_NE(h->Shape(), nullptr);
    TMessageSpy formSpy(form->Handle());
    SetCapture(form->Handle());
    EXPECT_TRUE(PumpUntil([&] { return h->Shape() == nullptr; })) << "the drag went on without the capture";
    EXPECT_TRUE(SameRect(CurrentClip(), WholeScreen()));
    POINT at{pressedAt.x + 30, pressedAt.y + 30};
    MovePointer(at);
    ReleaseLeft(at);
    EXPECT_TRUE(PumpUntil([&] { return formSpy.Count(WM_LBUTTONUP) > 0; }));
    ReleaseCapture();
    handleSpy.reset();
    EXPECT_EQ(PanelBounds(), (TBounds{40, 30, 100, 50}));
    EXPECT_EQ(agent->Count(DM_RESIZED), 0);
}

TEST_F(HandleTest, HandlesAreNoPartOfTheDesignTheyStandOn) {
    // A control flush with a scroll box's edges: its handles stick out by 2
    // pixels, yet the box has nothing more to scroll to, and saving the form
    // stores the control only.
    auto* box = Make<TScrollBox>("ScrollBox1");
    box->SetBounds(200, 100, 200, 150);
    auto* inner = Make<TPanel>("Inner", box);
    RECT client = box->ClientRect();
    inner->SetBounds(client.right - 60, client.bottom - 40, 60, 40);
    Select(inner);
    ASSERT_EQ(GroupOf(inner)->HandleCount(), 4);
    SCROLLINFO si{sizeof si, SIF_RANGE, 0, 0, 0, 0, 0};
    GetScrollInfo(box->Handle(), SB_HORZ, &si);
    EXPECT_EQ(si.nMax, 0) << "no horizontal extent from the handles";
    GetScrollInfo(box->Handle(), SB_VERT, &si);
    EXPECT_EQ(si.nMax, 0) << "no vertical extent from the handles";
    EXPECT_EQ(stdtest::StoredNames(stdtest::Store(box, form)).count("Left"), 1u);
    int children = 0;
    box->GetChildren([&](TComponent*) { ++children; }, form);
    EXPECT_EQ(children, 1) << "the handles have no owner and are never stored";
}
