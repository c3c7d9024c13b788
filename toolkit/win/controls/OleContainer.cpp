#include "toolkit/win/controls/OleContainer.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/ControlPaint.h"

namespace fw {

const TClassInfo& TOleContainer::StaticClassInfo() {
    using O = TOleContainer;
    static const TClassInfo info =
        TClassBuilder<O, TCustomControl>()
            .Prop("AllowInPlace", &O::AllowInPlace, &O::SetAllowInPlace).Default(true)
            .Prop("AutoActivate", &O::AutoActivate, &O::SetAutoActivate).Default(aaDoubleClick)
            .Prop("AutoVerbMenu", &O::AutoVerbMenu, &O::SetAutoVerbMenu).Default(true)
            .Prop("BorderStyle", &O::PublishedBorderStyle, &O::SetPublishedBorderStyle).Default(bsSingle)
            .Prop("Caption", &O::GetText, &O::SetText)
            .Prop("Color", &O::Color, &O::SetColor).Type(ColorType()).Default(clWindow).Stored(&O::IsColorStored)
            .Prop("Iconic", &O::Iconic, &O::SetIconic).Default(false)
            .Prop("SizeMode", &O::SizeMode, &O::SetSizeMode).Default(smClip)
            .Prop("TabStop", &O::TabStop, &O::SetTabStop).Default(true)
            .Prop("OnActivate", &O::OnActivate, &O::OnActivate)
            .Prop("OnDeactivate", &O::OnDeactivate, &O::OnDeactivate)
            .Build();
    return info;
}

TOleContainer::TOleContainer(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(0, 0, 121, 121);
    SetColor(clWindow);
    SetTabStop(true);
}

void TOleContainer::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
}

void TOleContainer::SetIconic(bool v) {
    if (FIconic == v) return;
    FIconic = v;
    Invalidate();
}

void TOleContainer::SetSizeMode(TSizeMode v) {
    if (FSizeMode == v) return;
    FSizeMode = v;
    Invalidate();
}

void TOleContainer::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    // The caption stays centred: a resize repaints the whole container.
    p.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
    if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TOleContainer::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND: m.Result = 1; return; // Paint covers the whole client area
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;  // the focus outline comes and goes
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TOleContainer::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    // A click gives the container the focus, as for any other control a user works with.
    if (!Designing() && CanFocus() && HandleAllocated() && GetFocus() != Handle()) SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TOleContainer::Paint() {
    HDC dc = PaintDC();
    RECT r = ClientRect();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    std::string caption = GetText();
    if (!caption.empty()) {
        RECT text = r;
        InflateRect(&text, -2, -2);
        DrawControlText(dc, *Font(), text, caption,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS, Enabled() ? Font()->Color() : clGrayText);
    }
    if (HandleAllocated() && Focused()) {
        RECT f = r;
        InflateRect(&f, -1, -1);
        SetTextColor(dc, ColorToRGB(clBlack));
        SetBkColor(dc, ColorToRGB(clWhite));
        ::DrawFocusRect(dc, &f);
    }
}

} // namespace fw
