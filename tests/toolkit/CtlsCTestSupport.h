#pragma once
// The shown form of the media player, OLE container and colour grid tests,
// and pointer and key presses sent to a window.
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/controls/ColorGrid.h"
#include "toolkit/win/controls/MediaPlayer.h"
#include "toolkit/win/controls/OleContainer.h"

namespace ctlsctest {

using namespace stdtest;

using GroupCForm = ShownForm;

// kWindowedDefaults and some more.
inline std::set<std::string> PlainNamesAnd(std::initializer_list<const char*> more) {
    std::set<std::string> names = kWindowedDefaults;
    for (const char* n : more) names.insert(n);
    return names;
}

inline POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A pointer button pressed (and released) at a client point of a window.
inline void Press(HWND h, POINT p, UINT down = WM_LBUTTONDOWN, WPARAM keys = MK_LBUTTON) {
    SendMessageW(h, down, keys, MAKELPARAM(p.x, p.y));
}
inline void Release(HWND h, POINT p, UINT up = WM_LBUTTONUP) { SendMessageW(h, up, 0, MAKELPARAM(p.x, p.y)); }
inline void ClickAt(HWND h, POINT p) {
    Press(h, p);
    Release(h, p);
}
inline void RightClickAt(HWND h, POINT p) {
    Press(h, p, WM_RBUTTONDOWN, MK_RBUTTON);
    Release(h, p, WM_RBUTTONUP);
}

// A key pressed and released in a window.
inline void Key(HWND h, WPARAM key) {
    SendMessageW(h, WM_KEYDOWN, key, 1);
    SendMessageW(h, WM_KEYUP, key, 0xC0000001);
}

inline COLORREF Sys(int index) { return GetSysColor(index); }

} // namespace ctlsctest
