#pragma once
// The hidden form, reached through the "Click Me!" button that Shift+F10
// reveals on the main window.
#include "toolkit/win/window/Form.h"

namespace fw {

class TForm5 : public TForm {
    FW_CLASS(TForm5)
    using TForm::TForm;
};

extern TForm5* Form5;

} // namespace fw
