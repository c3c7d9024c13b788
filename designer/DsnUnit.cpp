#include "designer/DsnUnit.h"

#include "stream/ClassRegistry.h"

namespace fw {

void RegisterDesignEngineClasses() {
    RegisterClasses({&TDsnStage::StaticClassInfo(), &TDsnRegister::StaticClassInfo(), &TDsnSwitch::StaticClassInfo()});
}

} // namespace fw
