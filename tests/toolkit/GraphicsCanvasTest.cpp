// Canvases on the screen DC, on a bitmap and on a caller's DC: XOR drawing
// undoes itself, the DC gets its own objects back, text and copies land where
// asked, and repeated drawing does not pile up GDI objects.
#include "GraphicsTestSupport.h"
#include "toolkit/win/Bitmap.h"
#include "toolkit/win/Canvas.h"

#include <gtest/gtest.h>

#include <set>

using namespace fw;
using namespace gfxtest;

namespace {

// A window that paints a colour gradient with stripes, so screen pixels differ
// from one another.
uint32_t PatternPixel(int x, int y) {
    uint32_t r = static_cast<uint32_t>(x * 3) & 0xFF, g = static_cast<uint32_t>(y * 5) & 0xFF;
    uint32_t b = ((x / 7 + y / 5) % 2) ? 0xC0 : 0x30;
    return (r << 16) | (g << 8) | b;
}

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int w = rc.right, h = rc.bottom;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = PatternPixel(x, y);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    StretchDIBits(dc, 0, 0, w, h, 0, 0, w, h, pixels.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
    EndPaint(hwnd, &ps);
    return 0;
}

class PatternWindow {
public:
    PatternWindow(int x, int y, int w, int h) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PatternProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FwGraphicsPattern";
        RegisterClassW(&wc); // a second registration fails harmlessly
        FHwnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                                nullptr, wc.hInstance, nullptr);
        UpdateWindow(FHwnd);
        for (int i = 0; i < 20; ++i) {
            PumpMessages();
            Sleep(10);
        }
    }
    ~PatternWindow() { DestroyWindow(FHwnd); }
    HWND Handle() const { return FHwnd; }

private:
    HWND FHwnd = nullptr;
};

size_t DistinctColours(const std::vector<uint32_t>& pixels) {
    return std::set<uint32_t>(pixels.begin(), pixels.end()).size();
}

void SetXorTools(TCanvas& c) {
    c.Pen()->SetMode(pmXor);
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetWidth(3);
    c.Brush()->SetColor(0x00C08040);
}

} // namespace

TEST(ScreenCanvas, XorRectangleDrawnTwiceLeavesTheScreenAsItWas) {
    PatternWindow window(60, 60, 240, 160);
    ASSERT_NE(window.Handle(), nullptr);
    const RECT area{40, 40, 320, 240}; // the window and some desktop around it
    const std::vector<uint32_t> before = CaptureScreen(area);
    ASSERT_GT(DistinctColours(before), 50u) << "the window must put a varied picture on the screen";

    {
        TScreenCanvas canvas;
        SetXorTools(canvas);
        canvas.Rectangle(50, 50, 310, 230);
        const std::vector<uint32_t> once = CaptureScreen(area);
        // Inside the rectangle every pixel is XORed with the brush colour.
        EXPECT_EQ(once[(100 - 40) * 280 + (100 - 40)], before[(100 - 40) * 280 + (100 - 40)] ^ 0x4080C0u);
        EXPECT_GT(CountDifferences(before, once), 40000u);
        canvas.Rectangle(50, 50, 310, 230);
    }
    EXPECT_EQ(CountDifferences(before, CaptureScreen(area)), 0u);
}

TEST(BitmapCanvas, XorShapesDrawnTwiceLeaveThePixelsAsTheyWere) {
    TBitmap bmp;
    bmp.SetSize(64, 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) bmp.Canvas()->SetPixels(x, y, static_cast<TColor>(PatternPixel(x, y)));
    const RECT all{0, 0, 64, 48};
    const std::vector<uint32_t> before = Capture(bmp.Canvas()->Handle(), all);
    ASSERT_GT(DistinctColours(before), 50u);

    TCanvas& c = *bmp.Canvas();
    SetXorTools(c);
    auto drawAll = [&] {
        c.Rectangle(4, 4, 60, 44);
        c.Ellipse(10, 8, 50, 40);
        c.MoveTo(0, 0);
        c.LineTo(63, 47);
        c.DrawFocusRect({2, 2, 30, 30});
    };
    drawAll();
    EXPECT_GT(CountDifferences(before, Capture(c.Handle(), all)), 1000u);
    drawAll();
    EXPECT_EQ(CountDifferences(before, Capture(c.Handle(), all)), 0u);
}

TEST(Canvas, GivesTheDcItsOwnObjectsAndSettingsBack) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateCompatibleBitmap(GetDC(nullptr), 16, 16);
    HGDIOBJ oldBitmap = SelectObject(dc, target);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), brush = GetCurrentObject(dc, OBJ_BRUSH),
                  font = GetCurrentObject(dc, OBJ_FONT);
    const int rop = GetROP2(dc);
    const COLORREF text = GetTextColor(dc);
    {
        TCanvas c;
        c.SetHandle(dc);
        c.Pen()->SetMode(pmNotXor);
        c.Font()->SetColor(clRed);
        c.Rectangle(0, 0, 8, 8);
        c.TextOut(0, 0, "x");
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), c.Pen()->Handle());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), c.Brush()->Handle());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), c.Font()->Handle());
        EXPECT_EQ(GetROP2(dc), R2_NOTXORPEN);
        EXPECT_EQ(GetTextColor(dc), 0x0000FFu);

        // A changed object leaves the DC before its old handle is freed.
        HGDIOBJ oldPen = c.Pen()->Handle();
        c.Pen()->SetWidth(4);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(GetObjectType(oldPen), 0u) << "the replaced pen is deleted";
        c.LineTo(5, 5);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), c.Pen()->Handle());
        c.SetHandle(nullptr);
        EXPECT_FALSE(c.HandleAllocated());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetROP2(dc), rop);
    EXPECT_EQ(GetTextColor(dc), text);
    SelectObject(dc, oldBitmap);
    DeleteObject(target);
    DeleteDC(dc);
}

TEST(Canvas, WithoutADcDrawingFailsPlainly) {
    TCanvas c;
    EXPECT_EQ(MessageOf([&] { c.LineTo(1, 1); }), "Canvas does not allow drawing");
}

TEST(Canvas, FillsFramesTextAndCopies) {
    TBitmap bmp;
    bmp.SetSize(40, 30);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clBlue);
    c.FillRect({0, 0, 40, 30});
    EXPECT_EQ(c.Pixels(20, 15), clBlue);
    c.Brush()->SetColor(clRed);
    c.FrameRect({0, 0, 40, 30});
    EXPECT_EQ(c.Pixels(0, 10), clRed);
    EXPECT_EQ(c.Pixels(39, 29), clRed);
    EXPECT_EQ(c.Pixels(1, 10), clBlue) << "a frame is one pixel wide";
    EXPECT_EQ(c.Pixels(100, 100), clNone);

    // Text: clear brush keeps the background; the font colour paints glyphs.
    c.Brush()->SetColor(clWhite);
    c.FillRect({0, 0, 40, 30});
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(clBlack);
    c.Font()->SetHeight(-20);
    SIZE ext = c.TextExtent("W");
    EXPECT_GT(ext.cx, 4);
    EXPECT_GE(ext.cy, 18);
    EXPECT_EQ(c.TextWidth("WW"), c.TextExtent("WW").cx);
    c.TextOut(2, 2, "W");
    int black = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) black += c.Pixels(x, y) == clBlack;
    EXPECT_GT(black, 10);
    // TextRect clips to its rectangle and fills it with an opaque brush.
    c.Brush()->SetColor(clLime);
    c.TextRect({30, 0, 40, 10}, 30, 0, "WWWW");
    EXPECT_EQ(c.Pixels(29, 5), clWhite);
    EXPECT_EQ(c.Pixels(30, 20), clWhite);

    // CopyRect stretches another canvas's area.
    TBitmap dest;
    dest.SetSize(20, 20);
    dest.Canvas()->CopyRect({0, 0, 20, 20}, c, {30, 0, 40, 10});
    int lime = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) lime += dest.Canvas()->Pixels(x, y) == clLime;
    EXPECT_GT(lime, 0);
    EXPECT_LT(lime, 400) << "the glyphs are copied too";
}

namespace {
// One redraw with every tool changed, as a control painting in new colours.
void Redraw(TCanvas& c, int i) {
    c.Pen()->SetColor(static_cast<TColor>(i * 997 & 0xFFFFFF));
    c.Pen()->SetWidth(1 + i % 3);
    c.Brush()->SetColor(static_cast<TColor>(i * 7919 & 0xFFFFFF));
    c.Brush()->SetStyle(static_cast<TBrushStyle>(i % 8));
    c.Font()->SetHeight(-8 - i % 10);
    c.Font()->SetStyle(i % 2 ? TFontStyles{fsBold} : TFontStyles{});
    c.Rectangle(0, 0, 32, 32);
    c.TextOut(1, 1, "ab");
}
} // namespace

TEST(Canvas, EveryReplacedHandleIsFreedOverManyRedraws) {
    TBitmap bmp;
    bmp.SetSize(32, 32);
    TCanvas& c = *bmp.Canvas();
    std::set<HGDIOBJ> seen;
    for (int i = 0; i < 300; ++i) {
        Redraw(c, i);
        seen.insert({c.Pen()->Handle(), c.Brush()->Handle(), c.Font()->Handle()});
    }
    ASSERT_GT(seen.size(), 600u) << "changes give new handles";
    size_t live = 0;
    // A clear brush or pen may be the shared stock object, which lives on.
    seen.erase(GetStockObject(NULL_BRUSH));
    seen.erase(GetStockObject(NULL_PEN));
    for (HGDIOBJ h : seen) live += GetObjectType(h) != 0;
    EXPECT_EQ(live, 3u) << "only the current pen, brush and font exist";
}

TEST(Canvas, GdiObjectCountStaysFlatOverManyRedraws) {
    if (GdiObjectCount() == 0) GTEST_SKIP() << "this system does not count GDI objects (GetGuiResources gives 0)";
    TBitmap bmp;
    bmp.SetSize(32, 32);
    Redraw(*bmp.Canvas(), 0);
    const DWORD warm = GdiObjectCount();
    for (int i = 1; i < 500; ++i) Redraw(*bmp.Canvas(), i);
    EXPECT_LE(GdiObjectCount(), warm + 2);
    for (int i = 0; i < 50; ++i) {
        TScreenCanvas screen;
        Redraw(screen, i);
        screen.Pen()->SetMode(pmNop);
    }
    EXPECT_LE(GdiObjectCount(), warm + 2);
}
