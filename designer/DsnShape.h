#pragma once
// Drag outlines and the rubber band: rectangles drawn straight onto the
// screen with an XOR pen, so drawing one again restores what was beneath and
// nothing needs saving or repainting. A TMultiShape is one drag's set of them
// (one outline per dragged control, or one band that follows the pointer);
// it also confines the pointer to the container the drag happens in.
#include "designer/DsnGeometry.h"
#include "toolkit/win/graphics/Canvas.h"
#include "toolkit/win/window/Control.h"

#include <memory>
#include <vector>

namespace fw {

// DrawState of a rectangle.
enum : int { dsNeverDrawn = 0, dsDrawn = 1, dsFinishing = 2 };

class TFundamentalShape {
public:
    explicit TFundamentalShape(TCanvas* canvas) : FCanvas(canvas) {}
    TFundamentalShape(const TFundamentalShape&) = delete;
    TFundamentalShape& operator=(const TFundamentalShape&) = delete;
    virtual ~TFundamentalShape() = default;

    // Erases the rectangle drawn last, if any, then (unless finishing) draws
    // it anew with its first corner at (x, y) + Offset.
    virtual void Draw(int32_t x, int32_t y);

    int32_t Width = 0, Height = 0; // negative: the rectangle extends left / up
    POINT Offset{0, 0};            // first corner relative to the set's Origin
    int32_t PenWidth = 2;
    TPenStyle PenStyle = psSolid;
    TColor Color = clGray;

    int DrawState() const { return FDrawState; }
    // Erases what is drawn; from then on Draw draws nothing.
    void EndDrawing();
    const RECT& DrawnRect() const { return FDrawnRect; }
    TCanvas* Canvas() const { return FCanvas; }

private:
    struct TStroke {
        TColor Color;
        int32_t Width;
        TPenStyle Style;
    };
    void StrokeSides(const RECT& r, const TStroke& pen);

    TCanvas* FCanvas;
    RECT FDrawnRect{};
    TStroke FDrawnPen{};
    int FDrawState = dsNeverDrawn;
};

class TMultiShape {
public:
    // Takes the screen's device context for the set's lifetime.
    TMultiShape();
    TMultiShape(const TMultiShape&) = delete;
    TMultiShape& operator=(const TMultiShape&) = delete;
    // A set freed before Finish finishes first: a confinement or an outline
    // left behind by an interrupted drag would outlive every owner.
    virtual ~TMultiShape();

    virtual std::unique_ptr<TFundamentalShape> CreateOutline();
    virtual std::unique_ptr<TFundamentalShape> CreateBand();
    // Confines the pointer to the control's client area on the screen.
    virtual void ConfineTo(TControl* control);
    // Draws every rectangle relative to p (screen coordinates).
    virtual void MoveTo(POINT p);
    // Frees the pointer and erases every drawn rectangle; later draws draw
    // nothing.
    virtual void Finish();

    // One outline over the control, placed relative to Origin. No control:
    // nothing.
    void AddControl(TControl* control);
    // Replaces every rectangle by one band of size 0 whose corner is the
    // point given to MoveTo.
    void StartBand();
    // Size of the first rectangle (the band, or a handle drag's outline);
    // nothing while the set is empty.
    void SetBandWidth(int32_t value);
    void SetBandHeight(int32_t value);

    POINT Origin{0, 0};
    TColor Color = clGray;
    int32_t PenWidth = 2;
    TPenStyle PenStyle = psSolid;

    const RECT& ClipArea() const { return FClipArea; }
    int ShapeCount() const { return static_cast<int>(FShapes.size()); }
    TFundamentalShape* Shapes(int index) const;
    TCanvas* Canvas() const { return FCanvas.get(); }

private:
    TFundamentalShape& Append(std::unique_ptr<TFundamentalShape> shape);
    bool NeedsFinish() const;

    std::vector<std::unique_ptr<TFundamentalShape>> FShapes;
    RECT FClipArea{};
    bool FConfined = false;
    HDC FScreenDC = nullptr;
    std::unique_ptr<TCanvas> FCanvas;
};

} // namespace fw
