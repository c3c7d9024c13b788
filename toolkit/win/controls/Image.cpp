#include "toolkit/win/controls/Image.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fw {

const TClassInfo& TImage::StaticClassInfo() {
    using I = TImage;
    static const TClassInfo info = TClassBuilder<I, TGraphicControl>()
                                       .Prop("AutoSize", &I::AutoSize, &I::SetAutoSize).Default(false)
                                       .Prop("Center", &I::Center, &I::SetCenter).Default(false)
                                       .Prop("Picture", &I::Picture, &I::SetPicture)
                                       .Prop("Proportional", &I::Proportional, &I::SetProportional).Default(false)
                                       .Prop("Stretch", &I::Stretch, &I::SetStretch).Default(false)
                                       .Prop("Transparent", &I::Transparent, &I::SetTransparent).Default(false)
                                       .Build();
    return info;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() {
    FPicture->OnChange = nullptr;
}

void TImage::PictureChanged() {
    if (TGraphic* g = FPicture->Graphic())
        if (g->Transparent() != FTransparent) g->SetTransparent(FTransparent); // comes back here once
    AdjustSize();
    Invalidate();
}

void TImage::AdjustSize() {
    if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
}

void TImage::SetStretch(bool v) {
    if (FStretch == v) return;
    FStretch = v;
    Invalidate();
}

void TImage::SetProportional(bool v) {
    if (FProportional == v) return;
    FProportional = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    if (FCenter == v) return;
    FCenter = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    if (FTransparent == v) return;
    FTransparent = v;
    PictureChanged();
}

void TImage::SetAutoSize(bool v) {
    if (FAutoSize == v) return;
    FAutoSize = v;
    PictureChanged();
}

RECT TImage::DestRect() const {
    int w = FPicture->Width(), h = FPicture->Height();
    int cw = Width(), ch = Height();
    if (w <= 0 || h <= 0) return {0, 0, 0, 0};
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional) {
            // The larger of the two ratios decides: the picture fits both ways.
            if (static_cast<int64_t>(w) * ch > static_cast<int64_t>(h) * cw) {
                h = static_cast<int>(static_cast<int64_t>(h) * cw / w);
                w = cw;
            } else {
                w = static_cast<int>(static_cast<int64_t>(w) * ch / h);
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = 0, y = 0;
    if (FCenter) {
        x = (cw - w) / 2;
        y = (ch - h) / 2;
    }
    return {x, y, x + w, y + h};
}

void TImage::Paint() {
    if (Designing()) {
        // An empty image must still be seen and grabbed while designing.
        Canvas()->Pen()->SetStyle(psDash);
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->Rectangle(0, 0, Width(), Height());
    }
    if (TGraphic* g = FPicture->Graphic()) Canvas()->StretchDraw(DestRect(), g);
}

} // namespace fw
