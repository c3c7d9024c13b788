#include "toolkit/win/Registration.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/DesignableClasses.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/MenuAndDialogClasses.h"
#include "toolkit/win/PageControl.h"
#include "toolkit/win/ScrollBox.h"

namespace fw {

void RegisterToolkitClasses() {
    RegisterDesignableClasses();
    // What the application's own windows hold besides designable controls.
    RegisterClasses({&TForm::StaticClassInfo(), &TScrollBox::StaticClassInfo(), &TTabSheet::StaticClassInfo()});
    RegisterMenuAndDialogClasses();
}

} // namespace fw
