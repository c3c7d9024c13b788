#pragma once
// The designer's clipboard block: the length N of the component stream as an
// unsigned 32-bit little-endian number, then the N bytes of the stream.
#include "toolkit/core/Exception.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

// The name the block's clipboard format is registered under.
inline const std::string kDsnClipboardFormat = "Dsn_ClipboardFormat";

FW_EXCEPTION_CLASS(EDsnClipboardError, Exception);

std::vector<uint8_t> EncodeClipboardBlock(const std::vector<uint8_t>& stream);
// The stream a block holds. Another program may put anything under the
// format's name: a block shorter than its stored length raises
// EDsnClipboardError, and nothing is read past the block.
std::vector<uint8_t> DecodeClipboardBlock(const std::vector<uint8_t>& block);

} // namespace fw
