#include "designer/DsnShape.h"

#include "toolkit/core/Exception.h"
#include "toolkit/core/List.h"
#include "toolkit/win/window/WinControl.h"

#include <algorithm>

namespace fw {

// --- TFundamentalShape --------------------------------------------------------

void TFundamentalShape::Draw(int32_t x, int32_t y) {
    // The erase repeats the last drawing with the pen it was drawn with, even
    // if the rectangle's colour or width was changed since.
    if (FDrawState == dsDrawn) StrokeSides(FDrawnRect, FDrawnPen);
    if (FDrawState == dsFinishing) return;
    FDrawnRect = OutlineRect({x, y}, Offset, Width, Height);
    FDrawnPen = {Color, PenWidth, PenStyle};
    StrokeSides(FDrawnRect, FDrawnPen);
    FDrawState = dsDrawn;
}

void TFundamentalShape::EndDrawing() {
    if (FDrawState == dsDrawn) StrokeSides(FDrawnRect, FDrawnPen);
    FDrawState = dsFinishing;
}

// Four separate strokes, each from its first corner to the next. Line-to
// leaves out its end point, so every corner pixel is drawn exactly once and a
// second identical drawing restores the screen.
void TFundamentalShape::StrokeSides(const RECT& r, const TStroke& stroke) {
    TPen* pen = FCanvas->Pen();
    pen->SetMode(pmXor);
    pen->SetColor(stroke.Color);
    pen->SetWidth(stroke.Width);
    pen->SetStyle(stroke.Style);
    const POINT corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
    for (int i = 0; i < 4; ++i) {
        FCanvas->MoveTo(corners[i].x, corners[i].y);
        FCanvas->LineTo(corners[(i + 1) % 4].x, corners[(i + 1) % 4].y);
    }
}

// --- TMultiShape --------------------------------------------------------------

TMultiShape::TMultiShape() : FScreenDC(GetDC(nullptr)) {
    if (!FScreenDC) throw EInvalidOperation("Cannot draw on the screen");
    FCanvas = std::make_unique<TCanvas>();
    FCanvas->SetHandle(FScreenDC);
}

TMultiShape::~TMultiShape() {
    if (NeedsFinish()) TMultiShape::Finish();
    FShapes.clear();
    FCanvas.reset(); // gives the DC its own objects back before it is released
    ReleaseDC(nullptr, FScreenDC);
}

bool TMultiShape::NeedsFinish() const {
    return FConfined ||
           std::any_of(FShapes.begin(), FShapes.end(), [](const auto& s) { return s->DrawState() == dsDrawn; });
}

std::unique_ptr<TFundamentalShape> TMultiShape::CreateOutline() {
    return std::make_unique<TFundamentalShape>(FCanvas.get());
}

std::unique_ptr<TFundamentalShape> TMultiShape::CreateBand() {
    return std::make_unique<TFundamentalShape>(FCanvas.get());
}

TFundamentalShape* TMultiShape::Shapes(int index) const {
    if (index < 0 || index >= ShapeCount()) RaiseListIndexError(index);
    return FShapes[static_cast<size_t>(index)].get();
}

TFundamentalShape& TMultiShape::Append(std::unique_ptr<TFundamentalShape> shape) {
    shape->Color = Color;
    shape->PenWidth = PenWidth;
    shape->PenStyle = PenStyle;
    FShapes.push_back(std::move(shape));
    return *FShapes.back();
}

void TMultiShape::AddControl(TControl* control) {
    if (!control) return;
    TFundamentalShape& r = Append(CreateOutline());
    r.Width = control->Width();
    r.Height = control->Height();
    POINT place{control->Left(), control->Top()};
    POINT screen = control->Parent() ? control->Parent()->ClientToScreen(place) : place;
    r.Offset = {screen.x - Origin.x, screen.y - Origin.y};
}

void TMultiShape::StartBand() {
    FShapes.clear();
    Append(CreateBand()); // size 0, offset (0, 0)
}

void TMultiShape::SetBandWidth(int32_t value) {
    if (!FShapes.empty()) FShapes.front()->Width = value;
}

void TMultiShape::SetBandHeight(int32_t value) {
    if (!FShapes.empty()) FShapes.front()->Height = value;
}

void TMultiShape::ConfineTo(TControl* control) {
    if (!control) return;
    // The client area: confining to the outer size from the client origin
    // would let the pointer run over the container's right and bottom frame.
    POINT p = control->ClientOrigin();
    FClipArea = {p.x, p.y, p.x + control->ClientWidth(), p.y + control->ClientHeight()};
    ClipCursor(&FClipArea);
    FConfined = true;
}

void TMultiShape::MoveTo(POINT p) {
    for (auto& shape : FShapes) shape->Draw(p.x, p.y);
}

void TMultiShape::Finish() {
    ClipCursor(nullptr);
    FConfined = false;
    for (auto& shape : FShapes) shape->EndDrawing();
}

} // namespace fw
