// The controller's operations that add and remove controls: drawing a new
// control with a palette tool (a copy of the tool's prototype through the
// component stream), naming new controls and deleting the selection.
#include "designer/DsnPanel.h"
#include "designer/DsnRegister.h"
#include "designer/DsnUnit.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "toolkit/core/ScopeGuard.h"

#include <algorithm>
#include <cstdlib>

namespace fw {

namespace {

bool AcceptsControls(const TControl* control) { return control && (control->ControlStyle() & csAcceptsControls); }

// Parent steps from the component's parent up to the stage: 0 for a child
// of the stage.
int DepthBelow(const TComponent* component, const TDsnStage* stage) {
    const auto* control = dynamic_cast<const TControl*>(component);
    int depth = 0;
    for (const TWinControl* p = control ? control->Parent() : nullptr; p && p != stage; p = p->Parent()) ++depth;
    return depth;
}

} // namespace

POINT TDsnRegister::InBandContainer(TWinControl* hooked, POINT p) {
    if (AcceptsControls(hooked)) return p;
    return {p.x + hooked->Left(), p.y + hooked->Top()};
}

void TDsnRegister::StartBand(TMultiShape& band, TWinControl* hooked, POINT p) {
    FDragContainer = AcceptsControls(hooked) ? hooked : hooked->Parent();
    const POINT at = InBandContainer(hooked, p);
    int32_t x = at.x, y = at.y;
    SnapToGrid(x, y);
    FStartX = x;
    FStartY = y;
    band.Origin = ScreenPoint(x, y);
    band.StartBand();
    band.ConfineTo(FDragContainer);
}

void TDsnRegister::StretchBand(TMultiShape& band, TWinControl* hooked, POINT p) {
    int32_t x = p.x, y = p.y;
    SnapToGrid(x, y);
    const POINT at = InBandContainer(hooked, {x, y});
    band.SetBandWidth(at.x - FStartX);
    band.SetBandHeight(at.y - FStartY);
    band.MoveTo(ScreenPoint(FStartX, FStartY));
}

void TDsnRegister::BeginCreate(TWinControl* hooked, TControl* target, POINT p, TShiftState) {
    if (!AskSelect(target).Contains(saCreate)) return;
    RenewOutlines();
    FOutlines->Color = FOutlineColor;
    FOutlines->PenWidth = FOutlineWidth;
    StartBand(*FOutlines, hooked, p);
}

void TDsnRegister::DragCreate(TWinControl* hooked, POINT p, TShiftState) {
    if (FOutlines) StretchBand(*FOutlines, hooked, p);
}

void TDsnRegister::EndCreate(TWinControl* hooked, POINT p, TShiftState) {
    int32_t x = p.x, y = p.y;
    SnapToGrid(x, y);
    if (FOutlines) {
        const POINT at = InBandContainer(hooked, {x, y});
        x = at.x;
        y = at.y;
        FOutlines->Finish();
        FOutlines.reset();
        const int32_t dx = x - FStartX, dy = y - FStartY;
        auto* container = dynamic_cast<TWinControl*>(FDragContainer);
        try {
            TComponent* gene = FDsnPanel ? FDsnPanel->GetSelectedGene() : nullptr;
            if (gene && container) CopyPrototype(gene, container);
        } catch (...) {
            // A prototype that cannot be copied gives no control, and no
            // message: the palette simply goes back to the pointer.
        }
        if (TControl* made = FNewControl) {
            NameNewControl(made);
            made->SetBounds(FStartX + std::min(dx, 0), FStartY + std::min(dy, 0), std::abs(dx), std::abs(dy));
            // A control that sizes itself (an auto-sized label, say) does
            // so now, as when the design is read back: what is saved is what
            // reopens.
            made->AdjustSize();
            EnsureTargets();
            if (auto* windowed = dynamic_cast<TWinControl*>(made)) HookControl(windowed);
            FTargets->Clear();
            FTargets->Add(made);
            FTargets->Update();
        }
    }
    if (FDsnPanel) {
        FDsnPanel->PushArrowButton();
        FDsnPanel->SetSelectedGene(nullptr);
    }
    FNewControl = nullptr;
}

void TDsnRegister::CopyPrototype(TComponent* prototype, TWinControl* container) {
    // The copy carries every stored value but the name: it is named anew.
    const std::string name = prototype->Name();
    prototype->SetName("");
    TScopeExit restoreName([&] { prototype->SetName(name); });
    TMemoryStream stream;
    WriteRecords(stream, prototype->Owner(), {prototype});
    stream.SetPosition(0);
    ReadRecords(stream, container->Owner(), container,
                [this](TComponent* read) { SetNewControl(dynamic_cast<TControl*>(read)); });
}

void TDsnRegister::WriteRecords(TStream& stream, TComponent* root, const std::vector<TComponent*>& components) {
    TWriter writer(stream, 4096);
    writer.SetRoot(root);
    for (TComponent* c : components) {
        writer.WriteSignature();
        writer.WriteComponent(c);
    }
    writer.WriteListEnd();
}

void TDsnRegister::ReadRecords(TStream& stream, TComponent* owner, TWinControl* parent,
                               const std::function<void(TComponent*)>& eachRead) {
    TReader reader(stream, 4096);
    reader.OnSetName = [this](TReader& r, TComponent* component, std::string& name) {
        ReaderSetName(r, component, name);
    };
    reader.ReadComponents(owner, parent, eachRead);
}

void TDsnRegister::ReaderSetName(TReader&, TComponent* component, std::string& name) {
    TDsnStage::MakeUniqueName(Owner(), component, name);
    if (FDsnStage && FDsnStage->HandleAllocated()) FDsnStage->NoticeCreated(component);
}

void TDsnRegister::NameNewControl(TComponent* component) {
    const std::string base = component->ClassName().substr(1);
    std::string candidate = base + "1";
    for (int n = 2; Owner() && Owner()->FindComponent(candidate); ++n) candidate = base + std::to_string(n);
    component->SetName(candidate);
}

void TDsnRegister::SortByDepth(std::vector<TComponent*>& list) const {
    std::stable_sort(list.begin(), list.end(), [this](const TComponent* a, const TComponent* b) {
        return DepthBelow(a, FDsnStage) < DepthBelow(b, FDsnStage);
    });
}

void TDsnRegister::DeleteSelection() {
    if (!FTargets) return;
    std::vector<TComponent*> doomed;
    for (int i = 0; i < FTargets->Count(); ++i) doomed.push_back(FTargets->GetItem(i));
    FTargets->Clear();
    if (FDsnStage && FDsnStage->OnDeleteQuery.Assigned()) {
        for (size_t i = doomed.size(); i-- > 0;) {
            bool canDelete = true;
            FDsnStage->OnDeleteQuery(FDsnStage, doomed[i], canDelete);
            if (!canDelete) doomed.erase(doomed.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    SortByDepth(doomed);
    // Deepest first: a control nested in another selected one goes before
    // its container would take it along, so none is freed twice.
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) delete *it;
    if (FTargets) FTargets->Update();
}

} // namespace fw
