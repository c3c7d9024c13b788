// Where the grid's cells are, which cell is current, what is selected, and
// scrolling: by program, by keys and by the scroll bars.
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/win/grids/Grids.h"

#include <algorithm>

namespace fw {

namespace {
int32_t ToPixel(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
} // namespace

RECT TStringGrid::CellRect(int32_t col, int32_t row) const {
    RECT client = ClientRect();
    int64_t x = 0, y = 0;
    if (!FCols.Place(col, client.right, x) || !FRows.Place(row, client.bottom, y)) return {0, 0, 0, 0};
    return {ToPixel(x), ToPixel(y), ToPixel(x + FCols.Size(col)), ToPixel(y + FRows.Size(row))};
}

void TStringGrid::MouseToCell(int32_t x, int32_t y, int32_t& col, int32_t& row) const {
    RECT client = ClientRect();
    col = FCols.IndexAt(x, client.right);
    row = FRows.IndexAt(y, client.bottom);
}

int32_t TStringGrid::VisibleColCount() const { return FCols.VisibleCount(ClientRect().right); }
int32_t TStringGrid::VisibleRowCount() const { return FRows.VisibleCount(ClientRect().bottom); }

// --- current cell and selection ------------------------------------------------

bool TStringGrid::SelectCell(int32_t col, int32_t row) {
    bool can = true;
    OnSelectCell(this, col, row, can);
    return can;
}

// Makes (col, row) current when OnSelectCell allows it; `extend` keeps the
// other corner of the selection where it is (goRangeSelect only).
bool TStringGrid::MoveCurrent(int32_t col, int32_t row, bool extend) {
    col = std::clamp(col, FCols.Fixed, ColCount() - 1);
    row = std::clamp(row, FRows.Fixed, RowCount() - 1);
    if (!SelectCell(col, row)) return false;
    FCurCol = col;
    FCurRow = row;
    if (!extend || !FOptions.Contains(goRangeSelect)) {
        FAnchorCol = col;
        FAnchorRow = row;
    }
    ScrollInView(col, row);
    Invalidate();
    return true;
}

void TStringGrid::SetCol(int32_t v) {
    if (v < FCols.Fixed || v >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
    MoveCurrent(v, FCurRow, false);
}

void TStringGrid::SetRow(int32_t v) {
    if (v < FRows.Fixed || v >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
    MoveCurrent(FCurCol, v, false);
}

TGridRect TStringGrid::Selection() const {
    TGridRect r{std::min(FAnchorCol, FCurCol), std::min(FAnchorRow, FCurRow), std::max(FAnchorCol, FCurCol),
                std::max(FAnchorRow, FCurRow)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FCols.Fixed;
        r.Right = ColCount() - 1;
    }
    return r;
}

// The top-left corner becomes the anchor, the bottom-right one current.
void TStringGrid::SetSelection(const TGridRect& r) {
    auto inCols = [&](int32_t c) { return c >= FCols.Fixed && c < ColCount(); };
    auto inRows = [&](int32_t v) { return v >= FRows.Fixed && v < RowCount(); };
    if (!inCols(r.Left) || !inCols(r.Right) || !inRows(r.Top) || !inRows(r.Bottom))
        throw EInvalidGridOperation("Grid index out of range");
    int32_t anchorCol = std::min(r.Left, r.Right), anchorRow = std::min(r.Top, r.Bottom);
    if (!MoveCurrent(std::max(r.Left, r.Right), std::max(r.Top, r.Bottom), true)) return;
    if (FOptions.Contains(goRangeSelect)) {
        FAnchorCol = anchorCol;
        FAnchorRow = anchorRow;
    }
    Invalidate();
}

// --- scrolling ---------------------------------------------------------------------

void TStringGrid::SetLeftCol(int32_t v) { SetTopLeft(v, FRows.Start); }
void TStringGrid::SetTopRow(int32_t v) { SetTopLeft(FCols.Start, v); }

// Moves the scroll position (kept within what can be scrolled) and tells
// OnTopLeftChanged once.
void TStringGrid::SetTopLeft(int32_t col, int32_t row) {
    RECT client = ClientRect();
    col = std::clamp(col, FCols.Fixed, FCols.MaxStart(client.right));
    row = std::clamp(row, FRows.Fixed, FRows.MaxStart(client.bottom));
    if (col == FCols.Start && row == FRows.Start) return;
    FCols.Start = col;
    FRows.Start = row;
    Invalidate();
    UpdateScrollBars();
    TopLeftChanged();
}

void TStringGrid::ClampTopLeft() { SetTopLeft(FCols.Start, FRows.Start); }

void TStringGrid::ScrollInView(int32_t col, int32_t row) {
    RECT client = ClientRect();
    auto start = [](const TGridAxis& a, int32_t i, int32_t extent) {
        if (i < a.Fixed) return a.Start;
        if (i < a.Start) return i;
        if (i <= a.LastVisible(extent)) return a.Start;
        return a.StartToShow(i, extent);
    };
    SetTopLeft(start(FCols, col, client.right), start(FRows, row, client.bottom));
}

// A scroll bar shows while its axis has more than fits; its range runs over
// the scrollable lines and its page is what fits at the far end, so the
// thumb's last position is the largest scroll position.
void TStringGrid::UpdateScrollBar(int bar, bool allowed, const TGridAxis& axis, int32_t extent) {
    int32_t maxStart = axis.MaxStart(extent);
    if (!allowed || maxStart <= axis.Fixed) {
        ShowScrollBar(Handle(), bar, FALSE);
        return;
    }
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = axis.Fixed;
    si.nMax = axis.Count() - 1;
    si.nPage = static_cast<UINT>(axis.Count() - maxStart);
    si.nPos = axis.Start;
    ShowScrollBar(Handle(), bar, TRUE);
    SetScrollInfo(Handle(), bar, &si, TRUE);
}

// Showing or hiding one bar changes the room for the other; a few rounds
// settle it. Re-entered through WM_SIZE, which the outer round covers.
void TStringGrid::UpdateScrollBars() {
    if (!HandleAllocated() || FUpdatingBars) return;
    TScopedValue<bool> updating(FUpdatingBars, true);
    for (int round = 0; round < 3; ++round) {
        RECT before = ClientRect();
        ClampTopLeft();
        UpdateScrollBar(SB_VERT, FScrollBars == ssVertical || FScrollBars == ssBoth, FRows, before.bottom);
        UpdateScrollBar(SB_HORZ, FScrollBars == ssHorizontal || FScrollBars == ssBoth, FCols, before.right);
        RECT after = ClientRect();
        if (EqualRect(&before, &after)) break;
    }
}

void TStringGrid::Scroll(int bar, WORD code, int32_t thumb) {
    bool vertical = bar == SB_VERT;
    const TGridAxis& axis = vertical ? FRows : FCols;
    int32_t page = std::max(vertical ? VisibleRowCount() : VisibleColCount(), 1);
    int32_t to = axis.Start;
    switch (code) {
    case SB_LINEUP: --to; break;
    case SB_LINEDOWN: ++to; break;
    case SB_PAGEUP: to -= page; break;
    case SB_PAGEDOWN: to += page; break;
    case SB_TOP: to = axis.Fixed; break;
    case SB_BOTTOM: to = axis.Count() - 1; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        if (code == SB_THUMBTRACK && !FOptions.Contains(goThumbTracking)) return;
        to = thumb;
        break;
    default: return;
    }
    if (vertical) SetTopRow(to);
    else SetLeftCol(to);
}

// --- keys ---------------------------------------------------------------------------

// Arrows, Home/End (with Ctrl: the grid's first or last cell), PageUp/Down,
// and Tab with goTabs. Shift extends the selection. With goRowSelect the
// left and right keys scroll instead. True when the key was the grid's.
bool TStringGrid::MoveByKey(int32_t key, TShiftState shift) {
    bool ctrl = shift.Contains(ssCtrl), rowSelect = FOptions.Contains(goRowSelect);
    int32_t col = FCurCol, row = FCurRow;
    int32_t firstCol = FCols.Fixed, lastCol = ColCount() - 1, firstRow = FRows.Fixed, lastRow = RowCount() - 1;
    switch (key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT:
    case VK_RIGHT:
        if (rowSelect) {
            SetLeftCol(LeftCol() + (key == VK_LEFT ? -1 : 1));
            return true;
        }
        col += key == VK_LEFT ? -1 : 1;
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        int32_t page = std::max(VisibleRowCount(), 1) * (key == VK_PRIOR ? -1 : 1);
        row += page;
        SetTopRow(TopRow() + page);
        break;
    }
    case VK_HOME:
        if (ctrl || rowSelect) row = firstRow;
        if (!rowSelect || ctrl) col = firstCol;
        break;
    case VK_END:
        if (ctrl || rowSelect) row = lastRow;
        if (!rowSelect || ctrl) col = lastCol;
        break;
    case VK_TAB:
        if (!FOptions.Contains(goTabs)) return false;
        if (shift.Contains(ssShift)) {
            if (--col < firstCol) {
                col = lastCol;
                if (--row < firstRow) row = lastRow;
            }
        } else if (++col > lastCol) {
            col = firstCol;
            if (++row > lastRow) row = firstRow;
        }
        MoveCurrent(col, row, false);
        return true;
    default: return false;
    }
    MoveCurrent(col, row, shift.Contains(ssShift));
    return true;
}

void TStringGrid::KeyDown(int32_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key != 0 && MoveByKey(key, shift)) key = 0;
}

} // namespace fw
