#pragma once
// A string grid on a shown form, without border or scroll bars unless a test
// asks for them, so its client area is exactly its bounds. Messages go
// through the window system as the user's would.
#include "toolkit/win/grids/Grids.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/ModalUI.h"
#include "toolkit/win/window/Registration.h"

#include <gtest/gtest.h>

namespace gridtest {

struct GridFixture : ::testing::Test {
    fw::TModalUIScope ui; // a failing handler is recorded, never shown
    fw::TForm* form = nullptr;
    fw::TStringGrid* grid = nullptr;

    void SetUp() override {
        fw::Application().Initialize();
        fw::RegisterToolkitClasses();
        form = new fw::TForm(nullptr);
        form->SetBounds(40, 40, 500, 400);
        form->Show();
        grid = new fw::TStringGrid(form);
        grid->SetName("Grid1");
        grid->SetParent(form);
        grid->SetBorderStyle(fw::TGridBorderStyle::bsNone);
        grid->SetScrollBars(fw::ssNone);
        grid->SetBounds(0, 0, 300, 200);
        Pump();
    }
    void TearDown() override {
        delete form;
        Pump();
        for (const auto& call : ui->Calls) ADD_FAILURE() << "unexpected " << call.Kind << ": " << call.Text;
    }

    static void Pump() { fw::Application().ProcessMessages(); }
    HWND Wnd() { return grid->Handle(); }
    void Key(WPARAM vk) { SendMessageW(Wnd(), WM_KEYDOWN, vk, 0); }
    void Down(int x, int y, WPARAM keys = MK_LBUTTON) { SendMessageW(Wnd(), WM_LBUTTONDOWN, keys, fw::PointToLParam(x, y)); }
    void Move(int x, int y) { SendMessageW(Wnd(), WM_MOUSEMOVE, MK_LBUTTON, fw::PointToLParam(x, y)); }
    void Up(int x, int y) { SendMessageW(Wnd(), WM_LBUTTONUP, 0, fw::PointToLParam(x, y)); }
    void Click(int x, int y) {
        Down(x, y);
        Up(x, y);
    }
    LRESULT HitTest(int x, int y) { return SendMessageW(Wnd(), fw::CM_DESIGNHITTEST, 0, fw::PointToLParam(x, y)); }
    static POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
};

// Holds a key down in this thread's keyboard state for the life of the object.
class THeldKey {
public:
    explicit THeldKey(int vk) : FKey(vk) { Set(0x80); }
    ~THeldKey() { Set(0); }
    THeldKey(const THeldKey&) = delete;
    THeldKey& operator=(const THeldKey&) = delete;

private:
    void Set(BYTE v) {
        BYTE state[256];
        GetKeyboardState(state);
        state[FKey] = v;
        SetKeyboardState(state);
    }
    int FKey;
};

} // namespace gridtest
