// The user's hands on the grid: keys move the current cell and scroll it into
// view, OnSelectCell can refuse a cell, a click selects, borders in the fixed
// area can be dragged, and a designer learns where those borders are.
#include "GridsTestSupport.h"

#include <utility>
#include <vector>

using namespace fw;
using gridtest::GridFixture;
using gridtest::THeldKey;

using GridInput = GridFixture;

namespace {
bool WholeInside(const RECT& cell, const RECT& client) {
    return cell.right > cell.left && cell.bottom <= client.bottom && cell.right <= client.right;
}
} // namespace

TEST_F(GridInput, ArrowKeysMoveTheCurrentCellAndStopAtTheEdges) {
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 2);
    Key(VK_UP);
    Key(VK_UP);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(grid->Col(), 1) << "not into the fixed column";
    EXPECT_EQ(grid->Row(), 1) << "not into the fixed row";
    Key(VK_END);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 1);
    Key(VK_HOME);
    EXPECT_EQ(grid->Col(), 1);
    {
        THeldKey ctrl(VK_CONTROL);
        Key(VK_END);
    }
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 4);
    // Tab is the grid's only with goTabs, and then wraps to the next row.
    Key(VK_TAB);
    EXPECT_EQ(grid->Col(), 4);
    grid->SetOptions(grid->Options() + TGridOptions{goTabs});
    grid->SetRow(3);
    Key(VK_TAB);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(SendMessageW(Wnd(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, DLGC_WANTTAB);
}

TEST_F(GridInput, MovingDownAndPagingScrollTheCurrentCellIntoView) {
    grid->SetRowCount(40);
    grid->SetColCount(12);
    RECT client = grid->ClientRect();
    for (int i = 0; i < 10; ++i) Key(VK_DOWN);
    EXPECT_EQ(grid->Row(), 11);
    EXPECT_GT(grid->TopRow(), 1);
    EXPECT_TRUE(WholeInside(grid->CellRect(grid->Col(), 11), client));
    EXPECT_FALSE(WholeInside(grid->CellRect(grid->Col(), 12), client)) << "scrolled no further than needed";
    int32_t page = grid->VisibleRowCount();
    int32_t top = grid->TopRow();
    Key(VK_NEXT);
    EXPECT_EQ(grid->Row(), 11 + page);
    EXPECT_EQ(grid->TopRow(), top + page);
    Key(VK_PRIOR);
    EXPECT_EQ(grid->Row(), 11);
    EXPECT_EQ(grid->TopRow(), top);
    Key(VK_PRIOR);
    Key(VK_PRIOR);
    EXPECT_EQ(grid->Row(), 1) << "a page up past the start lands on the first row";
    EXPECT_EQ(grid->TopRow(), 1);
    Key(VK_END);
    EXPECT_EQ(grid->Col(), 11);
    EXPECT_TRUE(WholeInside(grid->CellRect(11, 1), client));
    EXPECT_GT(grid->LeftCol(), 1);
}

TEST_F(GridInput, ShiftExtendsTheSelectionOnlyWithRangeSelect) {
    {
        THeldKey shift(VK_SHIFT);
        Key(VK_DOWN);
        Key(VK_RIGHT);
    }
    EXPECT_TRUE((grid->Selection() == TGridRect{1, 1, 2, 2}));
    Key(VK_DOWN);
    EXPECT_TRUE((grid->Selection() == TGridRect{2, 3, 2, 3})) << "a plain move collapses it";
    grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
    {
        THeldKey shift(VK_SHIFT);
        Key(VK_UP);
    }
    EXPECT_TRUE((grid->Selection() == TGridRect{2, 2, 2, 2}));
    grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    EXPECT_TRUE((grid->Selection() == TGridRect{1, 2, 4, 2})) << "the whole row";
}

TEST_F(GridInput, OnSelectCellCanRefuseACell) {
    std::vector<std::pair<int32_t, int32_t>> asked;
    grid->OnSelectCell.Bind([&](TObject* sender, int32_t col, int32_t row, bool& can) {
        EXPECT_EQ(sender, grid);
        asked.emplace_back(col, row);
        can = row != 3;
    });
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(grid->Row(), 2) << "row 3 refused";
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], std::make_pair(1, 3));
    grid->SetRow(3);
    EXPECT_EQ(grid->Row(), 2);
    RECT target = grid->CellRect(2, 3);
    POINT p = Centre(target);
    Click(p.x, p.y);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
    grid->SetRow(4);
    EXPECT_EQ(grid->Row(), 4);
}

TEST_F(GridInput, AClickSelectsTheCellUnderThePointer) {
    int clicks = 0;
    grid->OnClick.Bind([&](TObject*) { ++clicks; });
    POINT p = Centre(grid->CellRect(3, 2));
    Click(p.x, p.y);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(GetFocus(), Wnd());
    // A fixed cell is no place for the current cell.
    p = Centre(grid->CellRect(0, 4));
    Click(p.x, p.y);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->Row(), 2);
    // Dragging across cells selects the block between.
    POINT from = Centre(grid->CellRect(1, 1)), to = Centre(grid->CellRect(2, 3));
    Down(from.x, from.y);
    Move(to.x, to.y);
    Up(to.x, to.y);
    EXPECT_TRUE((grid->Selection() == TGridRect{1, 1, 2, 3}));
}

TEST_F(GridInput, DraggingAColumnBorderInTheFixedRowResizesTheColumn) {
    int border = grid->CellRect(1, 0).right; // the line after column 1
    Down(border, 10);
    Move(border + 20, 10);
    Up(border + 20, 10);
    EXPECT_EQ(grid->ColWidths(1), 64) << "sizing is off";
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    Down(border + 1, 10);
    Move(border + 21, 10);
    EXPECT_EQ(grid->ColWidths(1), 84) << "follows the pointer while dragging";
    Move(border - 30, 12);
    Up(border - 30, 12);
    EXPECT_EQ(grid->ColWidths(1), 33);
    EXPECT_EQ(GetCapture(), nullptr);
    // The same border below the fixed row is only a cell boundary.
    int row = grid->CellRect(1, 2).top + 5;
    border = grid->CellRect(1, 2).right;
    Down(border, row);
    Move(border + 20, row);
    Up(border + 20, row);
    EXPECT_EQ(grid->ColWidths(1), 33);
    // Rows resize from the fixed column with goRowSizing.
    grid->SetOptions(grid->Options() + TGridOptions{goRowSizing});
    int line = grid->CellRect(0, 2).bottom;
    Down(20, line);
    Move(20, line + 16);
    Up(20, line + 16);
    EXPECT_EQ(grid->RowHeights(2), 40);
    EXPECT_EQ(grid->ColWidths(1), 33);
}

TEST_F(GridInput, DesignHitTestAnswersOnDraggableBordersOnly) {
    RECT client = grid->ClientRect();
    auto borderNear = [&](int x) {
        for (int c = 0; c < grid->ColCount(); ++c) {
            RECT r = grid->CellRect(c, 0);
            if (r.right > r.left && x >= r.right - 3 && x <= r.right + 3) return true;
        }
        return false;
    };
    for (int x = 0; x < client.right; ++x) EXPECT_EQ(HitTest(x, 10), 0) << "sizing off, x=" << x;
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    int hits = 0;
    for (int x = 0; x < client.right; ++x) {
        LRESULT got = HitTest(x, 10);
        EXPECT_EQ(got, borderNear(x) ? -1 : 0) << "x=" << x;
        hits += got == -1;
    }
    EXPECT_GT(hits, 0);
    int border = grid->CellRect(2, 0).right;
    EXPECT_EQ(HitTest(border, grid->CellRect(2, 2).top + 5), 0) << "outside the fixed row";
    EXPECT_EQ(HitTest(20, grid->CellRect(0, 1).bottom), 0) << "row borders need goRowSizing";
    grid->SetOptions(grid->Options() + TGridOptions{goRowSizing});
    EXPECT_EQ(HitTest(20, grid->CellRect(0, 1).bottom), -1);
    EXPECT_EQ(HitTest(grid->CellRect(1, 0).left + 20, grid->CellRect(1, 1).bottom), 0) << "outside the fixed column";
    // The sizing cursor shows over such a border.
    POINT screen{border, 10};
    ClientToScreen(Wnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(Wnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Wnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), CursorHandle(crHSplit));
}
