#include "toolkit/win/graphics/Rle.h"

#include <algorithm>

namespace fw {

std::vector<uint8_t> DecodeRle(const uint8_t* data, size_t size, int bitCount, int32_t width, int32_t height,
                               size_t stride) {
    std::vector<uint8_t> out(stride * static_cast<size_t>(height), 0);
    const bool four = bitCount == 4;
    // x stays within [0, width]: anything beyond the right edge is dropped anyway.
    int64_t x = 0, y = 0;
    auto put = [&](uint8_t value) {
        if (x < width && y < height) {
            uint8_t* row = out.data() + static_cast<size_t>(y) * stride;
            if (four) {
                uint8_t& b = row[x / 2];
                b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | (value & 0x0F))
                            : static_cast<uint8_t>((b & 0x0F) | (value << 4));
            } else {
                row[x] = value;
            }
        }
        x = std::min<int64_t>(x + 1, width);
    };
    size_t i = 0;
    while (i + 1 < size && y < height) {
        uint8_t count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) { // a run of one value (two alternating nibbles)
            for (int k = 0; k < count && x < width; ++k)
                put(four ? static_cast<uint8_t>((k & 1) ? value & 0x0F : value >> 4) : value);
            continue;
        }
        if (value == 0) { // end of row
            x = 0;
            ++y;
        } else if (value == 1) { // end of image
            break;
        } else if (value == 2) { // skip right and up
            if (i + 1 >= size) break;
            x = std::min<int64_t>(x + data[i], width);
            y += data[i + 1];
            i += 2;
        } else { // `value` literal pixels, padded to a whole 16-bit word
            size_t bytes = four ? (value + 1u) / 2u : value;
            if (bytes > size - i) break;
            for (int k = 0; k < value; ++k) {
                uint8_t b = data[i + (four ? k / 2 : k)];
                put(four ? static_cast<uint8_t>((k & 1) ? b & 0x0F : b >> 4) : b);
            }
            i += bytes + (bytes & 1);
        }
    }
    return out;
}

} // namespace fw
