#include "toolkit/win/controls/RadioButton.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TRadioButton::StaticClassInfo() {
    using R = TRadioButton;
    static const TClassInfo info = TClassBuilder<R, TWinControl>()
                                       .Prop("Alignment", &R::Alignment, &R::SetAlignment).Default(taRightJustify)
                                       .Prop("Caption", &R::GetText, &R::SetText)
                                       .Prop("Checked", &R::Checked, &R::SetChecked).Default(false)
                                       .Build();
    return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(ControlStyle() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"BUTTON";
    p.Style |= BS_AUTORADIOBUTTON;
    if (FAlignment == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TRadioButton::InitializeWnd() {
    TWinControl::InitializeWnd();
    SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SaveWndState() {
    TWinControl::SaveWndState();
    FChecked = Checked();
}

bool TRadioButton::Checked() const {
    if (!HandleAllocated()) return FChecked;
    return SendMessageW(const_cast<TRadioButton*>(this)->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool v) {
    FChecked = v;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, v ? BST_CHECKED : BST_UNCHECKED, 0);
    if (!v || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
            if (other->Checked()) other->SetChecked(false);
}

void TRadioButton::SetAlignment(TAlignment v) {
    if (v == taCenter) v = taRightJustify;
    if (FAlignment == v) return;
    FAlignment = v;
    RecreateWnd();
}

void TRadioButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) {
            SetChecked(true); // the window may not know every sibling
            Click();
        }
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
