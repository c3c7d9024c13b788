#pragma once
// A bitmap image held in a DIB section: drawn on through its own canvas, read
// from and written to bitmap file images, stored in the component stream as
// "Data" = 4-byte length + file image.
#include "toolkit/win/graphics/Canvas.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/Dib.h"
#include "toolkit/win/graphics/Graphic.h"

#include <memory>
#include <vector>

namespace fw {

class TBitmap : public TGraphic {
    FW_CLASS(TBitmap)

    TBitmap();
    ~TBitmap() override;

    // Copies another bitmap; null makes this one empty.
    void Assign(TPersistent* source) override;

    bool Empty() const override { return FHandle == nullptr; }
    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    void SetWidth(int32_t value) override { SetSize(value, FHeight); }
    void SetHeight(int32_t value) override { SetSize(FWidth, value); }
    // Keeps the top-left part of the image and paints new area white. Each
    // side is 0..16384; with a side of 0 the bitmap is empty.
    void SetSize(int32_t width, int32_t height);

    // New bitmaps are pf24bit; loaded ones keep the file's format.
    TPixelFormat PixelFormat() const { return DibPixelFormat(FInfo); }
    int BitsPerPixel() const { return DibHeader(FInfo).biBitCount; }
    // Converts the image; indexed formats take the nearest colours of their
    // fixed palette.
    void SetPixelFormat(TPixelFormat format);

    TCanvas* Canvas();
    // The DIB section (null when empty); owned by the bitmap, and selected
    // into the canvas's DC once the canvas has drawn.
    HBITMAP Handle() const { return FHandle; }
    // The bytes of row y, counted from the top, in the pixel format's layout.
    uint8_t* ScanLine(int32_t y);
    size_t RowBytes() const { return static_cast<size_t>(DibStride(FWidth, BitsPerPixel())); }

    // The colour left out when drawing with Transparent set; clDefault (the
    // initial value) means the colour of the bottom-left pixel.
    TColor TransparentColor();
    void SetTransparentColor(TColor color);

    void LoadFromStream(TStream& stream) override;
    // Nothing for an empty bitmap.
    void SaveToStream(TStream& stream) override;
    // "Data": a 4-byte length, then the file image (length 0: empty).
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) override;
    void Draw(TCanvas& canvas, const RECT& r) override;

private:
    class TBitmapCanvas;
    // Gives the bitmap new pixels: a DIB section of info, filled with bits
    // when given, else white with the old image copied in.
    void Rebuild(const std::vector<uint8_t>& info, const uint8_t* bits, size_t bitsSize);
    void ReleaseCanvasDC();

    std::vector<uint8_t> FInfo;
    HBITMAP FHandle = nullptr;
    uint8_t* FBits = nullptr;
    int32_t FWidth = 0;
    int32_t FHeight = 0;
    TColor FTransparentColor = clDefault;
    std::unique_ptr<TBitmapCanvas> FCanvas;
};

} // namespace fw
