// Dialog components through the modal seam: each passes its settings to the
// dialog and takes the answer, a cancel changes nothing, settings are stored
// with the form, and message dialogs pick their buttons and map the answer.
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Dialogs.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/MenuAndDialogClasses.h"
#include "toolkit/win/MessageDlg.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

fwtest::Bytes Store(TComponent* root) {
    TMemoryStream s;
    {
        TWriter w(s);
        w.WriteRootComponent(root);
    }
    return s.Bytes();
}

void Load(const fwtest::Bytes& bytes, TComponent* root) {
    TMemoryStream s(bytes);
    TReader r(s);
    r.ReadRootComponent(root);
}

} // namespace

TEST(FileDialogs, OpenPassesEverySettingAndTakesTheChosenFile) {
    TModalUIScope ui;
    TOpenDialog d(nullptr);
    d.Title = "Open design";
    d.Filter = "Designs (*.fw)|*.fw|All files (*.*)|*.*";
    d.FilterIndex = 2;
    d.DefaultExt = "fw";
    d.InitialDir = "C:\\work";
    d.FileName = "old.fw";
    d.Options = TOpenOptions{ofFileMustExist, ofPathMustExist};
    ui->FileAnswers.push_back("C:\\work\\new.fw");
    ASSERT_TRUE(d.Execute());
    ASSERT_EQ(ui->Calls.size(), 1u);
    EXPECT_EQ(ui->Calls[0].Kind, "OpenFile");
    const TFileDialogRequest& r = ui->FileRequests.at(0);
    EXPECT_EQ(r.Title, "Open design");
    EXPECT_EQ(r.Filter, d.Filter);
    EXPECT_EQ(r.FilterIndex, 2);
    EXPECT_EQ(r.DefaultExt, "fw");
    EXPECT_EQ(r.InitialDir, "C:\\work");
    EXPECT_EQ(r.FileName, "old.fw");
    EXPECT_TRUE(r.FileMustExist);
    EXPECT_TRUE(r.PathMustExist);
    EXPECT_FALSE(r.OverwritePrompt);
    EXPECT_FALSE(r.HideReadOnly) << "not among the options asked for";
    EXPECT_EQ(d.FileName, "C:\\work\\new.fw");

    // Cancelled: the component keeps what it had.
    ui->FileAnswers.push_back("");
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(ui->FileRequests.at(1).FileName, "C:\\work\\new.fw");
    EXPECT_EQ(d.FileName, "C:\\work\\new.fw");
    EXPECT_EQ(d.FilterIndex, 2);
}

TEST(FileDialogs, SaveAsksForASaveDialogWithItsOwnOptions) {
    TModalUIScope ui;
    TSaveDialog d(nullptr);
    d.Options.Include(ofOverwritePrompt);
    ui->FileAnswers.push_back("out.fw");
    ASSERT_TRUE(d.Execute());
    ASSERT_EQ(ui->Calls.size(), 1u);
    EXPECT_EQ(ui->Calls[0].Kind, "SaveFile");
    EXPECT_TRUE(ui->FileRequests[0].OverwritePrompt);
    EXPECT_TRUE(ui->FileRequests[0].HideReadOnly) << "a default option";
    EXPECT_FALSE(ui->FileRequests[0].FileMustExist);
    EXPECT_EQ(d.FileName, "out.fw");
    EXPECT_FALSE(d.Execute()) << "no answer prepared: cancelled";
    EXPECT_EQ(d.FileName, "out.fw");
}

TEST(FileDialogs, PictureDialogOffersBitmapsAndIconsAndStoresOnlyAnotherFilter) {
    RegisterMenuAndDialogClasses();
    TModalUIScope ui;
    TForm form(nullptr);
    auto* pictures = new TOpenPictureDialog(&form);
    pictures->SetName("Pictures");
    ui->FileAnswers.push_back("logo.ico");
    ASSERT_TRUE(pictures->Execute());
    EXPECT_EQ(ui->Calls[0].Kind, "OpenFile");
    const std::string& filter = ui->FileRequests[0].Filter;
    EXPECT_NE(filter.find("*.bmp"), std::string::npos);
    EXPECT_NE(filter.find("*.ico"), std::string::npos);
    EXPECT_EQ(fwtest::FindValue(Store(&form), "Filter"), -1) << "the default filter is not stored";

    pictures->Filter = "Icons (*.ico)|*.ico";
    fwtest::Bytes bytes = Store(&form);
    TForm copy(nullptr);
    Load(bytes, &copy);
    auto* read = dynamic_cast<TOpenPictureDialog*>(copy.FindComponent("Pictures"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Filter, "Icons (*.ico)|*.ico");
}

TEST(FileDialogs, SettingsAreStoredWithTheForm) {
    RegisterMenuAndDialogClasses();
    TForm form(nullptr);
    auto* open = new TOpenDialog(&form);
    open->SetName("OpenDialog1");
    open->Title = "Pick";
    open->Filter = "A|*.a";
    open->FilterIndex = 3;
    open->DefaultExt = "a";
    open->InitialDir = "D:\\";
    open->FileName = "x.a";
    open->Options = TOpenOptions{ofAllowMultiSelect, ofCreatePrompt};
    auto* save = new TSaveDialog(&form);
    save->SetName("SaveDialog1");
    fwtest::Bytes bytes = Store(&form);
    TForm copy(nullptr);
    Load(bytes, &copy);
    auto* o = dynamic_cast<TOpenDialog*>(copy.FindComponent("OpenDialog1"));
    auto* s = dynamic_cast<TSaveDialog*>(copy.FindComponent("SaveDialog1"));
    ASSERT_NE(o, nullptr);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(o->Title, "Pick");
    EXPECT_EQ(o->Filter, "A|*.a");
    EXPECT_EQ(o->FilterIndex, 3);
    EXPECT_EQ(o->DefaultExt, "a");
    EXPECT_EQ(o->InitialDir, "D:\\");
    EXPECT_EQ(o->FileName, "x.a");
    EXPECT_EQ(o->Options, (TOpenOptions{ofAllowMultiSelect, ofCreatePrompt}));
    EXPECT_EQ(s->Options, (TOpenOptions{ofHideReadOnly, ofEnableSizing}));
    EXPECT_EQ(s->FilterIndex, 1);
}

TEST(ColorDialogs, OffersItsColourAndTakesTheChosenOne) {
    TModalUIScope ui;
    TColorDialog d(nullptr);
    d.Color = clNavy;
    ui->ColorAnswers.push_back(0x123456);
    ASSERT_TRUE(d.Execute());
    ASSERT_EQ(ui->Calls.size(), 1u);
    EXPECT_EQ(ui->Calls[0].Kind, "ChooseColor");
    EXPECT_EQ(ui->Calls[0].Text, std::to_string(clNavy));
    EXPECT_EQ(d.Color, 0x123456);
    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(d.Color, 0x123456) << "cancelled";
    // A system colour is offered as the RGB value it stands for.
    d.Color = clBtnFace;
    ui->ColorAnswers.push_back(0);
    d.Execute();
    EXPECT_EQ(ui->Calls.back().Text, std::to_string(ColorToRGB(clBtnFace)));
}

TEST(FontDialogs, OffersItsFontAndTakesTheChosenOne) {
    TModalUIScope ui;
    TFontDialog d(nullptr);
    d.Font()->SetName("Courier New");
    d.Font()->SetHeight(-16);
    d.Font()->SetStyle(TFontStyles{fsItalic});
    d.Font()->SetColor(clRed);
    int changes = 0;
    d.Font()->OnChange = [&](TObject*) { ++changes; };
    TFontData answer;
    answer.Name = "Arial";
    answer.Height = -20;
    answer.Bold = true;
    answer.Underline = true;
    answer.Color = clBlue;
    answer.Charset = 0;
    ui->FontAnswers.push_back(answer);
    ASSERT_TRUE(d.Execute());
    const TFontData& offered = ui->FontRequests.at(0);
    EXPECT_EQ(offered.Name, "Courier New");
    EXPECT_EQ(offered.Height, -16);
    EXPECT_TRUE(offered.Italic);
    EXPECT_FALSE(offered.Bold);
    EXPECT_EQ(offered.Color, clRed);
    EXPECT_EQ(d.Font()->Name(), "Arial");
    EXPECT_EQ(d.Font()->Height(), -20);
    EXPECT_EQ(d.Font()->Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(d.Font()->Color(), clBlue);
    EXPECT_EQ(d.Font()->Charset(), 0);
    EXPECT_EQ(changes, 1) << "one change notice for the whole answer";

    EXPECT_FALSE(d.Execute());
    EXPECT_EQ(d.Font()->Name(), "Arial") << "cancelled";
    EXPECT_EQ(changes, 1);

    // A system colour the user left alone stays a system colour.
    d.Font()->SetColor(clWindowText);
    TFontData same = answer;
    same.Color = static_cast<int32_t>(ColorToRGB(clWindowText));
    ui->FontAnswers.push_back(same);
    ASSERT_TRUE(d.Execute());
    EXPECT_EQ(d.Font()->Color(), clWindowText);
}

TEST(FontDialogs, TheFontIsStoredWithTheForm) {
    RegisterMenuAndDialogClasses();
    TForm form(nullptr);
    auto* d = new TFontDialog(&form);
    d->SetName("FontDialog1");
    d->Font()->SetName("Verdana");
    d->Font()->SetStyle(TFontStyles{fsBold});
    auto* c = new TColorDialog(&form);
    c->SetName("ColorDialog1");
    c->Color = clTeal;
    fwtest::Bytes bytes = Store(&form);
    TForm copy(nullptr);
    Load(bytes, &copy);
    auto* readFont = dynamic_cast<TFontDialog*>(copy.FindComponent("FontDialog1"));
    auto* readColor = dynamic_cast<TColorDialog*>(copy.FindComponent("ColorDialog1"));
    ASSERT_NE(readFont, nullptr);
    ASSERT_NE(readColor, nullptr);
    EXPECT_EQ(readFont->Font()->Name(), "Verdana");
    EXPECT_EQ(readFont->Font()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(readColor->Color, clTeal);
}

TEST(MessageDialogs, ButtonsAndKindChooseTheBoxAndTheAnswerIsAModalResult) {
    TModalUIScope ui;
    ui->BoxAnswers = {IDYES, IDCANCEL, IDRETRY, IDOK, IDIGNORE, IDNO};
    EXPECT_EQ(MessageDlg("Save changes?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo, mbCancel}), mrYes);
    EXPECT_EQ(MessageDlg("Really?", mtWarning, TMsgDlgButtons{mbOK, mbCancel}), mrCancel);
    EXPECT_EQ(MessageDlg("Disk busy", mtError, TMsgDlgButtons{mbRetry, mbCancel}), mrRetry);
    EXPECT_EQ(MessageDlg("Done", mtInformation, TMsgDlgButtons{mbOK}), mrOk);
    EXPECT_EQ(MessageDlg("Failed", mtCustom, TMsgDlgButtons{mbAbort, mbRetry, mbIgnore}), mrIgnore);
    EXPECT_EQ(MessageDlg("Keep?", mtConfirmation, TMsgDlgButtons{mbYes, mbNo}), mrNo);
    ASSERT_EQ(ui->Calls.size(), 6u);
    EXPECT_EQ(ui->Calls[0].Text, "Save changes?");
    EXPECT_EQ(ui->Calls[0].Caption, "Confirm");
    EXPECT_EQ(ui->Calls[0].Flags, unsigned(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(ui->Calls[1].Flags, unsigned(MB_OKCANCEL | MB_ICONWARNING));
    EXPECT_EQ(ui->Calls[1].Caption, "Warning");
    EXPECT_EQ(ui->Calls[2].Flags, unsigned(MB_RETRYCANCEL | MB_ICONERROR));
    EXPECT_EQ(ui->Calls[3].Flags, unsigned(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(ui->Calls[4].Flags, unsigned(MB_ABORTRETRYIGNORE));
    EXPECT_EQ(ui->Calls[4].Caption, Application().Title());
    EXPECT_EQ(ui->Calls[5].Flags, unsigned(MB_YESNO | MB_ICONQUESTION));
}
