#pragma once
// An icon: an icon file image (kept as loaded, so saving gives it back
// unchanged) or an icon handle; drawn with its mask. Stored in the component
// stream as "Data" = the file image itself, without a length.
#include "toolkit/win/graphics/Graphic.h"
#include "toolkit/win/graphics/IconFile.h"

#include <vector>

namespace fw {

class TIcon : public TGraphic {
    FW_CLASS(TIcon)

    TIcon() = default;
    ~TIcon() override;

    // Copies another icon; null makes this one empty.
    void Assign(TPersistent* source) override;

    bool Empty() const override { return FHandle == nullptr; }
    int32_t Width() const override { return FWidth; }
    int32_t Height() const override { return FHeight; }
    // An icon has the sizes its images have: EInvalidGraphicOperation.
    void SetWidth(int32_t value) override;
    void SetHeight(int32_t value) override;

    // The icon shown; owned by the TIcon.
    HICON Handle() const { return FHandle; }
    // Takes ownership of an icon handle (null: empty); a handle that is no
    // icon is refused and stays the caller's.
    void SetHandle(HICON icon);
    // Gives up ownership of the handle and leaves the icon empty.
    HICON ReleaseHandle();

    // Loads every image of the file and shows the one nearest the system's
    // icon size.
    void LoadFromStream(TStream& stream) override;
    // The file image as loaded, or one made from the handle; nothing when empty.
    void SaveToStream(TStream& stream) override;
    // An empty "Data" value makes the icon empty.
    void ReadData(TStream& stream) override;
    void Draw(TCanvas& canvas, const RECT& r) override;

private:
    void Replace(HICON icon, std::vector<uint8_t> file, int32_t width, int32_t height);

    HICON FHandle = nullptr;
    std::vector<uint8_t> FFile; // empty when the icon came from a handle
    int32_t FWidth = 0;
    int32_t FHeight = 0;
};

} // namespace fw
