#include "toolkit/win/menus/Menus.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/menus/ShortCutDispatch.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"

namespace fw {

const TClassInfo& TMenu::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMenu, TComponent>().Build();
    return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr)) { FItems->FMenu = this; }

TMenu::~TMenu() {
    Destroying();
    delete FItems;
    if (FHandle) DestroyMenu(FHandle); // with every submenu in it
}

HMENU TMenu::Handle() {
    if (!FHandle) {
        FHandle = CreateHandle();
        if (!FHandle) throw EMenuError("Cannot create a menu");
        Fill(FHandle, FItems);
    }
    return FHandle;
}

// Loading and tearing down change many items at once: the handles are built
// once afterwards (or not at all).
bool TMenu::Updating() const {
    return HasState(csLoading) || HasState(csDestroying) || (Owner() && Owner()->HasState(csDestroying));
}

void TMenu::Rebuild() {
    if (!FHandle || Updating()) return;
    // Keep the top handle, which a window may be showing; deleting the
    // entries frees the submenus built for them.
    while (GetMenuItemCount(FHandle) > 0)
        if (!DeleteMenu(FHandle, 0, MF_BYPOSITION)) break;
    FItems->ForgetHandles();
    Fill(FHandle, FItems);
    Rebuilt();
}

void TMenu::Fill(HMENU menu, TMenuItem* parent) {
    for (TMenuItem* item : parent->FItems) {
        item->FHandle = nullptr;
        if (!item->FVisible) {
            item->ForgetHandles();
            continue;
        }
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID;
        mii.wID = item->FCommand;
        std::wstring text;
        if (item->IsLine()) {
            mii.fType = MFT_SEPARATOR;
        } else {
            text = win::Wide(item->FCaption);
            if (item->FShortCut) text += L"\t" + win::Wide(ShortCutToText(item->FShortCut));
            mii.fMask |= MIIM_STRING;
            mii.dwTypeData = text.data();
            mii.cch = static_cast<UINT>(text.size());
            if (item->FRadioItem) mii.fType |= MFT_RADIOCHECK;
        }
        if (item->FChecked) mii.fState |= MFS_CHECKED;
        if (!item->FEnabled) mii.fState |= MFS_GRAYED;
        if (!item->FItems.empty()) {
            item->FHandle = CreatePopupMenu();
            if (!item->FHandle) throw EMenuError("Cannot create a menu");
            mii.fMask |= MIIM_SUBMENU;
            mii.hSubMenu = item->FHandle;
            try {
                Fill(item->FHandle, item);
            } catch (...) {
                DestroyMenu(item->FHandle);
                item->ForgetHandles();
                throw;
            }
        }
        if (!InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mii)) {
            if (item->FHandle) DestroyMenu(item->FHandle);
            item->ForgetHandles();
            throw EMenuError(Format("Cannot insert menu item '%s'", {item->FCaption}));
        }
    }
}

TMenuItem* TMenu::FindItem(uint16_t command) const {
    TMenuItem* item = TMenuItem::FindByCommand(command);
    return item && item != FItems && item->GetParentMenu() == this ? item : nullptr;
}

namespace {

TMenuItem* FindShortCutIn(TMenuItem* parent, TShortCut shortCut) {
    for (int i = 0; i < parent->Count(); ++i)
        if (TMenuItem* item = parent->Items(i); item->Visible() && item->Enabled()) {
            if (item->ShortCut() == shortCut && !item->IsLine()) return item;
            if (TMenuItem* found = FindShortCutIn(item, shortCut)) return found;
        }
    return nullptr;
}

} // namespace

TMenuItem* TMenu::FindShortCut(TShortCut shortCut) const {
    return shortCut ? FindShortCutIn(FItems, shortCut) : nullptr;
}

bool TMenu::DispatchCommand(uint16_t command) {
    TMenuItem* item = FindItem(command);
    if (!item || !item->Enabled()) return false;
    item->Click();
    return true;
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { FItems->GetChildren(proc, root); }

void TMenu::Loaded() {
    TComponent::Loaded();
    Rebuild();
}

// --- main menu ---------------------------------------------------------------------

const TClassInfo& TMainMenu::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMainMenu, TMenu>().Build();
    return info;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { InstallShortCutDispatch(); }

TMainMenu::~TMainMenu() {
    Destroying();
    // The form lets go of the bar before the handle is freed.
    if (FForm) FForm->SetMenu(nullptr);
}

HMENU TMainMenu::CreateHandle() { return CreateMenu(); }

void TMainMenu::Rebuilt() {
    if (FForm && FForm->HandleAllocated()) DrawMenuBar(FForm->Handle());
}

// --- popup menu --------------------------------------------------------------------

const TClassInfo& TPopupMenu::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPopupMenu, TMenu>()
                                       .Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
                                       .Default(true)
                                       .Prop("OnPopup", &TPopupMenu::OnPopup, &TPopupMenu::OnPopup)
                                       .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

HMENU TPopupMenu::CreateHandle() { return CreatePopupMenu(); }

void TPopupMenu::SetPopupComponent(TComponent* c) {
    if (FPopupComponent == c) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = c;
    if (c) c->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    TMenu::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FPopupComponent) FPopupComponent = nullptr;
}

namespace {

// Tracking a menu needs a window to own it; when nothing of ours is showing,
// a hidden one serves.
HWND HiddenOwner() {
    static HWND owner = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FwPopupOwner";
        RegisterClassExW(&wc);
        return CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }();
    return owner;
}

} // namespace

HWND TPopupMenu::OwnerWindow() const {
    for (auto* c = dynamic_cast<TControl*>(FPopupComponent); c; c = c->Parent())
        if (auto* w = dynamic_cast<TWinControl*>(c); w && w->HandleAllocated()) return w->Handle();
    if (HWND active = GetActiveWindow()) return active;
    TForm* main = Application().MainForm();
    if (main && main->HandleAllocated()) return main->Handle();
    return HiddenOwner();
}

void TPopupMenu::Popup(int32_t x, int32_t y) {
    OnPopup(this); // may still change the items
    HWND owner = OwnerWindow();
    int command = TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, x, y, 0,
                                 owner, nullptr);
    if (command > 0) DispatchCommand(static_cast<uint16_t>(command));
}

bool ShowContextPopup(TControl* control, int32_t x, int32_t y) {
    for (TControl* c = control; c; c = c->Parent()) {
        TPopupMenu* menu = c->PopupMenu();
        if (!menu) continue;
        // A control with a menu of its own answers for itself.
        if (!menu->AutoPopup()) return false;
        if (x == -1 && y == -1) {
            POINT centre = control->ClientToScreen({control->ClientWidth() / 2, control->ClientHeight() / 2});
            x = centre.x;
            y = centre.y;
        }
        menu->SetPopupComponent(control);
        menu->Popup(x, y);
        return true;
    }
    return false;
}

} // namespace fw
