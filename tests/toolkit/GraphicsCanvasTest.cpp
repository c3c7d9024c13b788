// Canvases on the screen DC, on a bitmap and on a caller's DC: XOR drawing
// undoes itself, the DC gets its own objects back, text and copies land where
// asked, and repeated drawing does not pile up GDI objects.
#include "GraphicsTestSupport.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <set>

using namespace fw;
using namespace gfxtest;

namespace {

// Pixels of a DC area as 0x00RRGGBB, row by row from the top.
std::vector<uint32_t> Capture(HDC source, const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(source);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, w, h, source, r.left, r.top, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> out(static_cast<const uint32_t*>(bits), static_cast<const uint32_t*>(bits) + w * h);
    for (uint32_t& p : out) p &= 0xFFFFFF;
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
    return out;
}

std::vector<uint32_t> CaptureScreen(const RECT& r) {
    HDC screen = GetDC(nullptr);
    std::vector<uint32_t> out = Capture(screen, r);
    ReleaseDC(nullptr, screen);
    return out;
}

size_t CountDifferences(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
    size_t n = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n;
}

// GDI objects of this process, or 0 where the system does not count them.
DWORD GdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

void PumpMessages() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&m);
        DispatchMessageW(&m);
    }
}

// A colour gradient with stripes, so neighbouring pixels differ.
void PaintPattern(HDC dc, int w, int h) {
    std::vector<uint32_t> px(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            px[static_cast<size_t>(y) * w + x] = ((x * 3 & 0xFF) << 16) | ((y * 5 & 0xFF) << 8) | ((x / 7 + y / 5) % 2 ? 0xC0 : 0x30);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    StretchDIBits(dc, 0, 0, w, h, 0, 0, w, h, px.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
}

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg != WM_PAINT) return DefWindowProcW(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT rc;
    GetClientRect(hwnd, &rc);
    PaintPattern(dc, rc.right, rc.bottom);
    EndPaint(hwnd, &ps);
    return 0;
}

// A topmost window showing the pattern on the screen.
struct PatternWindow {
    HWND Handle = nullptr;
    PatternWindow(int x, int y, int w, int h) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PatternProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"FwGraphicsPattern";
        RegisterClassW(&wc); // fails harmlessly when already registered
        Handle = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, x, y, w, h, nullptr,
                                 nullptr, wc.hInstance, nullptr);
        // Wait until the pattern really is on the screen: on a busy machine
        // the first paint can come late.
        const RECT area{x, y, x + w, y + h};
        for (int i = 0; i < 300; ++i, Sleep(10)) {
            RedrawWindow(Handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            PumpMessages();
            std::vector<uint32_t> shown = CaptureScreen(area);
            if (std::set<uint32_t>(shown.begin(), shown.end()).size() > 50) break;
        }
    }
    ~PatternWindow() { DestroyWindow(Handle); }
};

size_t DistinctColours(const std::vector<uint32_t>& px) { return std::set<uint32_t>(px.begin(), px.end()).size(); }

void SetXorTools(TCanvas& c) {
    c.Pen()->SetMode(pmXor);
    c.Pen()->SetColor(clWhite);
    c.Pen()->SetWidth(3);
    c.Brush()->SetColor(0x00C08040); // fills are XORed too
}

} // namespace

TEST(ScreenCanvas, XorRectangleDrawnTwiceLeavesTheScreenAsItWas) {
    PatternWindow window(60, 60, 240, 160);
    ASSERT_NE(window.Handle, nullptr);
    const RECT area{40, 40, 320, 240}; // the window and desktop around it
    const std::vector<uint32_t> before = CaptureScreen(area);
    ASSERT_GT(DistinctColours(before), 50u) << "the window must put a varied picture on the screen";
    {
        TScreenCanvas canvas;
        SetXorTools(canvas);
        canvas.Rectangle(50, 50, 310, 230);
        const std::vector<uint32_t> once = CaptureScreen(area);
        const size_t at = (100 - 40) * 280 + (100 - 40);
        EXPECT_EQ(once[at], before[at] ^ 0x4080C0u);
        EXPECT_GT(CountDifferences(before, once), 40000u);
        canvas.Rectangle(50, 50, 310, 230);
    }
    EXPECT_EQ(CountDifferences(before, CaptureScreen(area)), 0u);
}

TEST(BitmapCanvas, XorShapesDrawnTwiceLeaveThePixelsAsTheyWere) {
    TBitmap bmp;
    bmp.SetSize(64, 48);
    TCanvas& c = *bmp.Canvas();
    PaintPattern(c.Handle(), 64, 48);
    const RECT all{0, 0, 64, 48};
    const std::vector<uint32_t> before = Capture(c.Handle(), all);
    ASSERT_GT(DistinctColours(before), 50u);
    SetXorTools(c);
    auto drawAll = [&] {
        c.Rectangle(4, 4, 60, 44);
        c.Ellipse(10, 8, 50, 40);
        c.MoveTo(0, 0);
        c.LineTo(63, 47);
        c.DrawFocusRect({2, 2, 30, 30});
        c.Polyline({{0, 47}, {32, 0}, {63, 47}});
        c.Polygon({{5, 40}, {30, 20}, {58, 42}});
    };
    drawAll();
    EXPECT_GT(CountDifferences(before, Capture(c.Handle(), all)), 1000u);
    drawAll();
    EXPECT_EQ(CountDifferences(before, Capture(c.Handle(), all)), 0u);
}

TEST(Canvas, GivesTheDcItsOwnObjectsAndSettingsBack) {
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), brush = GetCurrentObject(dc, OBJ_BRUSH),
                  font = GetCurrentObject(dc, OBJ_FONT);
    const int rop = GetROP2(dc);
    const COLORREF text = GetTextColor(dc);
    {
        TCanvas c;
        EXPECT_EQ(MessageOf([&] { c.LineTo(1, 1); }), "Canvas does not allow drawing");
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
        // A changed pen leaves the DC before its old handle is freed.
        HGDIOBJ oldPen = c.Pen()->Handle();
        c.Pen()->SetWidth(4);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(GetObjectType(oldPen), 0u);
        c.LineTo(5, 5);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), c.Pen()->Handle());
    } // the canvas lets go of the DC when destroyed
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    EXPECT_EQ(GetROP2(dc), rop);
    EXPECT_EQ(GetTextColor(dc), text);
    DeleteDC(dc);
}

TEST(Canvas, FramesTextAndCopies) {
    TBitmap bmp;
    bmp.SetSize(40, 30);
    TCanvas& c = *bmp.Canvas();
    c.Brush()->SetColor(clRed);
    c.FrameRect({0, 0, 40, 30});
    EXPECT_EQ(c.Pixels(39, 29), clRed);
    EXPECT_EQ(c.Pixels(1, 10), clWhite) << "a frame is one pixel wide";
    EXPECT_EQ(c.Pixels(100, 100), clNone);
    // Clear brush: glyphs in the font colour on what was there.
    c.Brush()->SetStyle(bsClear);
    c.Font()->SetColor(clBlack);
    c.Font()->SetHeight(-20);
    EXPECT_GE(c.TextHeight("W"), 18);
    EXPECT_GT(c.TextWidth("WW"), c.TextWidth("W"));
    c.TextOut(2, 2, "W");
    EXPECT_EQ(c.Pixels(1, 1), clWhite);
    // TextRect clips to its rectangle, filled by an opaque brush; CopyRect
    // stretches that area onto another canvas.
    c.Brush()->SetColor(clLime);
    c.TextRect({30, 0, 40, 10}, 30, 0, "WWWW");
    EXPECT_EQ(c.Pixels(29, 5), clWhite);
    TBitmap dest;
    dest.SetSize(20, 20);
    dest.Canvas()->CopyRect({0, 0, 20, 20}, c, {28, 0, 40, 12});
    int lime = 0, black = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            lime += dest.Canvas()->Pixels(x, y) == clLime;
            black += c.Pixels(x, y) == clBlack;
        }
    EXPECT_GT(black, 10) << "the W was drawn";
    EXPECT_GT(lime, 50);
    EXPECT_LT(lime, 400) << "glyphs and white are copied too";
}

namespace {
// One repaint with every tool changed, as a control painting in new colours.
void Redraw(TCanvas& c, int i) {
    c.Pen()->SetColor(static_cast<TColor>(i * 997 & 0xFFFFFF));
    c.Pen()->SetWidth(1 + i % 3);
    c.Brush()->SetColor(static_cast<TColor>(i * 7919 & 0xFFFFFF));
    c.Brush()->SetStyle(static_cast<TBrushStyle>(i % 8));
    c.Font()->SetHeight(-8 - i % 10);
    c.Rectangle(0, 0, 32, 32);
    c.TextOut(1, 1, "ab");
}
} // namespace

TEST(Canvas, EveryReplacedHandleIsFreedOverManyRedraws) {
    TBitmap bmp;
    bmp.SetSize(32, 32);
    std::set<HGDIOBJ> seen;
    for (int i = 0; i < 300; ++i) {
        Redraw(*bmp.Canvas(), i);
        seen.insert({bmp.Canvas()->Pen()->Handle(), bmp.Canvas()->Brush()->Handle(), bmp.Canvas()->Font()->Handle()});
    }
    ASSERT_GT(seen.size(), 600u) << "changes give new handles";
    // A clear brush may be the shared stock object, which lives on.
    seen.erase(GetStockObject(NULL_BRUSH));
    size_t live = 0;
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
    for (int i = 0; i < 50; ++i) { // a canvas taking and giving back a DC
        HDC dc = CreateCompatibleDC(nullptr);
        TCanvas c;
        c.SetHandle(dc);
        Redraw(c, i);
        c.SetHandle(nullptr);
        DeleteDC(dc);
    }
    EXPECT_LE(GdiObjectCount(), warm + 2);
}
