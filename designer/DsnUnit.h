#pragma once
// The design engine's unit: the design stage, the design controller with its
// multiple-selection and group-resizing variants, and the design switch.
#include "designer/DsnRegister.h"
#include "designer/DsnStage.h"
#include "designer/DsnSubMl.h"
#include "designer/DsnSubRS.h"
#include "designer/DsnSwitch.h"

namespace fw {

// Makes the stage, the controller and the switch known to the stream reader
// (the application's stored layouts hold them).
void RegisterDesignEngineClasses();

} // namespace fw
