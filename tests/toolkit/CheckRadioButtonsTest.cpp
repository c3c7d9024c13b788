// Check boxes and radio buttons: windows come and go, properties round-trip
// with only non-default values stored, clicks cycle a check box's state and
// leave one radio button of a parent checked, and re-creating the window
// keeps the state.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/CheckBox.h"
#include "toolkit/win/controls/RadioButton.h"

using namespace ctltest;

namespace {

void ClickButton(TWinControl* c) { SendMessageW(c->Handle(), BM_CLICK, 0, 0); }

} // namespace

using CheckRadioTest = ShownForm;

TEST_F(CheckRadioTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* check = Make<TCheckBox>("CheckBox1");
    auto* radio = Make<TRadioButton>("RadioButton1");
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 2);
    check->SetAlignment(taLeftJustify); // a new window in place of the old
    radio->SetAlignment(taLeftJustify);
    Pump();
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 2);
    delete check;
    delete radio;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(CheckRadioTest, ACheckBoxCyclesThroughItsStates) {
    auto* check = Make<TCheckBox>("CheckBox1");
    int clicks = 0;
    check->OnClick.Bind([&](TObject*) { ++clicks; });
    ClickButton(check);
    EXPECT_EQ(check->State(), cbChecked);
    EXPECT_TRUE(check->Checked());
    ClickButton(check);
    EXPECT_EQ(check->State(), cbUnchecked) << "without AllowGrayed a click never grays";
    EXPECT_EQ(clicks, 2);

    check->SetAllowGrayed(true);
    ClickButton(check);
    ClickButton(check);
    EXPECT_EQ(check->State(), cbGrayed);
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
    ClickButton(check);
    EXPECT_EQ(check->State(), cbUnchecked);

    check->SetState(cbGrayed);
    check->SetAllowGrayed(false);
    EXPECT_EQ(check->State(), cbUnchecked) << "a box that may not be grayed is not left grayed";
}

TEST_F(CheckRadioTest, CheckingARadioButtonUnchecksItsSiblingsOnly) {
    auto* r1 = Make<TRadioButton>("Radio1");
    auto* r2 = Make<TRadioButton>("Radio2");
    auto* panel = Make<TPanel>("Panel1");
    panel->SetBounds(0, 100, 200, 60);
    auto* other = Make<TRadioButton>("Radio3", panel);
    other->SetChecked(true);
    r1->SetChecked(true);
    EXPECT_TRUE(r1->Checked());
    EXPECT_TRUE(other->Checked()) << "a radio button on another parent stays checked";
    int clicks = 0;
    r2->OnClick.Bind([&](TObject*) { ++clicks; });
    ClickButton(r2);
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    EXPECT_TRUE(other->Checked());
    EXPECT_EQ(clicks, 1);
    r1->SetChecked(true);
    EXPECT_FALSE(r2->Checked()) << "checking from code unchecks the siblings too";
}

TEST_F(CheckRadioTest, StateSurvivesANewWindow) {
    auto* check = Make<TCheckBox>("CheckBox1");
    check->SetAllowGrayed(true);
    check->SetState(cbGrayed);
    check->SetCaption("Grey");
    HWND old = check->Handle();
    check->SetAlignment(taLeftJustify);
    EXPECT_NE(check->Handle(), old);
    EXPECT_TRUE(StyleOf(check->Handle()) & BS_LEFTTEXT);
    EXPECT_EQ(check->State(), cbGrayed);
    EXPECT_EQ(check->GetText(), "Grey");
    ClickButton(check);
    EXPECT_EQ(check->State(), cbUnchecked) << "the new window still cycles through gray";

    auto* radio = Make<TRadioButton>("Radio1");
    radio->SetChecked(true);
    radio->SetCaption("On");
    old = radio->Handle();
    radio->SetAlignment(taLeftJustify);
    EXPECT_NE(radio->Handle(), old);
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(radio->GetText(), "On");
}

TEST_F(CheckRadioTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    auto* check = Make<TCheckBox>("CheckBox1");
    auto* radio = Make<TRadioButton>("RadioButton1");
    EXPECT_EQ(StoredNames(Store(check, form)), kWindowedDefaults);
    EXPECT_EQ(StoredNames(Store(radio, form)), kWindowedDefaults);

    check->SetAlignment(taLeftJustify);
    check->SetAllowGrayed(true);
    check->SetCaption("Dpst_TCheckBox");
    check->SetState(cbGrayed);
    check->SetTabStop(false);
    std::unique_ptr<TForm> other;
    TCheckBox* copy = RoundTrip(check, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Alignment(), taLeftJustify);
    EXPECT_TRUE(copy->AllowGrayed());
    EXPECT_EQ(copy->GetText(), "Dpst_TCheckBox");
    EXPECT_EQ(copy->State(), cbGrayed);
    EXPECT_FALSE(copy->TabStop());

    check->SetChecked(true);
    std::set<std::string> names = StoredNames(Store(check, form));
    EXPECT_TRUE(names.count("Checked") && names.count("State"));
    std::unique_ptr<TForm> other2;
    copy = RoundTrip(check, form, other2);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->Checked());

    delete check; // the radio button becomes the first in tab order, as in the copy
    radio->SetAlignment(taLeftJustify);
    radio->SetCaption("Dpst_TRadioButton");
    radio->SetChecked(true);
    std::unique_ptr<TForm> other3;
    TRadioButton* rcopy = RoundTrip(radio, form, other3);
    ASSERT_NE(rcopy, nullptr);
    EXPECT_TRUE(rcopy->Checked());
    EXPECT_EQ(rcopy->Alignment(), taLeftJustify);
    EXPECT_EQ(rcopy->GetText(), "Dpst_TRadioButton");
}
