// The three controls together on a shown form, as a user sees them: what
// reaches the screen is the buttons' glyphs, the container's caption and the
// grid's colours. Set FW_FORM_SHOT to a file name to keep the picture.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/ColorGrid.h"
#include "toolkit/win/controls/MediaPlayer.h"
#include "toolkit/win/controls/OleContainer.h"

#include "toolkit/win/graphics/Bitmap.h"

#include <cstdlib>

using namespace ctltest;
using namespace fw::mpbtn;

namespace {

using FormScreenTest = ShownForm;

// The screen's pixels under a window's client area.
struct TScreenImage {
    int width = 0, height = 0;
    std::unique_ptr<TBitmap> bitmap = std::make_unique<TBitmap>();
    explicit TScreenImage(HWND h) {
        RECT r;
        GetClientRect(h, &r);
        POINT origin{0, 0};
        ClientToScreen(h, &origin);
        width = r.right;
        height = r.bottom;
        bitmap->SetPixelFormat(TPixelFormat::pf24bit);
        bitmap->SetSize(width, height);
        HDC screen = GetDC(nullptr);
        BitBlt(bitmap->Canvas()->Handle(), 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    int Count(const RECT& r, COLORREF c) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (ColorToRGB(bitmap->Canvas()->Pixels(x, y)) == c) ++n;
        return n;
    }
};

RECT Offset(RECT r, const TControl* c) {
    OffsetRect(&r, c->Left(), c->Top());
    return r;
}

} // namespace

TEST_F(FormScreenTest, AllThreeReachTheScreen) {
    form->SetColor(clBtnFace);
    auto* mp = Make<TMediaPlayer>("MediaPlayer1");
    mp->SetBounds(16, 16, 253, 50);
    auto* ole = Make<TOleContainer>("OleContainer1");
    ole->SetBounds(16, 90, 200, 121);
    ole->SetCaption("Dpst_TOleContainer");
    auto* grid = Make<TColorGrid>("ColorGrid1");
    grid->SetBounds(240, 90, 48, 48);
    auto* big = Make<TColorGrid>("ColorGrid2");
    big->SetBounds(310, 90, 160, 160);
    big->SetForegroundIndex(9);
    big->SetBackgroundIndex(4);
    SetForegroundWindow(form->Handle());
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();

    TScreenImage shot(form->Handle());
    EXPECT_GT(shot.Count(Offset(mp->ButtonRect(btPlay), mp), win::Rgb(0, 0xA0, 0)), 10) << "the green play glyph";
    EXPECT_GT(shot.Count(Offset(mp->ButtonRect(btStop), mp), win::Rgb(0xFF, 0, 0)), 10) << "the red stop glyph";
    RECT inside = ole->BoundsRect();
    InflateRect(&inside, -4, -4);
    EXPECT_GT(shot.Count(inside, Sys(COLOR_WINDOWTEXT)), 20) << "the container's caption";
    EXPECT_GT(shot.Count(Offset(grid->CellRect(9), grid), win::Rgb(0xFF, 0, 0)), 40) << "the small grid's red cell";
    EXPECT_GT(shot.Count(Offset(big->CellRect(12), big), win::Rgb(0, 0, 0xFF)), 500) << "the large grid's blue cell";

    if (const char* file = std::getenv("FW_FORM_SHOT")) shot.bitmap->SaveToFile(file);
}
