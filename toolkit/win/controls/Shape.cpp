#include "toolkit/win/controls/Shape.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TShape::StaticClassInfo() {
    using S = TShape;
    static const TClassInfo info = TClassBuilder<S, TGraphicControl>()
                                       .Prop("Brush", &S::Brush, &S::SetBrush)
                                       .Prop("Pen", &S::Pen, &S::SetPen)
                                       .Prop("Shape", &S::Shape, &S::SetShape).Default(stRectangle)
                                       .Build();
    return info;
}

TShape::TShape(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 65);
    FPen->OnChange = [this](TObject*) { Invalidate(); };
    FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType v) {
    if (FShape == v) return;
    FShape = v;
    Invalidate();
}

void TShape::Paint() {
    TCanvas& c = *Canvas();
    c.Pen()->Assign(FPen.get());
    c.Brush()->Assign(FBrush.get());
    // The pen's middle runs half its width inside the bounds, so all of it shows.
    int pw = FPen->Width();
    int x = pw / 2, y = pw / 2;
    int w = Width() - pw + 1, h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    int s = std::min(w, h);
    if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare: c.Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: c.RoundRect(x, y, x + w, y + h, s / 4, s / 4); break;
    case stEllipse:
    case stCircle: c.Ellipse(x, y, x + w, y + h); break;
    }
}

} // namespace fw
