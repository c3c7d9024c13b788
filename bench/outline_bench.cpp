// The cost of one MoveTo of a set of 100 drag outlines (each erased and drawn
// again with four XOR strokes) against the same 100 rectangles erased and
// drawn with bare MoveToEx / LineTo calls and one XOR pen on the screen DC.
// Prints the median and best time of each and their ratios, measured in one
// run; both sides alternate so that they share the machine's noise.
#include "designer/DsnShape.h"
#include "toolkit/win/window/Control.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace fw;

namespace {

using Clock = std::chrono::steady_clock;
double Micros(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::micro>(b - a).count(); }

constexpr int kOutlines = 100;
constexpr int kRounds = 400;

// Where outline i lies relative to the drag's origin: a 10 x 10 grid.
RECT Place(int i) {
    int left = (i % 10) * 40, top = (i / 10) * 30;
    return {left, top, left + 36, top + 26};
}

void Stroke(HDC dc, const RECT& r) {
    const POINT c[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    for (int i = 0; i < 4; ++i) {
        MoveToEx(dc, c[i].x, c[i].y, nullptr);
        LineTo(dc, c[(i + 1) % 4].x, c[(i + 1) % 4].y);
    }
}

// The bare drawing: the rectangles at `at`, with those at `previous` erased first.
void BareMove(HDC dc, POINT previous, POINT at, bool erase) {
    for (int i = 0; i < kOutlines; ++i) {
        RECT r = Place(i);
        if (erase) Stroke(dc, {previous.x + r.left, previous.y + r.top, previous.x + r.right, previous.y + r.bottom});
        Stroke(dc, {at.x + r.left, at.y + r.top, at.x + r.right, at.y + r.bottom});
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main() {
    const POINT origin{100, 100};
    std::vector<std::unique_ptr<TControl>> controls;
    TMultiShape set;
    set.Origin = origin;
    for (int i = 0; i < kOutlines; ++i) {
        RECT r = Place(i);
        auto c = std::make_unique<TControl>(nullptr);
        // Without a parent a control's place counts as screen coordinates.
        c->SetBounds(origin.x + r.left, origin.y + r.top, r.right - r.left, r.bottom - r.top);
        set.AddControl(c.get());
        controls.push_back(std::move(c));
    }

    HDC dc = GetDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, set.PenWidth, ColorToRGB(set.Color));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    int oldRop = SetROP2(dc, R2_XORPEN);

    std::vector<double> shapeTimes, bareTimes;
    POINT at = origin, previous = origin;
    set.MoveTo(at);
    BareMove(dc, previous, at, false);
    GdiFlush();
    for (int round = 0; round < kRounds; ++round) {
        previous = at;
        at = {origin.x + round % 8, origin.y + round % 5};
        auto t0 = Clock::now();
        set.MoveTo(at);
        GdiFlush();
        auto t1 = Clock::now();
        BareMove(dc, previous, at, true);
        GdiFlush();
        auto t2 = Clock::now();
        shapeTimes.push_back(Micros(t0, t1));
        bareTimes.push_back(Micros(t1, t2));
    }
    set.Finish();
    BareMove(dc, at, at, false); // erases the bare rectangles
    SetROP2(dc, oldRop);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    ReleaseDC(nullptr, dc);

    double shapeMedian = Median(shapeTimes), bareMedian = Median(bareTimes);
    double shapeBest = *std::min_element(shapeTimes.begin(), shapeTimes.end());
    double bareBest = *std::min_element(bareTimes.begin(), bareTimes.end());
    std::printf("outlines: %d, rounds: %d\n", kOutlines, kRounds);
    std::printf("TMultiShape::MoveTo: median %.1f us, best %.1f us\n", shapeMedian, shapeBest);
    std::printf("bare XOR strokes:    median %.1f us, best %.1f us\n", bareMedian, bareBest);
    std::printf("ratio (goal <= 2): median %.2f, best %.2f\n", shapeMedian / bareMedian, shapeBest / bareBest);
    return 0;
}
