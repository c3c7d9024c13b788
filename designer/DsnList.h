#pragma once
// The selection as a broadcasting list. A TTargetList holds the selected
// components in selection order and passes every change, as the same call
// with the same argument, to the receivers linked to it (grab handles, the
// property set, ...), which keep lists parallel to it index for index.
#include "toolkit/core/Component.h"
#include "toolkit/core/List.h"

#include <memory>

namespace fw {

class TReceiveTargets {
public:
    TReceiveTargets() = default;
    TReceiveTargets(const TReceiveTargets&) = delete;
    TReceiveTargets& operator=(const TReceiveTargets&) = delete;
    // Unlinks this object from every receiver, so none keeps a dangling link.
    virtual ~TReceiveTargets();

    // The item at index is about to disappear: forget it, keep its place.
    virtual void NilItem(int index) = 0;
    // An item was appended.
    virtual void Add(TComponent* item) = 0;
    // All items were removed.
    virtual void Clear() = 0;
    // The item at index was removed; later items move down by one.
    virtual void Delete(int index) = 0;
    // A batch of changes is complete.
    virtual void Update() = 0;

    virtual void RemoveReceiver(TReceiveTargets* receiver);
    // Links both ways; linking twice changes nothing.
    virtual void AddReceiver(TReceiveTargets* receiver);

    // The linked objects in link order (none before the first link).
    const TList<TReceiveTargets*>* Receivers() const { return FReceivers.get(); }

protected:
    std::unique_ptr<TList<TReceiveTargets*>> FReceivers;
};

class TTargetList : public TReceiveTargets {
public:
    TTargetList();
    ~TTargetList() override;

    // Each change alters Items first, then is passed on to the receivers in
    // link order. Indexes outside the list raise the list index error.
    void NilItem(int index) override;
    void Add(TComponent* item) override; // duplicates are the caller's to avoid
    void Clear() override;
    void Delete(int index) override;
    void Update() override;

    int Count() const { return FItems->Count(); }
    // nullptr at or beyond the end; a negative index raises the index error.
    TComponent* GetItem(int index) const;
    int IndexOf(TComponent* component) const { return FItems->IndexOf(component); }
    const TList<TComponent*>& Items() const { return *FItems; }

private:
    template <class F> void Broadcast(F call);
    std::unique_ptr<TList<TComponent*>> FItems;
};

} // namespace fw
