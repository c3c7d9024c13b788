#include "toolkit/core/Collection.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/List.h"
#include "toolkit/core/ScopeGuard.h"

#include <algorithm>

namespace fw {

const TClassInfo& TCollectionItem::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCollectionItem, TPersistent>().Build();
    return info;
}

const TClassInfo& TCollection::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCollection, TPersistent>().Build();
    return info;
}

TCollectionItem::TCollectionItem(TCollection* collection) {
    if (collection) collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection) FCollection->RemoveItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    auto& items = FCollection->FItems;
    auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void TCollectionItem::SetIndex(int value) {
    int cur = Index();
    if (cur < 0 || cur == value) return;
    auto& items = FCollection->FItems;
    if (value < 0 || value >= static_cast<int>(items.size())) RaiseListIndexError(value);
    items.erase(items.begin() + cur);
    items.insert(items.begin() + value, this);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() { return FCollection; }

void TCollectionItem::Changed(bool allItems) {
    if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(const TClassInfo& itemClass, TPersistent* owner) : FItemClass(&itemClass), FOwner(owner) {}

TCollection::~TCollection() {
    FUpdateCount = 1; // no change notices while tearing down
    while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) RaiseListIndexError(index);
    return FItems[static_cast<size_t>(index)];
}

TCollectionItem* TCollection::Add() {
    if (!FItemClass->CreateItem)
        throw EInvalidOperation(Format("Cannot create an item of class %s", {FItemClass->ClassName}));
    TCollectionItem* item = FItemClass->CreateItem(this);
    Changed();
    return item;
}

TCollectionItem* TCollection::Insert(int index) {
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index) { delete Items(index); }

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty()) delete FItems.back();
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* i : FItems)
        if (i->FID == id) return i;
    return nullptr;
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Assign(TPersistent* source) {
    auto* src = dynamic_cast<TCollection*>(source);
    if (!src) {
        TPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    TScopeExit end([this] { EndUpdate(); });
    Clear();
    for (TCollectionItem* item : src->FItems) Add()->Assign(item);
}

void TCollection::InsertItem(TCollectionItem* item) {
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* item) {
    FItems.erase(std::remove(FItems.begin(), FItems.end(), item), FItems.end());
    item->FCollection = nullptr;
    Changed();
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

} // namespace fw
