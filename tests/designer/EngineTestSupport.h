#pragma once
// A design window for the design-engine tests: a stage filling a shown form
// that owns the designed controls, and a controller linked to the stage.
#include "designer/DsnAgent.h"
#include "designer/DsnUnit.h"
#include "support/RealInput.h"
#include "toolkit/StdCtrlsTestSupport.h"
#include "toolkit/win/controls/ComboBox.h"
#include "toolkit/win/controls/Label.h"

#include <gtest/gtest.h>

namespace dsntest {

using namespace fw;
using namespace fwtest;

struct TEngineFixture : stdtest::ShownForm {
    TDsnStage* stage = nullptr;
    TDsnRegister* reg = nullptr;

    void SetUp() override {
        ShownForm::SetUp();
        RegisterDesignEngineClasses();
        ParkPointer();
        stage = Make<TDsnStage>("DsnStage1");
        stage->SetAlign(alClient);
        stage->Rubberband()->MoveWidth = 8;
        stage->Rubberband()->MoveHeight = 8;
        stage->Rubberband()->Color = 0x0000FF;
        reg = MakeController(form);
        reg->SetName("DsnRegister1");
        reg->SetDsnStage(stage);
        stdtest::Pump();
    }
    // The controller class under test.
    virtual TDsnRegister* MakeController(TComponent* owner) { return new TDsnRegister(owner); }
    void TearDown() override {
        ClipCursor(nullptr);
        ShownForm::TearDown();
    }
    // A designed control on the stage (or in a container on it).
    template <class T> T* Put(const std::string& name, int l, int t, int w, int h, TWinControl* parent = nullptr) {
        T* c = Make<T>(name, parent ? parent : stage);
        c->SetBounds(l, t, w, h);
        return c;
    }
    void DesignOn() {
        reg->SetDesignMode(true);
        PumpPending();
    }
    // Keys held down for the next pointer event. Under this window system a
    // pointer move resets the modifiers to what the display server holds, so
    // they are pressed again after every move.
    static void Hold(std::initializer_list<WORD> keys) {
        for (WORD k : keys) HoldKey(k, true);
    }
    static void Let(std::initializer_list<WORD> keys) {
        for (WORD k : keys) HoldKey(k, false);
    }
    // A drag with the left button by real input, with the given keys held
    // throughout, waiting for the release to be handled.
    void Drag(TControl* c, POINT from, POINT by, std::initializer_list<WORD> held = {}) {
        POINT start = ScreenOf(c, from.x, from.y);
        MovePointer(start);
        Hold(held);
        PressLeft(start);
        PumpPending();
        for (int i = 1; i <= 3; ++i) {
            MovePointer({start.x + by.x * i / 3, start.y + by.y * i / 3});
            PumpPending();
            Hold(held);
        }
        Send(PointerInput(MOUSEEVENTF_LEFTUP));
        PumpPending();
        Let(held);
    }
    // A click with keys held.
    void ClickWith(TControl* c, POINT at, std::initializer_list<WORD> held, bool right = false) {
        PointerTo(ScreenOf(c, at.x, at.y));
        Hold(held);
        ButtonDown(right);
        ButtonUp(right);
        Let(held);
    }
    TDsnCtrl* AgentOf(TWinControl* c) const { return dynamic_cast<TDsnCtrl*>(TAgent::AgentOf(c->Handle())); }
    POINT ScreenOf(TControl* c, int dx, int dy) const { return c->ClientToScreen({dx, dy}); }
    bool Selected(TComponent* c) const { return reg->Targets() && reg->Targets()->IndexOf(c) >= 0; }
    int SelectedCount() const { return reg->Targets() ? reg->Targets()->Count() : 0; }
};

} // namespace dsntest
