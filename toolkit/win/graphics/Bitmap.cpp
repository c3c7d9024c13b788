#include "toolkit/win/graphics/Bitmap.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/GraphicsErrors.h"
#include "toolkit/win/window/ByteOrder.h"

#include <algorithm>
#include <cstring>

namespace fw {

// A memory DC with the bitmap selected, made when the canvas is first drawn on.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& owner) : FOwner(owner) {}
    ~TBitmapCanvas() override { ReleaseDC(); }

    void ReleaseDC() {
        if (!HandleAllocated()) return;
        HDC dc = Handle();
        SetHandle(nullptr);
        SelectObject(dc, FOldBitmap);
        DeleteDC(dc);
    }

protected:
    void CreateHandle() override {
        HDC dc = CheckGdi(CreateCompatibleDC(nullptr));
        // An empty bitmap leaves the DC's own 1x1 bitmap in place.
        FOldBitmap = FOwner.FHandle ? SelectObject(dc, FOwner.FHandle) : GetCurrentObject(dc, OBJ_BITMAP);
        SetHandle(dc);
    }

private:
    TBitmap& FOwner;
    HGDIOBJ FOldBitmap = nullptr;
};

namespace {

// Selects a bitmap into a new memory DC for the scope.
class TMemoryDC {
public:
    explicit TMemoryDC(HBITMAP bitmap) : FDC(CheckGdi(CreateCompatibleDC(nullptr))) {
        FOld = SelectObject(FDC, bitmap);
    }
    ~TMemoryDC() {
        SelectObject(FDC, FOld);
        DeleteDC(FDC);
    }
    TMemoryDC(const TMemoryDC&) = delete;
    TMemoryDC& operator=(const TMemoryDC&) = delete;
    HDC Handle() const { return FDC; }

private:
    HDC FDC;
    HGDIOBJ FOld;
};

void CheckSize(int32_t width, int32_t height, int bitCount) {
    if (width < 0 || height < 0 || width > kMaxImageDimension || height > kMaxImageDimension ||
        DibStride(width, bitCount) * static_cast<uint64_t>(height) > kMaxImageBytes)
        throw EInvalidGraphicOperation("Bitmap size is out of range");
}

} // namespace

const TClassInfo& TBitmap::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TBitmap, TGraphic>().Build();
    return info;
}

TBitmap::TBitmap() : FInfo(MakeDibInfo(TPixelFormat::pf24bit, 0, 0)) {}

TBitmap::~TBitmap() {
    FCanvas.reset(); // takes the bitmap out of the canvas's DC first
    if (FHandle) DeleteObject(FHandle);
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(*this);
        FCanvas->OnChange = [this](TObject*) { Changed(); };
    }
    return FCanvas.get();
}

void TBitmap::ReleaseCanvasDC() {
    if (FCanvas) FCanvas->ReleaseDC();
}

void TBitmap::Rebuild(const std::vector<uint8_t>& info, const uint8_t* bits, size_t bitsSize) {
    BITMAPINFOHEADER h = DibHeader(info);
    HBITMAP fresh = nullptr;
    uint8_t* freshBits = nullptr;
    if (h.biWidth > 0 && h.biHeight > 0) {
        void* p = nullptr;
        fresh = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &p,
                                 nullptr, 0);
        if (!fresh) {
            if (bits) throw EInvalidGraphic("Bitmap image is not valid");
            RaiseOutOfResources();
        }
        freshBits = static_cast<uint8_t*>(p);
        try {
            if (bits) {
                std::memcpy(freshBits, bits, bitsSize);
            } else {
                TMemoryDC dest(fresh);
                RECT all{0, 0, h.biWidth, h.biHeight};
                ::FillRect(dest.Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                if (FHandle) {
                    ReleaseCanvasDC(); // a bitmap is selected into one DC at a time
                    TMemoryDC source(FHandle);
                    BitBlt(dest.Handle(), 0, 0, std::min(FWidth, static_cast<int32_t>(h.biWidth)),
                           std::min(FHeight, static_cast<int32_t>(h.biHeight)), source.Handle(), 0, 0, SRCCOPY);
                }
            }
        } catch (...) {
            DeleteObject(fresh);
            throw;
        }
    }
    ReleaseCanvasDC();
    if (FHandle) DeleteObject(FHandle);
    FHandle = fresh;
    FBits = freshBits;
    FInfo = info;
    FWidth = h.biWidth;
    FHeight = h.biHeight;
    Changed();
}

void TBitmap::SetSize(int32_t width, int32_t height) {
    if (width == FWidth && height == FHeight) return;
    CheckSize(width, height, BitsPerPixel());
    GdiFlush();
    Rebuild(ResizeDibInfo(FInfo, width, height), nullptr, 0);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == PixelFormat()) return;
    std::vector<uint8_t> info = MakeDibInfo(format, FWidth, FHeight);
    CheckSize(FWidth, FHeight, DibHeader(info).biBitCount);
    GdiFlush();
    Rebuild(info, nullptr, 0);
}

uint8_t* TBitmap::ScanLine(int32_t y) {
    if (!FHandle || y < 0 || y >= FHeight) throw EInvalidGraphicOperation("Scan line index out of range");
    GdiFlush(); // drawing may still be queued
    return FBits + static_cast<size_t>(FHeight - 1 - y) * RowBytes();
}

TColor TBitmap::TransparentColor() {
    if (FTransparentColor != clDefault || Empty()) return FTransparentColor;
    return Canvas()->Pixels(0, FHeight - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    if (color == FTransparentColor) return;
    FTransparentColor = color;
    Changed();
}

void TBitmap::Assign(TPersistent* source) {
    if (source == this) return;
    if (!source) {
        Rebuild(ResizeDibInfo(FInfo, 0, 0), nullptr, 0);
        return;
    }
    auto* b = dynamic_cast<TBitmap*>(source);
    if (!b) return TGraphic::Assign(source);
    GdiFlush();
    FTransparentColor = b->FTransparentColor;
    SetTransparent(b->Transparent());
    if (b->Empty()) Rebuild(ResizeDibInfo(b->FInfo, b->FWidth, b->FHeight), nullptr, 0);
    else Rebuild(b->FInfo, b->FBits, b->RowBytes() * static_cast<size_t>(b->FHeight));
    // An empty source may still have a width or a height of its own.
    FWidth = b->FWidth;
    FHeight = b->FHeight;
}

void TBitmap::LoadFromStream(TStream& stream) {
    TDib dib = ReadBitmapFile(stream);
    Rebuild(dib.Info, dib.Bits.data(), dib.Bits.size());
}

void TBitmap::SaveToStream(TStream& stream) {
    if (Empty()) return;
    GdiFlush();
    WriteBitmapFile(stream, FInfo, FBits, RowBytes() * static_cast<size_t>(FHeight));
}

void TBitmap::ReadData(TStream& stream) {
    uint8_t length[4];
    if (stream.Remaining() < 4) throw EInvalidGraphic("Bitmap image is not valid");
    stream.ReadBuffer(length, 4);
    uint32_t size = le::U32(length);
    if (size == 0) {
        Assign(nullptr);
        return;
    }
    if (size > static_cast<uint64_t>(stream.Remaining())) throw EInvalidGraphic("Bitmap image is not valid");
    std::vector<uint8_t> image(size);
    stream.ReadBuffer(image.data(), size);
    TMemoryStream s(std::move(image));
    LoadFromStream(s);
}

void TBitmap::WriteData(TStream& stream) {
    TMemoryStream image;
    SaveToStream(image);
    uint8_t length[4];
    le::Put32(length, static_cast<uint32_t>(image.Size()));
    stream.WriteBuffer(length, 4);
    stream.WriteBuffer(image.Memory(), image.Size());
}

void TBitmap::Draw(TCanvas& canvas, const RECT& r) {
    if (Empty()) return;
    HDC dest = canvas.Handle();
    HDC source = Canvas()->Handle();
    int w = r.right - r.left, h = r.bottom - r.top;
    SetStretchBltMode(dest, COLORONCOLOR);
    if (Transparent())
        TransparentBlt(dest, r.left, r.top, w, h, source, 0, 0, FWidth, FHeight, ColorToRGB(TransparentColor()));
    else
        StretchBlt(dest, r.left, r.top, w, h, source, 0, 0, FWidth, FHeight, canvas.CopyMode());
}

} // namespace fw
