#include "toolkit/win/graphics/Dib.h"

#include "toolkit/win/graphics/GraphicsErrors.h"
#include "toolkit/win/graphics/Rle.h"
#include "toolkit/win/window/ByteOrder.h"

#include <algorithm>
#include <cstring>

namespace fw {

namespace {

[[noreturn]] void Invalid() { throw EInvalidGraphic("Bitmap image is not valid"); }

uint64_t Remaining(TStream& s) {
    long long r = s.Remaining();
    return r > 0 ? static_cast<uint64_t>(r) : 0;
}

// Reads n bytes that must be there; checked before the caller allocates.
void ReadNeeded(TStream& s, void* buffer, uint64_t n) {
    if (n > Remaining(s)) Invalid();
    s.ReadBuffer(buffer, static_cast<long long>(n));
}

bool ValidMasks(const uint32_t m[3], int bitCount) {
    uint64_t all = uint64_t(1) << bitCount;
    for (int i = 0; i < 3; ++i) {
        if (m[i] == 0 || m[i] >= all) return false;
        if (m[i] & m[(i + 1) % 3]) return false;
    }
    return true;
}

void AppendRgb(std::vector<uint8_t>& out, uint8_t r, uint8_t g, uint8_t b) {
    out.insert(out.end(), {b, g, r, 0});
}

// Palette of the standard 16 colours (the order indexed images assume).
void AppendStandard16(std::vector<uint8_t>& out) {
    static const uint8_t c[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                     {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                     {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                     {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    for (const auto& e : c) AppendRgb(out, e[0], e[1], e[2]);
}

std::vector<uint8_t> HeaderBytes(int32_t width, int32_t height, int bitCount, uint32_t compression,
                                 uint32_t colors) {
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitCount);
    h.biCompression = compression;
    h.biSizeImage = static_cast<DWORD>(DibStride(width, bitCount) * static_cast<uint64_t>(height));
    h.biClrUsed = colors;
    std::vector<uint8_t> out(sizeof h);
    std::memcpy(out.data(), &h, sizeof h);
    return out;
}

} // namespace

BITMAPINFOHEADER DibHeader(const std::vector<uint8_t>& info) {
    BITMAPINFOHEADER h{};
    std::memcpy(&h, info.data(), std::min(info.size(), sizeof h));
    return h;
}

uint64_t DibStride(int64_t width, int bitCount) {
    return (static_cast<uint64_t>(width) * static_cast<uint64_t>(bitCount) + 31) / 32 * 4;
}

TPixelFormat DibPixelFormat(const std::vector<uint8_t>& info) {
    BITMAPINFOHEADER h = DibHeader(info);
    uint32_t m[3] = {};
    if (h.biCompression == BI_BITFIELDS && info.size() >= sizeof h + 12)
        for (int i = 0; i < 3; ++i) m[i] = le::U32(info.data() + sizeof h + 4 * i);
    auto masks = [&](uint32_t r, uint32_t g, uint32_t b) { return m[0] == r && m[1] == g && m[2] == b; };
    switch (h.biBitCount) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16:
        if (h.biCompression == BI_RGB || masks(0x7C00, 0x03E0, 0x001F)) return TPixelFormat::pf15bit;
        return masks(0xF800, 0x07E0, 0x001F) ? TPixelFormat::pf16bit : TPixelFormat::pfCustom;
    case 24: return TPixelFormat::pf24bit;
    case 32:
        if (h.biCompression == BI_RGB || masks(0xFF0000, 0xFF00, 0xFF)) return TPixelFormat::pf32bit;
        return TPixelFormat::pfCustom;
    default: return TPixelFormat::pfCustom;
    }
}

std::vector<uint8_t> MakeDibInfo(TPixelFormat format, int32_t width, int32_t height) {
    std::vector<uint8_t> out;
    switch (format) {
    case TPixelFormat::pf1bit:
        out = HeaderBytes(width, height, 1, BI_RGB, 2);
        AppendRgb(out, 0, 0, 0);
        AppendRgb(out, 255, 255, 255);
        break;
    case TPixelFormat::pf4bit:
        out = HeaderBytes(width, height, 4, BI_RGB, 16);
        AppendStandard16(out);
        break;
    case TPixelFormat::pf8bit: {
        out = HeaderBytes(width, height, 8, BI_RGB, 256);
        AppendStandard16(out);
        static const uint8_t level[6] = {0, 51, 102, 153, 204, 255};
        for (uint8_t r : level)
            for (uint8_t g : level)
                for (uint8_t b : level) AppendRgb(out, r, g, b);
        for (int i = 1; i <= 24; ++i) {
            auto v = static_cast<uint8_t>(i * 255 / 25);
            AppendRgb(out, v, v, v);
        }
        break;
    }
    case TPixelFormat::pf15bit: out = HeaderBytes(width, height, 16, BI_RGB, 0); break;
    case TPixelFormat::pf16bit:
        out = HeaderBytes(width, height, 16, BI_BITFIELDS, 0);
        le::Append32(out, 0xF800);
        le::Append32(out, 0x07E0);
        le::Append32(out, 0x001F);
        break;
    case TPixelFormat::pf24bit: out = HeaderBytes(width, height, 24, BI_RGB, 0); break;
    case TPixelFormat::pf32bit: out = HeaderBytes(width, height, 32, BI_RGB, 0); break;
    case TPixelFormat::pfCustom: throw EInvalidGraphicOperation("A custom pixel format cannot be chosen");
    }
    return out;
}

std::vector<uint8_t> ResizeDibInfo(const std::vector<uint8_t>& info, int32_t width, int32_t height) {
    std::vector<uint8_t> out = info;
    BITMAPINFOHEADER h = DibHeader(info);
    h.biWidth = width;
    h.biHeight = height;
    h.biSizeImage = static_cast<DWORD>(DibStride(width, h.biBitCount) * static_cast<uint64_t>(height));
    std::memcpy(out.data(), &h, sizeof h);
    return out;
}

TDib ReadBitmapFile(TStream& s) {
    uint8_t fileHeader[14];
    ReadNeeded(s, fileHeader, sizeof fileHeader);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid();
    const uint32_t offBits = le::U32(fileHeader + 10);

    // The info header in any of its versions: the core one of 12 bytes, or the
    // 40-byte one and its extensions, whose first 40 bytes are all we need.
    uint8_t h[124] = {};
    ReadNeeded(s, h, 4);
    const uint32_t headerSize = le::U32(h);
    if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        Invalid();
    ReadNeeded(s, h + 4, headerSize - 4);
    uint64_t consumed = sizeof fileHeader + headerSize;

    int64_t width, height;
    uint32_t planes, bitCount, compression = BI_RGB, sizeImage = 0, colorsUsed = 0, entrySize = 4;
    if (headerSize == 12) {
        width = le::U16(h + 4);
        height = le::U16(h + 6);
        planes = le::U16(h + 8);
        bitCount = le::U16(h + 10);
        entrySize = 3;
    } else {
        width = le::I32(h + 4);
        height = le::I32(h + 8);
        planes = le::U16(h + 12);
        bitCount = le::U16(h + 14);
        compression = le::U32(h + 16);
        sizeImage = le::U32(h + 20);
        colorsUsed = le::U32(h + 32);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (planes != 1 || width < 1 || width > kMaxImageDimension || height < 1 || height > kMaxImageDimension)
        Invalid();
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        Invalid();
    const bool rle = (compression == BI_RLE8 && bitCount == 8) || (compression == BI_RLE4 && bitCount == 4);
    const bool fields = compression == BI_BITFIELDS && (bitCount == 16 || bitCount == 32);
    if (!(compression == BI_RGB || rle || fields) || (rle && topDown)) Invalid();

    uint32_t masks[3] = {};
    if (fields) {
        uint8_t m[12];
        if (headerSize >= 52) {
            std::memcpy(m, h + 40, sizeof m);
        } else {
            ReadNeeded(s, m, sizeof m);
            consumed += sizeof m;
        }
        for (int i = 0; i < 3; ++i) masks[i] = le::U32(m + 4 * i);
        if (!ValidMasks(masks, static_cast<int>(bitCount))) Invalid();
    }

    // Indexed images keep their table; deeper ones may carry an optional one
    // (a hint for palette displays) that is skipped.
    uint64_t tableEntries = colorsUsed;
    uint32_t colors = 0;
    if (bitCount <= 8) {
        const uint32_t full = 1u << bitCount;
        if (tableEntries == 0) tableEntries = full;
        if (tableEntries > full) Invalid();
        colors = static_cast<uint32_t>(tableEntries);
    } else if (headerSize == 12) {
        tableEntries = 0;
    }
    const uint64_t tableBytes = tableEntries * entrySize;
    if (tableBytes > Remaining(s)) Invalid();
    std::vector<uint8_t> table(static_cast<size_t>(colors) * entrySize);
    ReadNeeded(s, table.data(), table.size());
    s.Seek(static_cast<long long>(tableBytes - table.size()), TSeekOrigin::soCurrent);
    consumed += tableBytes;

    // The pixels start where the file header says, unless that points back
    // into the headers.
    if (offBits > consumed) {
        uint64_t gap = offBits - consumed;
        if (gap > Remaining(s)) Invalid();
        s.Seek(static_cast<long long>(gap), TSeekOrigin::soCurrent);
    }

    const uint64_t stride = DibStride(width, static_cast<int>(bitCount));
    const uint64_t imageBytes = stride * static_cast<uint64_t>(height);
    if (imageBytes > kMaxImageBytes) throw EInvalidGraphic("Bitmap image is too large");

    TDib dib;
    dib.Info = HeaderBytes(static_cast<int32_t>(width), static_cast<int32_t>(height), static_cast<int>(bitCount),
                           fields ? BI_BITFIELDS : BI_RGB, colors);
    if (fields)
        for (uint32_t m : masks) le::Append32(dib.Info, m);
    for (uint32_t i = 0; i < colors; ++i) {
        const uint8_t* e = table.data() + static_cast<size_t>(i) * entrySize;
        dib.Info.insert(dib.Info.end(), {e[0], e[1], e[2], 0});
    }

    if (rle) {
        if (sizeImage == 0) Invalid();
        std::vector<uint8_t> packed;
        if (sizeImage > Remaining(s)) Invalid();
        packed.resize(sizeImage);
        s.ReadBuffer(packed.data(), sizeImage);
        dib.Bits = DecodeRle(packed.data(), packed.size(), static_cast<int>(bitCount), static_cast<int32_t>(width),
                             static_cast<int32_t>(height), static_cast<size_t>(stride));
        return dib;
    }
    if (imageBytes > Remaining(s)) Invalid();
    dib.Bits.resize(static_cast<size_t>(imageBytes));
    s.ReadBuffer(dib.Bits.data(), static_cast<long long>(imageBytes));
    if (topDown) {
        std::vector<uint8_t> row(static_cast<size_t>(stride));
        for (int64_t top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
            uint8_t* a = dib.Bits.data() + static_cast<size_t>(top) * stride;
            uint8_t* b = dib.Bits.data() + static_cast<size_t>(bottom) * stride;
            std::memcpy(row.data(), a, stride);
            std::memcpy(a, b, stride);
            std::memcpy(b, row.data(), stride);
        }
    }
    return dib;
}

void WriteBitmapFile(TStream& stream, const std::vector<uint8_t>& info, const uint8_t* bits, size_t size) {
    uint8_t fileHeader[14] = {'B', 'M'};
    const uint64_t offBits = sizeof fileHeader + info.size();
    const uint64_t total = offBits + size;
    le::Put32(fileHeader + 2, total > 0xFFFFFFFFu ? 0 : static_cast<uint32_t>(total));
    le::Put32(fileHeader + 10, static_cast<uint32_t>(offBits));
    stream.WriteBuffer(fileHeader, sizeof fileHeader);
    stream.WriteBuffer(info.data(), static_cast<long long>(info.size()));
    stream.WriteBuffer(bits, static_cast<long long>(size));
}

} // namespace fw
