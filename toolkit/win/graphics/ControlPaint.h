#pragma once
// Painting helpers the standard controls share: text in a control's font,
// 3-D bevel frames, and the colours a system control asks its parent for.
#include "toolkit/win/graphics/Canvas.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/Font.h"

#include <string>

namespace fw {

class TControl;

// DrawTextW with the font selected and a transparent background; with
// DT_CALCRECT it measures into r instead. Returns the text height.
int DrawControlText(HDC dc, TFont& font, RECT& r, const std::string& text, UINT flags, TColor color);
// Measures text in a font on a screen-compatible DC (for sizing before any
// window exists). width 0 means a single line; else text wraps at width.
SIZE MeasureControlText(TFont& font, const std::string& text, UINT flags, int width = 0);

// Draws width lines of topLeft along the top and left edges of r and of
// bottomRight along the bottom and right edges, and moves r inside them.
void Frame3D(HDC dc, RECT& r, TColor topLeft, TColor bottomRight, int width);

// What a system control's reflected WM_CTLCOLOR* gets back: the DC takes the
// font colour and the control's Color, and the answer is a brush of that
// colour, kept until the colour changes or the object goes.
class TControlBrush {
public:
    TControlBrush() = default;
    ~TControlBrush();
    TControlBrush(const TControlBrush&) = delete;
    TControlBrush& operator=(const TControlBrush&) = delete;
    LRESULT Answer(TControl& control, HDC dc);

private:
    HBRUSH FBrush = nullptr;
    TColor FColor = clNone;
};

} // namespace fw
