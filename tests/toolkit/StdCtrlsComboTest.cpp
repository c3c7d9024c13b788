// Combo boxes: items live in the window's list or, without a window, in a
// string list; a new style or sorting keeps items, selection and text; the
// notifications arrive as events; the inner edit field stays the combo box's
// child, and a press on it that it lets through reaches the combo box.
#include "StdCtrlsTestSupport.h"

using namespace stdtest;

namespace {

std::vector<std::string> ItemsOf(TComboBox* c) { return c->Items()->ToVector(); }

// Makes the edit field let pointer presses through to what lies under it,
// as a design surface does.
LRESULT CALLBACK TransparentEditProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropW(h, L"test.proc"));
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    return CallWindowProcW(original, h, msg, wParam, lParam);
}

} // namespace

using ComboTest = ShownForm;

TEST_F(ComboTest, WindowsComeAndGoWithTheirInnerWindows) {
    int before = ChildWindowCount(form->Handle());
    auto* combo = Make<TComboBox>("Combo1");
    HWND edit = combo->EditHandle();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(GetParent(edit), combo->Handle()) << "the edit field is the combo box's child";
    EXPECT_GT(ChildWindowCount(form->Handle()), before);
    combo->SetStyle(csDropDownList);
    EXPECT_EQ(combo->EditHandle(), nullptr);
    EXPECT_FALSE(IsWindow(edit));
    combo->SetStyle(csSimple);
    EXPECT_EQ(GetParent(combo->EditHandle()), combo->Handle());
    delete combo;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(ComboTest, TheHeightIsTheClosedBoxAndDropDownCountSizesTheOpenList) {
    auto* combo = Make<TComboBox>("Combo1");
    auto listBottom = [&] {
        RECT list;
        SendMessageW(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
        return list.bottom;
    };
    combo->SetDropDownCount(5);
    combo->SetHeight(200);
    RECT window;
    GetWindowRect(combo->Handle(), &window);
    EXPECT_EQ(combo->Height(), window.bottom - window.top) << "the window decides the closed height";
    EXPECT_LT(combo->Height(), 40);
    LONG five = listBottom();
    combo->SetDropDownCount(10);
    int item = static_cast<int>(SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(listBottom() - five, 5 * item) << "five more items";
    combo->SetHeight(100);
    EXPECT_EQ(listBottom() - five, 5 * item) << "the height given does not change the list";
    combo->RecreateWnd();
    EXPECT_EQ(listBottom() - five, 5 * item) << "nor does a new window";
}

TEST_F(ComboTest, ItemsLiveInTheWindowOrInAList) {
    TComboBox loose(nullptr);
    loose.Items()->Add("beta");
    loose.Items()->Add("alpha");
    loose.SetItemIndex(1);
    EXPECT_FALSE(loose.HandleAllocated());
    EXPECT_EQ(loose.Items()->Count(), 2);
    EXPECT_EQ(loose.GetText(), "alpha");
    auto* combo = Make<TComboBox>("Combo1");
    combo->Items()->Assign(loose.Items());
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2) << "in the window's own list";
    combo->Items()->Insert(0, "first");
    combo->Items()->Delete(2);
    EXPECT_EQ(ItemsOf(combo), (std::vector<std::string>{"first", "beta"}));
    TComponent marker(nullptr);
    combo->Items()->PutObject(1, &marker);
    EXPECT_EQ(combo->Items()->GetObject(1), &marker);
    EXPECT_THROW(combo->Items()->Get(2), EStringListError);
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->GetText(), "beta");
    combo->Items()->Clear();
    EXPECT_EQ(combo->Items()->Count(), 0);
}

TEST_F(ComboTest, ANewStyleKeepsItemsSelectionTextAndObjects) {
    auto* combo = Make<TComboBox>("Combo1");
    combo->SetBounds(10, 10, 150, 21);
    TComponent marker(nullptr);
    combo->Items()->SetText("red\r\ngreen\r\nblue\r\n");
    combo->Items()->PutObject(2, &marker);
    combo->SetItemIndex(1);
    combo->SetDropDownCount(4);
    int changes = 0;
    combo->OnChange.Bind([&](TObject*) { ++changes; });
    HWND old = combo->Handle();
    combo->SetStyle(csDropDownList);
    EXPECT_NE(combo->Handle(), old);
    EXPECT_EQ(TWinControl::FindControl(combo->Handle()), combo);
    EXPECT_EQ(ItemsOf(combo), (std::vector<std::string>{"red", "green", "blue"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->GetText(), "green");
    EXPECT_EQ(combo->Items()->GetObject(2), &marker);
    EXPECT_EQ(combo->DropDownCount(), 4);
    EXPECT_EQ(combo->Left(), 10);
    // A drop-down list shows only its items: a text selects one.
    combo->SetText("blue");
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->SetStyle(csDropDown);
    combo->SetText("typed");
    combo->SetSorted(true);
    EXPECT_EQ(ItemsOf(combo), (std::vector<std::string>{"blue", "green", "red"}));
    EXPECT_EQ(combo->GetText(), "typed");
    EXPECT_TRUE(GetWindowLongPtrW(combo->Handle(), GWL_STYLE) & CBS_SORT);
    combo->Items()->Add("orange");
    EXPECT_EQ(combo->Items()->Get(2), "orange") << "a sorted list puts new items in their place";
    EXPECT_EQ(changes, 0) << "re-creating is no change";
}

TEST_F(ComboTest, ASortedListWithoutAWindowSortsToo) {
    TComboBox loose(nullptr);
    loose.Items()->Add("b");
    loose.Items()->Add("C");
    loose.Items()->Add("a");
    loose.SetSorted(true);
    EXPECT_EQ(ItemsOf(&loose), (std::vector<std::string>{"a", "b", "C"}));
    loose.Items()->Add("B2");
    EXPECT_EQ(ItemsOf(&loose), (std::vector<std::string>{"a", "b", "B2", "C"}));
}

TEST_F(ComboTest, NotificationsArriveAsEvents) {
    auto* combo = Make<TComboBox>("Combo1");
    combo->Items()->SetText("one\r\ntwo\r\n");
    std::vector<std::string> log;
    combo->OnChange.Bind([&](TObject*) { log.push_back("change:" + combo->GetText()); });
    combo->OnSelect.Bind([&](TObject*) { log.push_back("select"); });
    combo->OnDropDown.Bind([&](TObject*) { log.push_back("dropdown"); });
    combo->OnCloseUp.Bind([&](TObject*) { log.push_back("closeup"); });
    // Typing into the edit field.
    SendMessageW(combo->EditHandle(), WM_CHAR, 'x', 1);
    ASSERT_EQ(log, std::vector<std::string>{"change:x"});
    log.clear();
    // A choice from the list, as the window reports it.
    SendMessageW(combo->Handle(), CB_SETCURSEL, 1, 0);
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
    EXPECT_EQ(log, (std::vector<std::string>{"select", "change:two"}));
    log.clear();
    combo->SetDroppedDown(true);
    EXPECT_TRUE(combo->DroppedDown());
    combo->SetDroppedDown(false);
    EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "closeup"}));
}

TEST_F(ComboTest, ComboPropertiesAndTheirDefaults) {
    auto* combo = Make<TComboBox>("Combo1");
    EXPECT_EQ(StoredNames(Store(combo, form)), (std::set<std::string>{"Left", "Top", "Width", "Height", "TabOrder"}));
    combo->SetDropDownCount(12);
    combo->SetItemHeight(20);
    combo->SetMaxLength(30);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("zeta\r\nalpha\r\n");
    combo->SetSorted(true);
    combo->SetItemIndex(1);
    combo->SetColor(clCream);
    std::set<std::string> names = StoredNames(Store(combo, form));
    for (const char* name : {"DropDownCount", "ItemHeight", "MaxLength", "Style", "Items.Strings", "Sorted",
                             "ItemIndex", "Text", "Color"})
        EXPECT_TRUE(names.count(name)) << name;
    std::unique_ptr<TForm> other;
    TComboBox* copy = RoundTrip(combo, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ItemsOf(copy), (std::vector<std::string>{"alpha", "zeta"}));
    EXPECT_EQ(copy->GetText(), "zeta");
    EXPECT_EQ(copy->Style(), csDropDownList);
}

TEST_F(ComboTest, AnOwnerDrawnListDrawsItsItems) {
    auto* combo = Make<TComboBox>("Combo1");
    combo->SetStyle(csOwnerDrawFixed);
    combo->Items()->SetText("first\r\nsecond\r\n");
    combo->SetItemIndex(1);
    std::vector<int32_t> drawn;
    combo->OnDrawItem.Bind([&](TObject*, int32_t index, RECT rect, TOwnerDrawState) {
        drawn.push_back(index);
        combo->Canvas()->Brush()->SetColor(clLime);
        combo->Canvas()->FillRect(rect);
    });
    TWindowImage image(combo->Handle(), win::Rgb(255, 0, 255));
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back(), 1) << "the selected item in the field";
    RECT all{0, 0, image.Width(), image.Height()};
    EXPECT_GT(image.Count(all, ColorToRGB(clLime)), 20);
}

TEST_F(ComboTest, APressOnATransparentEditFieldReachesTheComboBox) {
    auto* combo = Make<TComboBox>("Combo1");
    combo->SetBounds(60, 60, 160, 21);
    Pump();
    HWND edit = combo->EditHandle();
    ASSERT_NE(edit, nullptr);
    SetPropW(edit, L"test.proc", reinterpret_cast<HANDLE>(GetWindowLongPtrW(edit, GWLP_WNDPROC)));
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TransparentEditProc));
    RECT r;
    GetWindowRect(edit, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    EXPECT_EQ(WindowFromPoint(centre), combo->Handle());
    std::vector<POINT> presses;
    combo->OnMouseDown.Bind([&](TObject*, TMouseButton button, TShiftState, int32_t x, int32_t y) {
        if (button == mbLeft) presses.push_back({x, y});
    });
    SetForegroundWindow(form->Handle());
    SetCursorPos(centre.x, centre.y);
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(2, in, sizeof(INPUT)), 2u);
    for (int i = 0; i < 50 && presses.empty(); ++i) {
        Pump();
        Sleep(10);
    }
    ASSERT_EQ(presses.size(), 1u) << "the combo box's window got the press";
    POINT client = centre;
    ScreenToClient(combo->Handle(), &client);
    EXPECT_EQ(presses[0].x, client.x);
    EXPECT_EQ(presses[0].y, client.y);
    SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetPropW(edit, L"test.proc")));
    RemovePropW(edit, L"test.proc");
}
