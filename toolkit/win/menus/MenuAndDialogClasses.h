#pragma once
// Makes the menu, action and dialog component classes known to the class
// registry, so stored layouts can create them.

namespace fw {

void RegisterMenuAndDialogClasses();

} // namespace fw
