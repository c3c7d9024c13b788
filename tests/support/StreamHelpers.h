#pragma once
// Byte-level helpers for stream tests.
#include "toolkit/core/Stream.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace fwtest {

using Bytes = std::vector<uint8_t>;

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// A short string: length byte then the bytes.
inline Bytes Short(const std::string& s) {
    Bytes out{static_cast<uint8_t>(s.size())};
    out.insert(out.end(), s.begin(), s.end());
    return out;
}

inline Bytes Sig() { return {'T', 'P', 'F', '0'}; }

// The offset of the value that follows the property name `name` in a stream,
// or -1. Looks for the short-string encoding of the name.
inline long FindValue(const Bytes& stream, const std::string& name) {
    Bytes pattern = Short(name);
    for (size_t i = 0; i + pattern.size() <= stream.size(); ++i)
        if (std::equal(pattern.begin(), pattern.end(), stream.begin() + static_cast<long>(i)))
            return static_cast<long>(i + pattern.size());
    return -1;
}

// True when `pattern` stands in `stream` at offset `at` (false for at < 0).
inline bool HasAt(const Bytes& stream, long at, const Bytes& pattern) {
    if (at < 0 || static_cast<size_t>(at) + pattern.size() > stream.size()) return false;
    return std::equal(pattern.begin(), pattern.end(), stream.begin() + at);
}

} // namespace fwtest
