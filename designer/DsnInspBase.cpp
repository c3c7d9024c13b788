#include "designer/DsnInspBase.h"

#include "designer/DsnFunc.h"
#include "designer/DsnMessages.h"
#include "designer/DsnProp.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

const TClassInfo& TCustomInspector::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomInspector, TComponent>()
                                       .Prop("SelfProps", &TCustomInspector::SelfProps, &TCustomInspector::SetSelfProps)
                                       .Prop("BtnProps", &TCustomInspector::BtnProps, &TCustomInspector::SetBtnProps)
                                       .Prop("OutProps", &TCustomInspector::OutProps, &TCustomInspector::SetOutProps)
                                       .Prop("OnBtnClick", &TCustomInspector::OnBtnClick, &TCustomInspector::OnBtnClick)
                                       .Build();
    return info;
}

TCustomInspector::TCustomInspector(TComponent* owner)
    : TComponent(owner), FSelfProps(std::make_unique<TStringList>()), FBtnProps(std::make_unique<TStringList>()),
      FOutProps(std::make_unique<TStringList>()) {}

TCustomInspector::~TCustomInspector() {
    // The property set may outlive us; it must not call a freed inspector.
    if (FProps && FProps->Inspector() == this) FProps->SetInspector(nullptr);
}

void TCustomInspector::CopyLines(TStrings& target, TStrings* source) {
    if (source) target.Assign(source);
    else target.Clear();
}

void TCustomInspector::SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    if (value) ShowInspector();
    else HideInspector();
}

void TCustomInspector::SetPropValue(const std::string& propName, const std::string& value) {
    if (!FProps) return; // no selection to write into
    ApplyPropValue(FProps->Components(), propName, value);
    if (FNotifyWindow) PostMessageW(FNotifyWindow, DM_PROPCHANGED, 0, 0);
    FProps->RefreshValues();
}

LRESULT TCustomInspector::SelectComponent(TComponent* component) {
    HWND target = nullptr;
    if (auto* w = dynamic_cast<TWinControl*>(component)) target = w->Handle();
    else if (auto* c = dynamic_cast<TControl*>(component); c && c->Parent()) target = c->Parent()->Handle();
    if (!target) return 0;
    // Sent, not posted: the selection has changed when this returns.
    return SendMessageW(target, DM_SELECTONLY, reinterpret_cast<WPARAM>(component), 0);
}

} // namespace fw
