// Colour, cursor and character-set identifiers: every identifier maps to one
// value and back, system colours follow the system, text forms parse.
#include "GraphicsTestSupport.h"
#include "toolkit/core/Text.h"
#include "toolkit/win/Charsets.h"
#include "toolkit/win/Colors.h"
#include "toolkit/win/Cursors.h"

#include <gtest/gtest.h>

#include <set>

using namespace fw;
using namespace gfxtest;

namespace {

// Each identifier gives its value and each value its identifier.
void ExpectBijective(const TIdentMap& map) {
    std::set<int32_t> values;
    std::set<std::string> idents;
    for (const auto& [value, ident] : map.Entries()) {
        EXPECT_TRUE(values.insert(value).second) << "value used twice: " << value;
        EXPECT_TRUE(idents.insert(UpperCase(ident)).second) << "identifier used twice: " << ident;
        int32_t back = 0;
        std::string name;
        ASSERT_TRUE(map.IdentToInt(ident, back)) << ident;
        EXPECT_EQ(back, value) << ident;
        ASSERT_TRUE(map.IntToIdent(value, name));
        EXPECT_EQ(name, ident);
    }
}

} // namespace

TEST(ColorIdents, EveryIdentifierRoundTrips) {
    ExpectBijective(ColorIdents());
    EXPECT_EQ(ColorType().Name, "TColor");
    EXPECT_EQ(ColorType().Kind, TTypeKind::tkInteger);
    EXPECT_EQ(ColorType().IdentMap, &ColorIdents());
    // The values the stream format fixes.
    EXPECT_EQ(clBtnFace, -16777201);
    EXPECT_EQ(ColorToString(-16777201), "clBtnFace");
    EXPECT_EQ(StringToColor("clBtnFace"), -16777201);
    EXPECT_EQ(StringToColor("CLBTNFACE"), clBtnFace);
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(clRed, 0x0000FF);
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(clDefault, 0x20000000);
    EXPECT_EQ(ColorToString(clNone), "clNone");
    EXPECT_EQ(ColorToString(clDefault), "clDefault");
    const char* systemNames[] = {"clScrollBar", "clBackground", "clActiveCaption", "clInactiveCaption",
                                 "clMenu", "clWindow", "clWindowFrame", "clMenuText", "clWindowText",
                                 "clCaptionText", "clActiveBorder", "clInactiveBorder", "clAppWorkSpace",
                                 "clHighlight", "clHighlightText", "clBtnFace", "clBtnShadow", "clGrayText",
                                 "clBtnText", "clInactiveCaptionText", "clBtnHighlight", "cl3DDkShadow",
                                 "cl3DLight", "clInfoText", "clInfoBk"};
    for (int i = 0; i < 25; ++i) EXPECT_EQ(StringToColor(systemNames[i]), static_cast<TColor>(0xFF000000u | i));
}

TEST(ColorIdents, NumbersWithoutIdentifierUseHexText) {
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(StringToColor("$00123456"), 0x123456);
    EXPECT_EQ(StringToColor("0x80000005"), static_cast<TColor>(0x80000005u));
    EXPECT_EQ(StringToColor("-16777201"), clBtnFace);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_EQ(StringToColor("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "$", "0x", "-", "clNoSuchColour", "12a", "$123456789", "2147483648", "0xG"})
        EXPECT_EQ(MessageOf([&] { StringToColor(bad); }), std::string("'") + bad + "' is not a valid colour") << bad;
}

TEST(ColorToRGB, SystemColoursFollowTheSystemAndOthersLoseTheHighByte) {
    for (int i = COLOR_SCROLLBAR; i <= COLOR_INFOBK; ++i)
        EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF000000u | i)), GetSysColor(i)) << "index " << i;
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
    EXPECT_EQ(ColorToRGB(0x02123456), 0x123456u);
    EXPECT_TRUE(IsSystemColor(clInfoBk));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_FALSE(IsSystemColor(clNone));
}

TEST(CursorIdents, IdentifiersRoundTripAndShapesExist) {
    ExpectBijective(CursorIdents());
    EXPECT_EQ(CursorType().Name, "TCursor");
    EXPECT_EQ(CursorIdents().Entries().size(), 23u);
    int32_t v = 0;
    ASSERT_TRUE(CursorIdents().IdentToInt("crHandPoint", v));
    EXPECT_EQ(v, -21);
    ASSERT_TRUE(CursorIdents().IdentToInt("crSizeAll", v));
    EXPECT_EQ(v, -22);
    EXPECT_EQ(CursorHandle(crNone), nullptr);
    EXPECT_EQ(CursorHandle(crDefault), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(CursorHandle(crIBeam), LoadCursorW(nullptr, IDC_IBEAM));
    EXPECT_EQ(CursorHandle(crHourGlass), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(CursorHandle(crSizeWE), LoadCursorW(nullptr, IDC_SIZEWE));
    EXPECT_EQ(CursorHandle(12345), LoadCursorW(nullptr, IDC_ARROW)) << "unknown ids show the arrow";
    for (const auto& [id, name] : CursorIdents().Entries()) {
        if (id != crNone) {
            EXPECT_NE(CursorHandle(id), nullptr) << name;
        }
    }
}

TEST(CharsetIdents, IdentifiersRoundTrip) {
    ExpectBijective(CharsetIdents());
    EXPECT_EQ(CharsetType().Name, "TFontCharset");
    int32_t v = -1;
    ASSERT_TRUE(CharsetIdents().IdentToInt("DEFAULT_CHARSET", v));
    EXPECT_EQ(v, DEFAULT_CHARSET);
    ASSERT_TRUE(CharsetIdents().IdentToInt("RUSSIAN_CHARSET", v));
    EXPECT_EQ(v, RUSSIAN_CHARSET);
    for (const auto& [value, name] : CharsetIdents().Entries()) {
        EXPECT_GE(value, 0);
        EXPECT_LE(value, 255);
    }
}
