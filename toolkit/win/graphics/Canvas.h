#pragma once
// Drawing on a device context with a pen, a brush and a font. The canvas
// selects its objects into the DC only when an operation needs them and gives
// the DC its own objects and settings back when it lets go of it.
#include "toolkit/core/Persistent.h"
#include "toolkit/win/graphics/Brush.h"
#include "toolkit/win/graphics/Font.h"
#include "toolkit/win/graphics/Pen.h"
#include "toolkit/win/window/Win32.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class TGraphic;

class TCanvas : public TPersistent {
    FW_CLASS(TCanvas)

    TCanvas();
    ~TCanvas() override;

    // The DC drawn on; a canvas without one asks CreateHandle for it. Setting
    // another DC (or null) restores the previous one first. The caller keeps
    // ownership of a DC it sets.
    HDC Handle();
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* font) { FFont->Assign(font); }
    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* pen) { FPen->Assign(pen); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* brush) { FBrush->Assign(brush); }
    // The raster operation of CopyRect and of drawing bitmaps (SRCCOPY, ...).
    DWORD CopyMode() const { return FCopyMode; }
    void SetCopyMode(DWORD rop) { FCopyMode = rop; }

    POINT PenPos();
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<POINT>& points);
    // Outlined with the pen, filled with the brush.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const RECT& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    // A rectangle whose corners are quarter ellipses cornerWidth by cornerHeight.
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Polygon(const std::vector<POINT>& points);
    // With the brush only.
    void FillRect(const RECT& r);
    void FrameRect(const RECT& r);
    // The dotted focus outline; drawing it again removes it.
    void DrawFocusRect(const RECT& r);

    // Text in the font, on the brush colour unless the brush is clear.
    void TextOut(int x, int y, const std::string& text);
    // Text clipped to r, which a solid brush fills first.
    void TextRect(const RECT& r, int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // A graphic at its own size, or stretched into r.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const RECT& r, TGraphic* graphic);
    // Copies sourceRect of another canvas into dest with CopyMode.
    void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);

    // clNone outside the DC's clip region.
    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // Called after each drawing operation.
    TChangeHandler OnChange;

protected:
    // Obtains a DC through SetHandle when one is needed; the plain canvas has
    // none to obtain and raises.
    virtual void CreateHandle();
    void Changed();

private:
    enum : unsigned { stPen = 1, stBrush = 2, stFont = 4 };
    HDC Require(unsigned what);
    void Deselect(unsigned what);

    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    HDC FHandle = nullptr;
    int FSavedState = 0;
    unsigned FSelected = 0;
    HGDIOBJ FOrigPen = nullptr;
    HGDIOBJ FOrigBrush = nullptr;
    HGDIOBJ FOrigFont = nullptr;
    DWORD FCopyMode = SRCCOPY;
};

// The whole screen: takes the screen DC when first drawn on and releases it
// when destroyed.
class TScreenCanvas : public TCanvas {
    FW_CLASS(TScreenCanvas)

    TScreenCanvas() = default;
    ~TScreenCanvas() override;

protected:
    void CreateHandle() override;
};

} // namespace fw
