#pragma once
// TBevel: a sunken or raised box, frame or line drawn on the parent's window.
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

FW_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
FW_ENUM(TBevelStyle, bsLowered, bsRaised)

class TBevel : public TGraphicControl {
    FW_CLASS(TBevel)

    explicit TBevel(TComponent* owner);

    // bsSpacer draws nothing (a dashed outline while designing).
    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape v);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle v);

protected:
    void Paint() override;

private:
    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};

} // namespace fw
