#include "designer/DsnList.h"

namespace fw {

TReceiveTargets::~TReceiveTargets() {
    if (!FReceivers) return;
    // Each receiver drops its link back to us; our own list goes with us.
    for (TReceiveTargets* r : *FReceivers) r->RemoveReceiver(this);
    FReceivers.reset();
}

void TReceiveTargets::RemoveReceiver(TReceiveTargets* receiver) {
    if (receiver && FReceivers) FReceivers->Remove(receiver);
}

void TReceiveTargets::AddReceiver(TReceiveTargets* receiver) {
    if (!receiver) return;
    if (!FReceivers) FReceivers = std::make_unique<TList<TReceiveTargets*>>();
    if (FReceivers->IndexOf(receiver) >= 0) return;
    FReceivers->Add(receiver);
    receiver->AddReceiver(this); // comes back here and stops at the check above
}

TTargetList::TTargetList() : FItems(std::make_unique<TList<TComponent*>>()) {}

TTargetList::~TTargetList() { FItems.reset(); }

// Indexed rather than iterated: a receiver may unlink (free) another one while
// it handles a change, and the loop must then neither skip into freed memory
// nor run past the end.
template <class F> void TTargetList::Broadcast(F call) {
    if (!FReceivers) return;
    for (int i = 0; i < FReceivers->Count(); ++i) call(FReceivers->Items(i));
}

void TTargetList::NilItem(int index) {
    FItems->SetItem(index, nullptr);
    Broadcast([index](TReceiveTargets* r) { r->NilItem(index); });
}

void TTargetList::Add(TComponent* item) {
    FItems->Add(item);
    Broadcast([item](TReceiveTargets* r) { r->Add(item); });
}

void TTargetList::Clear() {
    FItems->Clear();
    Broadcast([](TReceiveTargets* r) { r->Clear(); });
}

void TTargetList::Delete(int index) {
    FItems->Delete(index);
    Broadcast([index](TReceiveTargets* r) { r->Delete(index); });
}

void TTargetList::Update() {
    Broadcast([](TReceiveTargets* r) { r->Update(); });
}

TComponent* TTargetList::GetItem(int index) const {
    if (index >= FItems->Count()) return nullptr;
    return FItems->Items(index); // raises for a negative index
}

} // namespace fw
