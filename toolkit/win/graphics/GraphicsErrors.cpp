#include "toolkit/win/graphics/GraphicsErrors.h"

namespace fw {

void RaiseOutOfResources() { throw EOutOfResources("Out of system resources"); }

} // namespace fw
