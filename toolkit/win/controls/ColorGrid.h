#pragma once
// TColorGrid: the sixteen basic colours in a grid of cells, for picking a
// foreground colour (left button) and a background colour (right button).
// The foreground cell is marked "FG", the background cell "BG", a cell that
// is both "FB".
#include "toolkit/core/Enums.h"
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

// Columns by rows of the sixteen cells.
FW_ENUM(TGridOrdering, go16x1, go8x2, go4x4, go2x8, go1x16)

class TColorGrid : public TCustomControl {
    FW_CLASS(TColorGrid)

    static constexpr int32_t ColorCount = 16;
    // The basic colour of a cell index (0..15): black, maroon, green, olive,
    // navy, purple, teal, gray, silver, red, lime, yellow, blue, fuchsia,
    // aqua, white. Indexes outside are clamped.
    static TColor BasicColor(int32_t index);

    explicit TColorGrid(TComponent* owner);

    // Indexes are kept within 0..15: a value outside is clamped to the nearer end.
    int32_t ForegroundIndex() const { return FForegroundIndex; }
    void SetForegroundIndex(int32_t v);
    int32_t BackgroundIndex() const { return FBackgroundIndex; }
    void SetBackgroundIndex(int32_t v);
    // Whether the grid offers a foreground (background) colour at all; a
    // disabled one has no mark and clicks do not choose it.
    bool ForegroundEnabled() const { return FForegroundEnabled; }
    void SetForegroundEnabled(bool v);
    bool BackgroundEnabled() const { return FBackgroundEnabled; }
    void SetBackgroundEnabled(bool v);
    // A click for a disabled colour enables it (and chooses the cell).
    bool ClickEnablesColor() const { return FClickEnablesColor; }
    void SetClickEnablesColor(bool v) { FClickEnablesColor = v; }
    TGridOrdering GridOrdering() const { return FGridOrdering; }
    void SetGridOrdering(TGridOrdering v);
    // The cell the keyboard works on, outlined while the grid has the focus.
    int32_t Selection() const { return FSelection; }
    void SetSelection(int32_t v);

    TColor ForegroundColor() const { return BasicColor(FForegroundIndex); }
    TColor BackgroundColor() const { return BasicColor(FBackgroundIndex); }

    // Columns and rows of the current ordering.
    int32_t ColumnCount() const;
    int32_t RowCount() const;
    // Where a cell lies in the client area; the cells share it out evenly.
    RECT CellRect(int32_t index) const;
    // The cell under a client point, or -1.
    int32_t CellAt(int32_t x, int32_t y) const;
    // The mark of a cell: "FG", "BG", "FB" or "".
    std::string CellMark(int32_t index) const;

    // Fires when the foreground or background colour changes, or one of them
    // is enabled or disabled.
    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(int32_t& key, TShiftState shift) override;
    virtual void Change();

private:
    // A user chose a cell for the foreground (or background).
    void Choose(int32_t index, bool foreground);

    int32_t FForegroundIndex = 0;
    int32_t FBackgroundIndex = 15;
    bool FForegroundEnabled = true;
    bool FBackgroundEnabled = true;
    bool FClickEnablesColor = false;
    TGridOrdering FGridOrdering = go4x4;
    int32_t FSelection = 0;
};

} // namespace fw
