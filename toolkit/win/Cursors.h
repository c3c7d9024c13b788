#pragma once
// The system cursor for a toolkit cursor id (0 default, -2 arrow, -6 and -8
// the diagonal sizing cursors, ...).
#include "toolkit/win/Win32.h"

#include <cstdint>

namespace fw {

HCURSOR CursorHandle(int32_t id);

} // namespace fw
