#include "toolkit/win/controls/TrackBar.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TTrackBar::StaticClassInfo() {
    using T = TTrackBar;
    // Position comes after the range that bounds it.
    static const TClassInfo info = TClassBuilder<T, TWinControl>()
                                       .Prop("Frequency", &T::Frequency, &T::SetFrequency).Default(1)
                                       .Prop("LineSize", &T::LineSize, &T::SetLineSize).Default(1)
                                       .Prop("Max", &T::Max, &T::SetMax).Default(10)
                                       .Prop("Min", &T::Min, &T::SetMin).Default(0)
                                       .Prop("Orientation", &T::Orientation, &T::SetOrientation).Default(trHorizontal)
                                       .Prop("PageSize", &T::PageSize, &T::SetPageSize).Default(2)
                                       .Prop("Position", &T::Position, &T::SetPosition).Default(0)
                                       .Prop("TabStop", &T::TabStop, &T::SetTabStop).Default(true)
                                       .Prop("TickMarks", &T::TickMarks, &T::SetTickMarks).Default(tmBottomRight)
                                       .Prop("TickStyle", &T::TickStyle, &T::SetTickStyle).Default(tsAuto)
                                       .Prop("OnChange", &T::OnChange, &T::OnChange)
                                       .Build();
    return info;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = TRACKBAR_CLASSW;
    p.Style |= FOrientation == trHorizontal ? TBS_HORZ : TBS_VERT;
    if (FTickStyle == tsNone) p.Style |= TBS_NOTICKS;
    else if (FTickStyle == tsAuto) p.Style |= TBS_AUTOTICKS;
    if (FTickMarks == tmBoth) p.Style |= TBS_BOTH;
    else if (FTickMarks == tmTopLeft) p.Style |= TBS_TOP; // TBS_LEFT is the same bit
}

void TTrackBar::InitializeWnd() {
    TWinControl::InitializeWnd();
    HWND h = Handle();
    SendMessageW(h, TBM_SETRANGEMIN, FALSE, FMin);
    SendMessageW(h, TBM_SETRANGEMAX, FALSE, FMax);
    SendMessageW(h, TBM_SETLINESIZE, 0, FLineSize);
    SendMessageW(h, TBM_SETPAGESIZE, 0, FPageSize);
    if (FTickStyle == tsAuto) SendMessageW(h, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
    SendMessageW(h, TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::SaveWndState() {
    TWinControl::SaveWndState();
    FPosition = Position();
}

void TTrackBar::SendIf(UINT msg, WPARAM w, LPARAM l) {
    if (HandleAllocated()) SendMessageW(Handle(), msg, w, l);
}

int32_t TTrackBar::Position() const {
    if (!HandleAllocated()) return FPosition;
    return static_cast<int32_t>(SendMessageW(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int32_t v) {
    v = std::clamp(v, FMin, FMax);
    if (Position() == v) return;
    FPosition = v;
    SendIf(TBM_SETPOS, TRUE, v);
    OnChange(this);
}

void TTrackBar::SetMin(int32_t v) {
    FMin = v;
    FMax = std::max(FMax, v);
    SendIf(TBM_SETRANGEMIN, FALSE, FMin);
    SendIf(TBM_SETRANGEMAX, TRUE, FMax);
    SetPosition(Position());
}

void TTrackBar::SetMax(int32_t v) {
    FMax = v;
    FMin = std::min(FMin, v);
    SendIf(TBM_SETRANGEMIN, FALSE, FMin);
    SendIf(TBM_SETRANGEMAX, TRUE, FMax);
    SetPosition(Position());
}

void TTrackBar::SetFrequency(int32_t v) {
    FFrequency = std::max(v, 1);
    if (FTickStyle == tsAuto) SendIf(TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
}

void TTrackBar::SetPageSize(int32_t v) {
    FPageSize = std::max(v, 0);
    SendIf(TBM_SETPAGESIZE, 0, FPageSize);
}

void TTrackBar::SetLineSize(int32_t v) {
    FLineSize = std::max(v, 0);
    SendIf(TBM_SETLINESIZE, 0, FLineSize);
}

void TTrackBar::SetOrientation(TTrackBarOrientation v) {
    if (FOrientation == v) return;
    FOrientation = v;
    if (!HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark v) {
    if (FTickMarks == v) return;
    FTickMarks = v;
    RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle v) {
    if (FTickStyle == v) return;
    FTickStyle = v;
    RecreateWnd();
}

void TTrackBar::SetTick(int32_t value) { SendIf(TBM_SETTIC, 0, value); }

void TTrackBar::WndProc(TMessage& m) {
    if (m.Msg == CN_HSCROLL || m.Msg == CN_VSCROLL) {
        // The window moved its slider already; report a new position once.
        int32_t now = Position();
        if (now != FPosition) {
            FPosition = now;
            OnChange(this);
        }
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
