// Menu item trees: building and editing them, radio groups, storing a form's
// menus with their nested items and reading them back, and moving items from
// one menu to another with the HMENUs following.
#include "stream/ClassRegistry.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "support/TestUtil.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/Form.h"
#include "toolkit/win/MenuAndDialogClasses.h"
#include "toolkit/win/Menus.h"

#include <gtest/gtest.h>

using namespace fw;

namespace {

// A form class whose published handlers menu items bind to by name.
class TMenuForm : public TForm {
    FW_CLASS(TMenuForm)
    using TForm::TForm;
    int Opened = 0, Closed = 0;
    TObject* LastSender = nullptr;
    void OpenClick(TObject* sender) {
        ++Opened;
        LastSender = sender;
    }
    void CloseClick(TObject*) { ++Closed; }
};

} // namespace

const TClassInfo& TMenuForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMenuForm, TForm>()
                                       .Method("OpenClick", &TMenuForm::OpenClick)
                                       .Method("CloseClick", &TMenuForm::CloseClick)
                                       .Build();
    return info;
}

namespace {

TMenuItem* NewItem(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption) {
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    if (parent) parent->Add(item);
    return item;
}

// One line per item, indented by depth: every stored property and the name
// of the handler its OnClick is bound to.
void Dump(const TMenuItem* parent, const TComponent* root, std::string& out, int depth = 0) {
    for (int i = 0; i < parent->Count(); ++i) {
        const TMenuItem* m = parent->Items(i);
        out += std::string(depth * 2, ' ') + m->Name() + " '" + m->Caption() + "' sc=" + std::to_string(m->ShortCut()) +
               " tag=" + std::to_string(m->Tag()) + " en=" + std::to_string(m->Enabled()) +
               " ck=" + std::to_string(m->Checked()) + " vis=" + std::to_string(m->Visible()) +
               " radio=" + std::to_string(m->RadioItem()) + " grp=" + std::to_string(m->GroupIndex()) +
               " hint='" + m->Hint() + "' click=" + root->ClassInfo().MethodName(m->OnClick.Code) + "\n";
        Dump(m, root, out, depth + 1);
    }
}

std::string Dump(const TMenu* menu, const TComponent* root) {
    std::string out;
    Dump(menu->Items(), root, out);
    return out;
}

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

std::wstring MenuText(HMENU menu, int pos) {
    wchar_t buf[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(pos), buf, 128, MF_BYPOSITION);
    return buf;
}

} // namespace

TEST(MenuTree, ItemsAreAddedInsertedFoundAndRemoved) {
    TComponent owner(nullptr);
    auto* file = NewItem(&owner, nullptr, "File", "&File");
    auto* open = NewItem(&owner, file, "Open", "Open");
    auto* exit = NewItem(&owner, file, "Exit", "Exit");
    auto* line = new TMenuItem(&owner);
    line->SetCaption("-");
    file->Insert(1, line);
    ASSERT_EQ(file->Count(), 3);
    EXPECT_EQ(file->Items(0), open);
    EXPECT_EQ(file->Items(1), line);
    EXPECT_EQ(file->Items(2), exit);
    EXPECT_TRUE(line->IsLine());
    EXPECT_FALSE(open->IsLine());
    EXPECT_EQ(exit->MenuIndex(), 2);
    EXPECT_EQ(exit->Parent(), file);
    EXPECT_EQ(file->IndexOf(exit), 2);
    EXPECT_EQ(fwtest::MessageOf([&] { file->Items(3); }), "Menu index out of range (3)");

    // Remove hands the item back; it keeps its own sub-items.
    auto* sub = NewItem(&owner, open, "Recent", "Recent");
    file->Remove(open);
    EXPECT_EQ(file->Count(), 2);
    EXPECT_EQ(open->Parent(), nullptr);
    EXPECT_EQ(open->Items(0), sub);
    EXPECT_EQ(file->IndexOf(open), -1);

    // Delete frees the item with everything under it.
    file->Add(open);
    EXPECT_EQ(file->IndexOf(open), 2);
    file->Delete(2);
    EXPECT_EQ(owner.FindComponent("Open"), nullptr);
    EXPECT_EQ(owner.FindComponent("Recent"), nullptr);
    EXPECT_EQ(file->Count(), 2);
    file->Clear();
    EXPECT_EQ(file->Count(), 0);
    EXPECT_EQ(owner.FindComponent("Exit"), nullptr);
}

TEST(MenuTree, AnItemCannotContainItselfOrAMenuRoot) {
    TComponent owner(nullptr);
    auto* a = NewItem(&owner, nullptr, "A", "a");
    auto* b = NewItem(&owner, a, "B", "b");
    auto* c = NewItem(&owner, b, "C", "c");
    EXPECT_EQ(fwtest::MessageOf([&] { c->Add(a); }), "A menu item cannot contain itself");
    EXPECT_EQ(fwtest::MessageOf([&] { a->Add(a); }), "A menu item cannot contain itself");
    EXPECT_EQ(c->Parent(), b) << "a refused insertion changes nothing";
    EXPECT_EQ(a->Parent(), nullptr);
    TPopupMenu menu(nullptr);
    EXPECT_EQ(fwtest::MessageOf([&] { a->Add(menu.Items()); }), "The root of a menu cannot be a sub-item");
    EXPECT_EQ(menu.Items()->GetParentMenu(), &menu);
}

TEST(MenuTree, CommandIdsAreUniqueAndFreedWithTheItem) {
    TComponent owner(nullptr);
    auto* a = NewItem(&owner, nullptr, "A", "a");
    auto* b = NewItem(&owner, nullptr, "B", "b");
    EXPECT_NE(a->Command(), b->Command());
    EXPECT_GE(a->Command(), 0x100);
    EXPECT_EQ(TMenuItem::FindByCommand(b->Command()), b);
    uint16_t gone = a->Command();
    delete a;
    EXPECT_EQ(TMenuItem::FindByCommand(gone), nullptr);
}

TEST(MenuTree, RadioItemsOfAGroupCheckOneAnotherOut) {
    TComponent owner(nullptr);
    auto* view = NewItem(&owner, nullptr, "View", "View");
    auto* small = NewItem(&owner, view, "Small", "Small");
    auto* large = NewItem(&owner, view, "Large", "Large");
    auto* other = NewItem(&owner, view, "Other", "Other group");
    auto* plain = NewItem(&owner, view, "Plain", "Not a radio item");
    for (TMenuItem* m : {small, large, other}) m->SetRadioItem(true);
    other->SetGroupIndex(2);
    other->SetChecked(true);
    plain->SetChecked(true);
    small->SetChecked(true);
    large->SetChecked(true);
    EXPECT_FALSE(small->Checked());
    EXPECT_TRUE(large->Checked());
    EXPECT_TRUE(other->Checked()) << "another group";
    EXPECT_TRUE(plain->Checked()) << "not a radio item";
    // Auto-checking: a radio item checks itself, a plain item toggles.
    small->SetAutoCheck(true);
    plain->SetAutoCheck(true);
    int clicks = 0;
    small->OnClick.Bind([&](TObject*) { ++clicks; });
    small->Click();
    EXPECT_TRUE(small->Checked());
    EXPECT_FALSE(large->Checked());
    small->Click();
    EXPECT_TRUE(small->Checked());
    plain->Click();
    EXPECT_FALSE(plain->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST(MenuStream, AFormStoresItsMenusWithNestedItemsAndReadsThemBack) {
    RegisterMenuAndDialogClasses();
    fwtest::Bytes bytes;
    std::string written;
    {
        TMenuForm form(nullptr);
        form.SetName("MenuForm");
        auto* menu = new TMainMenu(&form);
        menu->SetName("MainMenu1");
        auto* file = NewItem(&form, menu->Items(), "File1", "&File");
        auto* open = NewItem(&form, file, "Open1", "&Open...");
        open->SetShortCut(TextToShortCut("Shift+F10"));
        open->SetTag(5);
        open->SetHint("Opens a design");
        open->OnClick = TMethod{form.ClassInfo().FindMethod("OpenClick"), &form};
        NewItem(&form, file, "N1", "-");
        auto* recent = NewItem(&form, file, "Recent1", "Recent");
        NewItem(&form, recent, "First1", "first.fw");
        auto* hidden = NewItem(&form, recent, "Second1", "second.fw");
        hidden->SetVisible(false);
        auto* close = NewItem(&form, file, "Close1", "Close");
        close->SetEnabled(false);
        close->OnClick = TMethod{form.ClassInfo().FindMethod("CloseClick"), &form};
        auto* view = NewItem(&form, menu->Items(), "View1", "&View");
        auto* grid = NewItem(&form, view, "Grid1", "Grid");
        grid->SetRadioItem(true);
        grid->SetGroupIndex(3);
        grid->SetChecked(true);
        form.SetMenu(menu);
        auto* popup = new TPopupMenu(&form);
        popup->SetName("PopupMenu1");
        popup->SetAutoPopup(false);
        NewItem(&form, popup->Items(), "Cut1", "Cu&t")->SetShortCut(TextToShortCut("Ctrl+X"));
        written = Dump(menu, &form) + "--\n" + Dump(popup, &form);
        bytes = Store(&form);
    }
    // The shortcut is a plain number in the stream: 8313 as a 16-bit integer.
    EXPECT_TRUE(fwtest::HasAt(bytes, fwtest::FindValue(bytes, "ShortCut"), {3, 0x79, 0x20}));

    TMenuForm form(nullptr);
    Load(bytes, &form);
    auto* menu = dynamic_cast<TMainMenu*>(form.FindComponent("MainMenu1"));
    auto* popup = dynamic_cast<TPopupMenu*>(form.FindComponent("PopupMenu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(Dump(menu, &form) + "--\n" + Dump(popup, &form), written);
    EXPECT_EQ(form.Menu(), menu);
    EXPECT_EQ(menu->Form(), &form);
    EXPECT_FALSE(popup->AutoPopup());
    ASSERT_EQ(menu->Items()->Count(), 2);
    TMenuItem* file = menu->Items()->Items(0);
    EXPECT_EQ(file->GetParentComponent(), menu);
    EXPECT_EQ(file->Items(2)->Count(), 2) << "nested below a nested item";
    EXPECT_EQ(file->Items(2)->GetParentComponent(), file);
    EXPECT_EQ(file->Items(0)->Owner(), &form);
    EXPECT_EQ(file->Items(0)->ShortCut(), 8313);
    EXPECT_EQ(file->Items(0)->Tag(), 5);
    // The handler bound on reading is the new form's.
    file->Items(0)->Click();
    EXPECT_EQ(form.Opened, 1);
    EXPECT_EQ(form.LastSender, file->Items(0));
    file->Items(3)->Click();
    EXPECT_EQ(form.Closed, 1);
}

TEST(MenuStream, EveryMenuDialogAndActionClassIsRegistered) {
    RegisterMenuAndDialogClasses();
    for (const char* name : {"TMainMenu", "TPopupMenu", "TMenuItem", "TActionList", "TAction", "TOpenDialog",
                             "TSaveDialog", "TOpenPictureDialog", "TColorDialog", "TFontDialog"}) {
        const TClassInfo* cls = GetClass(name);
        ASSERT_NE(cls, nullptr) << name;
        TComponent owner(nullptr);
        TComponent* made = cls->CreateComponent(&owner);
        EXPECT_EQ(made->ClassName(), name);
    }
}

TEST(MenuMove, AnItemMovesToAnotherMenuWithItsSubItemsAndBothHandlesFollow) {
    RegisterMenuAndDialogClasses();
    TMenuForm form(nullptr);
    auto* bar = new TMainMenu(&form);
    bar->SetName("Bar");
    auto* popup = new TPopupMenu(&form);
    popup->SetName("Popup");
    auto* file = NewItem(&form, bar->Items(), "File", "File");
    NewItem(&form, file, "Open", "Open");
    auto* recent = NewItem(&form, file, "Recent", "Recent");
    auto* a = NewItem(&form, recent, "A", "a.fw");
    auto* b = NewItem(&form, recent, "B", "b.fw");
    HMENU barHandle = bar->Handle();
    HMENU popupHandle = popup->Handle();
    ASSERT_EQ(GetMenuItemCount(GetSubMenu(barHandle, 0)), 2);
    ASSERT_EQ(GetMenuItemCount(popupHandle), 0);
    EXPECT_EQ(bar->FindItem(a->Command()), a);

    file->Remove(recent);
    popup->Items()->Add(recent);
    EXPECT_EQ(recent->GetParentMenu(), popup);
    ASSERT_EQ(recent->Count(), 2);
    EXPECT_EQ(recent->Items(0), a);
    EXPECT_EQ(recent->Items(1), b);
    EXPECT_EQ(bar->Handle(), barHandle) << "the top handle a window may show stays";
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(barHandle, 0)), 1);
    ASSERT_EQ(GetMenuItemCount(popupHandle), 1);
    HMENU moved = GetSubMenu(popupHandle, 0);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved, recent->Handle());
    EXPECT_EQ(MenuText(moved, 1), L"b.fw");
    EXPECT_EQ(bar->FindItem(a->Command()), nullptr);
    EXPECT_EQ(popup->FindItem(a->Command()), a);

    // Adding straight from one parent to another moves it as well.
    file->Add(recent);
    EXPECT_EQ(GetMenuItemCount(popupHandle), 0);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(barHandle, 0)), 2);
    EXPECT_EQ(MenuText(GetSubMenu(GetSubMenu(barHandle, 0), 1), 0), L"a.fw");

    // Stored where it is now: under the popup.
    popup->Items()->Add(recent);
    fwtest::Bytes bytes = Store(&form);
    TMenuForm copy(nullptr);
    Load(bytes, &copy);
    auto* copyPopup = dynamic_cast<TPopupMenu*>(copy.FindComponent("Popup"));
    ASSERT_NE(copyPopup, nullptr);
    EXPECT_EQ(Dump(copyPopup, &copy), Dump(popup, &form));
    EXPECT_EQ(dynamic_cast<TMainMenu*>(copy.FindComponent("Bar"))->Items()->Items(0)->Count(), 1);
}

TEST(MenuMove, DestroyingAMenuFreesItsItemsAndLeavesOtherMenusAlone) {
    TComponent owner(nullptr);
    auto* one = new TPopupMenu(&owner);
    auto* two = new TPopupMenu(&owner);
    auto* x = NewItem(&owner, one->Items(), "X", "x");
    NewItem(&owner, x, "Y", "y");
    NewItem(&owner, two->Items(), "Z", "z");
    two->Handle();
    delete one;
    EXPECT_EQ(owner.FindComponent("X"), nullptr);
    EXPECT_EQ(owner.FindComponent("Y"), nullptr);
    ASSERT_NE(owner.FindComponent("Z"), nullptr);
    EXPECT_EQ(GetMenuItemCount(two->Handle()), 1);
    // Freeing an item takes it off its menu at once.
    delete owner.FindComponent("Z");
    EXPECT_EQ(GetMenuItemCount(two->Handle()), 0);
    EXPECT_EQ(two->Items()->Count(), 0);
}
