#pragma once
// Failures of the graphics layer.
#include "toolkit/core/Exception.h"

namespace fw {

// Image data that cannot be read ("Bitmap image is not valid").
FW_EXCEPTION_CLASS(EInvalidGraphic, Exception);
// An operation the graphic does not allow ("Cannot change the size of an icon").
FW_EXCEPTION_CLASS(EInvalidGraphicOperation, Exception);
// The system refused to create a GDI object.
FW_EXCEPTION_CLASS(EOutOfResources, Exception);

[[noreturn]] void RaiseOutOfResources();

// Returns a handle a GDI call produced, or raises EOutOfResources when null.
template <class H> H CheckGdi(H handle) {
    if (!handle) RaiseOutOfResources();
    return handle;
}

} // namespace fw
