// The reflection layer: class names and descent, property lists in
// declaration order, case-insensitive look-ups, type infos and accessors.
#include "support/TestComponents.h"
#include "toolkit/core/Exception.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace fwtest;

namespace {
std::vector<std::string> Names(const TClassInfo& c) {
    std::vector<std::string> out;
    for (const TPropInfo* p : c.Props()) out.push_back(p->Name);
    return out;
}
} // namespace

TEST(Reflection, ClassNamesAndDescent) {
    TTestLabel label(nullptr);
    EXPECT_EQ(label.ClassName(), "TTestLabel");
    EXPECT_TRUE(label.Is<TTestControl>());
    EXPECT_TRUE(label.Is<TComponent>());
    EXPECT_TRUE(label.Is<TObject>());
    EXPECT_FALSE(label.Is<TTestPanel>());
    EXPECT_TRUE(TTestPanel::StaticClassInfo().InheritsFrom(TComponent::StaticClassInfo()));
    EXPECT_FALSE(TTestFont::StaticClassInfo().InheritsFrom(TComponent::StaticClassInfo()));
    EXPECT_TRUE(TTestControl::StaticClassInfo().CreateComponent != nullptr);
    EXPECT_FALSE(TStrings::StaticClassInfo().CreateComponent) << "abstract classes have no factory";
}

TEST(Reflection, PropertyListOrderAncestorsFirstRepublishedKeepsPosition) {
    auto base = Names(TTestControl::StaticClassInfo());
    auto label = Names(TTestLabel::StaticClassInfo());
    ASSERT_GE(base.size(), 4u);
    EXPECT_EQ(base[0], "Name");
    EXPECT_EQ(base[1], "Tag");
    EXPECT_EQ(base[2], "Left");
    // TTestLabel publishes Caption again and adds WordWrap: same list, WordWrap last.
    ASSERT_EQ(label.size(), base.size() + 1);
    EXPECT_TRUE(std::equal(base.begin(), base.end(), label.begin()));
    EXPECT_EQ(label.back(), "WordWrap");
    EXPECT_EQ(TTestLabel::StaticClassInfo().PropCount(), static_cast<int>(label.size()));
    // The republished entry is the descendant's.
    const TPropInfo* cap = TTestLabel::StaticClassInfo().FindProp("caption");
    ASSERT_NE(cap, nullptr);
    EXPECT_NE(cap, TTestControl::StaticClassInfo().FindProp("Caption"));
    EXPECT_EQ(TTestLabel::StaticClassInfo().FindProp("nothing"), nullptr);
}

TEST(Reflection, KindsAndTypeInfos) {
    const TClassInfo& c = TTestControl::StaticClassInfo();
    auto kind = [&](const char* n) { return static_cast<int>(c.FindProp(n)->Kind()); };
    EXPECT_EQ(kind("Left"), 1);
    EXPECT_EQ(kind("Accel"), 2);
    EXPECT_EQ(kind("Visible"), 3);
    EXPECT_EQ(kind("Ratio"), 4);
    EXPECT_EQ(kind("Anchors"), 6);
    EXPECT_EQ(kind("Font"), 7);
    EXPECT_EQ(kind("OnClick"), 8);
    EXPECT_EQ(kind("Caption"), 10);
    EXPECT_EQ(kind("Wide"), 11);
    EXPECT_EQ(kind("Big"), 16);

    const TTypeInfo& align = *c.FindProp("Align")->PropType;
    EXPECT_EQ(align.Name, "TTestAlign");
    EXPECT_EQ(align.BaseType(), &align);
    EXPECT_EQ(align.MaxValue, 3);
    EXPECT_EQ(align.GetEnumName(2), "taBottom");
    EXPECT_EQ(align.GetEnumName(4), "");
    EXPECT_EQ(align.GetEnumValue("TACLIENT"), 3);
    EXPECT_EQ(align.GetEnumValue("taNowhere"), -1);
    const TTypeInfo& anchors = *c.FindProp("Anchors")->PropType;
    ASSERT_NE(anchors.CompType, nullptr);
    EXPECT_EQ(anchors.CompType->Name, "TTestAnchorKind");
    const TTypeInfo& font = *c.FindProp("Font")->PropType;
    EXPECT_EQ(font.Name, "TTestFont");
    EXPECT_EQ(font.ClassType(), &TTestFont::StaticClassInfo());
    EXPECT_EQ(c.FindProp("Buddy")->PropType->ClassType(), &TTestControl::StaticClassInfo());
    EXPECT_EQ(c.FindProp("OnClick")->PropType->Name, "TNotifyEvent");
    EXPECT_EQ(c.FindProp("Color")->PropType->Name, "TColor");
    EXPECT_EQ(TypeInfo<bool>().GetEnumName(1), "True");
}

TEST(Reflection, AccessorsReadAndWriteEveryCategory) {
    TTestControl ctl(nullptr);
    const TClassInfo& c = ctl.ClassInfo();
    c.FindProp("Left")->SetOrd(&ctl, -5);
    EXPECT_EQ(ctl.Left, -5);
    EXPECT_EQ(c.FindProp("Color")->GetOrd(&ctl), -16777201);
    c.FindProp("Visible")->SetOrd(&ctl, 0);
    EXPECT_FALSE(ctl.Visible);
    EXPECT_EQ(c.FindProp("Visible")->GetOrd(&ctl), 0);
    ctl.Anchors = TTestAnchors{tkLeftSide, tkRightSide};
    EXPECT_EQ(c.FindProp("Anchors")->GetOrd(&ctl), 0b101);
    c.FindProp("Anchors")->SetOrd(&ctl, 0b1000);
    EXPECT_TRUE(ctl.Anchors == TTestAnchors{tkBottomSide});
    c.FindProp("Accel")->SetOrd(&ctl, 0xE9);
    EXPECT_EQ(c.FindProp("Accel")->GetOrd(&ctl), 0xE9) << "characters read as unsigned ordinals";
    c.FindProp("Ratio")->SetFloat(&ctl, 1.5L);
    EXPECT_EQ(ctl.Ratio, 1.5);
    c.FindProp("Big")->SetInt64(&ctl, INT64_MIN);
    EXPECT_EQ(ctl.Big, INT64_MIN);
    c.FindProp("Wide")->SetStr(&ctl, "\xE2\x82\xAC");
    EXPECT_EQ(ctl.Wide, u"\u20AC");
    EXPECT_EQ(c.FindProp("Font")->GetObj(&ctl), ctl.Font.get());
    EXPECT_FALSE(c.FindProp("Font")->IsWritable() == false);

    // Out-of-range enumeration ordinals and objects of the wrong class are refused.
    EXPECT_THROW(c.FindProp("Align")->SetOrd(&ctl, 4), EPropertyError);
    EXPECT_EQ(ctl.Align, taNone);
    TTestMenu menu(nullptr);
    EXPECT_THROW(c.FindProp("Buddy")->SetObj(&ctl, &menu), EPropertyError);
    // Read-only: the panel's header.
    EXPECT_FALSE(TTestPanel::StaticClassInfo().FindProp("Header")->IsWritable());
}

TEST(Reflection, MethodsByNameAndByCode) {
    const TClassInfo& form = TTestForm::StaticClassInfo();
    const TMethodEntry* click = form.FindMethod("button1click");
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(form.MethodName(click), "Button1Click");
    EXPECT_EQ(TPlainForm::StaticClassInfo().MethodName(click), "");
    EXPECT_EQ(form.MethodName(nullptr), "");
    EXPECT_EQ(form.FindMethod("Missing"), nullptr);

    TTestForm f(nullptr);
    TTestControl ctl(nullptr);
    const TPropInfo* onClick = ctl.ClassInfo().FindProp("OnClick");
    onClick->SetMethod(&ctl, TMethod{click, &f});
    EXPECT_EQ(onClick->GetMethod(&ctl).Code, click);
    ctl.OnClick(&ctl);
    ASSERT_EQ(f.Clicks.size(), 1u);
    // A handler of another signature does not fit this event.
    const TMethodEntry* key = form.FindMethod("Edit1Key");
    EXPECT_THROW(onClick->SetMethod(&ctl, TMethod{key, &f}), EPropertyError);
}
