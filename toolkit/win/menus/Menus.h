#pragma once
// Menus: trees of menu items, the main menu of a form (a menu bar) and popup
// menus. The item tree is the model; each menu builds its HMENUs from it when
// first asked and rebuilds them whenever an item changes, so the window system
// always shows the current tree. Items are components owned by the form and
// stored inside the record of their parent item or menu.
#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/menus/ShortCuts.h"
#include "toolkit/win/window/Win32.h"

#include <string>
#include <vector>

namespace fw {

class TMenu;
class TControl;
class TForm;

FW_EXCEPTION_CLASS(EMenuError, Exception);

class TMenuItem : public TComponent {
    FW_CLASS(TMenuItem)

    explicit TMenuItem(TComponent* owner);
    // Frees the sub-items too, and leaves the parent.
    ~TMenuItem() override;

    // Sub-items. Add and Insert take an item away from any parent it had
    // first (so items move between menus with their own sub-items); Remove
    // hands an item back to the caller, Delete and Clear free.
    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const;
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
    // The menu whose tree holds this item, if any.
    TMenu* GetParentMenu() const;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v);
    bool IsLine() const { return FCaption == "-"; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool v);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v);
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut v);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& v) { FHint = v; }
    // Radio items of one parent with the same group index check one another
    // out.
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t v);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool v);
    // A click toggles Checked (a radio item is checked).
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool v) { FAutoCheck = v; }

    // The id its WM_COMMAND carries, unique in the process while it lives.
    uint16_t Command() const { return FCommand; }
    // The submenu built for its sub-items, while a menu shows it.
    HMENU Handle() const { return FHandle; }
    // Finds the item with a command id anywhere in the process.
    static TMenuItem* FindByCommand(uint16_t command);

    virtual void Click();
    TNotifyEvent OnClick;

    // Stream structure: sub-items are stored inside the item's record.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void SetChildOrder(TComponent* child, int order) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TMenu;
    // The tree under the menu changed: the menu rebuilds its handles.
    void Changed();
    void ForgetHandles();
    void UncheckGroup();

    TMenu* FMenu = nullptr; // set on the root item of a menu only
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    std::string FCaption;
    std::string FHint;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    int32_t FGroupIndex = 0;
    TShortCut FShortCut = 0;
    uint16_t FCommand = 0;
    HMENU FHandle = nullptr;
};

// What main and popup menus share: the root item whose sub-items are the
// menu's entries, and the HMENU built from them.
class TMenu : public TComponent {
    FW_CLASS(TMenu)

    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root item (no caption, never stored itself); its sub-items are the
    // menu's entries.
    TMenuItem* Items() const { return FItems; }
    HMENU Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // The item of this menu with a command id (nullptr when not ours).
    TMenuItem* FindItem(uint16_t command) const;
    // The first item reachable by the user (visible and enabled, as are its
    // parents) with this shortcut.
    TMenuItem* FindShortCut(TShortCut shortCut) const;
    // Clicks the enabled item with this command id; false when there is none.
    bool DispatchCommand(uint16_t command);

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Loaded() override;

protected:
    virtual HMENU CreateHandle() = 0;
    // Called after the handles were rebuilt.
    virtual void Rebuilt() {}

private:
    friend class TMenuItem;
    void Rebuild();
    void Fill(HMENU menu, TMenuItem* parent);
    bool Updating() const;

    TMenuItem* FItems;
    HMENU FHandle = nullptr;
};

// A form's menu bar; the form shows it once its Menu property names it.
class TMainMenu : public TMenu {
    FW_CLASS(TMainMenu)

    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;
    // The form showing it.
    TForm* Form() const { return FForm; }

protected:
    HMENU CreateHandle() override;
    void Rebuilt() override;

private:
    friend class TForm;
    TForm* FForm = nullptr;
};

// A menu shown at a point: by Popup, or by a control whose PopupMenu it is
// when the user asks for the control's context menu.
class TPopupMenu : public TMenu {
    FW_CLASS(TPopupMenu)

    explicit TPopupMenu(TComponent* owner);

    // Fires OnPopup, shows the menu at a screen point until the user chose
    // or cancelled, and clicks the item chosen.
    virtual void Popup(int32_t x, int32_t y);
    TNotifyEvent OnPopup;
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool v) { FAutoPopup = v; }
    // The component the menu was last shown for.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* c);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    HMENU CreateHandle() override;

private:
    HWND OwnerWindow() const;

    bool FAutoPopup = true;
    TComponent* FPopupComponent = nullptr;
};

// Shows the context menu for control at a screen point: the popup menu of
// the control or of its nearest parent that has one with AutoPopup. (-1, -1)
// (the keyboard's request) shows it at the control's centre. False when no
// menu was shown.
bool ShowContextPopup(TControl* control, int32_t x, int32_t y);

} // namespace fw
