#pragma once
// A brush: a solid colour, a hatch pattern in that colour, or nothing (clear).
#include "toolkit/core/Enums.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/GraphicsObject.h"

namespace fw {

FW_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross)

class TBrush : public TGraphicsObject {
    FW_CLASS(TBrush)

    TBrush() = default;

    void Assign(TPersistent* source) override;

    TColor Color() const { return FColor; }
    // Giving a clear brush a colour makes it solid.
    void SetColor(TColor v);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle v);

    HBRUSH Handle() { return static_cast<HBRUSH>(GetHandle()); }

protected:
    HGDIOBJ CreateHandle() override;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

} // namespace fw
