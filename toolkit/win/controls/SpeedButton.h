#pragma once
// TSpeedButton: a button without a window (tool bars, palettes). Buttons with
// the same GroupIndex on the same parent work together: at most one of them
// is down, and unless AllowAllUp one always is once any has been pressed.
#include "toolkit/win/controls/ButtonFace.h"
#include "toolkit/win/window/GraphicControl.h"

#include <memory>

namespace fw {

class TSpeedButton : public TGraphicControl {
    FW_CLASS(TSpeedButton)

    explicit TSpeedButton(TComponent* owner);
    ~TSpeedButton() override;

    // 0: an ordinary button that never stays down.
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t v);
    // Putting a button down puts the others of its group up. A grouped button
    // goes up only when AllowAllUp.
    bool Down() const { return FDown; }
    void SetDown(bool v);
    // Shared by the whole group.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool v);
    // No frame unless pressed or down.
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* v) { FGlyph->Assign(v); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout v);
    int32_t Margin() const { return FMargin; }
    void SetMargin(int32_t v);
    int32_t Spacing() const { return FSpacing; }
    void SetSpacing(int32_t v);
    int32_t NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int32_t v);

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    bool IsGlyphStored() const { return !FGlyph->Empty(); }
    // Calls fn for every other button of this one's group.
    template <class Fn> void ForGroup(Fn fn);
    void SetPressed(bool v);
    void ToggleDown();

    int32_t FGroupIndex = 0;
    bool FDown = false;
    bool FAllowAllUp = false;
    bool FFlat = false;
    std::unique_ptr<TBitmap> FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    int32_t FMargin = -1;
    int32_t FSpacing = 4;
    int32_t FNumGlyphs = 1;
    bool FPressed = false; // the pointer holds it pressed
};

} // namespace fw
