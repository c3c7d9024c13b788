#include "designer/DsnAgent.h"

#include "designer/DsnMessages.h"
#include "designer/DsnUnit.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/window/Guarded.h"
#include "toolkit/win/window/WindowTable.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace fw {

namespace {

// The agent of each hooked window.
TWindowTable<TAgent*>& HookedAgents() {
    static TWindowTable<TAgent*> agents;
    return agents;
}

// The procedure to chain to where an agent had to stay in a window's chain
// after unhooking (someone else had hooked the window on top of it).
TWindowTable<WNDPROC>& PassThroughs() {
    static TWindowTable<WNDPROC> procs;
    return procs;
}

std::unordered_set<const TDsnCtrl*>& LiveDesignAgents() {
    static std::unordered_set<const TDsnCtrl*> agents;
    return agents;
}

POINT PointOf(const TMessage& m) { return {LoWordSigned(m.LParam), HiWordSigned(m.LParam)}; }

} // namespace

// --- TAgent ---------------------------------------------------------------------

TAgent::TAgent(HWND handle) { Hook(handle); }

TAgent::~TAgent() {
    if (FHooked) Unhook();
    if (OnUnhooked) OnUnhooked();
}

TAgent* TAgent::AgentOf(HWND handle) {
    return handle ? HookedAgents().Find(handle) : nullptr;
}

void TAgent::Hook(HWND handle) {
    FHandle = handle;
    if (!handle) {
        FHooked = true;
        return;
    }
    // One agent per window: a second one would chain to the first and find
    // itself through the same table entry.
    if (AgentOf(handle)) throw EInvalidOperation("Subclassing is failure.");
    FOldWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle, GWLP_WNDPROC));
    HookedAgents().Set(handle, this);
    SetLastError(0);
    if (!SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EntryProc)) && GetLastError()) {
        HookedAgents().Remove(handle);
        throw EInvalidOperation("Subclassing is failure.");
    }
    PassThroughs().Remove(handle);
    FHooked = true;
}

void TAgent::Unhook() {
    if (!FHooked) return;
    FHooked = false;
    if (!FHandle || AgentOf(FHandle) != this) return;
    HookedAgents().Remove(FHandle);
    if (!IsWindow(FHandle)) return;
    // Only the top of the chain can be taken out; otherwise stay in it as a
    // pass-through to the old procedure.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(FHandle, GWLP_WNDPROC)) == &EntryProc)
        SetWindowLongPtrW(FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldWndProc));
    else
        PassThroughs().Set(FHandle, FOldWndProc);
}

void TAgent::Rehook(HWND handle) { Hook(handle); }

void TAgent::CaptureChanged(TMessage&) { FTarget = nullptr; }

void TAgent::CallOld(TMessage& m) {
    m.Result = CallWindowProcW(FOldWndProc ? FOldWndProc : DefWindowProcW, FHandle, m.Msg, m.WParam, m.LParam);
}

LRESULT CALLBACK TAgent::EntryProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    TAgent* agent = AgentOf(h);
    if (!agent) {
        WNDPROC next = PassThroughs().Find(h);
        if (msg == WM_NCDESTROY) PassThroughs().Remove(h);
        return CallWindowProcW(next ? next : DefWindowProcW, h, msg, wParam, lParam);
    }
    TMessage m{msg, wParam, lParam, 0};
    Guarded([&] { agent->WndProc(m); });
    // The handle may be reused by a window to come. The agent may be gone by
    // now: only its address is compared.
    if (msg == WM_NCDESTROY && AgentOf(h) == agent) HookedAgents().Remove(h);
    return m.Result;
}

// --- TChildAgent ----------------------------------------------------------------

void TChildAgent::WndProc(TMessage& m) {
    if (m.Msg == WM_NCHITTEST) {
        m.Result = HTTRANSPARENT;
        return;
    }
    CallOld(m);
}

// --- TAgentList, TChildList -------------------------------------------------------

TAgentList::~TAgentList() { Clear(); }

TChildAgent* TAgentList::Add(HWND handle) {
    FAgents.push_back(std::make_unique<TChildAgent>(handle));
    return FAgents.back().get();
}

void TAgentList::Clear() {
    // In creation order, each restoring its window's procedure.
    std::vector<std::unique_ptr<TChildAgent>> agents;
    agents.swap(FAgents);
    for (auto& a : agents) a.reset();
}

void TAgentList::HookChildren(TWinControl* control, HWND handle) {
    TChildList children(control, handle);
    for (int i = 0; i < children.Count(); ++i) {
        const TChildList::TEntry& e = children.Entry(i);
        if (e.Control && control && e.Control->Owner() == control->Owner()) continue;
        HookTree(e.Handle);
    }
}

void TAgentList::HookTree(HWND window, const TWindowTree* tree) {
    Add(window);
    TChildList below(nullptr, window, tree);
    for (int i = 0; i < below.Count(); ++i) HookTree(below.Entry(i).Handle, tree);
}

TWindowTree::TWindowTree(HWND root) {
    FChildren[root];
    // Enumeration runs depth first with each window's children in stack
    // order, so appending keeps that order.
    EnumChildWindows(
        root,
        [](HWND h, LPARAM self) -> BOOL {
            auto& children = reinterpret_cast<TWindowTree*>(self)->FChildren;
            children[h]; // known, if only to have no children
            children[GetAncestor(h, GA_PARENT)].push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

const std::vector<HWND>* TWindowTree::Find(HWND parent) const {
    auto found = FChildren.find(parent);
    return found == FChildren.end() ? nullptr : &found->second;
}

namespace {
int gRepaintsPending = 0;
}

TRepaintOnce::TRepaintOnce(TWinControl* root) : FRoot(root), FOuter(gRepaintsPending == 0) { ++gRepaintsPending; }

TRepaintOnce::~TRepaintOnce() {
    --gRepaintsPending;
    if (FOuter && FRoot && FRoot->HandleAllocated())
        RedrawWindow(FRoot->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool TRepaintOnce::Pending() { return gRepaintsPending > 0; }

TChildList::TChildList(TWinControl* control, HWND handle, const TWindowTree* tree) {
    // By window, so matching stays linear in the number of children.
    std::unordered_map<HWND, TWinControl*> windows;
    bool made = false; // a window made now is not in the snapshot
    if (control)
        for (int i = 0; i < control->ControlCount(); ++i)
            if (auto* w = dynamic_cast<TWinControl*>(control->Controls(i)))
                // Grab handles stand on the surface, but are no part of it.
                if (!(w->ControlStyle() & csNotDesigned)) {
                    made = made || !w->HandleAllocated();
                    windows.emplace(w->Handle(), w);
                }
    auto add = [&](HWND h) {
        auto found = windows.find(h);
        TWinControl* owner = found == windows.end() ? nullptr : found->second;
        if (auto* c = TWinControl::FindControl(h); c && (c->ControlStyle() & csNotDesigned)) return;
        FEntries.push_back({owner, h});
    };
    if (const std::vector<HWND>* listed = tree && !made ? tree->Find(handle) : nullptr)
        for (HWND h : *listed) add(h);
    else
        for (HWND h = GetWindow(handle, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) add(h);
}

// --- TClientAgent -----------------------------------------------------------------

TClientAgent::TClientAgent(TWinControl* control) : FControl(control) {}

TClientAgent::~TClientAgent() { Detach(); }

void TClientAgent::Attach() {
    Hooking();
    if (FControl) Hook(FControl->Handle());
}

void TClientAgent::Detach() {
    if (FDetached) return;
    FDetached = true;
    FChildren->Clear();
    if (Hooked()) Unhook();
    Unhooked();
}

void TClientAgent::Rehook(HWND handle) {
    TAgent::Rehook(handle);
    FChildren->Clear();
    FChildren->HookChildren(FControl, handle);
}

// --- TDsnCtrl ----------------------------------------------------------------------

TDsnCtrl::TDsnCtrl(TWinControl* control) : TClientAgent(control) {
    Attach();
    LiveDesignAgents().insert(this);
}

TDsnCtrl::~TDsnCtrl() {
    LiveDesignAgents().erase(this);
    Detach();
}

bool TDsnCtrl::IsLive(const TDsnCtrl* agent) { return LiveDesignAgents().count(agent) != 0; }

// The arrow shows over a design control, whatever the control's own cursor;
// the Cursor property keeps the user's choice, so saving stores it.
void TDsnCtrl::Hooking() {
    if (!Control()) return;
    Control()->SetDesignCursor(crArrow);
    if (!TRepaintOnce::Pending()) Control()->Invalidate();
}

void TDsnCtrl::Unhooked() {
    if (!Control() || FOrphaned) return;
    Control()->SetDesignCursor(0);
    Control()->Invalidate();
}

void TDsnCtrl::CaptureChanged(TMessage&) {}

void TDsnCtrl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_DESTROY: WmDestroy(m); return;
    case WM_SETFOCUS: WmSetFocus(m); return;
    case WM_PAINT: WmPaint(m); return;
    case WM_NCHITTEST: m.Result = HTCLIENT; return;
    case WM_MOUSEMOVE: WmMouseMove(m); return;
    case WM_LBUTTONDOWN: WmLButtonDown(m); return;
    case WM_LBUTTONUP: WmLButtonUp(m); return;
    case WM_LBUTTONDBLCLK: WmLButtonDblClk(m); return;
    case WM_RBUTTONDOWN: WmRButtonDown(m); return;
    case WM_CAPTURECHANGED: CaptureChanged(m); return;
    case DM_SETTARGET: DmSetTarget(m); return;
    case DM_RESIZED: DmResized(m); return;
    case DM_GROUPADDED: DmGroupAdded(m); return;
    case DM_SELECTONLY: DmSelectOnly(m); return;
    default: CallOld(m); return;
    }
}

HWND TDsnCtrl::StageWindow() const {
    TDsnStage* stage = FDsnRegister ? FDsnRegister->DsnStage() : nullptr;
    return stage && stage->HandleAllocated() ? stage->Handle() : nullptr;
}

void TDsnCtrl::FocusStage() {
    TDsnStage* stage = FDsnRegister ? FDsnRegister->DsnStage() : nullptr;
    if (stage && stage->HandleAllocated() && GetFocus() != stage->Handle()) ::SetFocus(stage->Handle());
}

void TDsnCtrl::PrepareTarget(const TMessage& m) {
    FMousePos = PointOf(m);
    SetTarget(nullptr);
    TControl* target = Control()->ControlAtPos(FMousePos, true);
    // A graphic part of a compound control stands for the control itself.
    if (!target || target->Owner() != Control()->Owner() || (target->ControlStyle() & csNotDesigned))
        target = Control();
    SetTarget(target);
    SetCapture(Handle());
}

void TDsnCtrl::WmLButtonDown(TMessage& m) {
    if (FOrphaned || !Control()) return;
    // A part of the control that must work in design mode (the page
    // control's other tabs) gets the press too.
    if (SendMessageW(Handle(), CM_DESIGNHITTEST, m.WParam, m.LParam) == 1) CallOld(m);
    PrepareTarget(m);
    auto life = LifeToken();
    if (FDsnRegister) FDsnRegister->MouseDown(Control(), Target(), FMousePos, KeysToShiftState(m.WParam));
    if (life.expired()) return;
    FocusStage();
}

void TDsnCtrl::WmMouseMove(TMessage& m) {
    FMousePos = PointOf(m);
    if (FOrphaned || !Target() || !FDsnRegister) return;
    FDsnRegister->MouseMove(Control(), FMousePos, KeysToShiftState(m.WParam));
}

void TDsnCtrl::WmLButtonUp(TMessage& m) {
    FMousePos = PointOf(m);
    auto life = LifeToken();
    if (!FOrphaned && Target() && FDsnRegister)
        FDsnRegister->MouseUp(Control(), FMousePos, KeysToShiftState(m.WParam));
    if (life.expired()) return;
    if (GetCapture() == Handle()) ReleaseCapture();
}

void TDsnCtrl::WmPaint(TMessage& m) {
    if (FOrphaned || !Control()) {
        CallOld(m);
        return;
    }
    // The control paints as it always does (the toolkit's own handling).
    Control()->Perform(WM_PAINT, m.WParam, m.LParam);
    m.Result = 0;
}

void TDsnCtrl::DmSetTarget(TMessage& m) { SetTarget(reinterpret_cast<TControl*>(m.WParam)); }

void TDsnCtrl::DmResized(TMessage& m) {
    if (FDsnRegister && Target()) FDsnRegister->ControlResized(Target(), m);
}

void TDsnCtrl::DmGroupAdded(TMessage& m) {
    if (FDsnRegister) FDsnRegister->HandleGroupAdded(Target(), m);
}

void TDsnCtrl::DmSelectOnly(TMessage& m) {
    if (FDsnRegister) FDsnRegister->SelectOnly(reinterpret_cast<TComponent*>(m.WParam));
}

void TDsnCtrl::WmSetFocus(TMessage& m) {
    TDsnStage* stage = FDsnRegister ? FDsnRegister->DsnStage() : nullptr;
    if (!stage || Control() == stage) {
        CallOld(m);
        return;
    }
    FocusStage();
}

void TDsnCtrl::WmLButtonDblClk(TMessage& m) {
    if (FDsnRegister && !FOrphaned) FDsnRegister->TargetDblClick(Target(), m);
}

void TDsnCtrl::WmRButtonDown(TMessage& m) {
    if (FOrphaned || !Control()) return;
    PrepareTarget(m);
    auto life = LifeToken();
    if (FDsnRegister) FDsnRegister->RightMouseDown(Control(), Target(), FMousePos.x, FMousePos.y);
    if (life.expired()) return;
    FocusStage();
}

// The window goes; the control may live on with a new one. The stage hears
// of it once the destruction is over and then re-hooks or frees the agent.
void TDsnCtrl::WmDestroy(TMessage& m) {
    HWND stage = StageWindow();
    HWND self = Handle();
    Unhook();
    m.Result = CallWindowProcW(OldWndProc() ? OldWndProc() : DefWindowProcW, self, m.Msg, m.WParam, m.LParam);
    if (stage && stage != self) PostMessageW(stage, DM_REHOOK, reinterpret_cast<WPARAM>(this), 0);
    else if (FDsnRegister) FDsnRegister->AgentWindowGone(this);
}

} // namespace fw
