#pragma once
// The main window: the design switch, the build button, the caption edit,
// the component palette with its hidden deposit of prototypes, and the File,
// Project and Help menus.
#include "toolkit/win/window/Form.h"

namespace fw {

class TDsnSwitch;
class TDsnRegister;
class TEdit;
class TSpeedButton;
class TOpenDialog;
class TSaveDialog;

class TForm1 : public TForm {
    FW_CLASS(TForm1)
    using TForm::TForm;

    void FormShow(TObject* sender);
    void New1Click(TObject* sender);
    void Open1Click(TObject* sender);
    void SaveAs1Click(TObject* sender);
    void Exit1Click(TObject* sender);
    void Run1Click(TObject* sender);
    void About1Click(TObject* sender);
    void Edit1Change(TObject* sender);
    void Action1Execute(TObject* sender);
    void SpeedButton2Click(TObject* sender);

    // Components of the stored layout.
    TDsnSwitch* DsnSwitch1() const;
    TEdit* Edit1() const;
    TSpeedButton* SpeedButton2() const;
    TOpenDialog* OpenDialog1() const;
    TSaveDialog* SaveDialog1() const;

private:
    template <class T> T* Part(const char* name) const;
};

// The folder of the running program, with its trailing separator.
std::string ApplicationFolder();

extern TForm1* Form1;

} // namespace fw
