#include "designer/DsnPanel.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TCustomCmpPlt::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomCmpPlt, TPanel>().Build();
    return info;
}

const TClassInfo& TArrowButton::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TArrowButton, TSpeedButton>().Build();
    return info;
}

} // namespace fw
