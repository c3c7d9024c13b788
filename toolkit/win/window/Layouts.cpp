#include "toolkit/win/window/Layouts.h"

#include "stream/StreamDocument.h"
#include "stream/StreamJson.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/window/Win32.h"

namespace fw {

std::vector<uint8_t> LayoutFromJson(std::string_view json) { return WriteStreamDocument(DocumentFromJson(json)); }

std::string LoadResourceText(const std::wstring& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) throw EInvalidOperation(Format("Resource %s not found", {win::Narrow(name)}));
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, res));
}

std::vector<uint8_t> LoadLayout(const std::wstring& name) { return LayoutFromJson(LoadResourceText(name)); }

} // namespace fw
