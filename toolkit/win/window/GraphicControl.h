#pragma once
// Controls drawn on their parent's window (TGraphicControl) and windowed
// controls that draw themselves (TCustomControl). Both paint through Paint()
// with the device context in PaintDC().
#include "toolkit/win/graphics/Canvas.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

class TGraphicControl : public TControl {
    FW_CLASS(TGraphicControl)
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    void WndProc(TMessage& message) override;

    // Drawing surface, valid inside Paint: the parent's device context with
    // its origin at the control's top-left corner.
    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    HDC PaintDC() const { return FPaintDC; }

private:
    HDC FPaintDC = nullptr;
    std::unique_ptr<TCanvas> FCanvas = std::make_unique<TCanvas>();
};

class TCustomControl : public TWinControl {
    FW_CLASS(TCustomControl)
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    virtual void Paint() {}
    HDC PaintDC() const { return FPaintDC; }
    void PaintWindow(HDC dc) override;

private:
    HDC FPaintDC = nullptr;
    std::unique_ptr<TCanvas> FCanvas = std::make_unique<TCanvas>();
};

} // namespace fw
