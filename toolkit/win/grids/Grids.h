#pragma once
// TStringGrid: a table of text cells that draws itself. The first FixedCols
// columns and FixedRows rows stay in place (headings); the rest scroll. One
// cell is current; with goRangeSelect a rectangle of cells can be selected.
// Column and row borders in the fixed area can be dragged to resize when
// goColSizing / goRowSizing is set, and the grid tells a designer about those
// borders through CM_DESIGNHITTEST.
#include "toolkit/core/Enums.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/grids/GridsAxis.h"
#include "toolkit/win/window/GraphicControl.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

namespace fw {

class TStrings;
class TGridLineStrings;

FW_EXCEPTION_CLASS(EInvalidGridOperation, Exception);

// goRowMoving, goColMoving and goEditing are kept and stored; the grid does
// not yet move lines or edit cells in place.
FW_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
        goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect, goThumbTracking)
FW_SET(TGridOptions, TGridOption);
FW_ENUM(TGridDrawStateItem, gdSelected, gdFocused, gdFixed)
FW_SET(TGridDrawState, TGridDrawStateItem);

// Scoped, because the form's border style already names bsNone and bsSingle.
enum class TGridBorderStyle : int32_t { bsNone, bsSingle };
const TTypeInfo& TypeInfoOf(TGridBorderStyle*);

// A block of cells, corners included.
struct TGridRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

FW_EVENT_TYPE(TSelectCellEvent, TObject* /*Sender*/, int32_t /*Col*/, int32_t /*Row*/, bool& /*CanSelect*/);
FW_EVENT_TYPE(TDrawCellEvent, TObject* /*Sender*/, int32_t /*Col*/, int32_t /*Row*/, RECT /*Rect*/,
              TGridDrawState /*State*/);

constexpr TGridOptions kDefaultGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};

class TStringGrid : public TCustomControl {
    FW_CLASS(TStringGrid)

    // Beyond this a count is refused: sizes are kept per line.
    static constexpr int32_t kMaxLines = 1000000;

    explicit TStringGrid(TComponent* owner);
    ~TStringGrid() override;

    // Shape. Counts below 1 become 1; the fixed lines shrink to fit. Cells
    // that still fit keep their contents.
    int32_t ColCount() const { return FCols.Count(); }
    void SetColCount(int32_t v);
    int32_t RowCount() const { return FRows.Count(); }
    void SetRowCount(int32_t v);
    int32_t FixedCols() const { return FCols.Fixed; }
    void SetFixedCols(int32_t v);
    int32_t FixedRows() const { return FRows.Fixed; }
    void SetFixedRows(int32_t v);
    // Changing a default gives every column (row) that size.
    int32_t DefaultColWidth() const { return FCols.DefaultSize; }
    void SetDefaultColWidth(int32_t v);
    int32_t DefaultRowHeight() const { return FRows.DefaultSize; }
    void SetDefaultRowHeight(int32_t v);
    int32_t ColWidths(int32_t col) const;
    void SetColWidths(int32_t col, int32_t width);
    int32_t RowHeights(int32_t row) const;
    void SetRowHeights(int32_t row, int32_t height);
    int32_t GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int32_t v);

    // Looks and behaviour.
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions v);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle v);
    TGridBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TGridBorderStyle v);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor v);
    // Off: cells are left to OnDrawCell entirely.
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool v);

    // Contents (not stored in the design stream).
    std::string Cells(int32_t col, int32_t row) const;
    void SetCells(int32_t col, int32_t row, const std::string& text);
    TObject* Objects(int32_t col, int32_t row) const;
    void SetObjects(int32_t col, int32_t row, TObject* object);
    // A column's (row's) cells as a string list: one line per cell, no lines
    // inserted or deleted. The list lives as long as the grid.
    TStrings* Cols(int32_t col);
    void SetCols(int32_t col, TStrings* lines);
    TStrings* Rows(int32_t row);
    void SetRows(int32_t row, TStrings* lines);

    // The current cell. Moving it asks OnSelectCell and scrolls it into view.
    int32_t Col() const { return FCurCol; }
    void SetCol(int32_t v);
    int32_t Row() const { return FCurRow; }
    void SetRow(int32_t v);
    // The selected block (the current cell alone unless a range is selected);
    // with goRowSelect whole rows.
    TGridRect Selection() const;
    void SetSelection(const TGridRect& r);

    // Scrolling: the first scrollable column and row shown.
    int32_t LeftCol() const { return FCols.Start; }
    void SetLeftCol(int32_t v);
    int32_t TopRow() const { return FRows.Start; }
    void SetTopRow(int32_t v);
    int32_t VisibleColCount() const;
    int32_t VisibleRowCount() const;

    // Client rectangle of a cell without its grid lines; empty when the cell
    // is scrolled out of view or lies beyond the client area.
    RECT CellRect(int32_t col, int32_t row) const;
    // The cell under a client point (its lines count as its own); -1 for a
    // coordinate outside every cell shown.
    void MouseToCell(int32_t x, int32_t y, int32_t& col, int32_t& row) const;

    TSelectCellEvent OnSelectCell;
    TDrawCellEvent OnDrawCell;
    TNotifyEvent OnTopLeftChanged;

    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler& filer) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void Paint() override;
    void KeyDown(int32_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

    // May the cell become current? Asks OnSelectCell.
    virtual bool SelectCell(int32_t col, int32_t row);
    // Draws one cell: the default look (unless DefaultDrawing is off), then OnDrawCell.
    virtual void DrawCell(int32_t col, int32_t row, const RECT& rect, TGridDrawState state);
    virtual void TopLeftChanged() { OnTopLeftChanged(this); }

private:
    struct TCellData {
        std::string Text;
        TObject* Object = nullptr;
    };
    // A border the pointer can drag: the column (or row) it ends.
    struct TSizingHit {
        bool Columns = true;
        int32_t Index = -1;
        int64_t CellStart = 0;
        int64_t Grab = 0; // where the pointer took the border, from the cell's end
        explicit operator bool() const { return Index >= 0; }
    };

    static uint64_t Key(int32_t col, int32_t row) {
        return (static_cast<uint64_t>(static_cast<uint32_t>(col)) << 32) | static_cast<uint32_t>(row);
    }
    void CheckCell(int32_t col, int32_t row) const;
    TCellData* FindCell(int32_t col, int32_t row);
    const TCellData* FindCell(int32_t col, int32_t row) const;
    void DropCellsOutside();
    void Reshaped();
    void SyncLineWidths();
    void ClampCurrent();

    // Navigation (GridsNavigate.cpp).
    bool MoveCurrent(int32_t col, int32_t row, bool extend);
    void ScrollInView(int32_t col, int32_t row);
    void SetTopLeft(int32_t col, int32_t row);
    void ClampTopLeft();
    void UpdateScrollBars();
    void UpdateScrollBar(int bar, bool allowed, const TGridAxis& axis, int32_t extent);
    void Scroll(int bar, WORD code, int32_t thumb);
    bool MoveByKey(int32_t key, TShiftState shift);

    // Pointer (GridsMouse.cpp).
    TSizingHit SizingHitAt(int32_t x, int32_t y) const;
    void StopTracking();

    // Painting (GridsPaint.cpp).
    TGridDrawState CellState(int32_t col, int32_t row) const;
    void PaintLines(int32_t col, int32_t row, int64_t x, int64_t y);

    TGridAxis FCols, FRows;
    std::unordered_map<uint64_t, TCellData> FCells;
    std::map<int32_t, std::unique_ptr<TGridLineStrings>> FColLines, FRowLines;
    int32_t FGridLineWidth = 1;
    TGridOptions FOptions = kDefaultGridOptions;
    TScrollStyle FScrollBars = ssBoth;
    TGridBorderStyle FBorderStyle = TGridBorderStyle::bsSingle;
    TColor FFixedColor = clBtnFace;
    bool FDefaultDrawing = true;
    int32_t FCurCol = 1, FCurRow = 1;       // the current cell
    int32_t FAnchorCol = 1, FAnchorRow = 1; // the other corner of the selection
    TSizingHit FSizing;                     // the border being dragged
    bool FSelecting = false;                // the pointer is extending the selection
    bool FUpdatingBars = false;
};

} // namespace fw
