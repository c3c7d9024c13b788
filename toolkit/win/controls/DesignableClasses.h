#pragma once
// The control classes a design may hold, in the order the class registry
// receives them (the palette offers them in the same order).
#include "stream/ClassRegistry.h"

#include <vector>

namespace fw {

const std::vector<const TClassInfo*>& DesignableClasses();

// Registers the designable classes, in order; registering again is harmless.
void RegisterDesignableClasses(TClassRegistry& registry = TClassRegistry::Global());

} // namespace fw
