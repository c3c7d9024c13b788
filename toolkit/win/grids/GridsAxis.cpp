#include "toolkit/win/grids/GridsAxis.h"

#include <algorithm>

namespace fw {

void TGridAxis::SetCount(int32_t count) { FSizes.resize(static_cast<size_t>(std::max(count, 0)), Clamp(DefaultSize)); }

void TGridAxis::SetDefaultSize(int32_t size) {
    DefaultSize = Clamp(size);
    std::fill(FSizes.begin(), FSizes.end(), DefaultSize);
}

bool TGridAxis::HasCustomSizes() const {
    return std::any_of(FSizes.begin(), FSizes.end(), [&](int32_t s) { return s != DefaultSize; });
}

int64_t TGridAxis::FixedExtent() const {
    int64_t sum = 0;
    for (int32_t i = 0; i < Fixed; ++i) sum += Span(i);
    return sum;
}

bool TGridAxis::Place(int32_t i, int64_t extent, int64_t& pos) const {
    if (i < 0 || i >= Count() || (i >= Fixed && i < Start)) return false;
    bool found = false;
    ForEachVisible(extent, [&](int32_t index, int64_t at) {
        if (index == i) {
            pos = at;
            found = true;
        }
    });
    return found;
}

int32_t TGridAxis::IndexAt(int64_t p, int64_t extent) const {
    if (p < 0 || p >= extent) return -1;
    int32_t hit = -1;
    ForEachVisible(extent, [&](int32_t index, int64_t at) {
        if (p >= at && p < at + Span(index)) hit = index;
    });
    return hit;
}

int32_t TGridAxis::LastVisible(int64_t extent) const {
    int32_t last = Start;
    ForEachVisible(extent, [&](int32_t index, int64_t at) {
        if (index >= Start && at + Size(index) <= extent) last = index;
    });
    return last;
}

int32_t TGridAxis::StartToShow(int32_t i, int64_t extent) const {
    int64_t room = extent - FixedExtent();
    int64_t used = Size(i);
    int32_t s = i;
    while (s - 1 >= Fixed && used + Span(s - 1) <= room) used += Span(--s);
    return std::max(s, Fixed);
}

} // namespace fw
