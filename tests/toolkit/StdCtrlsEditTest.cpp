// Edit boxes and memos on the system's edit window: typing reports changes,
// the text and the lines live on when the window is re-created for a new
// style, the window gets the object's settings, and what is stored is only
// what differs from the defaults.
#include "StdCtrlsTestSupport.h"

using namespace stdtest;

namespace {

void Type(HWND h, const std::wstring& text) {
    for (wchar_t ch : text) SendMessageW(h, WM_CHAR, ch, 1);
}

} // namespace

using EditTest = ShownForm;

TEST_F(EditTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* edit = Make<TEdit>("Edit1");
    auto* memo = Make<TMemo>("Memo1");
    EXPECT_TRUE(IsWindowVisible(edit->Handle()));
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 2);
    memo->SetScrollBars(ssBoth);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 2) << "the old window went with the new style";
    delete edit;
    delete memo;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(EditTest, TypingFiresOnChangeAndTheTextSurvivesANewWindow) {
    auto* edit = Make<TEdit>("Edit1");
    std::vector<std::string> seen;
    edit->OnChange.Bind([&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        seen.push_back(edit->GetText());
    });
    Type(edit->Handle(), L"ab\u00e9");
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab", "ab\xc3\xa9"}));
    edit->SetText("set");
    EXPECT_EQ(seen.back(), "set") << "a change from the program is a change too";
    HWND old = edit->Handle();
    edit->RecreateWnd();
    EXPECT_NE(edit->Handle(), old);
    EXPECT_EQ(edit->GetText(), "set");
    size_t before = seen.size();
    edit->RecreateWnd();
    EXPECT_EQ(seen.size(), before) << "a new window is no change";
}

TEST_F(EditTest, TheWindowTakesTheSettings) {
    auto* edit = Make<TEdit>("Edit1");
    edit->SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_READONLY);
    Type(edit->Handle(), L"x");
    EXPECT_EQ(edit->GetText(), "") << "read-only";
    edit->SetReadOnly(false);
    edit->SetMaxLength(3);
    Type(edit->Handle(), L"12345");
    EXPECT_EQ(edit->GetText(), "123");
    edit->SetPasswordChar('*');
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
    edit->SetCharCase(ecUpperCase);
    edit->SetMaxLength(0);
    EXPECT_EQ(SendMessageW(edit->Handle(), EM_GETPASSWORDCHAR, 0, 0), '*') << "kept in the new window";
    edit->SetText("abc");
    edit->SetCharCase(ecLowerCase);
    edit->SetCharCase(ecUpperCase);
    EXPECT_EQ(edit->GetText(), "ABC") << "the text is converted";
    Type(edit->Handle(), L"d");
    EXPECT_EQ(edit->GetText().size(), 4u);
    EXPECT_TRUE(GetWindowLongPtrW(edit->Handle(), GWL_STYLE) & ES_UPPERCASE);
    edit->SelectAll();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 4);
    edit->SetBorderStyle(bsNone);
    EXPECT_FALSE(GetWindowLongPtrW(edit->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(EditTest, EditPropertiesAndTheirDefaults) {
    auto* edit = Make<TEdit>("Edit1");
    EXPECT_EQ(StoredNames(Store(edit, form)),
              (std::set<std::string>{"Left", "Top", "Width", "Height", "TabOrder"}));
    edit->SetAutoSelect(false);
    edit->SetBorderStyle(bsNone);
    edit->SetCharCase(ecLowerCase);
    edit->SetColor(clInfoBk);
    edit->SetMaxLength(12);
    edit->SetPasswordChar('#');
    edit->SetReadOnly(true);
    edit->SetTabStop(false);
    edit->SetText("secret");
    std::set<std::string> names = StoredNames(Store(edit, form));
    for (const char* name : {"AutoSelect", "BorderStyle", "CharCase", "Color", "MaxLength", "PasswordChar",
                             "ReadOnly", "TabStop", "Text"})
        EXPECT_TRUE(names.count(name)) << name;
    std::unique_ptr<TForm> other;
    TEdit* copy = RoundTrip(edit, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->PasswordChar(), '#');
    EXPECT_EQ(copy->GetText(), "secret");
    EXPECT_TRUE(copy->ReadOnly());
    EXPECT_TRUE(GetWindowLongPtrW(copy->Handle(), GWL_STYLE) & ES_READONLY);
}

using MemoTest = ShownForm;

TEST_F(MemoTest, LinesAreTheTextWithOrWithoutAWindow) {
    TMemo loose(nullptr);
    loose.Lines()->Add("one");
    loose.Lines()->Add("two");
    EXPECT_FALSE(loose.HandleAllocated());
    EXPECT_EQ(loose.GetText(), "one\r\ntwo");
    auto* memo = Make<TMemo>("Memo1");
    memo->Lines()->Assign(loose.Lines());
    EXPECT_EQ(memo->GetText(), "one\r\ntwo");
    memo->Lines()->Insert(1, "middle");
    memo->Lines()->Delete(0);
    memo->Lines()->Put(1, "last");
    EXPECT_EQ(memo->Lines()->Text(), "middle\r\nlast\r\n");
    memo->SetText("a\nb\r\n");
    ASSERT_EQ(memo->Lines()->Count(), 3) << "a break at the end starts an empty line";
    EXPECT_EQ(memo->Lines()->Get(1), "b");
    EXPECT_EQ(memo->Lines()->Get(2), "");
    EXPECT_THROW(memo->Lines()->Get(3), EStringListError);
    memo->Lines()->Clear();
    EXPECT_EQ(memo->GetText(), "");
}

TEST_F(MemoTest, ANewStyleKeepsTheObjectAndItsValues) {
    auto* memo = Make<TMemo>("Memo1");
    memo->SetBounds(5, 5, 200, 100);
    memo->Lines()->SetText("first\r\nsecond\r\n");
    memo->SetReadOnly(true);
    memo->SetMaxLength(500);
    int changes = 0;
    memo->OnChange.Bind([&](TObject*) { ++changes; });
    HWND old = memo->Handle();
    memo->SetScrollBars(ssVertical);
    EXPECT_NE(memo->Handle(), old);
    EXPECT_EQ(TWinControl::FindControl(memo->Handle()), memo);
    LONG_PTR style = GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_TRUE(style & ES_READONLY);
    EXPECT_FALSE(style & ES_AUTOHSCROLL) << "it wraps";
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Get(1), "second");
    EXPECT_EQ(SendMessageW(memo->Handle(), EM_GETLIMITTEXT, 0, 0), 500);
    old = memo->Handle();
    memo->SetWordWrap(false);
    memo->SetScrollBars(ssBoth);
    style = GetWindowLongPtrW(memo->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(style & ES_AUTOHSCROLL);
    EXPECT_EQ(memo->Lines()->Get(0), "first");
    EXPECT_EQ(memo->Left(), 5);
    EXPECT_EQ(memo->Width(), 200);
    EXPECT_EQ(changes, 0);
    memo->SetAlignment(taCenter);
    EXPECT_TRUE(GetWindowLongPtrW(memo->Handle(), GWL_STYLE) & ES_CENTER);
}

TEST_F(MemoTest, TabsAndReturnsAreTypedOnlyWhenWanted) {
    auto* memo = Make<TMemo>("Memo1");
    Type(memo->Handle(), L"a\tb\rc");
    EXPECT_EQ(memo->GetText(), "ab\r\nc") << "no tab by default";
    memo->Lines()->Clear();
    memo->SetWantTabs(true);
    memo->SetWantReturns(false);
    Type(memo->Handle(), L"a\tb\rc");
    EXPECT_EQ(memo->GetText(), "a\tbc");
}

TEST_F(MemoTest, MemoPropertiesAndTheirDefaults) {
    auto* memo = Make<TMemo>("Memo1");
    EXPECT_EQ(StoredNames(Store(memo, form)),
              (std::set<std::string>{"Left", "Top", "Width", "Height", "TabOrder"}));
    memo->SetAlignment(taRightJustify);
    memo->SetBorderStyle(bsNone);
    memo->SetCharCase(ecUpperCase);
    memo->Lines()->SetText("ONE\r\nTWO\r\n");
    memo->SetMaxLength(100);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssBoth);
    memo->SetWantReturns(false);
    memo->SetWantTabs(true);
    memo->SetWordWrap(false);
    std::set<std::string> names = StoredNames(Store(memo, form));
    for (const char* name : {"Alignment", "BorderStyle", "CharCase", "Lines.Strings", "MaxLength", "ReadOnly",
                             "ScrollBars", "WantReturns", "WantTabs", "WordWrap"})
        EXPECT_TRUE(names.count(name)) << name;
    EXPECT_FALSE(names.count("Text")) << "the lines hold it";
    std::unique_ptr<TForm> other;
    TMemo* copy = RoundTrip(memo, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Lines()->Count(), 2);
    EXPECT_EQ(copy->ScrollBars(), ssBoth);
    EXPECT_FALSE(copy->WordWrap());
}
