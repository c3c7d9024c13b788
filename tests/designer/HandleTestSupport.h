#pragma once
// A shown form with a selection (target list) feeding a grab-handle set, and
// real pointer gestures on its handles: press at a handle's top-left pixel,
// move, release, each waiting until the handle has had the message.
#include "designer/DsnHandle.h"
#include "designer/DsnList.h"
#include "designer/MessageSpy.h"
#include "support/RealInput.h"
#include "designer/ScreenPixels.h"
#include "toolkit/StdCtrlsTestSupport.h"

#include <memory>

namespace dsntest {

using namespace fwtest;

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline RECT WholeScreen() { return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }
inline RECT CurrentClip() {
    RECT r{};
    GetClipCursor(&r);
    return r;
}

template <class Set> struct THandleFixture : stdtest::ShownForm {
    fw::TTargetList targets;
    std::unique_ptr<Set> set = std::make_unique<Set>();

    void SetUp() override {
        ShownForm::SetUp();
        ParkPointer();
        targets.AddReceiver(set.get());
    }
    void TearDown() override {
        ClipCursor(nullptr);
        set.reset();
        ShownForm::TearDown();
    }

    void Select(fw::TControl* c) {
        targets.Add(c);
        targets.Update();
        stdtest::Pump();
    }
    fw::THandlerRect* GroupOf(fw::TControl* c) const {
        for (int i = 0; i < set->GroupCount(); ++i)
            if (fw::THandlerRect* g = set->Groups(i); g && g->Control() == c) return g;
        return nullptr;
    }
    template <class Corner> Corner* HandleOf(fw::TControl* c) const {
        fw::THandlerRect* g = GroupOf(c);
        for (int i = 0; g && i < g->HandleCount(); ++i)
            if (auto* h = dynamic_cast<Corner*>(g->HandleWindows(i))) return h;
        return nullptr;
    }
    // A point of a handle, or of any control on the form, on the screen.
    POINT ScreenOf(fw::TControl* c, int dx = 0, int dy = 0) const {
        return c->Parent()->ClientToScreen({c->Left() + dx, c->Top() + dy});
    }
    uint32_t ScreenPixel(POINT p) const { return CaptureScreen({p.x, p.y, p.x + 1, p.y + 1}).Pixels[0]; }

    // Gesture steps on a handle.
    std::unique_ptr<TMessageSpy> handleSpy;
    POINT pressedAt{};
    void Press(fw::TSmallRect* h) {
        handleSpy = std::make_unique<TMessageSpy>(h->Handle());
        pressedAt = ScreenOf(h);
        MovePointer(pressedAt);
        PressLeft(pressedAt);
        ASSERT_TRUE(PumpUntil([&] { return handleSpy->Count(WM_LBUTTONDOWN) + handleSpy->Count(WM_LBUTTONDBLCLK) > 0; }))
            << "the handle never had the press";
    }
    void MoveBy(int dx, int dy) {
        int before = handleSpy->Count(WM_MOUSEMOVE);
        MovePointer({pressedAt.x + dx, pressedAt.y + dy});
        ASSERT_TRUE(PumpUntil([&] { return handleSpy->Count(WM_MOUSEMOVE) > before; })) << "the handle never had the move";
    }
    void ReleaseBy(int dx, int dy) {
        POINT at{pressedAt.x + dx, pressedAt.y + dy};
        MovePointer(at);
        ReleaseLeft(at);
        ASSERT_TRUE(PumpUntil([&] { return handleSpy->Count(WM_LBUTTONUP) > 0; })) << "the handle never had the release";
        handleSpy.reset();
    }
    void DragBy(fw::TSmallRect* h, int dx, int dy) {
        Press(h);
        MoveBy(dx, dy);
        ReleaseBy(dx, dy);
    }
};

} // namespace dsntest
