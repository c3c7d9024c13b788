#include "designer/DsnGeometry.h"

#include <algorithm>

namespace fw {

RECT OutlineRect(POINT at, POINT offset, int32_t width, int32_t height) {
    LONG left = at.x + offset.x, top = at.y + offset.y;
    return {left, top, left + width, top + height};
}

RECT NormalizeRect(const RECT& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

int32_t SnapValue(int32_t value, int32_t step) {
    if (step <= 0) return value;
    return value / step * step; // C++ division truncates toward zero
}

POINT SnapPoint(POINT p, int32_t stepX, int32_t stepY) { return {SnapValue(p.x, stepX), SnapValue(p.y, stepY)}; }

POINT HandlePlace(THandleCorner corner, const TBounds& b, int32_t size) {
    int32_t left = IsLeftCorner(corner) ? b.Left - 2 : b.Left + b.Width - size + 2;
    int32_t top = IsTopCorner(corner) ? b.Top - 2 : b.Top + b.Height - size + 2;
    return {left, top};
}

TBounds DragOutline(THandleCorner corner, int32_t width, int32_t height, int32_t dx, int32_t dy) {
    bool left = IsLeftCorner(corner), top = IsTopCorner(corner);
    return {left ? dx : 0, top ? dy : 0, left ? width - dx : width + dx, top ? height - dy : height + dy};
}

TBounds ResizedBounds(THandleCorner corner, const TBounds& b, int32_t dx, int32_t dy) {
    bool left = IsLeftCorner(corner), top = IsTopCorner(corner);
    TBounds r = DragOutline(corner, b.Width, b.Height, dx, dy);
    r.Left += b.Left;
    r.Top += b.Top;
    // A negative size flips the moving edge over the fixed one.
    if (r.Width < 0) {
        r.Left = left ? b.Left + b.Width : b.Left + r.Width;
        r.Width = -r.Width;
    }
    if (r.Height < 0) {
        r.Top = top ? b.Top + b.Height : b.Top + r.Height;
        r.Height = -r.Height;
    }
    return r;
}

uintptr_t PackWords(int32_t low, int32_t high) {
    return (static_cast<uintptr_t>(static_cast<uint16_t>(high)) << 16) | static_cast<uint16_t>(low);
}

int32_t LowWordOf(uintptr_t packed) { return static_cast<int16_t>(static_cast<uint16_t>(packed & 0xFFFF)); }
int32_t HighWordOf(uintptr_t packed) { return static_cast<int16_t>(static_cast<uint16_t>((packed >> 16) & 0xFFFF)); }

} // namespace fw
