#include "toolkit/win/controls/ButtonFace.h"

#include "toolkit/win/graphics/ControlPaint.h"

#include <algorithm>

namespace fw {

namespace {

SIZE GlyphSize(const TButtonFace& face) {
    if (!face.Glyph || face.Glyph->Empty()) return {0, 0};
    int n = std::clamp(face.NumGlyphs, 1, 4);
    return {face.Glyph->Width() / n, face.Glyph->Height()};
}

// Places a glyph and a text of the given lengths along one axis of length
// `room`; returns the start of each.
void PlaceAlong(int room, int glyph, int text, int margin, int spacing, bool glyphFirst, int& glyphAt, int& textAt) {
    if (glyph == 0 || text == 0) spacing = 0;
    if (margin < 0 && spacing < 0) {
        spacing = (room - glyph - text) / 3;
        margin = spacing;
    } else if (margin < 0) {
        margin = (room - glyph - text - spacing) / 2;
    } else if (spacing < 0) {
        spacing = (room - margin - glyph - text) / 2;
    }
    if (glyphFirst) {
        glyphAt = margin;
        textAt = margin + glyph + spacing;
    } else {
        glyphAt = room - margin - glyph;
        textAt = glyphAt - spacing - text;
    }
}

} // namespace

TButtonFacePlaces PlaceButtonFace(HDC dc, const TButtonFace& face, const RECT& r) {
    SIZE g = GlyphSize(face);
    SIZE t{0, 0};
    if (!face.Caption.empty() && face.Font) {
        RECT calc{0, 0, 0, 0};
        DrawControlText(dc, *face.Font, calc, face.Caption, DT_SINGLELINE | DT_CALCRECT, clBlack);
        t = {calc.right - calc.left, calc.bottom - calc.top};
    }
    int w = r.right - r.left, h = r.bottom - r.top;
    TButtonFacePlaces p;
    int gAt = 0, tAt = 0;
    bool horizontal = face.Layout == blGlyphLeft || face.Layout == blGlyphRight;
    if (horizontal) {
        PlaceAlong(w, g.cx, t.cx, face.Margin, face.Spacing, face.Layout == blGlyphLeft, gAt, tAt);
        p.Glyph = {r.left + gAt, r.top + (h - g.cy) / 2, r.left + gAt + g.cx, r.top + (h - g.cy) / 2 + g.cy};
        p.Caption = {r.left + tAt, r.top + (h - t.cy) / 2, r.left + tAt + t.cx, r.top + (h - t.cy) / 2 + t.cy};
    } else {
        PlaceAlong(h, g.cy, t.cy, face.Margin, face.Spacing, face.Layout == blGlyphTop, gAt, tAt);
        p.Glyph = {r.left + (w - g.cx) / 2, r.top + gAt, r.left + (w - g.cx) / 2 + g.cx, r.top + gAt + g.cy};
        p.Caption = {r.left + (w - t.cx) / 2, r.top + tAt, r.left + (w - t.cx) / 2 + t.cx, r.top + tAt + t.cy};
    }
    return p;
}

void DrawButtonFace(HDC dc, const TButtonFace& face, const RECT& r) {
    TButtonFacePlaces p = PlaceButtonFace(dc, face, r);
    SIZE g = GlyphSize(face);
    if (g.cx > 0 && g.cy > 0) {
        int n = std::clamp(face.NumGlyphs, 1, 4);
        int index = static_cast<int>(face.State);
        if (index >= n) index = 0;
        HDC source = face.Glyph->Canvas()->Handle();
        TransparentBlt(dc, p.Glyph.left, p.Glyph.top, g.cx, g.cy, source, index * g.cx, 0, g.cx, g.cy,
                       ColorToRGB(face.Glyph->TransparentColor()));
    }
    if (!face.Caption.empty() && face.Font) {
        UINT flags = DT_SINGLELINE | DT_NOCLIP;
        if (face.State == TButtonFaceState::Disabled) {
            RECT shifted = p.Caption;
            OffsetRect(&shifted, 1, 1);
            DrawControlText(dc, *face.Font, shifted, face.Caption, flags, clBtnHighlight);
            DrawControlText(dc, *face.Font, p.Caption, face.Caption, flags, clBtnShadow);
        } else {
            DrawControlText(dc, *face.Font, p.Caption, face.Caption, flags, face.Font->Color());
        }
    }
}

} // namespace fw
