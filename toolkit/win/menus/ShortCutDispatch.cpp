#include "toolkit/win/menus/ShortCutDispatch.h"

#include "toolkit/win/menus/ActnList.h"
#include "toolkit/win/menus/Menus.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"

#include <algorithm>

namespace fw {

namespace {

TForm* FormOfWindow(HWND h) {
    // The top-level window, or a form embedded in another window.
    for (HWND w = h; w; w = GetParent(w))
        if (auto* form = dynamic_cast<TForm*>(TWinControl::FindControl(w))) return form;
    return nullptr;
}

} // namespace

std::vector<TForm*> ShortCutForms(HWND target) {
    std::vector<TForm*> forms;
    auto add = [&](TForm* f) {
        if (f && std::find(forms.begin(), forms.end(), f) == forms.end()) forms.push_back(f);
    };
    add(FormOfWindow(target));
    add(FormOfWindow(GetActiveWindow()));
    add(Application().MainForm());
    return forms;
}

bool FormShortCut(TForm* form, TShortCut shortCut) {
    // An action list's shortcuts belong to its own window: they run only while
    // that form is the active window.
    bool active = FormOfWindow(GetActiveWindow()) == form;
    for (int i = 0; active && i < form->ComponentCount(); ++i)
        if (auto* list = dynamic_cast<TActionList*>(form->Components(i)))
            if (list->ExecuteShortCut(shortCut)) return true;
    if (TMainMenu* menu = form->Menu())
        if (TMenuItem* item = menu->FindShortCut(shortCut)) {
            item->Click();
            return true;
        }
    return false;
}

void InstallShortCutDispatch() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    Application().AddShortCutHandler([](const MSG& msg) {
        TShortCut shortCut = ShortCutFromMessage(msg);
        if (!shortCut) return false;
        for (TForm* form : ShortCutForms(msg.hwnd))
            if (FormShortCut(form, shortCut)) return true;
        return false;
    });
}

} // namespace fw
