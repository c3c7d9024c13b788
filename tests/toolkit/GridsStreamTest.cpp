// The grid in a design stream: its published properties and its own column
// widths and row heights come back into another form; defaults and cell
// contents are not stored.
#include "GridsTestSupport.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"

using namespace fw;
using fwtest::FindValue;
using gridtest::GridFixture;

using GridStream = GridFixture;

namespace {
fwtest::Bytes Store(TStringGrid* grid, TForm* root) {
    TMemoryStream s;
    WriteComponentList(s, {grid}, root);
    return s.Bytes();
}

TStringGrid* Load(const fwtest::Bytes& bytes, TForm& into) {
    TMemoryStream s(bytes);
    TReader r(s);
    r.ReadComponents(&into, &into);
    return dynamic_cast<TStringGrid*>(into.FindComponent("Grid1"));
}
} // namespace

TEST_F(GridStream, AFreshGridStoresNoneOfItsDefaults) {
    TStringGrid fresh(form);
    fresh.SetName("Fresh");
    fresh.SetCells(1, 1, "not stored");
    fwtest::Bytes bytes = Store(&fresh, form);
    for (const char* name : {"ColCount", "RowCount", "FixedCols", "FixedRows", "DefaultColWidth", "DefaultRowHeight",
                             "GridLineWidth", "Options", "ScrollBars", "BorderStyle", "Color", "FixedColor",
                             "DefaultDrawing", "TabStop", "ColWidths", "RowHeights"})
        EXPECT_EQ(FindValue(bytes, name), -1) << name;
    EXPECT_NE(FindValue(bytes, "Width"), -1) << "the bounds are always stored";
    std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.find("not stored"), std::string::npos);
}

TEST_F(GridStream, PropertiesAndLineSizesComeBackInAnotherForm) {
    grid->SetColCount(7);
    grid->SetRowCount(12);
    grid->SetFixedCols(2);
    grid->SetFixedRows(3);
    grid->SetDefaultRowHeight(18);
    grid->SetColWidths(3, 100);
    grid->SetColWidths(6, 5);
    grid->SetRowHeights(11, 40);
    grid->SetGridLineWidth(2);
    grid->SetOptions(TGridOptions{goVertLine, goColSizing, goRowSelect, goEditing});
    grid->SetScrollBars(ssVertical);
    grid->SetFixedColor(clRed);
    grid->SetDefaultDrawing(false);
    grid->SetTabStop(false);
    fwtest::Bytes bytes = Store(grid, form);

    TForm other(nullptr);
    TStringGrid* copy = Load(bytes, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ColCount(), 7);
    EXPECT_EQ(copy->RowCount(), 12);
    EXPECT_EQ(copy->FixedCols(), 2);
    EXPECT_EQ(copy->FixedRows(), 3);
    EXPECT_EQ(copy->DefaultRowHeight(), 18);
    EXPECT_EQ(copy->DefaultColWidth(), 64);
    for (int32_t c = 0; c < 7; ++c) EXPECT_EQ(copy->ColWidths(c), grid->ColWidths(c)) << "column " << c;
    for (int32_t r = 0; r < 12; ++r) EXPECT_EQ(copy->RowHeights(r), grid->RowHeights(r)) << "row " << r;
    EXPECT_EQ(copy->RowHeights(11), 40);
    EXPECT_EQ(copy->RowHeights(1), 18);
    EXPECT_EQ(copy->GridLineWidth(), 2);
    EXPECT_TRUE(copy->Options() == (TGridOptions{goVertLine, goColSizing, goRowSelect, goEditing}));
    EXPECT_EQ(copy->ScrollBars(), ssVertical);
    EXPECT_EQ(copy->BorderStyle(), TGridBorderStyle::bsNone);
    EXPECT_EQ(copy->FixedColor(), clRed);
    EXPECT_FALSE(copy->DefaultDrawing());
    EXPECT_FALSE(copy->TabStop());
    EXPECT_EQ(copy->Width(), 300);
}

TEST_F(GridStream, OnlyTheSizesThatDifferAreStoredAndSurplusEntriesAreIgnored) {
    grid->SetColCount(7);
    grid->SetColWidths(2, 10);
    grid->SetColWidths(6, 20);
    fwtest::Bytes bytes = Store(grid, form);
    EXPECT_NE(FindValue(bytes, "ColWidths"), -1);
    EXPECT_EQ(FindValue(bytes, "RowHeights"), -1);
    // The count is read before the list: a list longer than the count
    // (a stream edited by hand) sizes only the columns there are.
    long count = FindValue(bytes, "ColCount");
    ASSERT_TRUE(fwtest::HasAt(bytes, count, {2, 7})) << "a one-byte integer";
    bytes[static_cast<size_t>(count) + 1] = 4;
    TForm other(nullptr);
    TStringGrid* copy = Load(bytes, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ColCount(), 4);
    EXPECT_EQ(copy->ColWidths(2), 10);
    EXPECT_EQ(copy->ColWidths(3), 64);
    // Growing again gives the lost column the default width, so nothing differs there.
    copy->SetColWidths(2, 64);
    copy->SetColCount(7);
    EXPECT_EQ(FindValue(Store(copy, &other), "ColWidths"), -1);
}
