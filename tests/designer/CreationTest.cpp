// Drawing new controls with a palette tool and deleting the selection, by
// real pointer and key input: bounds normalised whichever way the band is
// drawn, names counting up, a prototype copied with its stored values but
// not its name, drawing on a button putting the new control into its parent,
// a refused creation, and deletion freeing nested controls first.
#include "designer/DsnPanel.h"
#include "designer/EngineTestSupport.h"

#include <vector>

using namespace dsntest;

namespace {

// A palette that holds one armed tool, and counts the returns to the pointer.
class TOneToolPalette : public TCustomCmpPlt {
public:
    using TCustomCmpPlt::TCustomCmpPlt;
    void SetDesignMode(bool) override {}
    TComponent* GetSelectedGene() override { return FGene; }
    void SetSelectedGene(TComponent* gene) override { FGene = gene; }
    void SetArrowButton(TArrowButton*) override {}
    void PushArrowButton() override { ++Pushes; }
    int Pushes = 0;

private:
    TComponent* FGene = nullptr;
};

std::vector<std::string> gFreed;

class TNoisyButton : public TButton {
public:
    using TButton::TButton;
    ~TNoisyButton() override { gFreed.push_back(Name()); }
};

class TNoisyPanel : public TPanel {
public:
    using TPanel::TPanel;
    ~TNoisyPanel() override { gFreed.push_back(Name()); }
};

struct CreationTest : TEngineFixture {
    TForm* deposit = nullptr; // owns the prototypes, as the main window does
    TButton* proto = nullptr;
    TOneToolPalette* palette = nullptr;
    std::vector<std::string> created;

    void SetUp() override {
        TEngineFixture::SetUp();
        deposit = new TForm(nullptr);
        proto = new TButton(deposit);
        proto->SetName("Dpst_TButton");
        proto->SetParent(deposit);
        proto->SetBounds(0, 0, 50, 50);
        proto->SetText("OK");
        palette = new TOneToolPalette(form);
        reg->SetDsnPanel(palette);
        stage->OnControlCreate.Bind([this](TObject*, TComponent* c) {
            auto* control = dynamic_cast<TControl*>(c);
            created.push_back(c->Name() + "@" + std::to_string(control->Left()) + "," + std::to_string(control->Top()));
        });
    }
    void TearDown() override {
        reg->SetDsnPanel(nullptr);
        delete deposit;
        TEngineFixture::TearDown();
    }
    // A band drawn with the armed tool from one point to another of a
    // control's client area.
    void Draw(TControl* on, POINT from, POINT to, TComponent* gene = nullptr) {
        palette->SetSelectedGene(gene ? gene : proto);
        POINT start = ScreenOf(on, from.x, from.y), end = ScreenOf(on, to.x, to.y);
        MovePointer(start);
        PressLeft(start);
        PumpPending();
        MovePointer({(start.x + end.x) / 2, (start.y + end.y) / 2});
        PumpPending();
        MovePointer(end);
        PumpPending();
        ReleaseLeft(end);
        PumpPending();
    }
    TControl* Named(const std::string& name) const { return dynamic_cast<TControl*>(form->FindComponent(name)); }
};

void ExpectBounds(TControl* c, int l, int t, int w, int h) {
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Left(), l);
    EXPECT_EQ(c->Top(), t);
    EXPECT_EQ(c->Width(), w);
    EXPECT_EQ(c->Height(), h);
}

} // namespace

TEST_F(CreationTest, BandsEitherWayGiveNormalisedBoundsAndNamesCountUp) {
    DesignOn();
    Draw(stage, {96, 80}, {16, 40}); // right to left, bottom to top
    TControl* first = Named("Button1");
    ExpectBounds(first, 16, 40, 80, 40);
    EXPECT_EQ(first->Parent(), stage);
    EXPECT_EQ(first->GetText(), "OK") << "the prototype's stored values come along";
    EXPECT_EQ(proto->Name(), "Dpst_TButton") << "the prototype keeps its name";
    EXPECT_TRUE(Selected(first));
    EXPECT_NE(AgentOf(dynamic_cast<TWinControl*>(first)), nullptr) << "the new control is hooked";
    EXPECT_EQ(palette->GetSelectedGene(), nullptr);
    EXPECT_EQ(palette->Pushes, 1) << "the palette is back at the pointer";

    Draw(stage, {20, 107}, {100, 150}); // snapped to (16, 104) and (96, 144)
    TControl* second = Named("Button2");
    ExpectBounds(second, 16, 104, 80, 40);
    EXPECT_TRUE(Selected(second));
    EXPECT_FALSE(Selected(first));
    PumpUntil([&] { return created.size() == 2; });
    EXPECT_EQ(created, (std::vector<std::string>{"Button1@16,40", "Button2@16,104"}))
        << "OnControlCreate comes after the creation, with the final name and place";
}

// Drawn at any size, an auto-sized label takes the size of its text, the size
// it gets again when the saved design is read back.
TEST_F(CreationTest, ADrawnAutoSizedLabelTakesItsTextsSize) {
    auto* gene = new TLabel(deposit);
    gene->SetName("Dpst_TLabel");
    gene->SetParent(deposit);
    gene->SetCaption("Dpst_TLabel");
    auto* reference = Put<TLabel>("Reference", 200, 8, 10, 10);
    reference->SetCaption("Dpst_TLabel");
    DesignOn();
    Draw(stage, {16, 16}, {48, 32}, gene);
    ExpectBounds(Named("Label1"), 16, 16, reference->Width(), reference->Height());
    EXPECT_NE(reference->Width(), 32);
}

TEST_F(CreationTest, DrawingOnAButtonPutsTheControlIntoItsParentAtTheSamePlace) {
    auto* panel = Put<TPanel>("Panel1", 200, 8, 160, 120);
    auto* onPanel = Put<TButton>("Button1", 8, 8, 75, 25, panel);
    DesignOn();
    POINT screenStart = ScreenOf(onPanel, 4, 4);
    Draw(onPanel, {4, 4}, {44, 28});
    TControl* made = Named("Button2");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->Parent(), panel) << "a button holds no controls: the new one goes into its parent";
    ExpectBounds(made, 8, 8, 40, 24);
    POINT madeAt = made->ClientToScreen({0, 0});
    EXPECT_LE(std::abs(madeAt.x - screenStart.x), 8) << "within a grid step of the press";
    EXPECT_LE(std::abs(madeAt.y - screenStart.y), 8);
}

TEST_F(CreationTest, ARefusedCreationMakesNothingAndReturnsToThePointer) {
    stage->OnSelectQuery.Bind([](TObject*, TComponent*, TSelectAccept& can) { can.Exclude(saCreate); });
    DesignOn();
    const int before = form->ComponentCount();
    Draw(stage, {16, 16}, {80, 48});
    EXPECT_EQ(form->ComponentCount(), before);
    EXPECT_EQ(palette->GetSelectedGene(), nullptr);
    EXPECT_EQ(palette->Pushes, 1);
    EXPECT_EQ(reg->Outlines(), nullptr) << "no band was drawn";
}

TEST_F(CreationTest, DeleteFreesNestedControlsFirstAndKeepsRefusedOnes) {
    auto* panel = new TNoisyPanel(form);
    panel->SetName("Panel1");
    panel->SetParent(stage);
    panel->SetBounds(16, 16, 160, 100);
    auto* inside = new TNoisyButton(form);
    inside->SetName("Button1");
    inside->SetParent(panel);
    inside->SetBounds(8, 8, 75, 25);
    auto* kept = Put<TEdit>("Edit1", 200, 16, 100, 21);
    stage->OnDeleteQuery.Bind([&](TObject*, TComponent* c, bool& can) { can = c != kept; });
    DesignOn();
    ClickAt(ScreenOf(panel, 100, 80));
    PumpUntil([&] { return Selected(panel); });
    // The panel first, then its button and the edit: the panel would take its
    // button along if it went first.
    reg->Targets()->Add(inside);
    reg->Targets()->Add(kept);
    gFreed.clear();
    TypeKey(VK_DELETE);
    PumpUntil([&] { return form->FindComponent("Panel1") == nullptr; });
    EXPECT_EQ(gFreed, (std::vector<std::string>{"Button1", "Panel1"}));
    EXPECT_EQ(form->FindComponent("Edit1"), kept) << "refused by the delete query";
    EXPECT_FALSE(Selected(kept)) << "and not selected again";
    EXPECT_EQ(SelectedCount(), 0);
}
