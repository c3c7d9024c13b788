// Actions: lists and their actions stored as a form's children, and shortcuts
// run from the message loop: once per key press, the key used up, disabled
// actions passed over, the main form's actions reached from another form, a
// main menu's items reached like actions, and failures reported.
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/ActnList.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/MenuAndDialogClasses.h"
#include "toolkit/win/Menus.h"
#include "toolkit/win/ModalUI.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace fw;

namespace {

class TActionForm : public TForm {
    FW_CLASS(TActionForm)
    using TForm::TForm;
    int Saved = 0;
    void SaveExecute(TObject*) { ++Saved; }
};

} // namespace

const TClassInfo& TActionForm::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TActionForm, TForm>().Method("SaveExecute", &TActionForm::SaveExecute).Build();
    return info;
}

namespace {

// Holds keys down in the thread's keyboard state (what GetKeyState reads)
// for its lifetime.
class THeldKeys {
public:
    explicit THeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(FSaved);
        BYTE state[256];
        std::memcpy(state, FSaved, sizeof state);
        for (int k : keys) state[k] = 0x80;
        SetKeyboardState(state);
    }
    ~THeldKeys() { SetKeyboardState(FSaved); }

private:
    BYTE FSaved[256];
};

void PressKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    Application().ProcessMessages();
}

TAction* NewAction(TComponent* owner, TActionList* list, TShortCut shortCut, int* runs) {
    auto* a = new TAction(owner);
    a->SetActionList(list);
    a->SetShortCut(shortCut);
    if (runs) a->OnExecute.Bind([runs](TObject*) { ++*runs; });
    return a;
}

struct ActionLoopFixture : ::testing::Test {
    TForm* form = nullptr;
    TActionList* list = nullptr;
    std::vector<int32_t> keysSeen; // keys that reached the form itself
    const TShortCut shiftF10 = ShortCut(VK_F10, TShiftState{ssShift});
    void SetUp() override {
        Application().Initialize();
        form = new TForm(nullptr);
        form->SetBounds(80, 80, 300, 200);
        list = new TActionList(form);
        form->OnKeyDown.Bind([this](TObject*, int32_t& key, TShiftState) { keysSeen.push_back(key); });
        form->Show();
        Application().ProcessMessages();
    }
    void TearDown() override {
        delete form;
        Application().ProcessMessages();
    }
};

} // namespace

TEST_F(ActionLoopFixture, AShortCutRunsItsActionOnceAndUsesTheKey) {
    int runs = 0;
    NewAction(form, list, shiftF10, &runs);
    {
        THeldKeys shift{VK_SHIFT};
        PressKey(form->Handle(), VK_F10);
    }
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(keysSeen.empty()) << "the form never saw the key";
    // F10 without Shift is another shortcut: the form gets the key.
    PressKey(form->Handle(), VK_F10);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(keysSeen, std::vector<int32_t>{VK_F10});
}

TEST_F(ActionLoopFixture, TheFirstEnabledActionWithTheShortCutRuns) {
    int disabledRuns = 0, secondRuns = 0, thirdRuns = 0;
    NewAction(form, list, shiftF10, &disabledRuns)->SetEnabled(false);
    NewAction(form, list, shiftF10, &secondRuns);
    NewAction(form, list, shiftF10, &thirdRuns);
    THeldKeys shift{VK_SHIFT};
    PressKey(form->Handle(), VK_F10);
    EXPECT_EQ(disabledRuns, 0);
    EXPECT_EQ(secondRuns, 1);
    EXPECT_EQ(thirdRuns, 0);
    // With none enabled the key goes on to the form.
    for (int i = 0; i < list->ActionCount(); ++i) list->Actions(i)->SetEnabled(false);
    PressKey(form->Handle(), VK_F10);
    EXPECT_EQ(secondRuns, 1);
    EXPECT_EQ(keysSeen, std::vector<int32_t>{VK_F10});
}

TEST_F(ActionLoopFixture, TheMainFormsActionsAnswerKeysOfOtherForms) {
    int runs = 0;
    // Never shown, so never the active window: reached as the main form only.
    auto* main = new TForm(nullptr);
    auto* mainList = new TActionList(main);
    NewAction(main, mainList, ShortCut('S', TShiftState{ssCtrl}), &runs);
    struct TRestoreMain {
        ~TRestoreMain() { Application().SetMainForm(nullptr); }
    } restore;
    THeldKeys ctrl{VK_CONTROL};
    PressKey(form->Handle(), 'S');
    EXPECT_EQ(runs, 0);
    Application().SetMainForm(main);
    PressKey(form->Handle(), 'S');
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(keysSeen, std::vector<int32_t>{'S'}) << "only the first press reached the form";
    // The form's own action comes first.
    int ownRuns = 0;
    NewAction(form, list, ShortCut('S', TShiftState{ssCtrl}), &ownRuns);
    PressKey(form->Handle(), 'S');
    EXPECT_EQ(ownRuns, 1);
    EXPECT_EQ(runs, 1);
    delete main;
}

TEST_F(ActionLoopFixture, MainMenuItemsAnswerTheirShortCuts) {
    auto* bar = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("File");
    bar->Items()->Add(file);
    auto* save = new TMenuItem(form);
    save->SetCaption("Save");
    save->SetShortCut(TextToShortCut("Ctrl+S"));
    file->Add(save);
    int clicks = 0;
    save->OnClick.Bind([&](TObject*) { ++clicks; });
    form->SetMenu(bar);
    THeldKeys ctrl{VK_CONTROL};
    PressKey(form->Handle(), 'S');
    EXPECT_EQ(clicks, 1);
    file->SetEnabled(false); // out of the user's reach with its parent
    PressKey(form->Handle(), 'S');
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(keysSeen, std::vector<int32_t>{'S'});
}

TEST_F(ActionLoopFixture, AFailingActionIsReportedAndTheLoopGoesOn) {
    TModalUIScope ui;
    int runs = 0;
    auto* failing = NewAction(form, list, shiftF10, nullptr);
    failing->OnExecute.Bind([&](TObject*) {
        ++runs;
        throw Exception("Cannot save");
    });
    THeldKeys shift{VK_SHIFT};
    PressKey(form->Handle(), VK_F10);
    PressKey(form->Handle(), VK_F10);
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(ui->Calls.size(), 2u);
    EXPECT_EQ(ui->Calls[0].Text, "Cannot save");
    EXPECT_TRUE(keysSeen.empty());
}

TEST(ActionLists, AnActionBelongsToOneListAtATime) {
    TComponent owner(nullptr);
    auto* one = new TActionList(&owner);
    auto* two = new TActionList(&owner);
    auto* a = NewAction(&owner, one, 0, nullptr);
    auto* b = NewAction(&owner, one, 0, nullptr);
    EXPECT_EQ(a->Index(), 0);
    EXPECT_EQ(b->Index(), 1);
    a->SetActionList(two);
    EXPECT_EQ(one->ActionCount(), 1);
    EXPECT_EQ(one->Actions(0), b);
    EXPECT_EQ(two->Actions(0), a);
    EXPECT_EQ(b->Index(), 0);
    delete b;
    EXPECT_EQ(one->ActionCount(), 0);
    delete two;
    EXPECT_EQ(a->ActionList(), nullptr);
    EXPECT_EQ(a->Index(), -1);
    // Execute runs only an enabled action with a handler.
    int runs = 0;
    EXPECT_FALSE(a->Execute());
    a->OnExecute.Bind([&](TObject*) { ++runs; });
    a->SetEnabled(false);
    EXPECT_FALSE(a->Execute());
    a->SetEnabled(true);
    EXPECT_TRUE(a->Execute());
    EXPECT_EQ(runs, 1);
}

TEST(ActionLists, AFormStoresItsListsWithTheirActionsAndReadsThemBack) {
    RegisterMenuAndDialogClasses();
    fwtest::Bytes bytes;
    {
        TActionForm form(nullptr);
        auto* list = new TActionList(&form);
        list->SetName("ActionList1");
        auto* save = NewAction(&form, list, TextToShortCut("Shift+F10"), nullptr);
        save->SetName("SaveAction");
        save->SetCaption("&Save");
        save->SetHint("Saves the design");
        save->OnExecute = TMethod{form.ClassInfo().FindMethod("SaveExecute"), &form};
        auto* quit = NewAction(&form, list, 0, nullptr);
        quit->SetName("QuitAction");
        quit->SetEnabled(false);
        quit->SetTag(9);
        TMemoryStream s;
        {
            TWriter w(s);
            w.WriteRootComponent(&form);
        }
        bytes = s.Bytes();
    }
    EXPECT_TRUE(fwtest::HasAt(bytes, fwtest::FindValue(bytes, "ShortCut"), {3, 0x79, 0x20}))
        << "8313 stored as a 16-bit number";
    TActionForm form(nullptr);
    TMemoryStream s(bytes);
    TReader r(s);
    r.ReadRootComponent(&form);
    auto* list = dynamic_cast<TActionList*>(form.FindComponent("ActionList1"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->ActionCount(), 2);
    TAction* save = list->Actions(0);
    TAction* quit = list->Actions(1);
    EXPECT_EQ(save->Name(), "SaveAction");
    EXPECT_EQ(save->Caption(), "&Save");
    EXPECT_EQ(save->Hint(), "Saves the design");
    EXPECT_EQ(save->ShortCut(), 8313);
    EXPECT_EQ(save->GetParentComponent(), list);
    EXPECT_EQ(save->Owner(), &form);
    EXPECT_EQ(quit->Name(), "QuitAction");
    EXPECT_FALSE(quit->Enabled());
    EXPECT_EQ(quit->Tag(), 9);
    EXPECT_TRUE(save->Execute());
    EXPECT_EQ(form.Saved, 1) << "bound to the reading form's method";
}
