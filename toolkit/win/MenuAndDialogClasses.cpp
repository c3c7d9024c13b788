#include "toolkit/win/MenuAndDialogClasses.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/ActnList.h"
#include "toolkit/win/Dialogs.h"
#include "toolkit/win/Menus.h"

namespace fw {

void RegisterMenuAndDialogClasses() {
    RegisterClasses({&TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo(),
                     &TActionList::StaticClassInfo(), &TAction::StaticClassInfo(), &TOpenDialog::StaticClassInfo(),
                     &TSaveDialog::StaticClassInfo(), &TOpenPictureDialog::StaticClassInfo(),
                     &TColorDialog::StaticClassInfo(), &TFontDialog::StaticClassInfo()});
}

} // namespace fw
