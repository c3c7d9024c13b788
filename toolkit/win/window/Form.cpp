#include "toolkit/win/window/Form.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/win/menus/Menus.h"
#include "toolkit/win/window/Application.h"

#include <vector>

namespace fw {

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TForm, TCustomControl>()
            .Prop("BorderIcons", &TForm::BorderIcons, &TForm::SetBorderIcons)
            .Default(static_cast<int32_t>(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.Bits()))
            .Prop("BorderStyle", &TForm::BorderStyle, &TForm::SetBorderStyle)
            .Default(bsSizeable)
            .Prop("Caption", &TForm::GetText, &TForm::SetText)
            .Prop("ClientHeight", &TForm::FormClientHeight, &TForm::SetFormClientHeight)
            .Prop("ClientWidth", &TForm::FormClientWidth, &TForm::SetFormClientWidth)
            .Prop("Color", &TForm::Color, &TForm::SetColor)
            .Type(ColorType())
            .Default(clBtnFace)
            .Stored(&TForm::IsColorStored)
            .Prop("Icon", &TForm::Icon, &TForm::SetIcon)
            .Prop("FormStyle", &TForm::FormStyle, &TForm::SetFormStyle)
            .Default(fsNormal)
            .Prop("Menu", &TForm::Menu, &TForm::SetMenu)
            .Prop("Position", &TForm::Position, &TForm::SetPosition)
            .Default(poDesigned)
            // A form is created hidden; showing it is the program's business.
            .Prop("Visible", &TForm::Visible, &TForm::SetVisible)
            .Default(false)
            .Prop("OnActivate", &TForm::OnActivate, &TForm::OnActivate)
            .Prop("OnClose", &TForm::OnClose, &TForm::OnClose)
            .Prop("OnCreate", &TForm::OnCreate, &TForm::OnCreate)
            .Prop("OnDeactivate", &TForm::OnDeactivate, &TForm::OnDeactivate)
            .Prop("OnDestroy", &TForm::OnDestroy, &TForm::OnDestroy)
            .Prop("OnHide", &TForm::OnHide, &TForm::OnHide)
            .Prop("OnShow", &TForm::OnShow, &TForm::OnShow)
            .Build();
    return info;
}

TForm::TForm(TComponent* owner) : TCustomControl(owner) {
    // Forms start hidden, at a usable size.
    TControl::SetVisible(false);
    SetBounds(100, 100, 400, 300);
    FIcon->OnChange = [this](TObject*) { ApplyIcon(); };
}

void TForm::ApplyIcon() {
    if (!HandleAllocated()) return;
    auto icon = reinterpret_cast<LPARAM>(FIcon->Handle());
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, icon);
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, icon);
}

TForm::~TForm() {
    Destroying();
    SetMenu(nullptr);
    try {
        OnDestroy(this);
    } catch (...) {
        Application().HandleException(std::current_exception());
    }
}

void TForm::WindowStyles(DWORD& style, DWORD& exStyle) const {
    style = WS_CLIPCHILDREN;
    exStyle = 0;
    switch (FBorderStyle) {
    case bsNone: style |= WS_POPUP; break;
    case bsSingle: style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable: style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
        style |= WS_CAPTION | WS_POPUP;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case bsToolWindow:
        style |= WS_CAPTION;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case bsSizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (FBorderStyle != bsNone) {
        if (FBorderIcons.Contains(biSystemMenu)) style |= WS_SYSMENU;
        if (FBorderIcons.Contains(biMinimize) && FBorderStyle != bsDialog) style |= WS_MINIMIZEBOX;
        if (FBorderIcons.Contains(biMaximize) && FBorderStyle != bsDialog) style |= WS_MAXIMIZEBOX;
    }
    if (FFormStyle == fsStayOnTop) exStyle |= WS_EX_TOPMOST;
}

void TForm::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    WindowStyles(p.Style, p.ExStyle);
    p.WndParent = ParentWindow();
    if (Parent()) {
        p.Style = (p.Style & ~WS_POPUP) | WS_CHILD;
        p.WndParent = Parent()->Handle();
    }
}

void TForm::CreateWnd() {
    TCustomControl::CreateWnd();
    if (!FIcon->Empty()) ApplyIcon();
    AttachMenu(true);
    Realign();
}

void TForm::DestroyWnd() {
    AttachMenu(false);
    TCustomControl::DestroyWnd();
}

void TForm::AttachMenu(bool attach) {
    if (!HandleAllocated()) return;
    // A child window's menu slot holds its id, not a menu.
    if (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD) return;
    HMENU bar = attach && FMenu ? FMenu->Handle() : nullptr;
    if (GetMenu(Handle()) != bar) ::SetMenu(Handle(), bar);
}

void TForm::SetMenu(TMainMenu* menu) {
    if (FMenu == menu) return;
    if (menu && menu->FForm) menu->FForm->SetMenu(nullptr); // one bar, one window
    if (FMenu) {
        AttachMenu(false);
        FMenu->FForm = nullptr;
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = menu;
    if (menu) {
        menu->FForm = this;
        menu->FreeNotification(this);
        AttachMenu(true);
    }
    // The bar took or gave back client area.
    if (HandleAllocated() && !HasState(csDestroying)) Realign();
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FMenu) SetMenu(nullptr);
}

RECT TForm::ClientRect() const {
    if (const_cast<TForm*>(this)->HandleAllocated()) return TCustomControl::ClientRect();
    // No window yet: the client area the borders of this style would leave.
    DWORD style, exStyle;
    WindowStyles(style, exStyle);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, style, FMenu != nullptr, exStyle);
    return {0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

// While a layout is read the menu bar may be attached only at the end (its
// reference is resolved last): the client size asked for is applied again
// then, so the bar does not eat into it.
void TForm::SetFormClientWidth(int32_t v) {
    if (HasState(csLoading)) FLoadedClientWidth = v;
    SetWidth(Width() - ClientWidth() + v);
}
void TForm::SetFormClientHeight(int32_t v) {
    if (HasState(csLoading)) FLoadedClientHeight = v;
    SetHeight(Height() - ClientHeight() + v);
}

void TForm::Loaded() {
    TCustomControl::Loaded();
    if (FLoadedClientWidth >= 0) SetFormClientWidth(FLoadedClientWidth);
    if (FLoadedClientHeight >= 0) SetFormClientHeight(FLoadedClientHeight);
    FLoadedClientWidth = FLoadedClientHeight = -1;
}

void TForm::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == v) return;
    FBorderStyle = v;
    RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons v) {
    if (FBorderIcons == v) return;
    FBorderIcons = v;
    RecreateWnd();
}

void TForm::SetFormStyle(TFormStyle v) {
    if (FFormStyle == v) return;
    FFormStyle = v;
    if (HandleAllocated())
        SetWindowPos(Handle(), v == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm::PlaceOnShow() {
    if (FPosition != poScreenCenter && FPosition != poDesktopCenter && FPosition != poMainFormCenter &&
        FPosition != poOwnerFormCenter)
        return;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    TForm* main = Application().MainForm();
    if ((FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) && main && main != this)
        area = main->BoundsRect();
    SetBounds(area.left + ((area.right - area.left) - Width()) / 2,
              area.top + ((area.bottom - area.top) - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool v) {
    if (Parent()) {
        TCustomControl::SetVisible(v);
        return;
    }
    if (v == Visible() && (!v || (HandleAllocated() && IsWindowVisible(Handle())))) return;
    TControl::SetVisible(v);
    if (Designing() || HasState(csLoading)) return;
    if (v) {
        PlaceOnShow();
        ShowWindow(Handle(), SW_SHOW);
        OnShow(this);
    } else if (HandleAllocated()) {
        ShowWindow(Handle(), SW_HIDE);
        OnHide(this);
    }
}

void TForm::Show() {
    SetVisible(true);
    if (HandleAllocated()) SetForegroundWindow(Handle());
}

void TForm::Hide() { SetVisible(false); }

int32_t TForm::ShowModal() {
    if (Visible() || FModal) throw EInvalidOperation("Cannot make a visible window modal");
    // Disable the other top-level windows of this thread while we run.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM p) -> BOOL {
            if (IsWindowVisible(h) && IsWindowEnabled(h)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND h : disabled) EnableWindow(h, FALSE);
    FModalResult = mrNone;
    {
        TScopedValue<bool> modal(FModal, true);
        TScopeExit enable([&] {
            for (HWND h : disabled) EnableWindow(h, TRUE);
        });
        Show();
        while (FModalResult == mrNone && !Application().Terminated()) {
            if (!Application().HandleMessage()) break;
            if (FModalResult != mrNone) {
                TCloseAction action = caHide;
                OnClose(this, action);
                if (action == caNone) FModalResult = mrNone;
            }
        }
    }
    Hide();
    return FModalResult;
}

void TForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    TCloseAction action = Application().MainForm() == this ? caFree : caHide;
    OnClose(this, action);
    if (action == caNone) return;
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    if (action == caHide) Hide();
    else if (action == caMinimize) ShowWindow(Handle(), SW_MINIMIZE);
    else if (action == caFree) {
        Hide();
        // Freed once the message that asked for it has been handled.
        TForm* self = this;
        PostMessageW(Handle(), CM_DEFERRED, 0, reinterpret_cast<LPARAM>(self));
    }
}

void TForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* c = Components(i);
        if (c->Owner() == root && (!c->HasParent() || !c->GetParentComponent())) proc(c);
    }
    TCustomControl::GetChildren(proc, root);
}

void TForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_CLOSE: Close(); return;
    case WM_ACTIVATE:
        if (LOWORD(m.WParam) == WA_INACTIVE) OnDeactivate(this);
        else OnActivate(this);
        break;
    case WM_COMMAND:
        // From the menu bar: no control window, notification code 0.
        if (m.LParam == 0 && HIWORD(m.WParam) == 0 && FMenu && FMenu->DispatchCommand(LOWORD(m.WParam))) return;
        break;
    case CM_DEFERRED:
        if (reinterpret_cast<TForm*>(m.LParam) == this) {
            delete this;
            return;
        }
        break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

} // namespace fw
