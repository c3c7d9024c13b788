// UTF-8, UTF-16 and code page conversions.
#include "toolkit/core/Text.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(Text, Utf8AndUtf16RoundTripIncludingSurrogatePairs) {
    std::string s = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    std::u16string w = Utf8ToUtf16(s);
    EXPECT_EQ(w, (std::u16string{u'a', 0xE9, 0x20AC, 0xD83D, 0xDE00}));
    EXPECT_EQ(Utf16ToUtf8(w), s);
    EXPECT_TRUE(IsValidUtf8(s));
}

TEST(Text, MalformedUtf8BecomesReplacementAndLoneSurrogatesSurvive) {
    EXPECT_EQ(Utf8ToUtf16("\xFF" "a\xC3"), (std::u16string{0xFFFD, u'a', 0xFFFD}));
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD})) << "overlong forms are refused";
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    std::u16string lone{u'x', 0xD800, u'y', 0xDC01};
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(lone)), lone);
}

TEST(Text, Windows1252MapsEveryByteAndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::u16string w = Cp1252ToUtf16(all);
    ASSERT_EQ(w.size(), 256u);
    EXPECT_EQ(w[0x80], 0x20AC);
    EXPECT_EQ(w[0x9F], 0x0178);
    for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(w[static_cast<size_t>(b)], b) << b;
    EXPECT_EQ(w[0xE9], 0xE9);
    EXPECT_EQ(Utf16ToCp1252(w), all);
    EXPECT_EQ(Utf16ToCp1252(u"\u0416\U0001F600"), "??") << "one '?' per character";
}

TEST(Text, SystemCodePageHoldsLatinText) {
    // Windows-1252 natively; the test machines' Windows code page is the same.
    EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9 \xE2\x82\xAC"), "caf\xE9 \x80");
    EXPECT_EQ(AnsiToUtf8("caf\xE9"), "caf\xC3\xA9");
}

TEST(Text, SameTextFoldsAsciiOnly) {
    EXPECT_TRUE(SameText("Button1", "bUTTON1"));
    EXPECT_FALSE(SameText("Button1", "Button"));
    EXPECT_FALSE(SameText("\xC3\xA9", "\xC3\x89"));
    EXPECT_EQ(UpperCase("abZ1"), "ABZ1");
}
