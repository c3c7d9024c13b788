// The Win32 boundary and control lifetime: exceptions thrown while handling a
// window message end at the application's handler, and a handler that frees
// its own control leaves nothing that touches the freed memory.
#include "StdCtrlsTestSupport.h"
#include "support/RealInput.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/controls/SpeedButton.h"
#include "toolkit/win/window/GraphicControl.h"
#include "toolkit/win/window/Guarded.h"

#include <array>
#include <cstring>
#include <new>
#include <string>

using namespace fw;
using namespace fwtest;
using stdtest::ShownForm;

namespace {

constexpr UINT kThrowMessage = WM_APP + 7;

// A control whose handling of one message throws.
class TThrowingBox : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    void WndProc(TMessage& m) override {
        if (m.Msg == kThrowMessage) throw EInvalidOperation("The box failed");
        TCustomControl::WndProc(m);
    }
};

// Records what reaches the application's exception handler.
struct TExceptionLog {
    std::vector<std::string> Messages;
    TExceptionLog() {
        Application().OnException.Bind([this](TObject*, const std::string& m) { Messages.push_back(m); });
    }
    ~TExceptionLog() { Application().OnException.Clear(); }
};

// Controls of this kind live in a fixed buffer that is filled with a poison
// pattern when they are freed: any virtual call through a freed one jumps to
// the pattern and crashes the test, and a field read afterwards sees it.
template <class Base> class TPoisoned : public Base {
public:
    using Base::Base;
    static void* operator new(size_t size) {
        if (size > sizeof(Buffer)) throw std::bad_alloc();
        return Buffer.data();
    }
    static void operator delete(void* p, size_t size) { std::memset(p, 0xDD, size); }

private:
    alignas(std::max_align_t) static inline std::array<unsigned char, 4096> Buffer{};
};

} // namespace

using Lifetime = ShownForm;

TEST_F(Lifetime, ExceptionsInAWindowProcedureEndAtTheApplicationsHandler) {
    TExceptionLog log;
    auto* box = Make<TThrowingBox>("Box");
    EXPECT_EQ(SendMessageW(box->Handle(), kThrowMessage, 0, 0), 0);
    EXPECT_EQ(box->PerformGuarded(kThrowMessage, 0, 0), 0);
    EXPECT_EQ(Guarded([] () -> int { throw EInvalidOperation("Third"); }), 0);
    EXPECT_EQ(log.Messages, (std::vector<std::string>{"The box failed", "The box failed", "Third"}));
    EXPECT_EQ(Guarded([] { return 42; }), 42);
    EXPECT_TRUE(IsWindow(box->Handle())) << "the window lives on";
}

TEST_F(Lifetime, AClickHandlerMayFreeItsOwnControl) {
    TExceptionLog log;
    auto* speed = new TPoisoned<TSpeedButton>(form);
    speed->SetParent(form);
    speed->SetBounds(20, 20, 40, 30);
    speed->SetGroupIndex(5);
    bool clicked = false;
    POINT at = speed->ClientToScreen({10, 10});
    speed->OnClick.Bind([&](TObject* sender) {
        clicked = true;
        delete static_cast<TControl*>(sender);
    });
    PumpPending();
    ClickAt(at);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_TRUE(log.Messages.empty());
}

TEST_F(Lifetime, APointerHandlerMayFreeItsOwnWindowedControl) {
    TExceptionLog log;
    auto* box = new TPoisoned<TCustomControl>(form);
    box->SetParent(form);
    box->SetBounds(20, 20, 40, 30);
    HWND h = box->Handle();
    bool released = false;
    box->OnMouseUp.Bind([&](TObject* sender, TMouseButton, TShiftState, int32_t, int32_t) {
        released = true;
        delete static_cast<TControl*>(sender);
    });
    PumpPending();
    ClickAt(box->ClientToScreen({10, 10}));
    EXPECT_TRUE(released);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_TRUE(log.Messages.empty());
}

TEST_F(Lifetime, ASystemButtonMayFreeItselfFromItsClick) {
    TExceptionLog log;
    // A button of the system's class that frees itself from its click.
    auto* button = new TPoisoned<TButton>(form);
    button->SetParent(form);
    button->SetBounds(20, 20, 80, 30);
    bool clicked = false;
    button->OnClick.Bind([&](TObject* sender) {
        clicked = true;
        delete static_cast<TControl*>(sender);
    });
    PumpPending();
    ClickAt(button->ClientToScreen({10, 10}));
    EXPECT_TRUE(PumpUntil([&] { return clicked; }));
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_TRUE(log.Messages.empty());
}
