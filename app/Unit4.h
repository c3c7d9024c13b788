#pragma once
// The String Editor dialog: a memo with OK and Cancel, each of which closes it.
#include "toolkit/win/window/Form.h"

namespace fw {

class TForm4 : public TForm {
    FW_CLASS(TForm4)
    using TForm::TForm;
    void Button1Click(TObject*) { Close(); }
    void Button2Click(TObject*) { Close(); }
};

extern TForm4* Form4;

} // namespace fw
