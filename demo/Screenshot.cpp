#include "demo/Screenshot.h"

#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/graphics/Canvas.h"

namespace fwdemo {

// Copies the window's screen area into a bitmap, frame included.
void SaveWindowImage(HWND window, const std::string& fileName) {
    RECT r;
    GetWindowRect(window, &r);
    fw::TBitmap bmp;
    bmp.SetPixelFormat(fw::TPixelFormat::pf24bit);
    bmp.SetSize(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(bmp.Canvas()->Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    bmp.SaveToFile(fileName);
}

} // namespace fwdemo
