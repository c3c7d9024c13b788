// List boxes: items live in the window and survive every re-creating
// property, selections and clicks come from the window, properties
// round-trip with only non-default values stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/ListBox.h"

using namespace ctltest;

namespace {

std::vector<std::string> ItemsOf(const TListBox* list) {
    std::vector<std::string> v;
    for (int i = 0; i < list->Items()->Count(); ++i) v.push_back(list->Items()->Get(i));
    return v;
}

} // namespace

using ListBoxTest = ShownForm;

TEST_F(ListBoxTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* list = Make<TListBox>("ListBox1");
    list->Items()->Add("one");
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    list->SetMultiSelect(true);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    delete list;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(ListBoxTest, ItemsAndStateSurviveReCreation) {
    auto* list = Make<TListBox>("ListBox1");
    list->SetBounds(10, 10, 120, 60);
    auto* child = Make<TButton>("Inside", list);
    for (const char* s : {"pear", "apple", "fig", "kiwi", "lime", "plum", "date", "nut"}) list->Items()->Add(s);
    list->SetItemIndex(2);
    list->SetTopIndex(3);
    HWND old = list->Handle();

    list->SetIntegralHeight(true);
    EXPECT_NE(list->Handle(), old);
    EXPECT_FALSE(StyleOf(list->Handle()) & LBS_NOINTEGRALHEIGHT);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(list->TopIndex(), 3);
    EXPECT_EQ(list->Items()->Count(), 8);
    EXPECT_EQ(GetParent(child->Handle()), list->Handle()) << "the child moves to the new window";

    list->SetSorted(true);
    EXPECT_TRUE(StyleOf(list->Handle()) & LBS_SORT);
    EXPECT_EQ(ItemsOf(list),
              (std::vector<std::string>{"apple", "date", "fig", "kiwi", "lime", "nut", "pear", "plum"}));
    list->Items()->Add("banana");
    EXPECT_EQ(list->Items()->Get(1), "banana") << "a sorted list puts new items in order";

    list->SetColumns(2);
    EXPECT_TRUE(StyleOf(list->Handle()) & LBS_MULTICOLUMN);
    list->SetStyle(lbOwnerDrawFixed);
    EXPECT_TRUE(StyleOf(list->Handle()) & LBS_OWNERDRAWFIXED);
    EXPECT_EQ(list->Items()->Count(), 9);
    EXPECT_EQ(list->Columns(), 2);
    EXPECT_TRUE(list->Sorted());
    EXPECT_TRUE(list->IntegralHeight());
}

TEST_F(ListBoxTest, MultiSelectionSurvivesReCreation) {
    auto* list = Make<TListBox>("ListBox1");
    for (const char* s : {"a", "b", "c", "d"}) list->Items()->Add(s);
    list->SetMultiSelect(true);
    EXPECT_TRUE(StyleOf(list->Handle()) & LBS_EXTENDEDSEL);
    list->SetSelected(1, true);
    list->SetSelected(3, true);
    EXPECT_EQ(list->SelCount(), 2);
    list->SetExtendedSelect(false);
    EXPECT_TRUE(StyleOf(list->Handle()) & LBS_MULTIPLESEL);
    EXPECT_TRUE(list->Selected(1));
    EXPECT_FALSE(list->Selected(2));
    EXPECT_TRUE(list->Selected(3));
}

TEST_F(ListBoxTest, AClickOnAnItemSelectsItAndRunsOnClick) {
    auto* list = Make<TListBox>("ListBox1");
    for (const char* s : {"a", "b", "c"}) list->Items()->Add(s);
    int clicks = 0, doubles = 0;
    list->OnClick.Bind([&](TObject*) { ++clicks; });
    list->OnDblClick.Bind([&](TObject*) { ++doubles; });
    RECT item{};
    SendMessageW(list->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    LPARAM at = PointToLParam(item.left + 5, (item.top + item.bottom) / 2);
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    SendMessageW(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(doubles, 1);
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreDrawnByTheControl) {
    auto* list = Make<TListBox>("ListBox1");
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    for (const char* s : {"a", "b"}) list->Items()->Add(s);
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 20);
    std::vector<int> drawn;
    list->OnDrawItem.Bind([&](TObject*, int32_t index, RECT, TOwnerDrawState) { drawn.push_back(index); });
    InvalidateRect(list->Handle(), nullptr, TRUE);
    UpdateWindow(list->Handle());
    EXPECT_EQ(drawn, (std::vector<int>{0, 1}));
}

TEST_F(ListBoxTest, VariableItemsTakeTheHeightsTheControlAsksFor) {
    auto* list = Make<TListBox>("ListBox1");
    list->SetStyle(lbOwnerDrawVariable);
    list->SetItemHeight(15);
    std::vector<int> asked;
    list->OnMeasureItem.Bind([&](TObject*, int32_t index, int32_t& height) {
        asked.push_back(index);
        if (index == 1) height = 40;
        if (index == 2) height = 1000; // beyond what a list item can have
    });
    for (const char* s : {"a", "b", "c"}) list->Items()->Add(s);
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
    HWND h = list->Handle();
    EXPECT_EQ(SendMessageW(h, LB_GETITEMHEIGHT, 0, 0), 15) << "ItemHeight where the handler left it";
    EXPECT_EQ(SendMessageW(h, LB_GETITEMHEIGHT, 1, 0), 40);
    EXPECT_EQ(SendMessageW(h, LB_GETITEMHEIGHT, 2, 0), 255);

    list->SetSorted(true); // a new window asks again, item by item
    EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 1, 0), 40);

    auto* combo = Make<TComboBox>("ComboBox1");
    combo->SetStyle(csOwnerDrawVariable);
    combo->OnMeasureItem.Bind([&](TObject*, int32_t index, int32_t& height) { height = 20 + index; });
    for (const char* s : {"a", "b"}) combo->Items()->Add(s);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 1, 0), 21);
}

TEST_F(ListBoxTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    auto* list = Make<TListBox>("ListBox1");
    EXPECT_EQ(StoredNames(Store(list, form)), kWindowedDefaults);
    list->SetItemHeight(13); // the palette prototype's
    EXPECT_EQ(StoredNames(Store(list, form)),
              (std::set<std::string>{"Left", "Top", "Width", "Height", "ItemHeight", "TabOrder"}));
    std::unique_ptr<TForm> first;
    TListBox* copy = RoundTrip(list, form, first);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ItemHeight(), 13);

    for (const char* s : {"x", "y", "z"}) list->Items()->Add(s);
    list->SetItemIndex(1);
    list->SetColumns(3);
    list->SetExtendedSelect(false);
    list->SetIntegralHeight(true);
    list->SetSorted(true);
    list->SetStyle(lbOwnerDrawVariable);
    list->SetColor(clYellow);
    list->SetTabStop(false);
    std::set<std::string> names = StoredNames(Store(list, form));
    for (const char* n : {"Items.Strings", "ItemIndex", "Columns", "ExtendedSelect", "IntegralHeight", "Sorted",
                          "Style", "Color", "TabStop"})
        EXPECT_TRUE(names.count(n)) << n;
    std::unique_ptr<TForm> second;
    copy = RoundTrip(list, form, second);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ItemsOf(copy), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(copy->ItemIndex(), 1);
    EXPECT_EQ(copy->Style(), lbOwnerDrawVariable);

    // MultiSelect is stored without the (single) selection.
    list->SetMultiSelect(true);
    std::unique_ptr<TForm> third;
    copy = RoundTrip(list, form, third);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->MultiSelect());
}
