#pragma once
// Controls drawn on their parent's window (TGraphicControl) and windowed
// controls that draw themselves (TCustomControl). Both paint through Paint()
// with the device context in PaintDC().
#include "toolkit/win/WinControl.h"

namespace fw {

class TGraphicControl : public TControl {
    FW_CLASS(TGraphicControl)
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}
    // The device context being painted on, its origin at the control's
    // top-left corner (valid inside Paint only).
    HDC PaintDC() const { return FPaintDC; }

private:
    HDC FPaintDC = nullptr;
};

class TCustomControl : public TWinControl {
    FW_CLASS(TCustomControl)
    explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}

protected:
    virtual void Paint() {}
    HDC PaintDC() const { return FPaintDC; }
    void PaintWindow(HDC dc) override;

private:
    HDC FPaintDC = nullptr;
};

} // namespace fw
