#pragma once
// Helpers for the tests of single controls on a shown form: the differences
// between two stored layouts, reading list and tree views, and pointer and
// key presses sent to a window. Each test includes the controls it tries.
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/controls/ListViewMessages.h"
#include "toolkit/win/controls/TreeViewMessages.h"

#include <algorithm>
#include <initializer_list>

namespace ctltest {

using namespace stdtest;

// The names of the properties of the first component whose stored values differ.
inline std::string Differences(const Bytes& a, const Bytes& b) {
    TStreamDocument da = ParseStreamDocument(a), db = ParseStreamDocument(b);
    std::string out;
    if (da.components.empty() || db.components.empty()) return "no component";
    auto& pa = da.components[0].properties;
    auto& pb = db.components[0].properties;
    for (auto& p : pa) {
        auto it = std::find_if(pb.begin(), pb.end(), [&](auto& q) { return q.name == p.name; });
        if (it == pb.end() || !(it->value == p.value)) out += p.name + " ";
    }
    for (auto& q : pb)
        if (std::none_of(pa.begin(), pa.end(), [&](auto& p) { return p.name == q.name; })) out += q.name + " ";
    return out;
}

inline LONG_PTR StyleOf(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }

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

} // namespace ctltest
