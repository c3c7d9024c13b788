// The cost of loading a design into the stage and of hooking it for design
// mode, for designs of 100, 1000 and 4000 controls, against the bare system
// work for the same windows measured in the same run: CreateWindowExW of as
// many child buttons, and SetWindowLongPtrW of a window procedure into each.
// Prints the times (medians of three runs), their ratios and the growth per
// control from the smallest to the largest design.
#include "designer/DsnUnit.h"
#include "toolkit/win/controls/StdCtrls.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/Registration.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

using namespace fw;

namespace {

using Clock = std::chrono::steady_clock;
double Millis(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double, std::milli>(b - a).count(); }

void Pump() {
    for (int i = 0; i < 3; ++i) Application().ProcessMessages();
}

// Buttons in rows of 40 on the stage, each 20 x 12 pixels.
void PutButtons(TForm* form, TDsnStage* stage, int count) {
    for (int i = 0; i < count; ++i) {
        auto* b = new TButton(form);
        b->SetName("Button" + std::to_string(i + 1));
        b->SetBounds((i % 40) * 24, (i / 40) * 16, 20, 12);
        b->SetParent(stage);
    }
}

void FreeControls(TDsnStage* stage) {
    while (stage->ControlCount() > 0) delete stage->Controls(stage->ControlCount() - 1);
}

LRESULT CALLBACK PassProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    auto old = reinterpret_cast<WNDPROC>(GetPropW(wnd, L"bench.old"));
    return CallWindowProcW(old, wnd, msg, w, l);
}

struct Bare {
    double create = 0, hook = 0;
};

// The same windows made and hooked with nothing but the system calls.
Bare BareWindows(HWND parent, int count) {
    std::vector<HWND> windows;
    windows.reserve(count);
    auto t0 = Clock::now();
    for (int i = 0; i < count; ++i) {
        windows.push_back(CreateWindowExW(0, L"BUTTON", (L"Button" + std::to_wstring(i + 1)).c_str(),
                                          WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON, (i % 40) * 24,
                                          (i / 40) * 16, 20, 12, parent, nullptr, GetModuleHandleW(nullptr), nullptr));
    }
    auto t1 = Clock::now();
    for (HWND w : windows) {
        SetPropW(w, L"bench.old", reinterpret_cast<HANDLE>(GetWindowLongPtrW(w, GWLP_WNDPROC)));
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassProc));
    }
    auto t2 = Clock::now();
    for (HWND w : windows) {
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(w, L"bench.old")));
        RemovePropW(w, L"bench.old");
        DestroyWindow(w);
    }
    Pump();
    return {Millis(t0, t1), Millis(t1, t2)};
}

} // namespace

int main(int argc, char** argv) {
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
    auto* reg = new TDsnRegister(form);
    reg->SetName("DsnRegister1");
    reg->SetDsnStage(stage);
    Pump();

    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string file = std::string(dir) + "fw_engine_bench.bin";
    // The largest size may be given for a quick look: engine_bench 1000.
    const int largest = argc > 1 ? std::max(std::atoi(argv[1]), 200) : 4000;
    const int sizes[] = {100, largest / 4, largest};
    double loadPer[3] = {}, hookPer[3] = {};
    std::printf("%8s %12s %12s %7s %12s %12s %7s\n", "controls", "load ms", "create ms", "ratio", "hook ms",
                "setproc ms", "ratio");
    // Shared machines are noisy: each size runs kRuns times, and the
    // medians are reported.
    constexpr int kRuns = 3;
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    for (int k = 0; k < 3; ++k) {
        const int n = sizes[k];
        PutButtons(form, stage, n);
        Pump();
        stage->SaveToFile(file);
        FreeControls(stage);
        Pump();

        std::vector<double> loads, creates, hooks, setprocs;
        bool countsAgree = true;
        for (int run = 0; run < kRuns; ++run) {
            Bare bare = BareWindows(stage->Handle(), n);
            creates.push_back(bare.create);
            setprocs.push_back(bare.hook);

            auto t0 = Clock::now();
            stage->LoadFromFile(file);
            for (int i = 0; i < stage->ControlCount(); ++i)
                if (auto* w = dynamic_cast<TWinControl*>(stage->Controls(i))) w->HandleNeeded();
            auto t1 = Clock::now();
            reg->SetDesignMode(true);
            auto t2 = Clock::now();
            Pump();
            countsAgree = countsAgree && stage->ControlCount() == n;
            reg->SetDesignMode(false);
            FreeControls(stage);
            Pump();
            loads.push_back(Millis(t0, t1));
            hooks.push_back(Millis(t1, t2));
        }

        const double load = median(loads), hook = median(hooks), create = median(creates), setproc = median(setprocs);
        loadPer[k] = load / n;
        hookPer[k] = hook / n;
        std::printf("%8d %12.1f %12.1f %7.2f %12.1f %12.1f %7.2f%s\n", n, load, create, load / create, hook, setproc,
                    hook / setproc, countsAgree ? "" : "  (control count differs!)");
        std::fflush(stdout);
    }
    std::printf("growth per control, %d against 100: load %.2f, hook %.2f (1.00 is linear)\n", largest,
                loadPer[2] / loadPer[0], hookPer[2] / hookPer[0]);
    DeleteFileA(file.c_str());
    delete form;
    return 0;
}
