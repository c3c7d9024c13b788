#include "toolkit/win/controls/Button.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/window/DialogKeys.h"
#include "toolkit/win/window/Form.h"

namespace fw {

TForm* ParentFormOf(const TControl* control) {
    for (const TControl* c = control; c; c = c->Parent())
        if (auto* f = dynamic_cast<const TForm*>(c)) return const_cast<TForm*>(f);
    return nullptr;
}

const TClassInfo& TButton::StaticClassInfo() {
    using B = TButton;
    static const TClassInfo info = TClassBuilder<B, TWinControl>()
                                       .Prop("Cancel", &B::Cancel, &B::SetCancel).Default(false)
                                       .Prop("Caption", &B::GetText, &B::SetText)
                                       .Prop("Default", &B::Default, &B::SetDefault).Default(false)
                                       .Prop("ModalResult", &B::ModalResult, &B::SetModalResult).Default(mrNone)
                                       .Prop("TabStop", &B::TabStop, &B::SetTabStop).Default(true)
                                       .Build();
    return info;
}

TButton::TButton(TComponent* owner) : TWinControl(owner) {
    // The window reports clicks (BN_CLICKED); a press and release seen by the
    // control itself must not count a second time.
    SetControlStyle(ControlStyle() & ~static_cast<uint32_t>(csClickEvents));
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    InstallDialogKeys();
}

void TButton::SetDefault(bool v) {
    if (FDefault == v) return;
    FDefault = v;
    if (HandleAllocated()) SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
}

void TButton::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"BUTTON";
    p.Style |= ButtonStyle();
}

void TButton::Click() {
    if (FModalResult != mrNone)
        if (TForm* form = ParentFormOf(this)) form->SetModalResult(FModalResult);
    TWinControl::Click();
}

void TButton::WndProc(TMessage& m) {
    if (m.Msg == CN_COMMAND) {
        if (HIWORD(m.WParam) == BN_CLICKED) Click();
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
