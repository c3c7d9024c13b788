#include "toolkit/win/window/DialogKeys.h"

#include "toolkit/win/controls/Button.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"

namespace fw {

namespace {

// The toolkit form a window belongs to.
TForm* FormOfWindow(HWND h) {
    for (; h; h = GetParent(h))
        if (auto* form = dynamic_cast<TForm*>(TWinControl::FindControl(h))) return form;
    return nullptr;
}

// The first usable button of the form that is its default (or cancel) button.
// Controls being designed are not used: their buttons are only drawn there.
TButton* FindDialogButton(TWinControl* parent, bool cancel) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible() || !c->Enabled() || c->Designing()) continue;
        if (auto* b = dynamic_cast<TButton*>(c))
            if (cancel ? b->Cancel() : b->Default()) return b;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TButton* found = FindDialogButton(w, cancel)) return found;
    }
    return nullptr;
}

bool HandleDialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    // A control that asks for every key (or for this message) keeps it.
    MSG copy = msg;
    LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    TForm* form = FormOfWindow(msg.hwnd);
    if (!form || form->Designing()) return false;
    // The key goes to a control being designed (the design surface): it is
    // the designer's to handle, never a press of a button.
    for (TControl* c = TWinControl::FindControl(msg.hwnd); c; c = c->Parent())
        if (c->Designing()) return false;
    TButton* button = FindDialogButton(form, msg.wParam == VK_ESCAPE);
    if (!button) return false;
    button->Click();
    return true;
}

} // namespace

void InstallDialogKeys() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    Application().AddShortCutHandler(HandleDialogKey);
}

} // namespace fw
