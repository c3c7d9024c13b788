#include "toolkit/win/window/Registration.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/controls/DesignableClasses.h"
#include "toolkit/win/controls/PageControl.h"
#include "toolkit/win/controls/ScrollBox.h"
#include "toolkit/win/menus/MenuAndDialogClasses.h"
#include "toolkit/win/window/Form.h"

namespace fw {

void RegisterToolkitClasses() {
    RegisterDesignableClasses();
    // What the application's own windows hold besides designable controls.
    RegisterClasses({&TForm::StaticClassInfo(), &TScrollBox::StaticClassInfo(), &TTabSheet::StaticClassInfo()});
    RegisterMenuAndDialogClasses();
}

} // namespace fw
