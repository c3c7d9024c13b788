#pragma once
// Reads the texts that the system's list and tree views show, straight from
// their windows.
#include "toolkit/win/window/Win32.h"

#include <commctrl.h>
#include <string>

namespace stdtest {

inline std::wstring ListItemText(HWND lv, int item, int sub) {
    wchar_t buf[300] = {};
    LVITEMW it{};
    it.iSubItem = sub;
    it.pszText = buf;
    it.cchTextMax = 300;
    SendMessageW(lv, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&it));
    return buf;
}

inline std::wstring TreeNodeText(HWND tv, HTREEITEM item) {
    wchar_t buf[300] = {};
    TVITEMW it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = buf;
    it.cchTextMax = 300;
    SendMessageW(tv, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&it));
    return buf;
}

inline HTREEITEM TreeNext(HWND tv, UINT how, HTREEITEM from = nullptr) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tv, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(from)));
}

} // namespace stdtest
