#pragma once
// Saves what a window shows on the screen as a bitmap file.
#include "toolkit/win/window/Win32.h"

#include <string>

namespace fwdemo {

void SaveWindowImage(HWND window, const std::string& fileName);

} // namespace fwdemo
