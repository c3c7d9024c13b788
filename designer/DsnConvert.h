#pragma once
// The number conversions behind value texts: the standard string-to-integer
// and string-to-float conversions, and the general float format. They do not
// depend on the process locale: the decimal separator is always '.'.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

// Leading blanks, an optional sign, then decimal digits, or hexadecimal digits
// after '$' or "0x". A decimal value must fit in 32 signed bits; a hexadecimal
// one may use all 32 bits ($FF00000F is -16777201, as colours are written).
// Anything else (empty text, trailing characters, overflow) gives nothing.
std::optional<int32_t> TextToInt32(std::string_view text);

// Optional blanks around an optional sign, digits with at most one '.', and an
// optional exponent. No infinities, no NaN, nothing out of double range.
std::optional<double> TextToFloat(std::string_view text);

// General format with up to 15 significant digits: fixed notation unless the
// exponent is below -4 or 15 and above, then d.dddE[-]x ("1E20", "1.5E-7").
std::string FloatToText(long double value);

} // namespace fw
