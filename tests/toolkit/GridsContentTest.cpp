// Cell contents and the grid's shape: cells survive resizing while they fit,
// fixed counts follow the counts, and columns and rows work as string lists.
#include "GridsTestSupport.h"
#include "support/TestUtil.h"
#include "toolkit/core/Strings.h"

using namespace fw;
using gridtest::GridFixture;

using GridContent = GridFixture;

TEST_F(GridContent, CellsKeepTheirTextWhileTheyStillFit) {
    grid->SetCells(0, 0, "corner");
    grid->SetCells(4, 1, "right");
    grid->SetCells(1, 4, "bottom");
    grid->SetCells(2, 2, "middle");
    grid->SetColCount(3);
    EXPECT_EQ(grid->Cells(0, 0), "corner");
    EXPECT_EQ(grid->Cells(2, 2), "middle");
    EXPECT_EQ(grid->Cells(1, 4), "bottom");
    EXPECT_EQ(fwtest::MessageOf([&] { grid->Cells(4, 1); }), "Grid index out of range");
    grid->SetRowCount(3);
    EXPECT_EQ(grid->Cells(2, 2), "middle");
    // Growing again brings back empty cells, not the text that was cut off.
    grid->SetColCount(5);
    grid->SetRowCount(5);
    EXPECT_EQ(grid->Cells(4, 1), "");
    EXPECT_EQ(grid->Cells(1, 4), "");
    EXPECT_EQ(grid->Cells(0, 0), "corner");
    // Emptying a cell is the same as never filling it.
    grid->SetCells(0, 0, "");
    EXPECT_EQ(grid->Cells(0, 0), "");
    EXPECT_EQ(fwtest::MessageOf([&] { grid->SetCells(-1, 0, "x"); }), "Grid index out of range");
    EXPECT_EQ(fwtest::MessageOf([&] { grid->SetCells(0, 5, "x"); }), "Grid index out of range");
}

TEST_F(GridContent, ObjectsLiveBesideTheTextAndKeepAnEmptyCellAlive) {
    TStringList marker;
    grid->SetObjects(3, 3, &marker);
    EXPECT_EQ(grid->Objects(3, 3), &marker);
    EXPECT_EQ(grid->Cells(3, 3), "");
    grid->SetCells(3, 3, "text");
    grid->SetCells(3, 3, "");
    EXPECT_EQ(grid->Objects(3, 3), &marker) << "clearing the text keeps the object";
    grid->SetRowCount(3);
    grid->SetRowCount(5);
    EXPECT_EQ(grid->Objects(3, 3), nullptr);
}

TEST_F(GridContent, CountsNeverDropBelowOneAndFixedLinesShrinkToFit) {
    grid->SetFixedCols(3);
    grid->SetColCount(2);
    EXPECT_EQ(grid->FixedCols(), 1) << "one column stays scrollable";
    grid->SetColCount(0);
    EXPECT_EQ(grid->ColCount(), 1);
    EXPECT_EQ(grid->FixedCols(), 0);
    EXPECT_EQ(fwtest::MessageOf([&] { grid->SetFixedRows(5); }), "Fixed row count must be less than row count");
    EXPECT_EQ(fwtest::MessageOf([&] { grid->SetFixedRows(-1); }), "The fixed row count cannot be negative");
    EXPECT_NE(fwtest::MessageOf([&] { grid->SetRowCount(TStringGrid::kMaxLines + 1); }), "(no error)");
    EXPECT_EQ(grid->RowCount(), 5);
}

TEST_F(GridContent, TheCurrentCellStaysInsideTheScrollableCells) {
    grid->SetCol(4);
    grid->SetRow(4);
    grid->SetColCount(3);
    EXPECT_EQ(grid->Col(), 2);
    grid->SetFixedRows(4);
    EXPECT_EQ(grid->Row(), 4);
    grid->SetFixedRows(0);
    grid->SetRowCount(2);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(fwtest::MessageOf([&] { grid->SetCol(0); }), "Grid index out of range") << "column 0 is fixed";
}

TEST_F(GridContent, ColumnsAndRowsReadAndWriteAsStringLists) {
    grid->SetCells(2, 0, "head");
    grid->SetCells(2, 3, "three");
    TStrings* col = grid->Cols(2);
    ASSERT_EQ(col->Count(), 5);
    EXPECT_EQ(col->Get(0), "head");
    EXPECT_EQ(col->Get(3), "three");
    EXPECT_EQ(grid->Rows(3)->Get(2), "three");
    grid->Rows(1)->Put(4, "put");
    EXPECT_EQ(grid->Cells(4, 1), "put");
    EXPECT_EQ(grid->Cols(4)->Get(1), "put") << "both views see the same cell";
    // Assigning fills the line in order, empty lines included, and clears the rest.
    TStringList source{"a", "", "c"};
    TStringList marker;
    source.PutObject(2, &marker);
    grid->SetCols(2, &source);
    EXPECT_EQ(grid->Cells(2, 0), "a");
    EXPECT_EQ(grid->Cells(2, 1), "");
    EXPECT_EQ(grid->Cells(2, 2), "c");
    EXPECT_EQ(grid->Objects(2, 2), &marker);
    EXPECT_EQ(grid->Cells(2, 3), "") << "the old text went with Clear";
    // Adding goes after the last filled cell; past the end it is dropped.
    col->Add("d");
    EXPECT_EQ(grid->Cells(2, 3), "d");
    col->Add("e");
    col->Add("f");
    EXPECT_EQ(grid->Cells(2, 4), "e");
    EXPECT_EQ(col->Text(), "a\r\n\r\nc\r\nd\r\ne\r\n");
    EXPECT_EQ(fwtest::MessageOf([&] { col->Insert(0, "x"); }), "Grid lines cannot be inserted or deleted");
    EXPECT_EQ(fwtest::MessageOf([&] { col->Delete(0); }), "Grid lines cannot be inserted or deleted");
    grid->SetColCount(8);
    EXPECT_EQ(grid->Rows(0)->Count(), 8) << "a row's list follows the column count";
}
