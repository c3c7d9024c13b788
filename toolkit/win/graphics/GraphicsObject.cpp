#include "toolkit/win/graphics/GraphicsObject.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/GraphicsErrors.h"

namespace fw {

const TClassInfo& TGraphicsObject::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphicsObject, TPersistent>().Build();
    return info;
}

TGraphicsObject::~TGraphicsObject() {
    if (FHandle) DeleteObject(FHandle);
}

HGDIOBJ TGraphicsObject::GetHandle() {
    if (!FHandle) FHandle = CheckGdi(CreateHandle());
    return FHandle;
}

void TGraphicsObject::Changed(bool handleStale) {
    if (FUpdateCount > 0) {
        FPendingChange = true;
        FPendingStale = FPendingStale || handleStale;
        return;
    }
    HGDIOBJ old = nullptr;
    if (handleStale) {
        old = FHandle;
        FHandle = nullptr;
    }
    struct FreeOld {
        HGDIOBJ h;
        ~FreeOld() {
            if (h) DeleteObject(h);
        }
    } freeOld{old};
    if (OnChange) OnChange(this);
}

void TGraphicsObject::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FPendingChange) {
        bool stale = FPendingStale;
        FPendingChange = FPendingStale = false;
        Changed(stale);
    }
}

} // namespace fw
