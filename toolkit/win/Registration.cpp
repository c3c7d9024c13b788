#include "toolkit/win/Registration.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/MenuAndDialogClasses.h"

namespace fw {

void RegisterToolkitClasses() {
    RegisterClasses({&TForm::StaticClassInfo()});
    RegisterMenuAndDialogClasses();
}

} // namespace fw
