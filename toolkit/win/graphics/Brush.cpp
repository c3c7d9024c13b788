#include "toolkit/win/graphics/Brush.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TBrush::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBrush, TGraphicsObject>()
                                       .Prop("Color", &TBrush::Color, &TBrush::SetColor)
                                       .Type(ColorType())
                                       .Default(clWhite)
                                       .Prop("Style", &TBrush::Style, &TBrush::SetStyle)
                                       .Default(bsSolid)
                                       .Build();
    return info;
}

void TBrush::Assign(TPersistent* source) {
    auto* b = dynamic_cast<TBrush*>(source);
    if (!b) return TGraphicsObject::Assign(source);
    BeginUpdate();
    if (FColor != b->FColor) {
        FColor = b->FColor; // not through SetColor: a clear source stays clear
        Changed();
    }
    SetStyle(b->FStyle);
    EndUpdate();
}

void TBrush::SetColor(TColor v) {
    if (v == FColor && FStyle != bsClear) return;
    FColor = v;
    if (FStyle == bsClear) FStyle = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle v) {
    if (v == FStyle) return;
    FStyle = v;
    Changed();
}

HGDIOBJ TBrush::CreateHandle() {
    LOGBRUSH lb{};
    lb.lbColor = ColorToRGB(FColor);
    switch (FStyle) {
    case bsSolid: lb.lbStyle = BS_SOLID; break;
    case bsClear: lb.lbStyle = BS_HOLLOW; break;
    default:
        lb.lbStyle = BS_HATCHED;
        lb.lbHatch = static_cast<ULONG_PTR>(HS_HORIZONTAL + (FStyle - bsHorizontal));
        break;
    }
    return CreateBrushIndirect(&lb);
}

} // namespace fw
