#include "toolkit/win/window/WinControl.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/win/menus/Menus.h"
#include "toolkit/win/window/Cursors.h"
#include "toolkit/win/window/Guarded.h"
#include "toolkit/win/window/Hints.h"
#include "toolkit/win/window/WindowClass.h"
#include "toolkit/win/window/WindowTable.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

// The control of each toolkit window.
TWindowTable<TWinControl*>& WindowControls() {
    static TWindowTable<TWinControl*> controls;
    return controls;
}

// The control whose window is being created: the first message of a new
// window attaches it (messages arrive before CreateWindowExW returns).
TWinControl* gCreating = nullptr;

bool IsPointerMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL && msg != WM_MOUSEHWHEEL;
}

bool IsPress(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
           msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

bool IsRelease(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

} // namespace

LRESULT CALLBACK ToolkitWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    TWinControl* c = TWinControl::FindControl(h);
    if (!c && gCreating) {
        c = gCreating;
        gCreating = nullptr;
        c->FHandle = h;
        WindowControls().Set(h, c);
    }
    if (!c) return CallWindowProcW(ClassProcOf(h), h, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    // A handler may free the control along with its window.
    TComponentWatch alive(c);
    Guarded([&] { c->WndProc(m); });
    if (msg == WM_NCDESTROY) {
        if (alive) c->HandleDestroyed();
        WindowControls().Remove(h); // the handle may be reused by a window to come
    }
    return m.Result;
}

const TClassInfo& TWinControl::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TWinControl, TControl>()
                                       .Prop("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                       .Default(-1)
                                       .Prop("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                       .Default(false)
                                       .Prop("OnEnter", &TWinControl::OnEnter, &TWinControl::OnEnter)
                                       .Prop("OnExit", &TWinControl::OnExit, &TWinControl::OnExit)
                                       .Prop("OnKeyDown", &TWinControl::OnKeyDown, &TWinControl::OnKeyDown)
                                       .Prop("OnKeyPress", &TWinControl::OnKeyPress, &TWinControl::OnKeyPress)
                                       .Prop("OnKeyUp", &TWinControl::OnKeyUp, &TWinControl::OnKeyUp)
                                       .Build();
    return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Child controls go with their parent, like the windows they stand for.
    while (!FWinControls.empty()) delete FWinControls.back();
    while (!FControls.empty()) delete FControls.back();
    DestroyHandle();
    // Leave the parent while this is still known to be a windowed control.
    SetParent(nullptr);
}

TWinControl* TWinControl::FindControl(HWND h) {
    return h ? WindowControls().Find(h) : nullptr;
}

HWND TWinControl::Handle() {
    if (!FHandle) CreateHandle();
    return FHandle;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = win::Wide(FText);
    p.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (FTabStop) p.Style |= WS_TABSTOP;
    if (!Enabled()) p.Style |= WS_DISABLED;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    p.WndParent = Parent() ? Parent()->Handle() : FParentWindow;
    p.WinClassName = win::Wide("Fw" + ClassName());
}

void TWinControl::CreateHandleAt(bool onTop) {
    if (FHandle) return;
    if (Parent()) Parent()->HandleNeeded();
    if (FHandle) return; // the parent's creation made ours
    CreateWnd();
    InitializeWnd();
    // Windows stack in the order of the child list, the last one on top. A
    // child still being read makes its window when its reading is done.
    for (TWinControl* child : FWinControls)
        if (!child->HasState(csLoading)) child->CreateHandleAt(true);
    // Stacking before showing: moving a window that shows costs the window
    // system about as much as making it did.
    if (onTop) SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (Parent() && Visible()) ShowWindow(FHandle, SW_SHOWNA);
}

void TWinControl::CreateWnd() {
    TCreateParams p;
    CreateParams(p);
    if (!p.SystemClass.empty() && p.WinClassName == win::Wide("Fw" + ClassName()))
        p.WinClassName = L"Fw." + p.SystemClass;
    FDefWndProc = RegisterToolkitClass(p);
    if ((p.Style & WS_CHILD) && !p.WndParent) throw EInvalidOperation(Format("Control '%s' has no parent window", {Name()}));
    // A child window gets an identifier of its own: the item-measuring
    // message names its control by identifier only.
    static UINT nextId = 0;
    HMENU id = nullptr;
    if (p.Style & WS_CHILD) {
        nextId = nextId % 0xFFFE + 1;
        id = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nextId));
    }
    gCreating = this;
    HWND h = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y, p.Width,
                             p.Height, p.WndParent, id, GetModuleHandleW(nullptr), nullptr);
    gCreating = nullptr;
    if (!h) {
        FHandle = nullptr;
        throw EInvalidOperation(Format("Error creating window for '%s'", {Name()}));
    }
    FHandle = h;
    if (!FindControl(h)) WindowControls().Set(h, this);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
    RECT client;
    GetClientRect(h, &client);
    FLastClient = {client.right, client.bottom};
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    SaveWndState();
    for (TWinControl* child : FWinControls) child->DestroyHandle();
    DestroyWnd();
}

void TWinControl::DestroyWnd() {
    if (FHandle) DestroyWindow(FHandle);
    // WM_NCDESTROY cleared the link; make sure of it for windows that failed.
    if (FHandle) HandleDestroyed();
}

void TWinControl::HandleDestroyed() {
    if (!FHandle) return;
    if (FindControl(FHandle) == this) WindowControls().Remove(FHandle);
    FHandle = nullptr;
    FMouseControl = nullptr;
}

void TWinControl::RecreateWnd() {
    if (!FHandle || FRecreating) return;
    {
        TScopedValue<bool> recreating(FRecreating, true);
        DestroyHandle();
        CreateHandle();
    }
    if (TWinControl* parent = Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            if (TControl* sibling = parent->Controls(i); sibling != this)
                sibling->Perform(CM_SIBLINGRECREATED, 0, reinterpret_cast<LPARAM>(this));
}

void TWinControl::SaveWndState() { FText = GetText(); }

// --- children ----------------------------------------------------------------

TControl* TWinControl::Controls(int index) const {
    if (index < 0 || index >= ControlCount()) RaiseListIndexError(index);
    size_t i = static_cast<size_t>(index);
    return i < FControls.size() ? FControls[i] : FWinControls[i - FControls.size()];
}

int TWinControl::IndexOfControl(const TControl* c) const {
    for (int i = 0; i < ControlCount(); ++i)
        if (Controls(i) == c) return i;
    return -1;
}

bool TWinControl::ContainsControl(const TControl* c) const {
    for (const TControl* p = c; p; p = p->Parent())
        if (p == this) return true;
    return false;
}

void TWinControl::InsertControl(TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        FWinControls.push_back(w);
        // A control being read gets its window once all its properties are
        // in (see Loaded): made now, it would be moved, sized and restyled
        // through the system once per property.
        if (FHandle && !w->HasState(csLoading)) w->CreateHandleAt(true);
    } else {
        FControls.push_back(c);
        c->Invalidate();
    }
    ChildBoundsChanged(c);
    ControlListChanged(c, true);
}

// Looks the control up in both lists rather than asking its class: a control
// being destroyed no longer answers for its most derived class.
void TWinControl::RemoveControl(TControl* c) {
    if (FMouseControl == c) FMouseControl = nullptr;
    auto w = std::find(FWinControls.begin(), FWinControls.end(), static_cast<const TControl*>(c));
    if (w != FWinControls.end()) {
        TWinControl* child = *w;
        FWinControls.erase(w);
        // The child's window cannot stay inside a parent it left.
        if (!HasState(csDestroying) && !child->HasState(csDestroying)) child->DestroyHandle();
    } else {
        if (!c->HasState(csDestroying)) c->Invalidate();
        FControls.erase(std::remove(FControls.begin(), FControls.end(), c), FControls.end());
    }
    if (HasState(csDestroying)) return;
    ChildBoundsChanged(nullptr);
    ControlListChanged(c, false);
}

void TWinControl::SetChildOrder(TComponent* child, int order) {
    auto* c = dynamic_cast<TControl*>(child);
    if (!c || c->Parent() != this) return;
    if (auto* w = dynamic_cast<TWinControl*>(c)) {
        int pos = std::clamp(order - static_cast<int>(FControls.size()), 0, static_cast<int>(FWinControls.size()) - 1);
        FWinControls.erase(std::find(FWinControls.begin(), FWinControls.end(), w));
        FWinControls.insert(FWinControls.begin() + pos, w);
        if (w->FHandle) {
            // The list runs from the bottom of the stack to its top: go just
            // below the window of the next control.
            size_t next = static_cast<size_t>(pos) + 1;
            bool last = next >= FWinControls.size();
            HWND above = last ? HWND_TOP : FWinControls[next]->FHandle; // HWND_TOP is 0
            if (last || above) SetWindowPos(w->FHandle, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    } else {
        int pos = std::clamp(order, 0, static_cast<int>(FControls.size()) - 1);
        FControls.erase(std::find(FControls.begin(), FControls.end(), c));
        FControls.insert(FControls.begin() + pos, c);
        c->Invalidate();
    }
}

void TWinControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Owner() == root) proc(c);
    }
}

TControl* TWinControl::ControlAtPos(POINT p, bool allowDisabled, bool allowWinControls) const {
    auto hit = [&](TControl* c) {
        if (!(c->Visible() || c->Designing())) return false;
        if (!c->Enabled() && !allowDisabled) return false;
        RECT r = c->BoundsRect();
        return PtInRect(&r, p) != 0;
    };
    if (allowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hit(*it)) return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hit(*it)) return *it;
    return nullptr;
}

// --- state pushed into the window ---------------------------------------------

void TWinControl::UpdateBoundsRect(const RECT&) {
    if (FHandle && !FSyncingBounds)
        SetWindowPos(FHandle, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TControl::SetBounds(left, top, width, height);
    RECT client = ClientRect();
    SIZE now{client.right - client.left, client.bottom - client.top};
    int dw = now.cx - FLastClient.cx, dh = now.cy - FLastClient.cy;
    FLastClient = now;
    if (dw == 0 && dh == 0) return;
    // Children anchored to the right or bottom follow that edge.
    FollowAnchors(dw, dh);
    Realign();
}

RECT TWinControl::ClientRect() const {
    RECT r{0, 0, Width(), Height()};
    if (FHandle) GetClientRect(FHandle, &r);
    return r;
}

POINT TWinControl::ClientOrigin() const {
    if (FHandle) {
        POINT p{0, 0};
        ::ClientToScreen(FHandle, &p);
        return p;
    }
    return TControl::ClientOrigin();
}

void TWinControl::Invalidate() {
    if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::SetVisible(bool v) {
    if (Visible() == v) return;
    TControl::SetVisible(v);
    if (FHandle && Parent()) ShowWindow(FHandle, v ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::SetEnabled(bool v) {
    TControl::SetEnabled(v);
    if (FHandle) EnableWindow(FHandle, v);
}

void TWinControl::SetText(const std::string& v) {
    if (FHandle) {
        if (GetText() == v) return;
        FText = v;
        SetWindowTextW(FHandle, win::Wide(v).c_str());
        TextChanged();
        return;
    }
    TControl::SetText(v);
}

std::string TWinControl::GetText() const {
    if (!FHandle) return FText;
    int n = GetWindowTextLengthW(FHandle);
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(FHandle, w.data(), n + 1);
    w.resize(static_cast<size_t>(std::max(n, 0)));
    return win::Narrow(w);
}

void TWinControl::SetCursor(int32_t v) { TControl::SetCursor(v); }

// The window shows the new font, and children that follow ours follow.
void TWinControl::FontChanged() {
    if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->ParentFontChanged();
    Invalidate();
}

void TWinControl::SetColor(int32_t v) {
    TControl::SetColor(v);
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->ParentColorChanged();
}

void TWinControl::SetTabStop(bool v) {
    if (FTabStop == v) return;
    FTabStop = v;
    if (FHandle) {
        LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
        SetWindowLongPtrW(FHandle, GWL_STYLE, v ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
    }
}

int32_t TWinControl::TabOrder() const {
    if (!Parent()) return -1;
    auto& list = Parent()->FWinControls;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int32_t>(it - list.begin());
}

void TWinControl::SetTabOrder(int32_t v) {
    if (!Parent() || v < 0) return;
    Parent()->SetChildOrder(this, static_cast<int>(Parent()->FControls.size()) + v);
}

void TWinControl::SetFocus() {
    HWND h = Handle();
    ::SetFocus(h);
}

bool TWinControl::Focused() const { return FHandle && GetFocus() == FHandle; }

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

// --- messages ----------------------------------------------------------------------

void TWinControl::DefaultHandler(TMessage& m) {
    if (FHandle) m.Result = CallWindowProcW(FDefWndProc ? FDefWndProc : DefWindowProcW, FHandle, m.Msg, m.WParam, m.LParam);
}

bool TWinControl::ReflectNotification(TMessage& m) {
    HWND child = nullptr;
    switch (m.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: child = reinterpret_cast<HWND>(m.LParam); break;
    case WM_NOTIFY: child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom; break;
    case WM_DRAWITEM: child = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem; break;
    case WM_MEASUREITEM: {
        auto* mi = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        if (mi->CtlType == ODT_MENU || !FHandle) return false;
        child = GetDlgItem(FHandle, static_cast<int>(mi->CtlID));
        break;
    }
    default: return false;
    }
    TWinControl* c = FindControl(child);
    if (!c || c == this) return false;
    m.Result = c->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
    return true;
}

void TWinControl::PaintControls(HDC dc, const RECT& update) {
    for (TControl* c : FControls) {
        if (!(c->Visible() || c->Designing())) continue;
        RECT b = c->BoundsRect(), tmp;
        if (!IntersectRect(&tmp, &b, &update)) continue;
        int saved = SaveDC(dc);
        POINT old;
        OffsetViewportOrgEx(dc, b.left, b.top, &old);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        RestoreDC(dc, saved);
    }
}

void TWinControl::WmPaint(TMessage& m) {
    if (FDefWndProc != DefWindowProcW) {
        // A system control paints itself; children without windows on top.
        DefaultHandler(m);
        if (!FControls.empty()) {
            HDC dc = GetDC(FHandle);
            TScopeExit release([&] { ReleaseDC(FHandle, dc); });
            PaintControls(dc, ClientRect());
        }
        return;
    }
    if (m.WParam) {
        auto dc = reinterpret_cast<HDC>(m.WParam);
        PaintWindow(dc);
        PaintControls(dc, ClientRect());
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(FHandle, &ps);
    TScopeExit end([&] { EndPaint(FHandle, &ps); });
    PaintWindow(dc);
    PaintControls(dc, ps.rcPaint);
}

// Our own classes paint into the given DC as for WM_PAINT (printing, images
// of a window); system classes answer it themselves.
bool TWinControl::WmPrintClient(TMessage& m) {
    if (FDefWndProc != DefWindowProcW || !m.WParam) return false;
    TMessage paint{WM_PAINT, m.WParam, 0, 0};
    WmPaint(paint);
    return true;
}

bool TWinControl::WmEraseBkgnd(TMessage& m) {
    if (FDefWndProc != DefWindowProcW) return false;
    RECT r;
    GetClientRect(FHandle, &r);
    HBRUSH b = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, b);
    DeleteObject(b);
    m.Result = 1;
    return true;
}

// The popup menu of the control without a window under the pointer, else of
// this control or its parents. (-1, -1) comes from the keyboard.
bool TWinControl::ContextPopup(const TMessage& m) {
    int32_t x = LoWordSigned(m.LParam), y = HiWordSigned(m.LParam);
    TControl* target = this;
    if (x != -1 || y != -1)
        if (TControl* c = ControlAtPos(ScreenToClient({x, y}), false)) target = c;
    return ShowContextPopup(target, x, y);
}

void TWinControl::KeyDown(int32_t& key, TShiftState shift) { OnKeyDown(this, key, shift); }
void TWinControl::KeyPress(int32_t& key) { OnKeyPress(this, key); }
void TWinControl::KeyUp(int32_t& key, TShiftState shift) { OnKeyUp(this, key, shift); }

// A key handler that sets the key to 0 swallows the message.
bool TWinControl::WmKey(TMessage& m, void (TWinControl::*handler)(int32_t&, TShiftState)) {
    int32_t key = static_cast<int32_t>(m.WParam);
    (this->*handler)(key, KeyboardStateToShiftState());
    if (key == 0) return true;
    m.WParam = static_cast<WPARAM>(key);
    return false;
}

bool TWinControl::WmChar(TMessage& m) {
    int32_t key = static_cast<int32_t>(m.WParam);
    KeyPress(key);
    m.WParam = static_cast<WPARAM>(key);
    return key == 0;
}

// The window moved or was sized (by the user, or by the system): take its
// bounds without pushing them back to it.
void TWinControl::WmWindowPosChanged(TMessage& m) {
    auto* wp = reinterpret_cast<WINDOWPOS*>(m.LParam);
    if ((wp->flags & SWP_NOSIZE) && (wp->flags & SWP_NOMOVE)) return;
    RECT r;
    GetWindowRect(FHandle, &r);
    HWND parent = GetParent(FHandle);
    if (parent && (GetWindowLongPtrW(FHandle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    TScopedValue<bool> syncing(FSyncingBounds, true);
    SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// A frame dragged by the user stops at the size constraints.
void TWinControl::WmGetMinMaxInfo(TMessage& m) {
    DefaultHandler(m);
    auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
    const TSizeConstraints& c = *Constraints();
    if (c.MinWidth > 0) info->ptMinTrackSize.x = c.MinWidth;
    if (c.MinHeight > 0) info->ptMinTrackSize.y = c.MinHeight;
    if (c.MaxWidth > 0) {
        info->ptMaxTrackSize.x = c.MaxWidth;
        info->ptMaxSize.x = std::min<LONG>(info->ptMaxSize.x, c.MaxWidth);
    }
    if (c.MaxHeight > 0) {
        info->ptMaxTrackSize.y = c.MaxHeight;
        info->ptMaxSize.y = std::min<LONG>(info->ptMaxSize.y, c.MaxHeight);
    }
}

bool TWinControl::WmSetCursor(TMessage& m) {
    if (LOWORD(m.LParam) != HTCLIENT) return false;
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(FHandle, &p);
    TControl* c = ControlAtPos(p, false);
    int32_t id = c ? c->EffectiveCursor() : EffectiveCursor();
    if (id == 0) return false;
    ::SetCursor(CursorHandle(id));
    m.Result = TRUE;
    return true;
}

// Our own window classes answer like the system controls do.
bool TWinControl::WmGetFont(TMessage& m) {
    if (FDefWndProc != DefWindowProcW) return false;
    m.Result = reinterpret_cast<LRESULT>(Font()->Handle());
    return true;
}

// System list and tree views report clicks through notifications; their
// own release and double-click handling must run untouched.
bool TWinControl::NotifiedClick(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        UINT code = reinterpret_cast<NMHDR*>(m.LParam)->code;
        if (code == static_cast<UINT>(NM_CLICK)) {
            Click();
            return true;
        }
        if (code == static_cast<UINT>(NM_DBLCLK)) {
            DblClick();
            return true;
        }
    }
    if (m.Msg == WM_LBUTTONUP || m.Msg == WM_LBUTTONDBLCLK) {
        DefaultHandler(m);
        return true;
    }
    return false;
}

// Pointer messages go to the child without a window under the pointer (or
// the one that has the pointer captured), else to this control. A press on a
// control that asks for it captures the pointer until the release, so a drag
// that leaves a small window keeps its moves and its release; system
// controls capture the pointer themselves.
void TWinControl::WmPointer(TMessage& m) {
    POINT p{LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
    TControl* target = FMouseControl ? FMouseControl : ControlAtPos(p, false);
    TrackHint(*this, target ? target : this, MSG{FHandle, m.Msg, m.WParam, m.LParam, 0, {0, 0}});
    bool press = IsPress(m.Msg), release = IsRelease(m.Msg);
    if (!target) {
        bool captures = (FControlStyle & csCaptureMouse) && FDefWndProc == DefWindowProcW;
        if (press && captures) SetCapture(FHandle);
        // The release is handled while the pointer is still ours (a control
        // that tracks a press ends it when the capture goes elsewhere).
        TComponentWatch alive(this);
        TControl::WndProc(m);
        if (release && captures && alive && GetCapture() == FHandle) ReleaseCapture();
        return;
    }
    if (press) {
        FMouseControl = target;
        SetCapture(FHandle);
    }
    if (release) {
        FMouseControl = nullptr;
        if (GetCapture() == FHandle) ReleaseCapture();
    }
    m.Result = target->Perform(m.Msg, m.WParam, PointToLParam(p.x - target->Left(), p.y - target->Top()));
}

void TWinControl::WndProc(TMessage& m) {
    // A handler may free this control (a click that deletes its button):
    // nothing touches it after that.
    TComponentWatch alive(this);
    if (HandleOwnMessage(m) || !alive) return;
    TControl::WndProc(m);
}

// The messages a windowed control handles itself; false passes the message
// on to the control's general handling and the window's own procedure.
bool TWinControl::HandleOwnMessage(TMessage& m) {
    if (ClicksByNotification() && NotifiedClick(m)) return true;
    switch (m.Msg) {
    case WM_PAINT: WmPaint(m); return true;
    case WM_PRINTCLIENT: return WmPrintClient(m);
    case WM_ERASEBKGND: return WmEraseBkgnd(m);
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: return ReflectNotification(m);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return WmKey(m, &TWinControl::KeyDown);
    case WM_KEYUP:
    case WM_SYSKEYUP: return WmKey(m, &TWinControl::KeyUp);
    case WM_CHAR: return WmChar(m);
    case WM_SETFOCUS: DoEnter(); return false;
    case WM_KILLFOCUS: DoExit(); return false;
    case WM_WINDOWPOSCHANGED: WmWindowPosChanged(m); return false;
    case WM_GETMINMAXINFO: WmGetMinMaxInfo(m); return true;
    case WM_SETCURSOR: return WmSetCursor(m);
    case WM_GETFONT: return WmGetFont(m);
    case CM_DESIGNHITTEST: m.Result = 0; return true;
    case WM_CONTEXTMENU: return !Designing() && ContextPopup(m);
    default: break;
    }
    if (!IsPointerMessage(m.Msg)) return false;
    WmPointer(m);
    return true;
}

} // namespace fw
