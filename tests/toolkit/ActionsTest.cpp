// Shortcut text, action lists stored with a form, and shortcuts run from the
// message loop: once per press with the key used up, disabled actions passed
// over, the main form and the main menu reached.
#include "MenusTestUtil.h"
#include "support/StreamHelpers.h"
#include "toolkit/win/menus/ActnList.h"
#include "toolkit/win/menus/MenuAndDialogClasses.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

TAction* NewAction(TComponent* owner, TActionList* list, TShortCut shortCut, int* runs = nullptr) {
    auto* a = new TAction(owner);
    a->SetActionList(list);
    a->SetShortCut(shortCut);
    if (runs) a->OnExecute.Bind([runs](TObject*) { ++*runs; });
    return a;
}

struct ActionLoopFixture : ::testing::Test {
    TForm* form = new TForm(nullptr);
    TActionList* list = new TActionList(form);
    std::vector<int32_t> keysSeen; // keys that reached the form itself
    const TShortCut shiftF10 = ShortCut(VK_F10, TShiftState{ssShift});
    void SetUp() override {
        form->OnKeyDown.Bind([this](TObject*, int32_t& key, TShiftState) { keysSeen.push_back(key); });
        form->Show();
    }
    void TearDown() override { delete form; }
    void Press(WPARAM key) {
        PostMessageW(form->Handle(), WM_KEYDOWN, key, 1);
        Application().ProcessMessages();
    }
};

} // namespace

TEST(ShortCutText, NumbersTextAndBackAgain) {
    EXPECT_EQ(ShortCut(VK_F10, TShiftState{ssShift, ssLeft}), 8313);
    EXPECT_EQ(ShortCutToText(8313), "Shift+F10");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | scAlt | VK_RETURN), "Shift+Ctrl+Alt+Enter");
    EXPECT_EQ(TextToShortCut("Ctrl+C"), 0x4043);
    EXPECT_EQ(TextToShortCut("alt+CTRL+del"), scAlt | scCtrl | VK_DELETE);
    for (const char* bad : {"", "Ctrl+", "Hyper+X", "Ctrl+Nope", "F25", "Ctrl+C+", "CtrlC"})
        EXPECT_EQ(TextToShortCut(bad), 0) << bad;
    int named = 0;
    for (int key = 1; key <= 0xFE; ++key)
        for (TShortCut mods : {0, scShift, scCtrl | scAlt, scShift | scCtrl | scAlt}) {
            std::string text = ShortCutToText(mods | key);
            if (text.empty()) continue;
            ++named;
            EXPECT_EQ(TextToShortCut(text), mods | key) << text;
        }
    EXPECT_EQ(named, 4 * (26 + 10 + 24 + 10 + 31)) << "letters, digits, F keys, number pad, named keys";
}

TEST(ActionLists, AFormStoresItsListsWithTheirActionsAndReadsThemBack) {
    RegisterMenuAndDialogClasses();
    fwtest::Bytes bytes;
    {
        fwtest::THandlerForm form(nullptr);
        auto* list = new TActionList(&form);
        list->SetName("ActionList1");
        auto* save = NewAction(&form, list, TextToShortCut("Shift+F10"));
        save->SetName("SaveAction");
        save->SetCaption("&Save");
        save->OnExecute = form.HandlerMethod();
        auto* quit = NewAction(&form, list, 0);
        quit->SetName("QuitAction");
        quit->SetEnabled(false);
        quit->SetTag(9);
        bytes = fwtest::Store(&form);
    }
    EXPECT_TRUE(fwtest::HasAt(bytes, fwtest::FindValue(bytes, "ShortCut"), {3, 0x79, 0x20})) << "8313, a number";
    fwtest::THandlerForm form(nullptr);
    fwtest::Load(bytes, &form);
    auto* list = dynamic_cast<TActionList*>(form.FindComponent("ActionList1"));
    ASSERT_TRUE(list && list->ActionCount() == 2);
    TAction *save = list->Actions(0), *quit = list->Actions(1);
    EXPECT_EQ(save->Name() + save->Caption(), "SaveAction&Save");
    EXPECT_EQ(save->ShortCut(), 8313);
    EXPECT_EQ(save->GetParentComponent(), list);
    EXPECT_EQ(quit->Name() + std::to_string(quit->Enabled()) + std::to_string(quit->Tag()), "QuitAction09");
    EXPECT_TRUE(save->Execute());
    EXPECT_EQ(form.LastSender, save) << "bound to the reading form's method";
    // An action moves between lists, and a list's end leaves it in none.
    auto* other = new TActionList(&form);
    save->SetActionList(other);
    EXPECT_EQ(list->Actions(0), quit);
    delete other;
    EXPECT_EQ(save->ActionList(), nullptr);
}

TEST_F(ActionLoopFixture, AShortCutRunsTheFirstEnabledActionOnceAndUsesTheKey) {
    int disabledRuns = 0, runs = 0, laterRuns = 0;
    NewAction(form, list, shiftF10, &disabledRuns)->SetEnabled(false);
    NewAction(form, list, shiftF10, &runs);
    NewAction(form, list, shiftF10, &laterRuns);
    {
        fwtest::THeldKeys shift{VK_SHIFT};
        Press(VK_F10);
    }
    EXPECT_EQ((std::vector<int>{disabledRuns, runs, laterRuns}), (std::vector<int>{0, 1, 0}));
    EXPECT_TRUE(keysSeen.empty()) << "the form never saw the key";
    Press(VK_F10); // without Shift: another shortcut, the form's key
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(keysSeen, std::vector<int32_t>{VK_F10});
}

TEST_F(ActionLoopFixture, ActionsRunOnlyWhileTheirFormIsActiveMenusOnTheMainFormToo) {
    TForm main(nullptr); // never shown, so never active
    int mainRuns = 0, clicks = 0, formRuns = 0;
    NewAction(&main, new TActionList(&main), ShortCut('S', TShiftState{ssCtrl}), &mainRuns);
    NewAction(form, list, shiftF10, &formRuns);
    auto* bar = new TMainMenu(&main);
    auto* file = fwtest::NewItem(&main, bar->Items(), "File");
    auto* print = fwtest::NewItem(&main, file, "Print");
    print->SetShortCut(TextToShortCut("Ctrl+P"));
    print->OnClick.Bind([&](TObject*) { ++clicks; });
    main.SetMenu(bar);
    Application().SetMainForm(&main);
    {
        fwtest::THeldKeys ctrl{VK_CONTROL};
        Press('S');
        EXPECT_EQ(mainRuns, 0) << "the main form is not the active window";
        Press('P');
        file->SetEnabled(false); // out of reach with its parent
        Press('P');
        EXPECT_EQ(clicks, 1) << "the main form's menu answers";
    }
    // Another window is active: the form's own action list is silent too.
    TForm other(nullptr);
    other.Show();
    SetActiveWindow(other.Handle());
    Application().ProcessMessages();
    {
        fwtest::THeldKeys shift{VK_SHIFT};
        Press(VK_F10);
        EXPECT_EQ(formRuns, 0);
        SetActiveWindow(form->Handle());
        Application().ProcessMessages();
        Press(VK_F10);
        EXPECT_EQ(formRuns, 1);
    }
    Application().SetMainForm(nullptr);
    EXPECT_EQ(keysSeen, (std::vector<int32_t>{'S', 'P', VK_F10}));
}
