#pragma once
// The face of buttons with glyphs: where the glyph and the caption go for a
// layout, margin and spacing, and drawing them. A glyph bitmap may hold up
// to four images side by side: up, disabled, pressed, down.
#include "toolkit/core/Enums.h"
#include "toolkit/win/graphics/Bitmap.h"

#include <string>

namespace fw {

FW_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

enum class TButtonFaceState { Up = 0, Disabled = 1, Pressed = 2, Down = 3 };

struct TButtonFace {
    TBitmap* Glyph = nullptr; // may be null or empty
    int NumGlyphs = 1;
    std::string Caption;
    TFont* Font = nullptr;
    TButtonLayout Layout = blGlyphLeft;
    int Margin = -1;  // from the edge on the glyph's side; -1 centres everything
    int Spacing = 4;  // between glyph and caption; -1 centres the caption in what is left
    TButtonFaceState State = TButtonFaceState::Up;
};

struct TButtonFacePlaces {
    RECT Glyph{0, 0, 0, 0};
    RECT Caption{0, 0, 0, 0};
};

// Where glyph and caption go inside r.
TButtonFacePlaces PlaceButtonFace(HDC dc, const TButtonFace& face, const RECT& r);
// Draws the glyph (its colour at the bottom-left pixel left out) and the caption.
void DrawButtonFace(HDC dc, const TButtonFace& face, const RECT& r);

} // namespace fw
