#pragma once
// Helpers for the graphics tests: bitmap and icon file images written out
// field by field, so the readers are checked against the formats, not
// against the writers.
#include "support/TestUtil.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/Stream.h"
#include "toolkit/win/window/Win32.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace gfxtest {

using Bytes = std::vector<uint8_t>;

inline void Put16(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); }
inline void Put32(Bytes& b, uint32_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}); }
inline void Put32s(Bytes& b, std::initializer_list<uint32_t> vs) {
    for (uint32_t v : vs) Put32(b, v);
}
inline uint32_t Get32(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

using fwtest::MessageOf;

inline std::string TempPath(const std::string& name) {
    return fwtest::TestTempDir() + "/" + name;
}

// A bitmap file image with a 40-byte info header. Rows are given top row
// first, packed and padded, and stored bottom-up unless TopDown; Packed
// replaces them (run-length data, or any bytes). Table holds BGRA quads.
struct BmpFields {
    int32_t Width = 1;
    int32_t Height = 1;
    uint16_t BitCount = 24;
    uint32_t Compression = BI_RGB;
    Bytes Table;
    Bytes Masks; // after the header, for BI_BITFIELDS
    std::vector<Bytes> Rows;
    Bytes Packed;
    bool TopDown = false;
};

inline Bytes MakeBmp(const BmpFields& s) {
    Bytes pixels = s.Packed;
    for (size_t i = 0; i < s.Rows.size(); ++i) {
        const Bytes& r = s.Rows[s.TopDown ? i : s.Rows.size() - 1 - i];
        pixels.insert(pixels.end(), r.begin(), r.end());
    }
    const uint32_t offBits = 14 + 40 + static_cast<uint32_t>(s.Masks.size() + s.Table.size());
    const uint32_t size = static_cast<uint32_t>(pixels.size());
    Bytes b{'B', 'M'};
    Put32s(b, {offBits + size, 0, offBits, 40, uint32_t(s.Width), uint32_t(s.TopDown ? -s.Height : s.Height)});
    Put16(b, 1);
    Put16(b, s.BitCount);
    Put32s(b, {s.Compression, size, 2835, 2835, uint32_t(s.Table.size() / 4), 0});
    for (const Bytes* part : {&s.Masks, &s.Table, static_cast<const Bytes*>(&pixels)})
        b.insert(b.end(), part->begin(), part->end());
    return b;
}

// A 2x2 24-bit image: red, lime / blue, white (top row first).
inline Bytes SmallBmp() {
    BmpFields s;
    s.Width = 2;
    s.Height = 2;
    s.Rows = {{0, 0, 255, 0, 255, 0, 0, 0}, {255, 0, 0, 255, 255, 255, 0, 0}};
    return MakeBmp(s);
}

// One 32-bit icon image of side n: header, colour rows, mask rows. Pixel
// (x, y from the top) has colour(x, y); where masked(x, y) the background
// shows through.
inline Bytes IconImage(int n, const std::function<uint32_t(int, int)>& color,
                       const std::function<bool(int, int)>& masked) {
    Bytes image;
    Put32s(image, {40, uint32_t(n), uint32_t(2 * n)});
    Put16(image, 1);
    Put16(image, 32);
    Put32s(image, {BI_RGB, 0, 0, 0, 0, 0});
    for (int y = n - 1; y >= 0; --y)
        for (int x = 0; x < n; ++x) Put32(image, color(x, y) & 0xFFFFFF);
    for (int y = n - 1; y >= 0; --y) {
        Bytes row(static_cast<size_t>((n + 31) / 32 * 4), 0);
        for (int x = 0; x < n; ++x)
            if (masked(x, y)) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        image.insert(image.end(), row.begin(), row.end());
    }
    return image;
}

// An icon file image: directory, one entry per image, the images in order.
inline Bytes IconFile(const std::vector<Bytes>& images) {
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (const Bytes& img : images) {
        const uint8_t side = static_cast<uint8_t>(Get32(img, 4));
        b.insert(b.end(), {side, side, 0, 0});
        Put16(b, 1);
        Put16(b, img[14]);
        Put32s(b, {uint32_t(img.size()), offset});
        offset += static_cast<uint32_t>(img.size());
    }
    for (const Bytes& img : images) b.insert(b.end(), img.begin(), img.end());
    return b;
}

inline Bytes MakeIcon(int n, const std::function<uint32_t(int, int)>& color,
                      const std::function<bool(int, int)>& masked) {
    return IconFile({IconImage(n, color, masked)});
}

} // namespace gfxtest
