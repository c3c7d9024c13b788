#pragma once
// The designer's private window messages. The first parameter carries the
// object a message is about; one about a control without a window goes to its
// parent's window.
#include "toolkit/win/window/Win32.h"

namespace fw {

constexpr UINT DM_ADDGENE = 0x63A;        // posted: palette assembles a button from a dropped control
constexpr UINT DM_SETTARGET = 0x63D;      // sent: the control is the target of a handle drag
constexpr UINT DM_RESIZED = 0x63E;        // sent: a handle drag changed the bounds
constexpr UINT DM_GROUPADDED = 0x63F;     // sent: a handle group was created
constexpr UINT DM_REHOOK = 0x640;         // posted: an agent's window was destroyed
constexpr UINT DM_SELECTONLY = 0x641;     // sent: select this component alone
constexpr UINT DM_PROPCHANGED = 0x642;    // posted: a property was written; update the selection
constexpr UINT DM_CONTROLCREATED = 0x644; // posted: a control was created or pasted
constexpr UINT DM_CONTROLLOADED = 0x645;  // posted: a control was loaded

} // namespace fw
