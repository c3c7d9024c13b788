// The toolkit gallery: registers the control classes, creates its window from
// the stored layout "GALLERY" and runs. With --screenshot FILE it saves the
// window once it has been drawn and exits (the test suite keeps that image).
#include "demo/Screenshot.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Layouts.h"
#include "toolkit/win/ModalUI.h"
#include "toolkit/win/Registration.h"

#include <string>

using namespace fw;

int wmain(int argc, wchar_t** argv) {
    std::string screenshot;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::wstring(argv[i]) == L"--screenshot") screenshot = win::Narrow(argv[i + 1]);
    Application().Initialize();
    Application().SetTitle("Toolkit gallery");
    bool ok = Application().Guard([&] {
        RegisterToolkitClasses();
        TForm* form = Application().CreateForm<TForm>(LoadLayout(L"GALLERY"));
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
