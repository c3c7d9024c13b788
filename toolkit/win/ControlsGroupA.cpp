#include "toolkit/win/ControlsGroupA.h"

#include "stream/ClassRegistry.h"

namespace fw {

void RegisterControlsGroupA() {
    RegisterClasses({&TCheckBox::StaticClassInfo(), &TRadioButton::StaticClassInfo(), &TListBox::StaticClassInfo(),
                     &TScrollBar::StaticClassInfo(), &TShape::StaticClassInfo(), &TBevel::StaticClassInfo(),
                     &TSplitter::StaticClassInfo(), &TTrackBar::StaticClassInfo(), &TProgressBar::StaticClassInfo(),
                     &TUpDown::StaticClassInfo()});
}

} // namespace fw
