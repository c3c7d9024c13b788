#include "toolkit/win/window/WindowClass.h"

#include "toolkit/core/Exception.h"

#include <map>

namespace fw {

namespace {

std::map<std::wstring, WNDPROC>& ClassProcs() {
    static std::map<std::wstring, WNDPROC> procs;
    return procs;
}

} // namespace

WNDPROC RegisterToolkitClass(const TCreateParams& p) {
    auto& procs = ClassProcs();
    auto found = procs.find(p.WinClassName);
    if (found != procs.end()) return found->second;
    HINSTANCE inst = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    WNDPROC original = DefWindowProcW;
    if (!p.SystemClass.empty()) {
        if (!GetClassInfoExW(nullptr, p.SystemClass.c_str(), &wc))
            throw EInvalidOperation("Window class " + win::Narrow(p.SystemClass) + " is not available");
        original = wc.lpfnWndProc;
        wc.cbSize = sizeof wc;
    } else {
        wc.style = p.ClassStyle;
        wc.hCursor = p.ClassCursor ? p.ClassCursor : LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = nullptr;
    }
    wc.lpfnWndProc = ToolkitWndProc;
    wc.hInstance = inst;
    wc.lpszClassName = p.WinClassName.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw EInvalidOperation("Cannot register window class " + win::Narrow(p.WinClassName));
    procs[p.WinClassName] = original;
    return original;
}

WNDPROC ClassProcOf(HWND h) {
    wchar_t name[256];
    if (GetClassNameW(h, name, 256)) {
        auto found = ClassProcs().find(name);
        if (found != ClassProcs().end()) return found->second;
    }
    return DefWindowProcW;
}

} // namespace fw
