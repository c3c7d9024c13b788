#pragma once
// Images that can be drawn on a canvas, kept in files and stored in the
// component stream as the self-stored property "Data".
#include "toolkit/core/Persistent.h"
#include "toolkit/core/Stream.h"
#include "toolkit/win/graphics/GraphicsObject.h"
#include "toolkit/win/window/Win32.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class TCanvas;

class TGraphic : public TPersistent {
    FW_CLASS(TGraphic)

    TGraphic() = default;

    virtual bool Empty() const = 0;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    virtual void SetWidth(int32_t value) = 0;
    virtual void SetHeight(int32_t value) = 0;
    bool Transparent() const { return FTransparent; }
    virtual void SetTransparent(bool value);

    // The file image (what a .bmp or .ico file holds); loading leaves the
    // stream just after it.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName);

    // Draws the image stretched into r.
    virtual void Draw(TCanvas& canvas, const RECT& r) = 0;

    // The content of "Data": the file image unless a class says otherwise.
    // Also what a picture stores after the class name.
    virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
    virtual void WriteData(TStream& stream) { SaveToStream(stream); }
    void DefineProperties(TFiler& filer) override;

    TChangeHandler OnChange;

protected:
    void Changed();

private:
    bool FTransparent = false;
};

// Graphic classes known by name (what a picture stores) and by file extension.
struct TGraphicClass {
    std::string ClassName;   // "TBitmap"
    std::string Extension;   // "bmp", without the dot
    std::string Description; // "Bitmaps"
    std::function<std::unique_ptr<TGraphic>()> Create;
};

// Adds a class, or replaces the one of the same name. TBitmap and TIcon are
// always registered.
void RegisterGraphicClass(TGraphicClass graphicClass);
const TGraphicClass* FindGraphicClass(std::string_view className);           // ignores case
const TGraphicClass* FindGraphicClassByExtension(std::string_view extension); // "bmp" or ".bmp", any case
std::vector<TGraphicClass> GraphicClasses();

} // namespace fw
