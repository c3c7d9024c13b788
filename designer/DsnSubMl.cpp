// Multiple selection: the press, move and release dispatch with the rubber
// band, Shift+click toggling, and the band's selection of the container's
// direct children.
#include "designer/DsnSubMl.h"

#include "designer/DsnPanel.h"
#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

namespace {

TComponent* Tool(TCustomCmpPlt* palette) { return palette ? palette->GetSelectedGene() : nullptr; }

bool Intersect(const RECT& a, const RECT& b) {
    return std::max(a.left, b.left) < std::min(a.right, b.right) && std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

} // namespace

const TClassInfo& TDsnMlRegister::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TDsnMlRegister, TDsnRegister>().Build();
    return info;
}

TDsnMlRegister::TDsnMlRegister(TComponent* owner) : TDsnRegister(owner) {}

// --- dispatch -------------------------------------------------------------------

void TDsnMlRegister::MouseDown(TWinControl* hooked, TControl* target, POINT p, TShiftState shift) {
    if (Tool(DsnPanel())) BeginCreate(hooked, target, p, shift);
    else if (shift.Contains(ssCtrl) || dynamic_cast<TDsnStage*>(target)) BeginBand(hooked, target, p, shift);
    else BeginMove(hooked, target, p, shift);
}

void TDsnMlRegister::MouseMove(TWinControl* hooked, POINT p, TShiftState shift) {
    if (Tool(DsnPanel())) {
        DragCreate(hooked, p, shift);
    } else if (FBand) {
        DragBand(hooked, p, shift);
    } else if (shift.Contains(ssLeft)) {
        DragMove(hooked, p, shift);
    } else if (FOutlines) {
        // Outlines left by a release with Shift held, or by a lost release.
        FOutlines->Finish();
        FOutlines.reset();
    }
}

void TDsnMlRegister::MouseUp(TWinControl* hooked, POINT p, TShiftState shift) {
    if (Tool(DsnPanel())) EndCreate(hooked, p, shift);
    else if (FBand) EndBand(hooked, p, shift);
    else EndMove(hooked, p, shift);
}

// --- moving with Shift+click ----------------------------------------------------

void TDsnMlRegister::BeginMove(TWinControl* hooked, TControl* target, POINT p, TShiftState shift) {
    if (!shift.Contains(ssShift)) {
        TDsnRegister::BeginMove(hooked, target, p, shift);
        return;
    }
    // Shift toggles the target and prepares no move, whatever the parents of
    // the selected controls.
    if (!AskSelect(target).Contains(saMove)) return;
    FDragContainer = target == hooked ? static_cast<TControl*>(hooked->Parent()) : hooked;
    EnsureTargets();
    int i = Targets()->IndexOf(target);
    if (i < 0) Targets()->Add(target);
    else Targets()->Delete(i);
}

void TDsnMlRegister::DragMove(TWinControl* hooked, POINT p, TShiftState shift) {
    if (!shift.Contains(ssShift)) TDsnRegister::DragMove(hooked, p, shift);
}

void TDsnMlRegister::EndMove(TWinControl* hooked, POINT at, TShiftState shift) {
    if (!shift.Contains(ssShift)) {
        TDsnRegister::EndMove(hooked, at, shift);
        return;
    }
    // A release with Shift held moves nothing; outlines still on the screen
    // go at the next move without a button.
    int32_t x = at.x, y = at.y;
    SnapToGrid(x, y);
    if (x != FStartX || y != FStartY) SelectionMoved(FStartX - x, FStartY - y);
    if (Targets()) Targets()->Update();
}

// A right press on the empty surface neither selects the surface nor changes
// the selection.
void TDsnMlRegister::SelectTarget(TWinControl* hooked, TControl* target, int32_t x, int32_t y) {
    if (dynamic_cast<TDsnStage*>(target)) {
        AskSelect(target); // the surface hears of the press all the same
        return;
    }
    TDsnRegister::SelectTarget(hooked, target, x, y);
}

void TDsnMlRegister::SetDesignMode(bool on) {
    if (!on) FBand.reset(); // a band cut off by design off is erased
    TDsnRegister::SetDesignMode(on);
}

// --- the rubber band --------------------------------------------------------------

void TDsnMlRegister::CreateBandOutline() { FBand = std::make_unique<TMultiShape>(); }

void TDsnMlRegister::BeginBand(TWinControl* hooked, TControl*, POINT p, TShiftState) {
    // A band left by a lost release is erased before the new one starts.
    if (FBand) FBand->Finish();
    CreateBandOutline();
    FBand->Color = kBandColor;
    FBand->PenWidth = kBandPenWidth;
    FBand->PenStyle = psDot;
    StartBand(*FBand, hooked, p);
}

void TDsnMlRegister::DragBand(TWinControl* hooked, POINT p, TShiftState) {
    if (FBand) StretchBand(*FBand, hooked, p);
}

void TDsnMlRegister::EndBand(TWinControl* hooked, POINT p, TShiftState) {
    const POINT at = InBandContainer(hooked, p); // the release point is not snapped
    const int32_t x = at.x, y = at.y;
    if (FBand) {
        FBand->Finish();
        FBand.reset();
    }
    EnsureTargets();
    Targets()->Clear();
    const RECT band{std::min(FStartX, x), std::min(FStartY, y), std::max(FStartX, x), std::max(FStartY, y)};
    if (auto* container = dynamic_cast<TWinControl*>(FDragContainer)) {
        // The children are listed first: selecting makes handle windows,
        // which are children of the same container.
        std::vector<TControl*> children;
        children.reserve(container->ControlCount());
        for (int i = 0; i < container->ControlCount(); ++i) {
            TControl* child = container->Controls(i);
            if (!(child->ControlStyle() & csNotDesigned)) children.push_back(child);
        }
        for (TControl* child : children) {
            if (!AskSelect(child).Contains(saMove)) continue;
            const RECT bounds{child->Left(), child->Top(), child->Left() + child->Width(), child->Top() + child->Height()};
            if (Intersect(bounds, band)) Targets()->Add(child);
        }
    }
    Targets()->Update();
}

} // namespace fw
