#pragma once
// Helpers for the stream document tests: a byte builder that writes the format
// by hand (independently of the writer under test) and value shorthands.
#include "stream/StreamDocument.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fwtest {

class TBytes {
public:
    TBytes& U8(int v) { FData.push_back(static_cast<uint8_t>(v)); return *this; }
    TBytes& Raw(std::string_view s) { FData.insert(FData.end(), s.begin(), s.end()); return *this; }
    TBytes& Short(std::string_view s) { return U8(static_cast<int>(s.size())).Raw(s); }
    TBytes& Le(uint64_t v, int count) {
        for (int i = 0; i < count; ++i) U8(static_cast<int>((v >> (8 * i)) & 0xFF));
        return *this;
    }
    TBytes& U32(uint32_t v) { return Le(v, 4); }
    TBytes& Sig() { return Raw("TPF0"); }
    TBytes& Code(fw::TValueType t) { return U8(static_cast<int>(t)); }
    const std::vector<uint8_t>& Get() const { return FData; }
    operator const std::vector<uint8_t>&() const { return FData; }

private:
    std::vector<uint8_t> FData;
};

inline fw::TDocValue Int8(int v) { return fw::DocInteger(fw::TValueType::vaInt8, v); }
inline fw::TDocValue Str(std::string s) { return fw::DocBytes(fw::TValueType::vaString, std::move(s)); }

inline fw::TDocRecord Rec(std::string cls, std::string name) {
    fw::TDocRecord r;
    r.className = std::move(cls);
    r.name = std::move(name);
    return r;
}

inline fw::TStreamDocument OneComponent(fw::TDocRecord r) {
    fw::TStreamDocument d;
    d.components.push_back(std::move(r));
    return d;
}

} // namespace fwtest
