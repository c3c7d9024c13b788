// The grid's messages and the pointer: choosing cells, dragging a range,
// dragging column and row borders, the sizing cursor and the design hit test.
#include "toolkit/win/grids/Grids.h"

#include <algorithm>
#include <cstdlib>

namespace fw {

namespace {
// How far from a border line the pointer may be and still grab it.
constexpr int64_t kSizingMargin = 3;

// Within the margin of the line after a cell; the distance to the line
// (0 on it), or -1 when not within reach.
int64_t BorderDistance(int64_t p, int64_t lineFrom, int64_t lineWidth) {
    if (p < lineFrom - kSizingMargin || p >= lineFrom + lineWidth + kSizingMargin) return -1;
    if (p < lineFrom) return lineFrom - p;
    return p < lineFrom + lineWidth ? 0 : p - (lineFrom + lineWidth) + 1;
}
} // namespace

// A column border under the fixed rows (goColSizing), or a row border beside
// the fixed columns (goRowSizing); the nearest border when several are near.
TStringGrid::TSizingHit TStringGrid::SizingHitAt(int32_t x, int32_t y) const {
    RECT client = ClientRect();
    TSizingHit best;
    int64_t bestDistance = -1;
    auto scan = [&](bool columns, const TGridAxis& axis, int64_t p, int64_t extent) {
        axis.ForEachVisible(extent, [&](int32_t i, int64_t at) {
            int64_t end = at + axis.Size(i);
            int64_t d = BorderDistance(p, end, axis.Line);
            if (d >= 0 && (bestDistance < 0 || d < bestDistance)) {
                bestDistance = d;
                best.Columns = columns;
                best.Index = i;
                best.CellStart = at;
                best.Grab = p - end;
            }
        });
    };
    if (x < 0 || y < 0 || x >= client.right || y >= client.bottom) return best;
    if (FOptions.Contains(goColSizing) && y < FRows.FixedExtent()) scan(true, FCols, x, client.right);
    if (!best && FOptions.Contains(goRowSizing) && x < FCols.FixedExtent()) scan(false, FRows, y, client.bottom);
    return best;
}

void TStringGrid::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == mbLeft) {
        if (!Designing() && CanFocus() && HandleAllocated() && GetFocus() != Handle()) SetFocus();
        if (TSizingHit hit = SizingHitAt(x, y)) {
            FSizing = hit;
            SetCapture(Handle());
        } else if (!Designing()) {
            int32_t col, row;
            MouseToCell(x, y, col, row);
            if (col >= FCols.Fixed && row >= FRows.Fixed &&
                MoveCurrent(col, row, shift.Contains(ssShift) && FOptions.Contains(goRangeSelect))) {
                FSelecting = true;
                SetCapture(Handle());
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TStringGrid::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    if (FSizing) {
        ::SetCursor(CursorHandle(FSizing.Columns ? crHSplit : crVSplit));
        int32_t size = static_cast<int32_t>(std::clamp<int64_t>((FSizing.Columns ? x : y) - FSizing.Grab - FSizing.CellStart, 1,
                                                                TGridAxis::kMaxSize));
        if (FSizing.Columns) SetColWidths(FSizing.Index, size);
        else SetRowHeights(FSizing.Index, size);
    } else if (FSelecting && FOptions.Contains(goRangeSelect)) {
        int32_t col, row;
        MouseToCell(x, y, col, row);
        if (col >= FCols.Fixed && row >= FRows.Fixed && (col != FCurCol || row != FCurRow)) MoveCurrent(col, row, true);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TStringGrid::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == mbLeft) StopTracking();
    TCustomControl::MouseUp(button, shift, x, y);
}

void TStringGrid::StopTracking() {
    bool tracking = FSizing || FSelecting;
    FSizing = TSizingHit{};
    FSelecting = false;
    if (tracking && HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TStringGrid::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_DESIGNHITTEST:
        m.Result = SizingHitAt(LoWordSigned(m.LParam), HiWordSigned(m.LParam)) ? -1 : 0;
        return;
    case WM_SETCURSOR:
        if (LOWORD(m.LParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ::ScreenToClient(Handle(), &p);
            if (TSizingHit hit = SizingHitAt(p.x, p.y)) {
                ::SetCursor(CursorHandle(hit.Columns ? crHSplit : crVSplit));
                m.Result = TRUE;
                return;
            }
        }
        break;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (m.LParam == 0) { // our own bars; a control's bar reports its window
            int bar = m.Msg == WM_VSCROLL ? SB_VERT : SB_HORZ;
            // The message carries 16 bits of the thumb; the bar itself has all 32.
            int32_t thumb = HIWORD(m.WParam);
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_RANGE | SIF_TRACKPOS;
            if (GetScrollInfo(Handle(), bar, &si) && si.nMax > 0xFFFF) thumb = si.nTrackPos;
            Scroll(bar, LOWORD(m.WParam), thumb);
            return;
        }
        break;
    case WM_MOUSEWHEEL: {
        int32_t steps = -static_cast<int16_t>(HIWORD(m.WParam)) / WHEEL_DELTA;
        SetTopRow(TopRow() + steps);
        return;
    }
    case WM_GETDLGCODE:
        m.Result = DLGC_WANTARROWS | (FOptions.Contains(goTabs) ? DLGC_WANTTAB : 0);
        return;
    case WM_ERASEBKGND: // Paint covers the whole client area
        m.Result = 1;
        return;
    case WM_CAPTURECHANGED:
        // Only another window taking the pointer ends a drag: taking it
        // again for ourselves tells us too.
        if (reinterpret_cast<HWND>(m.LParam) != Handle()) {
            FSizing = TSizingHit{};
            FSelecting = false;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break; // the focus outline comes and goes
    case WM_SIZE:
        TCustomControl::WndProc(m);
        UpdateScrollBars();
        return;
    default: break;
    }
    TCustomControl::WndProc(m);
}

} // namespace fw
