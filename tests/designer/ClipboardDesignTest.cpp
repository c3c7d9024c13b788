// Cut, copy and paste of designed controls through the designer's clipboard
// block: Ctrl+C / Ctrl+V by real keys, fresh names for pasted controls,
// pasted controls kept inside their parent, what copy and paste refuse, a
// cut refused by the delete query, and blocks another program may have put
// under the format's name.
#include "designer/DsnClipboard.h"
#include "designer/EngineTestSupport.h"
#include "toolkit/win/window/Clipboard.h"

using namespace dsntest;

namespace {

struct ClipboardDesignTest : TEngineFixture {
    TButton* button = nullptr;
    TPanel* panel = nullptr;
    void SetUp() override {
        TEngineFixture::SetUp();
        button = Put<TButton>("Button1", 300, 16, 75, 25);
        button->SetText("Hi");
        panel = Put<TPanel>("Panel1", 16, 16, 160, 100);
        TClipboard().Clear();
    }
    bool ClipboardHoldsDesign() const {
        return IsClipboardFormatAvailable(RegisterClipboardFormatName(kDsnClipboardFormat)) != 0;
    }
    void PutBlock(const std::vector<uint8_t>& block) {
        TClipboard clipboard;
        clipboard.Clear();
        clipboard.SetBlock(RegisterClipboardFormatName(kDsnClipboardFormat), block);
    }
    void Select(std::initializer_list<TComponent*> list) {
        reg->SelectOnly(*list.begin());
        for (auto it = list.begin() + 1; it != list.end(); ++it) reg->Targets()->Add(*it);
    }
};

} // namespace

TEST_F(ClipboardDesignTest, CtrlCThenCtrlVPastesACopyUnderAFreshName) {
    DesignOn();
    EXPECT_FALSE(reg->CanCopy()) << "before the first press there is no selection list";
    ClickAt(ScreenOf(button, 10, 10));
    ASSERT_TRUE(PumpUntil([&] { return Selected(button); }));
    TypeKey('C', {VK_CONTROL});
    ASSERT_TRUE(PumpUntil([&] { return ClipboardHoldsDesign(); }));
    reg->ClearSelection();
    TypeKey('V', {VK_CONTROL});
    ASSERT_TRUE(PumpUntil([&] { return form->FindComponent("Button2") != nullptr; }));
    auto* copy = dynamic_cast<TButton*>(form->FindComponent("Button2"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetText(), "Hi");
    EXPECT_EQ(copy->Parent(), stage);
    EXPECT_EQ(copy->Left(), 300) << "a copy inside its parent keeps its place";
    EXPECT_TRUE(Selected(copy));
    EXPECT_FALSE(Selected(button));
    EXPECT_NE(AgentOf(copy), nullptr) << "and is hooked";
    EXPECT_EQ(button->Name(), "Button1");
}

TEST_F(ClipboardDesignTest, PastedControlsBeyondTheParentsEdgeAreMovedInside) {
    auto* wide = Put<TButton>("Button3", 8, 200, 200, 25);
    DesignOn();
    Select({button});
    reg->CopySelection();
    Select({panel});
    reg->PasteClipboard();
    auto* intoPanel = dynamic_cast<TControl*>(form->FindComponent("Button2"));
    ASSERT_NE(intoPanel, nullptr);
    EXPECT_EQ(intoPanel->Parent(), panel);
    EXPECT_EQ(intoPanel->Left(), 160 - 75) << "its right edge meets the panel's";

    wide->SetLeft(300);
    Select({wide});
    reg->CopySelection();
    Select({panel});
    reg->PasteClipboard();
    auto* tooWide = dynamic_cast<TControl*>(form->FindComponent("Button4"));
    ASSERT_NE(tooWide, nullptr);
    EXPECT_EQ(tooWide->Left(), 0) << "wider than the panel: at its left edge";
}

TEST_F(ClipboardDesignTest, CopyAndPasteRefuseWhatTheyCannotDo) {
    auto* inPanel = Put<TButton>("Button2", 8, 8, 75, 25, panel);
    DesignOn();
    Select({button, inPanel});
    EXPECT_FALSE(reg->CanCopy()) << "different parents";
    reg->CopySelection();
    EXPECT_FALSE(ClipboardHoldsDesign());

    Select({button});
    reg->CopySelection();
    ASSERT_TRUE(ClipboardHoldsDesign());
    const int before = form->ComponentCount();
    Select({button, panel});
    reg->PasteClipboard();
    Select({button});
    reg->PasteClipboard(); // a button holds no controls
    EXPECT_EQ(form->ComponentCount(), before);
}

TEST_F(ClipboardDesignTest, ACutRefusedByTheDeleteQueryStaysButIsCopied) {
    stage->OnDeleteQuery.Bind([&](TObject*, TComponent* c, bool& can) { can = c != button; });
    DesignOn();
    Select({button});
    reg->CutSelection();
    EXPECT_EQ(form->FindComponent("Button1"), button);
    EXPECT_TRUE(ClipboardHoldsDesign());
}

TEST_F(ClipboardDesignTest, ForeignBlocksAreRejectedAndLeaveTheDesignAsItWas) {
    DesignOn();
    Select({button});
    reg->CopySelection();
    std::vector<uint8_t> good = TClipboard().GetBlock(RegisterClipboardFormatName(kDsnClipboardFormat));
    const uint32_t n = good[0] | (good[1] << 8) | (good[2] << 16) | (good[3] << 24);
    ASSERT_GT(n, 10u);
    const int before = form->ComponentCount();

    // A stored length beyond the block.
    std::vector<uint8_t> longer(good.begin(), good.begin() + 4 + n);
    longer[0] = 0xFF;
    longer[1] = 0xFF;
    PutBlock(longer);
    reg->ClearSelection();
    EXPECT_THROW(reg->PasteClipboard(), EDsnClipboardError);
    EXPECT_EQ(form->ComponentCount(), before);

    // A stream cut off in the middle of its record, its length honest.
    std::vector<uint8_t> cut(good.begin(), good.begin() + 4 + n / 2);
    const uint32_t half = n / 2;
    for (int i = 0; i < 4; ++i) cut[i] = static_cast<uint8_t>(half >> (8 * i));
    PutBlock(cut);
    EXPECT_ANY_THROW(reg->PasteClipboard());
    EXPECT_EQ(form->ComponentCount(), before) << "nothing of a broken block stays";
    EXPECT_EQ(form->FindComponent("Button2"), nullptr);

    EXPECT_THROW(DecodeClipboardBlock({1, 0}), EDsnClipboardError) << "shorter than the length field";
    EXPECT_EQ(DecodeClipboardBlock({2, 0, 0, 0, 7, 8, 0, 0}), (std::vector<uint8_t>{7, 8}))
        << "the system may round a block up: only N bytes count";
}
