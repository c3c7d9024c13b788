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

namespace {

// A poisoned control of class T on the form that frees itself from the
// handler it is given to bind; clicking it must leave the form empty and
// nothing reported.
template <class T, class Bind>
void ClickSelfFreeing(TForm* form, RECT bounds, Bind bind) {
    TExceptionLog log;
    auto* c = new TPoisoned<T>(form);
    c->SetParent(form);
    c->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    bool freed = false;
    bind(c, [c, &freed] {
        freed = true;
        delete static_cast<TControl*>(c);
    });
    PumpPending();
    ClickAt(c->ClientToScreen({10, 10}));
    EXPECT_TRUE(PumpUntil([&] { return freed; }));
    EXPECT_EQ(form->ControlCount(), 0);
    EXPECT_TRUE(log.Messages.empty());
}

} // namespace

TEST_F(Lifetime, AClickHandlerMayFreeItsOwnControl) {
    // A speed button has no window: its parent routes the click to it.
    ClickSelfFreeing<TSpeedButton>(form, {20, 20, 60, 50}, [](TSpeedButton* b, auto freeIt) {
        b->SetGroupIndex(5);
        b->OnClick.Bind([freeIt](TObject*) { freeIt(); });
    });
}

TEST_F(Lifetime, APointerHandlerMayFreeItsOwnWindowedControl) {
    ClickSelfFreeing<TCustomControl>(form, {20, 20, 60, 50}, [](TCustomControl* c, auto freeIt) {
        c->OnMouseUp.Bind([freeIt](TObject*, TMouseButton, TShiftState, int32_t, int32_t) { freeIt(); });
    });
}

TEST_F(Lifetime, ASystemButtonMayFreeItselfFromItsClick) {
    ClickSelfFreeing<TButton>(form, {20, 20, 100, 50}, [](TButton* b, auto freeIt) {
        b->OnClick.Bind([freeIt](TObject*) { freeIt(); });
    });
}
