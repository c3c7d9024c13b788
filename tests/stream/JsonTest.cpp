#include "stream/Json.h"

#include <gtest/gtest.h>

using namespace fw;
using TKind = TJsonValue::TKind;

namespace {

std::string ErrorOf(std::string_view text, const TJsonLimits& limits = {}) {
    try {
        ParseJson(text, limits);
    } catch (const EJsonError& e) {
        return e.Message();
    }
    return "(parsed)";
}

} // namespace

TEST(JsonRead, ValuesAndPositions) {
    TJsonValue v = ParseJson("{\"a\": [1, -2.5e3, true, false, null],\n  \"b\": {\"c\": \"x\"}, \"\": 0}");
    ASSERT_EQ(v.kind, TKind::Object);
    ASSERT_EQ(v.keys, (std::vector<std::string>{"a", "b", ""}));
    const TJsonValue& a = *v.Find("a");
    ASSERT_EQ(a.items.size(), 5u);
    EXPECT_EQ(a.items[1].kind, TKind::Number);
    EXPECT_EQ(a.items[1].text, "-2.5e3");
    EXPECT_EQ(a.items[2].kind, TKind::True);
    EXPECT_EQ(a.items[4].kind, TKind::Null);
    const TJsonValue& c = *v.Find("b")->Find("c");
    EXPECT_EQ(c.text, "x");
    EXPECT_EQ(c.line, 2);
    EXPECT_EQ(c.column, 14);
    EXPECT_EQ(v.Find("zz"), nullptr);
    // Columns count characters, not bytes; a leading byte order mark is skipped.
    EXPECT_EQ(ParseJson("\xEF\xBB\xBF[\"\xC3\xA9\xC3\xA9\", 1]").items[1].column, 8);
}

TEST(JsonRead, StringEscapesAndSurrogates) {
    EXPECT_EQ(ParseJson(R"("\" \\ \/ \b \f \n \r \t \u0041\u00e9\u20AC")").text,
              "\" \\ / \b \f \n \r \t A\xC3\xA9\xE2\x82\xAC");
    EXPECT_EQ(ParseJson(R"("\u0000")").text, std::string(1, '\0'));
    // A pair of escapes is one character; a lone surrogate keeps its own three bytes.
    EXPECT_EQ(ParseJson(R"("\uD83D\uDE00")").text, "\xF0\x9F\x98\x80");
    EXPECT_EQ(ParseJson(R"("\uDBFF\uDFFF\uD800\uDC00")").text, "\xF4\x8F\xBF\xBF\xF0\x90\x80\x80");
    EXPECT_EQ(ParseJson(R"("\uD800x")").text, "\xED\xA0\x80x");
    EXPECT_EQ(ParseJson(R"("\uDC00\uD800")").text, "\xED\xB0\x80\xED\xA0\x80");
    EXPECT_EQ(ParseJson(R"("\uD800\u0041")").text, "\xED\xA0\x80" "A");
}

TEST(JsonRead, RejectsWithPosition) {
    EXPECT_EQ(ErrorOf(""), "JSON error at line 1, column 1: unexpected end of text; expected a value");
    EXPECT_EQ(ErrorOf("{\n  \"a\": 1,\n}"), "JSON error at line 3, column 1: unexpected '}'; expected a member name in quotes");
    EXPECT_EQ(ErrorOf("[1 2]"), "JSON error at line 1, column 4: unexpected '2'; expected ',' or ']'");
    EXPECT_EQ(ErrorOf("[01]"), "JSON error at line 1, column 3: unexpected '1'; expected ',' or ']'");
    EXPECT_EQ(ErrorOf("{\"a\":1,\"a\":2}"), "JSON error at line 1, column 12: duplicate member \"a\"");
    EXPECT_EQ(ErrorOf("\n  \"abc"), "JSON error at line 2, column 3: unterminated string");
    EXPECT_EQ(ErrorOf("1 2"), "JSON error at line 1, column 3: unexpected '2' after the JSON value");

    const char* bad[] = {"[1,]", "{'a':1}", "[.5]", "[1.]", "[1e]", "[-]", "[+1]", "tru", "nul", "[NaN]",
                         "\"a\tb\"", "\"\\x\"", "\"\\u12G4\"", "\"\xC3\"", "\"\xED\xA0\x80\"", "\"\xC0\x80\"",
                         "{\"a\" 1}", "{1:2}", "[", "{\"a\":", "\"\\"};
    for (const char* text : bad) EXPECT_EQ(ErrorOf(text).rfind("JSON error at line 1, column ", 0), 0u) << text;
}

TEST(JsonRead, LimitsBoundHostileText) {
    TJsonLimits limits;
    limits.maxDepth = 3;
    EXPECT_EQ(ErrorOf("[[[1]]]", limits), "(parsed)");
    EXPECT_EQ(ErrorOf("[[[[1]]]]", limits), "JSON error at line 1, column 4: nesting is too deep (at most 3 levels)");
    // Far deeper than the stack could take with the default limit.
    EXPECT_NE(ErrorOf(std::string(1000000, '[')).find("nesting is too deep"), std::string::npos);

    limits = {};
    limits.maxBytes = 8;
    EXPECT_NE(ErrorOf("[1, 2, 3]", limits).find("too large"), std::string::npos);
    limits = {};
    limits.maxValues = 3;
    EXPECT_EQ(ErrorOf("[1, 2]", limits), "(parsed)");
    EXPECT_NE(ErrorOf("[1, 2, 3]", limits).find("too many values"), std::string::npos);
}

TEST(JsonWrite, EscapesWhatMustNotAppearRaw) {
    EXPECT_EQ(QuoteJson("a\"\\\n\x01\x7F"), "\"a\\\"\\\\\\n\\u0001\\u007F\"");
    // C1 controls and lone surrogates as escapes; other characters as they are.
    EXPECT_EQ(QuoteJson("\xC2\x81\xC3\xA9\xED\xA0\x80\xF0\x9F\x98\x80"), "\"\\u0081\xC3\xA9\\uD800\xF0\x9F\x98\x80\"");
    // Malformed input never yields malformed output.
    EXPECT_EQ(QuoteJson("\xFF"), "\"\\uFFFD\"");
    for (std::string s : {std::string("\xED\xB0\x80 x \x1F", 7), std::string("\0\x10", 2)})
        EXPECT_EQ(ParseJson(QuoteJson(s)).text, s);
}

TEST(JsonRead, IntegersAreExact) {
    int64_t n = 0;
    EXPECT_TRUE(JsonToInt64(ParseJson("-9223372036854775808"), n));
    EXPECT_EQ(n, INT64_MIN);
    EXPECT_FALSE(JsonToInt64(ParseJson("9223372036854775808"), n));
    EXPECT_FALSE(JsonToInt64(ParseJson("1.0"), n));
    EXPECT_FALSE(JsonToInt64(ParseJson("1e2"), n));
    EXPECT_FALSE(JsonToInt64(ParseJson("\"1\""), n));
}
