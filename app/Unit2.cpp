#include "app/Unit2.h"

#include "designer/DsnSelection.h"
#include "designer/DsnUnit.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/menus/Dialogs.h"

namespace fw {

TForm2* Form2 = nullptr;

const TClassInfo& TForm2::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TForm2, TForm>()
                                       .Method("DsnInspector1BtnClick", &TForm2::DsnInspector1BtnClick)
                                       .Build();
    return info;
}

TDsnStage* TForm2::DsnStage1() const {
    auto* stage = dynamic_cast<TDsnStage*>(FindComponent("DsnStage1"));
    if (!stage) throw EComponentError("The design window has no DsnStage1");
    return stage;
}

TDsnRSRegister* TForm2::DsnRSRegister1() const {
    auto* reg = dynamic_cast<TDsnRSRegister*>(FindComponent("DsnRSRegister1"));
    if (!reg) throw EComponentError("The design window has no DsnRSRegister1");
    return reg;
}

void TForm2::DsnInspector1BtnClick(TObject*, TSelectedComponents* targets, const std::string& propName,
                                   std::string& value) {
    if (propName == "Color") {
        auto* dialog = dynamic_cast<TColorDialog*>(FindComponent("ColorDialog1"));
        if (dialog && dialog->Execute()) value = std::to_string(dialog->Color);
        return;
    }
    if (propName != "Font" || !targets || targets->Count() == 0) return;
    auto* dialog = dynamic_cast<TFontDialog*>(FindComponent("FontDialog1"));
    if (!dialog) return;
    auto fontOf = [&](TComponent* c) -> TFont* {
        const TPropInfo* p = c ? c->ClassInfo().FindProp(propName) : nullptr;
        return p ? dynamic_cast<TFont*>(p->GetObj(c)) : nullptr;
    };
    if (TFont* first = fontOf(targets->Items(0))) dialog->Font()->Assign(first);
    if (!dialog->Execute()) return;
    for (int i = 0; i < targets->Count(); ++i)
        if (TFont* f = fontOf(targets->Items(i))) f->Assign(dialog->Font());
}

} // namespace fw
