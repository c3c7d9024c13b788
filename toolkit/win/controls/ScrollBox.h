#pragma once
// TScrollBox: a container whose content may be larger than its window. When
// children lie beyond the client area it shows scroll bars; scrolling moves
// the children.
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

class TScrollBox : public TWinControl {
    FW_CLASS(TScrollBox)

    explicit TScrollBox(TComponent* owner);

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);

    // How far the content is scrolled, in pixels.
    POINT ScrollPos() const { return FPos; }
    // Scrolls to a position (clamped to the content).
    void ScrollTo(int32_t x, int32_t y);
    // The content's extent: the right and bottom edges of the farthest
    // children, measured from the content's origin.
    SIZE ContentSize() const;
    // Fits the scroll bars to the content and the client area.
    void UpdateScrollBars();

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& message) override;
    void ChildBoundsChanged(TControl* child) override;
    void AlignControls(RECT& rect) override;

private:
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }
    void Scroll(int bar, WPARAM request);
    void MoveContent(int32_t dx, int32_t dy);

    TFormBorderStyle FBorderStyle = bsSingle;
    POINT FPos{0, 0};
    bool FUpdating = false; // moving children or fitting bars: ignore the echoes
};

} // namespace fw
