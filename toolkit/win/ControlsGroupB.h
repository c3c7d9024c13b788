#pragma once
// Registers the page control and its tab sheets, the rich edit, the month
// calendar, the list view and the tree view with the class registry.
namespace fw {

void RegisterControlsGroupB();

} // namespace fw
