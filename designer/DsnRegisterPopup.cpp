// The design popup: the items borrowed from the stage's cover menu, then one
// entry per property of the stage's self-properties that the whole selection
// has; picking an entry sets that property on every selected component.
#include "designer/DsnFunc.h"
#include "designer/DsnMenuItem.h"
#include "designer/DsnRegister.h"
#include "designer/DsnSelection.h"

namespace fw {

void TDsnRegister::BuildDesignPopup() {
    if (!FDsnStage) return;
    TPopupMenu* cover = FDsnStage->CoverMenu();
    if (!cover && FDsnStage->SelfProps()->Count() == 0) return; // a right press only selects
    delete FDesignPopup;
    FDesignPopup = new TPopupMenu(Owner());
    FDesignPopup->FreeNotification(this);
    if (cover) {
        FDesignPopup->OnPopup = cover->OnPopup;
        TMenuItem* from = cover->Items();
        TMenuItem* to = FDesignPopup->Items();
        while (from->Count() > 0) to->Insert(0, from->Items(from->Count() - 1));
    }
    FDesignPopup->SetTag(FDesignPopup->Items()->Count());
}

void TDsnRegister::RightMouseDown(TWinControl* hooked, TControl* target, int32_t x, int32_t y) {
    SelectTarget(hooked, target, x, y);
    if (!FDesignPopup || !FTargets || !FDsnStage) return;
    TContextProps context;
    context.Build(*FDsnStage->SelfProps(), FDsnStage->OutProps(), &FTargets->Items());
    // The previous press's context entries go; the borrowed items stay.
    TMenuItem* items = FDesignPopup->Items();
    const int borrowed = FDesignPopup->Tag();
    while (items->Count() > borrowed) delete items->Items(items->Count() - 1);
    if (items->Count() > 0) {
        auto* separator = new TDsnMenuItem(Owner());
        separator->SetCaption("-");
        items->Add(separator);
    }
    for (int i = 0; i < context.PropNames().Count(); ++i) {
        auto* entry = new TDsnMenuItem(Owner());
        entry->SetCaption(context.Caption(i));
        items->Add(entry);
        entry->OnClick.Bind([this](TObject* sender) { ContextItemClick(dynamic_cast<TMenuItem*>(sender)); });
        entry->SetPropName(context.PropNames().Get(i));
        entry->SetValue(context.PropValues().Get(i));
    }
    FDsnStage->OnPopup(FDsnStage);
    const POINT at = hooked->Parent() ? hooked->Parent()->ClientToScreen({hooked->Left(), hooked->Top()})
                                      : hooked->ClientToScreen({0, 0});
    FDesignPopup->Popup(at.x + x, at.y + y);
}

void TDsnRegister::ContextItemClick(TMenuItem* sender) {
    auto* item = dynamic_cast<TDsnMenuItem*>(sender);
    if (!item || !FDsnStage || !FDsnStage->OnMenuClick.Assigned() || !FTargets) return;
    TSelectedComponents selected;
    selected.AddList(FTargets->Items());
    const std::string propName = item->PropName();
    std::string value = item->Value();
    FDsnStage->OnMenuClick(FDsnStage, &selected, propName, value);
    item->SetValue(value);
    ApplyPropValue(selected.List(), propName, value);
    FTargets->Update();
}

} // namespace fw
