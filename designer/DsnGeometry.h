#pragma once
// The arithmetic of outlines and grab handles, free of windows: rectangles
// from a corner, an offset and a size; grid snapping; where a corner handle
// stands; the bounds and the outline a handle drag gives; and the 16-bit
// packing of bounds into message parameters.
#include "toolkit/win/window/Win32.h"

#include <cstdint>

namespace fw {

// A control's place: Left, Top, Width, Height in its parent's client area.
struct TBounds {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const TBounds&, const TBounds&) = default;
};

// The rectangle whose first corner is at + offset and whose opposite corner
// lies width, height further on. A negative size keeps its sign: the
// rectangle then extends left of or above its first corner.
RECT OutlineRect(POINT at, POINT offset, int32_t width, int32_t height);

// The same area with left <= right and top <= bottom.
RECT NormalizeRect(const RECT& r);

// Truncates toward zero to a multiple of step; a step of 0 or less leaves
// the value unchanged (that axis does not snap).
int32_t SnapValue(int32_t value, int32_t step);
POINT SnapPoint(POINT p, int32_t stepX, int32_t stepY);

enum class THandleCorner { TopLeft, TopRight, BottomRight, BottomLeft };

constexpr bool IsLeftCorner(THandleCorner c) { return c == THandleCorner::TopLeft || c == THandleCorner::BottomLeft; }
constexpr bool IsTopCorner(THandleCorner c) { return c == THandleCorner::TopLeft || c == THandleCorner::TopRight; }

// The top-left pixel of a size x size handle at a corner of the control; it
// sticks out 2 pixels beyond the corner on both axes.
POINT HandlePlace(THandleCorner corner, const TBounds& control, int32_t size);

// The outline a drag of a corner handle by (dx, dy) shows, before any
// normalising: its first corner relative to the handle's own top-left
// pixel, and its size.
TBounds DragOutline(THandleCorner corner, int32_t width, int32_t height, int32_t dx, int32_t dy);

// The control's bounds after a drag of a corner handle by (dx, dy): the
// edges on the handle's side move, the opposite ones stay. A size that turns
// negative is mirrored about the fixed edge, each axis on its own.
TBounds ResizedBounds(THandleCorner corner, const TBounds& control, int32_t dx, int32_t dy);

// Two 32-bit values as one message parameter, 16 bits each, low word first,
// and back (sign-extended). Values outside -32768..32767 do not survive.
uintptr_t PackWords(int32_t low, int32_t high);
int32_t LowWordOf(uintptr_t packed);
int32_t HighWordOf(uintptr_t packed);

} // namespace fw
