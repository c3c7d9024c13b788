#pragma once
// The value codes of the component stream and the 80-bit float they use.
#include <array>
#include <cstdint>
#include <string>

namespace fw {

enum class TValueType : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
};
constexpr int kLastValueType = 20;

// The four signature bytes before every top-level record.
constexpr char kFilerSignature[4] = {'T', 'P', 'F', '0'};

// Deepest nesting of records, lists and collections a reader accepts.
constexpr int kMaxNesting = 200;

// A value of code 5: the 10 bytes of an x87 extended float, little-endian
// (64-bit mantissa with explicit integer bit, 15-bit exponent, sign).
using TExtendedBytes = std::array<uint8_t, 10>;
TExtendedBytes LongDoubleToExtended(long double v);
long double ExtendedToLongDouble(const TExtendedBytes& b);

// Short texts for messages: "vaInt8" and so on.
std::string ValueTypeName(TValueType t);

} // namespace fw
