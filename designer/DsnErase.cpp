#include "designer/DsnErase.h"

#include <algorithm>
#include <cstring>

namespace fw {

namespace {

// One region made of the rectangles (which may overlap), or nullptr for none.
HRGN RegionOf(const std::vector<RECT>& rects) {
    if (rects.empty()) return nullptr;
    // Built in one call: joining the rectangles one by one would rework a
    // growing region each time.
    std::vector<char> buffer(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    RECT bound = rects.front();
    for (const RECT& r : rects) {
        bound.left = std::min(bound.left, r.left);
        bound.top = std::min(bound.top, r.top);
        bound.right = std::max(bound.right, r.right);
        bound.bottom = std::max(bound.bottom, r.bottom);
    }
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    data->rdh.rcBound = bound;
    std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

} // namespace

void TBatchErase::Hide(HWND window) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return;
    HWND parent = GetParent(window);
    if (!parent) return;
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    FAreas[parent].push_back(r);
}

TBatchErase::~TBatchErase() {
    for (const auto& [parent, rects] : FAreas) {
        if (!IsWindow(parent)) continue; // went with the hidden windows
        if (HRGN area = RegionOf(rects)) {
            RedrawWindow(parent, nullptr, area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            DeleteObject(area);
        }
    }
}

} // namespace fw
