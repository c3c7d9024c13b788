#include "toolkit/win/window/GraphicControl.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

namespace {
// Binds the device context and the canvas for the length of one Paint, on
// every way out; the canvas starts with the control's font and colour.
class TPaintScope {
public:
    TPaintScope(HDC& slot, TCanvas& canvas, HDC dc, TControl& control) : FSlot(slot), FCanvas(canvas) {
        FSlot = dc;
        FCanvas.SetHandle(dc);
        FCanvas.Font()->Assign(control.Font());
        FCanvas.Brush()->SetColor(control.Color());
    }
    ~TPaintScope() {
        FCanvas.SetHandle(nullptr);
        FSlot = nullptr;
    }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

private:
    HDC& FSlot;
    TCanvas& FCanvas;
};
} // namespace

const TClassInfo& TGraphicControl::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphicControl, TControl>().Build();
    return info;
}

const TClassInfo& TCustomControl::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomControl, TWinControl>().Build();
    return info;
}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT && m.WParam) {
        // The parent passes its device context, its origin moved to our corner.
        TPaintScope scope(FPaintDC, *FCanvas, reinterpret_cast<HDC>(m.WParam), *this);
        Paint();
        return;
    }
    TControl::WndProc(m);
}

void TCustomControl::PaintWindow(HDC dc) {
    TPaintScope scope(FPaintDC, *FCanvas, dc, *this);
    Paint();
}

} // namespace fw
