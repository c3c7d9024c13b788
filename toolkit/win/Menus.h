#pragma once
// Menus. (Skeleton: the popup menu class the control family refers to; the
// full menu classes are built on it.)
#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"

namespace fw {

class TPopupMenu : public TComponent {
    FW_CLASS(TPopupMenu)
    using TComponent::TComponent;
    // Shows the menu at a screen point.
    virtual void Popup(int32_t x, int32_t y);
    TNotifyEvent OnPopup;
};

} // namespace fw
