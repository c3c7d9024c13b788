// Layout of a windowed control's children: anchors follow a resized parent's
// edges, then aligned children stack along the edges and fill the rest.
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/win/window/WinControl.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {

// Controls of one alignment stack in the order of their current positions,
// so a splitter placed between two panels stays between them whether or not
// it has a window of its own.
int32_t StackKey(TAlign align, const TControl* c) {
    switch (align) {
    case alTop: return c->Top();
    case alBottom: return -(c->Top() + c->Height());
    case alLeft: return c->Left();
    case alRight: return -(c->Left() + c->Width());
    default: return 0;
    }
}

// Places one aligned control in what is left of the client area and takes
// its share away.
void PlaceAligned(TControl* c, TAlign align, RECT& rect) {
    int32_t w = c->Width(), h = c->Height();
    switch (align) {
    case alTop:
        c->SetBounds(rect.left, rect.top, rect.right - rect.left, h);
        rect.top += c->Height();
        break;
    case alBottom:
        c->SetBounds(rect.left, rect.bottom - h, rect.right - rect.left, h);
        rect.bottom -= c->Height();
        break;
    case alLeft:
        c->SetBounds(rect.left, rect.top, w, rect.bottom - rect.top);
        rect.left += c->Width();
        break;
    case alRight:
        c->SetBounds(rect.right - w, rect.top, w, rect.bottom - rect.top);
        rect.right -= c->Width();
        break;
    case alClient: c->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top); break;
    default: break;
    }
}

} // namespace

void TWinControl::FollowAnchors(int dw, int dh) {
    TScopedFlags<uint32_t> aligning(FControlState, csAligning);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() != alNone) continue;
        TAnchors a = c->Anchors();
        int32_t l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft)) w += dw;
            else l += dw;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop)) h += dh;
            else t += dh;
        }
        c->SetBounds(l, t, w, h);
    }
}

void TWinControl::Realign() {
    if ((FControlState & csAligning) || HasState(csLoading)) return;
    RECT r = ClientRect();
    TScopedFlags<uint32_t> aligning(FControlState, csAligning);
    AlignControls(r);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    // The window held back while reading (see InsertControl); read children
    // are appended, so each new window goes on top, as a new child would.
    if (!FHandle && Parent() && Parent()->FHandle) CreateHandleAt(true);
    Realign();
}

void TWinControl::AlignControls(RECT& rect) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        std::vector<TControl*> group;
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c->Align() == align && (c->Visible() || c->Designing())) group.push_back(c);
        }
        // Ties keep the child order.
        std::stable_sort(group.begin(), group.end(), [align](const TControl* a, const TControl* b) {
            return StackKey(align, a) < StackKey(align, b);
        });
        for (TControl* c : group) PlaceAligned(c, align, rect);
    }
}

} // namespace fw
