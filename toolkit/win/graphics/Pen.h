#pragma once
// A pen: colour, width, dash style and the raster operation it draws with.
#include "toolkit/core/Enums.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/GraphicsObject.h"

namespace fw {

FW_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
FW_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen,
        pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)

// The R2_ code of a pen mode (what SetROP2 takes).
int PenModeToRop2(TPenMode mode);

class TPen : public TGraphicsObject {
    FW_CLASS(TPen)

    TPen() = default;

    void Assign(TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode v);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle v);
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t v); // 0 draws one pixel wide, like 1; negative is refused

    HPEN Handle() { return static_cast<HPEN>(GetHandle()); }

protected:
    HGDIOBJ CreateHandle() override;

private:
    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int32_t FWidth = 1;
};

} // namespace fw
