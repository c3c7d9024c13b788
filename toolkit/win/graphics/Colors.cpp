#include "toolkit/win/graphics/Colors.h"

#include "toolkit/core/Exception.h"

#include <cstdio>

namespace fw {

const TIdentMap& ColorIdents() {
    static const TIdentMap map{
        {clBlack, "clBlack"},
        {clMaroon, "clMaroon"},
        {clGreen, "clGreen"},
        {clOlive, "clOlive"},
        {clNavy, "clNavy"},
        {clPurple, "clPurple"},
        {clTeal, "clTeal"},
        {clGray, "clGray"},
        {clSilver, "clSilver"},
        {clRed, "clRed"},
        {clLime, "clLime"},
        {clYellow, "clYellow"},
        {clBlue, "clBlue"},
        {clFuchsia, "clFuchsia"},
        {clAqua, "clAqua"},
        {clWhite, "clWhite"},
        {clMoneyGreen, "clMoneyGreen"},
        {clSkyBlue, "clSkyBlue"},
        {clCream, "clCream"},
        {clMedGray, "clMedGray"},
        {clScrollBar, "clScrollBar"},
        {clBackground, "clBackground"},
        {clActiveCaption, "clActiveCaption"},
        {clInactiveCaption, "clInactiveCaption"},
        {clMenu, "clMenu"},
        {clWindow, "clWindow"},
        {clWindowFrame, "clWindowFrame"},
        {clMenuText, "clMenuText"},
        {clWindowText, "clWindowText"},
        {clCaptionText, "clCaptionText"},
        {clActiveBorder, "clActiveBorder"},
        {clInactiveBorder, "clInactiveBorder"},
        {clAppWorkSpace, "clAppWorkSpace"},
        {clHighlight, "clHighlight"},
        {clHighlightText, "clHighlightText"},
        {clBtnFace, "clBtnFace"},
        {clBtnShadow, "clBtnShadow"},
        {clGrayText, "clGrayText"},
        {clBtnText, "clBtnText"},
        {clInactiveCaptionText, "clInactiveCaptionText"},
        {clBtnHighlight, "clBtnHighlight"},
        {cl3DDkShadow, "cl3DDkShadow"},
        {cl3DLight, "cl3DLight"},
        {clInfoText, "clInfoText"},
        {clInfoBk, "clInfoBk"},
        {clHotLight, "clHotLight"},
        {clGradientActiveCaption, "clGradientActiveCaption"},
        {clGradientInactiveCaption, "clGradientInactiveCaption"},
        {clMenuHighlight, "clMenuHighlight"},
        {clMenuBar, "clMenuBar"},
        {clNone, "clNone"},
        {clDefault, "clDefault"},
    };
    return map;
}

const TTypeInfo& ColorType() {
    static const TTypeInfo type = MakeIntegerType("TColor", &ColorIdents());
    return type;
}

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
    return static_cast<COLORREF>(color) & 0x00FFFFFFu;
}

std::string ColorToString(TColor color) {
    std::string ident;
    if (ColorIdents().IntToIdent(color, ident)) return ident;
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%.8X", static_cast<unsigned>(color));
    return buf;
}

namespace {

// Digits of one base, at most 32 bits of value; false on anything else.
bool ParseDigits(std::string_view s, unsigned base, uint64_t limit, uint64_t& out) {
    if (s.empty()) return false;
    uint64_t v = 0;
    for (char c : s) {
        unsigned d;
        if (c >= '0' && c <= '9') d = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f') d = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F') d = static_cast<unsigned>(c - 'A' + 10);
        else return false;
        if (d >= base) return false;
        v = v * base + d;
        if (v > limit) return false;
    }
    out = v;
    return true;
}

} // namespace

TColor StringToColor(std::string_view text) {
    int32_t value;
    if (ColorIdents().IdentToInt(text, value)) return value;
    std::string_view s = text;
    uint64_t v;
    if (s.size() > 1 && s[0] == '$') {
        if (ParseDigits(s.substr(1), 16, 0xFFFFFFFFu, v)) return static_cast<TColor>(static_cast<uint32_t>(v));
    } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        if (ParseDigits(s.substr(2), 16, 0xFFFFFFFFu, v)) return static_cast<TColor>(static_cast<uint32_t>(v));
    } else {
        bool negative = !s.empty() && s[0] == '-';
        if (negative) s.remove_prefix(1);
        if (ParseDigits(s, 10, negative ? 0x80000000u : 0x7FFFFFFFu, v))
            return negative ? static_cast<TColor>(-static_cast<int64_t>(v)) : static_cast<TColor>(v);
    }
    throw EConvertError(Format("'%s' is not a valid colour", {std::string(text)}));
}

} // namespace fw
