#pragma once
// The controller with group resizing: every selected control carries one
// bottom-right handle that stays usable in a multiple selection, and
// resizing one selected control through it resizes the others in
// proportion.
#include "designer/DsnSubMl.h"

namespace fw {

class TDsnRSRegister : public TDsnMlRegister {
    FW_CLASS(TDsnRSRegister)

    explicit TDsnRSRegister(TComponent* owner);

    void CreateHandleSet() override;
    // Scales every other selected control by the factors the resized one
    // changed by, snapped to the grid; a factor over an old size of 0 is 1.
    void ControlResized(TControl* target, TMessage& message) override;
};

// The factors of a resize from the old bounds to the new ones; negative
// where the handle was dragged past the opposite edge. An axis whose old
// size is 0 gives no factor: it keeps 1.
struct TScale {
    float X = 1, Y = 1;
};
TScale ResizeScale(const TBounds& before, const TBounds& after);
// The bounds of another selected control scaled along with a resize from
// `before` to `after`, before snapping.
TBounds ScaleAlong(const TBounds& other, const TBounds& before, const TBounds& after, TScale scale);

} // namespace fw
