#include "toolkit/win/graphics/Graphic.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Filer.h"

namespace fw {

const TClassInfo& TGraphic::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphic, TPersistent>().Build();
    return info;
}

void TGraphic::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName) {
    TFileStream s(fileName, TFileMode::fmOpenRead);
    LoadFromStream(s);
}

void TGraphic::SaveToFile(const std::string& fileName) {
    TFileStream s(fileName, TFileMode::fmCreate);
    SaveToStream(s);
}

void TGraphic::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}

void TGraphic::Changed() {
    if (OnChange) OnChange(this);
}

} // namespace fw
