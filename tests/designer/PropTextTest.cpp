// Property values as text: every kind read through PropValueText, the
// TObjInfo table, and the number conversions behind the texts.
#include "designer/DesignerTestControls.h"
#include "designer/DsnConvert.h"
#include "designer/DsnInfo.h"
#include "support/TestUtil.h"
#include "toolkit/core/Random.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fw;
using namespace dsntest;
using fwtest::MessageOf;

namespace {

struct PropTextTest : ::testing::Test {
    TDesignForm* form = nullptr;
    TPanel* panel = nullptr;
    void SetUp() override {
        Application().Initialize();
        form = new TDesignForm(nullptr);
        form->SetName("Form1");
        panel = new TPanel(form);
        panel->SetName("Panel1");
        panel->SetParent(form);
    }
    void TearDown() override { delete form; }

    static std::string Text(TObject* o, const char* prop) {
        const TPropInfo* p = o->ClassInfo().FindProp(prop);
        EXPECT_NE(p, nullptr) << prop;
        return p ? PropValueText(o, p) : "(no such property)";
    }
    TMethod FormMethod(const TForm* f, const char* name) { return {f->ClassInfo().FindMethod(name), const_cast<TForm*>(f)}; }
};

} // namespace

TEST_F(PropTextTest, OrdinalKinds) {
    panel->SetTag(-5);
    EXPECT_EQ(Text(panel, "Tag"), "-5");
    auto* button = new TButton(form);
    EXPECT_EQ(Text(button, "Color"), "-16777201") << "the button-face colour is a plain signed number";
    EXPECT_EQ(Text(panel, "BevelOuter"), "bvRaised");
    panel->SetBevelOuter(bvLowered);
    EXPECT_EQ(Text(panel, "BevelOuter"), "bvLowered");
    EXPECT_EQ(Text(panel, "Visible"), "True");
    panel->SetVisible(false);
    EXPECT_EQ(Text(panel, "Visible"), "False");
    EXPECT_EQ(Text(panel, "Alignment"), "taCenter");
    auto* edit = new TEdit(form);
    edit->SetPasswordChar('*');
    EXPECT_EQ(Text(edit, "PasswordChar"), "*");
    EXPECT_EQ(Text(edit, "Color"), "-16777211") << "the window colour its constructor sets";
    // No standard control publishes these kinds.
    auto* kinds = new TKindsPanel(form);
    kinds->WideText = u"wide";
    EXPECT_EQ(Text(kinds, "WideText"), "Unknown");
    kinds->Big = 5;
    EXPECT_EQ(Text(kinds, "Big"), "Unknown") << "64-bit integers too";
}

TEST_F(PropTextTest, SetsShowOrdinalsZeroToFifteenOnly) {
    EXPECT_EQ(Text(panel, "Anchors"), "[akLeft,akTop]");
    panel->SetAnchors({akLeft, akRight});
    EXPECT_EQ(Text(panel, "Anchors"), "[akLeft,akRight]") << "ordinals 0 and 2, no spaces";
    panel->SetAnchors({});
    EXPECT_EQ(Text(panel, "Anchors"), "[]");
    // No standard control publishes a set with more than 16 elements.
    auto* kinds = new TKindsPanel(form);
    kinds->Edges = {e1, e15, e16, e17};
    EXPECT_EQ(Text(kinds, "Edges"), "[e1,e15]") << "ordinals 16 and above are never shown";
    kinds->Edges = {e16};
    EXPECT_EQ(Text(kinds, "Edges"), "[]");
}

TEST_F(PropTextTest, FloatsInTheGeneralFormat) {
    // No standard control publishes a float.
    auto* kinds = new TKindsPanel(form);
    const std::pair<double, const char*> cases[] = {{37973.4719844097, "37973.4719844097"}, {-0.0, "0"},
                                                    {1e20, "1E20"}, {1.5e-7, "1.5E-7"}, {0.0001, "0.0001"},
                                                    {1234567890123456.0, "1.23456789012346E15"}};
    for (auto [value, text] : cases) {
        kinds->Ratio = value;
        EXPECT_EQ(Text(kinds, "Ratio"), text) << value;
    }
}

TEST_F(PropTextTest, ClassPropertiesShowComponentNamesOrTheDeclaredClass) {
    EXPECT_EQ(Text(panel, "Font"), "(TFont)");
    auto* memo = new TMemo(form);
    memo->Lines()->Add("one");
    EXPECT_EQ(Text(memo, "Lines"), "(TStrings)") << "the declared class, not the held object's";
    EXPECT_EQ(Text(panel, "PopupMenu"), "") << "an empty component reference";
    auto* label = new TLabel(form);
    EXPECT_EQ(Text(label, "FocusControl"), "");
    auto* edit = new TEdit(form);
    edit->SetName("Edit1");
    label->SetFocusControl(edit);
    EXPECT_EQ(Text(label, "FocusControl"), "Edit1");
    delete edit;
    EXPECT_EQ(Text(label, "FocusControl"), "") << "the label forgets a freed control";
}

TEST_F(PropTextTest, EventsShowThePublishedHandlerName) {
    auto* button = new TButton(form);
    button->OnClick = FormMethod(form, "Button1Click");
    EXPECT_EQ(Text(button, "OnClick"), "Button1Click") << "a control's handler is looked up in its owner's class";
    form->OnClick = FormMethod(form, "FormClick");
    EXPECT_EQ(Text(form, "OnClick"), "FormClick") << "a form's own handler is looked up in its own class";
    EXPECT_EQ(Text(button, "OnDblClick"), "") << "no handler";
    button->OnDblClick.Bind([](TObject*) {});
    EXPECT_EQ(Text(button, "OnDblClick"), "") << "a bound function has no published name";
    auto* edit = new TEdit(form);
    edit->OnChange = FormMethod(form, "FormClick");
    EXPECT_EQ(Text(edit, "OnChange"), "FormClick") << "an event the edit publishes itself";

    // A form owned by another form: its handler is looked up in its own
    // class, which does not publish the owner's method.
    auto* inner = new TForm(form);
    inner->OnClick = FormMethod(form, "Button1Click");
    EXPECT_EQ(Text(inner, "OnClick"), "");
    // A control whose owner is not the form publishing the handler.
    TComponent plainOwner(nullptr);
    auto* stray = new TButton(&plainOwner);
    stray->OnClick = FormMethod(form, "Button1Click");
    EXPECT_EQ(Text(stray, "OnClick"), "");
}

TEST_F(PropTextTest, ObjInfoDescribesAnInstance) {
    panel->SetCaption("hello");
    TObjInfo info(panel);
    EXPECT_EQ(info.ClassName, "TPanel");
    ASSERT_EQ(info.PropCount, panel->ClassInfo().PropCount());
    EXPECT_EQ(info.PropList.front()->Name, "Name") << "inherited properties first";
    int caption = info.IndexOfProp("caption");
    ASSERT_GE(caption, 0) << "the name is found ignoring case";
    TMyPropInfo p = info.GetProp(caption);
    EXPECT_EQ(p.Name, "Caption");
    EXPECT_EQ(p.Value, "hello");
    EXPECT_EQ(p.Kind, 10);
    panel->SetCaption("later");
    EXPECT_EQ(info.GetProp(caption).Value, "later") << "values are read when asked for";
    EXPECT_EQ(info.IndexOfProp("NoSuchProperty"), -1);
    EXPECT_EQ(MessageOf([&] { info.GetProp(info.PropCount); }), "Invalid Index");
    EXPECT_EQ(MessageOf([&] { info.GetProp(-1); }), "Invalid Index");
    TObjInfo none(nullptr);
    EXPECT_EQ(none.PropCount, 0);
    EXPECT_EQ(MessageOf([&] { none.GetProp(0); }), "Invalid Index");
}

TEST(ConvertTest, IntegerTexts) {
    const std::pair<const char*, int32_t> good[] = {{"-42", -42}, {"+7", 7}, {"  12", 12}, {"0x1f", 31},
                                                    {"$FF00000F", -16777201}, {"2147483647", 2147483647},
                                                    {"-2147483648", INT32_MIN}};
    for (auto [text, value] : good) {
        auto v = TextToInt32(text);
        ASSERT_TRUE(v.has_value()) << text;
        EXPECT_EQ(*v, value) << text;
    }
    for (const char* bad : {"", "12a", "12 ", "1.0", "-", "$", "0x", "2147483648", "-2147483649", "$100000000"})
        EXPECT_FALSE(TextToInt32(bad).has_value()) << '"' << bad << '"';
}

TEST(ConvertTest, FloatTexts) {
    const std::pair<const char*, double> good[] = {{"-2", -2}, {".5", 0.5}, {" 2.5 ", 2.5}, {"+1.5E-7", 1.5e-7}};
    for (auto [text, value] : good) {
        auto v = TextToFloat(text);
        ASSERT_TRUE(v.has_value()) << text;
        EXPECT_DOUBLE_EQ(*v, value) << text;
    }
    for (const char* bad : {"", "abc", "1.2.3", "inf", "nan", "1e400", "0x10", "1,5", "+-1"})
        EXPECT_FALSE(TextToFloat(bad).has_value()) << '"' << bad << '"';
}

TEST(ConvertTest, FloatTextReadsBackToFifteenDigits) {
    RandSeed(20240505);
    for (int i = 0; i < 500; ++i) {
        double v = (RandomFloat() - 0.5) * std::pow(10.0, Random(40) - 20);
        std::string text = FloatToText(v);
        auto back = TextToFloat(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14) << text;
    }
}
