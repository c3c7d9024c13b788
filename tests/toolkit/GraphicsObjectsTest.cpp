// Fonts, pens and brushes: the handle always matches the values, changes are
// announced once, invalid values are refused.
#include "GraphicsTestSupport.h"
#include "toolkit/win/graphics/Brush.h"
#include "toolkit/win/graphics/Font.h"
#include "toolkit/win/graphics/Pen.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace gfxtest;

namespace {
template <class L> L Logical(HGDIOBJ h) {
    L l{};
    EXPECT_EQ(GetObjectW(h, sizeof l, &l), static_cast<int>(sizeof l));
    return l;
}
} // namespace

TEST(Font, HandleFollowsTheValues) {
    TFont f;
    EXPECT_FALSE(f.HandleAllocated());
    HFONT first = f.Handle();
    EXPECT_EQ(f.Handle(), first) << "made once";
    LOGFONTW lf = Logical<LOGFONTW>(first);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"Tahoma");

    f.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    f.SetName("Courier New");
    f.SetCharset(RUSSIAN_CHARSET);
    f.SetPitch(fpFixed);
    f.SetSize(12);
    HFONT second = f.Handle();
    EXPECT_EQ(GetObjectType(first), 0u) << "the old font is deleted";
    lf = Logical<LOGFONTW>(second);
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic && lf.lfUnderline && lf.lfStrikeOut);
    EXPECT_EQ(lf.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"Courier New");
    f.SetColor(clRed);
    EXPECT_EQ(f.Handle(), second) << "the colour is the canvas's, not the HFONT's";

    // The face name field holds 31 UTF-16 units; a surrogate pair is not split.
    f.SetName(std::string(30, 'B') + "\xF0\x9F\x98\x80");
    EXPECT_EQ(std::wstring(Logical<LOGFONTW>(f.Handle()).lfFaceName), std::wstring(30, L'B'));
}

TEST(Font, SizeIsHeightInPoints) {
    TFont f;
    for (auto [height, size] : {std::pair{-11, 8}, {-13, 10}, {-15, 11}, {-16, 12}, {-32, 24}}) {
        f.SetHeight(height);
        EXPECT_EQ(f.Size(), size) << height;
        f.SetSize(size);
        EXPECT_EQ(f.Height(), height) << size;
    }
    f.SetPixelsPerInch(120);
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -13);
    EXPECT_EQ(MessageOf([&] { f.SetPixelsPerInch(0); }), "Invalid property value");
}

TEST(Font, ChangesAreAnnouncedOnceAndOnlyWhenSomethingChanged) {
    TFont f, other;
    int calls = 0;
    f.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &f);
        ++calls;
    };
    f.SetHeight(-11);
    f.SetName("Tahoma");
    EXPECT_EQ(calls, 0);
    other.SetName("Arial");
    other.SetStyle({fsBold});
    other.SetColor(clBlue);
    f.Assign(&other);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(f.Name(), "Arial");
    EXPECT_TRUE(f.Style() == TFontStyles{fsBold});
    EXPECT_EQ(f.Color(), clBlue);
    f.Assign(&other);
    EXPECT_EQ(calls, 1);

    // A listener asking for the handle already gets one with the new values.
    HFONT seen = nullptr;
    f.OnChange = [&](TObject*) { seen = f.Handle(); };
    f.SetHeight(-30);
    EXPECT_EQ(Logical<LOGFONTW>(seen).lfHeight, -30);
    EXPECT_EQ(f.Handle(), seen);

    EXPECT_EQ(MessageOf([&] { f.SetCharset(256); }), "Invalid property value");
    TPen pen;
    EXPECT_EQ(MessageOf([&] { f.Assign(&pen); }), "Cannot assign a TPen to a TFont");
}

TEST(Pen, HandleFollowsColourStyleAndWidth) {
    TPen p;
    HPEN first = p.Handle();
    p.SetColor(clBtnShadow);
    p.SetWidth(3);
    p.SetStyle(psDash);
    HPEN second = p.Handle();
    EXPECT_NE(second, first);
    LOGPEN lp = Logical<LOGPEN>(second);
    EXPECT_EQ(lp.lopnColor, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    p.SetStyle(psClear);
    EXPECT_EQ(Logical<LOGPEN>(p.Handle()).lopnStyle, static_cast<UINT>(PS_NULL));

    HPEN kept = p.Handle();
    p.SetMode(pmXor); // a DC setting
    EXPECT_EQ(p.Handle(), kept);
    EXPECT_EQ(MessageOf([&] { p.SetWidth(-1); }), "Invalid property value");
    TPen copy;
    copy.Assign(&p);
    EXPECT_EQ(copy.Mode(), pmXor);
    EXPECT_EQ(copy.Color(), clBtnShadow);
    EXPECT_EQ(copy.Width(), 3);
}

TEST(Brush, HandleFollowsColourAndStyleAndClearStaysClearOnlyWhenAssigned) {
    TBrush b;
    HBRUSH first = b.Handle();
    b.SetColor(clInfoBk);
    EXPECT_NE(b.Handle(), first);
    EXPECT_EQ(Logical<LOGBRUSH>(b.Handle()).lbColor, GetSysColor(COLOR_INFOBK));
    b.SetStyle(bsDiagCross);
    LOGBRUSH lb = Logical<LOGBRUSH>(b.Handle());
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
    EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_DIAGCROSS));
    b.SetStyle(bsClear);
    EXPECT_EQ(Logical<LOGBRUSH>(b.Handle()).lbStyle, static_cast<UINT>(BS_HOLLOW));
    b.SetColor(b.Color());
    EXPECT_EQ(b.Style(), bsSolid) << "giving a clear brush a colour makes it solid";

    TBrush clear;
    clear.SetColor(clRed);
    clear.SetStyle(bsClear);
    int calls = 0;
    b.OnChange = [&](TObject*) { ++calls; };
    b.Assign(&clear);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(b.Style(), bsClear);
    EXPECT_EQ(b.Color(), clRed);
}
