#include "toolkit/win/menus/Menus.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>
#include <unordered_map>

namespace fw {

namespace {

// Command ids of living items. Ids below 0x100 are left to dialogs' own
// buttons, and 0xF000 and up are the window menu's.
constexpr uint16_t kFirstCommand = 0x100;
constexpr uint16_t kLastCommand = 0xEFFF;

struct TCommandPool {
    std::unordered_map<uint16_t, TMenuItem*> Items;
    std::vector<uint16_t> Free;
    uint16_t Next = kFirstCommand;

    uint16_t Take(TMenuItem* item) {
        uint16_t id;
        if (!Free.empty()) {
            id = Free.back();
            Free.pop_back();
        } else if (Next <= kLastCommand) {
            id = Next++;
        } else {
            throw EMenuError("Too many menu items");
        }
        Items[id] = item;
        return id;
    }
    void Give(uint16_t id) {
        if (Items.erase(id)) Free.push_back(id);
    }
};

TCommandPool& Commands() {
    static TCommandPool pool;
    return pool;
}

} // namespace

const TClassInfo& TMenuItem::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMenuItem, TComponent>()
                                       .Prop("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck)
                                       .Default(false)
                                       .Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                       .Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                                       .Default(false)
                                       .Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                                       .Default(true)
                                       .Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex)
                                       .Default(0)
                                       .Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
                                       .Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
                                       .Default(false)
                                       .Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                                       .Default(0)
                                       .Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
                                       .Default(true)
                                       .Prop("OnClick", &TMenuItem::OnClick, &TMenuItem::OnClick)
                                       .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { FCommand = Commands().Take(this); }

TMenuItem::~TMenuItem() {
    Destroying();
    if (FParent) FParent->Remove(this);
    while (!FItems.empty()) delete FItems.back(); // each one leaves this item
    Commands().Give(FCommand);
}

TMenuItem* TMenuItem::FindByCommand(uint16_t command) {
    auto& items = Commands().Items;
    auto found = items.find(command);
    return found == items.end() ? nullptr : found->second;
}

TMenuItem* TMenuItem::Items(int index) const {
    if (index < 0 || index >= Count()) throw EMenuError(Format("Menu index out of range (%d)", {IntToStr(index)}));
    return FItems[static_cast<size_t>(index)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) throw EMenuError("No menu item to insert");
    for (const TMenuItem* p = this; p; p = p->FParent)
        if (p == item) throw EMenuError("A menu item cannot contain itself");
    if (item->FMenu) throw EMenuError("The root of a menu cannot be a sub-item");
    if (item->FParent) item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    if (item->FRadioItem && item->FChecked) item->UncheckGroup();
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    item->FParent = nullptr;
    item->ForgetHandles();
    Changed();
}

void TMenuItem::Delete(int index) { delete Items(index); }

void TMenuItem::Clear() {
    while (!FItems.empty()) delete FItems.back();
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->FParent) root = root->FParent;
    return root->FMenu;
}

// A removed item's submenus went with the menu they were built into.
void TMenuItem::ForgetHandles() {
    FHandle = nullptr;
    for (TMenuItem* c : FItems) c->ForgetHandles();
}

void TMenuItem::Changed() {
    if (TMenu* menu = GetParentMenu()) menu->Rebuild();
}

void TMenuItem::SetCaption(const std::string& v) {
    if (FCaption == v) return;
    FCaption = v;
    Changed();
}

void TMenuItem::SetChecked(bool v) {
    if (FChecked == v) return;
    FChecked = v;
    if (v && FRadioItem) UncheckGroup();
    Changed();
}

void TMenuItem::UncheckGroup() {
    if (!FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex) sibling->FChecked = false;
}

void TMenuItem::SetEnabled(bool v) {
    if (FEnabled == v) return;
    FEnabled = v;
    Changed();
}

void TMenuItem::SetVisible(bool v) {
    if (FVisible == v) return;
    FVisible = v;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut v) {
    if (FShortCut == v) return;
    FShortCut = v;
    Changed();
}

void TMenuItem::SetGroupIndex(int32_t v) {
    if (FGroupIndex == v) return;
    FGroupIndex = v;
    if (FRadioItem && FChecked) UncheckGroup();
    Changed();
}

void TMenuItem::SetRadioItem(bool v) {
    if (FRadioItem == v) return;
    FRadioItem = v;
    if (v && FChecked) UncheckGroup();
    Changed();
}

void TMenuItem::Click() {
    if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
    OnClick(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TMenuItem* c : std::vector<TMenuItem*>(FItems)) proc(c);
}

void TMenuItem::SetChildOrder(TComponent* child, int order) {
    auto* item = dynamic_cast<TMenuItem*>(child);
    if (item && item->FParent == this && IndexOf(item) != order) Insert(order, item);
}

// Items at the top of a menu have the menu, not its unnamed root, as parent.
TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
    else if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
    else if (!parent && FParent) FParent->Remove(this);
    // Any other parent (the form, for an item stored on its own) leaves it
    // where it is.
}

} // namespace fw
