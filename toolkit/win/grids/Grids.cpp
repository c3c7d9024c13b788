#include "toolkit/win/grids/Grids.h"

#include "stream/ClassRegistry.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/grids/GridsStrings.h"

#include <algorithm>

namespace fw {

const TTypeInfo& TypeInfoOf(TGridBorderStyle*) {
    static const TTypeInfo t = MakeEnumType("TBorderStyle", {"bsNone", "bsSingle"});
    return t;
}

// Counts come before the fixed counts, so that a stream can raise both.
const TClassInfo& TStringGrid::StaticClassInfo() {
    using G = TStringGrid;
    static const TClassInfo info =
        TClassBuilder<G, TCustomControl>()
            .Prop("ColCount", &G::ColCount, &G::SetColCount).Default(5)
            .Prop("RowCount", &G::RowCount, &G::SetRowCount).Default(5)
            .Prop("FixedCols", &G::FixedCols, &G::SetFixedCols).Default(1)
            .Prop("FixedRows", &G::FixedRows, &G::SetFixedRows).Default(1)
            .Prop("DefaultColWidth", &G::DefaultColWidth, &G::SetDefaultColWidth).Default(64)
            .Prop("DefaultRowHeight", &G::DefaultRowHeight, &G::SetDefaultRowHeight).Default(24)
            .Prop("GridLineWidth", &G::GridLineWidth, &G::SetGridLineWidth).Default(1)
            .Prop("Options", &G::Options, &G::SetOptions).Default(static_cast<int32_t>(kDefaultGridOptions.Bits()))
            .Prop("ScrollBars", &G::ScrollBars, &G::SetScrollBars).Default(ssBoth)
            .Prop("BorderStyle", &G::BorderStyle, &G::SetBorderStyle)
            .Default(static_cast<int32_t>(TGridBorderStyle::bsSingle))
            .Prop("Color", &G::Color, &G::SetColor).Type(ColorType()).Default(clWindow).Stored(&G::IsColorStored)
            .Prop("FixedColor", &G::FixedColor, &G::SetFixedColor).Type(ColorType()).Default(clBtnFace)
            .Prop("DefaultDrawing", &G::DefaultDrawing, &G::SetDefaultDrawing).Default(true)
            .Prop("TabStop", &G::TabStop, &G::SetTabStop).Default(true)
            .Prop("OnDrawCell", &G::OnDrawCell, &G::OnDrawCell)
            .Prop("OnSelectCell", &G::OnSelectCell, &G::OnSelectCell)
            .Prop("OnTopLeftChanged", &G::OnTopLeftChanged, &G::OnTopLeftChanged)
            .Build();
    return info;
}

TStringGrid::TStringGrid(TComponent* owner) : TCustomControl(owner) {
    FCols.DefaultSize = 64;
    FRows.DefaultSize = 24;
    FCols.SetCount(5);
    FRows.SetCount(5);
    FCols.Fixed = FCols.Start = 1;
    FRows.Fixed = FRows.Start = 1;
    SyncLineWidths();
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 320, 120);
}

TStringGrid::~TStringGrid() { Destroying(); }

void TStringGrid::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    if (FBorderStyle == TGridBorderStyle::bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TStringGrid::InitializeWnd() { UpdateScrollBars(); }

// --- shape -------------------------------------------------------------------

namespace {
int32_t CheckedCount(int32_t v) {
    if (v > TStringGrid::kMaxLines)
        throw EInvalidGridOperation(Format("A grid cannot have more than %d lines", {std::to_string(TStringGrid::kMaxLines)}));
    return std::max(v, 1);
}
} // namespace

void TStringGrid::SetColCount(int32_t v) {
    v = CheckedCount(v);
    if (v == ColCount()) return;
    FCols.SetCount(v);
    FCols.Fixed = std::min(FCols.Fixed, v - 1);
    Reshaped();
}

void TStringGrid::SetRowCount(int32_t v) {
    v = CheckedCount(v);
    if (v == RowCount()) return;
    FRows.SetCount(v);
    FRows.Fixed = std::min(FRows.Fixed, v - 1);
    Reshaped();
}

void TStringGrid::SetFixedCols(int32_t v) {
    if (v < 0) throw EInvalidGridOperation("The fixed column count cannot be negative");
    if (v >= ColCount()) throw EInvalidGridOperation("Fixed column count must be less than column count");
    if (v == FCols.Fixed) return;
    FCols.Fixed = v;
    Reshaped();
}

void TStringGrid::SetFixedRows(int32_t v) {
    if (v < 0) throw EInvalidGridOperation("The fixed row count cannot be negative");
    if (v >= RowCount()) throw EInvalidGridOperation("Fixed row count must be less than row count");
    if (v == FRows.Fixed) return;
    FRows.Fixed = v;
    Reshaped();
}

// After counts or fixed counts changed: contents, the current cell and the
// scroll position follow without asking OnSelectCell (nothing was chosen).
void TStringGrid::Reshaped() {
    DropCellsOutside();
    FCols.Start = std::clamp(FCols.Start, FCols.Fixed, ColCount() - 1);
    FRows.Start = std::clamp(FRows.Start, FRows.Fixed, RowCount() - 1);
    ClampCurrent();
    UpdateScrollBars();
    Invalidate();
}

void TStringGrid::ClampCurrent() {
    FCurCol = std::clamp(FCurCol, FCols.Fixed, ColCount() - 1);
    FCurRow = std::clamp(FCurRow, FRows.Fixed, RowCount() - 1);
    FAnchorCol = std::clamp(FAnchorCol, FCols.Fixed, ColCount() - 1);
    FAnchorRow = std::clamp(FAnchorRow, FRows.Fixed, RowCount() - 1);
}

void TStringGrid::SetDefaultColWidth(int32_t v) {
    FCols.SetDefaultSize(v);
    Reshaped();
}

void TStringGrid::SetDefaultRowHeight(int32_t v) {
    FRows.SetDefaultSize(v);
    Reshaped();
}

int32_t TStringGrid::ColWidths(int32_t col) const {
    if (col < 0 || col >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
    return FCols.Size(col);
}

void TStringGrid::SetColWidths(int32_t col, int32_t width) {
    if (col < 0 || col >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
    FCols.SetSize(col, width);
    Reshaped();
}

int32_t TStringGrid::RowHeights(int32_t row) const {
    if (row < 0 || row >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
    return FRows.Size(row);
}

void TStringGrid::SetRowHeights(int32_t row, int32_t height) {
    if (row < 0 || row >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
    FRows.SetSize(row, height);
    Reshaped();
}

void TStringGrid::SetGridLineWidth(int32_t v) {
    FGridLineWidth = TGridAxis::Clamp(v);
    SyncLineWidths();
    Reshaped();
}

// A line takes room only while lines of its direction are drawn somewhere.
void TStringGrid::SyncLineWidths() {
    FCols.Line = FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine) ? FGridLineWidth : 0;
    FRows.Line = FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine) ? FGridLineWidth : 0;
}

void TStringGrid::SetOptions(TGridOptions v) {
    if (FOptions == v) return;
    FOptions = v;
    // Without range selection the selection shrinks to the current cell.
    if (!v.Contains(goRangeSelect)) {
        FAnchorCol = FCurCol;
        FAnchorRow = FCurRow;
    }
    SyncLineWidths();
    Reshaped();
}

void TStringGrid::SetScrollBars(TScrollStyle v) {
    if (FScrollBars == v) return;
    FScrollBars = v;
    UpdateScrollBars();
}

void TStringGrid::SetBorderStyle(TGridBorderStyle v) {
    if (FBorderStyle == v) return;
    FBorderStyle = v;
    RecreateWnd();
}

void TStringGrid::SetFixedColor(TColor v) {
    if (FFixedColor == v) return;
    FFixedColor = v;
    Invalidate();
}

void TStringGrid::SetDefaultDrawing(bool v) {
    if (FDefaultDrawing == v) return;
    FDefaultDrawing = v;
    Invalidate();
}

// --- contents ----------------------------------------------------------------

void TStringGrid::CheckCell(int32_t col, int32_t row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        throw EInvalidGridOperation("Grid index out of range");
}

TStringGrid::TCellData* TStringGrid::FindCell(int32_t col, int32_t row) {
    auto it = FCells.find(Key(col, row));
    return it == FCells.end() ? nullptr : &it->second;
}

const TStringGrid::TCellData* TStringGrid::FindCell(int32_t col, int32_t row) const {
    auto it = FCells.find(Key(col, row));
    return it == FCells.end() ? nullptr : &it->second;
}

void TStringGrid::DropCellsOutside() {
    std::erase_if(FCells, [&](const auto& entry) {
        int32_t col = static_cast<int32_t>(entry.first >> 32), row = static_cast<int32_t>(entry.first & 0xFFFFFFFFu);
        return col >= ColCount() || row >= RowCount();
    });
}

std::string TStringGrid::Cells(int32_t col, int32_t row) const {
    CheckCell(col, row);
    const TCellData* c = FindCell(col, row);
    return c ? c->Text : std::string();
}

// Cells are kept only while they hold something.
void TStringGrid::SetCells(int32_t col, int32_t row, const std::string& text) {
    CheckCell(col, row);
    TCellData* c = FindCell(col, row);
    if (!c) {
        if (text.empty()) return;
        c = &FCells[Key(col, row)];
    }
    if (c->Text == text) return;
    c->Text = text;
    if (text.empty() && !c->Object) FCells.erase(Key(col, row));
    Invalidate();
}

TObject* TStringGrid::Objects(int32_t col, int32_t row) const {
    CheckCell(col, row);
    const TCellData* c = FindCell(col, row);
    return c ? c->Object : nullptr;
}

void TStringGrid::SetObjects(int32_t col, int32_t row, TObject* object) {
    CheckCell(col, row);
    TCellData* c = FindCell(col, row);
    if (!c) {
        if (!object) return;
        c = &FCells[Key(col, row)];
    }
    c->Object = object;
    if (!object && c->Text.empty()) FCells.erase(Key(col, row));
}

TStrings* TStringGrid::Cols(int32_t col) {
    if (col < 0 || col >= ColCount()) throw EInvalidGridOperation("Grid index out of range");
    auto& view = FColLines[col];
    if (!view) view = std::make_unique<TGridLineStrings>(*this, true, col);
    return view.get();
}

TStrings* TStringGrid::Rows(int32_t row) {
    if (row < 0 || row >= RowCount()) throw EInvalidGridOperation("Grid index out of range");
    auto& view = FRowLines[row];
    if (!view) view = std::make_unique<TGridLineStrings>(*this, false, row);
    return view.get();
}

void TStringGrid::SetCols(int32_t col, TStrings* lines) { Cols(col)->Assign(lines); }
void TStringGrid::SetRows(int32_t row, TStrings* lines) { Rows(row)->Assign(lines); }

// --- stream ------------------------------------------------------------------

namespace {
// Sizes as a list of integers; entries beyond the current count are ignored
// (the count was read before them).
TReaderProc ReadSizes(const std::function<int32_t()>& count, const std::function<void(int32_t, int32_t)>& set) {
    return [count, set](TAbstractReader& r) {
        r.ReadListBegin();
        for (int32_t i = 0; !r.EndOfList(); ++i) {
            int32_t v = r.ReadInteger();
            if (i < count()) set(i, v);
        }
        r.ReadListEnd();
    };
}

TWriterProc WriteSizes(const TGridAxis& axis) {
    return [&axis](TAbstractWriter& w) {
        w.WriteListBegin();
        for (int32_t i = 0; i < axis.Count(); ++i) w.WriteInteger(axis.Size(i));
        w.WriteListEnd();
    };
}
} // namespace

void TStringGrid::DefineProperties(TFiler& filer) {
    TCustomControl::DefineProperties(filer);
    filer.DefineProperty(
        "ColWidths", ReadSizes([this] { return ColCount(); }, [this](int32_t i, int32_t v) { SetColWidths(i, v); }),
        WriteSizes(FCols), FCols.HasCustomSizes());
    filer.DefineProperty(
        "RowHeights", ReadSizes([this] { return RowCount(); }, [this](int32_t i, int32_t v) { SetRowHeights(i, v); }),
        WriteSizes(FRows), FRows.HasCustomSizes());
}

} // namespace fw
