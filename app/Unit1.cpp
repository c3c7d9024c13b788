#include "app/Unit1.h"

#include "app/Unit2.h"
#include "app/Unit3.h"
#include "app/Unit5.h"
#include "designer/DsnUnit.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/controls/Edit.h"
#include "toolkit/win/controls/SpeedButton.h"
#include "toolkit/win/menus/Dialogs.h"
#include "toolkit/win/window/Application.h"

namespace fw {

TForm1* Form1 = nullptr;

const TClassInfo& TForm1::StaticClassInfo() {
    using F = TForm1;
    static const TClassInfo info = TClassBuilder<F, TForm>()
                                       .Method("FormShow", &F::FormShow)
                                       .Method("New1Click", &F::New1Click)
                                       .Method("Open1Click", &F::Open1Click)
                                       .Method("SaveAs1Click", &F::SaveAs1Click)
                                       .Method("Exit1Click", &F::Exit1Click)
                                       .Method("Run1Click", &F::Run1Click)
                                       .Method("About1Click", &F::About1Click)
                                       .Method("Edit1Change", &F::Edit1Change)
                                       .Method("Action1Execute", &F::Action1Execute)
                                       .Method("SpeedButton2Click", &F::SpeedButton2Click)
                                       .Build();
    return info;
}

std::string ApplicationFolder() {
    std::string exe = TApplication::ExeName();
    size_t slash = exe.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : exe.substr(0, slash + 1);
}

template <class T> T* TForm1::Part(const char* name) const {
    auto* part = dynamic_cast<T*>(FindComponent(name));
    if (!part) throw EComponentError(std::string("The main window has no ") + name);
    return part;
}

TDsnSwitch* TForm1::DsnSwitch1() const { return Part<TDsnSwitch>("DsnSwitch1"); }
TEdit* TForm1::Edit1() const { return Part<TEdit>("Edit1"); }
TSpeedButton* TForm1::SpeedButton2() const { return Part<TSpeedButton>("SpeedButton2"); }
TOpenDialog* TForm1::OpenDialog1() const { return Part<TOpenDialog>("OpenDialog1"); }
TSaveDialog* TForm1::SaveDialog1() const { return Part<TSaveDialog>("SaveDialog1"); }

void TForm1::FormShow(TObject* sender) { New1Click(sender); }

void TForm1::New1Click(TObject*) {
    Form2->Show();
    Form2->DsnStage1()->LoadFromFile(ApplicationFolder() + "newform.bin");
    DsnSwitch1()->SwitchOn();
}

void TForm1::Open1Click(TObject*) {
    if (!OpenDialog1()->Execute()) return;
    std::string name = OpenDialog1()->FileName;
    Form2->DsnStage1()->LoadFromFile(name);
    Form2->Show();
    DsnSwitch1()->SwitchOn();
    SaveDialog1()->FileName = name;
}

void TForm1::SaveAs1Click(TObject*) {
    if (!SaveDialog1()->Execute()) return;
    std::string name = SaveDialog1()->FileName;
    TDsnStage* stage = Form2->DsnRSRegister1()->DsnStage();
    if (!stage) throw EComponentError("The design controller has no design stage");
    stage->SaveToFile(name);
    OpenDialog1()->FileName = name;
}

void TForm1::Exit1Click(TObject*) { Close(); }

void TForm1::Run1Click(TObject*) { DsnSwitch1()->SwitchOff(); }

void TForm1::About1Click(TObject*) { AboutBox->ShowModal(); }

void TForm1::Edit1Change(TObject*) {
    if (Form2) Form2->SetCaption(Edit1()->GetText());
}

void TForm1::Action1Execute(TObject*) { SpeedButton2()->SetVisible(true); }

void TForm1::SpeedButton2Click(TObject*) {
    Form5->ShowModal();
    SpeedButton2()->SetVisible(false);
}

} // namespace fw
