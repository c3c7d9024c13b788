#include "toolkit/win/graphics/Picture.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Filer.h"
#include "toolkit/core/Text.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/graphics/GraphicsErrors.h"
#include "toolkit/win/graphics/Icon.h"

namespace fw {

const TClassInfo& TPicture::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPicture, TPersistent>().Build();
    return info;
}

TPicture::~TPicture() {
    if (FGraphic) FGraphic->OnChange = nullptr;
}

void TPicture::Changed() {
    if (OnChange) OnChange(this);
}

void TPicture::Install(std::unique_ptr<TGraphic> graphic) {
    if (FGraphic) FGraphic->OnChange = nullptr;
    FGraphic = std::move(graphic);
    if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
    Changed();
}

void TPicture::SetGraphic(TGraphic* graphic) {
    if (graphic == FGraphic.get()) return;
    if (!graphic) return Install(nullptr);
    const TGraphicClass* cls = FindGraphicClass(graphic->ClassName());
    if (!cls) throw EInvalidGraphicOperation(Format("Graphic class %s is not registered", {graphic->ClassName()}));
    std::unique_ptr<TGraphic> copy = cls->Create();
    copy->Assign(graphic);
    Install(std::move(copy));
}

void TPicture::Assign(TPersistent* source) {
    if (!source) return SetGraphic(nullptr);
    if (auto* p = dynamic_cast<TPicture*>(source)) return SetGraphic(p->Graphic());
    if (auto* g = dynamic_cast<TGraphic*>(source)) return SetGraphic(g);
    TPersistent::Assign(source);
}

void TPicture::AssignTo(TPersistent* dest) {
    // A bitmap or icon takes a picture holding its own kind.
    if (FGraphic && dest && dest->ClassName() == FGraphic->ClassName()) return dest->Assign(FGraphic.get());
    TPersistent::AssignTo(dest);
}

TBitmap* TPicture::Bitmap() {
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) Install(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon() {
    if (!dynamic_cast<TIcon*>(FGraphic.get())) Install(std::make_unique<TIcon>());
    return static_cast<TIcon*>(FGraphic.get());
}

int32_t TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }
int32_t TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

namespace {
std::string ExtensionOf(const std::string& fileName) {
    size_t dot = fileName.find_last_of('.');
    size_t sep = fileName.find_last_of("/\\");
    if (dot == std::string::npos || (sep != std::string::npos && dot < sep)) return {};
    return fileName.substr(dot + 1);
}
} // namespace

void TPicture::LoadFromFile(const std::string& fileName) {
    std::string ext = ExtensionOf(fileName);
    const TGraphicClass* cls = FindGraphicClassByExtension(ext);
    if (!cls) throw EInvalidGraphic(Format("Unknown picture file extension (.%s)", {ext}));
    std::unique_ptr<TGraphic> graphic = cls->Create();
    graphic->LoadFromFile(fileName);
    Install(std::move(graphic));
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (FGraphic) FGraphic->SaveToFile(fileName);
}

void TPicture::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, FGraphic != nullptr);
}

void TPicture::ReadData(TStream& stream) {
    uint8_t length = 0;
    if (stream.Remaining() < 1) throw EInvalidGraphic("Picture data is not valid");
    stream.ReadBuffer(&length, 1);
    if (length > stream.Remaining()) throw EInvalidGraphic("Picture data is not valid");
    std::string name(length, '\0');
    stream.ReadBuffer(name.data(), length);
    if (name.empty()) return Install(nullptr);
    const TGraphicClass* cls = FindGraphicClass(name);
    if (!cls) throw EInvalidGraphic(Format("Unknown picture format %s", {AnsiToUtf8(name)}));
    std::unique_ptr<TGraphic> graphic = cls->Create();
    graphic->ReadData(stream);
    Install(std::move(graphic));
}

void TPicture::WriteData(TStream& stream) {
    std::string name = Utf8ToAnsi(FGraphic->ClassName());
    if (name.size() > 255) name.resize(255);
    uint8_t length = static_cast<uint8_t>(name.size());
    stream.WriteBuffer(&length, 1);
    stream.WriteBuffer(name.data(), length);
    FGraphic->WriteData(stream);
}

} // namespace fw
