#pragma once
// Grab handles. Every selected control shows small square handles at its
// corners: black and draggable (to resize it) while it is the only one
// selected, grey and inert in a multiple selection. Three levels:
//  - TMultiHandler, the handle set: a receiver of the target list keeping one
//    group per selected control, index for index;
//  - THandlerRect, one control's group, owning its handle windows;
//  - TSmallRect, one handle: a window of its own beside the control (a child
//    of the control's parent), with one class per corner.
// Handle windows have no owner: they are never part of the design.
#include "designer/DsnGeometry.h"
#include "designer/DsnList.h"
#include "designer/DsnShape.h"
#include "toolkit/win/window/GraphicControl.h"

#include <memory>
#include <unordered_set>
#include <vector>

namespace fw {

class TBatchErase;
class THandlerRect;

// What a set passes to its groups, and a group to its handles.
struct THandleSettings {
    int32_t HandleSize = 6; // edge of the square handle
    int32_t GridX = 6;      // snap steps of handle drags; 0 or less: no snapping
    int32_t GridY = 6;
    TColor ActiveColor = clBlack;
    TColor InactiveColor = clGray;
    TColor OutlineColor = clGray; // the drag outline's pen
    int32_t OutlineWidth = 2;
};

// The place and size of a control as one value.
TBounds BoundsOf(const TControl& control);

// Sends a designer message about a control to the control's window, or to its
// parent's for a control without one. Nothing is sent (0 returned) while that
// window does not exist.
LRESULT SendDesignMessage(TControl* control, UINT msg, WPARAM wParam, LPARAM lParam);
HWND DesignWindowOf(TControl* control);

class TSmallRect : public TCustomControl {
    FW_CLASS(TSmallRect)

    TSmallRect(TControl* control, const THandleSettings& settings);
    ~TSmallRect() override;

    // A new outline set for a drag.
    virtual std::unique_ptr<TMultiShape> CreateShape();
    // Moves the handle to its corner of the control.
    virtual void Place() = 0;

    // Rounds a point in the handle's client coordinates toward zero to the grid.
    POINT Snap(POINT p) const { return SnapPoint(p, FSettings.GridX, FSettings.GridY); }
    // Grey, the default cursor, repainted.
    void SetInactive();
    // A handle reacts to the pointer only while it shows its active colour.
    bool Active() const { return Color() == FSettings.ActiveColor; }

    THandlerRect* Group() const { return FGroup; }
    TControl* Control() const { return FControl; }
    TMultiShape* Shape() const { return FShape.get(); }
    POINT Down() const { return FDown; }
    const THandleSettings& Settings() const { return FSettings; }
    void SetInactiveColor(TColor v) { FSettings.InactiveColor = v; }
    void SetOutline(TColor color, int32_t width);

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

    // The steps of the corner classes, for the corner they stand for.
    void PlaceAt(THandleCorner corner);
    void DragTo(THandleCorner corner, int32_t x, int32_t y);
    void ReleaseAt(THandleCorner corner, int32_t x, int32_t y);

private:
    friend class THandlerRect;
    // Called by the group that frees this handle. A handle busy with a message
    // of its own is only cut loose and freed once that message is handled.
    void Dispose();
    void AbandonDrag();

    THandlerRect* FGroup = nullptr;
    TControl* FControl;
    THandleSettings FSettings;
    std::unique_ptr<TMultiShape> FShape;
    POINT FDown{0, 0};
    int FBusy = 0; // depth of this handle's own messages being handled
};

// The diagonal sizing cursor of a corner.
constexpr TCursor SizingCursor(THandleCorner c) {
    return c == THandleCorner::TopRight || c == THandleCorner::BottomLeft ? crSizeNESW : crSizeNWSE;
}

// One corner's handle: where it stands, what its drag shows and does.
template <THandleCorner Corner> class TCornerRect : public TSmallRect {
public:
    TCornerRect(TControl* control, const THandleSettings& settings) : TSmallRect(control, settings) {
        SetCursor(SizingCursor(Corner));
    }
    void Place() override { PlaceAt(Corner); }

protected:
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override {
        if (Active()) SetCursor(SizingCursor(Corner));
        TSmallRect::MouseMove(shift, x, y);
        DragTo(Corner, x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override {
        TSmallRect::MouseUp(button, shift, x, y);
        ReleaseAt(Corner, x, y);
    }
};

class THidariueRect : public TCornerRect<THandleCorner::TopLeft> {
public:
    using TCornerRect::TCornerRect;
};
class TMigiueRect : public TCornerRect<THandleCorner::TopRight> {
public:
    using TCornerRect::TCornerRect;
};
class TMigishitaRect : public TCornerRect<THandleCorner::BottomRight> {
public:
    using TCornerRect::TCornerRect;
};
class THidarishitaRect : public TCornerRect<THandleCorner::BottomLeft> {
public:
    using TCornerRect::TCornerRect;
};

class THandlerRect {
public:
    THandlerRect(TControl* control, const THandleSettings& settings);
    THandlerRect(const THandlerRect&) = delete;
    THandlerRect& operator=(const THandlerRect&) = delete;
    // Frees the handles that still exist.
    virtual ~THandlerRect();

    // Appends the handle windows: the four corners.
    virtual void CreateHandles();
    // Every handle to its corner, unless the handles were released.
    virtual void Reposition();
    void SetInactive();
    // Takes the handle windows off the screen through the eraser.
    void HideHandles(TBatchErase& erase);

    // Finishes construction (a constructor cannot reach the CreateHandles of a
    // derived group): creates the handles, links them to this group, places
    // them and puts them beside the control. Runs once.
    void Build();

    // Set once a handle was destroyed by someone else (with the control's
    // parent); the group then no longer moves its handles.
    bool HandlesReleased() const { return FHandlesReleased; }
    int HandleCount() const { return static_cast<int>(FHandleWindows.size()); }
    TSmallRect* HandleWindows(int index) const;
    const TBounds& SavedBounds() const { return FSavedBounds; }
    void SetSavedBounds(const TBounds& b) { FSavedBounds = b; }
    TControl* Control() const { return FControl; }
    const THandleSettings& Settings() const { return FSettings; }
    // The control is about to disappear: the group and its handles forget it.
    void ForgetControl();

protected:
    void AppendHandle(std::unique_ptr<TSmallRect> handle);

private:
    friend class TSmallRect;
    void HandleDestroyed(TSmallRect* handle);

    TControl* FControl;
    THandleSettings FSettings;
    std::vector<TSmallRect*> FHandleWindows; // owned; a destroyed handle leaves the list
    TBounds FSavedBounds;
    bool FHandlesReleased = false;
    bool FBuilt = false;
};

class TMultiHandler : public TReceiveTargets {
public:
    TMultiHandler() = default;
    ~TMultiHandler() override;

    void NilItem(int index) override;
    void Add(TComponent* item) override;
    void Clear() override;
    void Delete(int index) override;
    void Update() override;

    // A new group for a control.
    virtual std::unique_ptr<THandlerRect> CreateGroup(TControl* control);

    // Entry i belongs to entry i of the target list. An item that gets no
    // handles (none, a handle, not a control, already selected) keeps its
    // place with an empty entry, so the indexes stay parallel.
    int GroupCount() const { return static_cast<int>(FGroups.size()); }
    THandlerRect* Groups(int index) const;

    const THandleSettings& Settings() const { return FSettings; }
    int32_t HandleSize() const { return FSettings.HandleSize; }
    int32_t GridX() const { return FSettings.GridX; }
    int32_t GridY() const { return FSettings.GridY; }
    TColor ActiveColor() const { return FSettings.ActiveColor; }
    TColor InactiveColor() const { return FSettings.InactiveColor; }
    TColor OutlineColor() const { return FSettings.OutlineColor; }
    int32_t OutlineWidth() const { return FSettings.OutlineWidth; }
    void SetGridX(int32_t v) { FSettings.GridX = v; }
    void SetGridY(int32_t v) { FSettings.GridY = v; }
    void SetOutlineColor(TColor v) { FSettings.OutlineColor = v; }
    void SetOutlineWidth(int32_t v) { FSettings.OutlineWidth = v; }

private:
    std::unique_ptr<THandlerRect> NewGroup(TControl* control);
    std::vector<std::unique_ptr<THandlerRect>>::iterator FirstLiveGroup();

    THandleSettings FSettings;
    std::vector<std::unique_ptr<THandlerRect>> FGroups;
    // The groups that exist, and the controls they still stand for, kept
    // alongside FGroups so that adding to a large selection searches nothing.
    int FLiveGroups = 0;
    std::unordered_set<const TControl*> FGrouped;
};

} // namespace fw
