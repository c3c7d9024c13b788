// The designable control classes as a whole: the registry receives them in
// their fixed order, and each publishes what the designer's inspector and the
// design files rely on.
#include "toolkit/win/controls/DesignableClasses.h"
#include "toolkit/win/window/WinControl.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace fw;

namespace {

const std::vector<std::string> kOrder{
    "TButton",      "TEdit",        "TLabel",         "TPanel",        "TMemo",         "TCheckBox",
    "TRadioButton", "TListBox",     "TComboBox",      "TScrollBar",    "TBitBtn",       "TSpeedButton",
    "TStringGrid",  "TImage",       "TShape",         "TBevel",        "TSplitter",     "TPageControl",
    "TRichEdit",    "TTrackBar",    "TProgressBar",   "TUpDown",       "TMonthCalendar", "TListView",
    "TTreeView",    "TMediaPlayer", "TOleContainer",  "TColorGrid",    "TDirectoryOutline", "TShellListView"};

std::vector<std::string> Names(const std::vector<const TClassInfo*>& classes) {
    std::vector<std::string> names;
    for (const TClassInfo* c : classes) names.push_back(c->ClassName);
    return names;
}

} // namespace

TEST(DesignableClasses, TheRegistryReceivesTheThirtyInTheirOrder) {
    EXPECT_EQ(Names(DesignableClasses()), kOrder);
    TClassRegistry registry;
    RegisterDesignableClasses(registry);
    RegisterDesignableClasses(registry); // again: harmless, order kept
    EXPECT_EQ(Names(registry.Classes()), kOrder);
    for (const TClassInfo* c : DesignableClasses())
        EXPECT_TRUE(c->InheritsFrom(TControl::StaticClassInfo())) << c->ClassName;
}

TEST(DesignableClasses, EachPublishesThePlacementAndStateEveryControlHas) {
    const char* common[] = {"Left",    "Top",       "Width",          "Height",    "Align",   "Anchors",
                            "Constraints", "Cursor", "Enabled",       "Hint",      "ShowHint", "ParentShowHint",
                            "PopupMenu", "Visible", "OnMouseDown",    "OnMouseUp", "OnMouseMove"};
    const char* windowed[] = {"TabOrder", "TabStop", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp"};
    for (const TClassInfo* c : DesignableClasses()) {
        for (const char* name : common) EXPECT_NE(c->FindProp(name), nullptr) << c->ClassName << "." << name;
        if (!c->InheritsFrom(TWinControl::StaticClassInfo())) continue;
        for (const char* name : windowed) EXPECT_NE(c->FindProp(name), nullptr) << c->ClassName << "." << name;
    }
}

TEST(DesignableClasses, TheNamesTheInspectorOffersExistWhereTheyMeanSomething) {
    const std::map<std::string, std::vector<const char*>> own{
        {"TButton", {"Caption", "Default", "Cancel", "Font", "OnClick"}},
        {"TEdit", {"Text", "ReadOnly", "Font", "Color", "OnChange"}},
        {"TLabel", {"Caption", "Alignment", "Transparent", "WordWrap", "OnClick"}},
        {"TPanel", {"Caption", "Alignment", "BevelInner", "BevelOuter", "OnClick"}},
        {"TMemo", {"Lines", "Alignment", "ReadOnly", "ScrollBars", "WordWrap", "OnChange"}},
        {"TCheckBox", {"Caption", "Alignment", "OnClick"}},
        {"TRadioButton", {"Caption", "Alignment", "OnClick"}},
        {"TListBox", {"Items", "Columns", "ItemHeight", "Sorted", "Style", "OnClick"}},
        {"TComboBox", {"Text", "Items", "ItemHeight", "Sorted", "Style", "OnChange"}},
        {"TScrollBar", {"Kind", "Min", "Max", "Position", "PageSize", "OnChange"}},
        {"TBitBtn", {"Caption", "Glyph", "Kind", "Default", "OnClick"}},
        {"TSpeedButton", {"Caption", "Glyph", "OnClick"}},
        {"TStringGrid", {"Options", "ScrollBars", "OnClick"}},
        {"TImage", {"Picture", "Stretch", "Proportional", "Transparent", "OnClick"}},
        {"TShape", {"Shape", "Pen", "Brush"}},
        {"TBevel", {"Shape", "Style"}},
        {"TSplitter", {"MinSize", "OnMoved"}},
        {"TPageControl", {"Style", "ActivePage", "OnChange"}},
        {"TRichEdit", {"Lines", "Alignment", "HideSelection", "ReadOnly", "ScrollBars", "WordWrap"}},
        {"TTrackBar", {"Min", "Max", "Orientation", "PageSize", "Position", "OnChange"}},
        {"TProgressBar", {"Min", "Max", "Orientation", "Position"}},
        {"TUpDown", {"Min", "Max", "Orientation", "Position", "Associate", "OnClick"}},
        {"TMonthCalendar", {"Date", "FirstDayOfWeek", "OnClick"}},
        {"TListView", {"Columns", "HideSelection", "ReadOnly", "OnChange"}},
        {"TTreeView", {"Indent", "HideSelection", "ReadOnly", "OnChange"}},
        {"TMediaPlayer", {"FileName", "VisibleButtons", "OnClick"}},
        {"TOleContainer", {"Caption"}},
        {"TColorGrid", {"ForegroundIndex", "BackgroundIndex", "GridOrdering", "OnChange"}},
        {"TDirectoryOutline", {"Options", "ItemHeight", "PictureLeaf", "OnChange"}},
        {"TShellListView", {"ObjectTypes", "Root", "Sorted", "ReadOnly", "HideSelection"}},
    };
    ASSERT_EQ(own.size(), kOrder.size());
    for (const TClassInfo* c : DesignableClasses()) {
        auto it = own.find(c->ClassName);
        ASSERT_NE(it, own.end()) << c->ClassName;
        for (const char* name : it->second) EXPECT_NE(c->FindProp(name), nullptr) << c->ClassName << "." << name;
    }
}
