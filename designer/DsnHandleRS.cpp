#include "designer/DsnHandleRS.h"

namespace fw {

void THandlerRSRect::CreateHandles() {
    auto handle = std::make_unique<TMigishitaRect>(Control(), Settings());
    handle->SetInactiveColor(Settings().ActiveColor);
    AppendHandle(std::move(handle));
}

std::unique_ptr<THandlerRect> TMultiRSHandler::CreateGroup(TControl* control) {
    return std::make_unique<THandlerRSRect>(control, Settings());
}

} // namespace fw
