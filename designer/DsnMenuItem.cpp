#include "designer/DsnMenuItem.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TDsnMenuItem::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TDsnMenuItem, TMenuItem>().Build();
    return info;
}

TDsnMenuItem::TDsnMenuItem(TComponent* owner) : TMenuItem(owner) {}

} // namespace fw
