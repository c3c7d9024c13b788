#include "toolkit/win/Registration.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Menus.h"

namespace fw {

void RegisterToolkitClasses() {
    RegisterClasses({&TForm::StaticClassInfo(), &TPopupMenu::StaticClassInfo()});
}

} // namespace fw
