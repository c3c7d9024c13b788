// Dialog components through the modal seam: each passes its settings to the
// dialog and takes the answer, a cancel changes nothing, settings are stored
// with the form, and message dialogs pick their buttons and map the answer.
#include "MenusTestUtil.h"
#include "toolkit/win/menus/Dialogs.h"
#include "toolkit/win/menus/MenuAndDialogClasses.h"
#include "toolkit/win/menus/MessageDlg.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

using namespace fw;

TEST(FileDialogs, EverySettingIsPassedAndOnlyAChosenFileIsTaken) {
    TModalUIScope ui;
    TOpenDialog open(nullptr);
    open.Title = "Open design";
    open.Filter = "Designs (*.fw)|*.fw|All files (*.*)|*.*";
    open.FilterIndex = 2;
    open.DefaultExt = "fw";
    open.InitialDir = "C:\\work";
    open.FileName = "old.fw";
    open.Options = TOpenOptions{ofFileMustExist, ofPathMustExist};
    ui->FileAnswers = {"C:\\work\\new.fw", ""};
    ASSERT_TRUE(open.Execute());
    const TFileDialogRequest& r = ui->FileRequests.at(0);
    EXPECT_EQ(ui->Calls.at(0).Kind + "|" + r.Title + "|" + r.Filter + "|" + r.DefaultExt + "|" + r.InitialDir + "|" +
                  r.FileName + "|" + std::to_string(r.FilterIndex),
              "OpenFile|Open design|" + open.Filter + "|fw|C:\\work|old.fw|2");
    EXPECT_TRUE(r.FileMustExist && r.PathMustExist && !r.OverwritePrompt && !r.HideReadOnly);
    EXPECT_EQ(open.FileName, "C:\\work\\new.fw");
    EXPECT_FALSE(open.Execute()); // cancelled
    EXPECT_EQ(open.FileName, "C:\\work\\new.fw");

    TSaveDialog save(nullptr);
    save.Options.Include(ofOverwritePrompt);
    ui->FileAnswers = {"out.fw"};
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(ui->Calls.at(2).Kind, "SaveFile");
    EXPECT_TRUE(ui->FileRequests.at(2).OverwritePrompt && ui->FileRequests.at(2).HideReadOnly);
    EXPECT_EQ(save.FileName, "out.fw");

    TOpenPictureDialog pictures(nullptr);
    ui->FileAnswers = {"logo.ico"};
    ASSERT_TRUE(pictures.Execute());
    EXPECT_EQ(ui->Calls.at(3).Kind, "OpenFile");
    EXPECT_NE(ui->FileRequests.at(3).Filter.find("*.bmp;*.ico"), std::string::npos);
}

TEST(ColorAndFontDialogs, OfferTheirValueAndTakeOnlyAChosenOne) {
    TModalUIScope ui;
    TColorDialog color(nullptr);
    color.Color = clBtnFace; // offered as the RGB value it stands for
    ui->ColorAnswers = {0x123456};
    ASSERT_TRUE(color.Execute());
    EXPECT_EQ(ui->Calls.at(0).Text, std::to_string(ColorToRGB(clBtnFace)));
    EXPECT_EQ(color.Color, 0x123456);
    EXPECT_FALSE(color.Execute());
    EXPECT_EQ(color.Color, 0x123456);

    TFontDialog font(nullptr);
    font.Font()->SetName("Courier New");
    font.Font()->SetStyle(TFontStyles{fsItalic});
    int changes = 0;
    font.Font()->OnChange = [&](TObject*) { ++changes; };
    TFontData answer;
    answer.Name = "Arial";
    answer.Height = -20;
    answer.Bold = answer.Underline = true;
    answer.Color = static_cast<int32_t>(ColorToRGB(clWindowText)); // left as it was shown
    ui->FontAnswers = {answer};
    ASSERT_TRUE(font.Execute());
    EXPECT_EQ(ui->FontRequests.at(0).Name, "Courier New");
    EXPECT_TRUE(ui->FontRequests.at(0).Italic && !ui->FontRequests.at(0).Bold);
    EXPECT_EQ(font.Font()->Name() + std::to_string(font.Font()->Height()), "Arial-20");
    EXPECT_EQ(font.Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(font.Font()->Color(), clWindowText) << "an untouched system colour stays one";
    EXPECT_EQ(changes, 1) << "one change notice for the whole answer";
    EXPECT_FALSE(font.Execute());
    EXPECT_EQ(font.Font()->Name(), "Arial");
    EXPECT_EQ(changes, 1);
}

TEST(DialogStream, SettingsAreStoredWithTheForm) {
    RegisterMenuAndDialogClasses();
    TForm form(nullptr);
    (new TOpenPictureDialog(&form))->SetName("Pictures1");
    (new TFontDialog(&form))->SetName("Font1");
    static_cast<TFontDialog*>(form.FindComponent("Font1"))->Font()->SetName("Verdana");
    std::vector<uint8_t> bytes = fwtest::Store(&form);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()).find("*.ico"), std::string::npos)
        << "the pictures' own filter is not stored";
    TForm copy(nullptr);
    fwtest::Load(bytes, &copy);
    auto* p = dynamic_cast<TOpenPictureDialog*>(copy.FindComponent("Pictures1"));
    auto* f = dynamic_cast<TFontDialog*>(copy.FindComponent("Font1"));
    ASSERT_TRUE(p && f);
    EXPECT_EQ(p->Filter, TOpenPictureDialog::DefaultFilter);
    EXPECT_EQ(f->Font()->Name(), "Verdana");
}

TEST(MessageDialogs, ButtonsAndKindChooseTheBoxAndTheAnswerIsAModalResult) {
    TModalUIScope ui;
    ui->BoxAnswers = {IDYES, IDIGNORE};
    EXPECT_EQ(MessageDlg("Save changes?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo, mbCancel}), mrYes);
    EXPECT_EQ(MessageDlg("Failed", mtCustom, TMsgDlgButtons{mbAbort, mbRetry, mbIgnore}), mrIgnore);
    ASSERT_EQ(ui->Calls.size(), 2u);
    EXPECT_EQ(ui->Calls[0].Text + "|" + ui->Calls[0].Caption, "Save changes?|Confirm");
    EXPECT_EQ(ui->Calls[0].Flags, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(ui->Calls[1].Flags, unsigned(MB_ABORTRETRYIGNORE));
    EXPECT_EQ(ui->Calls[1].Caption, Application().Title());
}
