#include "toolkit/core/Component.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TComponent::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TComponent, TPersistent>()
                                       .Prop("Name", &TComponent::FName, &TComponent::SetName)
                                       .Stored(false)
                                       .Prop("Tag", &TComponent::FTag, &TComponent::FTag)
                                       .Default(0)
                                       .Build();
    return info;
}

bool IsValidIdent(std::string_view name) {
    if (name.empty()) return false;
    auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
    if (!alpha(name[0])) return false;
    for (char c : name)
        if (!alpha(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponentWatch::TComponentWatch(TComponent* component) : FComponent(component) {
    if (!component) return;
    FNext = component->FWatches;
    component->FWatches = this;
}

TComponentWatch::~TComponentWatch() {
    if (!FComponent) return;
    // Watches nest with the calls that made them: this one is usually first.
    for (TComponentWatch** link = &FComponent->FWatches; *link; link = &(*link)->FNext)
        if (*link == this) {
            *link = FNext;
            break;
        }
}

TComponent::~TComponent() {
    Destroying();
    for (TComponentWatch* w = FWatches; w; w = w->FNext) w->FComponent = nullptr;
    FWatches = nullptr;
    // Everyone linked by free notification forgets this component.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& theirs = other->FFreeNotifies;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() { FState |= csDestroying; }

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError(Format("List index out of bounds (%d)", {IntToStr(index)}));
    return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TComponent::InsertComponent(TComponent* component) {
    // Check the name first, so a refused insertion leaves the component where it was.
    ValidateRename(component, "", component->FName);
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    Insert(component);
    if (HasState(csDesigning)) component->SetDesigning(true);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    FComponents.push_back(component);
    component->FOwner = this;
    if (!component->FName.empty()) FNameIndex[UpperCase(component->FName)] = component;
}

void TComponent::Remove(TComponent* component) {
    // Most removals are of the newest component (or come from destroying
    // them all, last first): search from the back.
    auto it = std::find(FComponents.rbegin(), FComponents.rend(), component);
    if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
    UnindexName(component);
    component->FOwner = nullptr;
}

void TComponent::UnindexName(TComponent* component) {
    if (component->FName.empty()) return;
    auto found = FNameIndex.find(UpperCase(component->FName));
    if (found != FNameIndex.end() && found->second == component) FNameIndex.erase(found);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        // Detach first so that the child's destructor does not notify a
        // half-destroyed owner twice.
        Remove(c);
        Notification(c, TOperation::opRemove);
        delete c;
    }
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    auto found = FNameIndex.find(UpperCase(name));
    return found == FNameIndex.end() ? nullptr : found->second;
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName, const std::string& newName) {
    if (component && !SameText(curName, newName)) {
        TComponent* existing = FindComponent(newName);
        if (existing && existing != component)
            throw EComponentError(Format("A component named %s already exists", {newName}));
    }
}

void TComponent::SetName(const std::string& newName) {
    if (FName == newName) return;
    if (!newName.empty() && !IsValidIdent(newName))
        throw EComponentError(Format("'%s' is not a valid component name", {newName}));
    if (FOwner) FOwner->ValidateRename(this, FName, newName);
    else ValidateRename(nullptr, FName, newName);
    ChangeName(newName);
}

void TComponent::ChangeName(const std::string& newName) {
    if (FOwner) FOwner->UnindexName(this);
    FName = newName;
    if (FOwner && !FName.empty()) FOwner->FNameIndex[UpperCase(FName)] = this;
}

// The link is mutual and kept symmetric, so looking in the shorter of the two
// lists tells whether it exists (a reader links every component it creates).
void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    auto& mine = FFreeNotifies;
    auto& theirs = component->FFreeNotifies;
    bool linked = mine.size() <= theirs.size()
                      ? std::find(mine.begin(), mine.end(), component) != mine.end()
                      : std::find(theirs.begin(), theirs.end(), this) != theirs.end();
    if (linked) return;
    mine.push_back(component);
    theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
    auto& theirs = component->FFreeNotifies;
    theirs.erase(std::remove(theirs.begin(), theirs.end(), this), theirs.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    NotifyAll(component, operation);
}

// The owner passes a removal notice on to every component it owns, so links
// between siblings are cleared when one of them goes. Insertion notices stop
// at the owner: passing them on would make filling a window quadratic, and no
// component needs to hear of a sibling's arrival.
void TComponent::NotifyAll(TComponent* component, TOperation operation) {
    if (operation != TOperation::opRemove) return;
    if (component) {
        FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component),
                            FFreeNotifies.end());
    }
    for (size_t i = FComponents.size(); i-- > 0;) {
        if (i >= FComponents.size()) continue; // a handler removed entries
        FComponents[i]->Notification(component, operation);
    }
}

void TComponent::SetState(TComponentStateFlag flag, bool on) {
    if (on) FState |= flag;
    else FState &= ~static_cast<uint32_t>(flag);
}

void TComponent::SetDesigning(bool value, bool setChildren) {
    SetState(csDesigning, value);
    if (setChildren)
        for (TComponent* c : FComponents) c->SetDesigning(value, true);
}

void TComponent::Loaded() { SetState(csLoading, false); }

void TComponent::GetChildren(const TGetChildProc& proc, TComponent* root) {}

} // namespace fw
