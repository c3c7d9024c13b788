#include "toolkit/win/graphics/Pen.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TPen::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPen, TGraphicsObject>()
                                       .Prop("Color", &TPen::Color, &TPen::SetColor)
                                       .Type(ColorType())
                                       .Default(clBlack)
                                       .Prop("Mode", &TPen::Mode, &TPen::SetMode)
                                       .Default(pmCopy)
                                       .Prop("Style", &TPen::Style, &TPen::SetStyle)
                                       .Default(psSolid)
                                       .Prop("Width", &TPen::Width, &TPen::SetWidth)
                                       .Default(1)
                                       .Build();
    return info;
}

int PenModeToRop2(TPenMode mode) {
    static const int codes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    return mode >= pmBlack && mode <= pmNotXor ? codes[mode] : R2_COPYPEN;
}

void TPen::Assign(TPersistent* source) {
    auto* p = dynamic_cast<TPen*>(source);
    if (!p) return TGraphicsObject::Assign(source);
    BeginUpdate();
    SetColor(p->FColor);
    SetMode(p->FMode);
    SetStyle(p->FStyle);
    SetWidth(p->FWidth);
    EndUpdate();
}

void TPen::SetColor(TColor v) {
    if (v == FColor) return;
    FColor = v;
    Changed();
}

void TPen::SetMode(TPenMode v) {
    if (v == FMode) return;
    FMode = v;
    Changed(false); // the mode is a DC setting, not part of the HPEN
}

void TPen::SetStyle(TPenStyle v) {
    if (v == FStyle) return;
    FStyle = v;
    Changed();
}

void TPen::SetWidth(int32_t v) {
    if (v < 0) throw EPropertyError("Invalid property value");
    if (v == FWidth) return;
    FWidth = v;
    Changed();
}

HGDIOBJ TPen::CreateHandle() {
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    int style = FStyle >= psSolid && FStyle <= psInsideFrame ? styles[FStyle] : PS_SOLID;
    return CreatePen(style, FWidth, ColorToRGB(FColor));
}

} // namespace fw
