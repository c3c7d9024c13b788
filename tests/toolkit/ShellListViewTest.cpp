// The file list: it shows the real files and folders of a temporary tree,
// folders first and in name order when sorted, filters by object type, goes
// into folders and back up, keeps its listing in new windows, renames only
// to sound names, and stores only what differs from its defaults.
#include "FolderTestSupport.h"

#include <shlobj.h>

#include <algorithm>

using namespace foldertest;

namespace {

using ShellListViewTest = ShownForm;

std::vector<std::wstring> Names(HWND lv) {
    std::vector<std::wstring> out;
    int n = listview::ItemCount(lv);
    for (int i = 0; i < n; ++i) out.push_back(listview::ItemText(lv, i, 0));
    return out;
}

const std::wstring kUnicode = L"\u00DCn\u00EFcode";

// Folders zeta, Alpha (holding inner.txt) and Ünïcode; files of known sizes;
// one hidden file.
void MakeTree(const TTempTree& t) {
    t.Folder(L"zeta");
    t.Folder(L"Alpha");
    t.Folder(kUnicode);
    t.File(L"Alpha\\inner.txt", 3);
    t.File(L"b.txt", 2000);
    t.File(L"A.dat", 0);
    t.File(L"c.bin", 5000);
    t.File(L"h.txt", 1, FILE_ATTRIBUTE_HIDDEN);
}

TShellListView* MakeList(ShownForm& f, const TTempTree& t) {
    auto* lv = f.Make<TShellListView>("ShellListView1");
    lv->SetObjectTypes(TShellObjectTypes{otFolders, otNonFolders});
    lv->SetSorted(true);
    lv->SetRoot(t.RootUtf8());
    return lv;
}

const std::vector<std::wstring> kAllSorted{L"Alpha", kUnicode, L"zeta", L"A.dat", L"b.txt", L"c.bin"};

} // namespace

TEST_F(ShellListViewTest, WindowsComeAndGoWithTheHeader) {
    TTempTree t;
    int before = ChildWindowCount(form->Handle());
    auto* lv = Make<TShellListView>("ShellListView1");
    lv->SetRoot(t.RootUtf8());
    EXPECT_TRUE(IsWindowVisible(lv->Handle()));
    EXPECT_TRUE(GetWindowLongPtrW(lv->Handle(), GWL_STYLE) & WS_TABSTOP);
    HWND header = FindWindowExW(lv->Handle(), nullptr, WC_HEADERW, nullptr);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
    int shown = ChildWindowCount(form->Handle());
    lv->SetViewStyle(vsIcon);
    lv->SetViewStyle(vsReport);
    EXPECT_EQ(ChildWindowCount(form->Handle()), shown);
    delete lv;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(ShellListViewTest, ListsTheRealEntriesFoldersFirstInNameOrder) {
    TTempTree t;
    MakeTree(t);
    auto* lv = MakeList(*this, t);
    HWND h = lv->Handle();
    EXPECT_EQ(lv->Path(), t.RootUtf8());
    EXPECT_EQ(Names(h), kAllSorted);
    ASSERT_EQ(lv->ItemCount(), 6);
    EXPECT_EQ(lv->ItemName(1), win::Narrow(kUnicode));
    EXPECT_TRUE(lv->ItemIsFolder(2));
    EXPECT_FALSE(lv->ItemIsFolder(3));
    EXPECT_EQ(lv->ItemPath(4), t.AtUtf8(L"b.txt"));
    EXPECT_EQ(listview::ItemText(h, 0, 1), L"") << "folders have no size";
    EXPECT_EQ(listview::ItemText(h, 3, 1), L"0 KB");
    EXPECT_EQ(listview::ItemText(h, 4, 1), L"2 KB");
    EXPECT_EQ(listview::ItemText(h, 5, 1), L"5 KB");
    EXPECT_FALSE(listview::ItemText(h, 4, 2).empty()) << "a type";
    EXPECT_NE(listview::ItemText(h, 4, 2), listview::ItemText(h, 0, 2)) << "files and folders are of other types";
    std::wstring modified = listview::ItemText(h, 4, 3);
    ASSERT_EQ(modified.size(), 16u) << win::Narrow(modified);
    EXPECT_EQ(modified[4], L'-');
    EXPECT_EQ(modified[13], L':');

    // Unsorted: still folders first, each group as the system gives it.
    lv->SetSorted(false);
    std::vector<std::wstring> names = Names(h);
    ASSERT_EQ(names.size(), 6u);
    std::set<std::wstring> firstThree(names.begin(), names.begin() + 3);
    EXPECT_EQ(firstThree, (std::set<std::wstring>{L"Alpha", kUnicode, L"zeta"}));
}

TEST_F(ShellListViewTest, ObjectTypesFilterTheEntries) {
    TTempTree t;
    MakeTree(t);
    auto* lv = MakeList(*this, t);
    HWND h = lv->Handle();
    lv->SetObjectTypes(TShellObjectTypes{otFolders});
    EXPECT_EQ(Names(h), (std::vector<std::wstring>{L"Alpha", kUnicode, L"zeta"}));
    lv->SetObjectTypes(TShellObjectTypes{otNonFolders});
    EXPECT_EQ(Names(h), (std::vector<std::wstring>{L"A.dat", L"b.txt", L"c.bin"}));
    lv->SetObjectTypes(TShellObjectTypes{otNonFolders, otHidden});
    EXPECT_EQ(Names(h), (std::vector<std::wstring>{L"A.dat", L"b.txt", L"c.bin", L"h.txt"}));
    lv->SetObjectTypes(TShellObjectTypes{});
    EXPECT_EQ(lv->ItemCount(), 0);
}

TEST_F(ShellListViewTest, DoubleClickEntersAFolderAndBackspaceGoesUpNotAboveRoot) {
    TTempTree t;
    MakeTree(t);
    auto* lv = MakeList(*this, t);
    HWND h = lv->Handle();
    int changes = 0;
    lv->OnChange.Bind([&](TObject*) { ++changes; });

    RECT r{};
    ASSERT_TRUE(listview::ItemRect(h, 0, r, LVIR_LABEL));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    SendMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(h, WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(lv->Path(), t.AtUtf8(L"Alpha"));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Names(h), (std::vector<std::wstring>{L"inner.txt"}));
    EXPECT_FALSE(lv->EnterFolder(0)) << "a file is entered into nothing";

    SendMessageW(h, WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(lv->Path(), t.RootUtf8());
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(Names(h), kAllSorted);
    EXPECT_EQ(lv->ItemIndex(), 0) << "the folder come from is selected";

    SendMessageW(h, WM_KEYDOWN, VK_BACK, 0);
    EXPECT_FALSE(lv->GoUp());
    EXPECT_EQ(lv->Path(), t.RootUtf8()) << "not above Root";
    EXPECT_EQ(changes, 2);

    lv->SetItemIndex(1);
    SendMessageW(h, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(lv->Path(), t.AtUtf8(kUnicode));
    EXPECT_EQ(lv->ItemCount(), 0);

    lv->SetAutoNavigate(false);
    SendMessageW(h, WM_KEYDOWN, VK_BACK, 0);
    EXPECT_EQ(lv->Path(), t.AtUtf8(kUnicode));
}

TEST_F(ShellListViewTest, StylePropertiesMakeANewWindowThatKeepsTheListing) {
    TTempTree t;
    MakeTree(t);
    auto* lv = MakeList(*this, t);
    EXPECT_TRUE(lv->EnterFolder(0));
    lv->GoUp();
    lv->SetItemIndex(4);
    HWND old = lv->Handle();
    lv->SetReadOnly(false);
    lv->SetHideSelection(false);
    lv->SetMultiSelect(true);
    lv->SetShowColumnHeaders(false);
    lv->SetViewStyle(vsList);
    HWND h = lv->Handle();
    EXPECT_NE(h, old);
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    EXPECT_EQ(style & LVS_TYPEMASK, static_cast<DWORD>(LVS_LIST));
    EXPECT_TRUE(style & LVS_EDITLABELS);
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
    EXPECT_FALSE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_EQ(Names(h), kAllSorted);
    EXPECT_EQ(lv->ItemIndex(), 4);
    EXPECT_EQ(lv->Path(), t.RootUtf8());
}

TEST_F(ShellListViewTest, RenamesOnDiskOnlyToSoundNames) {
    TTempTree t;
    MakeTree(t);
    auto* lv = MakeList(*this, t);
    ASSERT_EQ(lv->ItemName(4), "b.txt");
    for (const char* bad : {"", ".", "..", "x/y", "x\\y", "c:z", "a?b", "trailing.", "tab\there"})
        EXPECT_FALSE(lv->Rename(4, bad)) << bad;
    EXPECT_FALSE(lv->Rename(4, "c.bin")) << "taken";
    EXPECT_NE(GetFileAttributesW(t.At(L"b.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(lv->Rename(4, "b\u00E4.txt"));
    EXPECT_EQ(GetFileAttributesW(t.At(L"b.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesW(t.At(L"b\u00E4.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(lv->ItemName(4), "b\u00E4.txt");
    EXPECT_THROW(lv->ItemName(99), std::exception);
}

TEST_F(ShellListViewTest, RootNamesResolveToFoldersOrTheDriveList) {
    auto* lv = Make<TShellListView>("ShellListView1");
    wchar_t desktop[MAX_PATH] = {};
    bool hasDesktop = SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop));
    EXPECT_EQ(lv->Path(), hasDesktop ? win::Narrow(folders::NormalizePath(desktop)) : "");
    EXPECT_EQ(TShellListView::RootFolder("RFPERSONAL"), TShellListView::RootFolder("rfPersonal"));
    EXPECT_EQ(TShellListView::RootFolder("rfControlPanel"), "") << "no folder on disk";
    EXPECT_EQ(TShellListView::RootFolder("C:/"), "C:\\");

    int changes = 0;
    lv->OnChange.Bind([&](TObject*) { ++changes; });
    lv->SetRoot("rfMyComputer");
    EXPECT_TRUE(lv->ShowingDrives());
    EXPECT_EQ(changes, 1);
    HWND h = lv->Handle();
    std::vector<std::wstring> drives = Names(h);
    ASSERT_FALSE(drives.empty());
    auto c = std::find(drives.begin(), drives.end(), L"C:\\");
    ASSERT_NE(c, drives.end());
    int index = static_cast<int>(c - drives.begin());
    EXPECT_TRUE(lv->EnterFolder(index));
    EXPECT_EQ(lv->Path(), "C:\\");
    EXPECT_GT(lv->ItemCount(), 0);
    EXPECT_TRUE(lv->GoUp()) << "above a drive is the drive list";
    EXPECT_TRUE(lv->ShowingDrives());
    EXPECT_EQ(lv->ItemIndex(), index);
    EXPECT_FALSE(lv->GoUp());

    lv->SetRoot("rfControlPanel");
    EXPECT_FALSE(lv->ShowingDrives());
    EXPECT_EQ(lv->ItemCount(), 0);
}

TEST_F(ShellListViewTest, AutoRefreshShowsNewFiles) {
    TTempTree t;
    MakeTree(t);
    auto* lv = MakeList(*this, t);
    lv->SetAutoRefresh(true);
    lv->SetItemIndex(5);
    t.File(L"B2.txt", 1);
    bool seen = false;
    for (int i = 0; i < 40 && !seen; ++i) {
        Sleep(50);
        Pump();
        seen = lv->ItemCount() == 7;
    }
    EXPECT_TRUE(seen);
    EXPECT_EQ(lv->ItemName(5), "B2.txt");
    EXPECT_EQ(lv->ItemName(lv->ItemIndex()), "c.bin") << "the selected name stays selected";
    lv->SetAutoRefresh(false);
    t.File(L"later.txt", 1);
    for (int i = 0; i < 15; ++i) {
        Sleep(50);
        Pump();
    }
    EXPECT_EQ(lv->ItemCount(), 7);
}

TEST_F(ShellListViewTest, DefaultsAreNotStoredAndEveryPropertyRoundTrips) {
    TTempTree t;
    MakeTree(t);
    auto* lv = Make<TShellListView>("ShellListView1");
    EXPECT_EQ(StoredNames(Store(lv, form)), kWindowedDefaults);
    lv->SetRoot(t.RootUtf8());
    lv->SetObjectTypes(TShellObjectTypes{otNonFolders, otHidden});
    lv->SetSorted(true);
    lv->SetReadOnly(false);
    lv->SetHideSelection(false);
    lv->SetAutoNavigate(false);
    lv->SetAutoRefresh(true);
    lv->SetViewStyle(vsSmallIcon);
    lv->SetMultiSelect(true);
    lv->SetShowColumnHeaders(false);
    lv->SetBorderStyle(bsNone);
    lv->SetColor(clAqua);
    std::set<std::string> names = StoredNames(Store(lv, form));
    for (const char* n : {"Root", "ObjectTypes", "Sorted", "ReadOnly", "HideSelection", "AutoNavigate",
                          "AutoRefresh", "ViewStyle", "MultiSelect", "ShowColumnHeaders", "BorderStyle", "Color"})
        EXPECT_TRUE(names.count(n)) << n;
    EXPECT_FALSE(names.count("Items"));
    EXPECT_FALSE(names.count("Columns"));
    std::unique_ptr<TForm> other;
    TShellListView* copy = RoundTrip(lv, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Root(), t.RootUtf8());
    EXPECT_EQ(copy->ObjectTypes(), (TShellObjectTypes{otNonFolders, otHidden}));
    EXPECT_EQ(copy->ViewStyle(), vsSmallIcon);
    EXPECT_FALSE(copy->AutoNavigate());
    EXPECT_TRUE(copy->AutoRefresh());
    EXPECT_EQ(Names(copy->Handle()), (std::vector<std::wstring>{L"A.dat", L"b.txt", L"c.bin", L"h.txt"}));
}

TEST_F(ShellListViewTest, PaletteValuesAreStoredAndReadBack) {
    auto* lv = Make<TShellListView>("ShellListView1");
    lv->SetObjectTypes(TShellObjectTypes{otFolders, otNonFolders});
    lv->SetRoot("rfDesktop");
    lv->SetSorted(true);
    lv->SetReadOnly(false);
    lv->SetHideSelection(false);
    std::set<std::string> expected = kWindowedDefaults;
    expected.insert({"ObjectTypes", "Sorted", "ReadOnly", "HideSelection"});
    EXPECT_EQ(StoredNames(Store(lv, form)), expected);
    std::unique_ptr<TForm> other;
    TShellListView* copy = RoundTrip(lv, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ObjectTypes(), (TShellObjectTypes{otFolders, otNonFolders}));
    EXPECT_EQ(copy->Root(), "rfDesktop");
    EXPECT_TRUE(copy->Sorted());
    EXPECT_FALSE(copy->ReadOnly());
    EXPECT_FALSE(copy->HideSelection());
}

TEST(FolderListingTest, SizesPathsAndNames) {
    using namespace fw::folders;
    EXPECT_EQ(FormatFileSize(0), "0 KB");
    EXPECT_EQ(FormatFileSize(1), "1 KB");
    EXPECT_EQ(FormatFileSize(1024), "1 KB");
    EXPECT_EQ(FormatFileSize(1025), "2 KB");
    EXPECT_EQ(FormatFileSize(1048575), "1024 KB");
    EXPECT_EQ(FormatFileSize(1048576), "1.0 MB");
    EXPECT_EQ(FormatFileSize(3758096384ull), "3.5 GB");
    EXPECT_EQ(PathRoot(L"c:\\a\\b"), L"C:\\");
    EXPECT_EQ(PathRoot(L"\\\\server\\share\\x"), L"\\\\server\\share\\");
    EXPECT_EQ(PathRoot(L"\\\\"), L"");
    EXPECT_EQ(PathRoot(L"\\\\\\\\"), L"");
    EXPECT_EQ(PathParts(L"C:\\a\\\\b\\"), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(ParentPath(L"C:\\a\\b"), L"C:\\a");
    EXPECT_EQ(ParentPath(L"C:\\a"), L"C:\\");
    EXPECT_EQ(ParentPath(L"C:\\"), L"");
    EXPECT_EQ(NormalizePath(L"C:\\a\\..\\b\\\\"), L"C:\\b");
    std::wstring longPath = L"C:\\" + std::wstring(300, L'a');
    EXPECT_EQ(LongPathForm(longPath), L"\\\\?\\" + longPath);
    EXPECT_EQ(LongPathForm(L"\\\\?\\C:\\x"), L"C:\\x");
    EXPECT_TRUE(ReadFolder(L"C:\\no-such-folder-\u00E9\\x").empty());
    EXPECT_TRUE(ReadFolder(L"").empty());
    EXPECT_LT(CompareNames(L"alpha", L"Beta"), 0);
    EXPECT_TRUE(SameName(L"\u00C9T\u00C9", L"\u00E9t\u00E9"));
}
