#pragma once
// The design window: its client area is the design surface, it owns every
// designed control, and it holds the design controller and the dialogs the
// inspector's dialog button uses.
#include "designer/DsnInspBase.h"
#include "toolkit/win/window/Form.h"

namespace fw {

class TDsnStage;
class TDsnRSRegister;

class TForm2 : public TForm {
    FW_CLASS(TForm2)
    using TForm::TForm;

    // The inspector's dialog button: "Color" and "Font" are edited through
    // the colour and font dialogs; other properties are left as they are.
    void DsnInspector1BtnClick(TObject* sender, TSelectedComponents* targets, const std::string& propName,
                               std::string& value);

    TDsnStage* DsnStage1() const;
    TDsnRSRegister* DsnRSRegister1() const;
};

extern TForm2* Form2;

} // namespace fw
