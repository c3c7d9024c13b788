#pragma once
// Handles of the resizing controller: one bottom-right handle per selected
// control that stays usable in a multiple selection, since its inactive
// colour is its active one.
#include "designer/DsnHandle.h"

namespace fw {

class THandlerRSRect : public THandlerRect {
public:
    using THandlerRect::THandlerRect;
    // The bottom-right handle only, never shown inactive.
    void CreateHandles() override;
};

class TMultiRSHandler : public TMultiHandler {
public:
    std::unique_ptr<THandlerRect> CreateGroup(TControl* control) override;
};

} // namespace fw
