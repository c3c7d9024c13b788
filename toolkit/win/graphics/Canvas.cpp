#include "toolkit/win/graphics/Canvas.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/Graphic.h"
#include "toolkit/win/graphics/GraphicsErrors.h"

#include <climits>

namespace fw {

const TClassInfo& TCanvas::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCanvas, TPersistent>().Build();
    return info;
}

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()) {
    // A changed object is taken out of the DC at once: its old handle is freed
    // right after this notice and must not stay selected.
    FFont->OnChange = [this](TObject*) { Deselect(stFont); };
    FPen->OnChange = [this](TObject*) { Deselect(stPen); };
    FBrush->OnChange = [this](TObject*) { Deselect(stBrush); };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
    if (!FHandle) CreateHandle();
    if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
    return FHandle;
}

void TCanvas::CreateHandle() { throw EInvalidOperation("Canvas does not allow drawing"); }

void TCanvas::SetHandle(HDC dc) {
    if (dc == FHandle) return;
    if (FHandle) {
        Deselect(stPen | stBrush | stFont);
        RestoreDC(FHandle, FSavedState);
    }
    FHandle = dc;
    FSelected = 0;
    if (FHandle) {
        FSavedState = SaveDC(FHandle);
        FOrigPen = GetCurrentObject(FHandle, OBJ_PEN);
        FOrigBrush = GetCurrentObject(FHandle, OBJ_BRUSH);
        FOrigFont = GetCurrentObject(FHandle, OBJ_FONT);
    }
}

void TCanvas::Deselect(unsigned what) {
    if (!FHandle) return;
    what &= FSelected;
    if (what & stPen) SelectObject(FHandle, FOrigPen);
    if (what & stBrush) SelectObject(FHandle, FOrigBrush);
    if (what & stFont) SelectObject(FHandle, FOrigFont);
    FSelected &= ~what;
}

HDC TCanvas::Require(unsigned what) {
    HDC dc = Handle();
    unsigned missing = what & ~FSelected;
    if (missing & stPen) {
        SelectObject(dc, FPen->Handle());
        SetROP2(dc, PenModeToRop2(FPen->Mode()));
    }
    if (missing & stBrush) {
        SelectObject(dc, FBrush->Handle());
        COLORREF color = ColorToRGB(FBrush->Color());
        if (FBrush->Style() == bsSolid) {
            SetBkColor(dc, color);
            SetBkMode(dc, OPAQUE);
        } else {
            // Hatch lines vanish when the background has their colour.
            SetBkColor(dc, ~color & 0x00FFFFFFu);
            SetBkMode(dc, TRANSPARENT);
        }
    }
    if (missing & stFont) {
        SelectObject(dc, FFont->Handle());
        SetTextColor(dc, ColorToRGB(FFont->Color()));
    }
    FSelected |= missing;
    return dc;
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

POINT TCanvas::PenPos() {
    POINT p{};
    GetCurrentPositionEx(Handle(), &p);
    return p;
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
    ::LineTo(Require(stPen), x, y);
    Changed();
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
    if (points.empty() || points.size() > INT_MAX) return;
    ::Polyline(Require(stPen), points.data(), static_cast<int>(points.size()));
    Changed();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(Require(stPen | stBrush), left, top, right, bottom);
    Changed();
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    ::Ellipse(Require(stPen | stBrush), left, top, right, bottom);
    Changed();
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    ::RoundRect(Require(stPen | stBrush), left, top, right, bottom, cornerWidth, cornerHeight);
    Changed();
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
    if (points.empty() || points.size() > INT_MAX) return;
    ::Polygon(Require(stPen | stBrush), points.data(), static_cast<int>(points.size()));
    Changed();
}

void TCanvas::FillRect(const RECT& r) {
    ::FillRect(Require(stBrush), &r, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const RECT& r) {
    ::FrameRect(Require(stBrush), &r, FBrush->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const RECT& r) {
    ::DrawFocusRect(Require(stBrush), &r);
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    std::wstring w = win::Wide(text);
    ::TextOutW(Require(stFont | stBrush), x, y, w.c_str(), static_cast<int>(w.size()));
    Changed();
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& text) {
    std::wstring w = win::Wide(text);
    // Only a solid brush sets the background colour the rectangle is filled with.
    UINT options = ETO_CLIPPED | (FBrush->Style() == bsSolid ? ETO_OPAQUE : 0);
    ::ExtTextOutW(Require(stFont | stBrush), x, y, options, &r, w.c_str(), static_cast<UINT>(w.size()), nullptr);
    Changed();
}

SIZE TCanvas::TextExtent(const std::string& text) {
    std::wstring w = win::Wide(text);
    SIZE s{};
    ::GetTextExtentPoint32W(Require(stFont), w.c_str(), static_cast<int>(w.size()), &s);
    return s;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    RECT r{x, y, x + graphic->Width(), y + graphic->Height()};
    graphic->Draw(*this, r);
    Changed();
}

void TCanvas::StretchDraw(const RECT& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty()) return;
    graphic->Draw(*this, r);
    Changed();
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
    HDC dc = Require(stBrush); // a pattern copy mode paints with the brush
    SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(),
                 sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
                 sourceRect.bottom - sourceRect.top, FCopyMode);
    Changed();
}

TColor TCanvas::Pixels(int x, int y) {
    COLORREF c = ::GetPixel(Handle(), x, y);
    return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    ::SetPixelV(Handle(), x, y, ColorToRGB(color));
    Changed();
}

const TClassInfo& TScreenCanvas::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TScreenCanvas, TCanvas>().Build();
    return info;
}

TScreenCanvas::~TScreenCanvas() {
    if (!HandleAllocated()) return;
    HDC dc = Handle();
    SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
}

void TScreenCanvas::CreateHandle() { SetHandle(CheckGdi(GetDC(nullptr))); }

} // namespace fw
