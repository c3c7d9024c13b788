// The toolkit gallery: registers the control classes, creates its window from
// a stored layout and runs. "GALLERY" shows a mix of the toolkit's controls;
// with --layout controls it shows "CONTROLS", one of each designable class.
// With --screenshot FILE it saves the window once it has been drawn and exits
// (the test suite keeps that image).
#include "demo/Screenshot.h"
#include "toolkit/win/controls/ListView.h"
#include "toolkit/win/controls/TreeView.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/Layouts.h"
#include "toolkit/win/window/ModalUI.h"
#include "toolkit/win/window/Registration.h"

#include <string>

using namespace fw;

namespace {

// List and tree items are made at run time, not stored: give the ones in the
// layout something to show.
void FillSampleItems(TForm& form) {
    if (auto* lv = dynamic_cast<TListView*>(form.FindComponent("ListView1"))) {
        lv->Items().Add("First item", {"12 KB"});
        lv->Items().Add("Second item", {"3 KB"});
        lv->Items().Add("Third item", {"140 KB"});
    }
    if (auto* tv = dynamic_cast<TTreeView*>(form.FindComponent("TreeView1"))) {
        TTreeNode* root = tv->Items().AddChild(nullptr, "Tree view");
        tv->Items().AddChild(tv->Items().AddChild(root, "Branch"), "Leaf");
        tv->Items().AddChild(root, "Second branch");
        tv->Items().AddChild(nullptr, "Another root");
        HWND window = tv->Handle(); // the nodes get their window items here
        SendMessageW(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root->ItemId()));
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::string screenshot;
    std::wstring layout = L"GALLERY";
    for (int i = 1; i + 1 < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--screenshot") screenshot = win::Narrow(argv[i + 1]);
        if (arg == L"--layout" && std::wstring(argv[i + 1]) == L"controls") layout = L"CONTROLS";
    }
    Application().Initialize();
    Application().SetTitle("Toolkit gallery");
    bool ok = Application().Guard([&] {
        RegisterToolkitClasses();
        TForm* form = Application().CreateForm<TForm>(LoadLayout(layout.c_str()));
        FillSampleItems(*form);
        if (screenshot.empty()) {
            Application().Run();
            return;
        }
        form->Show();
        // Let every window paint before the picture is taken.
        for (int i = 0; i < 20; ++i) {
            Application().ProcessMessages();
            Sleep(25);
        }
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Application().ProcessMessages();
        fwdemo::SaveWindowImage(form->Handle(), screenshot);
    });
    return ok ? 0 : 1;
}
