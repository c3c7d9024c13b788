#include "toolkit/win/menus/ActnList.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/menus/ShortCutDispatch.h"

#include <algorithm>

namespace fw {

const TClassInfo& TAction::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TAction, TComponent>()
                                       .Prop("Caption", &TAction::Caption, &TAction::SetCaption)
                                       .Prop("Checked", &TAction::Checked, &TAction::SetChecked)
                                       .Default(false)
                                       .Prop("Enabled", &TAction::Enabled, &TAction::SetEnabled)
                                       .Default(true)
                                       .Prop("Hint", &TAction::Hint, &TAction::SetHint)
                                       .Prop("ShortCut", &TAction::ShortCut, &TAction::SetShortCut)
                                       .Default(0)
                                       .Prop("Visible", &TAction::Visible, &TAction::SetVisible)
                                       .Default(true)
                                       .Prop("OnExecute", &TAction::OnExecute, &TAction::OnExecute)
                                       .Build();
    return info;
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() {
    Destroying();
    SetActionList(nullptr);
}

void TAction::SetActionList(TActionList* list) {
    if (FActionList == list) return;
    if (FActionList) {
        auto& old = FActionList->FActions;
        old.erase(std::remove(old.begin(), old.end(), this), old.end());
    }
    FActionList = list;
    if (list) list->FActions.push_back(this);
}

int TAction::Index() const {
    if (!FActionList) return -1;
    auto& all = FActionList->FActions;
    return static_cast<int>(std::find(all.begin(), all.end(), this) - all.begin());
}

bool TAction::Execute() {
    if (!FEnabled || !OnExecute.Assigned()) return false;
    OnExecute(this);
    return true;
}

TComponent* TAction::GetParentComponent() const { return FActionList; }

void TAction::SetParentComponent(TComponent* parent) {
    if (auto* list = dynamic_cast<TActionList*>(parent)) SetActionList(list);
    else if (!parent) SetActionList(nullptr);
}

const TClassInfo& TActionList::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TActionList, TComponent>().Build();
    return info;
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) { InstallShortCutDispatch(); }

TActionList::~TActionList() {
    Destroying();
    for (TAction* a : FActions) a->FActionList = nullptr;
    FActions.clear();
}

TAction* TActionList::Actions(int index) const {
    if (index < 0 || index >= ActionCount())
        throw EListError(Format("List index out of bounds (%d)", {IntToStr(index)}));
    return FActions[static_cast<size_t>(index)];
}

bool TActionList::ExecuteShortCut(TShortCut shortCut) {
    if (!shortCut) return false;
    for (TAction* a : std::vector<TAction*>(FActions))
        if (a->ShortCut() == shortCut && a->Enabled()) {
            a->Execute();
            return true;
        }
    return false;
}

void TActionList::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TAction* a : std::vector<TAction*>(FActions)) proc(a);
}

void TActionList::SetChildOrder(TComponent* child, int order) {
    auto it = std::find(FActions.begin(), FActions.end(), child);
    if (it == FActions.end()) return;
    TAction* a = *it;
    FActions.erase(it);
    FActions.insert(FActions.begin() + std::clamp(order, 0, ActionCount()), a);
}

} // namespace fw
