// Writing one value text into a property of many components.
#include "designer/DesignerTestControls.h"
#include "designer/DsnFunc.h"
#include "designer/DsnInfo.h"
#include "support/TestUtil.h"
#include "toolkit/win/Application.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace dsntest;
using fwtest::MessageOf;

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
        c->SetParent(form);
        c->SetBounds(8, 8, width, 20);
        c->SetCaption(name);
        list.Add(c);
        return c;
    }
    std::string Apply(const std::string& prop, const std::string& value) {
        return MessageOf([&] { ApplyPropValue(list, prop, value); });
    }
};

} // namespace

TEST_F(ApplyTest, AnIllegalIntegerChangesNoneOfThreeControls) {
    auto* a = Make<TPushButton>("A", 10);
    auto* b = Make<TTextLabel>("B", 20);
    auto* c = Make<TBoxPanel>("C", 30);
    EXPECT_EQ(Apply("Width", "12a"), "12a is illegal (Width)");
    EXPECT_EQ(a->Width(), 10);
    EXPECT_EQ(b->Width(), 20);
    EXPECT_EQ(c->Width(), 30);
    EXPECT_EQ(Apply("Width", "2147483648"), "2147483648 is illegal (Width)");
    EXPECT_EQ(Apply("Width", ""), "(no error)");
    EXPECT_EQ(a->Width(), 10) << "an empty text never clears a number";
    EXPECT_EQ(Apply("Width", "$28"), "(no error)");
    EXPECT_EQ(a->Width(), 40);
    EXPECT_EQ(b->Width(), 40);
    EXPECT_EQ(c->Width(), 40);
}

TEST_F(ApplyTest, StringsTakeTheTextUnchangedAndAnEmptyOne) {
    auto* a = Make<TPushButton>("A");
    auto* b = Make<TTextLabel>("B");
    EXPECT_EQ(Apply("Caption", " two  words |x "), "(no error)");
    EXPECT_EQ(a->Caption(), " two  words |x ");
    EXPECT_EQ(Apply("caption", ""), "(no error)") << "the name is found ignoring case";
    EXPECT_EQ(a->Caption(), "");
    EXPECT_EQ(b->Caption(), "");
}

TEST_F(ApplyTest, EnumerationsCharactersAndFloats) {
    auto* p = Make<TBoxPanel>("P");
    EXPECT_EQ(Apply("BevelOuter", "BVLOWERED"), "(no error)");
    EXPECT_EQ(p->BevelOuter, bvLowered) << "value names compare ignoring case";
    EXPECT_EQ(Apply("Visible", "false"), "(no error)");
    EXPECT_FALSE(p->Visible());
    // A text that names no value is refused; the ordinal stays in range.
    EXPECT_EQ(Apply("BevelOuter", "bvSunken"), "bvSunken is illegal (BevelOuter)");
    EXPECT_EQ(p->BevelOuter, bvLowered);
    EXPECT_EQ(Apply("BevelOuter", "2"), "2 is illegal (BevelOuter)") << "ordinals are not names";
    EXPECT_EQ(Apply("Ratio", " -2.5e1 "), "(no error)");
    EXPECT_DOUBLE_EQ(p->Ratio, -25);
    EXPECT_EQ(Apply("Ratio", "1,5"), "1,5 is illegal (Ratio)");
    EXPECT_DOUBLE_EQ(p->Ratio, -25);
    list.Clear();
    auto* e = Make<TLineEdit>("E");
    EXPECT_EQ(Apply("PasswordChar", "#x"), "(no error)");
    EXPECT_EQ(e->PasswordChar, '#') << "the first character";
}

TEST_F(ApplyTest, WideStringsAreWrittenThoughTheyReadAsUnknown) {
    auto* e = Make<TLineEdit>("E");
    EXPECT_EQ(Apply("WideText", "x"), "(no error)");
    EXPECT_EQ(e->WideText, u"x");
    EXPECT_EQ(PropValueText(e, e->ClassInfo().FindProp("WideText")), "Unknown");
}

TEST_F(ApplyTest, KindsWithoutATextFormAreLeftAlone) {
    auto* p = Make<TBoxPanel>("P");
    auto* q = Make<TBoxPanel>("Q");
    EXPECT_EQ(Apply("Edges", "[e1]"), "(no error)");
    EXPECT_TRUE(p->Edges.Empty());
    EXPECT_EQ(Apply("Buddy", "Q"), "(no error)");
    EXPECT_EQ(p->Buddy, nullptr);
    EXPECT_EQ(Apply("Big", "5"), "(no error)");
    EXPECT_EQ(q->Big, 0);
    EXPECT_EQ(Apply("Font", "x"), "(no error)");
    EXPECT_EQ(Apply("", "x"), "(no error)") << "no property name: nothing to do";
}

TEST_F(ApplyTest, AFailureStopsAtTheComponentItHappensOn) {
    auto* button = Make<TPushButton>("A");
    auto* label = Make<TTextLabel>("B");
    // The label has no Default: the button before it keeps the written value.
    EXPECT_EQ(Apply("Default", "True"), "True is illegal (Default)");
    EXPECT_TRUE(button->Default);
    list.Clear();
    list.Add(label);
    list.Add(button);
    button->Default = false;
    EXPECT_EQ(Apply("Default", "True"), "True is illegal (Default)");
    EXPECT_FALSE(button->Default) << "components after the failing one are not touched";
    // A setter's own refusal is reported the same way.
    EXPECT_EQ(Apply("Name", "1abc"), "1abc is illegal (Name)");
    EXPECT_EQ(label->Name(), "B");
}

TEST_F(ApplyTest, ForgottenEntriesAreSkipped) {
    auto* a = Make<TPushButton>("A");
    list.Add(nullptr);
    EXPECT_EQ(Apply("Left", "24"), "(no error)");
    EXPECT_EQ(a->Left(), 24);
}
