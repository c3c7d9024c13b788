// The component palette: buttons read from a stored layout, picking genes by
// real clicks, design mode on and off, the group of buttons, storing
// GeneName, and the palette assembling itself from controls dropped into it
// while it is being designed.
#include "designer/DsnPanel.h"
#include "stream/StreamDocument.h"
#include "support/RealInput.h"
#include "toolkit/StdCtrlsTestSupport.h"
#include "toolkit/win/controls/CheckBox.h"

using namespace stdtest;
using namespace fwtest;

namespace {

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// A form holding a deposit panel with two prototypes and a palette with a
// pointer button and three buttons: one naming Dpst_TButton, one naming
// nothing, one naming Dpst_TEdit. Everything is stored and read back into the
// shown form, so the buttons went through their completion after reading.
struct PaletteTest : ShownForm {
    TDsnPanel* palette = nullptr;
    TArrowButton* arrow = nullptr;
    TDsnButton* button1 = nullptr; // Dpst_TButton
    TDsnButton* button2 = nullptr; // names nothing
    TDsnButton* button3 = nullptr; // Dpst_TEdit
    TComponent* protoButton = nullptr;

    void SetUp() override {
        ShownForm::SetUp();
        RegisterPaletteClasses();
        ParkPointer();
        ReadLayout(StoredLayout());
        palette = dynamic_cast<TDsnPanel*>(form->FindComponent("DsnPanel1"));
        arrow = dynamic_cast<TArrowButton*>(form->FindComponent("ArrowButton1"));
        button1 = dynamic_cast<TDsnButton*>(form->FindComponent("DsnButton1"));
        button2 = dynamic_cast<TDsnButton*>(form->FindComponent("DsnButton2"));
        button3 = dynamic_cast<TDsnButton*>(form->FindComponent("DsnButton3"));
        protoButton = form->FindComponent("Dpst_TButton");
        ASSERT_TRUE(palette && arrow && button1 && button2 && button3 && protoButton);
        Pump();
    }

    static Bytes StoredLayout() {
        TForm source(nullptr);
        source.SetName("Source");
        auto* deposit = new TPanel(&source);
        deposit->SetName("DsnDpstPanel");
        deposit->SetParent(&source);
        deposit->SetBounds(-100, -100, 50, 50);
        for (TControl* proto : std::initializer_list<TControl*>{new TButton(&source), new TEdit(&source)}) {
            proto->SetName("Dpst_" + proto->ClassName());
            proto->SetParent(deposit);
        }
        auto* pal = new TDsnPanel(&source);
        pal->SetName("DsnPanel1");
        pal->SetParent(&source);
        pal->SetBounds(8, 8, 374, 99);
        auto* a = new TArrowButton(&source);
        a->SetName("ArrowButton1");
        a->SetParent(pal);
        a->SetBounds(0, 0, 33, 33);
        a->SetGroupIndex(kPaletteGroupIndex);
        const char* genes[] = {"Dpst_TButton", "Dpst_TNothing", "Dpst_TEdit"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new TDsnButton(&source);
            b->SetName("DsnButton" + std::to_string(i + 1));
            b->SetParent(pal);
            b->SetBounds(40 + 33 * i, 0, 33, 33);
            b->SetGroupIndex(kPaletteGroupIndex);
            b->SetGeneName(genes[i]);
        }
        TMemoryStream s;
        WriteComponentList(s, {deposit, pal}, &source);
        return s.Bytes();
    }

    void ReadLayout(const Bytes& bytes) {
        TMemoryStream in(bytes);
        TReader r(in);
        r.ReadComponents(form, form);
    }

    void DesignOn() {
        palette->SetArrowButton(arrow);
        arrow->SetPalette(palette);
        palette->SetDesignMode(true);
        Pump();
    }

    void RealClick(TControl* c) {
        ClickAt(c->Parent()->ClientToScreen({c->Left() + c->Width() / 2, c->Top() + c->Height() / 2}));
        PumpPending();
    }
};

TEST_F(PaletteTest, ReadButtonsStartDisabledAndJoinTheListInOrder) {
    EXPECT_FALSE(arrow->Enabled());
    EXPECT_FALSE(arrow->AllowAllUp());
    ASSERT_EQ(palette->ButtonCount(), 3);
    EXPECT_EQ(palette->Buttons(0), button1);
    EXPECT_EQ(palette->Buttons(1), button2);
    EXPECT_EQ(palette->Buttons(2), button3);
    for (TDsnButton* b : {button1, button2, button3}) {
        EXPECT_FALSE(b->Enabled()) << b->Name();
        EXPECT_EQ(b->Palette(), palette) << b->Name();
        EXPECT_EQ(b->Gene(), nullptr) << "genes are looked up only when design mode goes on";
    }
    EXPECT_EQ(palette->GetSelectedGene(), nullptr);
}

TEST_F(PaletteTest, DesignModeEnablesLooksUpGenesAndOffDisables) {
    DesignOn();
    EXPECT_TRUE(arrow->Enabled());
    EXPECT_TRUE(arrow->Down());
    for (TDsnButton* b : {button1, button2, button3}) EXPECT_TRUE(b->Enabled()) << b->Name();
    EXPECT_EQ(button1->Gene(), protoButton);
    EXPECT_EQ(button2->Gene(), nullptr);
    EXPECT_EQ(button3->Gene(), form->FindComponent("Dpst_TEdit"));

    palette->SetDesignMode(false);
    EXPECT_FALSE(arrow->Enabled());
    for (TDsnButton* b : {button1, button2, button3}) EXPECT_FALSE(b->Enabled()) << b->Name();
}

TEST_F(PaletteTest, RealClickOnButtonSelectsGeneAndPointerClearsIt) {
    DesignOn();
    RealClick(button1);
    ASSERT_TRUE(PumpUntil([&] { return palette->GetSelectedGene() == protoButton; }))
        << "pressing DsnButton1 selects Dpst_TButton";
    EXPECT_TRUE(button1->Down());
    EXPECT_FALSE(arrow->Down());

    RealClick(arrow);
    ASSERT_TRUE(PumpUntil([&] { return palette->GetSelectedGene() == nullptr; }))
        << "pressing the pointer button clears the selected gene";
    EXPECT_TRUE(arrow->Down());
    EXPECT_FALSE(button1->Down());

    // The pointer button stays down when pressed again: no all-up.
    RealClick(arrow);
    EXPECT_TRUE(arrow->Down());
}

TEST_F(PaletteTest, ButtonWithoutGenePutsPointerDownAndClearsSelection) {
    DesignOn();
    RealClick(button1);
    ASSERT_TRUE(PumpUntil([&] { return palette->GetSelectedGene() == protoButton; }));
    bool clicked = false;
    TComponent* selectedDuringClick = nullptr;
    button2->OnClick.Bind([&](TObject*) {
        clicked = true;
        selectedDuringClick = palette->GetSelectedGene();
    });
    RealClick(button2);
    ASSERT_TRUE(PumpUntil([&] { return clicked; }));
    EXPECT_EQ(selectedDuringClick, protoButton) << "the button's own click runs before the palette's work";
    EXPECT_TRUE(arrow->Down());
    EXPECT_FALSE(button2->Down());
    EXPECT_EQ(palette->GetSelectedGene(), nullptr) << "the palette shows the pointer, so no tool stays armed";
}

TEST_F(PaletteTest, DesignModeOffAndOnLooksEveryGeneUpAnew) {
    DesignOn();
    palette->SetDesignMode(false);
    protoButton->SetName("Dpst_Renamed");
    palette->SetDesignMode(true);
    EXPECT_EQ(button1->Gene(), nullptr) << "the renamed prototype no longer matches GeneName";
    RealClick(button1);
    EXPECT_TRUE(PumpUntil([&] { return arrow->Down(); })) << "a button without a gene shows the pointer";
    EXPECT_EQ(palette->GetSelectedGene(), nullptr);

    palette->SetDesignMode(false);
    button1->SetGeneName("Dpst_Renamed");
    palette->SetDesignMode(true);
    EXPECT_EQ(button1->Gene(), protoButton);
}

TEST_F(PaletteTest, FreedGeneAndFreedButtonsLeaveNoDanglingLinks) {
    DesignOn();
    palette->SetSelectedGene(protoButton);
    delete protoButton;
    EXPECT_EQ(palette->GetSelectedGene(), nullptr);
    EXPECT_EQ(button1->Gene(), nullptr);

    delete button2;
    ASSERT_EQ(palette->ButtonCount(), 2);
    EXPECT_EQ(palette->Buttons(0), button1);
    EXPECT_EQ(palette->Buttons(1), button3);
    // Outside the designing state a button's prototype stays when it goes.
    delete button3;
    EXPECT_NE(form->FindComponent("Dpst_TEdit"), nullptr);
    palette->SetDesignMode(false);
    palette->SetDesignMode(true);
    EXPECT_EQ(palette->ButtonCount(), 1);

    delete arrow;
    EXPECT_EQ(palette->ArrowButton(), nullptr);
    palette->PushArrowButton();
    palette->SetDesignMode(true);
}

TEST_F(PaletteTest, ClickHandlerThatFreesItsButtonEndsTheClick) {
    DesignOn();
    TDsnButton* doomed = button3;
    doomed->OnClick.Bind([doomed](TObject*) { delete doomed; });
    RealClick(doomed);
    EXPECT_TRUE(PumpUntil([&] { return form->FindComponent("DsnButton3") == nullptr; }));
    EXPECT_EQ(palette->ButtonCount(), 2);
    EXPECT_EQ(palette->GetSelectedGene(), nullptr);
}

TEST_F(PaletteTest, GroupKeepsAtMostOneButtonDown) {
    DesignOn();
    for (TDsnButton* b : {button1, button2, button3}) EXPECT_EQ(b->GroupIndex(), kPaletteGroupIndex);
    button1->SetDown(true);
    button3->SetDown(true);
    int down = 0;
    for (TSpeedButton* b : std::initializer_list<TSpeedButton*>{arrow, button1, button2, button3}) down += b->Down();
    EXPECT_EQ(down, 1);
    EXPECT_TRUE(button3->Down());
    palette->PushArrowButton();
    EXPECT_TRUE(arrow->Down());
    EXPECT_FALSE(button3->Down());
}

TEST_F(PaletteTest, ArrowButtonSelectsNoGeneAndNullIsIgnored) {
    DesignOn();
    palette->SetSelectedGene(protoButton);
    palette->SetSelectedGene(arrow);
    EXPECT_EQ(palette->GetSelectedGene(), nullptr);
    palette->SetArrowButton(nullptr);
    EXPECT_EQ(palette->ArrowButton(), arrow);
    arrow->SetPalette(nullptr);
    EXPECT_EQ(arrow->Palette(), palette);
}

// ---- storing ------------------------------------------------------------------

const TDocProperty* FindProp(const TDocRecord& r, const std::string& name) {
    for (const auto& p : r.properties)
        if (p.name == name) return &p;
    return nullptr;
}

using PaletteStreamTest = ShownForm;

TEST_F(PaletteStreamTest, GeneNameIsAlwaysStoredAndPaletteSizesToo) {
    RegisterPaletteClasses();
    auto* pal = Make<TDsnPanel>("DsnPanel1");
    auto* b = new TDsnButton(form);
    b->SetName("DsnButton1");
    b->SetParent(pal);

    TStreamDocument doc = ParseStreamDocument(Store(pal, form));
    ASSERT_EQ(doc.components.size(), 1u);
    const TDocRecord& palRec = doc.components[0];
    ASSERT_NE(FindProp(palRec, "BtnWidth"), nullptr);
    EXPECT_EQ(FindProp(palRec, "BtnWidth")->value.number, 90);
    ASSERT_NE(FindProp(palRec, "BtnHeight"), nullptr);
    EXPECT_EQ(FindProp(palRec, "BtnHeight")->value.number, 50);
    ASSERT_NE(FindProp(palRec, "BtnCaption"), nullptr);
    EXPECT_EQ(FindProp(palRec, "BtnCaption")->value.type, TValueType::vaTrue);
    ASSERT_EQ(palRec.children.size(), 1u);
    const TDocProperty* gene = FindProp(palRec.children[0], "GeneName");
    ASSERT_NE(gene, nullptr) << "an empty GeneName is stored too";
    EXPECT_EQ(gene->value.bytes, "");
}

TEST_F(PaletteStreamTest, GeneNameRoundTripsAndLongNamesAreCut) {
    RegisterPaletteClasses();
    auto* pal = Make<TDsnPanel>("DsnPanel1");
    pal->SetBtnWidth(33);
    pal->SetBtnCaption(false);
    auto* b = new TDsnButton(form);
    b->SetName("DsnButton1");
    b->SetParent(pal);
    b->SetGeneName("Dpst_TMemo");

    // Not a byte-exact round trip: read buttons come back disabled.
    auto copyForm = std::make_unique<TForm>(nullptr);
    copyForm->SetName("Copy");
    TDsnPanel* copy = Restore<TDsnPanel>(Store(pal, form), *copyForm, "DsnPanel1");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BtnHeight(), 50);
    EXPECT_EQ(copy->BtnWidth(), 33);
    EXPECT_FALSE(copy->BtnCaption());
    ASSERT_EQ(copy->ButtonCount(), 1);
    EXPECT_EQ(copy->Buttons(0)->GeneName(), "Dpst_TMemo");

    // A longer name in a stream is cut to 255 characters, not bytes.
    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "\xC3\xA4";
    TStreamDocument doc = ParseStreamDocument(Store(pal, form));
    for (auto& p : doc.components[0].children[0].properties)
        if (p.name == "GeneName") p.value = DocBytes(TValueType::vaUTF8String, umlauts);
    auto target = std::make_unique<TForm>(nullptr);
    target->SetName("Target");
    auto* read = Restore<TDsnButton>(WriteStreamDocument(doc), *target, "DsnButton1");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GeneName(), umlauts.substr(0, 510));
    EXPECT_FALSE(read->Enabled());
}

// ---- assembling itself while designed -------------------------------------------

struct PaletteAssemblyTest : ShownForm {
    TDsnPanel* palette = nullptr;
    TArrowButton* arrow = nullptr;

    void SetUp() override {
        ShownForm::SetUp();
        form->SetDesigning(true);
        palette = Make<TDsnPanel>("DsnPanel1");
        palette->SetBounds(0, 0, 2 * palette->BtnWidth() + 20, 120);
        arrow = new TArrowButton(form);
        arrow->SetName("ArrowButton1");
        arrow->SetParent(palette);
        Pump();
    }
    template <class T> T* Drop(TWinControl* into = nullptr) {
        auto* c = new T(form);
        c->SetParent(into ? into : palette);
        PumpPending();
        return c;
    }
    TDsnButton* ButtonNamed(const std::string& name) { return dynamic_cast<TDsnButton*>(form->FindComponent(name)); }
};

TEST_F(PaletteAssemblyTest, DroppedEditBecomesPrototypeAndButton) {
    TEdit* edit = Drop<TEdit>();
    EXPECT_EQ(edit->Name(), "Dpst_TEdit");
    ASSERT_NE(edit->Parent(), nullptr);
    EXPECT_EQ(edit->Parent()->Name(), "DsnDpstPanel");
    EXPECT_EQ(edit->Parent()->Parent(), palette->Parent());
    EXPECT_TRUE(SameRect(edit->Parent()->BoundsRect(), {-100, -100, -50, -50}));
    EXPECT_TRUE(SameRect(edit->BoundsRect(), {0, 0, 50, 50}));

    TDsnButton* b = ButtonNamed("DsnButton1");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Parent(), palette);
    EXPECT_EQ(b->Caption(), "EDIT");
    EXPECT_EQ(b->GeneName(), "Dpst_TEdit");
    EXPECT_EQ(b->Gene(), edit);
    EXPECT_EQ(b->Palette(), palette);
    EXPECT_EQ(b->Layout(), blGlyphTop);
    EXPECT_EQ(b->GroupIndex(), kPaletteGroupIndex);
    EXPECT_TRUE(SameRect(b->BoundsRect(), {98, 8, 188, 58})) << "column 2 of row 0";
    EXPECT_EQ(palette->ButtonCount(), 0) << "a made button joins the list only when read";
    EXPECT_EQ(form->FindComponent("ArrowButton2"), nullptr) << "the palette had its pointer button";

    // The second edit: the name is taken, so an X follows; three buttons in
    // two columns put it first in the second row.
    TEdit* second = Drop<TEdit>();
    EXPECT_EQ(second->Name(), "Dpst_TEditX");
    TDsnButton* b2 = ButtonNamed("DsnButton2");
    ASSERT_NE(b2, nullptr);
    EXPECT_TRUE(SameRect(b2->BoundsRect(), {8, 58, 98, 108}));
    EXPECT_EQ(Drop<TEdit>()->Name(), "Dpst_TEditXX");
}

TEST_F(PaletteAssemblyTest, PaletteWithoutPointerMakesOneAndCaptionCanBeOff) {
    delete arrow;
    palette->SetBtnCaption(false);
    TCheckBox* box = Drop<TCheckBox>();
    auto* made = dynamic_cast<TArrowButton*>(form->FindComponent("ArrowButton1"));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(palette->ArrowButton(), made);
    EXPECT_EQ(made->Parent(), palette);
    EXPECT_EQ(made->GroupIndex(), kPaletteGroupIndex);
    EXPECT_TRUE(SameRect(made->BoundsRect(), {8, 8, 98, 58}));
    TDsnButton* b = ButtonNamed("DsnButton1");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Gene(), box);
    EXPECT_EQ(b->Caption(), "");
}

TEST_F(PaletteAssemblyTest, NarrowPaletteWidensAndZeroWidthDoesNotHang) {
    palette->SetWidth(40);
    Drop<TLabel>();
    EXPECT_EQ(palette->Width(), 90 + 24);
    TDsnButton* b = ButtonNamed("DsnButton1");
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(SameRect(b->BoundsRect(), {8, 58, 98, 108})) << "one column: second row";

    palette->SetBtnWidth(0);
    Drop<TMemo>();
    EXPECT_NE(ButtonNamed("DsnButton2"), nullptr);
}

TEST_F(PaletteAssemblyTest, RemovedButtonTakesItsPrototypeButNeverThePalette) {
    Drop<TEdit>();
    delete ButtonNamed("DsnButton1");
    EXPECT_EQ(form->FindComponent("Dpst_TEdit"), nullptr) << "the prototype goes with its button";

    auto* rogue = new TDsnButton(form);
    rogue->SetName("Rogue");
    rogue->SetGeneName("DsnPanel1");
    rogue->SetParent(palette);
    delete rogue;
    EXPECT_EQ(form->FindComponent("DsnPanel1"), palette);
}

TEST_F(PaletteAssemblyTest, ControlFreedBeforeItsNoticeIsSkipped) {
    auto* gone = new TEdit(form);
    gone->SetParent(palette);
    delete gone;
    PumpPending();
    EXPECT_EQ(ButtonNamed("DsnButton1"), nullptr);
    EXPECT_EQ(form->FindComponent("DsnDpstPanel"), nullptr);
    // Nothing of that control's notices lingers: the next drop works.
    EXPECT_EQ(Drop<TEdit>()->Name(), "Dpst_TEdit");
    EXPECT_NE(ButtonNamed("DsnButton1"), nullptr);
}

TEST_F(PaletteAssemblyTest, ControlsDroppedTogetherGetOneButtonEach) {
    // Several controls arrive before any notice is handled, as a paste of
    // several controls does.
    auto* edit = new TEdit(form);
    edit->SetParent(palette);
    auto* memo = new TMemo(form);
    memo->SetParent(palette);
    auto* label = new TLabel(form);
    label->SetParent(palette);
    PumpPending();
    std::vector<std::string> genes;
    for (int i = 0; i < palette->ControlCount(); ++i)
        if (auto* b = dynamic_cast<TDsnButton*>(palette->Controls(i))) genes.push_back(b->GeneName());
    EXPECT_EQ(genes, (std::vector<std::string>{"Dpst_TEdit", "Dpst_TMemo", "Dpst_TLabel"}));
    for (TControl* c : std::initializer_list<TControl*>{edit, memo, label})
        EXPECT_EQ(c->Parent(), form->FindComponent("DsnDpstPanel")) << c->Name();
}

TEST_F(PaletteAssemblyTest, OutsideTheDesigningStateDropsChangeNothing) {
    form->SetDesigning(false);
    TEdit* edit = Drop<TEdit>();
    EXPECT_EQ(edit->Parent(), palette);
    EXPECT_EQ(form->FindComponent("DsnDpstPanel"), nullptr);
    EXPECT_EQ(ButtonNamed("DsnButton1"), nullptr);
}

} // namespace
