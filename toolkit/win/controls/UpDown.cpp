#include "toolkit/win/controls/UpDown.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TUpDown::StaticClassInfo() {
    using U = TUpDown;
    // Position comes after the range that bounds it.
    static const TClassInfo info = TClassBuilder<U, TWinControl>()
                                       .Prop("AlignButton", &U::AlignButton, &U::SetAlignButton).Default(udRight)
                                       .Prop("ArrowKeys", &U::ArrowKeys, &U::SetArrowKeys).Default(true)
                                       .Prop("Associate", &U::Associate, &U::SetAssociate)
                                       .Prop("Increment", &U::Increment, &U::SetIncrement).Default(1)
                                       .Prop("Max", &U::Max, &U::SetMax).Default(100)
                                       .Prop("Min", &U::Min, &U::SetMin).Default(0)
                                       .Prop("Orientation", &U::Orientation, &U::SetOrientation).Default(udVertical)
                                       .Prop("Position", &U::Position, &U::SetPosition).Default(0)
                                       .Prop("Thousands", &U::Thousands, &U::SetThousands).Default(true)
                                       .Prop("Wrap", &U::Wrap, &U::SetWrap).Default(false)
                                       .Prop("OnChanging", &U::OnChanging, &U::OnChanging)
                                       .Prop("OnClick", &U::OnClick, &U::OnClick)
                                       .Build();
    return info;
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    // Presses on the arrows are reported by the window, with the arrow pressed.
    SetControlStyle(ControlStyle() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
    SetBounds(0, 0, 17, 25);
}

TUpDown::~TUpDown() { SetAssociate(nullptr); }

void TUpDown::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = UPDOWN_CLASSW;
    // The control places itself beside the buddy (PlaceBesideBuddy): the
    // window's own alignment would shrink the buddy again on every new window.
    p.Style |= UDS_SETBUDDYINT;
    if (FOrientation == udHorizontal) p.Style |= UDS_HORZ;
    if (FWrap) p.Style |= UDS_WRAP;
    if (FArrowKeys) p.Style |= UDS_ARROWKEYS;
    if (!FThousands) p.Style |= UDS_NOTHOUSANDS;
}

// The system's up-down window gives itself its standard width when it is
// made; the control keeps the bounds it was given (stored or set).
void TUpDown::CreateWnd() {
    const RECT wanted = BoundsRect();
    TWinControl::CreateWnd();
    SetBounds(wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top);
}

void TUpDown::InitializeWnd() {
    TWinControl::InitializeWnd();
    HWND h = Handle();
    UpdateRange();
    UDACCEL accel{0, static_cast<UINT>(FIncrement)};
    SendMessageW(h, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    if (FAssociate && FAssociate->Parent() == Parent())
        SendMessageW(h, UDM_SETBUDDY, reinterpret_cast<WPARAM>(FAssociate->Handle()), 0);
    SendMessageW(h, UDM_SETPOS32, 0, FPosition);
    PlaceBesideBuddy();
}

void TUpDown::PlaceBesideBuddy() {
    if (!FAssociate || FAssociate->Parent() != Parent() || HasState(csLoading)) return;
    int32_t left = FAlignButton == udRight ? FAssociate->Left() + FAssociate->Width() : FAssociate->Left() - Width();
    SetBounds(left, FAssociate->Top(), Width(), FAssociate->Height());
}

void TUpDown::SaveWndState() {
    TWinControl::SaveWndState();
    FPosition = Position();
}

void TUpDown::UpdateRange() {
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
}

int32_t TUpDown::Position() const {
    if (!HandleAllocated()) return FPosition;
    return static_cast<int32_t>(SendMessageW(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int32_t v) {
    FPosition = std::clamp(v, FMin, FMax);
    if (HandleAllocated()) SendMessageW(Handle(), UDM_SETPOS32, 0, FPosition);
}

void TUpDown::SetMin(int32_t v) {
    FMin = v;
    FMax = std::max(FMax, v);
    UpdateRange();
    SetPosition(Position());
}

void TUpDown::SetMax(int32_t v) {
    FMax = v;
    FMin = std::min(FMin, v);
    UpdateRange();
    SetPosition(Position());
}

void TUpDown::SetIncrement(int32_t v) {
    FIncrement = std::max(v, 1);
    if (!HandleAllocated()) return;
    UDACCEL accel{0, static_cast<UINT>(FIncrement)};
    SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TUpDown::SetAssociate(TWinControl* v) {
    if (v == this) v = nullptr;
    if (FAssociate == v) return;
    if (FAssociate) FAssociate->RemoveFreeNotification(this);
    FAssociate = v;
    if (v) v->FreeNotification(this);
    // The window takes a buddy and its alignment only when it is made.
    if (!HasState(csDestroying)) RecreateWnd();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FAssociate) {
        FAssociate = nullptr;
        if (HandleAllocated()) SendMessageW(Handle(), UDM_SETBUDDY, 0, 0);
    }
}

void TUpDown::SetStyleFlag(bool& field, bool v) {
    if (field == v) return;
    field = v;
    RecreateWnd();
}

void TUpDown::SetWrap(bool v) { SetStyleFlag(FWrap, v); }
void TUpDown::SetArrowKeys(bool v) { SetStyleFlag(FArrowKeys, v); }
void TUpDown::SetThousands(bool v) { SetStyleFlag(FThousands, v); }

void TUpDown::SetAlignButton(TUDAlignButton v) {
    if (FAlignButton == v) return;
    FAlignButton = v;
    PlaceBesideBuddy();
}

void TUpDown::SetOrientation(TUDOrientation v) {
    if (FOrientation == v) return;
    FOrientation = v;
    if (!HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TUpDown::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        if (hdr->code == UDN_DELTAPOS) {
            bool allow = true;
            OnChanging(this, allow);
            FLastDelta = reinterpret_cast<NMUPDOWN*>(m.LParam)->iDelta;
            m.Result = allow ? 0 : 1;
            return;
        }
        break;
    }
    case CN_HSCROLL:
    case CN_VSCROLL:
        // The window moved the position; the arrow pressed is the sign of the
        // step it announced before.
        if (LOWORD(m.WParam) == SB_THUMBPOSITION) {
            FPosition = Position();
            OnClick(this, FLastDelta >= 0 ? btNext : btPrev);
        }
        m.Result = 0;
        return;
    case CM_SIBLINGRECREATED:
        // The buddy has a new window: attach to it and show the position there.
        if (FAssociate && reinterpret_cast<TWinControl*>(m.LParam) == FAssociate && HandleAllocated()) {
            int32_t position = Position();
            SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(FAssociate->Handle()), 0);
            SendMessageW(Handle(), UDM_SETPOS32, 0, position);
        }
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
