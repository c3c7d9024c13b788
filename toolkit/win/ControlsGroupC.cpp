#include "toolkit/win/ControlsGroupC.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/ColorGrid.h"
#include "toolkit/win/MediaPlayer.h"
#include "toolkit/win/OleContainer.h"

namespace fw {

void RegisterControlsGroupC() {
    RegisterClasses({&TMediaPlayer::StaticClassInfo(), &TOleContainer::StaticClassInfo(),
                     &TColorGrid::StaticClassInfo()});
}

} // namespace fw
