// Writing one value text into a property of many components.
#include "designer/DesignerTestControls.h"
#include "designer/DsnFunc.h"
#include "support/TestUtil.h"
#include "toolkit/win/window/Application.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;

namespace {

struct ApplyTest : ::testing::Test {
    TDesignForm* form = nullptr;
    TList<TComponent*> list;
    void SetUp() override {
        Application().Initialize();
        form = new TDesignForm(nullptr);
    }
    void TearDown() override { delete form; }

    // The caption first: a label sizes itself to its text, and the bounds
    // given afterwards are the ones the tests expect.
    template <class T> T* Make(const char* name, int32_t width = 50) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetCaption(name);
        c->SetBounds(8, 8, width, 20);
        list.Add(c);
        return c;
    }
    std::string Apply(const std::string& prop, const std::string& value) {
        return fwtest::MessageOf([&] { ApplyPropValue(list, prop, value); });
    }
};

} // namespace

TEST_F(ApplyTest, IntegersAndStringsAcrossASelection) {
    auto* a = Make<TButton>("A", 10);
    auto* b = Make<TLabel>("B", 20);
    auto* c = Make<TPanel>("C", 30);
    EXPECT_EQ(Apply("Width", "12a"), "12a is illegal (Width)");
    EXPECT_EQ(Apply("Width", ""), "(no error)") << "an empty text never clears a number";
    EXPECT_EQ(a->Width() * 10000 + b->Width() * 100 + c->Width(), 102030) << "all three unchanged";
    EXPECT_EQ(Apply("Width", "$28"), "(no error)");
    EXPECT_EQ(a->Width() * 10000 + b->Width() * 100 + c->Width(), 404040);
    EXPECT_EQ(Apply("caption", " two | words "), "(no error)") << "the name is found ignoring case";
    EXPECT_EQ(a->Caption() + b->Caption() + c->Caption(), " two | words  two | words  two | words ");
    EXPECT_EQ(Apply("Caption", ""), "(no error)");
    EXPECT_EQ(a->Caption() + b->Caption() + c->Caption(), "") << "an empty text empties every caption";
}

TEST_F(ApplyTest, EnumerationsAndCharacters) {
    auto* p = Make<TPanel>("P");
    auto* q = Make<TPanel>("Q");
    EXPECT_EQ(Apply("BevelOuter", "BVLOWERED"), "(no error)");
    EXPECT_EQ(p->BevelOuter(), bvLowered) << "value names compare ignoring case";
    EXPECT_EQ(q->BevelOuter(), bvLowered);
    // A text that names no value is refused, so no out-of-range ordinal is stored.
    EXPECT_EQ(Apply("BevelOuter", "bvSunken"), "bvSunken is illegal (BevelOuter)");
    EXPECT_EQ(Apply("BevelOuter", "2"), "2 is illegal (BevelOuter)") << "ordinals are not names";
    EXPECT_EQ(p->BevelOuter(), bvLowered);
    EXPECT_EQ(Apply("Visible", "false"), "(no error)");
    EXPECT_FALSE(p->Visible() || q->Visible());
    list.Clear();
    auto* e = Make<TEdit>("E");
    EXPECT_EQ(Apply("PasswordChar", "#x"), "(no error)");
    EXPECT_EQ(e->PasswordChar(), '#') << "the first character";
    EXPECT_EQ(Apply("Text", "typed"), "(no error)");
    EXPECT_EQ(e->GetText(), "typed");
}

TEST_F(ApplyTest, FloatsAndWideStrings) {
    // No standard control publishes a float or a wide string.
    auto* k = Make<TKindsPanel>("K");
    EXPECT_EQ(Apply("Ratio", " -2.5e1 "), "(no error)");
    EXPECT_EQ(Apply("Ratio", "1,5"), "1,5 is illegal (Ratio)");
    EXPECT_DOUBLE_EQ(k->Ratio, -25);
    EXPECT_EQ(Apply("WideText", "x"), "(no error)");
    EXPECT_EQ(k->WideText, u"x") << "written, though it reads as Unknown";
    EXPECT_EQ(Apply("WideText", ""), "(no error)");
    EXPECT_EQ(k->WideText, u"") << "an empty text empties a wide string too";
}

TEST_F(ApplyTest, KindsWithoutATextFormAreLeftAlone) {
    auto* p = Make<TPanel>("P");
    auto* l = Make<TLabel>("L");
    TFont* font = p->Font();
    std::string fontName = font->Name();
    for (const char* prop : {"Anchors", "PopupMenu", "Font", "OnClick", ""})
        EXPECT_EQ(Apply(prop, "P"), "(no error)") << prop;
    EXPECT_EQ(p->Anchors(), (TAnchors{akLeft, akTop}));
    EXPECT_EQ(l->Anchors(), (TAnchors{akLeft, akTop}));
    EXPECT_EQ(p->PopupMenu(), nullptr);
    EXPECT_EQ(p->Font(), font);
    EXPECT_EQ(p->Font()->Name(), fontName);
    EXPECT_FALSE(l->OnClick.Assigned() || p->OnClick.Assigned());
    list.Clear();
    auto* k = Make<TKindsPanel>("K");
    for (const char* prop : {"Edges", "Big"}) EXPECT_EQ(Apply(prop, "5"), "(no error)") << prop;
    EXPECT_TRUE(k->Edges.Empty());
    EXPECT_EQ(k->Big, 0) << "64-bit integers have no text form";
}

TEST_F(ApplyTest, AFailureStopsAtTheComponentItHappensOn) {
    auto* button = Make<TButton>("A");
    auto* label = Make<TLabel>("B");
    // The label has no Default: the button before it keeps the written value.
    EXPECT_EQ(Apply("Default", "True"), "True is illegal (Default)");
    EXPECT_TRUE(button->Default());
    list.Clear();
    list.Add(label);
    list.Add(nullptr); // an entry forgotten until its Delete is skipped
    list.Add(button);
    button->SetDefault(false);
    EXPECT_EQ(Apply("Default", "True"), "True is illegal (Default)");
    EXPECT_FALSE(button->Default()) << "components after the failing one are not touched";
    // A setter's own refusal is reported the same way.
    EXPECT_EQ(Apply("Name", "1abc"), "1abc is illegal (Name)");
    EXPECT_EQ(Apply("Left", "24"), "(no error)");
    EXPECT_EQ(label->Left() + button->Left(), 48);
}
