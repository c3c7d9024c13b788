#include "toolkit/win/controls/Splitter.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/ControlPaint.h"

#include <algorithm>

namespace fw {

const TClassInfo& TSplitter::StaticClassInfo() {
    using S = TSplitter;
    static const TClassInfo info = TClassBuilder<S, TGraphicControl>()
                                       .Prop("Align", &S::Align, &S::SetSplitterAlign).Default(alLeft)
                                       .Prop("Beveled", &S::Beveled, &S::SetBeveled).Default(false)
                                       .Prop("Cursor", &S::Cursor, &S::SetCursor)
                                       .Type(CursorType())
                                       .Default(crHSplit)
                                       .Prop("MinSize", &S::MinSize, &S::SetMinSize).Default(30)
                                       .Prop("ResizeStyle", &S::ResizeStyle, &S::SetResizeStyle).Default(rsPattern)
                                       .Prop("OnMoved", &S::OnMoved, &S::OnMoved)
                                       .Build();
    return info;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

void TSplitter::SetSplitterAlign(TAlign v) {
    bool wasHorizontal = Horizontal();
    bool horizontal = v == alTop || v == alBottom;
    int32_t thickness = wasHorizontal ? Height() : Width();
    SetAlign(v);
    if (HasState(csLoading)) return; // stored bounds and cursor are read on their own
    // A bar turning from upright to lying (or back) keeps its thickness.
    if (v != alNone && horizontal != wasHorizontal) {
        if (horizontal) SetHeight(thickness);
        else SetWidth(thickness);
    }
    if (horizontal && Cursor() == crHSplit) SetCursor(crVSplit);
    if (!horizontal && Cursor() == crVSplit) SetCursor(crHSplit);
}

void TSplitter::SetBeveled(bool v) {
    if (FBeveled == v) return;
    FBeveled = v;
    Invalidate();
}

void TSplitter::Paint() {
    TCanvas& c = *Canvas();
    RECT r = ClientRect();
    c.Brush()->SetColor(Color());
    c.FillRect(r);
    if (FBeveled) Frame3D(c.Handle(), r, clBtnHighlight, clBtnShadow, 1);
}

TControl* TSplitter::Neighbour() const {
    TWinControl* p = Parent();
    if (!p) return nullptr;
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* c = p->Controls(i);
        if (c == this || !c->Visible()) continue;
        bool touches = false;
        switch (Align()) {
        case alLeft: touches = c->Left() + c->Width() == Left(); break;
        case alRight: touches = c->Left() == Left() + Width(); break;
        case alTop: touches = c->Top() + c->Height() == Top(); break;
        case alBottom: touches = c->Top() == Top() + Height(); break;
        default: break;
        }
        bool overlaps = Horizontal() ? c->Left() < Left() + Width() && Left() < c->Left() + c->Width()
                                     : c->Top() < Top() + Height() && Top() < c->Top() + c->Height();
        if (touches && overlaps) return c;
    }
    return nullptr;
}

int32_t TSplitter::RoomBeyond() const {
    TWinControl* p = Parent();
    RECT client = p->ClientRect();
    // The far limit: the parent's edge or the nearest control aligned to it.
    int32_t limit = 0;
    switch (Align()) {
    case alLeft: limit = client.right; break;
    case alRight: limit = client.left; break;
    case alTop: limit = client.bottom; break;
    case alBottom: limit = client.top; break;
    default: return 0;
    }
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* c = p->Controls(i);
        if (c == this || !c->Visible()) continue;
        switch (Align()) {
        case alLeft:
            if (c->Align() == alRight) limit = std::min(limit, c->Left());
            break;
        case alRight:
            if (c->Align() == alLeft) limit = std::max(limit, c->Left() + c->Width());
            break;
        case alTop:
            if (c->Align() == alBottom) limit = std::min(limit, c->Top());
            break;
        case alBottom:
            if (c->Align() == alTop) limit = std::max(limit, c->Top() + c->Height());
            break;
        default: break;
        }
    }
    switch (Align()) {
    case alLeft: return limit - (Left() + Width());
    case alRight: return Left() - limit;
    case alTop: return limit - (Top() + Height());
    default: return Top() - limit;
    }
}

int32_t TSplitter::SizeFor(int32_t pointer) const {
    int32_t delta = pointer - FDownPos;
    if (Align() == alRight || Align() == alBottom) delta = -delta;
    return std::clamp(FOldSize + delta, std::min(FMinSize, FOldSize), std::max(FMaxSize, FOldSize));
}

void TSplitter::ApplySize(int32_t size) {
    if (!FControl) return;
    TControl* c = FControl;
    switch (Align()) {
    case alLeft: c->SetWidth(size); break;
    case alTop: c->SetHeight(size); break;
    case alRight: c->SetBounds(c->Left() + c->Width() - size, c->Top(), size, c->Height()); break;
    case alBottom: c->SetBounds(c->Left(), c->Top() + c->Height() - size, c->Width(), size); break;
    default: break;
    }
}

void TSplitter::ToggleLine(int32_t size) {
    if (FResizeStyle != rsLine && FResizeStyle != rsPattern) return;
    TWinControl* p = Parent();
    if (!p || !p->HandleAllocated()) return;
    // Where the splitter would sit with the neighbour at that size.
    int32_t shift = size - FOldSize;
    if (Align() == alRight || Align() == alBottom) shift = -shift;
    RECT r = BoundsRect();
    if (Horizontal()) OffsetRect(&r, 0, shift);
    else OffsetRect(&r, shift, 0);
    HDC dc = GetDCEx(p->Handle(), nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    if (!dc) return;
    if (FResizeStyle == rsLine) {
        PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, DSTINVERT);
    } else {
        // A 50% grey checkerboard XORed on.
        static const WORD bits[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
        HBITMAP pattern = CreateBitmap(8, 8, 1, 1, bits);
        HBRUSH brush = CreatePatternBrush(pattern);
        HGDIOBJ old = SelectObject(dc, brush);
        PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATINVERT);
        SelectObject(dc, old);
        DeleteObject(brush);
        DeleteObject(pattern);
    }
    ReleaseDC(p->Handle(), dc);
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Parent()) return;
    FControl = Neighbour();
    if (!FControl) return;
    FDownPos = AxisPos(x, y);
    FOldSize = Horizontal() ? FControl->Height() : FControl->Width();
    FMaxSize = FOldSize + RoomBeyond() - FMinSize;
    FNewSize = FOldSize;
    FLineShown = false;
}

void TSplitter::MouseMove(TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (!FControl) return;
    int32_t size = SizeFor(AxisPos(x, y));
    if (size == FNewSize) return;
    if (FResizeStyle == rsUpdate) {
        ApplySize(size);
        FNewSize = size;
        return;
    }
    if (FLineShown) ToggleLine(FNewSize);
    FNewSize = size;
    ToggleLine(FNewSize);
    FLineShown = true;
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!FControl) return;
    if (FLineShown) ToggleLine(FNewSize);
    FLineShown = false;
    int32_t size = FResizeStyle == rsUpdate ? FNewSize : SizeFor(AxisPos(x, y));
    ApplySize(size);
    FControl = nullptr;
    OnMoved(this);
}

} // namespace fw
