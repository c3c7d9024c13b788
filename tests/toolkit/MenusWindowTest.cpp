// Menus on real windows under Wine: the bar follows the item tree, WM_COMMAND
// clicks the item, popups fire OnPopup and click the entry chosen, and a
// context-menu request shows the nearest AutoPopup menu. The window system
// tracks menus modally: each test queues the keys that close the menu before
// showing it, and a timer ends any menu left open, so no run can hang.
#include "MenusTestUtil.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

using namespace fw;
using fwtest::NewItem;

namespace {

class TSpot : public TGraphicControl {
    FW_CLASS(TSpot)
    using TGraphicControl::TGraphicControl;
};

} // namespace

const TClassInfo& TSpot::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TSpot, TGraphicControl>().Build();
    return info;
}

namespace {

MENUITEMINFOW Info(HMENU menu, int pos) {
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
    EXPECT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mii));
    return mii;
}

std::wstring Text(HMENU menu, int pos) {
    wchar_t buf[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(pos), buf, 64, MF_BYPOSITION);
    return buf;
}

void CALLBACK EndStuckMenu(HWND, UINT, UINT_PTR, DWORD) {
    Application().Guard([] { ADD_FAILURE() << "a menu stayed open"; EndMenu(); });
}

void QueueKeys(HWND target, std::initializer_list<WPARAM> keys) {
    for (WPARAM k : keys) PostMessageW(target, WM_KEYDOWN, k, 1);
}

struct MenuWindowFixture : ::testing::Test {
    TForm* form = new TForm(nullptr);
    TMainMenu* bar = new TMainMenu(form);
    TMenuItem* file = NewItem(form, bar->Items(), "&File");
    TMenuItem* open = NewItem(form, file, "&Open");
    TMenuItem* save = NewItem(form, file, "&Save");
    UINT_PTR watchdog = SetTimer(nullptr, 0, 3000, &EndStuckMenu);
    void SetUp() override {
        file->Insert(1, NewItem(form, nullptr, "-"));
        open->SetShortCut(TextToShortCut("Ctrl+O"));
        form->SetMenu(bar);
        form->Show();
    }
    void TearDown() override {
        KillTimer(nullptr, watchdog);
        delete form;
        Application().ProcessMessages();
    }
};

} // namespace

TEST_F(MenuWindowFixture, TheBarShowsTheItemsAndEveryChange) {
    HMENU shown = GetMenu(form->Handle());
    ASSERT_EQ(shown, bar->Handle());
    EXPECT_EQ(Text(shown, 0), L"&File");
    HMENU sub = GetSubMenu(shown, 0);
    ASSERT_EQ(GetMenuItemCount(sub), 3);
    EXPECT_EQ(Text(sub, 0), L"&Open\tCtrl+O");
    EXPECT_TRUE(Info(sub, 1).fType & MFT_SEPARATOR);
    EXPECT_EQ(Info(sub, 2).fState & (MFS_CHECKED | MFS_GRAYED), 0u);
    save->SetChecked(true);
    save->SetRadioItem(true);
    open->SetEnabled(false);
    open->SetCaption("&Open...");
    sub = GetSubMenu(shown, 0);
    EXPECT_TRUE((Info(sub, 2).fState & MFS_CHECKED) && (Info(sub, 2).fType & MFT_RADIOCHECK));
    EXPECT_TRUE(Info(sub, 0).fState & MFS_GRAYED);
    EXPECT_EQ(Text(sub, 0), L"&Open...\tCtrl+O");
    open->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(shown, 0)), 2);
    // Re-creating the window keeps the bar; it moves to the form naming it last.
    form->SetBorderStyle(bsSingle);
    EXPECT_EQ(GetMenu(form->Handle()), shown);
    TForm second(nullptr);
    second.SetMenu(bar);
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
    form->SetMenu(bar);
    delete bar;
    EXPECT_EQ(form->Menu(), nullptr);
    EXPECT_EQ(GetMenu(form->Handle()), nullptr);
}

TEST_F(MenuWindowFixture, WmCommandFromTheBarClicksTheItem) {
    int clicks = 0;
    save->OnClick.Bind([&](TObject* sender) { clicks += sender == save; });
    // The id the window system reports for the entry, as a user's choice would.
    UINT id = Info(GetSubMenu(GetMenu(form->Handle()), 0), 2).wID;
    PostMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Application().ProcessMessages();
    EXPECT_EQ(clicks, 1);
    save->SetEnabled(false);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    TPopupMenu other(nullptr);
    auto* stranger = NewItem(&other, other.Items(), "Elsewhere");
    stranger->OnClick.Bind([&](TObject*) { ++clicks; });
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(stranger->Command(), 0), 0);
    EXPECT_EQ(clicks, 1) << "neither a disabled entry nor another menu's";
}

TEST_F(MenuWindowFixture, PopupFiresOnPopupAndClicksTheChosenItem) {
    auto* popup = new TPopupMenu(form);
    auto* first = NewItem(form, popup->Items(), "First");
    NewItem(form, popup->Items(), "Second");
    int popups = 0, clicks = 0;
    popup->OnPopup.Bind([&](TObject*) { ++popups; });
    first->OnClick.Bind([&](TObject*) { ++clicks; });
    popup->SetPopupComponent(form);
    QueueKeys(form->Handle(), {VK_ESCAPE});
    popup->Popup(100, 100);
    EXPECT_TRUE(popups == 1 && clicks == 0);
    QueueKeys(form->Handle(), {VK_DOWN, VK_RETURN});
    popup->Popup(100, 100);
    EXPECT_EQ(clicks, 1);
    // OnPopup may change the items before they show.
    popup->OnPopup.Bind([&](TObject*) { first->SetEnabled(false); });
    QueueKeys(form->Handle(), {VK_DOWN, VK_RETURN});
    popup->Popup(100, 100);
    EXPECT_EQ(clicks, 1);
}

TEST_F(MenuWindowFixture, AContextMenuRequestShowsTheNearestAutoPopupMenu) {
    auto* outer = new TPopupMenu(form);
    auto* inner = new TPopupMenu(form);
    NewItem(form, outer->Items(), "Outer");
    NewItem(form, inner->Items(), "Inner");
    std::vector<TPopupMenu*> shown;
    outer->OnPopup.Bind([&](TObject*) { shown.push_back(outer); });
    inner->OnPopup.Bind([&](TObject*) { shown.push_back(inner); });
    auto* spot = new TSpot(form);
    spot->SetParent(form);
    spot->SetBounds(10, 10, 20, 20);
    form->SetPopupMenu(outer);
    spot->SetPopupMenu(inner);
    POINT overSpot = form->ClientToScreen({15, 15});
    auto request = [&](LPARAM at) {
        QueueKeys(form->Handle(), {VK_ESCAPE});
        SendMessageW(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), at);
        Application().ProcessMessages(); // no unused Escape lingers
    };
    request(PointToLParam(overSpot.x, overSpot.y));
    request(MAKELPARAM(-1, -1)); // from the keyboard: the form's own
    ASSERT_EQ(shown, (std::vector<TPopupMenu*>{inner, outer}));
    EXPECT_EQ(inner->PopupComponent(), spot);
    EXPECT_EQ(outer->PopupComponent(), form);
    inner->SetAutoPopup(false);
    request(PointToLParam(overSpot.x, overSpot.y));
    EXPECT_EQ(shown.size(), 2u) << "a control's own menu answers for it";
    delete spot;
    EXPECT_EQ(inner->PopupComponent(), nullptr);
}
