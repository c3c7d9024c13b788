// Fonts, pens and brushes: the handle always matches the values, changes are
// announced once, invalid values are refused.
#include "GraphicsTestSupport.h"
#include "toolkit/win/Brush.h"
#include "toolkit/win/Font.h"
#include "toolkit/win/Pen.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace gfxtest;

namespace {

LOGFONTW FontOf(HFONT h) {
    LOGFONTW lf{};
    EXPECT_EQ(GetObjectW(h, sizeof lf, &lf), static_cast<int>(sizeof lf));
    return lf;
}
LOGPEN PenOf(HPEN h) {
    LOGPEN lp{};
    EXPECT_EQ(GetObjectW(h, sizeof lp, &lp), static_cast<int>(sizeof lp));
    return lp;
}
LOGBRUSH BrushOf(HBRUSH h) {
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectW(h, sizeof lb, &lb), static_cast<int>(sizeof lb));
    return lb;
}

struct Counter {
    int calls = 0;
    TObject* sender = nullptr;
    TChangeHandler Handler() {
        return [this](TObject* s) {
            ++calls;
            sender = s;
        };
    }
};

} // namespace

TEST(Font, DefaultsAndHandleFollowTheValues) {
    TFont f;
    EXPECT_EQ(f.Name(), "Tahoma");
    EXPECT_EQ(f.Height(), -11);
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Color(), clWindowText);
    EXPECT_EQ(f.Charset(), DEFAULT_CHARSET);
    EXPECT_EQ(f.Pitch(), fpDefault);
    EXPECT_TRUE(f.Style().Empty());
    EXPECT_FALSE(f.HandleAllocated());

    HFONT first = f.Handle();
    EXPECT_EQ(f.Handle(), first) << "made once";
    LOGFONTW lf = FontOf(first);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"Tahoma");
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);

    f.SetStyle({fsBold, fsItalic, fsUnderline, fsStrikeOut});
    f.SetName("Courier New");
    f.SetCharset(RUSSIAN_CHARSET);
    f.SetPitch(fpFixed);
    f.SetSize(12);
    EXPECT_EQ(f.Height(), -16);
    HFONT second = f.Handle();
    EXPECT_NE(second, first);
    EXPECT_EQ(GetObjectType(first), 0u) << "the old font is deleted";
    lf = FontOf(second);
    EXPECT_EQ(lf.lfHeight, -16);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic && lf.lfUnderline && lf.lfStrikeOut);
    EXPECT_EQ(lf.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(lf.lfPitchAndFamily & 3, FIXED_PITCH);
    EXPECT_EQ(std::wstring(lf.lfFaceName), L"Courier New");

    // The colour is drawn by the canvas, not held in the HFONT.
    f.SetColor(clRed);
    EXPECT_EQ(f.Handle(), second);
}

TEST(Font, SizeAndHeightAreOneValue) {
    TFont f;
    struct Case { int32_t height, size; };
    for (Case c : {Case{-11, 8}, Case{-13, 10}, Case{-16, 12}, Case{-15, 11}, Case{-12, 9}, Case{-32, 24}}) {
        f.SetHeight(c.height);
        EXPECT_EQ(f.Size(), c.size) << c.height;
        f.SetSize(c.size);
        EXPECT_EQ(f.Size(), c.size);
    }
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -11);
    f.SetPixelsPerInch(120);
    EXPECT_EQ(f.Size(), 7);
    f.SetSize(8);
    EXPECT_EQ(f.Height(), -13);
    EXPECT_EQ(MessageOf([&] { f.SetPixelsPerInch(0); }), "Invalid property value");
}

TEST(Font, LongFaceNamesAreCutForTheSystem) {
    TFont f;
    // 30 letters, then a character outside the BMP straddling the 31-unit limit.
    const std::string name = std::string(30, 'B') + "\xF0\x9F\x98\x80";
    f.SetName(name);
    EXPECT_EQ(f.Name(), name);
    EXPECT_EQ(std::wstring(FontOf(f.Handle()).lfFaceName), std::wstring(30, L'B'));
    f.SetName(std::string(40, 'A'));
    EXPECT_EQ(std::wstring(FontOf(f.Handle()).lfFaceName), std::wstring(31, L'A'));
}

TEST(Font, ChangesAreAnnouncedOnceAndOnlyWhenSomethingChanged) {
    TFont f;
    Counter n;
    f.OnChange = n.Handler();
    f.SetHeight(-11);
    f.SetName("Tahoma");
    EXPECT_EQ(n.calls, 0);
    f.SetHeight(-20);
    EXPECT_EQ(n.calls, 1);
    EXPECT_EQ(n.sender, &f);

    TFont other;
    other.SetName("Arial");
    other.SetStyle({fsBold});
    other.SetColor(clBlue);
    other.SetCharset(SYMBOL_CHARSET);
    n.calls = 0;
    f.Assign(&other);
    EXPECT_EQ(n.calls, 1);
    EXPECT_EQ(f.Name(), "Arial");
    EXPECT_EQ(f.Height(), -11);
    EXPECT_TRUE(f.Style() == TFontStyles{fsBold});
    EXPECT_EQ(f.Color(), clBlue);
    EXPECT_EQ(f.Charset(), SYMBOL_CHARSET);
    f.Assign(&other);
    EXPECT_EQ(n.calls, 1) << "assigning equal values changes nothing";

    // A listener asking for the handle gets one that matches the new values.
    HFONT seen = nullptr;
    f.OnChange = [&](TObject*) { seen = f.Handle(); };
    f.SetHeight(-30);
    EXPECT_EQ(FontOf(seen).lfHeight, -30);
    EXPECT_EQ(f.Handle(), seen);

    EXPECT_EQ(MessageOf([&] { f.SetCharset(256); }), "Invalid property value");
    EXPECT_EQ(MessageOf([&] { f.SetCharset(-1); }), "Invalid property value");
    TPen pen;
    EXPECT_EQ(MessageOf([&] { f.Assign(&pen); }), "Cannot assign a TPen to a TFont");
}

TEST(Pen, HandleFollowsColourStyleAndWidth) {
    TPen p;
    EXPECT_EQ(p.Color(), clBlack);
    EXPECT_EQ(p.Mode(), pmCopy);
    EXPECT_EQ(p.Style(), psSolid);
    EXPECT_EQ(p.Width(), 1);
    HPEN first = p.Handle();
    LOGPEN lp = PenOf(first);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_EQ(lp.lopnWidth.x, 1);
    EXPECT_EQ(lp.lopnColor, 0u);

    Counter n;
    p.OnChange = n.Handler();
    p.SetColor(clBtnShadow);
    p.SetWidth(3);
    p.SetStyle(psDash);
    EXPECT_EQ(n.calls, 3);
    HPEN second = p.Handle();
    EXPECT_NE(second, first);
    lp = PenOf(second);
    EXPECT_EQ(lp.lopnColor, GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));

    const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    p.SetWidth(1);
    for (int s = psSolid; s <= psInsideFrame; ++s) {
        p.SetStyle(static_cast<TPenStyle>(s));
        EXPECT_EQ(PenOf(p.Handle()).lopnStyle, static_cast<UINT>(styles[s])) << s;
    }

    // The mode is set on the DC, so the pen stays.
    HPEN kept = p.Handle();
    p.SetMode(pmXor);
    EXPECT_EQ(p.Handle(), kept);
    EXPECT_EQ(MessageOf([&] { p.SetWidth(-1); }), "Invalid property value");

    TPen copy;
    copy.Assign(&p);
    EXPECT_EQ(copy.Mode(), pmXor);
    EXPECT_EQ(copy.Style(), p.Style());
    EXPECT_EQ(copy.Color(), clBtnShadow);
}

TEST(Pen, EveryModeHasItsRasterOperation) {
    const int expected[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,        R2_COPYPEN,
                            R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,  R2_MERGENOTPEN, R2_MASKNOTPEN,
                            R2_MERGEPEN,    R2_NOTMERGEPEN, R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,
                            R2_NOTXORPEN};
    for (int m = pmBlack; m <= pmNotXor; ++m) EXPECT_EQ(PenModeToRop2(static_cast<TPenMode>(m)), expected[m]) << m;
}

TEST(Brush, HandleFollowsColourAndStyle) {
    TBrush b;
    EXPECT_EQ(b.Color(), clWhite);
    EXPECT_EQ(b.Style(), bsSolid);
    LOGBRUSH lb = BrushOf(b.Handle());
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(lb.lbColor, 0xFFFFFFu);

    HBRUSH first = b.Handle();
    b.SetColor(clInfoBk);
    EXPECT_NE(b.Handle(), first);
    EXPECT_EQ(BrushOf(b.Handle()).lbColor, GetSysColor(COLOR_INFOBK));

    const int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
    for (int s = bsHorizontal; s <= bsDiagCross; ++s) {
        b.SetStyle(static_cast<TBrushStyle>(s));
        lb = BrushOf(b.Handle());
        EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_HATCHED));
        EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(hatches[s - bsHorizontal]));
    }
    b.SetStyle(bsClear);
    EXPECT_EQ(BrushOf(b.Handle()).lbStyle, static_cast<UINT>(BS_HOLLOW));
    // Giving a clear brush a colour, even its own, makes it solid.
    b.SetColor(b.Color());
    EXPECT_EQ(b.Style(), bsSolid);

    TBrush clear;
    clear.SetColor(clRed);
    clear.SetStyle(bsClear);
    Counter n;
    b.OnChange = n.Handler();
    b.Assign(&clear);
    EXPECT_EQ(n.calls, 1);
    EXPECT_EQ(b.Style(), bsClear) << "assigning keeps a clear brush clear";
    EXPECT_EQ(b.Color(), clRed);
}
