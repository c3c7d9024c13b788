#pragma once
// The controller with multiple selection by the mouse: Shift+click toggles a
// control in or out of the selection, and a rubber band, drawn with Ctrl
// held or started on the empty surface, selects every control it touches
// among the direct children of the container it is drawn in.
#include "designer/DsnRegister.h"

namespace fw {

class TDsnMlRegister : public TDsnRegister {
    FW_CLASS(TDsnMlRegister)

    explicit TDsnMlRegister(TComponent* owner);

    // The rubber band while one is being drawn, else none.
    TMultiShape* Band() const { return FBand.get(); }

    void SetDesignMode(bool on) override;
    void MouseDown(TWinControl* hooked, TControl* target, POINT p, TShiftState shift) override;
    void MouseMove(TWinControl* hooked, POINT p, TShiftState shift) override;
    void MouseUp(TWinControl* hooked, POINT p, TShiftState shift) override;
    void BeginMove(TWinControl* hooked, TControl* target, POINT p, TShiftState shift) override;
    void DragMove(TWinControl* hooked, POINT p, TShiftState shift) override;
    void EndMove(TWinControl* hooked, POINT p, TShiftState shift) override;
    void SelectTarget(TWinControl* hooked, TControl* target, int32_t x, int32_t y) override;

    virtual void BeginBand(TWinControl* hooked, TControl* target, POINT p, TShiftState shift);
    virtual void DragBand(TWinControl* hooked, POINT p, TShiftState shift);
    virtual void EndBand(TWinControl* hooked, POINT p, TShiftState shift);
    // A new band outline set into Band.
    virtual void CreateBandOutline();

    // The band's look: one pixel, dotted, dark red.
    static constexpr TColor kBandColor = 128;
    static constexpr int32_t kBandPenWidth = 1;

protected:
    std::unique_ptr<TMultiShape> FBand;
};

} // namespace fw
