// What the grid paints: fixed cells in their colour, grid lines where the
// options ask for them, the selection highlighted, text, and cells left to
// OnDrawCell. Pixels are read back from a rendering and from the window.
#include "GridsTestSupport.h"

#include <memory>
#include <vector>

using namespace fw;
using gridtest::GridFixture;

namespace {

// A 32-bit picture of a window's client area, read as 0x00BBGGRR values.
class TShot {
public:
    TShot(int width, int height) : FWidth(width) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        FDc = CreateCompatibleDC(nullptr);
        FBitmap = CreateDIBSection(FDc, &bi, DIB_RGB_COLORS, &FBits, nullptr, 0);
        FOld = SelectObject(FDc, FBitmap);
    }
    ~TShot() {
        SelectObject(FDc, FOld);
        DeleteObject(FBitmap);
        DeleteDC(FDc);
    }
    TShot(const TShot&) = delete;
    TShot& operator=(const TShot&) = delete;
    HDC Dc() const { return FDc; }
    COLORREF At(int x, int y) const {
        GdiFlush();
        uint32_t p = static_cast<const uint32_t*>(FBits)[static_cast<size_t>(y) * FWidth + x];
        return win::Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int FWidth;
    HDC FDc;
    HBITMAP FBitmap;
    HGDIOBJ FOld;
    void* FBits = nullptr;
};

struct GridPaint : GridFixture {
    // The grid paints into the picture through its own paint message.
    std::unique_ptr<TShot> Render() {
        RECT r = grid->ClientRect();
        auto shot = std::make_unique<TShot>(r.right, r.bottom);
        SendMessageW(Wnd(), WM_PAINT, reinterpret_cast<WPARAM>(shot->Dc()), 0);
        return shot;
    }
    static COLORREF C(TColor c) { return ColorToRGB(c); }
};

constexpr TColor kLine = clBtnShadow;

} // namespace

TEST_F(GridPaint, FixedCellsLinesAndEmptySpace) {
    ASSERT_NE(C(clBtnFace), C(clWindow));
    ASSERT_NE(C(kLine), C(clBtnFace));
    grid->SetColCount(3);
    auto shot = Render();
    EXPECT_EQ(shot->At(30, 12), C(clBtnFace)) << "fixed cell";
    EXPECT_EQ(shot->At(12, 60), C(clBtnFace)) << "fixed column";
    EXPECT_EQ(shot->At(64, 12), C(kLine)) << "line after the fixed column";
    EXPECT_EQ(shot->At(100, 24), C(kLine)) << "line under the fixed row";
    EXPECT_EQ(shot->At(160, 60), C(clWindow)) << "cell (2, 2)";
    EXPECT_EQ(shot->At(129, 60), C(kLine)) << "line between scrollable cells";
    EXPECT_EQ(shot->At(160, 74), C(kLine));
    EXPECT_EQ(shot->At(250, 60), C(clWindow)) << "right of the last column";
    EXPECT_EQ(shot->At(30, 150), C(clWindow)) << "below the last row";
    EXPECT_EQ(shot->At(195, 60), C(clWindow)) << "the last column's line is followed by nothing";

    // Lines among scrollable cells off: their strip takes the cell colour,
    // while the fixed area keeps its lines.
    grid->SetOptions(grid->Options() - TGridOptions{goVertLine, goHorzLine});
    grid->SetFixedColor(clYellow);
    shot = Render();
    EXPECT_EQ(shot->At(129, 60), C(clWindow));
    EXPECT_EQ(shot->At(160, 74), C(clWindow));
    EXPECT_EQ(shot->At(64, 12), C(kLine));
    EXPECT_EQ(shot->At(30, 12), C(clYellow));
}

TEST_F(GridPaint, SelectionTextAndTheWindowItself) {
    grid->SetSelection({1, 1, 2, 2});
    grid->SetCells(1, 3, "Wide text");
    auto shot = Render();
    EXPECT_EQ(shot->At(100, 36), C(clHighlight)) << "selected cell (1, 1)";
    EXPECT_EQ(shot->At(160, 36), C(clHighlight)) << "selected cell (2, 1)";
    EXPECT_EQ(shot->At(160, 60), C(clWindow)) << "the current cell is not drawn selected";
    int ink = 0;
    for (int x = 66; x < 128; ++x)
        for (int y = 76; y < 99; ++y) ink += shot->At(x, y) != C(clWindow);
    EXPECT_GT(ink, 10) << "the text of cell (1, 3)";
    grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
    shot = Render();
    EXPECT_EQ(shot->At(160, 60), C(clHighlight));

    // The window shows the same picture.
    InvalidateRect(Wnd(), nullptr, FALSE);
    UpdateWindow(Wnd());
    RECT r = grid->ClientRect();
    TShot screen(r.right, r.bottom);
    HDC dc = GetDC(Wnd());
    BitBlt(screen.Dc(), 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
    ReleaseDC(Wnd(), dc);
    for (POINT p : {POINT{30, 12}, POINT{64, 12}, POINT{100, 36}, POINT{160, 60}, POINT{250, 150}})
        EXPECT_EQ(screen.At(p.x, p.y), shot->At(p.x, p.y)) << p.x << "," << p.y;
}

TEST_F(GridPaint, OnDrawCellSeesEveryCellShownWithItsState) {
    std::vector<std::pair<POINT, TGridDrawState>> seen;
    grid->SetColCount(3);
    grid->SetDefaultDrawing(false);
    grid->OnDrawCell.Bind([&](TObject*, int32_t col, int32_t row, RECT rect, TGridDrawState state) {
        RECT expected = grid->CellRect(col, row);
        EXPECT_TRUE(EqualRect(&rect, &expected)) << col << "," << row;
        seen.push_back({POINT{col, row}, state});
        if (col == 2 && row == 3) {
            grid->Canvas()->Brush()->SetColor(clLime);
            grid->Canvas()->FillRect(rect);
        }
    });
    auto shot = Render();
    ASSERT_EQ(seen.size(), 15u);
    for (const auto& [cell, state] : seen) {
        bool fixed = cell.x == 0 || cell.y == 0;
        EXPECT_EQ(state.Contains(gdFixed), fixed) << cell.x << "," << cell.y;
        EXPECT_EQ(state.Contains(gdFocused), cell.x == 1 && cell.y == 1) << cell.x << "," << cell.y;
    }
    EXPECT_EQ(shot->At(160, 86), C(clLime));
}
