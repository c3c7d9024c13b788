#include "designer/DsnHandle.h"

#include "designer/DsnErase.h"
#include "designer/DsnMessages.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/List.h"

#include <algorithm>

namespace fw {

TBounds BoundsOf(const TControl& c) { return {c.Left(), c.Top(), c.Width(), c.Height()}; }

HWND DesignWindowOf(TControl* control) {
    if (!control) return nullptr;
    auto* w = dynamic_cast<TWinControl*>(control);
    if (!w) w = control->Parent();
    return w && w->HandleAllocated() ? w->Handle() : nullptr;
}

LRESULT SendDesignMessage(TControl* control, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND target = DesignWindowOf(control);
    return target ? SendMessageW(target, msg, wParam, lParam) : 0;
}

// --- TSmallRect ---------------------------------------------------------------

const TClassInfo& TSmallRect::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TSmallRect, TCustomControl>().Build();
    return info;
}

TSmallRect::TSmallRect(TControl* control, const THandleSettings& settings)
    : TCustomControl(nullptr), FControl(control), FSettings(settings) {
    // No click or caption behaviour: a handle only presses, drags and
    // releases, and it is never part of the design it is drawn on.
    SetControlStyle(csCaptureMouse | csOpaque | csNotDesigned);
    SetBounds(0, 0, FSettings.HandleSize, FSettings.HandleSize);
    SetColor(FSettings.ActiveColor);
}

TSmallRect::~TSmallRect() {
    // Destroyed along with the control's parent: the group must not free it.
    if (FGroup) FGroup->HandleDestroyed(this);
}

void TSmallRect::SetOutline(TColor color, int32_t width) {
    FSettings.OutlineColor = color;
    FSettings.OutlineWidth = width;
}

void TSmallRect::SetInactive() {
    SetColor(FSettings.InactiveColor);
    SetCursor(crDefault);
    Repaint();
}

std::unique_ptr<TMultiShape> TSmallRect::CreateShape() { return std::make_unique<TMultiShape>(); }

void TSmallRect::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->Rectangle(0, 0, Width(), Height());
}

namespace {
// Posted to a dragging handle that lost the pointer capture.
UINT CaptureCheckMessage() {
    static const UINT msg = RegisterWindowMessageW(L"Formwright.HandleCaptureCheck");
    return msg;
}
} // namespace

void TSmallRect::WndProc(TMessage& m) {
    if (m.Msg == CM_DEFERRED && reinterpret_cast<TSmallRect*>(m.LParam) == this) {
        delete this;
        return;
    }
    if (m.Msg == WM_CAPTURECHANGED && FShape) {
        // Decided later: a release that lets the capture go is still being
        // handled now, and ends the drag itself.
        PostMessageW(Handle(), CaptureCheckMessage(), 0, 0);
    } else if (UINT check = CaptureCheckMessage(); check && m.Msg == check) {
        // Another window took the pointer: no release will come to end the
        // drag, so the outline and the confinement go now.
        if (FShape && GetCapture() != Handle()) AbandonDrag();
        return;
    }
    ++FBusy;
    struct TLeave {
        int& Depth;
        ~TLeave() { --Depth; }
    } leave{FBusy};
    TCustomControl::WndProc(m);
}

void TSmallRect::Dispose() {
    FGroup = nullptr;
    if (FBusy == 0 || !HandleAllocated()) {
        delete this;
        return;
    }
    // Freed by a message it is handling (a design agent's answer to the
    // release, say): the rest of that message must still find the object.
    FControl = nullptr;
    AbandonDrag();
    Hide();
    PostMessageW(Handle(), CM_DEFERRED, 0, reinterpret_cast<LPARAM>(this));
}

void TSmallRect::AbandonDrag() {
    if (!FShape) return;
    FShape->Finish();
    FShape.reset();
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TSmallRect::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TCustomControl::MouseDown(button, shift, x, y);
    // A second button during a drag does not start another one.
    if (!Active() || !FControl || !FGroup || FShape || !Parent()) return;
    FGroup->SetSavedBounds(BoundsOf(*FControl));
    FDown = Snap({x, y});
    auto shape = CreateShape();
    shape->Color = FSettings.OutlineColor;
    shape->PenWidth = FSettings.OutlineWidth;
    // Origin at the handle's own corner: the outline's offset is then the
    // control's offset from the handle.
    shape->Origin = Parent()->ClientToScreen({Left(), Top()});
    shape->AddControl(FControl);
    shape->ConfineTo(FControl->Parent());
    FShape = std::move(shape);
    // The toolkit holds the pointer for the handle until the release.
    SendDesignMessage(FControl, DM_SETTARGET, reinterpret_cast<WPARAM>(FControl), 0);
}

void TSmallRect::PlaceAt(THandleCorner corner) {
    if (!FControl) return;
    POINT p = HandlePlace(corner, BoundsOf(*FControl), FSettings.HandleSize);
    SetBounds(p.x, p.y, FSettings.HandleSize, FSettings.HandleSize);
}

void TSmallRect::DragTo(THandleCorner corner, int32_t x, int32_t y) {
    if (!FShape) return;
    if (!FControl || !Parent()) return AbandonDrag();
    POINT s = Snap({x, y});
    TBounds o = DragOutline(corner, FControl->Width(), FControl->Height(), s.x - FDown.x, s.y - FDown.y);
    FShape->SetBandWidth(o.Width);
    FShape->SetBandHeight(o.Height);
    FShape->MoveTo(Parent()->ClientToScreen({Left() + o.Left, Top() + o.Top}));
}

void TSmallRect::ReleaseAt(THandleCorner corner, int32_t x, int32_t y) {
    if (!FShape) return; // no drag: an inactive handle's press was ignored
    // The outline goes before the control moves: a moved window takes the
    // pixels beneath along, and an erase afterwards would leave a trail.
    AbandonDrag();
    if (!FControl || !FGroup) return;
    POINT s = Snap({x, y});
    TBounds b = ResizedBounds(corner, BoundsOf(*FControl), s.x - FDown.x, s.y - FDown.y);
    FControl->SetBounds(b.Left, b.Top, b.Width, b.Height);
    if (!FControl || !FGroup) return; // a handler of the change let go of us
    const TBounds& old = FGroup->SavedBounds();
    SendDesignMessage(FControl, DM_RESIZED, PackWords(old.Left, old.Top), PackWords(old.Width, old.Height));
    if (!FControl || !FGroup) return;
    FGroup->Reposition();
    FGroup->SetSavedBounds(BoundsOf(*FControl));
}

// --- THandlerRect -------------------------------------------------------------

THandlerRect::THandlerRect(TControl* control, const THandleSettings& settings)
    : FControl(control), FSettings(settings) {}

THandlerRect::~THandlerRect() {
    std::vector<TSmallRect*> handles;
    handles.swap(FHandleWindows);
    for (TSmallRect* h : handles) h->Dispose();
}

void THandlerRect::AppendHandle(std::unique_ptr<TSmallRect> handle) { FHandleWindows.push_back(handle.release()); }

TSmallRect* THandlerRect::HandleWindows(int index) const {
    if (index < 0 || index >= HandleCount()) RaiseListIndexError(index);
    return FHandleWindows[static_cast<size_t>(index)];
}

void THandlerRect::CreateHandles() {
    AppendHandle(std::make_unique<TMigishitaRect>(FControl, FSettings));
    AppendHandle(std::make_unique<TMigiueRect>(FControl, FSettings));
    AppendHandle(std::make_unique<THidariueRect>(FControl, FSettings));
    AppendHandle(std::make_unique<THidarishitaRect>(FControl, FSettings));
}

void THandlerRect::Build() {
    if (FBuilt) return;
    FBuilt = true;
    CreateHandles();
    for (TSmallRect* h : FHandleWindows) {
        h->FGroup = this;
        h->SetOutline(FSettings.OutlineColor, FSettings.OutlineWidth);
        // Placed before it gets a parent, so its window is made in place.
        h->Place();
        if (FControl) h->SetParent(FControl->Parent());
    }
}

void THandlerRect::Reposition() {
    if (FHandlesReleased) return;
    for (TSmallRect* h : FHandleWindows) h->Place();
}

void THandlerRect::HideHandles(TBatchErase& erase) {
    for (TSmallRect* h : FHandleWindows)
        if (h->HandleAllocated()) erase.Hide(h->Handle());
}

void THandlerRect::SetInactive() {
    for (TSmallRect* h : FHandleWindows) h->SetInactive();
}

void THandlerRect::ForgetControl() {
    FControl = nullptr;
    for (TSmallRect* h : FHandleWindows) h->FControl = nullptr;
}

void THandlerRect::HandleDestroyed(TSmallRect* handle) {
    FHandlesReleased = true;
    FHandleWindows.erase(std::remove(FHandleWindows.begin(), FHandleWindows.end(), handle), FHandleWindows.end());
}

// --- TMultiHandler ------------------------------------------------------------

TMultiHandler::~TMultiHandler() { Clear(); }

THandlerRect* TMultiHandler::Groups(int index) const {
    if (index < 0 || index >= GroupCount()) RaiseListIndexError(index);
    return FGroups[static_cast<size_t>(index)].get();
}

std::unique_ptr<THandlerRect> TMultiHandler::CreateGroup(TControl* control) {
    return std::make_unique<THandlerRect>(control, FSettings);
}

std::unique_ptr<THandlerRect> TMultiHandler::NewGroup(TControl* control) {
    std::unique_ptr<THandlerRect> group = CreateGroup(control);
    group->Build();
    return group;
}

std::vector<std::unique_ptr<THandlerRect>>::iterator TMultiHandler::FirstLiveGroup() {
    return std::find_if(FGroups.begin(), FGroups.end(), [](const auto& g) { return g != nullptr; });
}

void TMultiHandler::Add(TComponent* item) {
    auto* control = dynamic_cast<TControl*>(item);
    if (!control || dynamic_cast<TSmallRect*>(control) || FGrouped.count(control)) {
        FGroups.push_back(nullptr);
        return;
    }
    FGroups.push_back(NewGroup(control));
    FGrouped.insert(control);
    ++FLiveGroups;
    // In a multiple selection every group is inactive: the first one turns
    // grey when the second comes, every later one at once.
    if (FLiveGroups == 2) (*FirstLiveGroup())->SetInactive();
    if (FLiveGroups > 1) FGroups.back()->SetInactive();
    SendDesignMessage(control, DM_GROUPADDED, 0, 0);
}

void TMultiHandler::NilItem(int index) {
    if (THandlerRect* g = Groups(index)) {
        FGrouped.erase(g->Control());
        g->ForgetControl();
    }
}

void TMultiHandler::Clear() {
    TBatchErase erase; // repaints once the groups are gone
    for (auto& g : FGroups)
        if (g) g->HideHandles(erase);
    FGroups.clear();
    FGrouped.clear();
    FLiveGroups = 0;
}

void TMultiHandler::Delete(int index) {
    if (THandlerRect* g = Groups(index)) { // the list index error outside the list
        FGrouped.erase(g->Control());
        --FLiveGroups;
    }
    FGroups.erase(FGroups.begin() + index);
    if (FLiveGroups != 1) return;
    // One control left: it is a single selection again, with active handles.
    std::unique_ptr<THandlerRect>& last = *FirstLiveGroup();
    TControl* control = last->Control();
    if (!control || !DesignWindowOf(control)) return;
    last.reset();
    last = NewGroup(control);
    SendDesignMessage(control, DM_GROUPADDED, 0, 0);
}

void TMultiHandler::Update() {
    for (auto& g : FGroups)
        if (g) g->Reposition();
}

} // namespace fw
