#include "stream/Json.h"

#include "toolkit/core/Text.h"

#include <algorithm>
#include <charconv>

namespace fw {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Describe(unsigned char c) {
    if (c >= 0x21 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r') return "white space";
    if (c < 0x20 || c == 0x7F) return "a control character";
    return "a non-ASCII character";
}

class TJsonParser {
public:
    TJsonParser(std::string_view text, const TJsonLimits& limits) : FText(text), FLimits(limits) {}

    TJsonValue ParseDocument() {
        if (FText.size() > FLimits.maxBytes)
            Fail("the text is too large (" + std::to_string(FText.size()) + " bytes; at most " +
                 std::to_string(FLimits.maxBytes) + ")");
        if (FText.substr(0, 3) == "\xEF\xBB\xBF") FPos = 3;
        TJsonValue root;
        ParseValue(root, 0);
        SkipWhitespace();
        if (!AtEnd()) Fail("unexpected " + Describe(Peek()) + " after the JSON value");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::string& message) { FailAt(FLine, FColumn, message); }
    [[noreturn]] static void FailAt(int line, int column, const std::string& message) {
        TJsonValue at;
        at.line = line;
        at.column = column;
        JsonFail(at, message);
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    unsigned char Peek() const { return static_cast<unsigned char>(FText[FPos]); }

    // Moves past one byte; columns count characters, so continuation bytes don't.
    void Advance() {
        unsigned char c = Peek();
        ++FPos;
        if (c == '\n') {
            ++FLine;
            FColumn = 1;
        } else if ((c & 0xC0) != 0x80) {
            ++FColumn;
        }
    }

    void SkipWhitespace() {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\n' || Peek() == '\r')) Advance();
    }

    void Expect(char c, const char* what) {
        SkipWhitespace();
        if (AtEnd()) Fail(std::string("unexpected end of text; expected ") + what);
        if (Peek() != static_cast<unsigned char>(c))
            Fail("unexpected " + Describe(Peek()) + "; expected " + what);
        Advance();
    }

    void ParseValue(TJsonValue& out, int depth) {
        SkipWhitespace();
        if (AtEnd()) Fail("unexpected end of text; expected a value");
        out.line = FLine;
        out.column = FColumn;
        if (++FCount > FLimits.maxValues)
            Fail("too many values (at most " + std::to_string(FLimits.maxValues) + ")");
        unsigned char c = Peek();
        if (c == '{' || c == '[') {
            if (depth >= FLimits.maxDepth)
                Fail("nesting is too deep (at most " + std::to_string(FLimits.maxDepth) + " levels)");
            if (c == '{') ParseObject(out, depth + 1);
            else ParseArray(out, depth + 1);
        } else if (c == '"') {
            out.kind = TJsonValue::TKind::String;
            ParseString(out.text);
        } else if (c == '-' || (c >= '0' && c <= '9')) {
            out.kind = TJsonValue::TKind::Number;
            ParseNumber(out.text);
        } else if (c == 't') {
            ParseLiteral("true");
            out.kind = TJsonValue::TKind::True;
        } else if (c == 'f') {
            ParseLiteral("false");
            out.kind = TJsonValue::TKind::False;
        } else if (c == 'n') {
            ParseLiteral("null");
            out.kind = TJsonValue::TKind::Null;
        } else {
            Fail("unexpected " + Describe(c) + "; expected a value");
        }
    }

    void ParseObject(TJsonValue& out, int depth) {
        out.kind = TJsonValue::TKind::Object;
        Advance();
        SkipWhitespace();
        if (!AtEnd() && Peek() == '}') {
            Advance();
            return;
        }
        for (;;) {
            SkipWhitespace();
            if (AtEnd()) Fail("unexpected end of text; expected a member name");
            if (Peek() != '"') Fail("unexpected " + Describe(Peek()) + "; expected a member name in quotes");
            out.keys.emplace_back();
            ParseString(out.keys.back());
            Expect(':', "':'");
            out.items.emplace_back();
            ParseValue(out.items.back(), depth);
            SkipWhitespace();
            if (AtEnd()) Fail("unexpected end of text; expected ',' or '}'");
            if (Peek() == '}') break;
            if (Peek() != ',') Fail("unexpected " + Describe(Peek()) + "; expected ',' or '}'");
            Advance();
        }
        Advance();
        RejectDuplicateKeys(out);
    }

    static void RejectDuplicateKeys(const TJsonValue& obj) {
        if (obj.keys.size() < 2) return;
        std::vector<size_t> order(obj.keys.size());
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return obj.keys[a] < obj.keys[b]; });
        for (size_t i = 1; i < order.size(); ++i)
            if (obj.keys[order[i]] == obj.keys[order[i - 1]])
                JsonFail(obj.items[order[i]], "duplicate member " + QuoteJson(obj.keys[order[i]]));
    }

    void ParseArray(TJsonValue& out, int depth) {
        out.kind = TJsonValue::TKind::Array;
        Advance();
        SkipWhitespace();
        if (!AtEnd() && Peek() == ']') {
            Advance();
            return;
        }
        for (;;) {
            out.items.emplace_back();
            ParseValue(out.items.back(), depth);
            SkipWhitespace();
            if (AtEnd()) Fail("unexpected end of text; expected ',' or ']'");
            if (Peek() == ']') break;
            if (Peek() != ',') Fail("unexpected " + Describe(Peek()) + "; expected ',' or ']'");
            Advance();
        }
        Advance();
    }

    void ParseLiteral(std::string_view word) {
        if (FText.substr(FPos, word.size()) != word) Fail("unexpected " + Describe(Peek()) + "; expected a value");
        for (size_t i = 0; i < word.size(); ++i) Advance();
    }

    void ParseNumber(std::string& out) {
        size_t start = FPos;
        auto digits = [this] {
            size_t n = 0;
            while (!AtEnd() && Peek() >= '0' && Peek() <= '9') {
                Advance();
                ++n;
            }
            return n;
        };
        if (Peek() == '-') Advance();
        if (AtEnd() || Peek() < '0' || Peek() > '9') Fail("malformed number: a digit must follow '-'");
        if (Peek() == '0') Advance();
        else digits();
        if (!AtEnd() && Peek() == '.') {
            Advance();
            if (digits() == 0) Fail("malformed number: a digit must follow '.'");
        }
        if (!AtEnd() && (Peek() == 'e' || Peek() == 'E')) {
            Advance();
            if (!AtEnd() && (Peek() == '+' || Peek() == '-')) Advance();
            if (digits() == 0) Fail("malformed number: the exponent has no digits");
        }
        out.assign(FText.substr(start, FPos - start));
    }

    // Four hex digits after "\u" at FPos; -1 when they are not there.
    int HexQuad(size_t at) const {
        if (FText.size() - at < 4) return -1;
        int v = 0;
        for (size_t k = 0; k < 4; ++k) {
            int d = HexDigit(FText[at + k]);
            if (d < 0) return -1;
            v = v * 16 + d;
        }
        return v;
    }

    void ParseString(std::string& out) {
        int line = FLine, column = FColumn;
        Advance(); // opening quote
        for (;;) {
            if (AtEnd()) FailAt(line, column, "unterminated string");
            unsigned char c = Peek();
            if (c == '"') {
                Advance();
                return;
            }
            if (c == '\\') {
                ParseEscape(out);
            } else if (c < 0x20) {
                Fail("a control character in a string must be written as an escape");
            } else if (c < 0x80) {
                out += static_cast<char>(c);
                Advance();
            } else {
                uint32_t cp;
                size_t len = DecodeUtf8Sequence(FText, FPos, false, cp);
                if (len == 0) Fail("malformed UTF-8 in a string");
                out.append(FText.substr(FPos, len));
                for (size_t k = 0; k < len; ++k) Advance();
            }
        }
    }

    void ParseEscape(std::string& out) {
        Advance(); // backslash
        if (AtEnd()) Fail("unterminated escape");
        char e = static_cast<char>(Peek());
        switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
            int unit = HexQuad(FPos + 1);
            if (unit < 0) Fail("\\u must be followed by four hex digits");
            for (int k = 0; k < 5; ++k) Advance();
            uint32_t cp = static_cast<uint32_t>(unit);
            // A high surrogate escape directly followed by a low one is one character.
            if (cp >= 0xD800 && cp <= 0xDBFF && FText.substr(FPos, 2) == "\\u") {
                int low = HexQuad(FPos + 2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<uint32_t>(low) - 0xDC00);
                    for (int k = 0; k < 6; ++k) Advance();
                }
            }
            AppendUtf8(out, cp);
            return;
        }
        default:
            if (e > 0x20 && e < 0x7F) Fail(std::string("unknown escape \\") + e);
            Fail("unknown escape");
        }
        Advance();
    }

    std::string_view FText;
    const TJsonLimits& FLimits;
    size_t FPos = 0;
    int FLine = 1;
    int FColumn = 1;
    size_t FCount = 0;
};

const char kHexDigits[] = "0123456789ABCDEF";

void AppendEscape(std::string& out, uint32_t unit) {
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(unit >> shift) & 0xF];
}

} // namespace

const TJsonValue* TJsonValue::Find(std::string_view key) const {
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key) return &items[i];
    return nullptr;
}

TJsonValue ParseJson(std::string_view text, const TJsonLimits& limits) {
    return TJsonParser(text, limits).ParseDocument();
}

void JsonFail(const TJsonValue& at, const std::string& message) {
    throw EJsonError("JSON error at line " + std::to_string(at.line) + ", column " + std::to_string(at.column) +
                     ": " + message);
}

const char* JsonKindName(TJsonValue::TKind kind) {
    switch (kind) {
    case TJsonValue::TKind::Null: return "null";
    case TJsonValue::TKind::False:
    case TJsonValue::TKind::True: return "a boolean";
    case TJsonValue::TKind::Number: return "a number";
    case TJsonValue::TKind::String: return "a string";
    case TJsonValue::TKind::Array: return "an array";
    case TJsonValue::TKind::Object: return "an object";
    }
    return "a value";
}

void AppendJsonString(std::string& out, std::string_view text) {
    out += '"';
    size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) AppendEscape(out, c);
                else out += static_cast<char>(c);
            }
            ++i;
            continue;
        }
        uint32_t cp;
        size_t len = DecodeUtf8Sequence(text, i, true, cp);
        if (len == 0) {
            AppendEscape(out, 0xFFFD); // never emit malformed UTF-8
            ++i;
        } else {
            // C1 controls are invisible and surrogates cannot appear raw in UTF-8.
            if (cp <= 0x9F || (cp >= 0xD800 && cp <= 0xDFFF)) AppendEscape(out, cp);
            else out.append(text.substr(i, len));
            i += len;
        }
    }
    out += '"';
}

std::string QuoteJson(std::string_view text) {
    std::string out;
    AppendJsonString(out, text);
    return out;
}

bool JsonToInt64(const TJsonValue& v, int64_t& out) {
    if (v.kind != TJsonValue::TKind::Number) return false;
    if (v.text.find_first_of(".eE") != std::string::npos) return false;
    const char* end = v.text.data() + v.text.size();
    auto r = std::from_chars(v.text.data(), end, out);
    return r.ec == std::errc() && r.ptr == end;
}

} // namespace fw
