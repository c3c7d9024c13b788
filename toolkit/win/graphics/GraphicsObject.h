#pragma once
// The common part of fonts, pens and brushes: a lazily created GDI handle that
// matches the object's values, and a change notification.
#include "toolkit/core/Persistent.h"
#include "toolkit/win/window/Win32.h"

#include <functional>

namespace fw {

using TChangeHandler = std::function<void(TObject* sender)>;

class TGraphicsObject : public TPersistent {
    FW_CLASS(TGraphicsObject)

    TGraphicsObject() = default;
    ~TGraphicsObject() override;

    // Called after any value changed (once per Assign).
    TChangeHandler OnChange;

    bool HandleAllocated() const { return FHandle != nullptr; }

protected:
    // The handle, created by CreateHandle on first use after a change.
    HGDIOBJ GetHandle();
    virtual HGDIOBJ CreateHandle() = 0;

    // Announces a change. When the handle no longer fits the values it is
    // dropped first but freed only after the listeners ran: a canvas that has
    // it selected takes it out of its DC in between, and a listener asking for
    // the handle already gets a new one.
    void Changed(bool handleStale = true);
    // Changes between BeginUpdate and EndUpdate make one notification.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

private:
    HGDIOBJ FHandle = nullptr;
    int FUpdateCount = 0;
    bool FPendingChange = false;
    bool FPendingStale = false;
};

} // namespace fw
