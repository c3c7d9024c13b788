#pragma once
// Stored layouts of windows are kept as readable JSON (the fwstream form of a
// component stream) and built into the program as resources; these turn them
// into stream bytes for the reader.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

// The component stream described by a layout's JSON text ("JSON error at ..."
// or the stream's own message when it is not valid).
std::vector<uint8_t> LayoutFromJson(std::string_view json);

// The bytes of an RCDATA resource of the running program, by name;
// "Resource %s not found" when it is missing.
std::string LoadResourceText(const std::wstring& name);

// Both together: the stream of the layout resource `name`.
std::vector<uint8_t> LoadLayout(const std::wstring& name);

} // namespace fw
