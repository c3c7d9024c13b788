#pragma once
// Run-length encoded bitmap rows (BI_RLE8, BI_RLE4) expanded to plain rows.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fw {

// Expands data into bottom-up rows of stride bytes. Pixels outside the image
// are dropped and rows the data does not reach stay 0, so any input gives a
// bounded result in time linear in its size.
std::vector<uint8_t> DecodeRle(const uint8_t* data, size_t size, int bitCount, int32_t width, int32_t height,
                               size_t stride);

} // namespace fw
