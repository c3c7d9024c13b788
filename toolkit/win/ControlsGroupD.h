#pragma once
// Registers the folder tree and the file list with the class registry.
namespace fw {

void RegisterControlsGroupD();

} // namespace fw
