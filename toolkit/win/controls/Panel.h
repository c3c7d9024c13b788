#pragma once
// TPanel: a container drawn with up to two 3-D bevels, a border between
// them, and a caption. Children are laid out inside the bevels and border.
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

FW_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

class TPanel : public TCustomControl {
    FW_CLASS(TPanel)

    explicit TPanel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut v);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut v);
    int32_t BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int32_t v);
    int32_t BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int32_t v);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);

    // The client area less bevels and border: where aligned children go.
    RECT InnerRect() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void AlignControls(RECT& rect) override;

private:
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }
    // The frame's look changed: repaint, and lay the children out again.
    void FrameChanged();

    TAlignment FAlignment = taCenter;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int32_t FBevelWidth = 1;
    int32_t FBorderWidth = 0;
    TFormBorderStyle FBorderStyle = bsNone;
};

} // namespace fw
