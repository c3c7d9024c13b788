// Enter and Escape reach the form's default and cancel buttons through the
// message loop, unless the focused control wants the key.
#include "toolkit/win/controls/StdCtrls.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {
void PostKey(HWND h, WPARAM key) {
    PostMessageW(h, WM_KEYDOWN, key, 1);
    PostMessageW(h, WM_KEYUP, key, 0xC0000001);
    Application().ProcessMessages();
}
} // namespace

TEST(DialogKeys, EnterAndEscapePressTheDefaultAndCancelButtons) {
    Application().Initialize();
    TForm form(nullptr);
    form.Show();
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* ok = new TButton(&form);
    ok->SetParent(panel);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TButton(&form);
    cancel->SetParent(&form);
    cancel->SetCancel(true);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    int okClicks = 0, cancelClicks = 0;
    ok->OnClick.Bind([&](TObject*) { ++okClicks; });
    cancel->OnClick.Bind([&](TObject*) { ++cancelClicks; });

    PostKey(edit->Handle(), VK_RETURN);
    EXPECT_EQ(okClicks, 1) << "the default button inside a panel is found";
    EXPECT_EQ(form.ModalResult(), mrOk);
    PostKey(edit->Handle(), VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1);
    // A multi-line edit that wants Enter keeps it.
    memo->SetWantReturns(true);
    PostKey(memo->Handle(), VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    // A disabled default button is not pressed.
    ok->SetEnabled(false);
    PostKey(edit->Handle(), VK_RETURN);
    EXPECT_EQ(okClicks, 1);
    // A form being designed only shows its buttons: Enter is the designer's.
    ok->SetEnabled(true);
    panel->SetDesigning(true);
    PostKey(edit->Handle(), VK_RETURN);
    EXPECT_EQ(okClicks, 1) << "the default button is being designed";
    panel->SetDesigning(false);
    edit->SetDesigning(true);
    PostKey(edit->Handle(), VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 1) << "the key goes to a control being designed";
    edit->SetDesigning(false);
    PostKey(edit->Handle(), VK_ESCAPE);
    EXPECT_EQ(cancelClicks, 2);
}
