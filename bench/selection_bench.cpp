// The costs of a multiple selection in the resizing controller the design
// window uses, for 1, 10, 100 and 1000 selected controls, against the bare
// system work measured in the same run:
//  - one drag step of the selection (DragMove: snapping, the one-parent test
//    and every outline erased and drawn again) against bare XOR strokes of
//    the same rectangles on the screen DC;
//  - selecting all controls with one band (EndBand: the hit test, the target
//    list, one handle window per control, the property rows) against
//    CreateWindowExW of as many small child windows;
//  - clearing that selection again (every handle window taken away), whose
//    growth per control is reported.
// Prints medians, their ratios and the growth per control.
#include "designer/DsnUnit.h"
#include "toolkit/win/controls/StdCtrls.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/Registration.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace fw;

namespace {

using Clock = std::chrono::steady_clock;
double Millis(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void Pump() {
    for (int i = 0; i < 3; ++i) Application().ProcessMessages();
}

// Buttons in rows of 40, each 20 x 12 pixels.
RECT Place(int i) {
    int left = (i % 40) * 24, top = (i / 40) * 16;
    return {left, top, left + 20, top + 12};
}

void Stroke(HDC dc, const RECT& r) {
    const POINT c[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    for (int i = 0; i < 4; ++i) {
        MoveToEx(dc, c[i].x, c[i].y, nullptr);
        LineTo(dc, c[(i + 1) % 4].x, c[(i + 1) % 4].y);
    }
}

// One bare step: n rectangles erased at `from` and drawn at `to`.
double BareStep(HDC dc, int n, POINT from, POINT to) {
    auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) {
        RECT r = Place(i);
        Stroke(dc, {from.x + r.left, from.y + r.top, from.x + r.right, from.y + r.bottom});
        Stroke(dc, {to.x + r.left, to.y + r.top, to.x + r.right, to.y + r.bottom});
    }
    return Millis(t0, Clock::now());
}

double BareHandles(HWND parent, int n) {
    std::vector<HWND> windows;
    windows.reserve(n);
    auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) {
        RECT r = Place(i);
        windows.push_back(CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, r.right - 3, r.bottom - 3, 6, 6,
                                          parent, nullptr, GetModuleHandleW(nullptr), nullptr));
    }
    double ms = Millis(t0, Clock::now());
    for (HWND w : windows) DestroyWindow(w);
    Pump();
    return ms;
}

} // namespace

int main() {
    Application().Initialize();
    RegisterToolkitClasses();
    RegisterDesignEngineClasses();
    auto* form = new TForm(nullptr);
    form->SetName("Form2");
    form->SetBounds(0, 0, 1000, 700);
    form->Show();
    auto* stage = new TDsnStage(form);
    stage->SetName("DsnStage1");
    stage->SetAlign(alClient);
    stage->SetParent(form);
    auto* reg = new TDsnRSRegister(form);
    reg->SetName("DsnRSRegister1");
    reg->SetDsnStage(stage);
    Pump();

    HDC screen = GetDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 2, 0x808080);
    HGDIOBJ oldPen = SelectObject(screen, pen);
    SetROP2(screen, R2_XORPEN);

    const int sizes[] = {1, 10, 100, 1000};
    constexpr int kSteps = 41, kRuns = 3;
    double stepPer[4] = {}, bandPer[4] = {}, clearPer[4] = {};
    std::printf("%8s %11s %11s %7s %11s %11s %7s %11s\n", "selected", "step ms", "bare ms", "ratio", "band ms",
                "windows ms", "ratio", "clear ms");
    for (int k = 0; k < 4; ++k) {
        const int n = sizes[k];
        for (int i = 0; i < n; ++i) {
            auto* b = new TButton(form);
            b->SetName("Button" + std::to_string(i + 1));
            RECT r = Place(i);
            b->SetBounds(r.left, r.top, 20, 12);
            b->SetParent(stage);
        }
        reg->SetDesignMode(true);
        Pump();
        auto* first = dynamic_cast<TWinControl*>(stage->Controls(0));
        std::vector<double> steps, bares, bands, windows, clears;
        for (int run = 0; run < kRuns; ++run) {
            windows.push_back(BareHandles(stage->Handle(), n));

            auto tc = Clock::now();
            if (reg->Targets()) reg->Targets()->Clear(); // the previous run's selection
            clears.push_back(Millis(tc, Clock::now()));
            Pump();

            auto t0 = Clock::now();
            reg->BeginBand(stage, stage, {0, 0}, {});
            reg->EndBand(stage, {999, 699}, {});
            bands.push_back(Millis(t0, Clock::now()));
            Pump();
            if (reg->Targets()->Count() != n) std::printf("band selected %d of %d!\n", reg->Targets()->Count(), n);

            // A press on a member keeps the selection and prepares the move.
            reg->BeginMove(first, first, {4, 4}, TShiftState{ssLeft});
            std::vector<double> one, bare;
            POINT base = stage->ClientToScreen({0, 0});
            for (int s = 1; s <= kSteps; ++s) {
                POINT p{4 + 8 * (s % 2), 4};
                auto t1 = Clock::now();
                reg->DragMove(first, p, TShiftState{ssLeft});
                one.push_back(Millis(t1, Clock::now()));
                POINT from{base.x + 8 * ((s + 1) % 2), base.y}, to{base.x + 8 * (s % 2), base.y};
                bare.push_back(BareStep(screen, n, from, to));
            }
            BareStep(screen, n, {base.x + 8, base.y}, {base.x + 8, base.y}); // leave nothing drawn
            reg->MouseMove(first, {4, 4}, TShiftState{}); // outlines go
            steps.push_back(Median(one));
            bares.push_back(Median(bare));
        }
        const double step = Median(steps), bare = Median(bares), band = Median(bands), win = Median(windows);
        // The first run clears nothing: the median of the later two.
        const double clear = (clears[1] + clears[2]) / 2;
        stepPer[k] = step / n;
        bandPer[k] = band / n;
        clearPer[k] = clear / n;
        std::printf("%8d %11.3f %11.3f %7.2f %11.2f %11.2f %7.2f %11.2f\n", n, step, bare, step / bare, band, win,
                    band / win, clear);
        std::fflush(stdout);
        reg->SetDesignMode(false);
        while (stage->ControlCount() > 0) delete stage->Controls(stage->ControlCount() - 1);
        Pump();
    }
    std::printf("growth per control from 10 to 1000: drag step %.2f, band %.2f, clear %.2f (1 = linear)\n",
                stepPer[3] / stepPer[1], bandPer[3] / bandPer[1], clearPer[3] / clearPer[1]);
    SelectObject(screen, oldPen);
    DeleteObject(pen);
    ReleaseDC(nullptr, screen);
    delete form;
    return 0;
}
