#include "toolkit/win/StdCtrls.h"

#include "stream/ClassRegistry.h"

namespace fw {

void RegisterStandardControls() {
    RegisterClasses({&TPanel::StaticClassInfo(), &TScrollBox::StaticClassInfo(), &TLabel::StaticClassInfo(),
                     &TEdit::StaticClassInfo(), &TMemo::StaticClassInfo(), &TButton::StaticClassInfo(),
                     &TBitBtn::StaticClassInfo(), &TSpeedButton::StaticClassInfo(), &TImage::StaticClassInfo(),
                     &TComboBox::StaticClassInfo()});
}

} // namespace fw
