#pragma once
// Components: objects with an owner that frees them, a name unique among the
// owner's components, removal notification, and a component state.
#include "toolkit/core/Persistent.h"

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace fw {

enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,
    csReading = 1u << 1,
    csWriting = 1u << 2,
    csDestroying = 1u << 3,
    csDesigning = 1u << 4,
    csAncestor = 1u << 5,
    csUpdating = 1u << 6,
    csFixups = 1u << 7,
    csInline = 1u << 9,
};
using TComponentState = uint32_t;

enum class TOperation { opInsert, opRemove };

using TGetChildProc = std::function<void(class TComponent*)>;

class TComponent;

// Tells code that fires an event whether the component survived it: a click
// handler may free the very control that is handling the click. Watches live
// on the stack; the component's destructor marks every watch of it.
class TComponentWatch {
public:
    explicit TComponentWatch(TComponent* component);
    ~TComponentWatch();
    TComponentWatch(const TComponentWatch&) = delete;
    TComponentWatch& operator=(const TComponentWatch&) = delete;

    bool Alive() const { return FComponent != nullptr; }
    explicit operator bool() const { return Alive(); }

private:
    friend class TComponent;
    TComponent* FComponent;
    TComponentWatch* FNext = nullptr;
};

class TComponent : public TPersistent {
    FW_CLASS(TComponent)

    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    // Ownership.
    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Deletes every owned component, last first.
    void DestroyComponents();
    // Finds an owned component by name, ignoring case; an empty name finds nothing.
    TComponent* FindComponent(std::string_view name) const;

    // Naming: a valid identifier, unique among the owner's components.
    const std::string& Name() const { return FName; }
    virtual void SetName(const std::string& newName);

    int32_t Tag() const { return FTag; }
    void SetTag(int32_t v) { FTag = v; }

    // Removal notification: the owner's components and every component that
    // asked with FreeNotification hear of insertion and removal.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);
    virtual void Notification(TComponent* component, TOperation operation);

    // State.
    TComponentState ComponentState() const { return FState; }
    bool HasState(TComponentStateFlag flag) const { return (FState & flag) != 0; }
    void SetState(TComponentStateFlag flag, bool on);
    // Sets or clears the designing flag here and on every owned component.
    void SetDesigning(bool value, bool setChildren = true);
    // Marks the start of destruction (idempotent); derived destructors call it
    // first so the state is visible while they tear down.
    void Destroying();
    // Called once loading from a stream has finished.
    virtual void Loaded();

    // A sub-component is stored as part of its owner's properties.
    bool IsSubComponent() const { return FSubComponent; }
    void SetSubComponent(bool value) { FSubComponent = value; }

    // Stream structure: the components stored inside this one's record, and
    // where a component read from a stream is placed.
    virtual void GetChildren(const TGetChildProc& proc, TComponent* root);
    virtual void SetChildOrder(TComponent* child, int order) {}
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* parent) {}

    TPersistent* GetOwner() override { return FOwner; }

protected:
    virtual void ValidateRename(TComponent* component, const std::string& curName, const std::string& newName);
    // Sets the name without checks, keeping the owner's name index.
    void ChangeName(const std::string& newName);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void NotifyAll(TComponent* component, TOperation operation);
    void UnindexName(TComponent* component);

    TComponent* FOwner = nullptr;
    std::string FName;
    int32_t FTag = 0;
    std::vector<TComponent*> FComponents;
    // Owned components by upper-case name: names are unique, look-ups frequent.
    std::unordered_map<std::string, TComponent*> FNameIndex;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FState = 0;
    bool FSubComponent = false;
    friend class TComponentWatch;
    TComponentWatch* FWatches = nullptr; // innermost first
};

// True for a name that may be used as a component name (a letter or '_', then
// letters, digits or '_').
bool IsValidIdent(std::string_view name);

} // namespace fw
