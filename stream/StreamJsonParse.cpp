// JSON text -> TStreamDocument. Every check names the JSON value at fault, and
// the shape rules of the stream itself (StreamDocumentChecks) are applied here
// too, so that whatever converts also writes and reads back the same.
#include "stream/StreamJson.h"

#include "stream/Json.h"
#include "toolkit/core/Text.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace fw {

namespace {

using TKind = TJsonValue::TKind;

bool IsIntegerCode(TValueType t) {
    return t == TValueType::vaInt8 || t == TValueType::vaInt16 || t == TValueType::vaInt32;
}

void Expect(const TJsonValue& v, TKind kind, const char* what) {
    if (v.kind != kind) JsonFail(v, std::string(what) + " must be " + JsonKindName(kind) + ", not " + JsonKindName(v.kind));
}

void CheckProblem(const TJsonValue& at, const std::string& problem) {
    if (!problem.empty()) JsonFail(at, problem);
}

// Rejects members other than the ones allowed, so that misspelt keys are not
// silently dropped.
void CheckKeys(const TJsonValue& obj, std::initializer_list<std::string_view> allowed, const char* what) {
    for (size_t i = 0; i < obj.keys.size(); ++i) {
        bool known = false;
        for (std::string_view a : allowed) known = known || obj.keys[i] == a;
        if (!known) JsonFail(obj.items[i], std::string("unknown member ") + QuoteJson(obj.keys[i]) + " in " + what);
    }
}

const TJsonValue& Need(const TJsonValue& obj, const char* key, const char* what) {
    const TJsonValue* v = obj.Find(key);
    if (!v) JsonFail(obj, std::string(what) + " has no \"" + key + "\"");
    return *v;
}

// Text kept in Windows-1252 bytes; characters the page lacks are refused
// rather than turned into '?'.
std::string CodePageText(const TJsonValue& v, const char* what) {
    Expect(v, TKind::String, what);
    std::u16string text = Utf8ToUtf16(v.text);
    std::string bytes = Utf16ToCp1252(text);
    if (Cp1252ToUtf16(bytes) != text) {
        for (size_t i = 0; i < text.size(); ++i) {
            std::u16string one(1, text[i]);
            if (Cp1252ToUtf16(Utf16ToCp1252(one)) == one) continue;
            uint32_t cp = text[i];
            if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
                cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            JsonFail(v, std::string(what) + " holds " + code + ", which Windows-1252 cannot store");
        }
    }
    return bytes;
}

std::string ShortText(const TJsonValue& v, const char* what) {
    std::string bytes = CodePageText(v, what);
    if (bytes.size() > 255) JsonFail(v, std::string(what) + " is longer than 255 bytes");
    return bytes;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// need < 0: any number of bytes.
std::string HexBytes(const TJsonValue& v, long long need, const char* what) {
    Expect(v, TKind::String, what);
    const std::string& s = v.text;
    if (s.size() % 2 != 0) JsonFail(v, std::string(what) + " has an odd number of hex digits");
    if (need >= 0 && s.size() != static_cast<size_t>(need) * 2)
        JsonFail(v, std::string(what) + " must be " + std::to_string(need * 2) + " hex digits (" +
                        std::to_string(need) + " bytes), not " + std::to_string(s.size()));
    std::string out(s.size() / 2, '\0');
    for (size_t i = 0; i < out.size(); ++i) {
        int hi = HexDigit(s[2 * i]), lo = HexDigit(s[2 * i + 1]);
        if (hi < 0 || lo < 0) JsonFail(v, std::string(what) + " holds a character that is not a hex digit");
        out[i] = static_cast<char>((hi << 4) | lo);
    }
    return out;
}

int64_t IntegerIn(const TJsonValue& v, int64_t lo, int64_t hi, const char* what) {
    int64_t n = 0;
    if (!JsonToInt64(v, n) || n < lo || n > hi)
        JsonFail(v, std::string(what) + " must be an integer from " + std::to_string(lo) + " to " + std::to_string(hi));
    return n;
}

int64_t DecimalString(const TJsonValue& v, const char* what) {
    Expect(v, TKind::String, what);
    const std::string& s = v.text;
    size_t digitsFrom = !s.empty() && s[0] == '-' ? 1 : 0;
    bool digits = s.size() > digitsFrom && s.find_first_not_of("0123456789", digitsFrom) == std::string::npos;
    int64_t n = 0;
    auto r = std::from_chars(s.data(), s.data() + s.size(), n);
    if (!digits || r.ec != std::errc() || r.ptr != s.data() + s.size())
        JsonFail(v, std::string(what) + " must be a decimal integer string within the 64-bit range");
    return n;
}

template <typename Float>
Float NumberAs(const TJsonValue& v, const char* what) {
    Expect(v, TKind::Number, what);
    Float f{};
    auto r = std::from_chars(v.text.data(), v.text.data() + v.text.size(), f);
    if (r.ec != std::errc() || r.ptr != v.text.data() + v.text.size())
        JsonFail(v, std::string(what) + " is out of range for its type");
    return f;
}

// The 10, 4 or 8 stored bytes of a float value, from "value" (hex) or "number".
std::string FloatBytes(const TJsonValue& obj, TValueType type) {
    const TJsonValue* hex = obj.Find("value");
    const TJsonValue* num = obj.Find("number");
    if (const TJsonValue* approx = obj.Find("approx")) Expect(*approx, TKind::Number, "\"approx\"");
    if ((hex != nullptr) == (num != nullptr))
        JsonFail(obj, std::string("a ") + JsonTypeName(type) + " value needs either \"value\" or \"number\"");
    if (type == TValueType::vaExtended) {
        if (hex) return HexBytes(*hex, 10, "an extended value");
        TExtendedBytes b = LongDoubleToExtended(NumberAs<long double>(*num, "an extended number"));
        return std::string(b.begin(), b.end());
    }
    if (type == TValueType::vaSingle) {
        if (hex) return HexBytes(*hex, 4, "a single value");
        float f = NumberAs<float>(*num, "a single number");
        uint32_t bits;
        std::memcpy(&bits, &f, 4);
        std::string bytes;
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>(bits >> (8 * i));
        return bytes;
    }
    if (hex) return HexBytes(*hex, 8, "a date value");
    double d = NumberAs<double>(*num, "a date number");
    uint64_t bits;
    std::memcpy(&bits, &d, 8);
    std::string bytes;
    for (int i = 0; i < 8; ++i) bytes += static_cast<char>(bits >> (8 * i));
    return bytes;
}

class TJsonIn {
public:
    TStreamDocument Document(const TJsonValue& root) {
        Expect(root, TKind::Object, "the document");
        CheckKeys(root, {"components", "listEnds", "trailing"}, "the document");
        TStreamDocument doc;
        const TJsonValue& comps = Need(root, "components", "the document");
        Expect(comps, TKind::Array, "\"components\"");
        for (const TJsonValue& r : comps.items) doc.components.push_back(Record(r, false));
        doc.listEnds = static_cast<uint64_t>(
            IntegerIn(Need(root, "listEnds", "the document"), 0, static_cast<int64_t>(kMaxListEnds), "\"listEnds\""));
        if (const TJsonValue* t = root.Find("trailing")) doc.trailing = HexBytes(*t, -1, "\"trailing\"");
        CheckProblem(root, DocTopLevelProblem(doc));
        return doc;
    }

private:
    // Records, lists and collections nest no deeper than the reader allows.
    struct TLevel {
        TLevel(int& depth, const TJsonValue& at) : FDepth(depth) {
            if (++FDepth > kMaxNesting)
                JsonFail(at, "records, lists and collections nest more than " + std::to_string(kMaxNesting) + " deep");
        }
        ~TLevel() { --FDepth; }
        int& FDepth;
    };

    TDocRecord Record(const TJsonValue& v, bool isChild) {
        TLevel level(FDepth, v);
        Expect(v, TKind::Object, "a record");
        CheckKeys(v, {"flags", "position", "class", "name", "properties", "children"}, "a record");
        TDocRecord r;
        if (const TJsonValue* f = v.Find("flags")) r.flags = static_cast<uint8_t>(IntegerIn(*f, 0, 15, "\"flags\""));
        if (const TJsonValue* p = v.Find("position")) {
            if ((r.flags & kFlagChildPos) == 0) JsonFail(*p, "\"position\" needs flag 2 in \"flags\"");
            r.position = Value(*p, false);
            if (!IsIntegerCode(r.position->type)) JsonFail(*p, "\"position\" must be an int8, int16 or int32 value");
        } else if (r.flags & kFlagChildPos) {
            JsonFail(v, "a record with flag 2 needs a \"position\"");
        }
        r.className = ShortText(Need(v, "class", "a record"), "\"class\"");
        r.name = ShortText(Need(v, "name", "a record"), "\"name\"");
        CheckProblem(v, DocRecordProblem(r, isChild));
        if (const TJsonValue* props = v.Find("properties")) Properties(*props, r.properties);
        if (const TJsonValue* kids = v.Find("children")) {
            Expect(*kids, TKind::Array, "\"children\"");
            for (const TJsonValue& k : kids->items) r.children.push_back(Record(k, true));
        }
        return r;
    }

    void Properties(const TJsonValue& v, std::vector<TDocProperty>& out) {
        Expect(v, TKind::Array, "\"properties\"");
        for (const TJsonValue& pair : v.items) {
            Expect(pair, TKind::Array, "a property");
            if (pair.items.size() != 2) JsonFail(pair, "a property must be [name, value]");
            TDocProperty p;
            p.name = ShortText(pair.items[0], "a property name");
            CheckProblem(pair.items[0], DocNameProblem(p.name));
            p.value = Value(pair.items[1], false);
            out.push_back(std::move(p));
        }
    }

    TDocValue Value(const TJsonValue& v, bool inList) {
        Expect(v, TKind::Object, "a value");
        const TJsonValue& typeName = Need(v, "type", "a value");
        Expect(typeName, TKind::String, "\"type\"");
        TDocValue d;
        if (!JsonTypeFromName(typeName.text, d.type)) JsonFail(typeName, "unknown type " + QuoteJson(typeName.text));
        switch (d.type) {
        case TValueType::vaNull:
        case TValueType::vaFalse:
        case TValueType::vaTrue:
        case TValueType::vaNil: CheckKeys(v, {"type"}, "this value"); break;
        case TValueType::vaExtended:
        case TValueType::vaSingle:
        case TValueType::vaDate:
            CheckKeys(v, {"type", "value", "number", "approx"}, "this value");
            d.bytes = FloatBytes(v, d.type);
            break;
        default: {
            CheckKeys(v, {"type", "value"}, "this value");
            Payload(d, Need(v, "value", "this value"));
        }
        }
        CheckProblem(v, DocValueProblem(d, inList));
        return d;
    }

    // The "value" member of the types that have one, floats aside.
    void Payload(TDocValue& d, const TJsonValue& p) {
        switch (d.type) {
        case TValueType::vaInt8: d.number = IntegerIn(p, INT8_MIN, INT8_MAX, "an int8 value"); break;
        case TValueType::vaInt16: d.number = IntegerIn(p, INT16_MIN, INT16_MAX, "an int16 value"); break;
        case TValueType::vaInt32: d.number = IntegerIn(p, INT32_MIN, INT32_MAX, "an int32 value"); break;
        case TValueType::vaCurrency: d.number = DecimalString(p, "a currency value"); break;
        case TValueType::vaInt64: d.number = DecimalString(p, "an int64 value"); break;
        case TValueType::vaString: d.bytes = ShortText(p, "a string value"); break;
        case TValueType::vaIdent: d.bytes = ShortText(p, "an ident value"); break;
        case TValueType::vaLString: d.bytes = CodePageText(p, "an lstring value"); break;
        case TValueType::vaBinary: d.bytes = HexBytes(p, -1, "a binary value"); break;
        case TValueType::vaUTF8String:
            Expect(p, TKind::String, "a utf8 value");
            if (!IsValidUtf8(p.text)) JsonFail(p, "a utf8 value cannot hold an unpaired surrogate");
            d.bytes = p.text;
            break;
        case TValueType::vaWString: {
            Expect(p, TKind::String, "a wstring value");
            std::u16string w = Utf8ToUtf16(p.text);
            d.bytes.resize(w.size() * 2);
            for (size_t i = 0; i < w.size(); ++i) {
                d.bytes[2 * i] = static_cast<char>(w[i] & 0xFF);
                d.bytes[2 * i + 1] = static_cast<char>(w[i] >> 8);
            }
            break;
        }
        case TValueType::vaSet:
            Expect(p, TKind::Array, "a set value");
            for (const TJsonValue& n : p.items) {
                d.names.push_back(ShortText(n, "a set name"));
                CheckProblem(n, DocNameProblem(d.names.back()));
            }
            break;
        case TValueType::vaList: {
            Expect(p, TKind::Array, "a list value");
            TLevel level(FDepth, p);
            for (const TJsonValue& item : p.items) d.list.push_back(Value(item, true));
            break;
        }
        case TValueType::vaCollection: {
            Expect(p, TKind::Array, "a collection value");
            TLevel level(FDepth, p);
            for (const TJsonValue& item : p.items) d.items.push_back(CollectionItem(item));
            break;
        }
        default: break; // no payload, or handled by the caller
        }
    }

    TDocItem CollectionItem(const TJsonValue& v) {
        Expect(v, TKind::Object, "a collection item");
        CheckKeys(v, {"order", "properties"}, "a collection item");
        TDocItem item;
        if (const TJsonValue* o = v.Find("order")) {
            item.order = Value(*o, false);
            if (!IsIntegerCode(item.order->type)) JsonFail(*o, "\"order\" must be an int8, int16 or int32 value");
        }
        if (const TJsonValue* props = v.Find("properties")) Properties(*props, item.properties);
        return item;
    }

    int FDepth = 0;
};

} // namespace

TStreamDocument DocumentFromJson(std::string_view json) {
    TJsonLimits limits;
    // Deep enough for every document the stream reader accepts: a nested
    // collection costs five JSON levels.
    limits.maxDepth = 6 * kMaxNesting;
    return TJsonIn().Document(ParseJson(json, limits));
}

} // namespace fw
