// What a document may hold so that its bytes parse back to it. The reader ends
// lists, property lists and sets at a zero byte and takes a leading Fx byte of
// a record as its prefix, which rules out a few shapes the model could express.
#include "stream/StreamDocument.h"

#include "toolkit/core/Text.h"

#include <cstring>

namespace fw {

namespace {

bool IsIntegerCode(TValueType t) {
    return t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32;
}

std::string OutOfRange(const char* type, int64_t v) {
    return std::string("the ") + type + " value " + std::to_string(v) + " is out of range";
}

std::string SizeProblem(const char* type, const std::string& bytes, size_t need) {
    if (bytes.size() == need) return {};
    return std::string("a ") + type + " value holds " + std::to_string(need) + " bytes, not " +
           std::to_string(bytes.size());
}

} // namespace

std::string DocValueProblem(const TDocValue& v, bool inList) {
    auto code = static_cast<int>(v.type);
    if (code > kLastValueType) return "unknown value code " + std::to_string(code);
    switch (v.type) {
    case TValueType::vaNull:
        if (inList) return "a list cannot hold a null value (its code ends the list)";
        break;
    case TValueType::vaInt8:
        if (v.number < INT8_MIN || v.number > INT8_MAX) return OutOfRange("int8", v.number);
        break;
    case TValueType::vaInt16:
        if (v.number < INT16_MIN || v.number > INT16_MAX) return OutOfRange("int16", v.number);
        break;
    case TValueType::vaInt32:
        if (v.number < INT32_MIN || v.number > INT32_MAX) return OutOfRange("int32", v.number);
        break;
    case TValueType::vaExtended: return SizeProblem("extended", v.bytes, 10);
    case TValueType::vaSingle: return SizeProblem("single", v.bytes, 4);
    case TValueType::vaDate: return SizeProblem("date", v.bytes, 8);
    case TValueType::vaString:
    case TValueType::vaIdent:
        if (v.bytes.size() > 255)
            return std::string("a short ") + (v.type == TValueType::vaString ? "string" : "identifier") +
                   " value is longer than 255 bytes";
        break;
    case TValueType::vaBinary:
    case TValueType::vaLString:
        if (v.bytes.size() > UINT32_MAX) return "a value is longer than 4 GiB";
        break;
    case TValueType::vaUTF8String:
        if (v.bytes.size() > UINT32_MAX) return "a value is longer than 4 GiB";
        if (!IsValidUtf8(v.bytes)) return "a UTF-8 string value must be valid UTF-8 without surrogates";
        break;
    case TValueType::vaWString:
        if (v.bytes.size() % 2 != 0) return "a wide string value holds an odd number of bytes";
        if (v.bytes.size() / 2 > UINT32_MAX) return "a value is longer than 4 GiB";
        break;
    case TValueType::vaSet:
        for (const std::string& n : v.names) {
            std::string p = DocNameProblem(n);
            if (!p.empty()) return "set: " + p;
        }
        break;
    case TValueType::vaCollection:
        for (const TDocItem& item : v.items)
            if (item.order && !IsIntegerCode(item.order->type))
                return "a collection item order must be an int8, int16 or int32 value";
        break;
    default: break;
    }
    return {};
}

std::string DocNameProblem(const std::string& name) {
    if (name.empty()) return "a name cannot be empty (an empty name ends the list)";
    if (name.size() > 255) return "a name is longer than 255 bytes";
    return {};
}

std::string DocRecordProblem(const TDocRecord& r, bool isChild) {
    if (r.flags > 15) return "record flags " + std::to_string(r.flags) + " are more than 15";
    if ((r.flags & kFlagChildPos) != 0 && !r.position) return "a record with flag 2 needs a position";
    if ((r.flags & kFlagChildPos) == 0 && r.position) return "a record has a position without flag 2";
    if (r.position && !IsIntegerCode(r.position->type))
        return "a record position must be an int8, int16 or int32 value";
    if (r.className.size() > 255) return "a class name is longer than 255 bytes";
    if (r.name.size() > 255) return "a component name is longer than 255 bytes";
    if (r.flags == 0) {
        // Without a prefix the length byte of the class name comes first.
        if (r.className.size() >= 0xF0) return "a class name of 240 bytes or more needs record flags";
        if (isChild && r.className.empty()) return "a child record with an empty class name needs record flags";
    }
    return {};
}

std::string DocTopLevelProblem(const TStreamDocument& doc) {
    if (doc.components.empty() && (doc.listEnds != 0 || !doc.trailing.empty()))
        return "a stream without components has no list ends or trailing bytes";
    if (doc.listEnds > kMaxListEnds) return "more than " + std::to_string(kMaxListEnds) + " list ends";
    if (!doc.trailing.empty()) {
        if (doc.trailing[0] == '\0') return "trailing bytes cannot start with a zero byte";
        if (doc.listEnds == 0 && doc.trailing.size() >= 4 &&
            std::memcmp(doc.trailing.data(), kFilerSignature, 4) == 0)
            return "trailing bytes right after the last component cannot start with the signature";
    }
    return {};
}

} // namespace fw
