#include "toolkit/win/GraphicControl.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

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
        FPaintDC = reinterpret_cast<HDC>(m.WParam);
        try {
            Paint();
        } catch (...) {
            FPaintDC = nullptr;
            throw;
        }
        FPaintDC = nullptr;
        return;
    }
    TControl::WndProc(m);
}

void TCustomControl::PaintWindow(HDC dc) {
    FPaintDC = dc;
    try {
        Paint();
    } catch (...) {
        FPaintDC = nullptr;
        throw;
    }
    FPaintDC = nullptr;
}

} // namespace fw
