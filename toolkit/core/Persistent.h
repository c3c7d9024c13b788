#pragma once
// Objects that can be assigned to one another and stored in a component
// stream, including properties they define themselves.
#include "toolkit/core/Filer.h"
#include "toolkit/core/Object.h"

namespace fw {

class TPersistent : public TObject {
    FW_CLASS(TPersistent)

    // Copies the state of source; "Cannot assign a %s to a %s" when neither
    // side knows how.
    virtual void Assign(TPersistent* source);
    // Declares the properties the object stores itself, in storing order.
    virtual void DefineProperties(TFiler& filer) {}
    virtual TPersistent* GetOwner() { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* dest);
};

} // namespace fw
