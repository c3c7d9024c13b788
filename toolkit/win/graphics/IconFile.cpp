#include "toolkit/win/graphics/IconFile.h"

#include "toolkit/win/graphics/Dib.h"
#include "toolkit/win/graphics/GraphicsErrors.h"
#include "toolkit/win/window/ByteOrder.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace fw {

namespace {

constexpr size_t kDirSize = 6;
constexpr size_t kEntrySize = 16;
constexpr int32_t kMaxIconSide = 256;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Icon image is not valid"); }

uint64_t Remaining(TStream& s) {
    long long r = s.Remaining();
    return r > 0 ? static_cast<uint64_t>(r) : 0;
}

uint32_t BigEndian32(const uint8_t* p) {
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

bool IsPng(const uint8_t* p, size_t size) {
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= sizeof sig && std::memcmp(p, sig, sizeof sig) == 0;
}

// Count of a well-formed directory header, or Invalid.
uint16_t DirectoryCount(const uint8_t* dir) {
    if (le::U16(dir) != 0 || le::U16(dir + 2) != 1) Invalid(); // reserved, type 1 = icon
    uint16_t count = le::U16(dir + 4);
    if (count == 0) Invalid();
    return count;
}

TIconImage CheckImage(const uint8_t* p, uint32_t size) {
    TIconImage img;
    if (IsPng(p, size)) {
        // The size lives in the IHDR chunk that must come first.
        if (size < 24 || std::memcmp(p + 12, "IHDR", 4) != 0) Invalid();
        uint32_t w = BigEndian32(p + 16), h = BigEndian32(p + 20);
        if (w < 1 || w > kMaxIconSide || h < 1 || h > kMaxIconSide) Invalid();
        img.Width = static_cast<int32_t>(w);
        img.Height = static_cast<int32_t>(h);
        img.BitCount = 32;
        img.Png = true;
        return img;
    }
    if (size < sizeof(BITMAPINFOHEADER) || le::U32(p) != sizeof(BITMAPINFOHEADER)) Invalid();
    int32_t width = le::I32(p + 4), doubleHeight = le::I32(p + 8);
    uint32_t planes = le::U16(p + 12), bitCount = le::U16(p + 14), compression = le::U32(p + 16);
    uint32_t colorsUsed = le::U32(p + 32);
    if (width < 1 || width > kMaxIconSide || doubleHeight < 2 || doubleHeight % 2 != 0 ||
        doubleHeight / 2 > kMaxIconSide)
        Invalid();
    if (planes != 1 || compression != BI_RGB) Invalid();
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        Invalid();
    // The system reads a table of biClrUsed entries at any depth, and a full
    // one for indexed images that leave it 0.
    uint64_t colors = colorsUsed;
    if (bitCount <= 8 && colors > (1u << bitCount)) Invalid();
    if (colors > 256) Invalid();
    if (colors == 0 && bitCount <= 8) colors = 1u << bitCount;
    int32_t height = doubleHeight / 2;
    uint64_t needed = sizeof(BITMAPINFOHEADER) + colors * 4 + DibStride(width, static_cast<int>(bitCount)) * height +
                      DibStride(width, 1) * height;
    if (needed > size) Invalid();
    img.Width = width;
    img.Height = height;
    img.BitCount = static_cast<int>(bitCount);
    return img;
}

} // namespace

std::vector<uint8_t> ReadIconFile(TStream& s) {
    uint8_t dir[kDirSize];
    if (Remaining(s) < kDirSize) Invalid();
    s.ReadBuffer(dir, kDirSize);
    const uint16_t count = DirectoryCount(dir);
    const uint64_t headerEnd = kDirSize + uint64_t(count) * kEntrySize;
    if (headerEnd - kDirSize > Remaining(s)) Invalid();
    std::vector<uint8_t> file(static_cast<size_t>(headerEnd));
    std::memcpy(file.data(), dir, kDirSize);
    s.ReadBuffer(file.data() + kDirSize, static_cast<long long>(headerEnd - kDirSize));
    // The file image ends where its last image ends.
    uint64_t end = headerEnd;
    for (uint16_t i = 0; i < count; ++i) {
        const uint8_t* e = file.data() + kDirSize + size_t(i) * kEntrySize;
        uint64_t size = le::U32(e + 8), offset = le::U32(e + 12);
        if (size == 0 || offset < headerEnd) Invalid();
        end = std::max(end, offset + size);
    }
    if (end > kMaxImageBytes || end - headerEnd > Remaining(s)) Invalid();
    file.resize(static_cast<size_t>(end));
    s.ReadBuffer(file.data() + headerEnd, static_cast<long long>(end - headerEnd));
    return file;
}

std::vector<TIconImage> ParseIconFile(const std::vector<uint8_t>& file) {
    if (file.size() < kDirSize) Invalid();
    const uint16_t count = DirectoryCount(file.data());
    const uint64_t headerEnd = kDirSize + uint64_t(count) * kEntrySize;
    if (headerEnd > file.size()) Invalid();
    std::vector<TIconImage> images;
    images.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
        const uint8_t* e = file.data() + kDirSize + size_t(i) * kEntrySize;
        uint32_t size = le::U32(e + 8), offset = le::U32(e + 12);
        if (size == 0 || offset < headerEnd || uint64_t(offset) + size > file.size()) Invalid();
        TIconImage img = CheckImage(file.data() + offset, size);
        img.Offset = offset;
        img.Size = size;
        images.push_back(img);
    }
    return images;
}

size_t ChooseIconImage(const std::vector<TIconImage>& images, int32_t size) {
    size_t best = 0;
    for (size_t i = 1; i < images.size(); ++i) {
        const TIconImage& a = images[i];
        const TIconImage& b = images[best];
        int da = std::abs(a.Width - size) + std::abs(a.Height - size);
        int db = std::abs(b.Width - size) + std::abs(b.Height - size);
        if (da < db || (da == db && a.BitCount > b.BitCount)) best = i;
    }
    return best;
}

namespace {

// Rows of a bitmap as a bottom-up DIB of one depth (1 gets black and white).
std::vector<uint8_t> DibRows(HBITMAP bitmap, int32_t width, int32_t height, int bitCount) {
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[2];
    } info{};
    info.h.biSize = sizeof info.h;
    info.h.biWidth = width;
    info.h.biHeight = height;
    info.h.biPlanes = 1;
    info.h.biBitCount = static_cast<WORD>(bitCount);
    info.h.biCompression = BI_RGB;
    info.colors[1] = {255, 255, 255, 0};
    std::vector<uint8_t> rows(static_cast<size_t>(DibStride(width, bitCount) * static_cast<uint64_t>(height)));
    HDC screen = GetDC(nullptr);
    int got = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), rows.data(),
                        reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (got != height) Invalid();
    return rows;
}

} // namespace

std::vector<uint8_t> IconFileFromHandle(HICON icon) {
    ICONINFO ii{};
    if (!icon || !GetIconInfo(icon, &ii)) Invalid();
    // GetIconInfo hands out copies of both bitmaps; free them on every path.
    struct Owned {
        ICONINFO& ii;
        ~Owned() {
            if (ii.hbmColor) DeleteObject(ii.hbmColor);
            if (ii.hbmMask) DeleteObject(ii.hbmMask);
        }
    } owned{ii};
    BITMAP bm{};
    if (!GetObjectW(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm)) Invalid();
    const bool color = ii.hbmColor != nullptr;
    const int32_t width = bm.bmWidth;
    // A monochrome icon is one mask bitmap: AND mask above, image below.
    const int32_t height = color ? bm.bmHeight : bm.bmHeight / 2;
    if (width < 1 || width > kMaxIconSide || height < 1 || height > kMaxIconSide) Invalid();

    const int bitCount = color ? 32 : 1;
    std::vector<uint8_t> pixels;
    if (color) {
        pixels = DibRows(ii.hbmColor, width, height, 32);
        std::vector<uint8_t> mask = DibRows(ii.hbmMask, width, height, 1);
        pixels.insert(pixels.end(), mask.begin(), mask.end());
    } else {
        // Bottom-up rows of the double-height mask are the image rows, then
        // the mask rows: the order an icon file keeps them in.
        pixels = DibRows(ii.hbmMask, width, height * 2, 1);
    }

    std::vector<uint8_t> file;
    le::Append16(file, 0);
    le::Append16(file, 1);
    le::Append16(file, 1);
    const uint32_t tableBytes = color ? 0 : 8;
    const uint32_t imageSize = static_cast<uint32_t>(sizeof(BITMAPINFOHEADER) + tableBytes + pixels.size());
    file.push_back(static_cast<uint8_t>(width == 256 ? 0 : width));
    file.push_back(static_cast<uint8_t>(height == 256 ? 0 : height));
    file.push_back(color ? 0 : 2); // colours in the table
    file.push_back(0);
    le::Append16(file, 1);
    le::Append16(file, static_cast<uint32_t>(bitCount));
    le::Append32(file, imageSize);
    le::Append32(file, static_cast<uint32_t>(kDirSize + kEntrySize));

    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height * 2;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitCount);
    h.biCompression = BI_RGB;
    h.biSizeImage = static_cast<DWORD>(pixels.size());
    const auto* hp = reinterpret_cast<const uint8_t*>(&h);
    file.insert(file.end(), hp, hp + sizeof h);
    if (!color) file.insert(file.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

} // namespace fw
