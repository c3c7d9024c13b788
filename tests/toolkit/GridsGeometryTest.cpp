// Where cells lie: widths, heights, grid lines and scrolling move them, and
// CellRect and MouseToCell agree. The vertical scroll bar scrolls rows.
#include "GridsTestSupport.h"

using namespace fw;
using gridtest::GridFixture;

using GridGeometry = GridFixture;

namespace {
::testing::AssertionResult IsRect(const RECT& r, int left, int top, int right, int bottom) {
    if (r.left == left && r.top == top && r.right == right && r.bottom == bottom) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got {" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom
                                         << "}";
}
bool IsEmpty(const RECT& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }
} // namespace

TEST_F(GridGeometry, CellsFollowWidthsHeightsAndLines) {
    // Columns 64 wide and rows 24 high, each followed by a one-pixel line.
    EXPECT_TRUE(IsRect(grid->CellRect(0, 0), 0, 0, 64, 24));
    EXPECT_TRUE(IsRect(grid->CellRect(1, 1), 65, 25, 129, 49));
    grid->SetColWidths(1, 30);
    grid->SetRowHeights(2, 40);
    EXPECT_TRUE(IsRect(grid->CellRect(2, 2), 96, 50, 160, 90));
    EXPECT_TRUE(IsRect(grid->CellRect(2, 3), 96, 91, 160, 115));
    grid->SetGridLineWidth(3);
    EXPECT_TRUE(IsRect(grid->CellRect(1, 1), 67, 27, 97, 51));
    // Without vertical lines anywhere the columns touch; rows keep theirs.
    grid->SetOptions(grid->Options() - TGridOptions{goVertLine, goFixedVertLine});
    EXPECT_TRUE(IsRect(grid->CellRect(1, 1), 64, 27, 94, 51));
    // A cell beyond the client area has no rectangle.
    grid->SetColCount(12);
    EXPECT_TRUE(IsEmpty(grid->CellRect(11, 1)));
}

TEST_F(GridGeometry, MouseToCellCountsEachLineWithTheCellBeforeIt) {
    grid->SetColWidths(1, 30);
    grid->SetRowHeights(2, 40);
    int32_t col = 0, row = 0;
    grid->MouseToCell(95, 49, col, row); // on the lines after column 1 and row 1
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 1);
    grid->MouseToCell(96, 50, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
    grid->MouseToCell(-1, 10, col, row);
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, 0);
    // Below the last row: inside the client area, but no cell.
    grid->MouseToCell(10, 190, col, row);
    EXPECT_EQ(row, -1);
    // Every pixel of every cell shown maps back to that cell.
    for (int32_t c = 0; c < grid->ColCount(); ++c)
        for (int32_t r = 0; r < grid->RowCount(); ++r) {
            RECT rc = grid->CellRect(c, r);
            if (rc.right <= rc.left) continue;
            for (POINT p : {POINT{rc.left, rc.top}, POINT{rc.right - 1, rc.bottom - 1}}) {
                grid->MouseToCell(p.x, p.y, col, row);
                EXPECT_EQ(col, c) << "at " << p.x << "," << p.y;
                EXPECT_EQ(row, r) << "at " << p.x << "," << p.y;
            }
        }
}

TEST_F(GridGeometry, ScrollingHidesCellsAfterTheFixedOnesAndStopsAtTheEnd) {
    grid->SetColCount(10);
    grid->SetRowCount(20);
    int changes = 0;
    grid->OnTopLeftChanged.Bind([&](TObject*) { ++changes; });
    grid->SetLeftCol(3);
    grid->SetTopRow(5);
    EXPECT_EQ(changes, 2);
    EXPECT_TRUE(IsEmpty(grid->CellRect(1, 1))) << "scrolled out of view";
    EXPECT_TRUE(IsRect(grid->CellRect(3, 5), 65, 25, 129, 49)) << "right after the fixed column and row";
    EXPECT_TRUE(IsRect(grid->CellRect(0, 5), 0, 25, 64, 49)) << "the fixed column stays";
    int32_t col, row;
    grid->MouseToCell(70, 30, col, row);
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 5);
    // 200 pixels hold the fixed row and 7 rows of 25: the last top row is 13.
    grid->SetTopRow(100);
    EXPECT_EQ(grid->TopRow(), 13);
    EXPECT_EQ(grid->VisibleRowCount(), 7);
    RECT last = grid->CellRect(3, 19);
    EXPECT_LE(last.bottom, 200);
    grid->SetTopRow(0);
    EXPECT_EQ(grid->TopRow(), 1) << "never onto the fixed row";
}

TEST_F(GridGeometry, TheVerticalScrollBarScrollsRows) {
    grid->SetScrollBars(ssBoth);
    EXPECT_FALSE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_VSCROLL) << "five rows fit";
    grid->SetRowCount(30);
    ASSERT_TRUE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_VSCROLL);
    int changes = 0;
    grid->OnTopLeftChanged.Bind([&](TObject*) { ++changes; });
    SendMessageW(Wnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GetScrollPos(Wnd(), SB_VERT), 2);
    SendMessageW(Wnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), 2 + grid->VisibleRowCount());
    SendMessageW(Wnd(), WM_VSCROLL, SB_BOTTOM, 0);
    int32_t bottom = grid->TopRow();
    EXPECT_GT(bottom, 20);
    EXPECT_LE(grid->CellRect(1, 29).bottom, grid->ClientHeight()) << "the last row shows whole";
    SendMessageW(Wnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->TopRow(), bottom) << "no further than the end";
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(Wnd(), SB_VERT, &si);
    EXPECT_EQ(si.nPos, bottom);
    EXPECT_EQ(si.nMax - static_cast<int>(si.nPage) + 1, bottom) << "the thumb's end is the last top row";
    SendMessageW(Wnd(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(grid->TopRow(), 1);
    SendMessageW(Wnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(grid->TopRow(), 3) << "two notches of the wheel towards the user";
    SendMessageW(Wnd(), WM_VSCROLL, SB_TOP, 0);
    // Dragging the thumb scrolls on release, or along the way with goThumbTracking.
    SendMessageW(Wnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), 0);
    EXPECT_EQ(grid->TopRow(), 1);
    SendMessageW(Wnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
    EXPECT_EQ(grid->TopRow(), 7);
    grid->SetOptions(grid->Options() + TGridOptions{goThumbTracking});
    SendMessageW(Wnd(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 5), 0);
    EXPECT_EQ(grid->TopRow(), 5);
    // Without the vertical style, no bar.
    grid->SetScrollBars(ssHorizontal);
    EXPECT_FALSE(GetWindowLongPtrW(Wnd(), GWL_STYLE) & WS_VSCROLL);
}
