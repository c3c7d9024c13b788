#include "toolkit/win/GraphicControl.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

namespace {
// Sets the device context for the length of one Paint, on every way out.
class TPaintScope {
public:
    TPaintScope(HDC& slot, HDC dc) : FSlot(slot) { FSlot = dc; }
    ~TPaintScope() { FSlot = nullptr; }
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;

private:
    HDC& FSlot;
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
        TPaintScope scope(FPaintDC, reinterpret_cast<HDC>(m.WParam));
        Paint();
        return;
    }
    TControl::WndProc(m);
}

void TCustomControl::PaintWindow(HDC dc) {
    TPaintScope scope(FPaintDC, dc);
    Paint();
}

} // namespace fw
