#pragma once
// Tooltips for controls whose ShowHint is true. One tooltip window serves the
// whole application: as the pointer moves from control to control, its single
// tool is moved to the control under the pointer, which also covers controls
// without a window of their own (speed buttons on a palette).
#include "toolkit/win/window/Win32.h"

namespace fw {

class TControl;
class TWinControl;

// A pointer message reached `window`; `control` is the control under the
// pointer (a child without a window, or the window's own control).
void TrackHint(TWinControl& window, TControl* control, const MSG& msg);
// The control goes away, or its window does: its tool is dropped.
void ForgetHint(const TControl* control);
// The tooltip window, once one was needed (for tests that look for it).
HWND HintWindow();

} // namespace fw
