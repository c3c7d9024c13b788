#pragma once
// Helpers for the graphics tests: bitmap and icon file images written out
// field by field, screen and DC capture, GDI object counts.
#include "toolkit/core/Exception.h"
#include "toolkit/core/Stream.h"
#include "toolkit/win/Win32.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace gfxtest {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline uint32_t Get32(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

inline std::string MessageOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const fw::Exception& e) {
        return e.Message();
    }
    return "(no error)";
}

inline std::string TempPath(const std::string& name) {
    const char* t = std::getenv("FW_TEST_TMP");
    return std::string(t ? t : ".") + "/" + name;
}

// A bitmap file image with a 40-byte info header. `rows` are given top row
// first, each already packed and padded; they are stored bottom-up unless
// topDown. `table` holds BGRA quads.
struct BmpSpec {
    int32_t Width = 1;
    int32_t Height = 1;
    uint16_t BitCount = 24;
    uint32_t Compression = BI_RGB;
    Bytes Table;
    Bytes Masks; // 12 bytes after the header for BI_BITFIELDS
    std::vector<Bytes> Rows;
    Bytes Packed; // run-length data, instead of rows
    bool TopDown = false;
};

inline Bytes MakeBmp(const BmpSpec& s) {
    Bytes pixels;
    if (!s.Packed.empty()) {
        pixels = s.Packed;
    } else if (s.TopDown) {
        for (const Bytes& r : s.Rows) pixels.insert(pixels.end(), r.begin(), r.end());
    } else {
        for (auto it = s.Rows.rbegin(); it != s.Rows.rend(); ++it) pixels.insert(pixels.end(), it->begin(), it->end());
    }
    const uint32_t offBits = 14 + 40 + static_cast<uint32_t>(s.Masks.size() + s.Table.size());
    Bytes b{'B', 'M'};
    Put32(b, offBits + static_cast<uint32_t>(pixels.size()));
    Put32(b, 0);
    Put32(b, offBits);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(s.Width));
    Put32(b, static_cast<uint32_t>(s.TopDown ? -s.Height : s.Height));
    Put16(b, 1);
    Put16(b, s.BitCount);
    Put32(b, s.Compression);
    Put32(b, static_cast<uint32_t>(pixels.size()));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, static_cast<uint32_t>(s.Table.size() / 4));
    Put32(b, 0);
    b.insert(b.end(), s.Masks.begin(), s.Masks.end());
    b.insert(b.end(), s.Table.begin(), s.Table.end());
    b.insert(b.end(), pixels.begin(), pixels.end());
    return b;
}

// A 2x2 24-bit image: red, green / blue, white (top row first).
inline Bytes SmallBmp() {
    BmpSpec s;
    s.Width = 2;
    s.Height = 2;
    s.Rows = {{0, 0, 255, 0, 255, 0, 0, 0}, {255, 0, 0, 255, 255, 255, 0, 0}};
    return MakeBmp(s);
}

// One 32-bit icon image of side n (header, colour rows, mask rows): the
// colour of pixel (x, y from the top) comes from `color`, and pixels where
// `masked` holds show what is beneath.
inline Bytes IconImage(int n, const std::function<uint32_t(int, int)>& color,
                       const std::function<bool(int, int)>& masked) {
    Bytes image;
    Put32(image, 40);
    Put32(image, static_cast<uint32_t>(n));
    Put32(image, static_cast<uint32_t>(2 * n));
    Put16(image, 1);
    Put16(image, 32);
    Put32(image, BI_RGB);
    for (int i = 0; i < 5; ++i) Put32(image, 0);
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) Put32(image, color(x, y) & 0xFFFFFF);
    const int maskStride = ((n + 31) / 32) * 4;
    for (int y = n - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>(maskStride), 0);
        for (int x = 0; x < n; ++x)
            if (masked(x, y)) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        image.insert(image.end(), row.begin(), row.end());
    }
    return image;
}

// An icon file image: directory, entries, then the images in order. Sides
// are read from each image's header.
inline Bytes IconFile(const std::vector<Bytes>& images) {
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (const Bytes& img : images) {
        const uint32_t side = Get32(img, 4);
        b.push_back(static_cast<uint8_t>(side));
        b.push_back(static_cast<uint8_t>(side));
        b.push_back(0);
        b.push_back(0);
        Put16(b, 1);
        Put16(b, img[14]);
        Put32(b, static_cast<uint32_t>(img.size()));
        Put32(b, offset);
        offset += static_cast<uint32_t>(img.size());
    }
    for (const Bytes& img : images) b.insert(b.end(), img.begin(), img.end());
    return b;
}

inline Bytes MakeIcon(int n, const std::function<uint32_t(int, int)>& color,
                      const std::function<bool(int, int)>& masked) {
    return IconFile({IconImage(n, color, masked)});
}

// Pixels of a DC area as 0x00RRGGBB, row by row from the top.
inline std::vector<uint32_t> Capture(HDC source, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, source, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> out(static_cast<size_t>(w) * h);
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < out.size(); ++i) out[i] = p[i] & 0xFFFFFF;
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    return out;
}

inline std::vector<uint32_t> CaptureScreen(const RECT& r) {
    HDC screen = GetDC(nullptr);
    std::vector<uint32_t> out = Capture(screen, r);
    ReleaseDC(nullptr, screen);
    return out;
}

inline size_t CountDifferences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    size_t n = 0;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n + (a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
}

// GDI objects of this process, or 0 where the system does not count them.
inline DWORD GdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

inline void PumpMessages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

} // namespace gfxtest
