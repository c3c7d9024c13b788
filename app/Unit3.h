#pragma once
// The about box, opened modally from Help, About...
#include "toolkit/win/window/Form.h"

namespace fw {

class TAboutBox : public TForm {
    FW_CLASS(TAboutBox)
    using TForm::TForm;
};

extern TAboutBox* AboutBox;

} // namespace fw
