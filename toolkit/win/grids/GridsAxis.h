#pragma once
// One axis of a grid (its columns or its rows): how many cells, how many of
// them are fixed at the start, each cell's size, the width of the line after
// each cell, and the first scrollable cell shown. Cells are laid out from
// pixel 0: the fixed cells first, then the scrollable cells from Start on;
// cells between the fixed ones and Start are scrolled out of view.
#include <cstdint>
#include <vector>

namespace fw {

class TGridAxis {
public:
    // Sizes beyond this are cut down; it keeps pixel sums far from overflow.
    static constexpr int32_t kMaxSize = 0xFFFF;

    int32_t Fixed = 0;       // the caller keeps Fixed < Count()
    int32_t Start = 0;       // the caller keeps Fixed <= Start < Count()
    int32_t Line = 0;        // pixels after each cell
    int32_t DefaultSize = 0;

    int32_t Count() const { return static_cast<int32_t>(FSizes.size()); }
    // Cells that remain keep their sizes; new ones get the default size.
    void SetCount(int32_t count);
    int32_t Size(int32_t i) const { return FSizes[static_cast<size_t>(i)]; }
    void SetSize(int32_t i, int32_t size) { FSizes[static_cast<size_t>(i)] = Clamp(size); }
    // Every cell back to the (new) default size.
    void SetDefaultSize(int32_t size);
    bool HasCustomSizes() const;
    static int32_t Clamp(int32_t size) { return size < 0 ? 0 : (size > kMaxSize ? kMaxSize : size); }

    // A cell and the line after it.
    int64_t Span(int32_t i) const { return static_cast<int64_t>(Size(i)) + Line; }
    int64_t FixedExtent() const;

    // Calls f(index, firstPixel) for each cell that starts inside `extent`
    // pixels: the fixed cells, then the scrollable ones from Start.
    template <class F> void ForEachVisible(int64_t extent, F f) const {
        int64_t pos = 0;
        for (int32_t i = 0; i < Fixed && pos < extent; ++i) {
            f(i, pos);
            pos += Span(i);
        }
        for (int32_t i = Start; i < Count() && pos < extent; ++i) {
            f(i, pos);
            pos += Span(i);
        }
    }

    // The first pixel of cell i when it starts inside `extent`; false for a
    // cell scrolled out of view or beyond the extent.
    bool Place(int32_t i, int64_t extent, int64_t& pos) const;
    // The cell whose area (with the line after it) holds pixel p, or -1.
    int32_t IndexAt(int64_t p, int64_t extent) const;
    // The last scrollable cell shown whole (Start when even it is cut off).
    int32_t LastVisible(int64_t extent) const;
    int32_t VisibleCount(int64_t extent) const { return LastVisible(extent) - Start + 1; }
    // The largest Start that leaves no empty space after the last cell.
    int32_t MaxStart(int64_t extent) const { return StartToShow(Count() - 1, extent); }
    // The smallest Start that still shows cell i whole at the far end (i
    // itself when it is larger than the room for scrollable cells).
    int32_t StartToShow(int32_t i, int64_t extent) const;

private:
    std::vector<int32_t> FSizes;
};

} // namespace fw
