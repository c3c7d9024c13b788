// The JSON form of stream documents: its layout, text encodings, the "number"
// shorthand for floats, and refusal of every malformed or unstorable input.
#include "StreamDocumentTestUtil.h"

#include "stream/Json.h"
#include "stream/StreamJson.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fwtest;
using VT = TValueType;

namespace {

// A document whose only property is the given VALUE text, on one line.
std::string WithValue(const std::string& value) {
    return R"({"components": [{"class": "T", "name": "", "properties": [["P", )" + value +
           "]]}], \"listEnds\": 0}";
}

std::string ErrorOf(const std::string& json) {
    try {
        DocumentFromJson(json);
    } catch (const EJsonError& e) {
        return e.Message();
    }
    return "(converted)";
}

// The error must name the column where marker starts and contain phrase.
void ExpectErrorAt(const std::string& json, const std::string& marker, const std::string& phrase) {
    size_t at = json.find(marker);
    ASSERT_NE(at, std::string::npos) << marker;
    std::string error = ErrorOf(json);
    EXPECT_EQ(error.rfind("JSON error at line 1, column " + std::to_string(at + 1) + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(phrase), std::string::npos) << error;
}

TDocValue OnlyValue(const std::string& value) { return DocumentFromJson(WithValue(value)).components[0].properties[0].value; }

} // namespace

TEST(FwStreamJson, LayoutIsStable) {
    TDocRecord r = Rec("TPanel", "Panel1");
    r.flags = kFlagInherited | kFlagChildPos;
    r.position = Int8(2);
    TDocValue list = DocSimple(VT::vaList);
    list.list = {Str("a"), DocSimple(VT::vaTrue)};
    TDocValue set = DocSimple(VT::vaSet);
    set.names = {"x", "y"};
    TDocValue coll = DocSimple(VT::vaCollection);
    coll.items.push_back({Int8(1), {{"W", Int8(5)}}});
    r.properties = {{"L", list}, {"S", set}, {"C", coll}, {"E", DocBytes(VT::vaExtended, std::string("\0\0\0\0\0\0\0\x80\xFF\x3F", 10))}};
    r.children.push_back(Rec("TLabel", "L1"));
    TStreamDocument d = OneComponent(r);
    d.listEnds = 1;
    d.trailing = "\xAB";
    EXPECT_EQ(DocumentToJson(d), R"({
  "components": [
    {
      "flags": 3,
      "position": {"type": "int8", "value": 2},
      "class": "TPanel",
      "name": "Panel1",
      "properties": [
        ["L", {"type": "list", "value": [
          {"type": "string", "value": "a"},
          {"type": "true"}
        ]}],
        ["S", {"type": "set", "value": ["x", "y"]}],
        ["C", {"type": "collection", "value": [
          {"order": {"type": "int8", "value": 1}, "properties": [
            ["W", {"type": "int8", "value": 5}]
          ]}
        ]}],
        ["E", {"type": "extended", "value": "0000000000000080FF3F", "approx": 1}]
      ],
      "children": [
        {
          "class": "TLabel",
          "name": "L1",
          "properties": [],
          "children": []
        }
      ]
    }
  ],
  "listEnds": 1,
  "trailing": "AB"
}
)");
    EXPECT_EQ(DocumentToJson(TStreamDocument{}), "{\n  \"components\": [],\n  \"listEnds\": 0\n}\n");
}

TEST(FwStreamJson, CodePageTextIsWindows1252Everywhere) {
    TStreamDocument d = OneComponent(Rec("T\x80", "n\xFF"));
    d.components[0].properties = {{"P\x81", Str("\x80\x8D\xE9")}};
    std::string json = DocumentToJson(d);
    EXPECT_NE(json.find("\"T\xE2\x82\xAC\""), std::string::npos) << json;             // 80 is the euro sign
    EXPECT_NE(json.find("\"\xE2\x82\xAC\\u008D\xC3\xA9\""), std::string::npos) << json; // undefined 8D kept as U+008D
    EXPECT_EQ(DocumentFromJson(json), d);

    ExpectErrorAt(WithValue(R"({"type": "string", "value": "\u0100"})"), R"("\u0100")", "U+0100, which Windows-1252 cannot store");
    ExpectErrorAt(WithValue(R"({"type": "ident", "value": "\uD83D\uDE00"})"), R"("\uD83D)", "U+1F600, which Windows-1252");
}

TEST(FwStreamJson, WideAndUtf8Text) {
    // Unpaired surrogates in UTF-16 survive as escapes; a pair becomes one character.
    TDocValue w = DocBytes(VT::vaWString, std::string("\x00\xD8\x41\x00\x3D\xD8\x00\xDE\x00\xDC", 10));
    TStreamDocument d = OneComponent(Rec("T", ""));
    d.components[0].properties = {{"W", w}};
    std::string json = DocumentToJson(d);
    EXPECT_NE(json.find(R"("\uD800A)" "\xF0\x9F\x98\x80" R"(\uDC00")"), std::string::npos) << json;
    EXPECT_EQ(DocumentFromJson(json), d);

    EXPECT_EQ(OnlyValue(R"({"type": "utf8", "value": "caf\u00e9"})").bytes, "caf\xC3\xA9");
    ExpectErrorAt(WithValue(R"({"type": "utf8", "value": "a\uDC00"})"), R"("a\uDC00")", "unpaired surrogate");
}

TEST(FwStreamJson, FloatsFromNumbers) {
    EXPECT_EQ(OnlyValue(R"({"type": "extended", "number": 1})").bytes, std::string("\0\0\0\0\0\0\0\x80\xFF\x3F", 10));
    EXPECT_EQ(OnlyValue(R"({"type": "extended", "number": -0.5})").bytes, std::string("\0\0\0\0\0\0\0\x80\xFE\xBF", 10));
    EXPECT_EQ(OnlyValue(R"({"type": "single", "number": 1.5, "approx": 7})").bytes, std::string("\0\0\xC0\x3F", 4));
    EXPECT_EQ(OnlyValue(R"({"type": "date", "number": 2})").bytes, std::string("\0\0\0\0\0\0\0\x40", 8));
    EXPECT_EQ(OnlyValue(R"({"type": "date", "value": "000000000000f03f"})").bytes, std::string("\0\0\0\0\0\0\xF0\x3F", 8));

    ExpectErrorAt(WithValue(R"({"type": "single", "number": 1e39})"), "1e39", "out of range");
    ExpectErrorAt(WithValue(R"({"type": "extended", "number": 1e5000})"), "1e5000", "out of range");
    ExpectErrorAt(WithValue(R"({"type": "date", "number": 1, "value": "0000000000000000"})"), R"({"type": "date")",
                  "either \"value\" or \"number\"");
    ExpectErrorAt(WithValue(R"({"type": "single"})"), R"({"type": "single")", "either \"value\" or \"number\"");
    ExpectErrorAt(WithValue(R"({"type": "single", "number": 1, "approx": "x"})"), R"("x")", "must be a number");

    // No "approx" for infinities and NaNs.
    TStreamDocument d = OneComponent(Rec("T", ""));
    d.components[0].properties = {{"Inf", DocBytes(VT::vaExtended, std::string("\0\0\0\0\0\0\0\x80\xFF\x7F", 10))},
                                  {"NaN", DocBytes(VT::vaSingle, std::string("\0\0\xC0\x7F", 4))}};
    std::string json = DocumentToJson(d);
    EXPECT_EQ(json.find("approx"), std::string::npos) << json;
    EXPECT_EQ(DocumentFromJson(json), d);
}

TEST(FwStreamJson, RejectsBadValues) {
    ExpectErrorAt(WithValue(R"({"type": "int8", "value": 128})"), "128", "an int8 value must be an integer from -128 to 127");
    ExpectErrorAt(WithValue(R"({"type": "int8", "value": 1.0})"), "1.0", "must be an integer");
    ExpectErrorAt(WithValue(R"({"type": "int16", "value": -32769})"), "-32769", "from -32768 to 32767");
    ExpectErrorAt(WithValue(R"({"type": "int32", "value": 2147483648})"), "2147483648", "from -2147483648");
    ExpectErrorAt(WithValue(R"({"type": "int64", "value": "9223372036854775808"})"), R"("9223)", "64-bit range");
    ExpectErrorAt(WithValue(R"({"type": "currency", "value": "1.5"})"), R"("1.5")", "decimal integer");
    ExpectErrorAt(WithValue(R"({"type": "int64", "value": 12})"), "12", "must be a string, not a number");
    ExpectErrorAt(WithValue(R"({"type": "binary", "value": "ABC"})"), R"("ABC")", "odd number of hex digits");
    ExpectErrorAt(WithValue(R"({"type": "binary", "value": "0G"})"), R"("0G")", "not a hex digit");
    ExpectErrorAt(WithValue(R"({"type": "extended", "value": "00"})"), R"("00")", "20 hex digits (10 bytes), not 2");
    ExpectErrorAt(WithValue(R"({"type": "int128", "value": 1})"), R"("int128")", "unknown type \"int128\"");
    ExpectErrorAt(WithValue(R"({"value": 1})"), R"({"value")", "has no \"type\"");
    ExpectErrorAt(WithValue(R"({"type": "int8"})"), R"({"type")", "has no \"value\"");
    ExpectErrorAt(WithValue(R"({"type": "nil", "value": 1})"), "1}]", "unknown member \"value\"");
    ExpectErrorAt(WithValue(R"({"type": "string", "value": ")" + std::string(256, 'a') + "\"}"), "\"aaa",
                  "longer than 255 bytes");
    ExpectErrorAt(WithValue(R"({"type": "list", "value": [{"type": "null"}]})"), R"({"type": "null")",
                  "a list cannot hold a null value");
    ExpectErrorAt(WithValue(R"({"type": "set", "value": ["a", ""]})"), R"(""])", "a name cannot be empty");
    ExpectErrorAt(WithValue(R"({"type": "set", "value": "a"})"), R"("a")", "must be an array, not a string");
    ExpectErrorAt(WithValue(R"({"type": "collection", "value": [{"order": {"type": "true"}}]})"), R"({"type": "true")",
                  "\"order\" must be an int8");
    ExpectErrorAt(WithValue("[]"), "[]", "a value must be an object, not an array");
}

TEST(FwStreamJson, RejectsBadRecordsAndDocuments) {
    auto doc = [](const std::string& record, const std::string& rest = R"("listEnds": 0)") {
        return R"({"components": [)" + record + "], " + rest + "}";
    };
    ExpectErrorAt(doc(R"({"class": 5, "name": ""})"), "5,", "\"class\" must be a string, not a number");
    ExpectErrorAt(doc(R"({"class": "T"})"), R"({"class")", "a record has no \"name\"");
    ExpectErrorAt(doc(R"({"class": "T", "name": "", "flag": 1})"), "1}", "unknown member \"flag\" in a record");
    ExpectErrorAt(doc(R"({"flags": 16, "class": "T", "name": ""})"), "16", "\"flags\" must be an integer from 0 to 15");
    ExpectErrorAt(doc(R"({"position": {"type": "int8", "value": 1}, "class": "T", "name": ""})"), R"({"type")",
                  "needs flag 2");
    ExpectErrorAt(doc(R"({"flags": 2, "class": "T", "name": ""})"), R"({"flags")", "needs a \"position\"");
    ExpectErrorAt(doc(R"({"flags": 2, "position": {"type": "string", "value": "1"}, "class": "T", "name": ""})"),
                  R"({"type": "string")", "\"position\" must be an int8");
    ExpectErrorAt(doc(R"({"class": "T", "name": "", "properties": {}})"), "{}", "must be an array, not an object");
    ExpectErrorAt(doc(R"({"class": "T", "name": "", "properties": [["A"]]})"), R"(["A"])", "must be [name, value]");
    ExpectErrorAt(doc(R"({"class": "T", "name": "", "properties": [["", {"type": "nil"}]]})"), R"("", {"type")",
                  "a name cannot be empty");
    ExpectErrorAt(doc(R"({"class": "T", "name": "", "children": [{"class": "", "name": "c"}]})"), R"({"class": "", )",
                  "needs record flags");
    ExpectErrorAt(doc(R"({"class": ")" + std::string(240, 'C') + R"(", "name": ""})"), R"({"class")",
                  "240 bytes or more needs record flags");
    ExpectErrorAt(doc(R"({"class": "T", "name": ""})", R"("listEnds": -1)"), "-1", "\"listEnds\" must be an integer");
    ExpectErrorAt(doc(R"({"class": "T", "name": ""})", R"("listEnds": 0, "trailing": "00")"), "{\"components",
                  "cannot start with a zero byte");
    ExpectErrorAt(R"({"components": [], "listEnds": 1})", "{", "without components");
    ExpectErrorAt(R"({"components": {}, "listEnds": 0})", "{}", "\"components\" must be an array");
    ExpectErrorAt(R"({"listEnds": 0})", "{", "the document has no \"components\"");
    ExpectErrorAt(R"([])", "[]", "the document must be an object");
}

TEST(FwStreamJson, NestingAtTheReaderLimitConvertsAndBeyondIsRefused) {
    // Collections cost the most JSON levels; the record itself is one level.
    auto nested = [](int collections) {
        TDocValue v = DocSimple(VT::vaSet);
        v.names = {"deepest"};
        for (int i = 0; i < collections; ++i) {
            TDocValue c = DocSimple(VT::vaCollection);
            c.items.push_back({Int8(1), {{"P", v}}});
            v = std::move(c);
        }
        TStreamDocument d = OneComponent(Rec("T", ""));
        d.components[0].properties.push_back({"C", v});
        return d;
    };
    TStreamDocument deepest = nested(kMaxNesting - 1);
    EXPECT_EQ(DocumentFromJson(DocumentToJson(deepest)), deepest);

    std::string tooDeep = "{\"type\": \"nil\"}";
    for (int i = 0; i < kMaxNesting; ++i) tooDeep = "{\"type\": \"list\", \"value\": [" + tooDeep + "]}";
    EXPECT_NE(ErrorOf(WithValue(tooDeep)).find("nest more than 200 deep"), std::string::npos);
}
