#include "toolkit/win/window/Control.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/win/menus/Menus.h"
#include "toolkit/win/window/Guarded.h"
#include "toolkit/win/window/Hints.h"
#include "toolkit/win/window/WinControl.h"

#include <algorithm>

namespace fw {

const TClassInfo& TSizeConstraints::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TSizeConstraints, TPersistent>()
            .Prop("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
            .Default(0)
            .Prop("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
            .Default(0)
            .Prop("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
            .Default(0)
            .Prop("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth)
            .Default(0)
            .Build();
    return info;
}

void TSizeConstraints::Set(int32_t& field, int32_t v) {
    if (v < 0) v = 0;
    if (field == v) return;
    field = v;
    if (OnChange) OnChange();
}

void TSizeConstraints::Assign(TPersistent* source) {
    if (auto* s = dynamic_cast<TSizeConstraints*>(source)) {
        MaxHeight = s->MaxHeight;
        MaxWidth = s->MaxWidth;
        MinHeight = s->MinHeight;
        MinWidth = s->MinWidth;
        if (OnChange) OnChange();
        return;
    }
    TPersistent::Assign(source);
}

const TClassInfo& TControl::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TControl, TComponent>()
            .Prop("Left", &TControl::Left, &TControl::SetLeft)
            .Prop("Top", &TControl::Top, &TControl::SetTop)
            .Prop("Width", &TControl::Width, &TControl::SetWidth)
            .Prop("Height", &TControl::Height, &TControl::SetHeight)
            .Prop("Align", &TControl::Align, &TControl::SetAlign)
            .Default(alNone)
            .Prop("Anchors", &TControl::Anchors, &TControl::SetAnchors)
            .Default(static_cast<int32_t>(TAnchors{akLeft, akTop}.Bits()))
            .Prop("Color", &TControl::Color, &TControl::SetColor)
            .Type(ColorType())
            .Default(clBtnFace)
            .Stored(&TControl::IsColorStored)
            .Prop("Constraints", &TControl::Constraints, &TControl::SetConstraints)
            .Prop("Cursor", &TControl::Cursor, &TControl::SetCursor)
            .Type(CursorType())
            .Default(crDefault)
            .Prop("Enabled", &TControl::Enabled, &TControl::SetEnabled)
            .Default(true)
            .Prop("Font", &TControl::Font, &TControl::SetFont)
            .Stored(&TControl::IsFontStored)
            .Prop("Hint", &TControl::Hint, &TControl::SetHint)
            .Prop("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
            .Default(false)
            .Prop("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
            .Default(true)
            .Prop("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
            .Default(true)
            .Prop("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
            .Prop("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
            .Stored(&TControl::IsShowHintStored)
            .Prop("Visible", &TControl::Visible, &TControl::SetVisible)
            .Default(true)
            .Prop("OnClick", &TControl::OnClick, &TControl::OnClick)
            .Prop("OnDblClick", &TControl::OnDblClick, &TControl::OnDblClick)
            .Prop("OnMouseDown", &TControl::OnMouseDown, &TControl::OnMouseDown)
            .Prop("OnMouseMove", &TControl::OnMouseMove, &TControl::OnMouseMove)
            .Prop("OnMouseUp", &TControl::OnMouseUp, &TControl::OnMouseUp)
            .Build();
    return info;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), FConstraints(std::make_unique<TSizeConstraints>()), FFont(std::make_unique<TFont>()) {
    FConstraints->OnChange = [this] { SetBounds(FLeft, FTop, FWidth, FHeight); };
    FFont->OnChange = [this](TObject*) {
        // A font set on this control itself no longer follows the parent's.
        if (!FFollowingParent) FParentFont = false;
        FontChanged();
    };
}

TControl::~TControl() {
    Destroying();
    ForgetHint(this);
    SetParent(nullptr);
}

void TControl::SetParent(TWinControl* parent) {
    if (FParent == parent) return;
    for (TControl* p = parent; p; p = p->FParent)
        if (p == this) throw EInvalidOperation("A control cannot have itself or a child as its parent");
    if (FParent) FParent->RemoveControl(this);
    FParent = parent;
    if (FParent) {
        FParent->InsertControl(this);
        if (FParentColor) FColor = FParent->Color();
        if (FParentShowHint) FShowHint = FParent->ShowHint();
        if (FParentFont) ParentFontChanged();
        RequestAlign();
    }
}

TComponent* TControl::GetParentComponent() const { return FParent; }

void TControl::SetParentComponent(TComponent* parent) {
    if (!parent) {
        SetParent(nullptr);
        return;
    }
    auto* p = dynamic_cast<TWinControl*>(parent);
    if (!p) throw EInvalidOperation(Format("%s cannot be the parent of %s", {parent->Name(), Name()}));
    SetParent(p);
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    FPopupMenu = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::ApplyConstraints(int32_t& width, int32_t& height) const {
    const TSizeConstraints& c = *FConstraints;
    if (c.MinWidth > 0 && width < c.MinWidth) width = c.MinWidth;
    if (c.MaxWidth > 0 && width > c.MaxWidth) width = c.MaxWidth;
    if (c.MinHeight > 0 && height < c.MinHeight) height = c.MinHeight;
    if (c.MaxHeight > 0 && height > c.MaxHeight) height = c.MaxHeight;
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    ApplyConstraints(width, height);
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
    RECT old = BoundsRect();
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    UpdateBoundsRect(old);
    BoundsChanged();
    RequestAlign();
    if (FParent) FParent->ChildBoundsChanged(this);
}

// A control without a window repaints the parent's area it left and the
// one it now covers.
void TControl::UpdateBoundsRect(const RECT& old) {
    if (!FParent || !FParent->HandleAllocated()) return;
    InvalidateRect(FParent->Handle(), &old, TRUE);
    RECT now = BoundsRect();
    InvalidateRect(FParent->Handle(), &now, TRUE);
}

void TControl::RequestAlign() {
    // While a stream is read, bounds and Align arrive one by one: lay out
    // once loading has finished (Loaded).
    if (HasState(csLoading)) return;
    if (FParent && (FAlign != alNone || !(FAnchors == TAnchors{akLeft, akTop})) && !(FParent->FControlState & csAligning))
        FParent->Realign();
}

void TControl::SetAlign(TAlign v) {
    if (FAlign == v) return;
    FAlign = v;
    if (FParent && !HasState(csLoading)) FParent->Realign();
}

void TControl::Loaded() {
    TComponent::Loaded();
    if (FParent && (FAlign != alNone || !(FAnchors == TAnchors{akLeft, akTop}))) FParent->Realign();
}

void TControl::SetClientWidth(int32_t v) { SetWidth(FWidth - ClientWidth() + v); }
void TControl::SetClientHeight(int32_t v) { SetHeight(FHeight - ClientHeight() + v); }

POINT TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    POINT p = FParent->ClientOrigin();
    return {p.x + FLeft, p.y + FTop};
}

POINT TControl::ClientToScreen(POINT p) const {
    POINT o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

POINT TControl::ScreenToClient(POINT p) const {
    POINT o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

bool TControl::Showing() const {
    if (!FVisible) return false;
    return FParent ? FParent->Showing() : true;
}

void TControl::SetVisible(bool v) {
    if (FVisible == v) return;
    FVisible = v;
    if (FParent) {
        if (FParent->HandleAllocated()) {
            RECT r = BoundsRect();
            InvalidateRect(FParent->Handle(), &r, TRUE);
        }
        if (FAlign != alNone) FParent->Realign();
        FParent->ChildBoundsChanged(this);
    }
}

void TControl::SetEnabled(bool v) {
    if (FEnabled == v) return;
    FEnabled = v;
    Invalidate();
}

void TControl::SetColor(int32_t v) {
    FParentColor = false;
    if (FColor == v) return;
    FColor = v;
    Invalidate();
}

void TControl::SetParentColor(bool v) {
    FParentColor = v;
    if (v && FParent) {
        FColor = FParent->Color();
        Invalidate();
    }
}

void TControl::ParentColorChanged() {
    if (FParentColor && FParent) {
        FColor = FParent->Color();
        Invalidate();
    }
}

void TControl::SetParentFont(bool v) {
    FParentFont = v;
    if (v) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!FParentFont || !FParent) return;
    TScopedValue<bool> following(FFollowingParent, true);
    FFont->Assign(FParent->Font());
}

void TControl::SetCursor(int32_t v) { FCursor = v; }

void TControl::SetParentShowHint(bool v) {
    FParentShowHint = v;
    if (v && FParent) FShowHint = FParent->ShowHint();
}

bool TControl::IsShowHintStored() const { return !FParentShowHint; }

void TControl::SetText(const std::string& v) {
    if (FText == v) return;
    FText = v;
    TextChanged();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WndProc(m);
    return m.Result;
}

LRESULT TControl::PerformGuarded(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    return Guarded([&] { return Perform(msg, wParam, lParam); });
}

void TControl::WndProc(TMessage& m) {
    if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MOUSELAST) {
        if (!HandleMouse(m)) return;
    } else if (m.Msg == CM_DESIGNHITTEST) {
        m.Result = 0;
    }
    DefaultHandler(m);
}

bool TControl::HandleMouse(TMessage& m) {
    int32_t x = LoWordSigned(m.LParam), y = HiWordSigned(m.LParam);
    TShiftState shift = KeysToShiftState(m.WParam);
    TComponentWatch alive(this);
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        if (FControlStyle & csCaptureMouse) FControlState |= csLButtonDown;
        MouseDown(mbLeft, shift, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        if (FControlStyle & csDoubleClicks) {
            if (FControlStyle & csCaptureMouse) FControlState |= csLButtonDown;
            DblClick();
            if (!alive) return false;
            MouseDown(mbLeft, shift + TShiftState{ssDouble}, x, y);
        } else {
            MouseDown(mbLeft, shift, x, y);
        }
        break;
    case WM_LBUTTONUP: {
        bool wasDown = (FControlState & csLButtonDown) != 0;
        FControlState &= ~static_cast<uint32_t>(csLButtonDown);
        MouseUp(mbLeft, shift, x, y);
        if (!alive) return false;
        RECT r = ClientRect();
        POINT p{x, y};
        if (wasDown && (FControlStyle & csClickEvents) && PtInRect(&r, p)) Click();
        break;
    }
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, x, y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    default: break;
    }
    return alive.Alive();
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int32_t x, int32_t y) { OnMouseMove(this, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    OnMouseUp(this, button, shift, x, y);
}

void TControl::Click() { OnClick(this); }
void TControl::DblClick() { OnDblClick(this); }

void TControl::Invalidate() {
    if (!FParent || !FParent->HandleAllocated()) return;
    RECT r = BoundsRect();
    InvalidateRect(FParent->Handle(), &r, TRUE);
}

void TControl::Update() {
    if (FParent && FParent->HandleAllocated()) UpdateWindow(FParent->Handle());
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::BringToFront() {
    if (!FParent) return;
    FParent->SetChildOrder(this, FParent->ControlCount());
}

void TControl::SendToBack() {
    if (!FParent) return;
    FParent->SetChildOrder(this, 0);
}

} // namespace fw
