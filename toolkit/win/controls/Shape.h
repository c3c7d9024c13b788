#pragma once
// TShape: a rectangle, square, rounded one, ellipse or circle drawn with its
// own Pen and Brush on the parent's window.
#include "toolkit/win/graphics/Brush.h"
#include "toolkit/win/graphics/Pen.h"
#include "toolkit/win/window/GraphicControl.h"

#include <memory>

namespace fw {

FW_ENUM(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle)

class TShape : public TGraphicControl {
    FW_CLASS(TShape)

    explicit TShape(TComponent* owner);

    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType v);
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* v) { FPen->Assign(v); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* v) { FBrush->Assign(v); }

protected:
    void Paint() override;

private:
    std::unique_ptr<TPen> FPen = std::make_unique<TPen>();
    std::unique_ptr<TBrush> FBrush = std::make_unique<TBrush>();
    TShapeType FShape = stRectangle;
};

} // namespace fw
