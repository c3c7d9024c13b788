#include "toolkit/win/controls/ScrollBox.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ScopeGuard.h"

#include <algorithm>

namespace fw {

const TClassInfo& TScrollBox::StaticClassInfo() {
    using S = TScrollBox;
    static const TClassInfo info = TClassBuilder<S, TWinControl>()
                                       .Prop("BorderStyle", &S::PublishedBorderStyle, &S::SetPublishedBorderStyle)
                                       .Default(bsSingle)
                                       .Build();
    return info;
}

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::InitializeWnd() {
    TWinControl::InitializeWnd();
    UpdateScrollBars();
}

SIZE TScrollBox::ContentSize() const {
    SIZE s{0, 0};
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        // Aligned children follow the client area; they never make it scroll,
        // and neither does what a designer draws over the design.
        if (!(c->Visible() || c->Designing()) || c->Align() != alNone) continue;
        if (c->ControlStyle() & csNotDesigned) continue;
        s.cx = std::max<LONG>(s.cx, c->Left() + c->Width() + FPos.x);
        s.cy = std::max<LONG>(s.cy, c->Top() + c->Height() + FPos.y);
    }
    return s;
}

void TScrollBox::UpdateScrollBars() {
    if (!HandleAllocated() || FUpdating) return;
    TScopedValue<bool> updating(FUpdating, true);
    // Showing one bar narrows the client area, which may call for the
    // other; a few rounds settle it.
    for (int round = 0; round < 3; ++round) {
        RECT client;
        GetClientRect(Handle(), &client);
        SIZE content = ContentSize();
        POINT want{std::clamp<LONG>(FPos.x, 0, std::max<LONG>(0, content.cx - client.right)),
                   std::clamp<LONG>(FPos.y, 0, std::max<LONG>(0, content.cy - client.bottom))};
        if (want.x != FPos.x || want.y != FPos.y) MoveContent(want.x - FPos.x, want.y - FPos.y);
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        si.nMax = content.cx > client.right ? content.cx - 1 : 0;
        si.nPage = content.cx > client.right ? static_cast<UINT>(client.right) : 0;
        si.nPos = FPos.x;
        SetScrollInfo(Handle(), SB_HORZ, &si, TRUE);
        si.nMax = content.cy > client.bottom ? content.cy - 1 : 0;
        si.nPage = content.cy > client.bottom ? static_cast<UINT>(client.bottom) : 0;
        si.nPos = FPos.y;
        SetScrollInfo(Handle(), SB_VERT, &si, TRUE);
        RECT after;
        GetClientRect(Handle(), &after);
        if (after.right == client.right && after.bottom == client.bottom) break;
    }
}

void TScrollBox::MoveContent(int32_t dx, int32_t dy) {
    FPos.x += dx;
    FPos.y += dy;
    {
        TScopedValue<bool> updating(FUpdating, true);
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c->Align() != alNone) continue;
            c->SetBounds(c->Left() - dx, c->Top() - dy, c->Width(), c->Height());
        }
    }
    Invalidate();
}

void TScrollBox::ScrollTo(int32_t x, int32_t y) {
    if (x != FPos.x || y != FPos.y) MoveContent(x - FPos.x, y - FPos.y);
    UpdateScrollBars(); // clamps, and moves the thumbs
}

void TScrollBox::Scroll(int bar, WPARAM request) {
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), bar, &si);
    int pos = si.nPos;
    int line = 8, page = std::max<int>(static_cast<int>(si.nPage), 1);
    switch (LOWORD(request)) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ) ScrollTo(pos, FPos.y);
    else ScrollTo(FPos.x, pos);
}

void TScrollBox::ChildBoundsChanged(TControl*) { UpdateScrollBars(); }

void TScrollBox::AlignControls(RECT& rect) {
    TWinControl::AlignControls(rect);
    UpdateScrollBars();
}

void TScrollBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
        // Our own scroll bars (a child control's come with its window).
        if (m.LParam == 0) {
            Scroll(m.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, m.WParam);
            return;
        }
        break;
    case WM_MOUSEWHEEL: {
        int delta = HiWordSigned(static_cast<LPARAM>(m.WParam));
        ScrollTo(FPos.x, FPos.y - delta / WHEEL_DELTA * 3 * 8);
        return;
    }
    case WM_SIZE:
        TWinControl::WndProc(m);
        UpdateScrollBars();
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
