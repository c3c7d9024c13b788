// Menus on real windows under Wine: a form's menu bar shows the item tree and
// follows its changes, WM_COMMAND of a bar entry clicks the item, popup menus
// fire OnPopup and click the entry chosen, and a control's context menu
// request shows its popup menu. Menus are tracked modally by the window
// system; every test that shows one queues the keys that close it first,
// with a timer that ends any menu still open as a last resort.
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/Application.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/Menus.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

class TPanelBox : public TCustomControl {
    FW_CLASS(TPanelBox)
    using TCustomControl::TCustomControl;
};

class TSpot : public TGraphicControl {
    FW_CLASS(TSpot)
    using TGraphicControl::TGraphicControl;
};

} // namespace

const TClassInfo& TPanelBox::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPanelBox, TCustomControl>().Build();
    return info;
}
const TClassInfo& TSpot::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TSpot, TGraphicControl>().Build();
    return info;
}

namespace {

TMenuItem* NewItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

MENUITEMINFOW Info(HMENU menu, int pos) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mii));
    return mii;
}

std::wstring Text(HMENU menu, int pos) {
    wchar_t buf[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(pos), buf, 128, MF_BYPOSITION);
    return buf;
}

// Ends a menu left open by a test that went wrong, so no run can hang.
class TMenuWatchdog {
public:
    TMenuWatchdog() { FTimer = SetTimer(nullptr, 0, 3000, &Fire); }
    ~TMenuWatchdog() { KillTimer(nullptr, FTimer); }
    static inline bool Fired = false;

private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR, DWORD) {
        Application().Guard([] {
            Fired = true;
            EndMenu();
        });
    }
    UINT_PTR FTimer;
};

void QueueKeys(HWND target, std::initializer_list<WPARAM> keys) {
    for (WPARAM k : keys) PostMessageW(target, WM_KEYDOWN, k, 1);
}

struct MenuWindowFixture : ::testing::Test {
    TForm* form = nullptr;
    TMainMenu* bar = nullptr;
    TMenuItem* file = nullptr;
    TMenuItem* open = nullptr;
    TMenuItem* save = nullptr;
    void SetUp() override {
        Application().Initialize();
        form = new TForm(nullptr);
        form->SetBounds(60, 60, 400, 300);
        bar = new TMainMenu(form);
        file = NewItem(form, bar->Items(), "&File");
        open = NewItem(form, file, "&Open");
        open->SetShortCut(TextToShortCut("Ctrl+O"));
        NewItem(form, file, "-");
        save = NewItem(form, file, "&Save");
        form->SetMenu(bar);
        form->Show();
        Application().ProcessMessages();
    }
    void TearDown() override {
        delete form;
        Application().ProcessMessages();
    }
};

} // namespace

TEST_F(MenuWindowFixture, TheFormShowsTheBarBuiltFromTheItems) {
    HMENU shown = GetMenu(form->Handle());
    ASSERT_EQ(shown, bar->Handle());
    ASSERT_EQ(GetMenuItemCount(shown), 1);
    EXPECT_EQ(Text(shown, 0), L"&File");
    HMENU sub = GetSubMenu(shown, 0);
    ASSERT_EQ(sub, file->Handle());
    ASSERT_EQ(GetMenuItemCount(sub), 3);
    EXPECT_EQ(Text(sub, 0), L"&Open\tCtrl+O");
    EXPECT_TRUE(Info(sub, 1).fType & MFT_SEPARATOR);
    EXPECT_EQ(Info(sub, 2).wID, save->Command());
    EXPECT_EQ(Info(sub, 2).fState & (MFS_CHECKED | MFS_GRAYED), 0u);

    // Every change shows at once, in the same bar.
    save->SetChecked(true);
    open->SetEnabled(false);
    open->SetCaption("&Open...");
    sub = GetSubMenu(shown, 0);
    EXPECT_TRUE(Info(sub, 2).fState & MFS_CHECKED);
    EXPECT_TRUE(Info(sub, 0).fState & MFS_GRAYED);
    EXPECT_EQ(Text(sub, 0), L"&Open...\tCtrl+O");
    save->SetRadioItem(true);
    EXPECT_TRUE(Info(sub = GetSubMenu(shown, 0), 2).fType & MFT_RADIOCHECK);
    open->SetVisible(false);
    sub = GetSubMenu(shown, 0);
    ASSERT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_TRUE(Info(sub, 0).fType & MFT_SEPARATOR);
    EXPECT_EQ(GetMenu(form->Handle()), bar->Handle());
}

TEST_F(MenuWindowFixture, WmCommandFromTheBarClicksTheItem) {
    int clicks = 0;
    TObject* sender = nullptr;
    save->OnClick.Bind([&](TObject* s) {
        ++clicks;
        sender = s;
    });
    // The id the window system reports for the entry, as a user's choice would.
    UINT id = Info(GetSubMenu(GetMenu(form->Handle()), 0), 2).wID;
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, save);
    PostMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Application().ProcessMessages();
    EXPECT_EQ(clicks, 2);
    // A disabled entry cannot be chosen; an id of another menu is not ours.
    save->SetEnabled(false);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(clicks, 2);
    TPopupMenu other(nullptr);
    auto* stranger = NewItem(&other, other.Items(), "Elsewhere");
    int strangerClicks = 0;
    stranger->OnClick.Bind([&](TObject*) { ++strangerClicks; });
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(stranger->Command(), 0), 0);
    EXPECT_EQ(strangerClicks, 0);
}

TEST_F(MenuWindowFixture, TheBarSurvivesRecreationAndGoesWithItsMenu) {
    HMENU handle = bar->Handle();
    HWND old = form->Handle();
    form->SetBorderStyle(bsSingle); // re-creates the window
    ASSERT_NE(form->Handle(), old);
    EXPECT_EQ(GetMenu(form->Handle()), handle);
    EXPECT_TRUE(IsMenu(handle)) << "destroying the old window did not take the menu with it";
    // A menu moves to the form that names it last.
    auto* second = new TForm(nullptr);
    second->SetMenu(bar);
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    EXPECT_EQ(bar->Form(), second);
    delete second;
    EXPECT_EQ(bar->Form(), nullptr);
    form->SetMenu(bar);
    delete bar;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST_F(MenuWindowFixture, PopupFiresOnPopupAndClicksTheChosenItem) {
    TMenuWatchdog watchdog;
    TMenuWatchdog::Fired = false;
    auto* popup = new TPopupMenu(form);
    auto* first = NewItem(form, popup->Items(), "First");
    NewItem(form, popup->Items(), "Second");
    int popups = 0, firstClicks = 0;
    popup->OnPopup.Bind([&](TObject* s) {
        EXPECT_EQ(s, popup);
        ++popups;
    });
    first->OnClick.Bind([&](TObject*) { ++firstClicks; });
    popup->SetPopupComponent(form);

    // Escape: nothing chosen.
    QueueKeys(form->Handle(), {VK_ESCAPE});
    popup->Popup(100, 100);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(firstClicks, 0);

    // Down to the first entry and Enter: chosen.
    QueueKeys(form->Handle(), {VK_DOWN, VK_RETURN});
    popup->Popup(100, 100);
    EXPECT_EQ(popups, 2);
    EXPECT_EQ(firstClicks, 1);

    // OnPopup may change the items before they show.
    popup->OnPopup.Bind([&](TObject*) { first->SetEnabled(false); });
    QueueKeys(form->Handle(), {VK_DOWN, VK_RETURN});
    popup->Popup(100, 100);
    EXPECT_EQ(firstClicks, 1) << "the disabled entry cannot be chosen";
    EXPECT_FALSE(TMenuWatchdog::Fired) << "the queued keys closed every menu";
    Application().ProcessMessages();
}

TEST_F(MenuWindowFixture, AContextMenuRequestShowsTheNearestAutoPopupMenu) {
    TMenuWatchdog watchdog;
    auto* outer = new TPopupMenu(form);
    auto* inner = new TPopupMenu(form);
    NewItem(form, outer->Items(), "Outer item");
    NewItem(form, inner->Items(), "Inner item");
    std::vector<TPopupMenu*> shown;
    outer->OnPopup.Bind([&](TObject*) { shown.push_back(outer); });
    inner->OnPopup.Bind([&](TObject*) { shown.push_back(inner); });
    auto* box = new TPanelBox(form);
    box->SetParent(form);
    box->SetBounds(0, 0, 200, 150);
    auto* spot = new TSpot(form);
    spot->SetParent(box);
    spot->SetBounds(10, 10, 20, 20);
    box->SetPopupMenu(outer);
    spot->SetPopupMenu(inner);
    auto request = [&](POINT client) {
        POINT screen = box->ClientToScreen(client);
        QueueKeys(box->Handle(), {VK_ESCAPE});
        SendMessageW(box->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(box->Handle()),
                     PointToLParam(screen.x, screen.y));
        Application().ProcessMessages(); // an unused Escape must not linger
    };
    request({15, 15}); // over the control without a window
    request({100, 100});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], inner);
    EXPECT_EQ(inner->PopupComponent(), spot);
    EXPECT_EQ(shown[1], outer);
    EXPECT_EQ(outer->PopupComponent(), box);
    // A child without a menu of its own gets its parent's.
    auto* plain = new TPanelBox(form);
    plain->SetParent(box);
    plain->SetBounds(100, 0, 50, 50);
    QueueKeys(plain->Handle(), {VK_ESCAPE});
    SendMessageW(plain->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(plain->Handle()), MAKELPARAM(-1, -1));
    Application().ProcessMessages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(outer->PopupComponent(), plain);
    // A menu that does not pop up by itself answers for its control.
    inner->SetAutoPopup(false);
    request({15, 15});
    EXPECT_EQ(shown.size(), 3u);
    delete spot;
    EXPECT_EQ(inner->PopupComponent(), nullptr) << "the control it was shown for is gone";
}
