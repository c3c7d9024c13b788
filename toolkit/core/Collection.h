#pragma once
// Collections: an owned, ordered set of items of one item class, stored in a
// component stream as one collection value.
#include "toolkit/core/Persistent.h"

#include <memory>
#include <vector>

namespace fw {

class TCollection;

class TCollectionItem : public TPersistent {
    FW_CLASS(TCollectionItem)

    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    int Index() const;
    void SetIndex(int value);
    int ID() const { return FID; }
    virtual std::string DisplayName() const { return ClassName(); }
    TPersistent* GetOwner() override;

protected:
    // Tells the collection that this item changed (all items when allItems).
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
    FW_CLASS(TCollection)

    // itemClass must have a CreateItem factory (TClassBuilder gives one to
    // item classes constructible from a TCollection*).
    TCollection(const TClassInfo& itemClass, TPersistent* owner = nullptr);
    ~TCollection() override;

    const TClassInfo& ItemClass() const { return *FItemClass; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    void BeginUpdate();
    void EndUpdate();
    void Assign(TPersistent* source) override;
    TPersistent* GetOwner() override { return FOwner; }

protected:
    // Called when an item changes, or with nullptr when the whole collection did.
    virtual void Update(TCollectionItem* item) {}

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);
    void Changed();

    const TClassInfo* FItemClass;
    TPersistent* FOwner;
    std::vector<TCollectionItem*> FItems; // owned
    int FNextID = 0;
    int FUpdateCount = 0;
};

} // namespace fw
