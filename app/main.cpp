// formwright.exe: registers the designable classes, creates the five windows
// from their stored layouts in order (the main window first, so it is the
// main window) and runs the message loop until the main window closes.
#include "app/Unit1.h"
#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "designer/DsnPanel.h"
#include "designer/DsnUnit.h"
#include "stream/ClassRegistry.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Layouts.h"
#include "toolkit/win/window/Registration.h"

using namespace fw;

int wmain(int, wchar_t**) {
    // The classes a stored layout or a design file may name.
    RegisterToolkitClasses();
    RegisterPaletteClasses();
    RegisterDesignEngineClasses();
    RegisterClasses({&TForm1::StaticClassInfo(), &TForm2::StaticClassInfo(), &TAboutBox::StaticClassInfo(),
                     &TForm4::StaticClassInfo(), &TForm5::StaticClassInfo()});
    Application().Initialize();
    Application().SetTitle("Formwright");
    bool ok = Application().Guard([] {
        Form1 = Application().CreateForm<TForm1>(LoadLayout(L"MAIN"));
        Form2 = Application().CreateForm<TForm2>(LoadLayout(L"DESIGN"));
        AboutBox = Application().CreateForm<TAboutBox>(LoadLayout(L"ABOUT"));
        Form4 = Application().CreateForm<TForm4>(LoadLayout(L"STRINGS"));
        Form5 = Application().CreateForm<TForm5>(LoadLayout(L"HIDDEN"));
    });
    if (!ok) return 1;
    Application().Run();
    return 0;
}
