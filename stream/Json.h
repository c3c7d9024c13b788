#pragma once
// A small strict JSON (RFC 8259) reader and the text helpers of its writers.
// Strings are kept as UTF-8 in which an unpaired surrogate escape (\uD800)
// becomes the three-byte sequence of that code unit, so UTF-16 text with lone
// surrogates survives a trip through JSON.
#include "toolkit/core/Exception.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

FW_EXCEPTION_CLASS(EJsonError, EConvertError);

struct TJsonValue {
    enum class TKind : uint8_t { Null, False, True, Number, String, Array, Object };

    TKind kind = TKind::Null;
    int line = 0;   // where the value starts, 1-based; column counts characters
    int column = 0;
    std::string text;              // String: the decoded text; Number: as written
    std::vector<TJsonValue> items; // Array elements, or Object member values
    std::vector<std::string> keys; // Object member names, parallel to items

    // The member of an object named key, or nullptr.
    const TJsonValue* Find(std::string_view key) const;
};

// Bounds on what ParseJson accepts, so hostile text cannot exhaust the stack
// or memory.
struct TJsonLimits {
    size_t maxBytes = size_t(64) << 20;
    int maxDepth = 1200;
    size_t maxValues = 4'000'000;
};

// Parses one JSON text (a leading UTF-8 byte order mark is skipped). Fails with
// EJsonError "JSON error at line L, column C: ...". Duplicate member names and
// malformed UTF-8 are errors.
TJsonValue ParseJson(std::string_view text, const TJsonLimits& limits = {});

// Fails with an EJsonError that points at a value, for checks made after parsing.
[[noreturn]] void JsonFail(const TJsonValue& at, const std::string& message);

// "a string", "an array" and so on, for messages.
const char* JsonKindName(TJsonValue::TKind kind);

// Appends text as a quoted JSON string: control characters, C1 controls and
// unpaired surrogates as \u escapes, everything else as it is.
void AppendJsonString(std::string& out, std::string_view text);
std::string QuoteJson(std::string_view text);

// Exact integer reading of a number written without fraction or exponent.
bool JsonToInt64(const TJsonValue& v, int64_t& out);

} // namespace fw
