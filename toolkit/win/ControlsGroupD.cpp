#include "toolkit/win/ControlsGroupD.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/DirectoryOutline.h"
#include "toolkit/win/ShellListView.h"

namespace fw {

void RegisterControlsGroupD() {
    RegisterClasses({&TDirectoryOutline::StaticClassInfo(), &TShellListView::StaticClassInfo()});
}

} // namespace fw
