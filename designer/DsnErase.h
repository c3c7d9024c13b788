#pragma once
// Takes many small windows off the screen at once. A window hidden the usual
// way makes the window system search all its siblings for what it uncovered,
// so clearing a selection of n controls among n siblings cost n² (about 11 s
// for a thousand handles). These windows are hidden without a redraw, and the
// places they leave are repainted once per parent window when the eraser goes.
#include <windows.h>

#include <unordered_map>
#include <vector>

namespace fw {

class TBatchErase {
public:
    TBatchErase() = default;
    TBatchErase(const TBatchErase&) = delete;
    TBatchErase& operator=(const TBatchErase&) = delete;
    ~TBatchErase();

    // Hides a shown child window now; its place is repainted later.
    void Hide(HWND window);

private:
    std::unordered_map<HWND, std::vector<RECT>> FAreas; // per parent, in its client coordinates
};

} // namespace fw
