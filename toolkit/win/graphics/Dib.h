#pragma once
// Device-independent bitmaps in memory and in bitmap files ("BM").
#include "toolkit/core/Stream.h"
#include "toolkit/win/window/Win32.h"

#include <cstdint>
#include <vector>

namespace fw {

// Limits for images read from outside data or sized by a program.
constexpr int32_t kMaxImageDimension = 16384;
constexpr uint64_t kMaxImageBytes = uint64_t(256) << 20;

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// A DIB in the form CreateDIBSection takes and a file stores after its file
// header. Info: a BITMAPINFOHEADER (40 bytes, positive height: rows bottom-up,
// no compression but BI_BITFIELDS), the three channel masks when the
// compression is BI_BITFIELDS, then the colour table. Bits: the rows, each
// padded to a multiple of four bytes.
struct TDib {
    std::vector<uint8_t> Info;
    std::vector<uint8_t> Bits;
};

BITMAPINFOHEADER DibHeader(const std::vector<uint8_t>& info);
uint64_t DibStride(int64_t width, int bitCount);
TPixelFormat DibPixelFormat(const std::vector<uint8_t>& info);
// Info for a new image of a standard format (pfCustom is refused); formats
// with a colour table get a fixed palette (black and white; the 16 standard
// colours; those, a 6x6x6 colour cube and 24 greys).
std::vector<uint8_t> MakeDibInfo(TPixelFormat format, int32_t width, int32_t height);
// The same format as info at another size.
std::vector<uint8_t> ResizeDibInfo(const std::vector<uint8_t>& info, int32_t width, int32_t height);

// Reads one bitmap file image and leaves the stream just after its pixels.
// Every size is checked against the bytes the stream still holds before
// anything is allocated; bad data raises EInvalidGraphic ("Bitmap image is not
// valid"). Reads 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, with
// channel masks, or run-length encoded.
TDib ReadBitmapFile(TStream& stream);
// Writes a bitmap file image: file header, info, bits.
void WriteBitmapFile(TStream& stream, const std::vector<uint8_t>& info, const uint8_t* bits, size_t size);

} // namespace fw
