// Colour grids: the sixteen cells share out the client area in each
// ordering and are painted in their colours, the left button chooses the
// foreground and the right one the background (marked FG, BG or FB), the
// indexes never leave 0..15, and only settings that differ from the defaults
// are stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/ColorGrid.h"

using namespace ctltest;

namespace {

using ColorGridTest = ShownForm;

// The inside of a cell, clear of the line between cells.
RECT Inside(const RECT& r) {
    RECT i = r;
    InflateRect(&i, -2, -2);
    return i;
}

// Pixels of a cell that are neither its colour nor the line between cells:
// the mark drawn on it.
int MarkPixels(TColorGrid* grid, const TWindowImage& img, int32_t cell) {
    RECT r = Inside(grid->CellRect(cell));
    COLORREF fill = ColorToRGB(TColorGrid::BasicColor(cell));
    return img.Count(r, fill, false);
}

} // namespace

TEST_F(ColorGridTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* grid = Make<TColorGrid>("ColorGrid1");
    EXPECT_TRUE(IsWindowVisible(grid->Handle()));
    EXPECT_TRUE(GetWindowLongPtrW(grid->Handle(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    delete grid;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(ColorGridTest, CellsShareOutTheClientAreaInEachOrdering) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    grid->SetBounds(0, 0, 160, 160);
    struct Case {
        TGridOrdering ordering;
        int cols, rows;
    };
    for (Case c : {Case{go16x1, 16, 1}, Case{go8x2, 8, 2}, Case{go4x4, 4, 4}, Case{go2x8, 2, 8}, Case{go1x16, 1, 16}}) {
        grid->SetGridOrdering(c.ordering);
        EXPECT_EQ(grid->ColumnCount(), c.cols);
        EXPECT_EQ(grid->RowCount(), c.rows);
        RECT first = grid->CellRect(0), last = grid->CellRect(15);
        EXPECT_EQ(first.left, 0);
        EXPECT_EQ(first.top, 0);
        EXPECT_EQ(first.right, 160 / c.cols);
        EXPECT_EQ(first.bottom, 160 / c.rows);
        EXPECT_EQ(last.right, 160) << "the last cell reaches the corner";
        EXPECT_EQ(last.bottom, 160);
        for (int32_t i = 0; i < 16; ++i) EXPECT_EQ(grid->CellAt(Centre(grid->CellRect(i)).x, Centre(grid->CellRect(i)).y), i);
    }
    EXPECT_EQ(grid->CellAt(-1, 5), -1);
    EXPECT_EQ(grid->CellAt(5, 160), -1);
}

TEST_F(ColorGridTest, CellsArePaintedInTheBasicColours) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    grid->SetBounds(0, 0, 128, 128);
    const COLORREF expected[16] = {win::Rgb(0, 0, 0),       win::Rgb(128, 0, 0),   win::Rgb(0, 128, 0),   win::Rgb(128, 128, 0),
                                   win::Rgb(0, 0, 128),     win::Rgb(128, 0, 128), win::Rgb(0, 128, 128), win::Rgb(128, 128, 128),
                                   win::Rgb(192, 192, 192), win::Rgb(255, 0, 0),   win::Rgb(0, 255, 0),   win::Rgb(255, 255, 0),
                                   win::Rgb(0, 0, 255),     win::Rgb(255, 0, 255), win::Rgb(0, 255, 255), win::Rgb(255, 255, 255)};
    TWindowImage img(grid->Handle(), win::Rgb(1, 2, 3));
    for (int32_t i = 0; i < 16; ++i) {
        RECT r = grid->CellRect(i);
        EXPECT_EQ(img.At(r.left + 2, r.bottom - 3), expected[i]) << "cell " << i;
        EXPECT_EQ(ColorToRGB(TColorGrid::BasicColor(i)), expected[i]);
    }
    RECT all{0, 0, 128, 128};
    EXPECT_EQ(img.Count(all, win::Rgb(1, 2, 3)), 0) << "every pixel painted";
    EXPECT_EQ(TColorGrid::BasicColor(99), clWhite);
}

TEST_F(ColorGridTest, LeftAndRightClicksChooseForegroundAndBackground) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    grid->SetBounds(0, 0, 128, 128);
    int changes = 0;
    grid->OnChange.Bind([&](TObject*) { ++changes; });
    EXPECT_EQ(grid->CellMark(0), "FG");
    EXPECT_EQ(grid->CellMark(15), "BG");

    ClickAt(grid->Handle(), Centre(grid->CellRect(11)));
    EXPECT_EQ(grid->ForegroundIndex(), 11);
    EXPECT_EQ(grid->ForegroundColor(), clYellow);
    EXPECT_EQ(grid->Selection(), 11);
    EXPECT_EQ(changes, 1);
    RightClickAt(grid->Handle(), Centre(grid->CellRect(4)));
    EXPECT_EQ(grid->BackgroundIndex(), 4);
    EXPECT_EQ(grid->BackgroundColor(), clNavy);
    EXPECT_EQ(changes, 2);
    ClickAt(grid->Handle(), Centre(grid->CellRect(11)));
    EXPECT_EQ(changes, 2) << "the same colour again is no change";

    TWindowImage img(grid->Handle(), win::Rgb(1, 2, 3));
    EXPECT_GT(MarkPixels(grid, img, 11), 5) << "FG on the yellow cell";
    EXPECT_GT(MarkPixels(grid, img, 4), 5) << "BG on the navy cell";
    EXPECT_EQ(MarkPixels(grid, img, 0), 0) << "the old foreground cell is plain again";
    EXPECT_EQ(MarkPixels(grid, img, 15), 0);
    RECT yellow = Inside(grid->CellRect(11)), navy = Inside(grid->CellRect(4));
    EXPECT_GT(img.Count(yellow, win::Rgb(0, 0, 0)), 5) << "dark ink on a light colour";
    EXPECT_GT(img.Count(navy, win::Rgb(255, 255, 255)), 5) << "light ink on a dark colour";

    RightClickAt(grid->Handle(), Centre(grid->CellRect(11)));
    EXPECT_EQ(grid->CellMark(11), "FB");
    EXPECT_EQ(changes, 3);
}

TEST_F(ColorGridTest, DisabledColoursIgnoreClicksUnlessAClickEnablesThem) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    int changes = 0;
    grid->OnChange.Bind([&](TObject*) { ++changes; });
    grid->SetForegroundEnabled(false);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid->CellMark(0), "");
    ClickAt(grid->Handle(), Centre(grid->CellRect(5)));
    EXPECT_EQ(grid->ForegroundIndex(), 0);
    EXPECT_FALSE(grid->ForegroundEnabled());
    EXPECT_EQ(changes, 1);
    grid->SetClickEnablesColor(true);
    ClickAt(grid->Handle(), Centre(grid->CellRect(5)));
    EXPECT_TRUE(grid->ForegroundEnabled());
    EXPECT_EQ(grid->ForegroundIndex(), 5);
    EXPECT_EQ(changes, 2) << "one change for the colour and its enabling";
    grid->SetBackgroundEnabled(false);
    RightClickAt(grid->Handle(), Centre(grid->CellRect(7)));
    EXPECT_TRUE(grid->BackgroundEnabled());
    EXPECT_EQ(grid->BackgroundIndex(), 7);
}

TEST_F(ColorGridTest, IndexesStayWithinTheSixteenColours) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    grid->SetForegroundIndex(99);
    EXPECT_EQ(grid->ForegroundIndex(), 15);
    grid->SetBackgroundIndex(-3);
    EXPECT_EQ(grid->BackgroundIndex(), 0);
    grid->SetSelection(16);
    EXPECT_EQ(grid->Selection(), 15);
    // Values read from a stream go through the same setters.
    for (const char* name : {"ForegroundIndex", "BackgroundIndex", "Selection"}) {
        const TPropInfo* p = grid->ClassInfo().FindProp(name);
        ASSERT_NE(p, nullptr) << name;
        p->SetOrd(grid, 1000000);
        EXPECT_EQ(p->GetOrd(grid), 15) << name;
        p->SetOrd(grid, INT32_MIN);
        EXPECT_EQ(p->GetOrd(grid), 0) << name;
    }
}

TEST_F(ColorGridTest, TheKeyboardMovesTheSelectionAndSpaceChooses) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    grid->SetFocus();
    EXPECT_EQ(SendMessageW(grid->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS, DLGC_WANTARROWS);
    Key(grid->Handle(), VK_UP);
    Key(grid->Handle(), VK_LEFT);
    EXPECT_EQ(grid->Selection(), 0) << "stops at the edges";
    Key(grid->Handle(), VK_RIGHT);
    Key(grid->Handle(), VK_DOWN);
    EXPECT_EQ(grid->Selection(), 5);
    Key(grid->Handle(), VK_SPACE);
    EXPECT_EQ(grid->ForegroundIndex(), 5);
    grid->SetGridOrdering(go16x1);
    Key(grid->Handle(), VK_DOWN);
    EXPECT_EQ(grid->Selection(), 5) << "one row only";
}

TEST_F(ColorGridTest, ASmallGridStillMarksItsCells) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    grid->SetBounds(0, 0, 48, 48);
    grid->SetForegroundIndex(12);
    TWindowImage img(grid->Handle(), win::Rgb(1, 2, 3));
    EXPECT_GT(MarkPixels(grid, img, 12), 3);
    EXPECT_GT(MarkPixels(grid, img, 15), 3);
    EXPECT_EQ(MarkPixels(grid, img, 3), 0);
    grid->SetBounds(0, 0, 16, 16); // cells of 4 pixels: marks give way, nothing breaks
    TWindowImage tiny(grid->Handle(), win::Rgb(1, 2, 3));
    EXPECT_EQ(tiny.At(1, 1), win::Rgb(0, 0, 0)) << "black first cell";
}

TEST_F(ColorGridTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    auto* grid = Make<TColorGrid>("ColorGrid1");
    EXPECT_EQ(StoredNames(Store(grid, form)), kWindowedDefaults);

    grid->SetBounds(4, 4, 48, 48);
    std::unique_ptr<TForm> proto;
    TColorGrid* pcopy = RoundTrip(grid, form, proto);
    ASSERT_NE(pcopy, nullptr);
    EXPECT_EQ(pcopy->Width(), 48);
    EXPECT_EQ(pcopy->Height(), 48);

    grid->SetBackgroundEnabled(false);
    grid->SetBackgroundIndex(3);
    grid->SetClickEnablesColor(true);
    grid->SetForegroundEnabled(false);
    grid->SetForegroundIndex(11);
    grid->SetGridOrdering(go2x8);
    grid->SetSelection(7);
    grid->SetTabStop(false);
    EXPECT_EQ(StoredNames(Store(grid, form)),
              PlainNamesAnd({"BackgroundEnabled", "BackgroundIndex", "ClickEnablesColor", "ForegroundEnabled",
                             "ForegroundIndex", "GridOrdering", "Selection", "TabStop"}));
    EXPECT_EQ(grid->ClassInfo().FindProp("ForegroundColor"), nullptr) << "derived, not published";
    std::unique_ptr<TForm> other;
    TColorGrid* copy = RoundTrip(grid, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->BackgroundEnabled());
    EXPECT_EQ(copy->BackgroundIndex(), 3);
    EXPECT_TRUE(copy->ClickEnablesColor());
    EXPECT_FALSE(copy->ForegroundEnabled());
    EXPECT_EQ(copy->ForegroundIndex(), 11);
    EXPECT_EQ(copy->GridOrdering(), go2x8);
    EXPECT_EQ(copy->Selection(), 7);
    EXPECT_FALSE(copy->TabStop());
}
