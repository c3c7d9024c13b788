#include "stream/ValueTypes.h"

#include <cmath>
#include <limits>

namespace fw {

// Encoded by hand (frexp/ldexp) so the bytes are the same whatever width the
// compiler gives long double.
TExtendedBytes LongDoubleToExtended(long double v) {
    TExtendedBytes b{};
    uint16_t sign = std::signbit(v) ? 0x8000 : 0;
    uint64_t mant = 0;
    uint16_t exp = 0;
    if (std::isnan(v)) {
        exp = 0x7FFF;
        mant = 0xC000000000000000ull;
    } else if (std::isinf(v)) {
        exp = 0x7FFF;
        mant = 0x8000000000000000ull;
    } else if (v != 0) {
        int e = 0;
        long double m = std::frexp(std::fabs(v), &e); // v = m * 2^e, m in [0.5, 1)
        int biased = e - 1 + 16383;                    // 1.xxx * 2^(e-1)
        if (biased <= 0) {
            // Subnormal in the 80-bit format: shift the mantissa right.
            int shift = 1 - biased;
            m = std::ldexp(m, 64 - shift);
            biased = 0;
        } else {
            m = std::ldexp(m, 64);
        }
        mant = static_cast<uint64_t>(m);
        exp = static_cast<uint16_t>(biased);
    }
    for (int i = 0; i < 8; ++i) b[i] = static_cast<uint8_t>(mant >> (8 * i));
    uint16_t se = static_cast<uint16_t>(sign | exp);
    b[8] = static_cast<uint8_t>(se);
    b[9] = static_cast<uint8_t>(se >> 8);
    return b;
}

long double ExtendedToLongDouble(const TExtendedBytes& b) {
    uint64_t mant = 0;
    for (int i = 0; i < 8; ++i) mant |= static_cast<uint64_t>(b[i]) << (8 * i);
    uint16_t se = static_cast<uint16_t>(b[8] | (b[9] << 8));
    bool neg = (se & 0x8000) != 0;
    int exp = se & 0x7FFF;
    long double v;
    if (exp == 0x7FFF) {
        v = (mant << 1) == 0 ? std::numeric_limits<long double>::infinity()
                             : std::numeric_limits<long double>::quiet_NaN();
    } else if (mant == 0) {
        v = 0;
    } else {
        int e = (exp == 0 ? 1 : exp) - 16383 - 63;
        v = std::ldexp(static_cast<long double>(mant), e);
    }
    return neg ? -v : v;
}

std::string ValueTypeName(TValueType t) {
    static const char* const names[] = {
        "vaNull", "vaList", "vaInt8", "vaInt16", "vaInt32", "vaExtended", "vaString",
        "vaIdent", "vaFalse", "vaTrue", "vaBinary", "vaSet", "vaLString", "vaNil",
        "vaCollection", "vaSingle", "vaCurrency", "vaDate", "vaWString", "vaInt64", "vaUTF8String"};
    int i = static_cast<int>(t);
    return i <= kLastValueType ? names[i] : "code " + std::to_string(i);
}

} // namespace fw
