#pragma once
// Registers every control class of the toolkit with the class registry, so
// stored layouts and design files can create them by name.
namespace fw {

void RegisterToolkitClasses();

} // namespace fw
