#include "toolkit/win/Registration.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/ControlsGroupA.h"
#include "toolkit/win/ControlsGroupB.h"
#include "toolkit/win/Grids.h"
#include "toolkit/win/MenuAndDialogClasses.h"
#include "toolkit/win/StdCtrls.h"

namespace fw {

void RegisterToolkitClasses() {
    RegisterClasses({&TForm::StaticClassInfo()});
    RegisterMenuAndDialogClasses();
    RegisterGridClasses();
    RegisterStandardControls();
    RegisterControlsGroupA();
    RegisterControlsGroupB();
}

} // namespace fw
