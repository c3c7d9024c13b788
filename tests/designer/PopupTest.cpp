// The design popup by real input: the cover menu's items borrowed while design
// mode is on and given back in their order at design off, the context entries
// of a right press (separator first, then the self-properties the whole
// selection has), renewed at every press, and an entry picked with the keys
// setting its property on every selected control through OnMenuClick.
#include "designer/DsnMenuItem.h"
#include "designer/EngineTestSupport.h"
#include "toolkit/win/menus/Menus.h"

#include <vector>

using namespace dsntest;

namespace {

// A menu left open by a failing test is closed after a while, so that the
// test run never waits on it.
void CALLBACK CloseStuckMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

struct PopupTest : TEngineFixture {
    TPopupMenu* cover = nullptr;
    TButton *b1 = nullptr, *b2 = nullptr;
    TLabel* label = nullptr;
    std::vector<std::string> shown;    // the popup's captions as it opened
    std::vector<WORD> keys{VK_ESCAPE}; // typed into the open popup
    int coverPopups = 0;
    int popups = 0; // the design popups that opened

    TDsnRegister* MakeController(TComponent* owner) override { return new TDsnRSRegister(owner); }
    void SetUp() override {
        TEngineFixture::SetUp();
        cover = new TPopupMenu(form);
        for (const char* caption : {"Bring to front", "Send to back"}) {
            auto* item = new TMenuItem(form);
            item->SetCaption(caption);
            cover->Items()->Add(item);
        }
        cover->OnPopup.Bind([this](TObject*) { ++coverPopups; });
        stage->SetCoverMenu(cover);
        TStringList self;
        self.Add("Enabled|Usable");
        self.Add("Caption|Label text");
        stage->SetSelfProps(&self);
        stage->OnPopup.Bind([this](TObject* sender) {
            TPopupMenu* popup = reg->DesignPopup();
            EXPECT_EQ(sender, stage);
            ++popups;
            shown.clear();
            for (int i = 0; i < popup->Items()->Count(); ++i) shown.push_back(popup->Items()->Items(i)->Caption());
            SetTimer(nullptr, 0, 5000, CloseStuckMenu);
            for (WORD k : keys) {
                KeyInput(k, false);
                KeyInput(k, true);
            }
        });
        b1 = Put<TButton>("Button1", 16, 16, 64, 24);
        b2 = Put<TButton>("Button2", 96, 16, 64, 24);
        label = Make<TLabel>("Label1", stage);
        label->SetBounds(16, 80, 64, 16);
        DesignOn();
    }
    // A right click, and the popup it opened closed again. Each click lands
    // elsewhere, so that two in a row never make a double click.
    void RightClick(TControl* c, bool opens = true) {
        const int before = popups;
        ClickWith(c, {8 + 20 * (before % 3), 8}, {}, true);
        if (opens) {
            EXPECT_TRUE(PumpUntil([&] { return popups == before + 1; })) << "a popup opened";
        }
        PumpPending();
    }
    using Captions = std::vector<std::string>;
};

} // namespace

TEST_F(PopupTest, BorrowedItemsComeBackInOrderAtDesignOff) {
    ASSERT_NE(reg->DesignPopup(), nullptr);
    EXPECT_EQ(cover->Items()->Count(), 0) << "moved into the design popup";
    EXPECT_EQ(reg->DesignPopup()->Tag(), 2);
    RightClick(b1);
    EXPECT_EQ(shown, (Captions{"Bring to front", "Send to back", "-", "Usable", "Label text"}));
    reg->SetDesignMode(false);
    EXPECT_EQ(reg->DesignPopup(), nullptr);
    ASSERT_EQ(cover->Items()->Count(), 2) << "the context entries went with the popup";
    EXPECT_EQ(cover->Items()->Items(0)->Caption(), "Bring to front");
    EXPECT_EQ(cover->Items()->Items(1)->Caption(), "Send to back");
}

TEST_F(PopupTest, EachPressRenewsTheEntriesForTheSelection) {
    RightClick(b1);
    EXPECT_EQ(shown, (Captions{"Bring to front", "Send to back", "-", "Usable", "Label text"}));
    EXPECT_EQ(coverPopups, 1) << "the cover menu's own handler runs as the popup opens";
    // With a label added, the entries are what a button and a label share.
    ClickWith(label, {4, 4}, {VK_SHIFT});
    ASSERT_EQ(SelectedCount(), 2);
    stage->SetOutProps(nullptr);
    RightClick(label);
    EXPECT_EQ(SelectedCount(), 2) << "a right press on a member keeps the selection";
    EXPECT_EQ(shown, (Captions{"Bring to front", "Send to back", "-", "Usable", "Label text"}));
    // Names in OutProps are left out for a multiple selection.
    TStringList out;
    out.Add("Enabled");
    stage->SetOutProps(&out);
    RightClick(label);
    EXPECT_EQ(shown, (Captions{"Bring to front", "Send to back", "-", "Label text"}));
    const int entries = reg->DesignPopup()->Items()->Count();
    RightClick(label);
    EXPECT_EQ(reg->DesignPopup()->Items()->Count(), entries) << "the previous press's entries were replaced";

    // The empty stage selects nothing; the entries are those of what stays
    // selected.
    RightClick(stage);
    EXPECT_EQ(SelectedCount(), 2);
    EXPECT_EQ(shown, (Captions{"Bring to front", "Send to back", "-", "Label text"}));
}

TEST_F(PopupTest, APickedEntrySetsItsPropertyOnTheWholeSelection) {
    std::string heard;
    stage->OnMenuClick.Bind([&](TObject*, TSelectedComponents* targets, const std::string& prop, std::string& value) {
        heard = prop + "=" + value + " x" + std::to_string(targets->Count());
        value = "Renamed";
    });
    ClickAt(ScreenOf(b1, 8, 8));
    ClickWith(b2, {8, 8}, {VK_SHIFT});
    b2->SetText("Other");
    keys = {VK_UP, VK_RETURN}; // the last entry: "Label text"
    RightClick(b2);
    EXPECT_TRUE(PumpUntil([&] { return !heard.empty(); }));
    EXPECT_EQ(heard, "Caption= x2") << "the captions differ, so the common value is empty";
    EXPECT_EQ(b1->GetText(), "Renamed");
    EXPECT_EQ(b2->GetText(), "Renamed");
    auto* entry = dynamic_cast<TDsnMenuItem*>(reg->DesignPopup()->Items()->Items(4));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->PropName(), "Caption");
    EXPECT_EQ(entry->Value(), "Renamed") << "the changed value stays in the entry";

    // A value the property cannot take raises the setting routine's error.
    stage->OnMenuClick.Bind([](TObject*, TSelectedComponents*, const std::string&, std::string& value) { value = "maybe"; });
    auto* usable = dynamic_cast<TDsnMenuItem*>(reg->DesignPopup()->Items()->Items(3));
    ASSERT_NE(usable, nullptr);
    EXPECT_ANY_THROW(reg->ContextItemClick(usable));
}

TEST(PopupAbsentTest, WithoutCoverMenuOrSelfPropsThereIsNoPopup) {
    // Checked in the design window's setting: its stage has neither.
    TDsnStage stage(nullptr);
    TDsnRSRegister reg(nullptr);
    reg.SetDsnStage(&stage);
    reg.BuildDesignPopup();
    EXPECT_EQ(reg.DesignPopup(), nullptr);
    reg.SetDsnStage(nullptr);
}
