#include "toolkit/win/controls/Label.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/ControlPaint.h"

namespace fw {

const TClassInfo& TLabel::StaticClassInfo() {
    using L = TLabel;
    static const TClassInfo info = TClassBuilder<L, TGraphicControl>()
                                       .Prop("Alignment", &L::Alignment, &L::SetAlignment).Default(taLeftJustify)
                                       .Prop("AutoSize", &L::AutoSize, &L::SetAutoSize).Default(true)
                                       .Prop("Caption", &L::GetText, &L::SetText)
                                       .Prop("FocusControl", &L::FocusControl, &L::SetFocusControl)
                                       .Prop("Layout", &L::Layout, &L::SetLayout).Default(tlTop)
                                       // A label shows its parent's colour unless given one.
                                       .Prop("ParentColor", &L::ParentColor, &L::SetParentColor).Default(true)
                                       .Prop("ShowAccelChar", &L::ShowAccelChar, &L::SetShowAccelChar).Default(true)
                                       .Prop("Transparent", &L::Transparent, &L::SetTransparent).Default(false)
                                       .Prop("WordWrap", &L::WordWrap, &L::SetWordWrap).Default(false)
                                       .Build();
    return info;
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void TLabel::SetAlignment(TAlignment v) {
    if (FAlignment == v) return;
    FAlignment = v;
    Invalidate();
}

void TLabel::SetAutoSize(bool v) {
    if (FAutoSize == v) return;
    FAutoSize = v;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool v) {
    if (FWordWrap == v) return;
    FWordWrap = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool v) {
    if (FTransparent == v) return;
    FTransparent = v;
    if (v) SetControlStyle(ControlStyle() & ~static_cast<uint32_t>(csOpaque));
    else SetControlStyle(ControlStyle() | csOpaque);
    Invalidate();
}

void TLabel::SetLayout(TTextLayout v) {
    if (FLayout == v) return;
    FLayout = v;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool v) {
    if (FShowAccelChar == v) return;
    FShowAccelChar = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* v) {
    if (FFocusControl == v) return;
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = v;
    if (v) v->FreeNotification(this);
}

void TLabel::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FFocusControl) FFocusControl = nullptr;
}

UINT TLabel::DrawFlags() const {
    UINT flags = AlignmentToDrawText(FAlignment) | DT_EXPANDTABS;
    flags |= FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    if (!FShowAccelChar) flags |= DT_NOPREFIX;
    return flags;
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || HasState(csLoading) || HasState(csDestroying)) return;
    UINT flags = DrawFlags() & ~static_cast<UINT>(DT_SINGLELINE | DT_WORDBREAK);
    SIZE s = MeasureControlText(*Font(), GetText(), flags, FWordWrap ? Width() : 0);
    int32_t width = FWordWrap ? Width() : s.cx;
    // A right-justified label keeps its right edge where it was.
    int32_t left = Left();
    if (FAlignment == taRightJustify && !FWordWrap) left += Width() - width;
    SetBounds(left, Top(), width, s.cy);
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

void TLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustBounds();
    Invalidate();
}

void TLabel::Paint() {
    HDC dc = PaintDC();
    RECT r = ClientRect();
    if (!FTransparent) {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(r);
    }
    std::string text = GetText();
    if (text.empty()) return;
    UINT flags = DrawFlags();
    if (FLayout != tlTop) {
        // Measure first, then place the block of text in the middle or at the bottom.
        RECT calc = r;
        DrawControlText(dc, *Font(), calc, text, flags | DT_CALCRECT, Font()->Color());
        int h = calc.bottom - calc.top;
        r.top = FLayout == tlCenter ? (r.bottom - h) / 2 : r.bottom - h;
    }
    if (Enabled()) {
        DrawControlText(dc, *Font(), r, text, flags, Font()->Color());
    } else {
        // Embossed, as disabled text is shown elsewhere.
        RECT shifted = r;
        OffsetRect(&shifted, 1, 1);
        DrawControlText(dc, *Font(), shifted, text, flags, clBtnHighlight);
        DrawControlText(dc, *Font(), r, text, flags, clBtnShadow);
    }
}

} // namespace fw
