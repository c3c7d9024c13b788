#pragma once
// TProgressBar: the system's progress bar.
#include "toolkit/core/Enums.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

FW_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)

class TProgressBar : public TWinControl {
    FW_CLASS(TProgressBar)

    explicit TProgressBar(TComponent* owner);

    // Min and Max keep Min <= Max by moving the other end; Position stays between.
    int32_t Min() const { return FMin; }
    void SetMin(int32_t v);
    int32_t Max() const { return FMax; }
    void SetMax(int32_t v);
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t v);
    // Changing the orientation turns the bar: width and height trade places.
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation v);
    // A continuous bar rather than blocks.
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool v);
    // How far StepIt advances.
    int32_t Step() const { return FStep; }
    void SetStep(int32_t v);
    void StepIt() { SetPosition(FPosition + FStep); }
    void StepBy(int32_t delta) { SetPosition(FPosition + delta); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;

private:
    void UpdateWindow();

    int32_t FMin = 0, FMax = 100, FPosition = 0, FStep = 10;
    TProgressBarOrientation FOrientation = pbHorizontal;
    bool FSmooth = false;
};

} // namespace fw
