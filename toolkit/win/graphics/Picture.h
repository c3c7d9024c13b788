#pragma once
// A picture holds one graphic of any registered class. In the component
// stream its "Data" is the class name as a short string (length byte, then
// the name), then that graphic's own "Data" content.
#include "toolkit/core/Persistent.h"
#include "toolkit/win/graphics/Graphic.h"

#include <memory>
#include <string>

namespace fw {

class TBitmap;
class TIcon;

class TPicture : public TPersistent {
    FW_CLASS(TPicture)

    TPicture() = default;
    ~TPicture() override;

    // From another picture or a graphic (copied); null empties the picture.
    void Assign(TPersistent* source) override;

    // Null when the picture is empty.
    TGraphic* Graphic() const { return FGraphic.get(); }
    // Stores a copy of graphic (its class must be registered); null empties.
    void SetGraphic(TGraphic* graphic);
    // The graphic as a bitmap or icon; another kind of graphic is replaced by
    // an empty one of the kind asked for.
    TBitmap* Bitmap();
    TIcon* Icon();

    int32_t Width() const;
    int32_t Height() const;

    // The class is chosen by the file extension (.bmp, .ico, ...).
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    void DefineProperties(TFiler& filer) override;

    // Called when the graphic is replaced or changes.
    TChangeHandler OnChange;

protected:
    void AssignTo(TPersistent* dest) override;

private:
    void Install(std::unique_ptr<TGraphic> graphic);
    void Changed();
    void ReadData(TStream& stream);
    void WriteData(TStream& stream);

    std::unique_ptr<TGraphic> FGraphic;
};

} // namespace fw
