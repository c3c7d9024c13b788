#include "toolkit/win/menus/MenuAndDialogClasses.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/menus/ActnList.h"
#include "toolkit/win/menus/Dialogs.h"
#include "toolkit/win/menus/Menus.h"

namespace fw {

void RegisterMenuAndDialogClasses() {
    RegisterClasses({&TMainMenu::StaticClassInfo(), &TPopupMenu::StaticClassInfo(), &TMenuItem::StaticClassInfo(),
                     &TActionList::StaticClassInfo(), &TAction::StaticClassInfo(), &TOpenDialog::StaticClassInfo(),
                     &TSaveDialog::StaticClassInfo(), &TOpenPictureDialog::StaticClassInfo(),
                     &TColorDialog::StaticClassInfo(), &TFontDialog::StaticClassInfo()});
}

} // namespace fw
