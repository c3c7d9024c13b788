#pragma once
// Icon file images (.ico): a directory of images, each a DIB with its mask or
// a PNG stream.
#include "toolkit/core/Stream.h"
#include "toolkit/win/window/Win32.h"

#include <cstdint>
#include <vector>

namespace fw {

struct TIconImage {
    int32_t Width = 0;
    int32_t Height = 0;
    int BitCount = 0;
    uint32_t Offset = 0; // from the start of the file image
    uint32_t Size = 0;
    bool Png = false;
};

// Reads exactly one icon file image from the stream. Every count, offset and
// size is checked against the bytes the stream still holds before anything is
// allocated: "Icon image is not valid".
std::vector<uint8_t> ReadIconFile(TStream& stream);
// Checks an icon file image and lists its images: every DIB holds its header,
// colour table, colour rows and mask rows inside its own bytes, so the system
// never reads past them.
std::vector<TIconImage> ParseIconFile(const std::vector<uint8_t>& file);
// The image to show at a size: the nearest size, then the most colours.
size_t ChooseIconImage(const std::vector<TIconImage>& images, int32_t size);
// An icon file image of one 32-bit image drawn from an icon handle.
std::vector<uint8_t> IconFileFromHandle(HICON icon);

} // namespace fw
