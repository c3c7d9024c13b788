#pragma once
// Registers the media player, the OLE container and the colour grid with the
// class registry.
namespace fw {

void RegisterControlsGroupC();

} // namespace fw
