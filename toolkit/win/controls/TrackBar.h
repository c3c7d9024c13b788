#pragma once
// TTrackBar: the system's track bar. Moving the slider runs OnChange.
#include "toolkit/core/Enums.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

FW_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
// Which sides show tick marks.
FW_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)
// No ticks, one every Frequency positions, or only those given by SetTick.
FW_ENUM(TTickStyle, tsNone, tsAuto, tsManual)

class TTrackBar : public TWinControl {
    FW_CLASS(TTrackBar)

    explicit TTrackBar(TComponent* owner);

    // Changing the orientation turns the bar: width and height trade places.
    TTrackBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TTrackBarOrientation v);
    // Min and Max keep Min <= Max by moving the other end; Position stays between.
    int32_t Min() const { return FMin; }
    void SetMin(int32_t v);
    int32_t Max() const { return FMax; }
    void SetMax(int32_t v);
    int32_t Position() const;
    void SetPosition(int32_t v);
    int32_t Frequency() const { return FFrequency; }
    void SetFrequency(int32_t v);
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t v);
    int32_t LineSize() const { return FLineSize; }
    void SetLineSize(int32_t v);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark v);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle v);
    // A tick at a position (with tsManual).
    void SetTick(int32_t value);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void WndProc(TMessage& message) override;

private:
    void SendIf(UINT msg, WPARAM w, LPARAM l);

    TTrackBarOrientation FOrientation = trHorizontal;
    int32_t FMin = 0, FMax = 10, FPosition = 0;
    int32_t FFrequency = 1, FPageSize = 2, FLineSize = 1;
    TTickMark FTickMarks = tmBottomRight;
    TTickStyle FTickStyle = tsAuto;
};

} // namespace fw
