#include "designer/DsnClipboard.h"

namespace fw {

std::vector<uint8_t> EncodeClipboardBlock(const std::vector<uint8_t>& stream) {
    if (stream.size() > UINT32_MAX) throw EDsnClipboardError("The selection is too large for the clipboard");
    const auto n = static_cast<uint32_t>(stream.size());
    std::vector<uint8_t> block{static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                               static_cast<uint8_t>(n >> 24)};
    block.insert(block.end(), stream.begin(), stream.end());
    return block;
}

std::vector<uint8_t> DecodeClipboardBlock(const std::vector<uint8_t>& block) {
    if (block.size() < 4) throw EDsnClipboardError("The clipboard holds no valid design data");
    const uint32_t n = block[0] | (block[1] << 8) | (block[2] << 16) | (static_cast<uint32_t>(block[3]) << 24);
    if (n > block.size() - 4) throw EDsnClipboardError("The clipboard holds no valid design data");
    return std::vector<uint8_t>(block.begin() + 4, block.begin() + 4 + n);
}

} // namespace fw
