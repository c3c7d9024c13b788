// Rich edits: the lines are the window's text, changes are reported, the
// window's settings follow the properties, new windows keep the text, and
// only what differs from the defaults is stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/RichEdit.h"

#include <richedit.h>

using namespace ctltest;

using RichEditTest = ShownForm;

TEST_F(RichEditTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* re = Make<TRichEdit>("RichEdit1");
    EXPECT_TRUE(IsWindowVisible(re->Handle()));
    EXPECT_EQ(SendMessageW(re->Handle(), EM_GETTEXTMODE, 0, 0) & TM_RICHTEXT, TM_RICHTEXT) << "a rich text window";
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    re->SetScrollBars(ssVertical);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    delete re;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(RichEditTest, LinesChangesAndTheWindowsSettings) {
    auto* re = Make<TRichEdit>("RichEdit1");
    int changes = 0;
    re->OnChange.Bind([&](TObject*) { ++changes; });
    re->Lines()->Add("Dpst_TR");
    re->Lines()->Add("ichEdit");
    ASSERT_EQ(re->Lines()->Count(), 2);
    EXPECT_EQ(re->Lines()->Get(0), "Dpst_TR");
    EXPECT_EQ(re->Lines()->Get(1), "ichEdit");
    EXPECT_GE(changes, 1) << "the window reports changes";
    SendMessageW(re->Handle(), EM_SETSEL, 0, 0);
    SendMessageW(re->Handle(), WM_CHAR, 'x', 1);
    EXPECT_EQ(re->Lines()->Get(0), "xDpst_TR") << "typed at the caret";

    re->SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongPtrW(re->Handle(), GWL_STYLE) & ES_READONLY);
    re->SetHideSelection(false);
    EXPECT_TRUE(GetWindowLongPtrW(re->Handle(), GWL_STYLE) & ES_NOHIDESEL);
    re->SetPlainText(true);
    EXPECT_EQ(SendMessageW(re->Handle(), EM_GETTEXTMODE, 0, 0) & TM_PLAINTEXT, TM_PLAINTEXT);
    EXPECT_EQ(re->Lines()->Count(), 2) << "the text came through the new text mode";
    re->SetMaxLength(0);
    EXPECT_GT(SendMessageW(re->Handle(), EM_GETLIMITTEXT, 0, 0), 100000) << "no limit is a large one";
}

TEST_F(RichEditTest, NewWindowsKeepTheLinesAndValues) {
    auto* re = Make<TRichEdit>("RichEdit1");
    re->Lines()->Add("one");
    re->Lines()->Add("two");
    re->SetReadOnly(true);
    HWND old = re->Handle();
    re->SetWordWrap(false);
    re->SetScrollBars(ssBoth);
    re->SetHideSelection(false);
    EXPECT_NE(re->Handle(), old);
    EXPECT_EQ(re->Lines()->Count(), 2);
    EXPECT_EQ(re->Lines()->Get(1), "two");
    EXPECT_TRUE(re->ReadOnly());
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(re->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & ES_READONLY);
}

TEST_F(RichEditTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    auto* re = Make<TRichEdit>("RichEdit1");
    EXPECT_EQ(StoredNames(Store(re, form)), kWindowedDefaults);
    re->Lines()->Add("Dpst_TR");
    re->Lines()->Add("ichEdit");
    re->SetAlignment(taCenter);
    re->SetHideSelection(false);
    re->SetMaxLength(500);
    re->SetPlainText(true);
    re->SetReadOnly(true);
    re->SetScrollBars(ssVertical);
    re->SetWordWrap(false);
    std::set<std::string> names = StoredNames(Store(re, form));
    for (const char* n : {"Lines.Strings", "Alignment", "HideSelection", "MaxLength", "PlainText", "ReadOnly",
                          "ScrollBars", "WordWrap"})
        EXPECT_TRUE(names.count(n)) << n;
    std::unique_ptr<TForm> other;
    TRichEdit* copy = RoundTrip(re, form, other);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->Lines()->Count(), 2);
    EXPECT_EQ(copy->Lines()->Get(0), "Dpst_TR");
    EXPECT_EQ(copy->Lines()->Get(1), "ichEdit");
    EXPECT_TRUE(copy->PlainText());
    EXPECT_EQ(copy->MaxLength(), 500);
}
