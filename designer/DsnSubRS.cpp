// Group resizing: the one-handle groups and the proportional resize of the
// other selected controls.
#include "designer/DsnSubRS.h"

#include "designer/DsnHandleRS.h"
#include "toolkit/core/ClassBuilder.h"

#include <cmath>

namespace fw {

const TClassInfo& TDsnRSRegister::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TDsnRSRegister, TDsnMlRegister>().Build();
    return info;
}

TDsnRSRegister::TDsnRSRegister(TComponent* owner) : TDsnMlRegister(owner) {}

void TDsnRSRegister::CreateHandleSet() { FHandles = std::make_unique<TMultiRSHandler>(); }

TScale ResizeScale(const TBounds& before, const TBounds& after) {
    TScale s;
    // A control of size 0 (drawn with a click) gives no usable factor: the
    // others keep their size in that axis rather than get undefined bounds.
    if (before.Width != 0) s.X = static_cast<float>(after.Width) / static_cast<float>(before.Width);
    if (before.Height != 0) s.Y = static_cast<float>(after.Height) / static_cast<float>(before.Height);
    // With the bottom-right handle a moved left or top edge means the handle
    // went past the opposite edge: the others are mirrored in that axis.
    if (before.Left != after.Left) s.X = -s.X;
    if (before.Top != after.Top) s.Y = -s.Y;
    return s;
}

namespace {

// One axis of ScaleAlong: the other control's start and size, and the
// resized control's start and size before and after.
void ScaleAxis(int32_t& start, int32_t& size, float factor, int32_t start0, int32_t size0, int32_t start1, int32_t size1) {
    // Rounded half to even (the default rounding mode), then made positive.
    const int32_t scaled = std::abs(static_cast<int32_t>(std::lrint(static_cast<float>(size) * factor)));
    int32_t at = start;
    if (factor < 0) {
        at = start + size - scaled;
        if (start0 + size0 == start1) at = start + size;
        if (start1 + size1 == start0) at = start - scaled;
    }
    start = at;
    size = scaled;
}

} // namespace

TBounds ScaleAlong(const TBounds& other, const TBounds& before, const TBounds& after, TScale scale) {
    TBounds b = other;
    ScaleAxis(b.Left, b.Width, scale.X, before.Left, before.Width, after.Left, after.Width);
    ScaleAxis(b.Top, b.Height, scale.Y, before.Top, before.Height, after.Top, after.Height);
    return b;
}

void TDsnRSRegister::ControlResized(TControl* target, TMessage& message) {
    if (!target) return;
    const TBounds before{LowWordOf(message.WParam), HighWordOf(message.WParam), LowWordOf(message.LParam),
                         HighWordOf(message.LParam)};
    const TBounds after = BoundsOf(*target);
    const TScale scale = ResizeScale(before, after);
    for (int i = 0; Targets() && i < Targets()->Count(); ++i) {
        auto* other = dynamic_cast<TControl*>(Targets()->GetItem(i));
        if (!other || other == target) continue;
        TBounds b = ScaleAlong(BoundsOf(*other), before, after, scale);
        SnapToGrid(b.Width, b.Height);
        SnapToGrid(b.Left, b.Top);
        other->SetBounds(b.Left, b.Top, b.Width, b.Height);
    }
    if (FHandles) FHandles->Update();
    // The inspector shows the new sizes, as after any other handle drag.
    TDsnRegister::ControlResized(target, message);
}

} // namespace fw
