#pragma once
// A font as controls publish it: face, height, style, colour and character
// set, with the HFONT that draws it.
#include "toolkit/core/Enums.h"
#include "toolkit/win/graphics/Charsets.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/GraphicsObject.h"

#include <string>

namespace fw {

FW_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
FW_SET(TFontStyles, TFontStyle);
FW_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)

class TFont : public TGraphicsObject {
    FW_CLASS(TFont)

    static constexpr const char* DefaultName = "Tahoma";
    static constexpr int32_t DefaultHeight = -11; // 8 points at 96 dots per inch

    TFont() = default;

    void Assign(TPersistent* source) override;

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset v); // 0..255
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    // Negative: character height in pixels; positive: cell height; 0: the
    // system's choice.
    int32_t Height() const { return FHeight; }
    void SetHeight(int32_t v);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& v);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch v);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles v);
    // Points, derived from Height at PixelsPerInch.
    int32_t Size() const;
    void SetSize(int32_t points);
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t v);

    HFONT Handle() { return static_cast<HFONT>(GetHandle()); }

protected:
    HGDIOBJ CreateHandle() override;

private:
    bool IsNameStored() const { return FName != DefaultName; }

    TFontCharset FCharset = DEFAULT_CHARSET;
    TColor FColor = clWindowText;
    int32_t FHeight = DefaultHeight;
    std::string FName = DefaultName;
    TFontPitch FPitch = fpDefault;
    TFontStyles FStyle;
    int32_t FPixelsPerInch = 96;
};

} // namespace fw
