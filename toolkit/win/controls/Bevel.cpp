#include "toolkit/win/controls/Bevel.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/ControlPaint.h"

namespace fw {

const TClassInfo& TBevel::StaticClassInfo() {
    using B = TBevel;
    static const TClassInfo info = TClassBuilder<B, TGraphicControl>()
                                       .Prop("Shape", &B::Shape, &B::SetShape).Default(bsBox)
                                       .Prop("Style", &B::Style, &B::SetStyle).Default(bsLowered)
                                       .Build();
    return info;
}

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 50, 50); }

void TBevel::SetShape(TBevelShape v) {
    if (FShape == v) return;
    FShape = v;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle v) {
    if (FStyle == v) return;
    FStyle = v;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& c = *Canvas();
    int w = Width(), h = Height();
    // A lowered bevel is shadowed at the top left and lit at the bottom right.
    TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    auto fill = [&](TColor color, RECT r) {
        c.Brush()->SetColor(color);
        c.FillRect(r);
    };
    switch (FShape) {
    case bsBox: {
        RECT r{0, 0, w, h};
        Frame3D(c.Handle(), r, first, second, 1);
        break;
    }
    case bsFrame: {
        // Two outlines one pixel apart: an etched (or embossed) groove.
        RECT inner{1, 1, w, h};
        Frame3D(c.Handle(), inner, second, second, 1);
        RECT outer{0, 0, w - 1, h - 1};
        Frame3D(c.Handle(), outer, first, first, 1);
        break;
    }
    case bsTopLine:
        fill(first, {0, 0, w, 1});
        fill(second, {0, 1, w, 2});
        break;
    case bsBottomLine:
        fill(first, {0, h - 2, w, h - 1});
        fill(second, {0, h - 1, w, h});
        break;
    case bsLeftLine:
        fill(first, {0, 0, 1, h});
        fill(second, {1, 0, 2, h});
        break;
    case bsRightLine:
        fill(first, {w - 2, 0, w - 1, h});
        fill(second, {w - 1, 0, w, h});
        break;
    case bsSpacer:
        if (HasState(csDesigning)) {
            c.Pen()->SetColor(clBlack);
            c.Pen()->SetStyle(psDot);
            c.Brush()->SetStyle(bsClear);
            c.Rectangle(0, 0, w, h);
        }
        break;
    }
}

} // namespace fw
