// Real pointer input on toolkit windows: a small control keeps the pointer
// while a button is held, hints appear as tooltips, and a dragged frame stops
// at the size constraints.
#include "StdCtrlsTestSupport.h"
#include "support/RealInput.h"
#include "toolkit/win/controls/SpeedButton.h"
#include "toolkit/win/window/GraphicControl.h"
#include "toolkit/win/window/Hints.h"

#include <string>
#include <vector>

using namespace fw;
using namespace fwtest;
using stdtest::ShownForm;

namespace {

// A 6 by 6 custom control that records the pointer events it gets.
class TTinyBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::vector<std::string> Events;

protected:
    void MouseDown(TMouseButton, TShiftState, int32_t x, int32_t y) override { Record("down", x, y); }
    void MouseMove(TShiftState, int32_t x, int32_t y) override { Record("move", x, y); }
    void MouseUp(TMouseButton, TShiftState, int32_t x, int32_t y) override { Record("up", x, y); }

private:
    void Record(const char* what, int32_t x, int32_t y) {
        Events.push_back(std::string(what) + " " + std::to_string(x) + "," + std::to_string(y));
    }
};

bool Contains(const std::vector<std::string>& events, const std::string& e) {
    return std::find(events.begin(), events.end(), e) != events.end();
}

std::wstring WindowText(HWND h) {
    wchar_t buf[256] = {};
    GetWindowTextW(h, buf, 256);
    return buf;
}

} // namespace

using RealPointer = ShownForm;

TEST_F(RealPointer, ASmallControlKeepsThePointerUntilTheRelease) {
    auto* box = Make<TTinyBox>("Box");
    box->SetBounds(100, 100, 6, 6);
    PumpPending();
    POINT inside = box->ClientToScreen({2, 2});
    PointerTo(inside);
    ButtonDown();
    EXPECT_EQ(GetCapture(), box->Handle());
    PointerTo({inside.x + 60, inside.y + 40}); // far outside the 6 by 6 window
    ButtonUp();
    EXPECT_TRUE(Contains(box->Events, "move 62,42")) << "moves outside still reach the box";
    EXPECT_TRUE(Contains(box->Events, "up 62,42")) << "and so does the release";
    EXPECT_EQ(GetCapture(), nullptr) << "the release lets the pointer go";
    // Without the style the box gets neither.
    box->Events.clear();
    box->SetControlStyle(box->ControlStyle() & ~static_cast<uint32_t>(csCaptureMouse));
    PointerTo(inside);
    ButtonDown();
    PointerTo({inside.x + 60, inside.y + 40});
    ButtonUp();
    EXPECT_FALSE(Contains(box->Events, "up 62,42"));
}

TEST_F(RealPointer, AHintShowsAsATooltipOnlyWhereHintsAreShown) {
    auto* shown = Make<TSpeedButton>("Shown");
    shown->SetBounds(20, 20, 33, 33);
    shown->SetHint("Button - Used to push for an action");
    shown->SetShowHint(true);
    auto* quiet = Make<TSpeedButton>("Quiet");
    quiet->SetBounds(120, 20, 33, 33);
    quiet->SetHint("Not shown");
    PumpPending();
    auto tipShows = [](const std::wstring& text) {
        HWND tip = HintWindow();
        return tip && IsWindowVisible(tip) && WindowText(tip) == text;
    };
    PointerTo(quiet->ClientToScreen({10, 10}));
    PointerTo(quiet->ClientToScreen({12, 12}));
    EXPECT_FALSE(PumpUntil([] { return HintWindow() && IsWindowVisible(HintWindow()); }, 1500));
    POINT over = shown->ClientToScreen({10, 10});
    PointerTo(over);
    PointerTo({over.x + 2, over.y + 2});
    EXPECT_TRUE(PumpUntil([&] { return tipShows(L"Button - Used to push for an action"); }, 8000));
    // Going away ends the tooltip's tool with the control.
    delete shown;
    PointerTo(quiet->ClientToScreen({10, 10}));
    EXPECT_TRUE(PumpUntil([] { return !HintWindow() || !IsWindowVisible(HintWindow()); }, 8000));
}

namespace {

// Drags the bottom-right corner of a window's frame by (dx, dy). The whole
// gesture is queued first: the frame's own sizing loop reads it.
void DragFrameCorner(HWND h, int dx, int dy) {
    RECT r;
    GetWindowRect(h, &r);
    POINT corner{r.right - 2, r.bottom - 2};
    ASSERT_EQ(SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
    PointerTo(corner);
    std::vector<INPUT> gesture{PointerInput(MOUSEEVENTF_LEFTDOWN),
                               PointerInput(MOUSEEVENTF_MOVE, {corner.x + dx / 2, corner.y + dy / 2}),
                               PointerInput(MOUSEEVENTF_MOVE, {corner.x + dx, corner.y + dy}),
                               PointerInput(MOUSEEVENTF_LEFTUP)};
    SendInput(static_cast<UINT>(gesture.size()), gesture.data(), sizeof(INPUT));
}

} // namespace

TEST_F(RealPointer, ADraggedFrameStopsAtTheMinimumSize) {
    form->Constraints()->SetMinWidth(300);
    form->Constraints()->SetMinHeight(200);
    PumpPending();
    DragFrameCorner(form->Handle(), -400, -300);
    EXPECT_TRUE(PumpUntil([&] { return form->Width() == 300 && form->Height() == 200; }, 8000))
        << form->Width() << " x " << form->Height();
}

TEST_F(RealPointer, TheFrameIsToldTheMaximumSize) {
    // Growing a frame past its maximum by a real drag leaves the system's
    // sizing loop waiting under this display; ask the window what it tells
    // the loop instead.
    form->Constraints()->SetMaxWidth(600);
    form->Constraints()->SetMaxHeight(450);
    MINMAXINFO info{};
    SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, 600);
    EXPECT_EQ(info.ptMaxTrackSize.y, 450);
    EXPECT_LE(info.ptMaxSize.x, 600);
    form->Constraints()->SetMaxWidth(0);
    info.ptMaxTrackSize = {5000, 5000};
    SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, 5000) << "no limit: what the system said stays";
    EXPECT_EQ(info.ptMaxTrackSize.y, 450);
}
