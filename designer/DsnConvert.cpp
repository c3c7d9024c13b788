#include "designer/DsnConvert.h"

#include <charconv>
#include <cmath>

namespace fw {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int32_t> TextToInt32(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && text[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size()) return std::nullopt;
    // Accumulate in 64 bits; the limits below keep it far from overflowing.
    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        int d = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (d < 0) return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        if (value > limit) return std::nullopt;
    }
    // Hexadecimal is a bit pattern; decimal is checked against its signed range above.
    uint32_t bits = static_cast<uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

std::optional<double> TextToFloat(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsBlank(text[b])) ++b;
    while (e > b && IsBlank(text[e - 1])) --e;
    std::string_view s = text.substr(b, e - b);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    // Only digits, '.', and an exponent: from_chars alone would take "inf",
    // "nan" and hexadecimal floats.
    if (s.empty() || !((s[0] >= '0' && s[0] <= '9') || s[0] == '.')) return std::nullopt;
    double value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return negative ? -value : value;
}

std::string FloatToText(long double value) {
    double v = static_cast<double>(value);
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0) return "0"; // also for -0
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    std::string out(buf, ec == std::errc() ? end : buf);
    // to_chars writes "1e+20" and "1.5e-07"; the general format reads "1E20", "1.5E-7".
    size_t epos = out.find('e');
    if (epos == std::string::npos) return out;
    std::string mantissa = out.substr(0, epos);
    std::string exponent = out.substr(epos + 1);
    bool negExp = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) exponent.erase(0, 1);
    size_t nz = exponent.find_first_not_of('0');
    exponent = nz == std::string::npos ? "0" : exponent.substr(nz);
    return mantissa + "E" + (negExp ? "-" : "") + exponent;
}

} // namespace fw
