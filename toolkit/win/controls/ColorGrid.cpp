#include "toolkit/win/controls/ColorGrid.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TColorGrid::StaticClassInfo() {
    using G = TColorGrid;
    static const TClassInfo info =
        TClassBuilder<G, TCustomControl>()
            .Prop("BackgroundEnabled", &G::BackgroundEnabled, &G::SetBackgroundEnabled).Default(true)
            .Prop("BackgroundIndex", &G::BackgroundIndex, &G::SetBackgroundIndex).Default(15)
            .Prop("ClickEnablesColor", &G::ClickEnablesColor, &G::SetClickEnablesColor).Default(false)
            .Prop("ForegroundEnabled", &G::ForegroundEnabled, &G::SetForegroundEnabled).Default(true)
            .Prop("ForegroundIndex", &G::ForegroundIndex, &G::SetForegroundIndex).Default(0)
            .Prop("GridOrdering", &G::GridOrdering, &G::SetGridOrdering).Default(go4x4)
            .Prop("Selection", &G::Selection, &G::SetSelection).Default(0)
            .Prop("TabStop", &G::TabStop, &G::SetTabStop).Default(true)
            .Prop("OnChange", &G::OnChange, &G::OnChange)
            .Build();
    return info;
}

TColor TColorGrid::BasicColor(int32_t index) {
    static constexpr TColor colors[ColorCount] = {clBlack, clMaroon, clGreen,  clOlive,   clNavy, clPurple,
                                                  clTeal,  clGray,   clSilver, clRed,     clLime, clYellow,
                                                  clBlue,  clFuchsia, clAqua,  clWhite};
    return colors[std::clamp(index, 0, ColorCount - 1)];
}

TColorGrid::TColorGrid(TComponent* owner) : TCustomControl(owner) {
    // A click picks a colour; the grid as a whole has no caption.
    SetControlStyle((ControlStyle() | csOpaque) & ~static_cast<uint32_t>(csSetCaption));
    SetBounds(0, 0, 100, 100);
    SetTabStop(true);
}

namespace {
int32_t ClampIndex(int32_t v) { return std::clamp(v, 0, TColorGrid::ColorCount - 1); }
} // namespace

void TColorGrid::Change() {
    if (HasState(csLoading)) return;
    OnChange(this);
}

void TColorGrid::SetForegroundIndex(int32_t v) {
    v = ClampIndex(v);
    if (FForegroundIndex == v) return;
    FForegroundIndex = v;
    Invalidate();
    Change();
}

void TColorGrid::SetBackgroundIndex(int32_t v) {
    v = ClampIndex(v);
    if (FBackgroundIndex == v) return;
    FBackgroundIndex = v;
    Invalidate();
    Change();
}

void TColorGrid::SetForegroundEnabled(bool v) {
    if (FForegroundEnabled == v) return;
    FForegroundEnabled = v;
    Invalidate();
    Change();
}

void TColorGrid::SetBackgroundEnabled(bool v) {
    if (FBackgroundEnabled == v) return;
    FBackgroundEnabled = v;
    Invalidate();
    Change();
}

void TColorGrid::SetGridOrdering(TGridOrdering v) {
    if (FGridOrdering == v) return;
    FGridOrdering = v;
    Invalidate();
}

void TColorGrid::SetSelection(int32_t v) {
    v = ClampIndex(v);
    if (FSelection == v) return;
    FSelection = v;
    Invalidate();
}

int32_t TColorGrid::ColumnCount() const {
    switch (FGridOrdering) {
    case go16x1: return 16;
    case go8x2: return 8;
    case go4x4: return 4;
    case go2x8: return 2;
    case go1x16: return 1;
    }
    return 4;
}

int32_t TColorGrid::RowCount() const { return ColorCount / ColumnCount(); }

RECT TColorGrid::CellRect(int32_t index) const {
    index = ClampIndex(index);
    int cols = ColumnCount(), rows = RowCount();
    int col = index % cols, row = index / cols;
    int w = ClientWidth(), h = ClientHeight();
    return {col * w / cols, row * h / rows, (col + 1) * w / cols, (row + 1) * h / rows};
}

int32_t TColorGrid::CellAt(int32_t x, int32_t y) const {
    POINT p{x, y};
    for (int32_t i = 0; i < ColorCount; ++i) {
        RECT r = CellRect(i);
        if (PtInRect(&r, p)) return i;
    }
    return -1;
}

std::string TColorGrid::CellMark(int32_t index) const {
    bool fg = FForegroundEnabled && index == FForegroundIndex;
    bool bg = FBackgroundEnabled && index == FBackgroundIndex;
    return fg && bg ? "FB" : fg ? "FG" : bg ? "BG" : "";
}

void TColorGrid::Choose(int32_t index, bool foreground) {
    if (index < 0 || index >= ColorCount) return;
    bool& enabled = foreground ? FForegroundEnabled : FBackgroundEnabled;
    if (!enabled) {
        if (!FClickEnablesColor) return;
        // The index first, so that the one change reports the new colour.
        int32_t& field = foreground ? FForegroundIndex : FBackgroundIndex;
        field = index;
        enabled = true;
        Invalidate();
        Change();
        return;
    }
    if (foreground) SetForegroundIndex(index);
    else SetBackgroundIndex(index);
}

void TColorGrid::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    // The cells share out the client area: a resize repaints all of them.
    p.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TColorGrid::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case WM_ERASEBKGND: m.Result = 1; return; // Paint covers the whole client area
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;  // the focus outline comes and goes
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TColorGrid::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (!Designing() && (button == mbLeft || button == mbRight)) {
        if (CanFocus() && HandleAllocated() && GetFocus() != Handle()) SetFocus();
        int32_t cell = CellAt(x, y);
        if (cell >= 0) {
            SetSelection(cell);
            Choose(cell, button == mbLeft);
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TColorGrid::KeyDown(int32_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    int cols = ColumnCount(), rows = RowCount();
    int col = FSelection % cols, row = FSelection / cols;
    switch (key) {
    case VK_LEFT: col = std::max(col - 1, 0); break;
    case VK_RIGHT: col = std::min(col + 1, cols - 1); break;
    case VK_UP: row = std::max(row - 1, 0); break;
    case VK_DOWN: row = std::min(row + 1, rows - 1); break;
    case VK_SPACE:
        // Space takes the outlined cell as the foreground, with Shift as the background.
        Choose(FSelection, !shift.Contains(ssShift));
        key = 0;
        return;
    default: return;
    }
    SetSelection(row * cols + col);
    key = 0;
}

namespace {

// Black on light colours, white on dark ones.
TColor Contrast(TColor color) {
    COLORREF c = ColorToRGB(color);
    int luma = (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000;
    return luma >= 128 ? clBlack : clWhite;
}

// The grid's font at a height that lets "FG" fit a cell (nullptr when
// even the smallest readable size does not fit).
HFONT MarkFont(HDC dc, TFont& font, int cellWidth, int cellHeight) {
    LOGFONTW lf{};
    if (!GetObjectW(font.Handle(), sizeof lf, &lf)) return nullptr;
    int height = std::min<int>(std::abs(lf.lfHeight) ? std::abs(lf.lfHeight) : 13, cellHeight - 2);
    for (; height >= 6; --height) {
        lf.lfHeight = -height;
        lf.lfWidth = 0;
        HFONT f = CreateFontIndirectW(&lf);
        if (!f) return nullptr;
        HGDIOBJ old = SelectObject(dc, f);
        SIZE s{};
        GetTextExtentPoint32W(dc, L"FG", 2, &s);
        SelectObject(dc, old);
        if (s.cx <= cellWidth - 2 && s.cy <= cellHeight) return f;
        DeleteObject(f);
    }
    return nullptr;
}

} // namespace

void TColorGrid::Paint() {
    HDC dc = PaintDC();
    RECT cell0 = CellRect(0);
    HFONT font = MarkFont(dc, *Font(), cell0.right - cell0.left, cell0.bottom - cell0.top);
    for (int32_t i = 0; i < ColorCount; ++i) {
        RECT r = CellRect(i);
        TColor color = BasicColor(i);
        Canvas()->Brush()->SetColor(color);
        Canvas()->FillRect(r);
        // A thin line between cells so neighbours of close colours stay apart.
        RECT inner = r;
        Canvas()->Brush()->SetColor(clBtnFace);
        Canvas()->FrameRect(inner);
        std::string mark = CellMark(i);
        if (!mark.empty()) {
            TColor ink = Contrast(color);
            if (font) {
                HGDIOBJ old = SelectObject(dc, font);
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, ColorToRGB(ink));
                std::wstring text(mark.begin(), mark.end());
                DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner,
                          DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
                SelectObject(dc, old);
            } else {
                // Cells too small for text: an outline in the contrasting colour.
                InflateRect(&inner, -2, -2);
                Canvas()->Brush()->SetColor(ink);
                if (inner.right > inner.left && inner.bottom > inner.top) Canvas()->FrameRect(inner);
            }
        }
    }
    if (font) DeleteObject(font);
    // An outline round the whole grid keeps the light cells apart from the form.
    Canvas()->Brush()->SetColor(clBtnShadow);
    Canvas()->FrameRect(ClientRect());
    if (HandleAllocated() && Focused()) {
        RECT f = CellRect(FSelection);
        InflateRect(&f, -1, -1);
        SetTextColor(dc, ColorToRGB(clBlack));
        SetBkColor(dc, ColorToRGB(clWhite));
        ::DrawFocusRect(dc, &f);
    }
}

} // namespace fw
