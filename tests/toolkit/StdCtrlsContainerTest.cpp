// Panels and scroll boxes: windows that hold other controls. Their windows
// come and go with them, their properties are stored only when they differ
// from the defaults, a new border keeps the children, a panel paints its
// bevels and caption, and a scroll box scrolls to children beyond its edges.
#include "StdCtrlsTestSupport.h"

using namespace stdtest;

using ContainerTest = ShownForm;

TEST_F(ContainerTest, WindowsComeAndGoWithTheControls) {
    int before = ChildWindowCount(form->Handle());
    auto* panel = Make<TPanel>("Panel1");
    auto* box = Make<TScrollBox>("ScrollBox1", panel);
    Make<TEdit>("Inner", box);
    Pump();
    EXPECT_TRUE(IsWindowVisible(panel->Handle()));
    EXPECT_EQ(GetParent(box->Handle()), panel->Handle());
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 3);
    delete panel; // takes its children along
    Pump();
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
    EXPECT_EQ(form->FindComponent("Inner"), nullptr);
}

TEST_F(ContainerTest, AtTheirDefaultsContainersStoreOnlyTheirPlace) {
    // A windowed control's place in the tab order has no default.
    auto* panel = Make<TPanel>("Panel1");
    EXPECT_EQ(StoredNames(Store(panel, form)), (std::set<std::string>{"Left", "Top", "Width", "Height", "TabOrder"}));
    auto* box = Make<TScrollBox>("ScrollBox1");
    EXPECT_EQ(StoredNames(Store(box, form)), (std::set<std::string>{"Left", "Top", "Width", "Height", "TabOrder"}));
}

TEST_F(ContainerTest, EveryPanelPropertyRoundTrips) {
    auto* panel = Make<TPanel>("Panel1");
    panel->SetAlignment(taRightJustify);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelOuter(bvSpace);
    panel->SetBevelWidth(3);
    panel->SetBorderStyle(bsSingle);
    panel->SetBorderWidth(2);
    panel->SetCaption("Tools");
    panel->SetColor(clYellow);
    auto* child = Make<TLabel>("Label1", panel);
    child->SetCaption("inside");
    Bytes bytes = Store(panel, form);
    for (const char* name : {"Alignment", "BevelInner", "BevelOuter", "BevelWidth", "BorderStyle", "BorderWidth",
                             "Caption", "Color"})
        EXPECT_TRUE(StoredNames(bytes).count(name)) << name;
    std::unique_ptr<TForm> other;
    TPanel* copy = RoundTrip(panel, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BevelInner(), bvLowered);
    EXPECT_EQ(copy->BevelOuter(), bvSpace);
    EXPECT_EQ(copy->BorderStyle(), bsSingle);
    EXPECT_EQ(copy->GetText(), "Tools");
    ASSERT_EQ(copy->ControlCount(), 1);
    EXPECT_EQ(copy->Controls(0)->GetText(), "inside");
}

TEST_F(ContainerTest, AControlBorderIsNoneOrSingle) {
    auto* panel = Make<TPanel>("Panel1");
    EXPECT_THROW(panel->SetBorderStyle(bsSizeable), EInvalidOperation);
    EXPECT_EQ(panel->BorderStyle(), bsNone);
    // A stream cannot name a form's border for a control either.
    const TPropInfo* prop = TPanel::StaticClassInfo().FindProp("BorderStyle");
    ASSERT_NE(prop, nullptr);
    EXPECT_EQ(prop->PropType->GetEnumName(1), "bsSingle");
    EXPECT_ANY_THROW(prop->SetOrd(panel, bsDialog));
}

TEST_F(ContainerTest, ANewBorderKeepsTheObjectChildrenAndValues) {
    auto* panel = Make<TPanel>("Panel1");
    panel->SetBounds(10, 10, 200, 120);
    panel->SetCaption("kept");
    panel->SetBevelWidth(2);
    auto* edit = Make<TEdit>("Edit1", panel);
    edit->SetText("typed");
    HWND old = panel->Handle();
    RECT before = panel->ClientRect();
    panel->SetBorderStyle(bsSingle);
    Pump();
    EXPECT_NE(panel->Handle(), old);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(TWinControl::FindControl(panel->Handle()), panel);
    EXPECT_TRUE(GetWindowLongPtrW(panel->Handle(), GWL_STYLE) & WS_BORDER);
    EXPECT_LT(panel->ClientRect().right, before.right) << "the border takes room";
    EXPECT_EQ(GetParent(edit->Handle()), panel->Handle());
    EXPECT_EQ(edit->GetText(), "typed");
    EXPECT_EQ(panel->GetText(), "kept");
    EXPECT_EQ(panel->BevelWidth(), 2);
}

TEST_F(ContainerTest, AlignedChildrenStayInsideBevelsAndBorder) {
    auto* panel = Make<TPanel>("Panel1");
    panel->SetBounds(0, 0, 200, 100);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto* top = Make<TPanel>("Top", panel);
    top->SetAlign(alClient);
    // Outer bevel 2, border 3, inner bevel 2.
    EXPECT_EQ(top->Left(), 7);
    EXPECT_EQ(top->Top(), 7);
    EXPECT_EQ(top->Width(), 200 - 14);
    panel->SetBevelOuter(bvNone);
    EXPECT_EQ(top->Left(), 5) << "the children move when the frame changes";
}

TEST_F(ContainerTest, APanelPaintsBevelsAndCaption) {
    auto* panel = Make<TPanel>("Panel1");
    panel->SetBounds(0, 0, 160, 60);
    panel->SetCaption("WWWW");
    Pump();
    COLORREF face = ColorToRGB(clBtnFace);
    TWindowImage raised(panel->Handle(), win::Rgb(255, 0, 255));
    EXPECT_EQ(raised.At(0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(raised.At(159, 59), ColorToRGB(clBtnShadow));
    EXPECT_EQ(raised.At(5, 5), face) << "the face is filled";
    RECT middle{50, 15, 110, 45};
    EXPECT_GT(raised.Count(middle, face, false), 10) << "caption drawn in the centre";
    RECT left{3, 3, 40, 57};
    EXPECT_EQ(raised.Count(left, face, false), 0) << "nothing but face left of a centred caption";
    panel->SetAlignment(taLeftJustify);
    panel->SetBevelOuter(bvLowered);
    TWindowImage lowered(panel->Handle(), win::Rgb(255, 0, 255));
    EXPECT_EQ(lowered.At(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_GT(lowered.Count(left, face, false), 10) << "a left-justified caption";
}

TEST_F(ContainerTest, AScrollBoxScrollsToChildrenBeyondItsEdges) {
    auto* box = Make<TScrollBox>("ScrollBox1");
    box->SetBounds(0, 0, 200, 150);
    auto* inside = Make<TPanel>("Near", box);
    inside->SetBounds(10, 10, 50, 50);
    Pump();
    LONG_PTR style = GetWindowLongPtrW(box->Handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_VSCROLL) << "everything fits";
    auto* distant = Make<TPanel>("Far", box);
    distant->SetBounds(20, 400, 50, 50);
    style = GetWindowLongPtrW(box->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL) << "a child below the bottom edge";
    EXPECT_FALSE(style & WS_HSCROLL);
    EXPECT_EQ(box->ContentSize().cy, 450);
    SendMessageW(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    RECT client;
    GetClientRect(box->Handle(), &client);
    EXPECT_EQ(box->ScrollPos().y, 450 - client.bottom) << "no farther than the content";
    EXPECT_EQ(distant->Top() + distant->Height(), client.bottom) << "the distant child is in view at the bottom";
    EXPECT_EQ(inside->Top(), 10 - box->ScrollPos().y);
    SendMessageW(box->Handle(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(distant->Top(), 400);
    EXPECT_EQ(inside->Top(), 10);
    // Moving the distant child back inside takes the bar away.
    distant->SetTop(60);
    EXPECT_FALSE(GetWindowLongPtrW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ContainerTest, AScrollBoxBorderRoundTripsAndKeepsChildren) {
    auto* box = Make<TScrollBox>("ScrollBox1");
    auto* child = Make<TPanel>("Child", box);
    child->SetBounds(5, 5, 30, 30);
    box->SetBorderStyle(bsNone);
    EXPECT_FALSE(GetWindowLongPtrW(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetParent(child->Handle()), box->Handle());
    EXPECT_TRUE(StoredNames(Store(box, form)).count("BorderStyle"));
    std::unique_ptr<TForm> other;
    TScrollBox* copy = RoundTrip(box, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->BorderStyle(), bsNone);
    EXPECT_EQ(copy->ControlCount(), 1);
}

namespace {

// A panel that records the notices of children coming and going.
class TListeningPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<std::string> Heard;

protected:
    void ControlListChanged(TControl* control, bool inserted) override {
        TPanel::ControlListChanged(control, inserted);
        Heard.push_back((inserted ? "+" : "-") + control->Name() + ":" + std::to_string(ControlCount()));
    }
};

} // namespace

TEST_F(ContainerTest, AContainerHearsOfChildrenInsertedAndRemoved) {
    auto* panel = Make<TListeningPanel>("Panel1");
    auto* label = Make<TLabel>("Label1", panel);
    auto* edit = Make<TEdit>("Edit1", panel);
    label->SetParent(form);
    delete edit;
    // Each notice comes after the change: the count already tells.
    EXPECT_EQ(panel->Heard, (std::vector<std::string>{"+Label1:1", "+Edit1:2", "-Label1:1", "-Edit1:0"}));
}
