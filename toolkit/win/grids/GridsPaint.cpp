// Painting the grid: each cell shown, the lines after it, and the empty
// space beyond the last column and row.
#include "toolkit/win/grids/Grids.h"

#include <algorithm>

namespace fw {

namespace {
// Grid lines, in the fixed area and among the other cells alike.
constexpr TColor kLineColor = clBtnShadow;
// Text sits this far inside its cell.
constexpr int kTextInset = 2;

int32_t ToPixel(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }
} // namespace

TGridDrawState TStringGrid::CellState(int32_t col, int32_t row) const {
    TGridDrawState state;
    if (col < FCols.Fixed || row < FRows.Fixed) return state.Include(gdFixed);
    bool current = col == FCurCol && row == FCurRow;
    if (current) state.Include(gdFocused);
    TGridRect sel = Selection();
    bool inside = col >= sel.Left && col <= sel.Right && row >= sel.Top && row <= sel.Bottom;
    // The current cell shows the focus; it is drawn selected only when asked.
    if (inside && (!current || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect)))
        state.Include(gdSelected);
    return state;
}

void TStringGrid::DrawCell(int32_t col, int32_t row, const RECT& rect, TGridDrawState state) {
    if (FDefaultDrawing) {
        TCanvas* c = Canvas();
        if (state.Contains(gdFixed)) {
            c->Brush()->SetColor(FFixedColor);
            c->Font()->SetColor(clBtnText);
        } else if (state.Contains(gdSelected)) {
            c->Brush()->SetColor(clHighlight);
            c->Font()->SetColor(clHighlightText);
        } else {
            c->Brush()->SetColor(Color());
            c->Font()->SetColor(Font()->Color());
        }
        c->TextRect(rect, rect.left + kTextInset, rect.top + kTextInset, Cells(col, row));
        if (state.Contains(gdFocused) && Focused() && !FOptions.Contains(goRowSelect)) c->DrawFocusRect(rect);
    }
    OnDrawCell(this, col, row, rect, state);
}

// The lines to the right of and below a cell whose top-left is (x, y); where
// lines of that kind are off, the strip takes the cell's colour.
void TStringGrid::PaintLines(int32_t col, int32_t row, int64_t x, int64_t y) {
    bool fixed = col < FCols.Fixed || row < FRows.Fixed;
    TColor background = fixed ? FFixedColor : Color();
    TCanvas* c = Canvas();
    int64_t right = x + FCols.Size(col), bottom = y + FRows.Size(row);
    if (FCols.Line > 0) {
        bool on = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
        c->Brush()->SetColor(on ? kLineColor : background);
        c->FillRect({ToPixel(right), ToPixel(y), ToPixel(right + FCols.Line), ToPixel(bottom + FRows.Line)});
    }
    if (FRows.Line > 0) {
        bool on = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
        c->Brush()->SetColor(on ? kLineColor : background);
        c->FillRect({ToPixel(x), ToPixel(bottom), ToPixel(right + FCols.Line), ToPixel(bottom + FRows.Line)});
    }
}

void TStringGrid::Paint() {
    RECT client = ClientRect();
    int64_t usedWidth = 0, usedHeight = 0;
    FRows.ForEachVisible(client.bottom, [&](int32_t row, int64_t y) {
        usedHeight = y + FRows.Span(row);
        FCols.ForEachVisible(client.right, [&](int32_t col, int64_t x) {
            usedWidth = x + FCols.Span(col);
            RECT cell{ToPixel(x), ToPixel(y), ToPixel(x + FCols.Size(col)), ToPixel(y + FRows.Size(row))};
            // A handler may leave the canvas in any state; each cell starts afresh.
            Canvas()->Brush()->SetStyle(bsSolid);
            Canvas()->Font()->Assign(Font());
            DrawCell(col, row, cell, CellState(col, row));
            PaintLines(col, row, x, y);
        });
    });
    Canvas()->Brush()->SetColor(Color());
    if (usedWidth < client.right) Canvas()->FillRect({ToPixel(usedWidth), 0, client.right, ToPixel(usedHeight)});
    if (usedHeight < client.bottom) Canvas()->FillRect({0, ToPixel(usedHeight), client.right, client.bottom});
}

} // namespace fw
