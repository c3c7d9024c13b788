// The controller's pointer protocol: the press, move and release
// dispatchers, the selection rule, moving the selection with snapped XOR
// outlines, the double-click event and the hooks the grab handles call.
#include "designer/DsnGeometry.h"
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"

namespace fw {

namespace {

// The current tool: the prototype the palette has armed, or none.
TComponent* Tool(TCustomCmpPlt* palette) { return palette ? palette->GetSelectedGene() : nullptr; }

bool LeftHeld(TShiftState shift) { return shift.Contains(ssLeft); }

} // namespace

void TDsnRegister::MouseDown(TWinControl* hooked, TControl* target, POINT p, TShiftState shift) {
    if (Tool(FDsnPanel)) BeginCreate(hooked, target, p, shift);
    else BeginMove(hooked, target, p, shift);
}

void TDsnRegister::MouseMove(TWinControl* hooked, POINT p, TShiftState shift) {
    if (Tool(FDsnPanel)) {
        DragCreate(hooked, p, shift);
    } else if (LeftHeld(shift)) {
        DragMove(hooked, p, shift);
    } else if (FOutlines) {
        // The release was lost (another window took the pointer): the
        // outlines go at the first move without a button.
        FOutlines->Finish();
        FOutlines.reset();
    }
}

void TDsnRegister::MouseUp(TWinControl* hooked, POINT p, TShiftState shift) {
    if (Tool(FDsnPanel)) EndCreate(hooked, p, shift);
    else EndMove(hooked, p, shift);
}

TSelectAccept TDsnRegister::AskSelect(TComponent* target) const {
    TSelectAccept can{saCreate, saMove};
    if (FDsnStage) FDsnStage->OnSelectQuery(FDsnStage, target, can);
    return can;
}

bool TDsnRegister::ApplySelectionRule(TWinControl* hooked, TControl* target) {
    if (!AskSelect(target).Contains(saMove)) return false;
    FDragContainer = target == hooked ? static_cast<TControl*>(hooked->Parent()) : hooked;
    EnsureTargets();
    if (FTargets->Count() == 0) {
        FTargets->Add(target);
    } else if (FTargets->IndexOf(target) < 0 || !SameParent()) {
        // A press on an unselected control, or on a member of a selection
        // spread over several parents, selects it alone; a press on any
        // member of a one-parent selection keeps the whole selection.
        FTargets->Clear();
        FTargets->Add(target);
    }
    return true;
}

POINT TDsnRegister::ScreenPoint(int32_t x, int32_t y) const {
    return FDragContainer ? FDragContainer->ClientToScreen({x, y}) : POINT{x, y};
}

void TDsnRegister::CreateOutlines() { FOutlines = std::make_unique<TMultiShape>(); }

void TDsnRegister::RenewOutlines() {
    if (FOutlines) {
        FOutlines->Finish();
        FOutlines.reset();
    }
    FOutlines = std::make_unique<TMultiShape>();
}

void TDsnRegister::BeginMove(TWinControl* hooked, TControl* target, POINT p, TShiftState) {
    if (!ApplySelectionRule(hooked, target) || !SameParent() || !FDragContainer) return;
    RenewOutlines();
    FOutlines->Color = FOutlineColor;
    FOutlines->PenWidth = FOutlineWidth;
    int32_t x = p.x, y = p.y;
    SnapToGrid(x, y);
    FStartX = x;
    FStartY = y;
    FOutlines->Origin = ScreenPoint(x, y);
    for (int i = 0; i < FTargets->Count(); ++i)
        FOutlines->AddControl(dynamic_cast<TControl*>(FTargets->GetItem(i)));
    FOutlines->ConfineTo(FDragContainer);
}

void TDsnRegister::DragMove(TWinControl*, POINT p, TShiftState) {
    if (!FOutlines) return;
    int32_t x = p.x, y = p.y;
    SnapToGrid(x, y);
    if (!SameParent()) return;
    FOutlines->MoveTo(ScreenPoint(x, y));
}

void TDsnRegister::EndMove(TWinControl*, POINT at, TShiftState) {
    int32_t x = at.x, y = at.y;
    SnapToGrid(x, y);
    if (SameParent() && FOutlines) {
        FOutlines->Finish();
        FOutlines.reset();
        for (int i = 0; FTargets && i < FTargets->Count(); ++i) {
            auto* c = dynamic_cast<TControl*>(FTargets->GetItem(i));
            if (!c) continue;
            bool canMove = true;
            if (FDsnStage) FDsnStage->OnMoveQuery(FDsnStage, c, canMove);
            if (!canMove) continue;
            c->SetLeft(c->Left() + x - FStartX);
            c->SetTop(c->Top() + y - FStartY);
        }
    }
    if (x != FStartX || y != FStartY) SelectionMoved(FStartX - x, FStartY - y);
    if (FTargets) FTargets->Update();
}

void TDsnRegister::SelectTarget(TWinControl* hooked, TControl* target, int32_t, int32_t) {
    if (!ApplySelectionRule(hooked, target)) return;
    FTargets->Update();
}

void TDsnRegister::TargetDblClick(TControl* target, TMessage&) {
    if (FDsnStage) FDsnStage->OnCoverDblClick(FDsnStage, target);
}

void TDsnRegister::ControlResized(TControl*, TMessage&) {
    if (!FPropSet) return;
    FPropSet->RefreshValues();
    FPropSet->Update();
}

void TDsnRegister::SelectionMoved(int32_t, int32_t) {
    if (FPropSet) FPropSet->RefreshValues();
}

} // namespace fw
