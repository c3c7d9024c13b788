#pragma once
// Reading the screen back: a rectangle of screen pixels copied into a 32-bit
// DIB (0x00RRGGBB), so tests can see what XOR outlines and handles left on it.
#include "toolkit/win/window/Win32.h"

#include <cstdint>
#include <vector>

namespace dsntest {

struct TScreenShot {
    RECT Area{};
    std::vector<uint32_t> Pixels; // row by row from Area's top-left corner

    // The pixel at a screen point inside Area.
    uint32_t At(int x, int y) const {
        int w = Area.right - Area.left;
        return Pixels[static_cast<size_t>((y - Area.top) * w + (x - Area.left))];
    }
    // Screen points inside Area whose pixels differ from other's.
    int DifferenceCount(const TScreenShot& other) const {
        int n = 0;
        for (size_t i = 0; i < Pixels.size() && i < other.Pixels.size(); ++i) n += Pixels[i] != other.Pixels[i];
        return n;
    }
    bool AllEqual(uint32_t color) const {
        for (uint32_t p : Pixels)
            if (p != color) return false;
        return !Pixels.empty();
    }
    friend bool operator==(const TScreenShot& a, const TScreenShot& b) { return a.Pixels == b.Pixels; }
};

inline TScreenShot CaptureScreen(const RECT& area) {
    TScreenShot shot{area, {}};
    int w = area.right - area.left, h = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h; // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    shot.Pixels.assign(p, p + static_cast<size_t>(w) * static_cast<size_t>(h));
    for (uint32_t& px : shot.Pixels) px &= 0x00FFFFFFu;
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return shot;
}

// 0x00RRGGBB of a toolkit RGB colour (red in the low byte).
constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) { return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b; }

} // namespace dsntest
