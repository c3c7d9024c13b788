#include "designer/DsnUnit.h"

#include "stream/ClassRegistry.h"

namespace fw {

void RegisterDesignEngineClasses() {
    RegisterClasses({&TDsnStage::StaticClassInfo(), &TDsnRegister::StaticClassInfo(), &TDsnMlRegister::StaticClassInfo(),
                     &TDsnRSRegister::StaticClassInfo(), &TDsnSwitch::StaticClassInfo()});
}

} // namespace fw
