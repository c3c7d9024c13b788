// Colour, cursor and character-set identifiers: every identifier maps to one
// value and back, system colours follow the system, text forms parse.
#include "GraphicsTestSupport.h"
#include "toolkit/core/Text.h"
#include "toolkit/win/graphics/Charsets.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/window/Cursors.h"

#include <gtest/gtest.h>

#include <set>

using namespace fw;
using namespace gfxtest;

namespace {
void ExpectBijective(const TIdentMap& map, const TTypeInfo& type, const char* typeName) {
    EXPECT_EQ(type.Name, typeName);
    EXPECT_EQ(type.IdentMap, &map);
    std::set<int32_t> values;
    std::set<std::string> idents;
    for (const auto& [value, ident] : map.Entries()) {
        EXPECT_TRUE(values.insert(value).second) << "value used twice: " << value;
        EXPECT_TRUE(idents.insert(UpperCase(ident)).second) << "identifier used twice: " << ident;
        int32_t back = 0;
        std::string name;
        EXPECT_TRUE(map.IdentToInt(ident, back) && back == value) << ident;
        EXPECT_TRUE(map.IntToIdent(value, name) && name == ident) << ident;
    }
}
} // namespace

TEST(Identifiers, EachMapsOneValueBothWays) {
    ExpectBijective(ColorIdents(), ColorType(), "TColor");
    ExpectBijective(CursorIdents(), CursorType(), "TCursor");
    ExpectBijective(CharsetIdents(), CharsetType(), "TFontCharset");
    EXPECT_EQ(CursorIdents().Entries().size(), 23u);
    EXPECT_GE(ColorIdents().Entries().size(), 43u);
}

TEST(Colors, StreamValuesAndTextForms) {
    EXPECT_EQ(ColorToString(-16777201), "clBtnFace");
    EXPECT_EQ(StringToColor("CLBTNFACE"), -16777201);
    EXPECT_EQ(StringToColor("clInfoBk"), static_cast<TColor>(0xFF000018));
    EXPECT_EQ(StringToColor("clRed"), 0x0000FF);
    EXPECT_EQ(ColorToString(0x1FFFFFFF), "clNone");
    EXPECT_EQ(ColorToString(0x20000000), "clDefault");
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(StringToColor("$00123456"), 0x123456);
    EXPECT_EQ(StringToColor("0x80000005"), static_cast<TColor>(0x80000005u));
    EXPECT_EQ(StringToColor("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "$", "0x", "-", "clNoSuchColour", "12a", "$123456789", "2147483648"})
        EXPECT_EQ(MessageOf([&] { StringToColor(bad); }), std::string("'") + bad + "' is not a valid colour");
}

TEST(Colors, SystemColoursFollowTheSystem) {
    for (int i = COLOR_SCROLLBAR; i <= COLOR_INFOBK; ++i)
        EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF000000u | i)), GetSysColor(i)) << "index " << i;
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(0x02123456), 0x123456u);
}

TEST(Cursors, EveryIdHasAShape) {
    EXPECT_EQ(CursorHandle(crNone), nullptr);
    EXPECT_EQ(CursorHandle(crDefault), LoadCursorW(nullptr, IDC_ARROW));
    EXPECT_EQ(CursorHandle(crIBeam), LoadCursorW(nullptr, IDC_IBEAM));
    EXPECT_EQ(CursorHandle(crHourGlass), LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(CursorHandle(12345), LoadCursorW(nullptr, IDC_ARROW));
    for (const auto& [id, name] : CursorIdents().Entries()) {
        if (id != crNone) {
            EXPECT_NE(CursorHandle(id), nullptr) << name;
        }
    }
}
