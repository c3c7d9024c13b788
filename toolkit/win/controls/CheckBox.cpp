#include "toolkit/win/controls/CheckBox.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TCheckBox::StaticClassInfo() {
    using C = TCheckBox;
    // AllowGrayed comes before State, which it permits to be grayed.
    static const TClassInfo info = TClassBuilder<C, TWinControl>()
                                       .Prop("Alignment", &C::Alignment, &C::SetAlignment).Default(taRightJustify)
                                       .Prop("AllowGrayed", &C::AllowGrayed, &C::SetAllowGrayed).Default(false)
                                       .Prop("Caption", &C::GetText, &C::SetText)
                                       .Prop("Checked", &C::Checked, &C::SetChecked).Default(false)
                                       .Prop("State", &C::State, &C::SetState).Default(cbUnchecked)
                                       .Prop("TabStop", &C::TabStop, &C::SetTabStop).Default(true)
                                       .Build();
    return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner) {
    // The window reports clicks (BN_CLICKED).
    SetControlStyle(ControlStyle() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"BUTTON";
    p.Style |= FAllowGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
    if (FAlignment == taLeftJustify) p.Style |= BS_LEFTTEXT;
}

void TCheckBox::InitializeWnd() {
    TWinControl::InitializeWnd();
    SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCheckBox::SaveWndState() {
    TWinControl::SaveWndState();
    FState = State();
}

TCheckBoxState TCheckBox::State() const {
    if (!HandleAllocated()) return FState;
    auto v = SendMessageW(const_cast<TCheckBox*>(this)->Handle(), BM_GETCHECK, 0, 0);
    return v == BST_CHECKED ? cbChecked : v == BST_INDETERMINATE ? cbGrayed : cbUnchecked;
}

void TCheckBox::SetState(TCheckBoxState v) {
    if (v != cbUnchecked && v != cbChecked && v != cbGrayed) v = cbUnchecked;
    FState = v;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(v), 0);
}

void TCheckBox::SetAlignment(TAlignment v) {
    if (v == taCenter) v = taRightJustify;
    if (FAlignment == v) return;
    FAlignment = v;
    RecreateWnd();
}

void TCheckBox::SetAllowGrayed(bool v) {
    if (FAllowGrayed == v) return;
    FAllowGrayed = v;
    if (!v && State() == cbGrayed) SetState(cbUnchecked);
    if (HandleAllocated())
        SendMessageW(Handle(), BM_SETSTYLE, v ? BS_AUTO3STATE : BS_AUTOCHECKBOX, TRUE);
}

void TCheckBox::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
