#include "app/Unit3.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

TAboutBox* AboutBox = nullptr;

const TClassInfo& TAboutBox::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TAboutBox, TForm>().Build();
    return info;
}

} // namespace fw
