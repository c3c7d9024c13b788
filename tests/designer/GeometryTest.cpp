// Outline and handle arithmetic without windows: snapping toward zero, the
// bounds of handle drags that cross the opposite edge (each axis normalised
// on its own), bands of negative size, and the 16-bit packing of bounds.
// The ordinary corner cases are driven through real handles in HandleTest.
#include "designer/DsnGeometry.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {
constexpr THandleCorner TL = THandleCorner::TopLeft, TR = THandleCorner::TopRight,
                        BR = THandleCorner::BottomRight, BL = THandleCorner::BottomLeft;
}

TEST(Snap, TruncatesTowardZero) {
    for (int v = -7; v <= 7; ++v) EXPECT_EQ(SnapValue(v, 8), 0) << v;
    for (int v = 8; v <= 15; ++v) EXPECT_EQ(SnapValue(v, 8), 8) << v;
    for (int v = -15; v <= -8; ++v) EXPECT_EQ(SnapValue(v, 8), -8) << v;
    EXPECT_EQ(SnapValue(112, 8), 112);
    EXPECT_EQ(SnapValue(-9, 8), -8);
}

TEST(Snap, StepOfZeroOrLessLeavesTheAxisAlone) {
    EXPECT_EQ(SnapValue(13, 0), 13);
    EXPECT_EQ(SnapValue(-13, -8), -13);
    POINT p = SnapPoint({13, 13}, 0, 8);
    EXPECT_EQ(p.x, 13);
    EXPECT_EQ(p.y, 8);
}

TEST(Snap, EveryPressInsideASixPixelHandleSnapsToZero) {
    for (int v = 0; v < 6; ++v) {
        EXPECT_EQ(SnapValue(v, 6), 0);
        EXPECT_EQ(SnapValue(v, 8), 0);
    }
}

TEST(ResizedBoundsTable, NegativeSizesFlipAboutTheFixedEdgePerAxis) {
    // Top-left handle dragged past the bottom-right corner.
    EXPECT_EQ(ResizedBounds(TL, (TBounds{40, 32, 96, 48}), 112, 64), (TBounds{136, 80, 16, 16}));
    TBounds c{100, 100, 20, 10};
    // A right handle dragged 30 left: the right edge crosses the fixed left edge.
    EXPECT_EQ(ResizedBounds(BR, c, -30, 0), (TBounds{90, 100, 10, 10}));
    // A left handle dragged 30 right: it lands beyond the fixed right edge.
    EXPECT_EQ(ResizedBounds(BL, c, 30, 0), (TBounds{120, 100, 10, 10}));
    // Only the vertical axis flips; the horizontal one keeps its computation.
    EXPECT_EQ(ResizedBounds(TR, c, 5, 25), (TBounds{100, 110, 25, 15}));
    EXPECT_EQ(ResizedBounds(BR, c, 0, -25), (TBounds{100, 85, 20, 15}));
}

TEST(ResizedBoundsTable, ZeroSizeIsAccepted) {
    EXPECT_EQ(ResizedBounds(BR, (TBounds{0, 0, 16, 16}), -16, -16), (TBounds{0, 0, 0, 0}));
}

TEST(OutlineRects, NegativeSizeExtendsUpAndLeft) {
    RECT r = OutlineRect({100, 100}, {5, -5}, -30, -20);
    EXPECT_EQ(r.left, 105);
    EXPECT_EQ(r.top, 95);
    EXPECT_EQ(r.right, 75);
    EXPECT_EQ(r.bottom, 75);
    RECT n = NormalizeRect(r);
    EXPECT_EQ(n.left, 75);
    EXPECT_EQ(n.top, 75);
    EXPECT_EQ(n.right, 105);
    EXPECT_EQ(n.bottom, 95);
}

TEST(PackedWords, LowWordFirstSignExtendedBack) {
    uintptr_t p = PackWords(40, 30);
    EXPECT_EQ(p, (uintptr_t{30} << 16) | 40u);
    uintptr_t n = PackWords(-5, -32768);
    EXPECT_EQ(LowWordOf(n), -5);
    EXPECT_EQ(HighWordOf(n), -32768);
    EXPECT_EQ(static_cast<uint64_t>(n) >> 32, 0u) << "only 32 bits carry the values";
}
