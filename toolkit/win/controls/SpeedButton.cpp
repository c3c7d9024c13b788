#include "toolkit/win/controls/SpeedButton.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/window/WinControl.h"

#include <algorithm>

namespace fw {

const TClassInfo& TSpeedButton::StaticClassInfo() {
    using S = TSpeedButton;
    // GroupIndex and AllowAllUp come before Down: a stream sets the group
    // before the button goes down in it.
    static const TClassInfo info = TClassBuilder<S, TGraphicControl>()
                                       .Prop("AllowAllUp", &S::AllowAllUp, &S::SetAllowAllUp).Default(false)
                                       .Prop("GroupIndex", &S::GroupIndex, &S::SetGroupIndex).Default(0)
                                       .Prop("Down", &S::Down, &S::SetDown).Default(false)
                                       .Prop("Caption", &S::GetText, &S::SetText)
                                       .Prop("Flat", &S::Flat, &S::SetFlat).Default(false)
                                       .Prop("Glyph", &S::Glyph, &S::SetGlyph)
                                       .Stored(&S::IsGlyphStored)
                                       .Prop("Layout", &S::Layout, &S::SetLayout).Default(blGlyphLeft)
                                       .Prop("Margin", &S::Margin, &S::SetMargin).Default(-1)
                                       .Prop("NumGlyphs", &S::NumGlyphs, &S::SetNumGlyphs).Default(1)
                                       .Prop("Spacing", &S::Spacing, &S::SetSpacing).Default(4)
                                       .Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
    SetControlStyle(ControlStyle() & ~static_cast<uint32_t>(csSetCaption));
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

template <class Fn> void TSpeedButton::ForGroup(Fn fn) {
    if (FGroupIndex == 0 || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex) fn(*other);
    }
}

void TSpeedButton::SetGroupIndex(int32_t v) {
    if (FGroupIndex == v) return;
    FGroupIndex = v;
    if (v == 0 && FDown) {
        FDown = false;
        Invalidate();
    }
}

void TSpeedButton::SetDown(bool v) {
    if (FGroupIndex == 0) v = false;
    if (FDown == v) return;
    if (FDown && !FAllowAllUp) return; // one of the group stays down
    FDown = v;
    if (v)
        ForGroup([](TSpeedButton& other) {
            if (other.FDown) {
                other.FDown = false;
                other.Invalidate();
            }
        });
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool v) {
    FAllowAllUp = v;
    ForGroup([v](TSpeedButton& other) { other.FAllowAllUp = v; });
}

void TSpeedButton::SetFlat(bool v) {
    if (FFlat == v) return;
    FFlat = v;
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout v) {
    if (FLayout == v) return;
    FLayout = v;
    Invalidate();
}

void TSpeedButton::SetMargin(int32_t v) {
    v = std::max(v, -1);
    if (FMargin == v) return;
    FMargin = v;
    Invalidate();
}

void TSpeedButton::SetSpacing(int32_t v) {
    v = std::max(v, -1);
    if (FSpacing == v) return;
    FSpacing = v;
    Invalidate();
}

void TSpeedButton::SetNumGlyphs(int32_t v) {
    v = std::clamp(v, 1, 4);
    if (FNumGlyphs == v) return;
    FNumGlyphs = v;
    Invalidate();
}

// What a user's click does to Down, before the click runs: a grouped button
// goes down (the others of its group up), or up again when all may be up.
void TSpeedButton::ToggleDown() {
    if (FGroupIndex == 0) return;
    if (!FDown) SetDown(true);
    else if (FAllowAllUp) SetDown(false);
}

void TSpeedButton::SetPressed(bool v) {
    if (FPressed == v) return;
    FPressed = v;
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == mbLeft && Enabled()) SetPressed(true);
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    // Pressed while the held pointer stays over the button.
    if (ControlState() & csLButtonDown) SetPressed(x >= 0 && y >= 0 && x < Width() && y < Height());
    TGraphicControl::MouseMove(shift, x, y);
}

// A release over the pressed button is a click: Down changes here, and the
// click that follows finds the group settled. Click itself never toggles, so
// code may put a button down and then run its Click.
void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    if (button == mbLeft) {
        bool clicked = FPressed && x >= 0 && y >= 0 && x < Width() && y < Height();
        SetPressed(false);
        if (clicked) ToggleDown();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Paint() {
    HDC dc = PaintDC();
    RECT r = ClientRect();
    bool sunk = FPressed || FDown;
    if (FDown && !FPressed) {
        // A button that stays down shows a lighter face.
        Canvas()->Brush()->SetColor(clBtnHighlight);
    } else {
        Canvas()->Brush()->SetColor(Color());
    }
    Canvas()->FillRect(r);
    if (!FFlat || sunk) DrawEdge(dc, &r, sunk ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    RECT inner = r;
    InflateRect(&inner, -2, -2);
    if (sunk) OffsetRect(&inner, 1, 1);
    TButtonFace face;
    face.Glyph = FGlyph.get();
    face.NumGlyphs = FNumGlyphs;
    face.Caption = GetText();
    face.Font = Font();
    face.Layout = FLayout;
    face.Margin = FMargin;
    face.Spacing = FSpacing;
    face.State = !Enabled()  ? TButtonFaceState::Disabled
                 : FPressed  ? TButtonFaceState::Pressed
                 : FDown     ? TButtonFaceState::Down
                             : TButtonFaceState::Up;
    DrawButtonFace(dc, face, inner);
}

} // namespace fw
