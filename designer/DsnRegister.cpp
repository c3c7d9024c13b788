#include "designer/DsnRegister.h"

#include "designer/DsnPanel.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/menus/Menus.h"

#include <algorithm>

namespace fw {

const TClassInfo& TDsnRegister::StaticClassInfo() {
    using R = TDsnRegister;
    static const TClassInfo info = TClassBuilder<R, TComponent>()
                                       .Prop("DsnStage", &R::DsnStage, &R::SetDsnStage)
                                       .Prop("DsnPanel", &R::DsnPanel, &R::SetDsnPanel)
                                       .Prop("DsnInspector", &R::DsnInspector, &R::SetDsnInspector)
                                       .Prop("ArrowButton", &R::ArrowButton, &R::SetArrowButton)
                                       .Build();
    return info;
}

TDsnRegister::TDsnRegister(TComponent* owner) : TComponent(owner) {}

TDsnRegister::~TDsnRegister() {
    Destroying();
    FHandles.reset();
    FPropSet.reset();
    if (FAgents) {
        for (int i = 0; i < FAgents->Count(); ++i) {
            TDsnCtrl* agent = (*FAgents)[i];
            agent->SetOrphaned(true);
            delete agent;
        }
        FAgents.reset();
    }
    for (auto& orphan : FOrphans) orphan->SetOrphaned(true);
    FOrphans.clear();
    if (FTargets) FTargets->Clear();
    FTargets.reset();
    delete FDesignPopup;
    if (FDsnStage && FDsnStage->DsnRegister() == this) FDsnStage->SetDsnRegister(nullptr);
}

// --- partners ----------------------------------------------------------------

void TDsnRegister::SetDsnStage(TDsnStage* value) {
    FDsnStage = value;
    if (!value) return;
    value->FreeNotification(this);
    TRubberband* band = value->Rubberband();
    FMoveWidth = band->MoveWidth;
    FMoveHeight = band->MoveHeight;
    FOutlineColor = band->Color;
    FOutlineWidth = band->PenWidth;
    value->SetDsnRegister(this);
}

void TDsnRegister::SetDsnPanel(TCustomCmpPlt* value) {
    FDsnPanel = value;
    if (value) value->FreeNotification(this);
}

void TDsnRegister::SetDsnInspector(TCustomInspector* value) {
    FDsnInspector = value;
    if (value) value->FreeNotification(this);
}

void TDsnRegister::SetArrowButton(TArrowButton* value) {
    FArrowButton = value;
    if (value) value->FreeNotification(this);
}

void TDsnRegister::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || !component) return;
    if (component == FDsnStage) FDsnStage = nullptr;
    if (component == FDsnInspector) FDsnInspector = nullptr;
    if (component == FDsnPanel) FDsnPanel = nullptr;
    if (component == FArrowButton) FArrowButton = nullptr;
    if (component == FNewControl) FNewControl = nullptr;
    if (component == FDragContainer) FDragContainer = nullptr;
    if (component == FDesignPopup) FDesignPopup = nullptr;
    DropAgentsOf(component);
    DropTarget(component);
}

// An agent whose control goes is kept, orphaned, until its window's
// destruction has been handled (the stage's DM_REHOOK frees it).
void TDsnRegister::DropAgentsOf(TComponent* component) {
    if (!FAgents) return;
    for (int i = FAgents->Count(); i-- > 0;) {
        TDsnCtrl* agent = (*FAgents)[i];
        if (agent->Control() != component) continue;
        AgentRemoved();
        agent->SetOrphaned(true);
        FAgents->Delete(i);
        FOrphans.emplace_back(agent);
    }
}

void TDsnRegister::DropTarget(TComponent* component) {
    if (!FTargets) return;
    int i = FTargets->IndexOf(component);
    if (i < 0) return;
    FTargets->NilItem(i);
    TargetRemoved();
    FTargets->Delete(i);
    if (!SameParent()) FTargets->Clear();
    FTargets->Update();
}

// --- design mode ---------------------------------------------------------------

void TDsnRegister::TellListeners() {
    if (!FDesignListeners) return;
    auto listeners = *FDesignListeners; // a listener may unregister itself
    for (TDesignListener* l : listeners) l->DesignModeChanged(FDesigning);
}

void TDsnRegister::SetDesignMode(bool on) {
    if (FDesigning == on) return;
    FDesigning = on;
    TellListeners();
    if (on) DesignOn();
    else DesignOff();
}

void TDsnRegister::DesignOn() {
    if (FDsnStage) {
        FDsnStage->SetDsnRegister(this);
        HookAll();
        BuildDesignPopup();
        if (FDsnStage->HandleAllocated() && FDsnStage->Showing()) ::SetFocus(FDsnStage->Handle());
        FDsnStage->SetDesigning(true);
    }
    if (FDsnPanel) {
        if (FArrowButton) {
            FDsnPanel->SetArrowButton(FArrowButton);
            FArrowButton->SetPalette(FDsnPanel);
        }
        FDsnPanel->SetDesignMode(true);
    }
    if (FDsnInspector) {
        FDsnInspector->SetActive(true);
        if (FDsnStage) FDsnInspector->SetNotifyWindow(FDsnStage->Handle());
    }
}

void TDsnRegister::DesignOff() {
    if (FDsnStage) {
        UnhookAll();
        FDsnStage->DesignModeChanged(false);
    }
    if (FDesignPopup) {
        // Items borrowed from the stage's cover menu go back, in their order.
        int borrowed = FDesignPopup->Tag();
        TPopupMenu* cover = FDsnStage ? FDsnStage->CoverMenu() : nullptr;
        for (int i = 0; cover && i < borrowed && FDesignPopup->Items()->Count() > 0; ++i) {
            TMenuItem* item = FDesignPopup->Items()->Items(0);
            FDesignPopup->Items()->Remove(item);
            cover->Items()->Add(item);
        }
        delete FDesignPopup;
        FDesignPopup = nullptr;
    }
    if (FDsnPanel) {
        FDsnPanel->SetDesignMode(false);
        FDsnPanel->SetSelectedGene(nullptr);
    }
    if (FDsnInspector) FDsnInspector->SetActive(false);
    FreeSelection();
}

void TDsnRegister::FreeSelection() {
    FOutlines.reset();
    FPropSet.reset();
    FHandles.reset();
    FTargets.reset();
}

// --- hooking ---------------------------------------------------------------------

std::unique_ptr<TDsnCtrl> TDsnRegister::CreateAgent(TWinControl* control) {
    return std::make_unique<TDsnCtrl>(control);
}

std::unique_ptr<TDsnList> TDsnRegister::CreateAgentList() { return std::make_unique<TDsnList>(); }

void TDsnRegister::HookAll() {
    if (!FAgents) FAgents = CreateAgentList();
    if (FDsnStage) HookControl(FDsnStage);
}

void TDsnRegister::HookControl(TWinControl* control) {
    if (!control || (control->ControlStyle() & csNotDesigned)) return;
    TWindowTree tree(control->Handle());
    TRepaintOnce repaint(control);
    // The inner windows met while walking go to the agent made last; before
    // the first agent there is none to give them to.
    TDsnCtrl* current = nullptr;
    HookWalk(control, current, tree);
}

void TDsnRegister::HookWalk(TWinControl* control, TDsnCtrl*& current, const TWindowTree& tree) {
    if (!control || (control->ControlStyle() & csNotDesigned)) return;
    if (!FAgents) FAgents = CreateAgentList();
    TCoverAccept cover = caAllAccept;
    if (FDsnStage) FDsnStage->OnCoverQuery(FDsnStage, control, cover);
    if (cover == caAllAccept) {
        std::unique_ptr<TDsnCtrl> agent = CreateAgent(control);
        agent->SetDsnRegister(this);
        current = agent.get();
        FAgents->Add(agent.release());
    }
    if (cover == caNoAccept) return;
    TComponent* designOwner = FDsnStage ? FDsnStage->Owner() : control->Owner();
    TChildList children(control, control->Handle(), &tree);
    for (int i = 0; i < children.Count(); ++i) {
        const TChildList::TEntry& e = children.Entry(i);
        if (e.Control && e.Control->Owner() == designOwner) {
            HookWalk(e.Control, current, tree);
        } else if (current) {
            current->Children().HookTree(e.Handle, &tree);
        }
    }
}

void TDsnRegister::UnhookAll() {
    if (!FAgents) return;
    std::vector<TDsnCtrl*> agents;
    for (int i = 0; i < FAgents->Count(); ++i) agents.push_back((*FAgents)[i]);
    FAgents->Clear();
    for (TDsnCtrl* agent : agents) delete agent;
}

void TDsnRegister::RehookAgent(TDsnCtrl* agent) {
    auto orphan = std::find_if(FOrphans.begin(), FOrphans.end(), [&](auto& o) { return o.get() == agent; });
    if (orphan != FOrphans.end()) {
        FOrphans.erase(orphan);
        return;
    }
    if (!FAgents || FAgents->IndexOf(agent) < 0) return; // freed since (design mode went off)
    if (agent->Orphaned() || !agent->Control()) return;
    agent->Rehook(agent->Control()->Handle());
}

void TDsnRegister::AgentWindowGone(TDsnCtrl* agent) {
    if (std::find(FAwaitingStage.begin(), FAwaitingStage.end(), agent) == FAwaitingStage.end())
        FAwaitingStage.push_back(agent);
}

void TDsnRegister::StageWindowCreated() {
    std::vector<TDsnCtrl*> waiting;
    waiting.swap(FAwaitingStage);
    for (TDsnCtrl* agent : waiting) RehookAgent(agent);
}

// --- selection ---------------------------------------------------------------------

void TDsnRegister::CreateHandleSet() { FHandles = std::make_unique<TMultiHandler>(); }

std::unique_ptr<TMultiProps> TDsnRegister::CreatePropSet() { return std::make_unique<TMultiProps>(); }

std::unique_ptr<TTargetList> TDsnRegister::CreateTargets() {
    auto list = std::make_unique<TTargetList>();
    FHandles.reset();
    FPropSet.reset();
    if (FDsnStage) {
        CreateHandleSet();
        FHandles->SetOutlineColor(FOutlineColor);
        FHandles->SetOutlineWidth(FOutlineWidth);
        FHandles->SetGridX(FMoveWidth);
        FHandles->SetGridY(FMoveHeight);
        list->AddReceiver(FHandles.get());
    }
    if (FDsnInspector) {
        FPropSet = CreatePropSet();
        list->AddReceiver(FPropSet.get());
        FPropSet->SetInspector(FDsnInspector);
        TStringList names, captions;
        FDsnInspector->GetPropLists(&names, &captions);
        FPropSet->SetWantNames(&names);
        FPropSet->SetWantCaptions(&captions);
        FPropSet->SetOutNames(FDsnInspector->OutProps());
    }
    if (FSelectionReceivers)
        for (TReceiveTargets* r : *FSelectionReceivers) list->AddReceiver(r);
    return list;
}

void TDsnRegister::EnsureTargets() {
    if (!FTargets) FTargets = CreateTargets();
}

void TDsnRegister::ClearSelection() {
    if (FTargets) FTargets->Clear();
}

void TDsnRegister::SelectOnly(TComponent* component) {
    EnsureTargets();
    FTargets->Clear();
    FTargets->Add(component);
    FTargets->Update();
}

void TDsnRegister::SnapToGrid(int32_t& x, int32_t& y) const {
    if (FMoveWidth > 0) x = x / FMoveWidth * FMoveWidth;
    if (FMoveHeight > 0) y = y / FMoveHeight * FMoveHeight;
}

bool TDsnRegister::SameParent() const {
    if (!FTargets || FTargets->Count() == 0) return true;
    auto parentOf = [](TComponent* c) -> TComponent* {
        auto* control = dynamic_cast<TControl*>(c);
        return control ? control->Parent() : nullptr;
    };
    TComponent* first = parentOf(FTargets->GetItem(0));
    for (int i = 1; i < FTargets->Count(); ++i)
        if (parentOf(FTargets->GetItem(i)) != first) return false;
    return true;
}

// --- listeners and receivers ----------------------------------------------------------

int TDsnRegister::AddDesignListener(TDesignListener* listener) {
    if (!FDesignListeners) FDesignListeners = std::make_unique<std::vector<TDesignListener*>>();
    FDesignListeners->push_back(listener);
    return static_cast<int>(FDesignListeners->size()) - 1;
}

void TDsnRegister::RemoveDesignListener(TDesignListener* listener) {
    if (!FDesignListeners) return;
    auto& l = *FDesignListeners;
    l.erase(std::remove(l.begin(), l.end(), listener), l.end());
}

int TDsnRegister::AddSelectionReceiver(TReceiveTargets* receiver) {
    if (!FSelectionReceivers) FSelectionReceivers = std::make_unique<std::vector<TReceiveTargets*>>();
    FSelectionReceivers->push_back(receiver);
    return static_cast<int>(FSelectionReceivers->size()) - 1;
}

} // namespace fw
