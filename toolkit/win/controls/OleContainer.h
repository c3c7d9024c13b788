#pragma once
// TOleContainer: a frame that holds a document object of another program.
// No object is ever put in it here: it shows the empty container, its border
// on the window colour with its caption centred, so that a user can tell
// which container is which. Its settings are kept and stored all the same.
#include "toolkit/core/Enums.h"
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

// When an object in the container becomes active: only when asked, when the
// container gets the focus, or on a double click.
FW_ENUM(TAutoActivate, aaManual, aaGetFocus, aaDoubleClick)
// How an object's picture fits the container.
FW_ENUM(TSizeMode, smClip, smCenter, smScale, smStretch, smAutoSize)

class TOleContainer : public TCustomControl {
    FW_CLASS(TOleContainer)

    explicit TOleContainer(TComponent* owner);

    bool AllowInPlace() const { return FAllowInPlace; }
    void SetAllowInPlace(bool v) { FAllowInPlace = v; }
    TAutoActivate AutoActivate() const { return FAutoActivate; }
    void SetAutoActivate(TAutoActivate v) { FAutoActivate = v; }
    bool AutoVerbMenu() const { return FAutoVerbMenu; }
    void SetAutoVerbMenu(bool v) { FAutoVerbMenu = v; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);
    bool Iconic() const { return FIconic; }
    void SetIconic(bool v);
    TSizeMode SizeMode() const { return FSizeMode; }
    void SetSizeMode(TSizeMode v);
    // The container never holds an object.
    bool Empty() const { return true; }

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

private:
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }

    bool FAllowInPlace = true;
    TAutoActivate FAutoActivate = aaDoubleClick;
    bool FAutoVerbMenu = true;
    TFormBorderStyle FBorderStyle = bsSingle;
    bool FIconic = false;
    TSizeMode FSizeMode = smClip;
};

} // namespace fw
