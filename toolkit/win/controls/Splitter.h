#pragma once
// TSplitter: a bar between an aligned control and the rest of its parent.
// Dragging it resizes that neighbour, within MinSize on either side.
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

// How the drag shows: not at all, an inverted line, a dotted bar, or by
// resizing the neighbour as the pointer moves.
FW_ENUM(TResizeStyle, rsNone, rsLine, rsUpdate, rsPattern)

class TSplitter : public TGraphicControl {
    FW_CLASS(TSplitter)

    explicit TSplitter(TComponent* owner);

    // alTop and alBottom make a horizontal bar with the up-down cursor.
    void SetSplitterAlign(TAlign v);
    // The least size the neighbour and the space beyond the splitter keep.
    int32_t MinSize() const { return FMinSize; }
    void SetMinSize(int32_t v) { FMinSize = v < 1 ? 1 : v; }
    TResizeStyle ResizeStyle() const { return FResizeStyle; }
    void SetResizeStyle(TResizeStyle v) { FResizeStyle = v; }
    // Drawn with a raised edge.
    bool Beveled() const { return FBeveled; }
    void SetBeveled(bool v);

    // The control the splitter resizes (nullptr when none touches it).
    TControl* Neighbour() const;

    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    bool Horizontal() const { return Align() == alTop || Align() == alBottom; }
    // The pointer along the drag axis, in the parent's client coordinates.
    int32_t AxisPos(int32_t x, int32_t y) const { return Horizontal() ? Top() + y : Left() + x; }
    // The space between the splitter and whatever lies beyond it.
    int32_t RoomBeyond() const;
    int32_t SizeFor(int32_t pointer) const;
    void ApplySize(int32_t size);
    // Inverts the drag line for a neighbour size (drawing it twice removes it).
    void ToggleLine(int32_t size);

    int32_t FMinSize = 30;
    TResizeStyle FResizeStyle = rsPattern;
    bool FBeveled = false;
    // While dragging.
    TControl* FControl = nullptr;
    int32_t FDownPos = 0, FOldSize = 0, FMaxSize = 0, FNewSize = 0;
    bool FLineShown = false;
};

} // namespace fw
