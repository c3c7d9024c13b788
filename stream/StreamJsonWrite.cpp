// TStreamDocument -> JSON text. Written directly (no JSON tree) so a large
// stream costs its text and nothing more.
#include "stream/StreamJson.h"

#include "stream/Json.h"
#include "toolkit/core/Text.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace fw {

namespace {

const char* const kTypeNames[] = {"null",   "list",    "int8",       "int16",  "int32",    "extended", "string",
                                  "ident",  "false",   "true",       "binary", "set",      "lstring",  "nil",
                                  "collection", "single", "currency", "date",  "wstring",  "int64",    "utf8"};
static_assert(sizeof(kTypeNames) / sizeof(kTypeNames[0]) == kLastValueType + 1);

std::string CodePageToUtf8(const std::string& bytes) { return Utf16ToUtf8(Cp1252ToUtf16(bytes)); }

std::u16string Utf16FromLE(const std::string& bytes) {
    std::u16string out(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                       (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
    return out;
}

template <typename Float>
void AppendApprox(std::string& out, Float v) {
    if (!std::isfinite(v)) return;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    if (r.ec != std::errc()) return;
    out += ", \"approx\": ";
    out.append(buf, r.ptr);
}

class TJsonOut {
public:
    explicit TJsonOut(std::string& out) : O(out) {}

    void Document(const TStreamDocument& doc) {
        O += "{\n  \"components\": [";
        for (size_t i = 0; i < doc.components.size(); ++i) {
            if (i) O += ',';
            Line(2);
            Record(doc.components[i], 2);
        }
        if (!doc.components.empty()) Line(1);
        O += "],\n  \"listEnds\": " + std::to_string(doc.listEnds);
        if (!doc.trailing.empty()) {
            O += ",\n  \"trailing\": ";
            Hex(doc.trailing);
        }
        O += "\n}\n";
    }

private:
    void Line(int indent) {
        O += '\n';
        O.append(static_cast<size_t>(indent) * 2, ' ');
    }

    void Text(const std::string& utf8) { AppendJsonString(O, utf8); }

    void Hex(const std::string& bytes) {
        static const char digits[] = "0123456789ABCDEF";
        O += '"';
        for (char c : bytes) {
            auto b = static_cast<uint8_t>(c);
            O += digits[b >> 4];
            O += digits[b & 0xF];
        }
        O += '"';
    }

    void Record(const TDocRecord& r, int indent) {
        O += '{';
        if (r.flags != 0) {
            Line(indent + 1);
            O += "\"flags\": " + std::to_string(r.flags) + ',';
        }
        if (r.position) {
            Line(indent + 1);
            O += "\"position\": ";
            Value(*r.position, indent + 1);
            O += ',';
        }
        Line(indent + 1);
        O += "\"class\": ";
        Text(CodePageToUtf8(r.className));
        O += ',';
        Line(indent + 1);
        O += "\"name\": ";
        Text(CodePageToUtf8(r.name));
        O += ',';
        Line(indent + 1);
        O += "\"properties\": ";
        Properties(r.properties, indent + 1);
        O += ',';
        Line(indent + 1);
        O += "\"children\": [";
        for (size_t i = 0; i < r.children.size(); ++i) {
            if (i) O += ',';
            Line(indent + 2);
            Record(r.children[i], indent + 2);
        }
        if (!r.children.empty()) Line(indent + 1);
        O += ']';
        Line(indent);
        O += '}';
    }

    void Properties(const std::vector<TDocProperty>& props, int indent) {
        O += '[';
        for (size_t i = 0; i < props.size(); ++i) {
            if (i) O += ',';
            Line(indent + 1);
            O += '[';
            Text(CodePageToUtf8(props[i].name));
            O += ", ";
            Value(props[i].value, indent + 1);
            O += ']';
        }
        if (!props.empty()) Line(indent);
        O += ']';
    }

    void Value(const TDocValue& v, int indent) {
        // Payload sizes are read below as they are stored; a document built in
        // code may get them wrong.
        std::string problem = DocValueProblem(v, false);
        if (!problem.empty()) throw EConvertError(problem);
        O += "{\"type\": \"";
        O += JsonTypeName(v.type);
        O += '"';
        switch (v.type) {
        case TValueType::vaNull:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil: break;
        case TValueType::vaInt8:
        case TValueType::vaInt16:
        case TValueType::vaInt32: O += ", \"value\": " + std::to_string(v.number); break;
        case TValueType::vaCurrency:
        case TValueType::vaInt64: O += ", \"value\": \"" + std::to_string(v.number) + '"'; break;
        case TValueType::vaExtended: {
            O += ", \"value\": ";
            Hex(v.bytes);
            TExtendedBytes b{};
            std::memcpy(b.data(), v.bytes.data(), b.size());
            AppendApprox(O, ExtendedToLongDouble(b));
            break;
        }
        case TValueType::vaSingle: {
            O += ", \"value\": ";
            Hex(v.bytes);
            uint32_t bits = 0;
            for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(static_cast<uint8_t>(v.bytes[i])) << (8 * i);
            float f;
            std::memcpy(&f, &bits, 4);
            AppendApprox(O, f);
            break;
        }
        case TValueType::vaDate: {
            O += ", \"value\": ";
            Hex(v.bytes);
            uint64_t bits = 0;
            for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(static_cast<uint8_t>(v.bytes[i])) << (8 * i);
            double d;
            std::memcpy(&d, &bits, 8);
            AppendApprox(O, d);
            break;
        }
        case TValueType::vaString:
        case TValueType::vaIdent:
        case TValueType::vaLString:
            O += ", \"value\": ";
            Text(CodePageToUtf8(v.bytes));
            break;
        case TValueType::vaWString:
            O += ", \"value\": ";
            Text(Utf16ToUtf8(Utf16FromLE(v.bytes)));
            break;
        case TValueType::vaUTF8String:
            O += ", \"value\": ";
            Text(v.bytes);
            break;
        case TValueType::vaBinary:
            O += ", \"value\": ";
            Hex(v.bytes);
            break;
        case TValueType::vaSet:
            O += ", \"value\": [";
            for (size_t i = 0; i < v.names.size(); ++i) {
                if (i) O += ", ";
                Text(CodePageToUtf8(v.names[i]));
            }
            O += ']';
            break;
        case TValueType::vaList:
            O += ", \"value\": [";
            for (size_t i = 0; i < v.list.size(); ++i) {
                if (i) O += ',';
                Line(indent + 1);
                Value(v.list[i], indent + 1);
            }
            if (!v.list.empty()) Line(indent);
            O += ']';
            break;
        case TValueType::vaCollection:
            O += ", \"value\": [";
            for (size_t i = 0; i < v.items.size(); ++i) {
                if (i) O += ',';
                Line(indent + 1);
                O += '{';
                if (v.items[i].order) {
                    O += "\"order\": ";
                    Value(*v.items[i].order, indent + 1);
                    O += ", ";
                }
                O += "\"properties\": ";
                Properties(v.items[i].properties, indent + 1);
                O += '}';
            }
            if (!v.items.empty()) Line(indent);
            O += ']';
            break;
        }
        O += '}';
    }

    std::string& O;
};

} // namespace

const char* JsonTypeName(TValueType t) {
    auto i = static_cast<size_t>(t);
    return i <= static_cast<size_t>(kLastValueType) ? kTypeNames[i] : "unknown";
}

bool JsonTypeFromName(std::string_view name, TValueType& t) {
    for (int i = 0; i <= kLastValueType; ++i)
        if (name == kTypeNames[i]) {
            t = static_cast<TValueType>(i);
            return true;
        }
    return false;
}

std::string DocumentToJson(const TStreamDocument& doc) {
    std::string out;
    TJsonOut(out).Document(doc);
    return out;
}

} // namespace fw
