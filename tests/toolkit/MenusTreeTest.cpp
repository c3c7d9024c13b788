// Menu item trees: editing them with radio groups, a form's menus stored with
// their nested items and read back, and items moving between menus with the
// HMENUs following.
#include "MenusTestUtil.h"
#include "support/StreamHelpers.h"
#include "support/TestUtil.h"
#include "toolkit/win/menus/MenuAndDialogClasses.h"

#include <gtest/gtest.h>

using namespace fw;
using fwtest::NewItem;

namespace {

// One line per item, indented by depth: the stored properties and the name
// of the handler OnClick is bound to.
void Dump(const TMenuItem* parent, const TComponent* root, std::string& out, int depth = 0) {
    for (int i = 0; i < parent->Count(); ++i) {
        const TMenuItem* m = parent->Items(i);
        for (std::string v : {m->Name(), m->Caption(), std::to_string(m->ShortCut()), std::to_string(m->Tag()),
                              std::to_string(m->Enabled() + 2 * m->Checked() + 4 * m->Visible() + 8 * m->RadioItem()),
                              std::to_string(m->GroupIndex()), m->Hint(), root->ClassInfo().MethodName(m->OnClick.Code)})
            out += std::string(depth, ' ') + v + "|";
        out += "\n";
        Dump(m, root, out, depth + 1);
    }
}

std::string Dump(const TMenu* menu, const TComponent* root) {
    std::string out;
    Dump(menu->Items(), root, out);
    return out;
}

std::wstring Text(HMENU menu, int pos) {
    wchar_t buf[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(pos), buf, 64, MF_BYPOSITION);
    return buf;
}

} // namespace

TEST(MenuTree, ItemsAreInsertedRemovedAndFreedAsATree) {
    TComponent owner(nullptr);
    auto* file = NewItem(&owner, nullptr, "File");
    auto* open = NewItem(&owner, file, "Open", "Open");
    auto* exit = NewItem(&owner, file, "Exit", "Exit");
    file->Insert(1, NewItem(&owner, nullptr, "-"));
    EXPECT_TRUE(file->Items(1)->IsLine());
    EXPECT_EQ(exit->MenuIndex(), 2);
    EXPECT_EQ(fwtest::MessageOf([&] { file->Items(3); }), "Menu index out of range (3)");
    EXPECT_EQ(fwtest::MessageOf([&] { open->Add(file); }), "A menu item cannot contain itself");
    EXPECT_EQ(file->Parent(), nullptr) << "a refused insertion changes nothing";
    // Remove hands the item back with its sub-items; Delete frees them all.
    NewItem(&owner, open, "Recent", "Recent");
    file->Remove(open);
    EXPECT_EQ(open->Parent(), nullptr);
    EXPECT_EQ(open->Items(0)->Name(), "Recent");
    file->Add(open);
    file->Delete(2);
    EXPECT_EQ(owner.FindComponent("Recent"), nullptr);
    uint16_t id = exit->Command();
    EXPECT_EQ(TMenuItem::FindByCommand(id), exit);
    file->Clear();
    EXPECT_EQ(owner.FindComponent("Exit"), nullptr);
    EXPECT_NE(TMenuItem::FindByCommand(id), exit) << "the id went with the item";
    // Radio items of one group check one another out; auto-check never unchecks them.
    TMenuItem* radios[3] = {NewItem(&owner, file, "S"), NewItem(&owner, file, "L"), NewItem(&owner, file, "")};
    radios[2]->SetGroupIndex(2);
    for (TMenuItem* m : radios) m->SetRadioItem(true), m->SetChecked(true), m->SetAutoCheck(true);
    EXPECT_TRUE(!radios[0]->Checked() && radios[1]->Checked() && radios[2]->Checked());
    radios[0]->Click();
    radios[0]->Click();
    EXPECT_TRUE(radios[0]->Checked() && !radios[1]->Checked());
}

TEST(MenuStream, AFormStoresItsMenusWithNestedItemsAndReadsThemBack) {
    RegisterMenuAndDialogClasses();
    fwtest::Bytes bytes;
    std::string written;
    {
        fwtest::THandlerForm form(nullptr);
        auto* menu = new TMainMenu(&form);
        menu->SetName("MainMenu1");
        auto* file = NewItem(&form, menu->Items(), "&File", "File1");
        auto* open = NewItem(&form, file, "&Open...", "Open1");
        open->SetShortCut(TextToShortCut("Shift+F10"));
        open->SetTag(5);
        open->SetHint("Opens a design");
        open->OnClick = form.HandlerMethod();
        NewItem(&form, file, "-", "N1");
        NewItem(&form, NewItem(&form, file, "Recent", "Recent1"), "first.fw", "First1")->SetVisible(false);
        NewItem(&form, file, "Close", "Close1")->SetEnabled(false);
        auto* grid = NewItem(&form, NewItem(&form, menu->Items(), "&View", "View1"), "Grid", "Grid1");
        grid->SetRadioItem(true);
        grid->SetGroupIndex(3);
        grid->SetChecked(true);
        form.SetMenu(menu);
        auto* popup = new TPopupMenu(&form);
        popup->SetName("PopupMenu1");
        popup->SetAutoPopup(false);
        NewItem(&form, popup->Items(), "Cu&t", "Cut1");
        written = Dump(menu, &form) + Dump(popup, &form);
        bytes = fwtest::Store(&form);
    }
    EXPECT_TRUE(fwtest::HasAt(bytes, fwtest::FindValue(bytes, "ShortCut"), {3, 0x79, 0x20})) << "8313, a number";
    fwtest::THandlerForm form(nullptr);
    fwtest::Load(bytes, &form);
    auto* menu = dynamic_cast<TMainMenu*>(form.FindComponent("MainMenu1"));
    auto* popup = dynamic_cast<TPopupMenu*>(form.FindComponent("PopupMenu1"));
    ASSERT_TRUE(menu && popup);
    EXPECT_EQ(Dump(menu, &form) + Dump(popup, &form), written);
    EXPECT_EQ(form.Menu(), menu);
    EXPECT_FALSE(popup->AutoPopup());
    TMenuItem* open = menu->Items()->Items(0)->Items(0);
    EXPECT_EQ(open->GetParentComponent(), menu->Items()->Items(0));
    EXPECT_EQ(open->Parent()->GetParentComponent(), menu);
    open->Click();
    EXPECT_EQ(form.LastSender, open) << "bound to the reading form's method";
}

TEST(MenuMove, AnItemMovesToAnotherMenuWithItsSubItemsAndBothHandlesFollow) {
    RegisterMenuAndDialogClasses();
    TForm form(nullptr);
    auto* bar = new TMainMenu(&form);
    auto* popup = new TPopupMenu(&form);
    popup->SetName("Popup");
    auto* file = NewItem(&form, bar->Items(), "File", "File");
    NewItem(&form, file, "Open", "Open");
    auto* recent = NewItem(&form, file, "Recent", "Recent");
    auto* a = NewItem(&form, recent, "a.fw", "A");
    NewItem(&form, recent, "b.fw", "B");
    HMENU barHandle = bar->Handle(), popupHandle = popup->Handle();
    popup->Items()->Add(recent); // leaves its parent first
    EXPECT_EQ(file->Count(), 1);
    EXPECT_EQ(recent->GetParentMenu(), popup);
    EXPECT_EQ(recent->Items(0), a);
    EXPECT_EQ(bar->Handle(), barHandle) << "the top handle a window may show stays";
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(barHandle, 0)), 1);
    ASSERT_EQ(GetMenuItemCount(popupHandle), 1);
    EXPECT_EQ(GetSubMenu(popupHandle, 0), recent->Handle());
    EXPECT_EQ(Text(recent->Handle(), 1), L"b.fw");
    EXPECT_EQ(bar->FindItem(a->Command()), nullptr);
    EXPECT_EQ(popup->FindItem(a->Command()), a);
    // Stored where it is now.
    TForm copy(nullptr);
    fwtest::Load(fwtest::Store(&form), &copy);
    EXPECT_EQ(Dump(dynamic_cast<TMenu*>(copy.FindComponent("Popup")), &copy), Dump(popup, &form));
    // Freeing a menu frees its items; freeing an item takes it off its menu.
    delete bar;
    EXPECT_EQ(form.FindComponent("Open"), nullptr);
    delete a;
    EXPECT_EQ(GetMenuItemCount(recent->Handle()), 1);
}
