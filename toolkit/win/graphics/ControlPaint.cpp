#include "toolkit/win/graphics/ControlPaint.h"

#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/Control.h"

namespace fw {

TFormBorderStyle CheckControlBorder(TFormBorderStyle v) {
    if (v != bsNone && v != bsSingle) throw EInvalidOperation("A control's border is bsNone or bsSingle");
    return v;
}

UINT AlignmentToDrawText(TAlignment a) {
    switch (a) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
    }
}

int DrawControlText(HDC dc, TFont& font, RECT& r, const std::string& text, UINT flags, TColor color) {
    HGDIOBJ oldFont = SelectObject(dc, font.Handle());
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, ColorToRGB(color));
    std::wstring w = win::Wide(text);
    int h = DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, flags);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    return h;
}

SIZE MeasureControlText(TFont& font, const std::string& text, UINT flags, int width) {
    HDC dc = CreateCompatibleDC(nullptr);
    RECT r{0, 0, width, 0};
    flags |= DT_CALCRECT;
    if (width > 0) flags |= DT_WORDBREAK;
    else flags |= DT_SINGLELINE;
    // An empty text still has the height of a line.
    DrawControlText(dc, font, r, text.empty() ? std::string(" ") : text, flags, clBlack);
    DeleteDC(dc);
    if (text.empty()) r.right = r.left;
    return {r.right - r.left, r.bottom - r.top};
}

void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width) {
    HBRUSH tl = CreateSolidBrush(ColorToRGB(topLeft));
    HBRUSH br = CreateSolidBrush(ColorToRGB(bottomRight));
    for (int i = 0; i < width && r.right - r.left > 1 && r.bottom - r.top > 1; ++i) {
        RECT top{r.left, r.top, r.right - 1, r.top + 1};
        RECT left{r.left, r.top, r.left + 1, r.bottom - 1};
        RECT bottom{r.left, r.bottom - 1, r.right, r.bottom};
        RECT right{r.right - 1, r.top, r.right, r.bottom};
        FillRect(dc, &top, tl);
        FillRect(dc, &left, tl);
        FillRect(dc, &bottom, br);
        FillRect(dc, &right, br);
        InflateRect(&r, -1, -1);
    }
    DeleteObject(tl);
    DeleteObject(br);
}

TControlBrush::~TControlBrush() {
    if (FBrush) DeleteObject(FBrush);
}

LRESULT TControlBrush::Answer(TControl& control, HDC dc) {
    if (!FBrush || FColor != control.Color()) {
        if (FBrush) DeleteObject(FBrush);
        FColor = control.Color();
        FBrush = CreateSolidBrush(ColorToRGB(FColor));
    }
    SetTextColor(dc, ColorToRGB(control.Font()->Color()));
    SetBkColor(dc, ColorToRGB(FColor));
    return reinterpret_cast<LRESULT>(FBrush);
}

} // namespace fw
