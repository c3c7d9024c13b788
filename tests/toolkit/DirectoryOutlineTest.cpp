// The folder tree: it shows the real folders of a temporary tree, opened down
// to Directory, fills other items only when they are opened, follows the
// selection, survives missing and very deep folders, and stores only what
// differs from its defaults.
#include "FolderTestSupport.h"

using namespace foldertest;

namespace {

using DirectoryOutlineTest = ShownForm;

std::vector<std::wstring> ChildTexts(HWND tv, HTREEITEM item) {
    std::vector<std::wstring> out;
    for (HTREEITEM c = treeview::NextItem(tv, TVGN_CHILD, item); c; c = treeview::NextItem(tv, TVGN_NEXT, c))
        out.push_back(treeview::ItemText(tv, c));
    return out;
}

HTREEITEM ChildNamed(HWND tv, HTREEITEM item, const std::wstring& text) {
    for (HTREEITEM c = treeview::NextItem(tv, TVGN_CHILD, item); c; c = treeview::NextItem(tv, TVGN_NEXT, c))
        if (treeview::ItemText(tv, c) == text) return c;
    return nullptr;
}

int ChildFlag(HWND tv, HTREEITEM item) {
    TVITEMW it{};
    it.mask = TVIF_CHILDREN;
    it.hItem = item;
    treeview::GetItem(tv, it);
    return it.cChildren;
}

int Depth(HWND tv, HTREEITEM item) {
    int d = 0;
    while ((item = treeview::NextItem(tv, TVGN_PARENT, item))) ++d;
    return d;
}

std::wstring Lower(std::wstring s) {
    CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

// alpha, Beta, Čaj-日本 (non-ASCII) and gamma with gamma\deep; a file beside them.
void MakeTree(const TTempTree& t) {
    t.Folder(L"alpha");
    t.Folder(L"Beta");
    t.Folder(L"\u010Caj-\u65E5\u672C");
    t.Folder(L"gamma");
    t.Folder(L"gamma\\deep");
    t.File(L"file.txt", 10);
}

std::unique_ptr<TBitmap> Picture(int w, int h, TColor color) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(color);
    b->Canvas()->FillRect(RECT{0, 0, w, h});
    b->Canvas()->SetPixels(1, 1, clBlack);
    return b;
}

} // namespace

TEST_F(DirectoryOutlineTest, WindowsComeAndGo) {
    TTempTree t;
    int before = ChildWindowCount(form->Handle());
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    o->SetDirectory(t.RootUtf8());
    EXPECT_TRUE(IsWindowVisible(o->Handle()));
    EXPECT_TRUE(GetWindowLongPtrW(o->Handle(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    o->SetOutlineStyle(osText);
    o->SetBorderStyle(bsNone);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1) << "a new window replaces the old one";
    delete o;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(DirectoryOutlineTest, ListsTheRealFoldersDownToDirectoryAndFillsOthersWhenOpened) {
    TTempTree t;
    MakeTree(t);
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    o->SetDirectory(t.RootUtf8());
    HWND h = o->Handle();
    EXPECT_EQ(o->Directory(), t.RootUtf8());
    EXPECT_EQ(o->Drive(), std::string(1, static_cast<char>(t.Root()[0])));

    // The top item is the drive, then one item per folder of the path.
    HTREEITEM top = treeview::NextItem(h, TVGN_ROOT);
    EXPECT_EQ(treeview::ItemText(h, top), Lower(folders::PathRoot(t.Root())));
    EXPECT_EQ(treeview::NextItem(h, TVGN_NEXT, top), nullptr) << "one drive";
    HTREEITEM selected = treeview::NextItem(h, TVGN_CARET);
    ASSERT_NE(selected, nullptr);
    std::vector<std::wstring> parts = folders::PathParts(t.Root());
    EXPECT_EQ(Depth(h, selected), static_cast<int>(parts.size()));
    EXPECT_EQ(treeview::ItemText(h, selected), Lower(parts.back()));

    // Exactly the subfolders, in name order, lower-cased; no files.
    std::vector<std::wstring> expected{L"alpha", L"beta", L"\u010Daj-\u65E5\u672C", L"gamma"};
    EXPECT_EQ(ChildTexts(h, selected), expected);
    HTREEITEM gamma = ChildNamed(h, selected, L"gamma");
    HTREEITEM alpha = ChildNamed(h, selected, L"alpha");
    ASSERT_TRUE(gamma && alpha);
    EXPECT_EQ(ChildFlag(h, alpha), 0) << "no subfolders, no button";
    EXPECT_EQ(ChildFlag(h, gamma), 1);
    EXPECT_EQ(treeview::NextItem(h, TVGN_CHILD, gamma), nullptr) << "not listed before it is opened";
    t.Folder(L"gamma\\later");
    treeview::Expand(h, gamma);
    EXPECT_EQ(ChildTexts(h, gamma), (std::vector<std::wstring>{L"deep", L"later"})) << "read when opened";

    // Selecting an item makes it the directory.
    int changes = 0;
    o->OnChange.Bind([&](TObject*) { ++changes; });
    treeview::SelectItem(h, gamma);
    EXPECT_EQ(o->Directory(), t.AtUtf8(L"gamma"));
    EXPECT_EQ(changes, 1);
    HTREEITEM unicode = ChildNamed(h, selected, L"\u010Daj-\u65E5\u672C");
    ASSERT_NE(unicode, nullptr);
    treeview::SelectItem(h, unicode);
    EXPECT_EQ(o->Directory(), t.AtUtf8(L"\u010Caj-\u65E5\u672C")) << "the real name, not the shown one";
    EXPECT_EQ(changes, 2);

    // Set by the program: the tree opens down to it.
    o->SetDirectory(t.AtUtf8(L"gamma\\deep"));
    EXPECT_EQ(changes, 3);
    HTREEITEM deep = treeview::NextItem(h, TVGN_CARET);
    EXPECT_EQ(treeview::ItemText(h, deep), L"deep");
    EXPECT_EQ(treeview::ItemText(h, treeview::NextItem(h, TVGN_PARENT, deep)), L"gamma");
    EXPECT_EQ(changes, 3) << "building the tree is no change of its own";
}

TEST_F(DirectoryOutlineTest, TextCaseChangesWhatIsShownOnly) {
    TTempTree t;
    MakeTree(t);
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    o->SetDirectory(t.RootUtf8());
    HWND h = o->Handle();
    o->SetTextCase(tcAsIs);
    HTREEITEM selected = treeview::NextItem(h, TVGN_CARET);
    EXPECT_EQ(ChildTexts(h, selected),
              (std::vector<std::wstring>{L"alpha", L"Beta", L"\u010Caj-\u65E5\u672C", L"gamma"}));
    o->SetTextCase(tcUpperCase);
    EXPECT_EQ(ChildTexts(h, selected),
              (std::vector<std::wstring>{L"ALPHA", L"BETA", L"\u010CAJ-\u65E5\u672C", L"GAMMA"}));
    EXPECT_EQ(o->CasedText("Beta"), "BETA");
    EXPECT_EQ(o->Directory(), t.RootUtf8());
}

TEST_F(DirectoryOutlineTest, MissingFilesAndVeryDeepFoldersDoNotBreakIt) {
    TTempTree t;
    MakeTree(t);
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    HWND h = o->Handle();
    // A folder that is not there: the tree stops at the last one that is.
    o->SetDirectory(t.AtUtf8(L"gone\\further"));
    EXPECT_EQ(o->Directory(), t.AtUtf8(L"gone\\further"));
    EXPECT_EQ(treeview::ItemText(h, treeview::NextItem(h, TVGN_CARET)), Lower(folders::PathParts(t.Root()).back()));
    // Text that is no path at all.
    o->SetDirectory("\xFF\xFE<>|*?\x01");
    EXPECT_NE(treeview::NextItem(h, TVGN_ROOT), nullptr);
    o->SetDirectory(t.RootUtf8());
    o->SetDrive("?");
    EXPECT_EQ(o->Directory(), t.RootUtf8()) << "no such drive letter";
    ASSERT_EQ(o->Drive(), "C");
    o->SetDrive("z");
    EXPECT_EQ(o->Directory(), "Z:\\");
    EXPECT_EQ(treeview::ItemText(h, treeview::NextItem(h, TVGN_CARET)), L"z:\\");
    // A file is no folder.
    o->SetDirectory(t.AtUtf8(L"file.txt"));
    EXPECT_EQ(ChildTexts(h, treeview::NextItem(h, TVGN_CARET)).size(), 4u);

    // Folders nested far beyond the classic path length.
    std::wstring rel;
    const int levels = 24;
    for (int i = 0; i < levels; ++i) {
        rel += (i ? L"\\" : L"") + std::wstring(L"level-") + std::to_wstring(i) + L"-\u00E9t\u00E9-padding";
        t.Folder(rel);
    }
    ASSERT_GT(t.At(rel).size(), 400u);
    ASSERT_TRUE(folders::FolderExists(t.At(rel)));
    o->SetDirectory(win::Narrow(t.At(rel)));
    HTREEITEM last = treeview::NextItem(h, TVGN_CARET);
    EXPECT_EQ(Depth(h, last), static_cast<int>(folders::PathParts(t.Root()).size()) + levels);
    EXPECT_EQ(treeview::ItemText(h, last), L"level-23-\u00E9t\u00E9-padding");
    HTREEITEM parent = treeview::NextItem(h, TVGN_PARENT, last);
    treeview::SelectItem(h, parent);
    EXPECT_EQ(o->Directory(), win::Narrow(folders::ParentPath(t.At(rel))));
}

TEST_F(DirectoryOutlineTest, StylesPicturesAndTheTreeLiveOnInNewWindows) {
    TTempTree t;
    MakeTree(t);
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    o->SetDirectory(t.RootUtf8());
    HWND h = o->Handle();
    DWORD style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    EXPECT_TRUE(style & TVS_HASBUTTONS);
    EXPECT_TRUE(style & TVS_HASLINES);
    EXPECT_TRUE(style & TVS_LINESATROOT);
    EXPECT_NE(treeview::Images(h), nullptr) << "built-in pictures";

    o->SetOptions(TOutlineOptions{ooDrawFocusRect});
    EXPECT_NE(o->Handle(), h);
    h = o->Handle();
    EXPECT_FALSE(GetWindowLongPtrW(h, GWL_STYLE) & TVS_LINESATROOT);
    EXPECT_EQ(ChildTexts(h, treeview::NextItem(h, TVGN_CARET)).size(), 4u) << "the tree is built again";

    o->SetOutlineStyle(osPlusMinusText);
    h = o->Handle();
    style = static_cast<DWORD>(GetWindowLongPtrW(h, GWL_STYLE));
    EXPECT_TRUE(style & TVS_HASBUTTONS);
    EXPECT_FALSE(style & TVS_HASLINES);
    EXPECT_EQ(treeview::Images(h), nullptr) << "no pictures in this style";
    o->SetOutlineStyle(osText);
    EXPECT_FALSE(GetWindowLongPtrW(o->Handle(), GWL_STYLE) & TVS_HASBUTTONS);

    // An assigned picture sets the size of the pictures; stretching follows the height.
    o->SetOutlineStyle(osPictureText);
    auto big = Picture(24, 20, clRed);
    o->SetPictureClosed(big.get());
    int w = 0, hh = 0;
    ImageList_GetIconSize(treeview::Images(o->Handle()),
                          &w, &hh);
    EXPECT_EQ(w, 24);
    EXPECT_EQ(hh, 20);
    o->SetItemHeight(31);
    o->SetOptions(TOutlineOptions{ooStretchBitmaps});
    ImageList_GetIconSize(treeview::Images(o->Handle()),
                          &w, &hh);
    EXPECT_EQ(w, 30);
    EXPECT_EQ(treeview::ItemHeight(o->Handle()), 31);
    EXPECT_EQ(o->Directory(), t.RootUtf8());
}

TEST_F(DirectoryOutlineTest, AssignedPlusAndMinusPicturesReplaceTheButtons) {
    TTempTree t;
    MakeTree(t);
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    o->SetDirectory(t.RootUtf8());
    o->SetOutlineStyle(osPlusMinusText);
    HWND h = o->Handle();
    RECT all{0, 0, 10000, 10000};
    const COLORREF red = win::Rgb(255, 0, 0), blue = win::Rgb(0, 0, 255);
    EXPECT_EQ(TWindowImage(h, win::Rgb(0, 255, 0)).Count(all, red), 0);
    auto plus = Picture(9, 9, clRed);
    auto minus = Picture(9, 9, clBlue);
    o->SetPicturePlus(plus.get());
    EXPECT_GT(TWindowImage(h, win::Rgb(0, 255, 0)).Count(all, red), 20) << "gamma is closed";
    EXPECT_EQ(TWindowImage(h, win::Rgb(0, 255, 0)).Count(all, blue), 0);
    o->SetPictureMinus(minus.get());
    EXPECT_GT(TWindowImage(h, win::Rgb(0, 255, 0)).Count(all, blue), 20) << "the open items";
}

TEST_F(DirectoryOutlineTest, TheFocusRectangleShowsOnlyWithItsOption) {
    TTempTree t;
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    o->SetDirectory(t.RootUtf8());
    o->SetFocus();
    Pump();
    HWND h = o->Handle();
    ASSERT_EQ(GetFocus(), h);
    HTREEITEM selected = treeview::NextItem(h, TVGN_CARET);
    RECT r{};
    ASSERT_TRUE(treeview::TextRect(h, selected, r));
    // The colours along the top edge of the selected item's text.
    auto edge = [&] {
        TWindowImage image(h, win::Rgb(0, 255, 0));
        std::set<COLORREF> colors;
        for (int x = r.left; x < std::min<int>(r.right, image.Width()); ++x) colors.insert(image.At(x, r.top));
        return colors;
    };
    EXPECT_GT(edge().size(), 1u) << "a dotted rectangle";
    o->SetOptions(TOutlineOptions{ooDrawTreeRoot});
    EXPECT_EQ(edge(), std::set<COLORREF>{GetSysColor(COLOR_HIGHLIGHT)});
}

TEST_F(DirectoryOutlineTest, DefaultsAreNotStoredAndEveryPropertyRoundTrips) {
    TTempTree t;
    MakeTree(t);
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    EXPECT_EQ(StoredNames(Store(o, form)), kWindowedDefaults) << "the current folder is not stored";
    EXPECT_EQ(o->Directory(), win::Narrow(folders::NormalizePath(folders::CurrentFolder())));
    int fontHeight = o->ItemHeight();
    EXPECT_EQ(fontHeight, treeview::ItemHeight(o->Handle()));
    EXPECT_GT(fontHeight, 8);

    o->SetDirectory(t.AtUtf8(L"\u010Caj-\u65E5\u672C"));
    o->SetTextCase(tcUpperCase);
    o->SetItemHeight(fontHeight + 5);
    o->SetOptions(TOutlineOptions{ooStretchBitmaps});
    o->SetOutlineStyle(osPlusMinusPictureText);
    o->SetBorderStyle(bsNone);
    o->SetScrollBars(ssVertical);
    o->SetColor(clYellow);
    auto pics = std::vector<std::unique_ptr<TBitmap>>();
    for (int i = 0; i < 5; ++i) pics.push_back(Picture(8 + i, 8 + i, TColor(0x101010 * (i + 1))));
    o->SetPictureLeaf(pics[0].get());
    o->SetPictureOpen(pics[1].get());
    o->SetPictureClosed(pics[2].get());
    o->SetPicturePlus(pics[3].get());
    o->SetPictureMinus(pics[4].get());
    std::set<std::string> names = StoredNames(Store(o, form));
    for (const char* n : {"Directory", "TextCase", "ItemHeight", "Options", "OutlineStyle", "BorderStyle",
                          "ScrollBars", "Color", "PictureLeaf.Data", "PictureOpen.Data", "PictureClosed.Data",
                          "PicturePlus.Data", "PictureMinus.Data"})
        EXPECT_TRUE(names.count(n)) << n;
    EXPECT_FALSE(names.count("Drive")) << "follows from Directory";

    std::unique_ptr<TForm> other;
    TDirectoryOutline* copy = RoundTrip(o, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Directory(), t.AtUtf8(L"\u010Caj-\u65E5\u672C"));
    EXPECT_EQ(copy->TextCase(), tcUpperCase);
    EXPECT_EQ(copy->ItemHeight(), fontHeight + 5);
    EXPECT_EQ(copy->Options(), TOutlineOptions{ooStretchBitmaps});
    EXPECT_EQ(copy->OutlineStyle(), osPlusMinusPictureText);
    EXPECT_EQ(copy->BorderStyle(), bsNone);
    EXPECT_EQ(copy->ScrollBars(), ssVertical);
    EXPECT_EQ(copy->PictureMinus()->Width(), 12);
    EXPECT_EQ(copy->PictureLeaf()->Canvas()->Pixels(1, 1), clBlack);
    HWND h = copy->Handle();
    EXPECT_EQ(treeview::ItemText(h, treeview::Selected(h)), L"\u010CAJ-\u65E5\u672C")
        << "the copy shows the stored folder";
    EXPECT_EQ(treeview::ItemHeight(h), fontHeight + 5);
}

TEST_F(DirectoryOutlineTest, PaletteValuesAreStoredAndReadBack) {
    auto* o = Make<TDirectoryOutline>("DirectoryOutline1");
    auto leaf = Picture(16, 16, clLime);
    o->SetItemHeight(13);
    o->SetOptions(TOutlineOptions{ooDrawFocusRect});
    o->SetPictureLeaf(leaf.get());
    std::set<std::string> expected = kWindowedDefaults;
    expected.insert({"ItemHeight", "Options", "PictureLeaf.Data"});
    EXPECT_EQ(StoredNames(Store(o, form)), expected);
    std::unique_ptr<TForm> other;
    TDirectoryOutline* copy = RoundTrip(o, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ItemHeight(), 13);
    EXPECT_EQ(treeview::ItemHeight(copy->Handle()), 13);
    EXPECT_EQ(copy->Options(), TOutlineOptions{ooDrawFocusRect});
    EXPECT_EQ(copy->PictureLeaf()->Width(), 16);
    EXPECT_EQ(copy->PictureLeaf()->Canvas()->Pixels(5, 5), clLime);
    EXPECT_TRUE(copy->PictureOpen()->Empty()) << "built-in pictures stay out of the stream";
}
