// Multiple selection and group resizing by real pointer and key input:
// Shift+click adds and removes without moving anything, the rubber band
// selects the touched children of the container it is drawn in, a right
// press on the empty surface changes nothing, and resizing one control of a
// selection through its one handle scales the others, snapped to the grid.
#include "designer/EngineTestSupport.h"
#include "designer/DsnHandleRS.h"
#include "designer/ScreenPixels.h"

using namespace dsntest;

namespace {

struct MultiSelectTest : TEngineFixture {
    TButton *b1 = nullptr, *b2 = nullptr, *b3 = nullptr, *inner = nullptr;
    TPanel* panel = nullptr;

    TDsnRegister* MakeController(TComponent* owner) override { return new TDsnRSRegister(owner); }
    TDsnRSRegister* Rs() const { return static_cast<TDsnRSRegister*>(reg); }
    void SetUp() override {
        TEngineFixture::SetUp();
        b1 = Put<TButton>("Button1", 16, 16, 40, 24);
        b2 = Put<TButton>("Button2", 80, 16, 80, 24);
        b3 = Put<TButton>("Button3", 16, 200, 100, 24);
        panel = Put<TPanel>("Panel1", 200, 16, 160, 120);
        inner = Put<TButton>("Button4", 16, 16, 60, 24, panel);
        DesignOn();
    }
    // Bounds as one comparable value.
    static TBounds B(const TControl* c) { return BoundsOf(*c); }
    // The one handle of a selected control.
    TSmallRect* HandleOf(TControl* c) const {
        for (int i = 0; i < reg->Handles()->GroupCount(); ++i)
            if (THandlerRect* g = reg->Handles()->Groups(i); g && g->Control() == c) return g->HandleWindows(0);
        return nullptr;
    }
};

} // namespace

TEST_F(MultiSelectTest, ShiftClickAddsAndRemovesAndNeverMoves) {
    ClickAt(ScreenOf(b1, 10, 10));
    ClickWith(b2, {10, 10}, {VK_SHIFT});
    EXPECT_EQ(SelectedCount(), 2);
    EXPECT_TRUE(Selected(b1) && Selected(b2));
    ClickWith(b1, {10, 10}, {VK_SHIFT});
    EXPECT_EQ(SelectedCount(), 1);
    EXPECT_TRUE(Selected(b2)) << "Shift+click on a selected control removes it alone";

    // A control of another parent joins too; such a selection cannot be
    // copied or moved until a plain click.
    ClickWith(inner, {10, 10}, {VK_SHIFT});
    EXPECT_TRUE(Selected(inner) && Selected(b2));
    EXPECT_FALSE(reg->CanCopy());
    Drag(b2, {10, 10}, {32, 16});
    EXPECT_EQ(SelectedCount(), 1) << "the plain press selected b2 alone";
    EXPECT_EQ(B(b2), (TBounds{112, 32, 80, 24})) << "and then it moved";
    EXPECT_EQ(B(inner), (TBounds{16, 16, 60, 24}));

    // A drag with Shift held toggles and prepares no move.
    Drag(b1, {10, 10}, {40, 24}, {VK_SHIFT});
    EXPECT_EQ(B(b1), (TBounds{16, 16, 40, 24}));
    EXPECT_TRUE(Selected(b1) && Selected(b2));
}

TEST_F(MultiSelectTest, ShiftHeldDuringAMoveFreezesItAndTheMoveGoesTogetherOtherwise) {
    ClickAt(ScreenOf(b1, 10, 10));
    ClickWith(b2, {10, 10}, {VK_SHIFT});
    Drag(b1, {10, 10}, {17, 9});
    EXPECT_EQ(B(b1), (TBounds{32, 24, 40, 24})) << "moved two grid steps right and one down";
    EXPECT_EQ(B(b2), (TBounds{96, 24, 80, 24})) << "the other selected control went along";

    // Press without Shift, then hold it: nothing moves at the release.
    POINT start = ScreenOf(b1, 10, 10);
    MovePointer(start);
    PressLeft(start);
    PumpPending();
    MovePointer({start.x + 20, start.y + 20});
    PumpPending();
    HoldKey(VK_SHIFT, true);
    MovePointer({start.x + 40, start.y + 40});
    PumpPending();
    HoldKey(VK_SHIFT, true);
    ButtonUp();
    HoldKey(VK_SHIFT, false);
    MovePointer(start); // over the pressed control again, no button held
    PumpPending();
    EXPECT_EQ(B(b1), (TBounds{32, 24, 40, 24}));
    EXPECT_EQ(B(b2), (TBounds{96, 24, 80, 24}));
    EXPECT_EQ(reg->Outlines(), nullptr) << "the frozen outlines went at the next move without a button";
}

TEST_F(MultiSelectTest, TheBandSelectsTouchedChildrenOfItsContainerOnly) {
    // From the empty stage across b1 and b2 but not b3 or the panel.
    POINT from = ScreenOf(stage, 8, 8), to = ScreenOf(stage, 100, 30);
    MovePointer(from);
    PressLeft(from);
    PumpPending();
    MovePointer(to);
    PumpPending();
    ASSERT_NE(Rs()->Band(), nullptr) << "a press on the empty stage starts a band";
    EXPECT_EQ(Rs()->Band()->Color, 128);
    EXPECT_EQ(Rs()->Band()->PenWidth, 1);
    EXPECT_EQ(Rs()->Band()->PenStyle, psDot);
    EXPECT_EQ(SelectedCount(), 0) << "the press itself selects nothing";
    ReleaseLeft(to);
    PumpPending();
    EXPECT_EQ(Rs()->Band(), nullptr);
    EXPECT_EQ(SelectedCount(), 2);
    EXPECT_TRUE(Selected(b1) && Selected(b2));

    // Ctrl+drag starting on the panel's button: drawn in the panel, it takes
    // the panel's children it touches, nothing on the stage.
    TButton* lower = Put<TButton>("Button5", 16, 80, 60, 24, panel);
    Drag(inner, {30, 10}, {-20, 70}, {VK_CONTROL});
    EXPECT_EQ(SelectedCount(), 2);
    EXPECT_TRUE(Selected(inner));
    EXPECT_TRUE(Selected(lower));
    EXPECT_EQ(B(inner), (TBounds{16, 16, 60, 24})) << "the band moved nothing";

    // A click on the empty stage is a band of no size: it clears.
    ClickAt(ScreenOf(stage, 170, 180));
    EXPECT_EQ(SelectedCount(), 0);
}

// Clearing a selection takes its handles off the screen in one batch; the
// places they covered must still be painted again.
TEST_F(MultiSelectTest, ClearingASelectionRepaintsWhereItsHandlesWere) {
    auto areaOf = [&](TControl* c) {
        POINT p = ScreenOf(c, c->Width() - 6, c->Height() - 6);
        return RECT{p.x, p.y, p.x + 12, p.y + 12}; // the handle sits across the corner
    };
    const TScreenShot before1 = CaptureScreen(areaOf(b1)), before2 = CaptureScreen(areaOf(b2));
    ClickAt(ScreenOf(b1, 10, 10));
    ClickWith(b2, {10, 10}, {VK_SHIFT});
    ASSERT_EQ(SelectedCount(), 2);
    PumpPending();
    ASSERT_NE(CaptureScreen(areaOf(b2)), before2) << "the handle shows";
    ClickAt(ScreenOf(stage, 170, 180));
    ASSERT_EQ(SelectedCount(), 0);
    PumpPending();
    EXPECT_EQ(CaptureScreen(areaOf(b1)), before1);
    EXPECT_EQ(CaptureScreen(areaOf(b2)), before2);
}

TEST_F(MultiSelectTest, ARightPressOnTheEmptyStageChangesNothing) {
    ClickAt(ScreenOf(b1, 10, 10));
    ClickAt(ScreenOf(stage, 170, 180), true);
    EXPECT_EQ(SelectedCount(), 1);
    EXPECT_TRUE(Selected(b1));
    ClickAt(ScreenOf(b2, 10, 10), true);
    EXPECT_TRUE(Selected(b2) && !Selected(b1)) << "a right press on a control selects it";
}

TEST_F(MultiSelectTest, EveryControlOfASelectionHasOneLiveHandle) {
    ClickAt(ScreenOf(b1, 10, 10));
    ClickWith(b2, {10, 10}, {VK_SHIFT});
    ClickWith(b3, {10, 10}, {VK_SHIFT});
    ASSERT_EQ(SelectedCount(), 3);
    for (TControl* c : {static_cast<TControl*>(b1), static_cast<TControl*>(b2), static_cast<TControl*>(b3)}) {
        TSmallRect* h = HandleOf(c);
        ASSERT_NE(h, nullptr) << c->Name();
        EXPECT_NE(dynamic_cast<TMigishitaRect*>(h), nullptr) << "the bottom-right handle";
        EXPECT_TRUE(h->Active()) << c->Name() << " keeps its handle usable";
        EXPECT_EQ(h->Color(), clBlack);
    }
}

TEST_F(MultiSelectTest, ResizingOneScalesTheOthersOnAGridOfOne) {
    stage->Rubberband()->MoveWidth = 1;
    stage->Rubberband()->MoveHeight = 1;
    reg->SetDsnStage(stage);
    ClickAt(ScreenOf(b1, 10, 10));
    ClickWith(b2, {10, 10}, {VK_SHIFT});
    ClickWith(b3, {10, 10}, {VK_SHIFT});
    TSmallRect* h = HandleOf(b1);
    ASSERT_NE(h, nullptr);
    Drag(h, {3, 3}, {20, 0});
    EXPECT_EQ(B(b1), (TBounds{16, 16, 60, 24}));
    EXPECT_EQ(B(b2), (TBounds{80, 16, 120, 24})) << "80 x 1.5, height, left and top kept";
    EXPECT_EQ(B(b3), (TBounds{16, 200, 150, 24})) << "100 x 1.5";
    auto offset = [&](TControl* c) { return HandleOf(c)->Left() - (c->Left() + c->Width()); };
    EXPECT_EQ(offset(b3), offset(b1)) << "the handles followed their controls";
    EXPECT_EQ(offset(b2), offset(b1));
}

TEST_F(MultiSelectTest, ScaledBoundsSnapDownToTheGridEvenWhereTheFactorIsOne) {
    b2->SetBounds(83, 21, 45, 30);
    ClickAt(ScreenOf(b1, 10, 10));
    ClickWith(b2, {10, 10}, {VK_SHIFT});
    Drag(HandleOf(b1), {3, 3}, {40, 0}); // 40 wide to 80: factor 2 across, 1 down
    EXPECT_EQ(B(b1), (TBounds{16, 16, 80, 24}));
    EXPECT_EQ(B(b2), (TBounds{80, 16, 88, 24})) << "90 x 30 at 83, 21, each snapped down to 8";
}

TEST(ResizeScaleTest, FactorsMirrorsAndAnOldSizeOfZero) {
    // Widened from 40 to 60 with the top-left kept.
    TScale s = ResizeScale({16, 16, 40, 24}, {16, 16, 60, 24});
    EXPECT_FLOAT_EQ(s.X, 1.5f);
    EXPECT_FLOAT_EQ(s.Y, 1.0f);
    EXPECT_EQ(ScaleAlong({80, 8, 81, 24}, {16, 16, 40, 24}, {16, 16, 60, 24}, s), (TBounds{80, 8, 122, 24}))
        << "121.5 rounds to the even 122";
    EXPECT_EQ(ScaleAlong({80, 8, 83, 24}, {16, 16, 40, 24}, {16, 16, 60, 24}, s), (TBounds{80, 8, 124, 24}))
        << "124.5 rounds to the even 124";

    // The handle dragged past the left edge: the control now lies left of
    // where it stood, 20 wide, and the others are mirrored about their left.
    const TBounds before{100, 0, 40, 24}, after{80, 0, 20, 24};
    s = ResizeScale(before, after);
    EXPECT_FLOAT_EQ(s.X, -0.5f);
    EXPECT_EQ(ScaleAlong({200, 0, 60, 24}, before, after, s), (TBounds{170, 0, 30, 24}));

    // A control drawn with a click has no size to scale by: the others keep
    // that axis and never get undefined bounds.
    s = ResizeScale({16, 16, 0, 0}, {16, 16, 24, 16});
    EXPECT_FLOAT_EQ(s.X, 1.0f);
    EXPECT_FLOAT_EQ(s.Y, 1.0f);
    EXPECT_EQ(ScaleAlong({80, 8, 81, 24}, {16, 16, 0, 0}, {16, 16, 24, 16}, s), (TBounds{80, 8, 81, 24}));
}
