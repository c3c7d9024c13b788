#include "toolkit/win/graphics/Icon.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/Canvas.h"
#include "toolkit/win/graphics/GraphicsErrors.h"

namespace fw {

const TClassInfo& TIcon::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TIcon, TGraphic>().Build();
    return info;
}

TIcon::~TIcon() {
    if (FHandle) DestroyIcon(FHandle);
}

void TIcon::Replace(HICON icon, std::vector<uint8_t> file, int32_t width, int32_t height) {
    if (FHandle && FHandle != icon) DestroyIcon(FHandle);
    FHandle = icon;
    FFile = std::move(file);
    FWidth = width;
    FHeight = height;
    Changed();
}

void TIcon::SetWidth(int32_t) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }
void TIcon::SetHeight(int32_t) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }

void TIcon::SetHandle(HICON icon) {
    if (icon == FHandle) return;
    int32_t w = 0, h = 0;
    if (icon) {
        ICONINFO ii{};
        if (!GetIconInfo(icon, &ii)) throw EInvalidGraphic("Icon image is not valid");
        BITMAP bm{};
        if (GetObjectW(ii.hbmColor ? ii.hbmColor : ii.hbmMask, sizeof bm, &bm)) {
            w = bm.bmWidth;
            h = ii.hbmColor ? bm.bmHeight : bm.bmHeight / 2; // monochrome: mask and image stacked
        }
        if (ii.hbmColor) DeleteObject(ii.hbmColor);
        if (ii.hbmMask) DeleteObject(ii.hbmMask);
    }
    Replace(icon, {}, w, h);
}

HICON TIcon::ReleaseHandle() {
    HICON h = FHandle;
    FHandle = nullptr;
    Replace(nullptr, {}, 0, 0);
    return h;
}

void TIcon::Assign(TPersistent* source) {
    if (source == this) return;
    if (!source) return Replace(nullptr, {}, 0, 0);
    auto* icon = dynamic_cast<TIcon*>(source);
    if (!icon) return TGraphic::Assign(source);
    if (icon->Empty()) return Replace(nullptr, {}, 0, 0);
    SetTransparent(icon->Transparent());
    if (!icon->FFile.empty()) {
        TMemoryStream s(icon->FFile);
        LoadFromStream(s);
        return;
    }
    Replace(CheckGdi(CopyIcon(icon->FHandle)), {}, icon->FWidth, icon->FHeight);
}

void TIcon::LoadFromStream(TStream& stream) {
    std::vector<uint8_t> file = ReadIconFile(stream);
    std::vector<TIconImage> images = ParseIconFile(file);
    const TIconImage& img = images[ChooseIconImage(images, GetSystemMetrics(SM_CXICON))];
    HICON icon = CreateIconFromResourceEx(file.data() + img.Offset, img.Size, TRUE, 0x00030000, img.Width,
                                          img.Height, LR_DEFAULTCOLOR);
    if (!icon) throw EInvalidGraphic("Icon image is not valid");
    Replace(icon, std::move(file), img.Width, img.Height);
}

void TIcon::SaveToStream(TStream& stream) {
    if (Empty()) return;
    if (FFile.empty()) FFile = IconFileFromHandle(FHandle);
    stream.WriteBuffer(FFile.data(), static_cast<long long>(FFile.size()));
}

void TIcon::ReadData(TStream& stream) {
    if (stream.Remaining() <= 0) return Replace(nullptr, {}, 0, 0);
    LoadFromStream(stream);
}

void TIcon::Draw(TCanvas& canvas, const RECT& r) {
    if (Empty()) return;
    DrawIconEx(canvas.Handle(), r.left, r.top, FHandle, r.right - r.left, r.bottom - r.top, 0, nullptr, DI_NORMAL);
}

} // namespace fw
