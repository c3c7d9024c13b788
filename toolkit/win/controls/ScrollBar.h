#pragma once
// TScrollBar: the system's scroll bar control. A scroll by the user runs
// OnScroll, which may adjust the new position, and OnChange when the position
// changed.
#include "toolkit/core/Enums.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

FW_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
FW_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll)
FW_EVENT_TYPE(TScrollEvent, TObject* /*Sender*/, TScrollCode /*ScrollCode*/, int32_t& /*ScrollPos*/);

class TScrollBar : public TWinControl {
    FW_CLASS(TScrollBar)

    explicit TScrollBar(TComponent* owner);

    // Changing the kind turns the bar: width and height trade places.
    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind v);
    // Min and Max keep Min <= Max by moving the other end; Position stays between.
    int32_t Min() const { return FMin; }
    void SetMin(int32_t v);
    int32_t Max() const { return FMax; }
    void SetMax(int32_t v);
    int32_t Position() const { return FPosition; }
    void SetPosition(int32_t v);
    // The proportional thumb's size; 0 draws the plain thumb.
    int32_t PageSize() const { return FPageSize; }
    void SetPageSize(int32_t v);
    int32_t SmallChange() const { return FSmallChange; }
    void SetSmallChange(int32_t v) { FSmallChange = v < 1 ? 1 : v; }
    int32_t LargeChange() const { return FLargeChange; }
    void SetLargeChange(int32_t v) { FLargeChange = v < 1 ? 1 : v; }

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& message) override;

private:
    void UpdateWindow();
    void Scrolled(int code);

    TScrollBarKind FKind = sbHorizontal;
    int32_t FMin = 0, FMax = 100, FPosition = 0, FPageSize = 0;
    int32_t FSmallChange = 1, FLargeChange = 1;
};

} // namespace fw
