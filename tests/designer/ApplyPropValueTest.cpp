// Writing one value text into a property of many components.
#include "designer/DesignerTestControls.h"
#include "designer/DsnFunc.h"
#include "support/TestUtil.h"
#include "toolkit/win/Application.h"

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

    template <class T> T* Make(const char* name, int32_t width = 50) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetBounds(8, 8, width, 20);
        c->SetCaption(name);
        list.Add(c);
        return c;
    }
    std::string Apply(const std::string& prop, const std::string& value) {
        return fwtest::MessageOf([&] { ApplyPropValue(list, prop, value); });
    }
};

} // namespace

TEST_F(ApplyTest, IntegersAndStringsAcrossASelection) {
    auto* a = Make<TPushButton>("A", 10);
    auto* b = Make<TTextLabel>("B", 20);
    auto* c = Make<TBoxPanel>("C", 30);
    EXPECT_EQ(Apply("Width", "12a"), "12a is illegal (Width)");
    EXPECT_EQ(Apply("Width", ""), "(no error)") << "an empty text never clears a number";
    EXPECT_EQ(a->Width() * 10000 + b->Width() * 100 + c->Width(), 102030) << "all three unchanged";
    EXPECT_EQ(Apply("Width", "$28"), "(no error)");
    EXPECT_EQ(a->Width() * 10000 + b->Width() * 100 + c->Width(), 404040);
    EXPECT_EQ(Apply("caption", " two | words "), "(no error)") << "the name is found ignoring case";
    EXPECT_EQ(c->Caption(), " two | words ");
    EXPECT_EQ(Apply("Caption", ""), "(no error)");
    EXPECT_EQ(a->Caption() + b->Caption() + c->Caption(), "") << "an empty text empties every caption";
}

TEST_F(ApplyTest, EnumerationsCharactersFloatsAndWideStrings) {
    auto* p = Make<TBoxPanel>("P");
    EXPECT_EQ(Apply("BevelOuter", "BVLOWERED"), "(no error)");
    EXPECT_EQ(p->BevelOuter, bvLowered) << "value names compare ignoring case";
    // A text that names no value is refused, so no out-of-range ordinal is stored.
    EXPECT_EQ(Apply("BevelOuter", "bvSunken"), "bvSunken is illegal (BevelOuter)");
    EXPECT_EQ(Apply("BevelOuter", "2"), "2 is illegal (BevelOuter)") << "ordinals are not names";
    EXPECT_EQ(p->BevelOuter, bvLowered);
    EXPECT_EQ(Apply("Ratio", " -2.5e1 "), "(no error)");
    EXPECT_EQ(Apply("Ratio", "1,5"), "1,5 is illegal (Ratio)");
    EXPECT_DOUBLE_EQ(p->Ratio, -25);
    list.Clear();
    auto* e = Make<TLineEdit>("E");
    EXPECT_EQ(Apply("PasswordChar", "#x"), "(no error)");
    EXPECT_EQ(e->PasswordChar, '#') << "the first character";
    EXPECT_EQ(Apply("WideText", "x"), "(no error)");
    EXPECT_EQ(e->WideText, u"x") << "written, though it reads as Unknown";
}

TEST_F(ApplyTest, KindsWithoutATextFormAreLeftAlone) {
    auto* p = Make<TBoxPanel>("P");
    auto* q = Make<TBoxPanel>("Q");
    for (const char* prop : {"Edges", "Buddy", "Big", "Font", "OnClick", ""})
        EXPECT_EQ(Apply(prop, "Q"), "(no error)") << prop;
    EXPECT_TRUE(p->Edges.Empty());
    EXPECT_EQ(p->Buddy, nullptr);
    EXPECT_EQ(q->Big, 0);
}

TEST_F(ApplyTest, AFailureStopsAtTheComponentItHappensOn) {
    auto* button = Make<TPushButton>("A");
    auto* label = Make<TTextLabel>("B");
    // The label has no Default: the button before it keeps the written value.
    EXPECT_EQ(Apply("Default", "True"), "True is illegal (Default)");
    EXPECT_TRUE(button->Default);
    list.Clear();
    list.Add(label);
    list.Add(nullptr); // an entry forgotten until its Delete is skipped
    list.Add(button);
    button->Default = false;
    EXPECT_EQ(Apply("Default", "True"), "True is illegal (Default)");
    EXPECT_FALSE(button->Default) << "components after the failing one are not touched";
    // A setter's own refusal is reported the same way.
    EXPECT_EQ(Apply("Name", "1abc"), "1abc is illegal (Name)");
    EXPECT_EQ(Apply("Left", "24"), "(no error)");
    EXPECT_EQ(label->Left() + button->Left(), 48);
}
