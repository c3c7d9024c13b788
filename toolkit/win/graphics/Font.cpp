#include "toolkit/win/graphics/Font.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>
#include <cmath>

namespace fw {

const TClassInfo& TFont::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TFont, TGraphicsObject>()
                                       .Prop("Charset", &TFont::Charset, &TFont::SetCharset)
                                       .Type(CharsetType())
                                       .Default(DEFAULT_CHARSET)
                                       .Prop("Color", &TFont::Color, &TFont::SetColor)
                                       .Type(ColorType())
                                       .Default(clWindowText)
                                       .Prop("Height", &TFont::Height, &TFont::SetHeight)
                                       .Default(DefaultHeight)
                                       .Prop("Name", &TFont::Name, &TFont::SetName)
                                       .Stored(&TFont::IsNameStored)
                                       .Prop("Pitch", &TFont::Pitch, &TFont::SetPitch)
                                       .Default(fpDefault)
                                       // Height says the same; a stream holds only one of them.
                                       .Prop("Size", &TFont::Size, &TFont::SetSize)
                                       .Stored(false)
                                       .Prop("Style", &TFont::Style, &TFont::SetStyle)
                                       .Default(0)
                                       .Build();
    return info;
}

void TFont::Assign(TPersistent* source) {
    auto* f = dynamic_cast<TFont*>(source);
    if (!f) return TGraphicsObject::Assign(source);
    BeginUpdate();
    SetCharset(f->FCharset);
    SetColor(f->FColor);
    SetHeight(f->FHeight);
    SetName(f->FName);
    SetPitch(f->FPitch);
    SetStyle(f->FStyle);
    EndUpdate();
}

void TFont::SetCharset(TFontCharset v) {
    if (v < 0 || v > 255) throw EPropertyError("Invalid property value");
    if (v == FCharset) return;
    FCharset = v;
    Changed();
}

void TFont::SetColor(TColor v) {
    if (v == FColor) return;
    FColor = v;
    Changed(false); // the colour is the canvas's text colour, not part of the HFONT
}

void TFont::SetHeight(int32_t v) {
    if (v == FHeight) return;
    FHeight = v;
    Changed();
}

void TFont::SetName(const std::string& v) {
    if (v == FName) return;
    FName = v;
    Changed();
}

void TFont::SetPitch(TFontPitch v) {
    if (v == FPitch) return;
    FPitch = v;
    Changed();
}

void TFont::SetStyle(TFontStyles v) {
    if (v == FStyle) return;
    FStyle = v;
    Changed();
}

int32_t TFont::Size() const {
    return static_cast<int32_t>(std::lround(-static_cast<double>(FHeight) * 72.0 / FPixelsPerInch));
}

void TFont::SetSize(int32_t points) {
    SetHeight(static_cast<int32_t>(-std::lround(static_cast<double>(points) * FPixelsPerInch / 72.0)));
}

void TFont::SetPixelsPerInch(int32_t v) {
    if (v <= 0) throw EPropertyError("Invalid property value");
    FPixelsPerInch = v;
}

HGDIOBJ TFont::CreateHandle() {
    LOGFONTW lf{};
    lf.lfHeight = FHeight;
    lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(fsItalic);
    lf.lfUnderline = FStyle.Contains(fsUnderline);
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(FCharset);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    // The face name field holds 31 UTF-16 units; never cut a surrogate pair.
    std::wstring face = win::Wide(FName);
    size_t n = std::min(face.size(), static_cast<size_t>(LF_FACESIZE - 1));
    if (n > 0 && n < face.size() && face[n - 1] >= 0xD800 && face[n - 1] <= 0xDBFF) --n;
    std::copy_n(face.begin(), n, lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

} // namespace fw
