#pragma once
// Font character sets (0..255) as published properties store them; the stream
// writes the names the system uses ("DEFAULT_CHARSET").
#include "toolkit/core/TypInfo.h"

#include <cstdint>

namespace fw {

using TFontCharset = int32_t;

const TIdentMap& CharsetIdents();
// The published type "TFontCharset".
const TTypeInfo& CharsetType();

} // namespace fw
