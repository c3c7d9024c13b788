#pragma once
// TImage: shows a picture on its parent's window: at its own size, centred,
// stretched, or scaled keeping its proportions. With AutoSize the control
// takes the picture's size.
#include "toolkit/win/graphics/Picture.h"
#include "toolkit/win/window/GraphicControl.h"

#include <memory>

namespace fw {

class TImage : public TGraphicControl {
    FW_CLASS(TImage)

    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* v) { FPicture->Assign(v); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);
    // Scales down (or, with Stretch, up) keeping the width to height ratio.
    bool Proportional() const { return FProportional; }
    void SetProportional(bool v);
    bool Center() const { return FCenter; }
    void SetCenter(bool v);
    // The picture's transparent colour lets the parent show through.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);

    // Where the picture is drawn, in client coordinates.
    RECT DestRect() const;
    void AdjustSize() override;

protected:
    void Paint() override;

private:
    void PictureChanged();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FProportional = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FAutoSize = false;
};

} // namespace fw
