// Page controls: pages and the tab strip stay in step, only the active page
// shows, pages and what they hold survive streams and new windows, and the
// design hit test lets presses reach the tabs that are not selected.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/PageControl.h"

using namespace ctltest;

namespace {

using PageControlTest = ShownForm;

struct ThreePages {
    TPageControl* pc;
    TTabSheet* pages[3];
};

ThreePages MakeThree(ShownForm& f) {
    ThreePages t{};
    t.pc = f.Make<TPageControl>("PageControl1");
    t.pc->SetBounds(10, 10, 300, 200);
    const char* captions[] = {"First", "Second", "Third"};
    for (int i = 0; i < 3; ++i) {
        t.pages[i] = f.Make<TTabSheet>("TabSheet" + std::to_string(i + 1), t.pc);
        t.pages[i]->SetCaption(captions[i]);
    }
    return t;
}

int TabCount(TPageControl* pc) { return static_cast<int>(SendMessageW(pc->Handle(), TCM_GETITEMCOUNT, 0, 0)); }

std::wstring TabText(TPageControl* pc, int i) {
    wchar_t buf[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buf;
    item.cchTextMax = 64;
    SendMessageW(pc->Handle(), TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    return buf;
}

POINT TabCentre(TPageControl* pc, int i) {
    RECT r{};
    SendMessageW(pc->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

TEST_F(PageControlTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    ThreePages t = MakeThree(*this);
    Make<TEdit>("Edit1", t.pages[1]);
    EXPECT_TRUE(IsWindowVisible(t.pc->Handle()));
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 5) << "tab control, three pages, an edit";
    for (TTabSheet* p : t.pages) EXPECT_EQ(GetParent(p->Handle()), t.pc->Handle());
    delete t.pc;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before) << "pages and their controls went with it";
    EXPECT_EQ(form->FindComponent("TabSheet2"), nullptr);
}

TEST_F(PageControlTest, TheStripFollowsThePagesAndOnlyTheActivePageShows) {
    ThreePages t = MakeThree(*this);
    EXPECT_EQ(t.pc->ActivePage(), t.pages[0]) << "the first page added is shown";
    ASSERT_EQ(TabCount(t.pc), 3);
    EXPECT_EQ(TabText(t.pc, 2), L"Third");
    t.pc->SetActivePage(t.pages[2]);
    EXPECT_EQ(SendMessageW(t.pc->Handle(), TCM_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(IsWindowVisible(t.pages[2]->Handle()));
    EXPECT_FALSE(IsWindowVisible(t.pages[0]->Handle()));
    RECT display = t.pc->DisplayRect();
    EXPECT_EQ(t.pages[2]->Left(), display.left);
    EXPECT_EQ(t.pages[2]->Width(), display.right - display.left);
    EXPECT_GT(display.top, 0) << "below the tabs";

    t.pages[1]->SetTabVisible(false);
    EXPECT_EQ(TabCount(t.pc), 2);
    EXPECT_EQ(t.pages[2]->TabIndex(), 1);
    EXPECT_EQ(SendMessageW(t.pc->Handle(), TCM_GETCURSEL, 0, 0), 1) << "the active tab moved with it";
    t.pages[1]->SetTabVisible(true);
    t.pages[0]->SetPageIndex(2);
    EXPECT_EQ(t.pc->Pages(2), t.pages[0]);
    EXPECT_EQ(TabText(t.pc, 2), L"First");
    t.pages[0]->SetCaption("Renamed");
    EXPECT_EQ(TabText(t.pc, 2), L"Renamed");

    delete t.pages[2];
    EXPECT_EQ(t.pc->PageCount(), 2);
    EXPECT_NE(t.pc->ActivePage(), nullptr) << "a neighbour takes the deleted page's place";
    EXPECT_EQ(TabCount(t.pc), 2);
}

TEST_F(PageControlTest, PressingATabChangesThePageUnlessRefused) {
    ThreePages t = MakeThree(*this);
    int changes = 0;
    bool allow = false;
    t.pc->OnChanging.Bind([&](TObject*, bool& a) { a = allow; });
    t.pc->OnChange.Bind([&](TObject*) { ++changes; });
    POINT p = TabCentre(t.pc, 1);
    SendMessageW(t.pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p.x, p.y));
    SendMessageW(t.pc->Handle(), WM_LBUTTONUP, 0, PointToLParam(p.x, p.y));
    EXPECT_EQ(t.pc->ActivePage(), t.pages[0]) << "refused";
    EXPECT_EQ(changes, 0);
    allow = true;
    SendMessageW(t.pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p.x, p.y));
    SendMessageW(t.pc->Handle(), WM_LBUTTONUP, 0, PointToLParam(p.x, p.y));
    EXPECT_EQ(t.pc->ActivePage(), t.pages[1]);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(IsWindowVisible(t.pages[1]->Handle()));
    EXPECT_FALSE(IsWindowVisible(t.pages[0]->Handle()));
}

TEST_F(PageControlTest, DesignHitTestAnswersOnTabsThatAreNotSelected) {
    ThreePages t = MakeThree(*this);
    t.pc->SetActivePage(t.pages[1]);
    auto ask = [&](POINT p) { return t.pc->Perform(CM_DESIGNHITTEST, 0, PointToLParam(p.x, p.y)); };
    EXPECT_EQ(ask(TabCentre(t.pc, 0)), 1);
    EXPECT_EQ(ask(TabCentre(t.pc, 2)), 1);
    EXPECT_EQ(ask(TabCentre(t.pc, 1)), 0) << "the active tab";
    RECT d = t.pc->DisplayRect();
    EXPECT_EQ(ask({(d.left + d.right) / 2, (d.top + d.bottom) / 2}), 0) << "the page area";
    RECT last{};
    SendMessageW(t.pc->Handle(), TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(ask({last.right + 10, (last.top + last.bottom) / 2}), 0) << "the strip beyond the tabs";
}

TEST_F(PageControlTest, ThreePagesAndTheirControlsSurviveAStream) {
    ThreePages t = MakeThree(*this);
    auto* edit = Make<TEdit>("Edit1", t.pages[2]);
    edit->SetText("inside");
    auto* button = Make<TButton>("Button1", t.pages[0]);
    t.pages[1]->SetImageIndex(4);
    t.pages[2]->SetTabVisible(false);
    t.pc->SetActivePage(t.pages[1]);
    std::unique_ptr<TForm> other;
    TPageControl* copy = RoundTrip(t.pc, form, other);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->PageCount(), 3);
    EXPECT_EQ(copy->Pages(0)->Name(), "TabSheet1");
    EXPECT_EQ(copy->Pages(2)->Caption(), "Third");
    EXPECT_EQ(copy->Pages(1)->ImageIndex(), 4);
    EXPECT_FALSE(copy->Pages(2)->TabVisible());
    EXPECT_EQ(copy->ActivePage(), copy->Pages(1));
    EXPECT_TRUE(IsWindowVisible(copy->Pages(1)->Handle()));
    EXPECT_FALSE(IsWindowVisible(copy->Pages(0)->Handle()));
    EXPECT_EQ(TabCount(copy), 2);
    auto* editCopy = dynamic_cast<TEdit*>(other->FindComponent("Edit1"));
    ASSERT_NE(editCopy, nullptr);
    EXPECT_EQ(editCopy->Parent(), copy->Pages(2));
    EXPECT_EQ(editCopy->GetText(), "inside");
    auto* buttonCopy = dynamic_cast<TButton*>(other->FindComponent("Button1"));
    ASSERT_NE(buttonCopy, nullptr);
    EXPECT_EQ(buttonCopy->Parent(), copy->Pages(0));
    (void)button;
}

TEST_F(PageControlTest, OwnPropertiesRoundTripAndDefaultsAreNotStored) {
    auto* pc = Make<TPageControl>("PageControl1");
    EXPECT_EQ(StoredNames(Store(pc, form)), kWindowedDefaults);
    auto* sheet = Make<TTabSheet>("TabSheet1", pc);
    std::set<std::string> sheetNames = StoredNames(Store(sheet, form));
    EXPECT_FALSE(sheetNames.count("Visible"));
    EXPECT_FALSE(sheetNames.count("PageIndex"));
    EXPECT_FALSE(sheetNames.count("TabVisible"));
    EXPECT_FALSE(sheetNames.count("ImageIndex"));
    pc->SetHotTrack(true);
    pc->SetMultiLine(true);
    pc->SetStyle(tsFlatButtons);
    pc->SetTabHeight(22);
    pc->SetTabPosition(tpBottom);
    pc->SetTabWidth(70);
    pc->SetTabStop(false);
    std::set<std::string> names = StoredNames(Store(pc, form));
    for (const char* n : {"ActivePage", "HotTrack", "MultiLine", "Style", "TabHeight", "TabPosition", "TabWidth",
                          "TabStop"})
        EXPECT_TRUE(names.count(n)) << n;
    std::unique_ptr<TForm> other;
    TPageControl* copy = RoundTrip(pc, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Style(), tsFlatButtons);
    EXPECT_EQ(copy->TabPosition(), tpBottom);
    EXPECT_EQ(copy->TabWidth(), 70);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(copy->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & TCS_BOTTOM);
    EXPECT_TRUE(style & TCS_FLATBUTTONS);
    EXPECT_TRUE(style & TCS_FIXEDWIDTH);
    RECT tab{};
    SendMessageW(copy->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    EXPECT_EQ(tab.bottom - tab.top, 22);
}

TEST_F(PageControlTest, NewWindowsKeepPagesTheirControlsAndValues) {
    ThreePages t = MakeThree(*this);
    auto* edit = Make<TEdit>("Edit1", t.pages[1]);
    edit->SetText("kept");
    t.pc->SetActivePage(t.pages[1]);
    t.pc->SetTabHeight(25);
    HWND old = t.pc->Handle();
    t.pc->SetTabPosition(tpLeft);
    t.pc->SetMultiLine(true);
    t.pc->SetStyle(tsButtons);
    t.pc->SetHotTrack(true);
    EXPECT_NE(t.pc->Handle(), old);
    EXPECT_TRUE(GetWindowLongPtrW(t.pc->Handle(), GWL_STYLE) & TCS_VERTICAL);
    EXPECT_EQ(TabCount(t.pc), 3);
    EXPECT_EQ(SendMessageW(t.pc->Handle(), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(t.pc->ActivePage(), t.pages[1]);
    EXPECT_EQ(t.pc->TabHeight(), 25);
    EXPECT_EQ(edit->Parent(), t.pages[1]);
    EXPECT_EQ(GetParent(edit->Handle()), t.pages[1]->Handle());
    EXPECT_EQ(edit->GetText(), "kept");
    EXPECT_TRUE(IsWindowVisible(edit->Handle()));
    EXPECT_GT(t.pc->DisplayRect().left, 0) << "tabs on the left";
    EXPECT_EQ(t.pages[1]->Left(), t.pc->DisplayRect().left);
}

TEST_F(PageControlTest, APageMovesToAnotherPageControlWithItsControls) {
    ThreePages t = MakeThree(*this);
    auto* other = Make<TPageControl>("PageControl2");
    other->SetBounds(320, 10, 180, 150);
    auto* edit = Make<TEdit>("Edit1", t.pages[0]);
    t.pages[0]->SetPageControl(other);
    EXPECT_EQ(t.pages[0]->PageControl(), other);
    EXPECT_EQ(t.pc->PageCount(), 2);
    EXPECT_EQ(TabCount(t.pc), 2);
    EXPECT_EQ(t.pc->ActivePage(), t.pages[1]) << "the neighbour is shown";
    EXPECT_EQ(other->ActivePage(), t.pages[0]);
    EXPECT_EQ(TabCount(other), 1);
    EXPECT_EQ(GetParent(edit->Handle()), t.pages[0]->Handle());
    EXPECT_EQ(GetParent(t.pages[0]->Handle()), other->Handle());
    delete other;
    EXPECT_EQ(form->FindComponent("Edit1"), nullptr);
    EXPECT_EQ(t.pc->PageCount(), 2);
}
