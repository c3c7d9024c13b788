#pragma once
// The window classes of toolkit windows. Every toolkit window runs the
// toolkit's window procedure; a system class (BUTTON, EDIT, ...) is
// superclassed under a name of our own, and its own procedure is what our
// windows of that class chain to.
#include "toolkit/win/window/WinControl.h"

namespace fw {

// Registers the class named by params.WinClassName (once) and returns the
// procedure its windows chain to: the system class's, or DefWindowProcW.
WNDPROC RegisterToolkitClass(const TCreateParams& params);
// The procedure a toolkit window of this class chains to, for messages that
// arrive when no object is attached to the window (any more).
WNDPROC ClassProcOf(HWND h);

} // namespace fw
