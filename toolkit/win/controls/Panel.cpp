#include "toolkit/win/controls/Panel.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/ControlPaint.h"

#include <algorithm>

namespace fw {

const TClassInfo& TPanel::StaticClassInfo() {
    using P = TPanel;
    static const TClassInfo info = TClassBuilder<P, TCustomControl>()
                                       .Prop("Alignment", &P::Alignment, &P::SetAlignment).Default(taCenter)
                                       .Prop("BevelInner", &P::BevelInner, &P::SetBevelInner).Default(bvNone)
                                       .Prop("BevelOuter", &P::BevelOuter, &P::SetBevelOuter).Default(bvRaised)
                                       .Prop("BevelWidth", &P::BevelWidth, &P::SetBevelWidth).Default(1)
                                       .Prop("BorderStyle", &P::PublishedBorderStyle, &P::SetPublishedBorderStyle)
                                       .Default(bsNone)
                                       .Prop("BorderWidth", &P::BorderWidth, &P::SetBorderWidth).Default(0)
                                       .Prop("Caption", &P::GetText, &P::SetText)
                                       .Build();
    return info;
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetAlignment(TAlignment v) {
    if (FAlignment == v) return;
    FAlignment = v;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut v) {
    if (FBevelInner == v) return;
    FBevelInner = v;
    FrameChanged();
}

void TPanel::SetBevelOuter(TBevelCut v) {
    if (FBevelOuter == v) return;
    FBevelOuter = v;
    FrameChanged();
}

void TPanel::SetBevelWidth(int32_t v) {
    v = std::max(v, 1);
    if (FBevelWidth == v) return;
    FBevelWidth = v;
    FrameChanged();
}

void TPanel::SetBorderWidth(int32_t v) {
    v = std::max(v, 0);
    if (FBorderWidth == v) return;
    FBorderWidth = v;
    FrameChanged();
}

void TPanel::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
    Realign();
}

void TPanel::FrameChanged() {
    Invalidate();
    Realign();
}

void TPanel::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    // A resize repaints the whole panel: the bevels and the centred caption move.
    p.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
    if (FBorderStyle == bsSingle) p.Style |= WS_BORDER;
}

RECT TPanel::InnerRect() const {
    RECT r = ClientRect();
    int inset = FBorderWidth;
    if (FBevelOuter != bvNone) inset += FBevelWidth;
    if (FBevelInner != bvNone) inset += FBevelWidth;
    InflateRect(&r, -inset, -inset);
    return r;
}

void TPanel::AlignControls(RECT& rect) {
    RECT inner = InnerRect();
    IntersectRect(&rect, &rect, &inner);
    TCustomControl::AlignControls(rect);
}

namespace {
void Bevel(HDC dc, RECT& r, TBevelCut cut, TColor face, int width) {
    switch (cut) {
    case bvLowered: Frame3D(dc, r, clBtnShadow, clBtnHighlight, width); break;
    case bvRaised: Frame3D(dc, r, clBtnHighlight, clBtnShadow, width); break;
    case bvSpace: Frame3D(dc, r, face, face, width); break;
    case bvNone: break;
    }
}
} // namespace

void TPanel::Paint() {
    HDC dc = PaintDC();
    RECT r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    Bevel(dc, r, FBevelOuter, Color(), FBevelWidth);
    InflateRect(&r, -FBorderWidth, -FBorderWidth);
    Bevel(dc, r, FBevelInner, Color(), FBevelWidth);
    std::string caption = GetText();
    if (!caption.empty())
        DrawControlText(dc, *Font(), r, caption,
                        DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | AlignmentToDrawText(FAlignment), Font()->Color());
}

} // namespace fw
