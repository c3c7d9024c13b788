#pragma once
// The one way into the Windows headers: Unicode, no min/max macros, and the
// macros that collide with toolkit names (GetProp, SendMessage, DrawText, ...)
// removed. Toolkit code calls the explicit ...W functions.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#undef GetProp
#undef SetProp
#undef RemoveProp
#undef SendMessage
#undef PostMessage
#undef CreateWindow
#undef GetClassName
#undef DrawText
#undef LoadBitmap
#undef LoadIcon
#undef LoadCursor
#undef GetObject
#undef CreateFont
#undef TextOut
#undef MessageBox
#undef FindWindow
#undef GetMessage
#undef DispatchMessage
#undef PeekMessage
#undef CopyFile
#undef DeleteFile
#undef CreateDialog
#undef GetWindowText
#undef SetWindowText
#undef ChooseColor
#undef ChooseFont
#undef GetOpenFileName
#undef GetSaveFileName
#undef RegisterClass
#undef UnregisterClass
#undef FindResource
#undef LoadImage
#undef CreateDirectory
#undef GetCurrentDirectory
#undef GetModuleFileName
#undef DrawState
#undef GetCharWidth
#undef Rectangle
#undef Polygon
#undef Ellipse
#undef RoundRect
#undef MoveTo
#undef GetFileAttributes
#undef ExtTextOut
#undef GetTextExtentPoint32
#undef CreateFontIndirect
#undef EnumFonts
#undef RGB

#include <string>
#include <string_view>

namespace fw::win {

// UTF-8 (inside the program) to UTF-16 (at the Win32 boundary) and back.
std::wstring Wide(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

constexpr COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

} // namespace fw::win
