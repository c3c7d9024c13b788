#include "toolkit/win/controls/ProgressBar.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TProgressBar::StaticClassInfo() {
    using P = TProgressBar;
    // Position comes after the range that bounds it.
    static const TClassInfo info = TClassBuilder<P, TWinControl>()
                                       .Prop("Max", &P::Max, &P::SetMax).Default(100)
                                       .Prop("Min", &P::Min, &P::SetMin).Default(0)
                                       .Prop("Orientation", &P::Orientation, &P::SetOrientation).Default(pbHorizontal)
                                       .Prop("Position", &P::Position, &P::SetPosition).Default(0)
                                       .Prop("Smooth", &P::Smooth, &P::SetSmooth).Default(false)
                                       .Prop("Step", &P::Step, &P::SetStep).Default(10)
                                       .Build();
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = PROGRESS_CLASSW;
    if (FOrientation == pbVertical) p.Style |= PBS_VERTICAL;
    if (FSmooth) p.Style |= PBS_SMOOTH;
}

void TProgressBar::InitializeWnd() {
    TWinControl::InitializeWnd();
    UpdateWindow();
}

void TProgressBar::UpdateWindow() {
    if (!HandleAllocated()) return;
    SendMessageW(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    SendMessageW(Handle(), PBM_SETSTEP, static_cast<WPARAM>(FStep), 0);
    SendMessageW(Handle(), PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

void TProgressBar::SetMin(int32_t v) {
    FMin = v;
    FMax = std::max(FMax, v);
    FPosition = std::clamp(FPosition, FMin, FMax);
    UpdateWindow();
}

void TProgressBar::SetMax(int32_t v) {
    FMax = v;
    FMin = std::min(FMin, v);
    FPosition = std::clamp(FPosition, FMin, FMax);
    UpdateWindow();
}

void TProgressBar::SetPosition(int32_t v) {
    FPosition = std::clamp(v, FMin, FMax);
    UpdateWindow();
}

void TProgressBar::SetStep(int32_t v) {
    FStep = v;
    UpdateWindow();
}

void TProgressBar::SetOrientation(TProgressBarOrientation v) {
    if (FOrientation == v) return;
    FOrientation = v;
    if (!HasState(csLoading)) SetBounds(Left(), Top(), Height(), Width());
    RecreateWnd();
}

void TProgressBar::SetSmooth(bool v) {
    if (FSmooth == v) return;
    FSmooth = v;
    RecreateWnd();
}

} // namespace fw
