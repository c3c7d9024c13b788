// Hooking agents: which windows the walk hooks for each cover answer, inner
// windows made transparent, procedures given back, a re-created window hooked
// again, orphaned agents freed only by the posted notice, and cursors.
#include "designer/EngineTestSupport.h"

#include <functional>

using namespace dsntest;

namespace {

struct AgentTest : TEngineFixture {
    TPanel* panel = nullptr;
    TButton* inPanel = nullptr;
    TEdit* edit = nullptr;
    TPanel* hidden = nullptr;
    TButton* inHidden = nullptr;
    TComboBox* combo = nullptr;
    void SetUp() override {
        TEngineFixture::SetUp();
        panel = Put<TPanel>("Panel1", 8, 8, 160, 100);
        inPanel = Put<TButton>("Button1", 8, 8, 75, 25, panel);
        edit = Put<TEdit>("Edit1", 200, 8, 100, 21);
        hidden = Put<TPanel>("Panel2", 8, 120, 160, 60);
        inHidden = Put<TButton>("Button2", 8, 8, 75, 25, hidden);
        combo = Put<TComboBox>("ComboBox1", 200, 120, 120, 21);
        PumpPending();
    }
};

} // namespace

TEST_F(AgentTest, TheWalkFollowsTheCoverAnswers) {
    stage->OnCoverQuery.Bind([&](TObject*, TComponent* c, TCoverAccept& cover) {
        if (c == panel) cover = caChildrenAccept;
        if (c == hidden) cover = caNoAccept;
    });
    WNDPROC editBefore = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit->Handle(), GWLP_WNDPROC));
    DesignOn();
    EXPECT_NE(AgentOf(stage), nullptr) << "the stage is a design control too";
    EXPECT_EQ(AgentOf(panel), nullptr) << "children only";
    EXPECT_NE(AgentOf(inPanel), nullptr);
    EXPECT_NE(AgentOf(edit), nullptr);
    EXPECT_EQ(AgentOf(hidden), nullptr);
    EXPECT_EQ(AgentOf(inHidden), nullptr) << "nothing inside a refused control";
    EXPECT_EQ(reg->Agents()->Count(), 4); // stage, button, edit, combo
    // The combo box's edit window is an inner window: transparent.
    HWND inner = GetWindow(combo->Handle(), GW_CHILD);
    ASSERT_NE(inner, nullptr);
    EXPECT_NE(dynamic_cast<TChildAgent*>(TAgent::AgentOf(inner)), nullptr);
    EXPECT_EQ(SendMessageW(inner, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_NCHITTEST, 0, 0), HTCLIENT) << "borders count as client area";
    // Off again: every procedure is the one before.
    reg->SetDesignMode(false);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(edit->Handle(), GWLP_WNDPROC)), editBefore);
    EXPECT_EQ(TAgent::AgentOf(inner), nullptr);
    EXPECT_EQ(AgentOf(stage), nullptr);
    EXPECT_EQ(reg->Agents()->Count(), 0);
}

TEST_F(AgentTest, TheArrowShowsWhileTheUsersCursorIsKept) {
    edit->SetCursor(crHandPoint);
    DesignOn();
    EXPECT_EQ(edit->EffectiveCursor(), crArrow);
    EXPECT_EQ(inPanel->EffectiveCursor(), crArrow);
    EXPECT_EQ(edit->Cursor(), crHandPoint) << "the stored cursor is the user's";
    reg->SetDesignMode(false);
    EXPECT_EQ(edit->EffectiveCursor(), crHandPoint);
    EXPECT_EQ(inPanel->EffectiveCursor(), crDefault);
}

TEST_F(AgentTest, ARecreatedWindowIsHookedAgain) {
    DesignOn();
    TDsnCtrl* agent = AgentOf(combo);
    ASSERT_NE(agent, nullptr);
    HWND before = combo->Handle();
    combo->RecreateWnd();
    HWND after = combo->Handle();
    ASSERT_NE(before, after);
    PumpPending();
    EXPECT_EQ(AgentOf(combo), agent) << "the same agent hooks the new window";
    HWND inner = GetWindow(after, GW_CHILD);
    EXPECT_NE(dynamic_cast<TChildAgent*>(TAgent::AgentOf(inner)), nullptr) << "and its inner windows";
    EXPECT_EQ(reg->Agents()->Count(), 7); // every windowed control and the stage
}

TEST_F(AgentTest, AFreedControlsAgentGoesOnlyWithThePostedNotice) {
    DesignOn();
    TDsnCtrl* agent = AgentOf(edit);
    ASSERT_TRUE(TDsnCtrl::IsLive(agent));
    int before = reg->Agents()->Count();
    delete edit;
    EXPECT_EQ(reg->Agents()->Count(), before - 1) << "out of the list at once";
    EXPECT_TRUE(TDsnCtrl::IsLive(agent)) << "but alive until the notice is handled";
    EXPECT_TRUE(agent->Orphaned());
    PumpUntil([&] { return !TDsnCtrl::IsLive(agent); });
    EXPECT_FALSE(TDsnCtrl::IsLive(agent));
}

TEST_F(AgentTest, ANoticeForAnAgentFreedMeanwhileIsIgnored) {
    DesignOn();
    TDsnCtrl* agent = AgentOf(combo);
    combo->RecreateWnd();           // posts the re-hook notice
    reg->SetDesignMode(false);      // frees the agent before it arrives
    EXPECT_FALSE(TDsnCtrl::IsLive(agent));
    PumpPending();                  // the notice finds nothing to touch
    EXPECT_EQ(TAgent::AgentOf(combo->Handle()), nullptr);
}

namespace {
WNDPROC gUnderTop = nullptr;
LRESULT CALLBACK TopProc(HWND h, UINT msg, WPARAM w, LPARAM l) { return CallWindowProcW(gUnderTop, h, msg, w, l); }

HWND PlainButton(HWND parent) {
    return CreateWindowExW(0, L"BUTTON", L"plain", WS_CHILD | BS_PUSHBUTTON, 0, 0, 40, 20, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}
} // namespace

// An agent freed under someone else's hook stays in the chain and passes
// every message on; an agent whose window went first leaves nothing behind
// that a later window with the same handle could meet.
TEST_F(AgentTest, AnAgentUnderAnotherHookPassesOnAndAGoneWindowLeavesNoTrace) {
    HWND w = PlainButton(stage->Handle());
    auto* agent = new TChildAgent(w);
    EXPECT_EQ(SendMessageW(w, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    gUnderTop = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TopProc)));
    delete agent;
    EXPECT_EQ(TAgent::AgentOf(w), nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(w, GWLP_WNDPROC)), &TopProc) << "the top hook stays";
    EXPECT_NE(SendMessageW(w, WM_NCHITTEST, 0, 0), HTTRANSPARENT) << "the button answers again";
    SetWindowTextW(w, L"passed");
    wchar_t text[16] = {};
    GetWindowTextW(w, text, 16);
    EXPECT_STREQ(text, L"passed");
    DestroyWindow(w);

    HWND gone = PlainButton(stage->Handle());
    auto* orphan = new TChildAgent(gone);
    DestroyWindow(gone);
    EXPECT_EQ(TAgent::AgentOf(gone), nullptr) << "the table forgets a destroyed window";
    delete orphan; // its window is gone: nothing to give back
    HWND next = PlainButton(stage->Handle());
    TChildAgent again(next);
    EXPECT_EQ(TAgent::AgentOf(next), &again);
    DestroyWindow(next);
}

// The snapshot the hooking walk lists windows from answers as the window
// system does, child by child, for every window of the design.
TEST_F(AgentTest, TheWindowTreeListsEachWindowsChildrenInStackOrder) {
    TWindowTree tree(stage->Handle());
    int windowsSeen = 0;
    std::function<void(HWND)> compare = [&](HWND parent) {
        std::vector<HWND> asked;
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) asked.push_back(h);
        const std::vector<HWND>* listed = tree.Find(parent);
        ASSERT_NE(listed, nullptr);
        EXPECT_EQ(*listed, asked);
        for (HWND h : asked) {
            ++windowsSeen;
            compare(h);
        }
    };
    compare(stage->Handle());
    EXPECT_GE(windowsSeen, 7) << "the six controls and the combo box's inner window";
    EXPECT_EQ(tree.Find(form->Handle()), nullptr) << "nothing above the root";
}
