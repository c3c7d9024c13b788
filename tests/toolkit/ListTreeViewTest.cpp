// List views and tree views: columns are a stored collection and the header
// is the list view's own child window, items and nodes live on in new
// windows, the tree's indent is stored only once set, and defaults are not
// stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/ListView.h"
#include "toolkit/win/controls/TreeView.h"

using namespace ctltest;

namespace {

using ListViewTest = ShownForm;
using TreeViewTest = ShownForm;

} // namespace

TEST_F(ListViewTest, WindowsComeAndGoAndTheHeaderIsAnInnerWindow) {
    int before = ChildWindowCount(form->Handle());
    auto* lv = Make<TListView>("ListView1");
    lv->SetViewStyle(vsReport);
    lv->Columns()->Add()->SetCaption("Name");
    EXPECT_TRUE(IsWindowVisible(lv->Handle()));
    HWND header = FindWindowExW(lv->Handle(), nullptr, WC_HEADERW, nullptr);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(GetParent(header), lv->Handle());
    EXPECT_EQ(TWinControl::FindControl(header), nullptr) << "not a control of its own";
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 1);
    int withHeader = ChildWindowCount(form->Handle());
    EXPECT_GT(withHeader, before);
    lv->SetGridLines(true);
    lv->SetMultiSelect(true);
    EXPECT_EQ(ChildWindowCount(form->Handle()), withHeader);
    delete lv;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(ListViewTest, ColumnsAndItemsLiveOnInNewWindows) {
    auto* lv = Make<TListView>("ListView1");
    lv->SetViewStyle(vsReport);
    TListColumn* name = lv->Columns()->Add();
    name->SetCaption("Name");
    name->SetWidth(120);
    TListColumn* size = lv->Columns()->Add();
    size->SetCaption("Size");
    size->SetAlignment(taRightJustify);
    lv->Items().Add("alpha", {"1"});
    lv->Items().Add("beta", {"22"});
    int changes = 0;
    lv->OnChange.Bind([&](TObject*) { ++changes; });
    lv->SetItemIndex(1);
    EXPECT_GE(changes, 1);
    EXPECT_EQ(lv->ItemIndex(), 1);
    listview::SetColumnWidth(lv->Handle(), 1, 77); // as if dragged
    HWND old = lv->Handle();
    lv->SetReadOnly(true);
    lv->SetHideSelection(false);
    lv->SetShowColumnHeaders(false);
    EXPECT_NE(lv->Handle(), old);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(lv->Handle(), GWL_STYLE));
    EXPECT_EQ(style & LVS_TYPEMASK, static_cast<DWORD>(LVS_REPORT));
    EXPECT_FALSE(style & LVS_EDITLABELS);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_EQ(lv->Columns()->Items(1)->Width(), 77) << "the dragged width was kept";
    EXPECT_EQ(listview::ColumnWidth(lv->Handle(), 0), 120);
    EXPECT_EQ(listview::ItemCount(lv->Handle()), 2);
    EXPECT_EQ(listview::ItemText(lv->Handle(), 1, 0), L"beta");
    EXPECT_EQ(listview::ItemText(lv->Handle(), 1, 1), L"22");
    lv->SetRowSelect(true);
    EXPECT_TRUE(listview::ExtendedStyle(lv->Handle()) & LVS_EX_FULLROWSELECT);
    lv->Columns()->Items(0)->SetCaption("Renamed");
    LVCOLUMNW col{};
    wchar_t buf[32] = {};
    col.mask = LVCF_TEXT;
    col.pszText = buf;
    col.cchTextMax = 32;
    listview::GetColumn(lv->Handle(), 0, col);
    EXPECT_EQ(std::wstring(buf), L"Renamed");
    lv->Items().Delete(0);
    EXPECT_EQ(listview::ItemText(lv->Handle(), 0, 0), L"beta");
    lv->Items().Clear();
    EXPECT_EQ(listview::ItemCount(lv->Handle()), 0);
}

TEST_F(ListViewTest, PropertiesAndColumnsRoundTripAndDefaultsAreNotStored) {
    auto* lv = Make<TListView>("ListView1");
    EXPECT_EQ(StoredNames(Store(lv, form)), kWindowedDefaults) << "no columns are no collection";
    TListColumn* c = lv->Columns()->Add();
    c->SetCaption("Name");
    c->SetWidth(90);
    c->SetAutoSize(true);
    lv->Columns()->Add()->SetAlignment(taCenter);
    lv->SetGridLines(true);
    lv->SetHideSelection(false);
    lv->SetMultiSelect(true);
    lv->SetReadOnly(true);
    lv->SetRowSelect(true);
    lv->SetShowColumnHeaders(false);
    lv->SetSortType(stText);
    lv->SetViewStyle(vsList);
    Bytes bytes = Store(lv, form);
    std::set<std::string> names = StoredNames(bytes);
    for (const char* n : {"Columns", "GridLines", "HideSelection", "MultiSelect", "ReadOnly", "RowSelect",
                          "ShowColumnHeaders", "SortType", "ViewStyle"})
        EXPECT_TRUE(names.count(n)) << n;
    TStreamDocument doc = ParseStreamDocument(bytes);
    for (const auto& p : doc.components[0].properties)
        if (p.name == "Columns") {
            EXPECT_EQ(p.value.type, TValueType::vaCollection);
            ASSERT_EQ(p.value.items.size(), 2u);
            EXPECT_EQ(p.value.items[1].properties.size(), 1u) << "only the alignment differs";
        }
    std::unique_ptr<TForm> other;
    TListView* copy = RoundTrip(lv, form, other);
    ASSERT_NE(copy, nullptr);
    ASSERT_EQ(copy->Columns()->Count(), 2);
    EXPECT_EQ(copy->Columns()->Items(0)->Caption(), "Name");
    EXPECT_EQ(copy->Columns()->Items(0)->Width(), 90);
    EXPECT_TRUE(copy->Columns()->Items(0)->AutoSize());
    EXPECT_EQ(copy->Columns()->Items(1)->Alignment(), taCenter);
    EXPECT_EQ(copy->ViewStyle(), vsList);
    EXPECT_TRUE(GetWindowLongPtrW(copy->Handle(), GWL_STYLE) & LVS_SORTASCENDING);
}

TEST_F(TreeViewTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* tv = Make<TTreeView>("TreeView1");
    tv->Items().AddChild(nullptr, "root");
    EXPECT_TRUE(IsWindowVisible(tv->Handle()));
    tv->SetShowLines(false);
    EXPECT_GE(ChildWindowCount(form->Handle()), before + 1);
    delete tv;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(TreeViewTest, NodesSelectionAndStylesLiveOnInNewWindows) {
    auto* tv = Make<TTreeView>("TreeView1");
    TTreeNode* fruit = tv->Items().AddChild(nullptr, "fruit");
    tv->Items().AddChild(fruit, "pear");
    TTreeNode* apple = tv->Items().AddChild(fruit, "apple");
    tv->Items().AddChild(nullptr, "nuts");
    EXPECT_EQ(tv->Items().Count(), 4);
    int changes = 0;
    tv->OnChange.Bind([&](TObject*) { ++changes; });
    tv->SetSelected(apple);
    EXPECT_EQ(tv->Selected(), apple);
    EXPECT_EQ(changes, 1);
    tv->SetIndent(25);
    HWND old = tv->Handle();
    tv->SetShowButtons(false);
    tv->SetShowRoot(false);
    tv->SetReadOnly(true);
    tv->SetRowSelect(true);
    tv->SetHideSelection(false);
    EXPECT_NE(tv->Handle(), old);
    HWND h = tv->Handle();
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    EXPECT_FALSE(style & TVS_HASBUTTONS);
    EXPECT_FALSE(style & TVS_LINESATROOT);
    EXPECT_FALSE(style & TVS_EDITLABELS);
    EXPECT_TRUE(style & TVS_HASLINES);
    EXPECT_TRUE(style & TVS_SHOWSELALWAYS);
    EXPECT_EQ(treeview::Indent(h), 25);
    EXPECT_EQ(treeview::Count(h), 4);
    HTREEITEM first = treeview::NextItem(h, TVGN_ROOT, nullptr);
    EXPECT_EQ(treeview::ItemText(h, first), L"fruit");
    EXPECT_EQ(treeview::ItemText(h, treeview::NextItem(h, TVGN_CHILD, first)), L"pear");
    EXPECT_EQ(treeview::ItemText(h, treeview::NextItem(h, TVGN_NEXT, first)), L"nuts");
    tv->SetSortType(stText);
    EXPECT_EQ(treeview::ItemText(h, treeview::NextItem(h, TVGN_CHILD, first)), L"apple") << "sorted by text";
    tv->Items().AddChild(fruit, "banana");
    HTREEITEM second = treeview::NextItem(h, TVGN_NEXT, treeview::NextItem(h, TVGN_CHILD, first));
    EXPECT_EQ(treeview::ItemText(h, second), L"banana") << "a new node goes to its place";
    tv->Items().Clear();
    EXPECT_EQ(treeview::Count(h), 0);
    EXPECT_EQ(tv->Items().Count(), 0);
}

TEST_F(TreeViewTest, IndentIsTheWindowsUntilSetAndPropertiesRoundTrip) {
    auto* tv = Make<TTreeView>("TreeView1");
    EXPECT_EQ(StoredNames(Store(tv, form)), kWindowedDefaults);
    EXPECT_EQ(tv->Indent(), treeview::Indent(tv->Handle()));
    EXPECT_GT(tv->Indent(), 0);
    tv->SetIndent(19);
    std::unique_ptr<TForm> other;
    TTreeView* copy = RoundTrip(tv, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Indent(), 19);
    EXPECT_EQ(treeview::Indent(copy->Handle()), 19);
    tv->SetHideSelection(false);
    tv->SetReadOnly(true);
    tv->SetRowSelect(true);
    tv->SetShowButtons(false);
    tv->SetShowLines(false);
    tv->SetShowRoot(false);
    tv->SetSortType(stBoth);
    std::set<std::string> names = StoredNames(Store(tv, form));
    for (const char* n : {"Indent", "HideSelection", "ReadOnly", "RowSelect", "ShowButtons", "ShowLines", "ShowRoot",
                          "SortType"})
        EXPECT_TRUE(names.count(n)) << n;
    std::unique_ptr<TForm> again;
    TTreeView* second = RoundTrip(tv, form, again);
    ASSERT_NE(second, nullptr);
    EXPECT_FALSE(second->ShowLines());
    EXPECT_EQ(second->SortType(), stBoth);
}

TEST_F(ListViewTest, ClicksOnListAndTreeViewsAreReportedOnce) {
    auto* lv = Make<TListView>("ListView1");
    lv->SetViewStyle(vsReport);
    lv->Columns()->Add()->SetCaption("Name");
    lv->Items().Add("alpha");
    auto* tv = Make<TTreeView>("TreeView1");
    tv->SetLeft(200);
    tv->Items().AddChild(nullptr, "root");
    for (TWinControl* c : std::initializer_list<TWinControl*>{lv, tv}) {
        int clicks = 0, doubles = 0;
        c->OnClick.Bind([&](TObject*) { ++clicks; });
        c->OnDblClick.Bind([&](TObject*) { ++doubles; });
        LPARAM at = PointToLParam(20, c == lv ? 30 : 8);
        PostMessageW(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(c->Handle(), WM_LBUTTONUP, 0, at);
        for (int i = 0; i < 5; ++i) Pump();
        EXPECT_EQ(clicks, 1) << c->Name();
        PostMessageW(c->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageW(c->Handle(), WM_LBUTTONUP, 0, at);
        for (int i = 0; i < 5; ++i) Pump();
        EXPECT_EQ(doubles, 1) << c->Name();
    }
}
