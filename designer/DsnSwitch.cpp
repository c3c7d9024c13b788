#include "designer/DsnSwitch.h"

#include "designer/DsnRegister.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/window/ModalUI.h"

namespace fw {

namespace {
constexpr int32_t kSwitchGroup = 2302;
}

const TClassInfo& TDsnSwitch::StaticClassInfo() {
    using S = TDsnSwitch;
    static const TClassInfo info = TClassBuilder<S, TSpeedButton>()
                                       .Prop("DsnRegister", &S::DsnRegister, &S::SetDsnRegister)
                                       .Prop("DsnMessageFlg", &S::DsnMessageFlg, &S::SetDsnMessageFlg)
                                       .Prop("DsnMessage", &S::DsnMessage, &S::SetDsnMessage)
                                       .Build();
    return info;
}

// Alone in its group, so it toggles between down and up on each click.
TDsnSwitch::TDsnSwitch(TComponent* owner) : TSpeedButton(owner) {
    SetGroupIndex(kSwitchGroup);
    SetAllowAllUp(true);
}

// The link is watched: a controller freed while linked leaves no dangling
// reference behind, whichever windows the two live on.
void TDsnSwitch::SetDsnRegister(TDsnRegister* value) {
    FDsnRegister = value;
    if (value) value->FreeNotification(this);
}

void TDsnSwitch::Notification(TComponent* component, TOperation operation) {
    TSpeedButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FDsnRegister) FDsnRegister = nullptr;
}

void TDsnSwitch::Loaded() {
    TSpeedButton::Loaded();
    SetGroupIndex(kSwitchGroup);
    SetAllowAllUp(true);
}

void TDsnSwitch::Click() {
    if (Down() && FDsnMessageFlg) ShowMessage(FDsnMessage);
    if (FDsnRegister) FDsnRegister->SetDesignMode(Down());
    TSpeedButton::Click();
}

void TDsnSwitch::SwitchOn() {
    if (Down()) return;
    SetDown(true);
    Click();
}

void TDsnSwitch::SwitchOff() {
    if (!Down()) return;
    SetDown(false);
    Click();
}

} // namespace fw
