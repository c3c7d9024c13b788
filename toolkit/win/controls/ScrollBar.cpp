#include "toolkit/win/controls/ScrollBar.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TScrollBar::StaticClassInfo() {
    using S = TScrollBar;
    // Position comes after the range that bounds it.
    static const TClassInfo info = TClassBuilder<S, TWinControl>()
                                       .Prop("Kind", &S::Kind, &S::SetKind).Default(sbHorizontal)
                                       .Prop("LargeChange", &S::LargeChange, &S::SetLargeChange).Default(1)
                                       .Prop("Max", &S::Max, &S::SetMax).Default(100)
                                       .Prop("Min", &S::Min, &S::SetMin).Default(0)
                                       .Prop("PageSize", &S::PageSize, &S::SetPageSize).Default(0)
                                       .Prop("Position", &S::Position, &S::SetPosition).Default(0)
                                       .Prop("SmallChange", &S::SmallChange, &S::SetSmallChange).Default(1)
                                       .Prop("TabStop", &S::TabStop, &S::SetTabStop).Default(true)
                                       .Prop("OnChange", &S::OnChange, &S::OnChange)
                                       .Prop("OnScroll", &S::OnScroll, &S::OnScroll)
                                       .Build();
    return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"SCROLLBAR";
    p.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
}

void TScrollBar::InitializeWnd() {
    TWinControl::InitializeWnd();
    UpdateWindow();
}

void TScrollBar::UpdateWindow() {
    if (!HandleAllocated()) return;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = FMin;
    si.nMax = FMax;
    si.nPage = static_cast<UINT>(FPageSize);
    si.nPos = FPosition;
    SetScrollInfo(Handle(), SB_CTL, &si, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind v) {
    if (FKind == v) return;
    FKind = v;
    if (!HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TScrollBar::SetMin(int32_t v) {
    FMin = v;
    FMax = std::max(FMax, v);
    FPageSize = std::min(FPageSize, FMax - FMin + 1);
    SetPosition(FPosition);
    UpdateWindow();
}

void TScrollBar::SetMax(int32_t v) {
    FMax = v;
    FMin = std::min(FMin, v);
    FPageSize = std::min(FPageSize, FMax - FMin + 1);
    SetPosition(FPosition);
    UpdateWindow();
}

void TScrollBar::SetPageSize(int32_t v) {
    FPageSize = std::clamp(v, 0, FMax - FMin + 1);
    UpdateWindow();
}

void TScrollBar::SetPosition(int32_t v) {
    v = std::clamp(v, FMin, FMax);
    if (FPosition == v) return;
    FPosition = v;
    UpdateWindow();
    OnChange(this);
}

// What the user did to the bar: the new position, offered to OnScroll first.
void TScrollBar::Scrolled(int code) {
    int32_t pos = FPosition;
    TScrollCode sc = scEndScroll;
    switch (code) {
    case SB_LINEUP: sc = scLineUp; pos -= FSmallChange; break;
    case SB_LINEDOWN: sc = scLineDown; pos += FSmallChange; break;
    case SB_PAGEUP: sc = scPageUp; pos -= FLargeChange; break;
    case SB_PAGEDOWN: sc = scPageDown; pos += FLargeChange; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        sc = code == SB_THUMBTRACK ? scTrack : scPosition;
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(Handle(), SB_CTL, &si);
        pos = si.nTrackPos;
        break;
    }
    case SB_TOP: sc = scTop; pos = FMin; break;
    case SB_BOTTOM: sc = scBottom; pos = FMax; break;
    default: break;
    }
    pos = std::clamp(pos, FMin, FMax);
    OnScroll(this, sc, pos);
    SetPosition(pos);
}

void TScrollBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        Scrolled(LOWORD(m.WParam));
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
