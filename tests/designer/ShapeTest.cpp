// XOR outlines on the real screen, read back pixel by pixel: drawing and
// erasing restore the screen exactly, the four sides are four strokes with
// each corner drawn once, bands extend either way from their corner, outlines
// of several controls move together, and the pointer is confined to the
// container until the set finishes.
#include "designer/DsnShape.h"
#include "support/RealInput.h"
#include "designer/ScreenPixels.h"
#include "toolkit/StdCtrlsTestSupport.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;
using namespace fwtest;

namespace {

constexpr uint32_t kWhite = Rgb(255, 255, 255);
constexpr uint32_t kWhiteXorGrey = Rgb(0x7F, 0x7F, 0x7F);

RECT ScreenRect() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A white form on the screen; outlines are drawn over its client area.
struct ShapeTest : stdtest::ShownForm {
    RECT area{}; // screen rectangle well inside the client area

    void SetUp() override {
        ShownForm::SetUp();
        ParkPointer();
        form->SetColor(clWhite);
        form->Repaint();
        POINT o = form->ClientToScreen({20, 20});
        area = {o.x, o.y, o.x + 300, o.y + 200};
        ASSERT_TRUE(PumpUntil([&] { return CaptureScreen(area).AllEqual(kWhite); })) << "the form never showed white";
    }
    void TearDown() override {
        ClipCursor(nullptr);
        ShownForm::TearDown();
    }
    // A band one pixel wide, for exact pixel checks.
    static void StartThinBand(TMultiShape& set, int width, int height) {
        set.PenWidth = 1;
        set.StartBand();
        set.SetBandWidth(width);
        set.SetBandHeight(height);
    }
    POINT At(int dx, int dy) const { return {area.left + dx, area.top + dy}; }
    TScreenShot Shot() const { return CaptureScreen(area); }
};

} // namespace

TEST_F(ShapeTest, DrawThenFinishLeavesEveryPixelAsBefore) {
    TScreenShot before = Shot();
    TMultiShape set; // default grey pen, 2 wide
    set.StartBand();
    set.SetBandWidth(120);
    set.SetBandHeight(80);
    set.MoveTo(At(30, 30));
    EXPECT_GT(Shot().DifferenceCount(before), 0) << "the outline was not drawn";
    set.MoveTo(At(50, 40));
    set.Finish();
    EXPECT_EQ(Shot().DifferenceCount(before), 0);
    EXPECT_EQ(set.Shapes(0)->DrawState(), dsFinishing);
}

TEST_F(ShapeTest, FinishOnANeverDrawnSetChangesNothing) {
    TScreenShot before = Shot();
    TMultiShape set;
    set.StartBand();
    set.SetBandWidth(50);
    set.SetBandHeight(50);
    set.Finish();
    EXPECT_EQ(Shot().DifferenceCount(before), 0);
    // Finishing is final: a later move draws nothing.
    set.MoveTo(At(10, 10));
    EXPECT_EQ(Shot().DifferenceCount(before), 0);
}

TEST_F(ShapeTest, FourStrokesDrawEachPerimeterPixelOnce) {
    TMultiShape set;
    StartThinBand(set, 40, 20);
    POINT p = At(60, 60);
    set.MoveTo(p);
    TScreenShot s = Shot();
    // Exactly the perimeter of [p, p + (40, 20)], corners included once.
    for (int y = p.y - 2; y <= p.y + 22; ++y)
        for (int x = p.x - 2; x <= p.x + 42; ++x) {
            bool onEdge = (x >= p.x && x <= p.x + 40 && (y == p.y || y == p.y + 20)) ||
                          (y >= p.y && y <= p.y + 20 && (x == p.x || x == p.x + 40));
            ASSERT_EQ(s.At(x, y), onEdge ? kWhiteXorGrey : kWhite) << x - p.x << "," << y - p.y;
        }
    set.Finish();
}

TEST_F(ShapeTest, TwoMovesToTheSamePointLeaveTheOutlineVisible) {
    TMultiShape set;
    StartThinBand(set, 40, 20);
    POINT p = At(60, 60);
    set.MoveTo(p);
    TScreenShot once = Shot();
    set.MoveTo(p);
    TScreenShot twice = Shot();
    EXPECT_EQ(twice.At(p.x + 20, p.y), kWhiteXorGrey);
    EXPECT_EQ(twice.DifferenceCount(once), 0);
    set.Finish();
}

TEST_F(ShapeTest, MovingErasesThePreviousPlace) {
    TMultiShape set;
    StartThinBand(set, 40, 20);
    set.MoveTo(At(10, 10));
    set.MoveTo(At(100, 100));
    TScreenShot s = Shot();
    EXPECT_EQ(s.At(At(30, 10).x, At(30, 10).y), kWhite);
    EXPECT_EQ(s.At(At(120, 100).x, At(120, 100).y), kWhiteXorGrey);
    // Only the second rectangle's perimeter is on the screen.
    EXPECT_EQ(s.DifferenceCount(TScreenShot{area, std::vector<uint32_t>(s.Pixels.size(), kWhite)}), 2 * (40 + 20));
    set.Finish();
}

TEST_F(ShapeTest, NegativeBandCoversTheAreaUpAndLeft) {
    TMultiShape set;
    StartThinBand(set, -40, -30);
    POINT p = At(150, 100);
    set.MoveTo(p);
    TScreenShot s = Shot();
    int changed = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            if (s.At(x, y) == kWhite) continue;
            ++changed;
            EXPECT_TRUE(x >= p.x - 40 && x <= p.x && y >= p.y - 30 && y <= p.y) << x - p.x << "," << y - p.y;
        }
    EXPECT_EQ(changed, 2 * (40 + 30));
    EXPECT_EQ(s.At(p.x - 40, p.y - 30), kWhiteXorGrey);
    set.Finish();
    EXPECT_TRUE(Shot().AllEqual(kWhite));
}

TEST_F(ShapeTest, EraseUsesThePenTheRectangleWasDrawnWith) {
    TMultiShape set;
    set.StartBand();
    set.SetBandWidth(60);
    set.SetBandHeight(40);
    set.MoveTo(At(20, 20));
    // Changed between two draws: the old outline must still go away.
    set.Shapes(0)->Color = clRed;
    set.Shapes(0)->PenWidth = 3;
    set.MoveTo(At(120, 80));
    set.Finish();
    EXPECT_TRUE(Shot().AllEqual(kWhite));
}

TEST_F(ShapeTest, FreeingAnUnfinishedSetErasesAndFreesThePointer) {
    {
        TMultiShape set;
        set.ConfineTo(form);
        set.StartBand();
        set.SetBandWidth(60);
        set.SetBandHeight(40);
        set.MoveTo(At(20, 20));
    }
    EXPECT_TRUE(Shot().AllEqual(kWhite));
    RECT clip{};
    GetClipCursor(&clip);
    EXPECT_TRUE(SameRect(clip, ScreenRect()));
}

struct ShapeOfControlsTest : ShapeTest {
    TPanel* a = nullptr;
    TPanel* b = nullptr;
    void SetUp() override {
        ShapeTest::SetUp();
        a = Make<TPanel>("A");
        a->SetBounds(40, 60, 50, 40);
        b = Make<TPanel>("B");
        b->SetBounds(120, 60, 50, 40); // 30 pixels right of A
        ASSERT_TRUE(PumpUntil([&] {
            POINT p = form->ClientToScreen({a->Left() + 25, a->Top() + 20});
            return CaptureScreen({p.x, p.y, p.x + 1, p.y + 1}).Pixels[0] != kWhite;
        }));
    }
};

TEST_F(ShapeOfControlsTest, OutlinesFollowTheOriginTogether) {
    TMultiShape set;
    set.PenWidth = 1;
    set.Origin = form->ClientToScreen({10, 10});
    set.AddControl(a);
    set.AddControl(b);
    set.AddControl(nullptr);
    ASSERT_EQ(set.ShapeCount(), 2);
    TScreenShot before = Shot();
    set.MoveTo({set.Origin.x + 8, set.Origin.y});
    for (TPanel* c : {a, b}) {
        POINT s = form->ClientToScreen({c->Left(), c->Top()});
        const RECT& r = set.Shapes(c == a ? 0 : 1)->DrawnRect();
        EXPECT_TRUE(SameRect(r, RECT{s.x + 8, s.y, s.x + 8 + 50, s.y + 40})) << c->Name();
        TScreenShot now = Shot();
        int midY = s.y + 20;
        EXPECT_NE(now.At(s.x + 8, midY), before.At(s.x + 8, midY)) << c->Name() << ": left side not 8 px right";
        EXPECT_EQ(now.At(s.x, midY), before.At(s.x, midY)) << c->Name() << ": drawn at the old place";
    }
    set.Finish();
    EXPECT_EQ(Shot().DifferenceCount(before), 0);
}

TEST_F(ShapeOfControlsTest, StartBandReplacesTheOutlinesByOneEmptyBand) {
    TMultiShape set;
    set.Color = clMaroon;
    set.PenWidth = 1;
    set.PenStyle = psDot;
    set.AddControl(a);
    set.AddControl(b);
    set.StartBand();
    ASSERT_EQ(set.ShapeCount(), 1);
    TFundamentalShape* band = set.Shapes(0);
    EXPECT_EQ(band->Width, 0);
    EXPECT_EQ(band->Height, 0);
    EXPECT_EQ(band->Offset.x, 0);
    EXPECT_EQ(band->Color, clMaroon);
    EXPECT_EQ(band->PenWidth, 1);
    EXPECT_EQ(band->PenStyle, psDot);
    EXPECT_EQ(band->DrawState(), dsNeverDrawn);
}

TEST_F(ShapeTest, ConfinesThePointerToTheContainerUntilFinish) {
    POINT o = form->ClientToScreen({0, 0});
    RECT client{o.x, o.y, o.x + form->ClientWidth(), o.y + form->ClientHeight()};
    MovePointer({o.x + 100, o.y + 100});
    TMultiShape set;
    set.ConfineTo(form);
    EXPECT_TRUE(SameRect(set.ClipArea(), client));
    RECT clip{};
    GetClipCursor(&clip);
    EXPECT_TRUE(SameRect(clip, client)) << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom;
    // Real input cannot take the pointer out: it stops at the last column.
    MovePointer({client.right + 60, o.y + 100}, {client.right - 1, o.y + 100});
    set.Finish();
    GetClipCursor(&clip);
    EXPECT_TRUE(SameRect(clip, ScreenRect()));
    MovePointer({client.right + 60, o.y + 100});
}
