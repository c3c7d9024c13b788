#include "toolkit/win/controls/TreeViewMessages.h"

#include <cstring>

namespace fw::treeview {

namespace {
LPARAM Ptr(const void* p) { return reinterpret_cast<LPARAM>(p); }
} // namespace

HTREEITEM NextItem(HWND h, UINT how, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_GETNEXTITEM, how, Ptr(from)));
}
HTREEITEM Selected(HWND h) { return NextItem(h, TVGN_CARET); }
HTREEITEM Parent(HWND h, HTREEITEM item) { return NextItem(h, TVGN_PARENT, item); }

bool GetItem(HWND h, TVITEMW& item) { return SendMessageW(h, TVM_GETITEMW, 0, Ptr(&item)) != 0; }
bool SetItem(HWND h, const TVITEMW& item) { return SendMessageW(h, TVM_SETITEMW, 0, Ptr(&item)) != 0; }

LPARAM ItemData(HWND h, HTREEITEM item) {
    TVITEMW it{};
    it.mask = TVIF_PARAM;
    it.hItem = item;
    return GetItem(h, it) ? it.lParam : 0;
}

std::wstring ItemText(HWND h, HTREEITEM item) {
    wchar_t buf[1024] = {};
    TVITEMW it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = buf;
    it.cchTextMax = static_cast<int>(std::size(buf));
    GetItem(h, it);
    return buf;
}

void SetItemText(HWND h, HTREEITEM item, const std::wstring& text) {
    std::wstring copy = text;
    TVITEMW it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = copy.data();
    SetItem(h, it);
}

HTREEITEM InsertItem(HWND h, const TVINSERTSTRUCTW& insert) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(h, TVM_INSERTITEMW, 0, Ptr(&insert)));
}
void DeleteAll(HWND h) { SendMessageW(h, TVM_DELETEITEM, 0, Ptr(TVI_ROOT)); }
void Expand(HWND h, HTREEITEM item, UINT how) { SendMessageW(h, TVM_EXPAND, how, Ptr(item)); }
void SelectItem(HWND h, HTREEITEM item) { SendMessageW(h, TVM_SELECTITEM, TVGN_CARET, Ptr(item)); }
void EnsureVisible(HWND h, HTREEITEM item) { SendMessageW(h, TVM_ENSUREVISIBLE, 0, Ptr(item)); }
void SortChildren(HWND h, HTREEITEM parent) { SendMessageW(h, TVM_SORTCHILDREN, FALSE, Ptr(parent)); }

bool TextRect(HWND h, HTREEITEM item, RECT& rect) {
    // The message takes the item in the rectangle it fills.
    rect = {};
    std::memcpy(&rect, &item, sizeof item);
    return SendMessageW(h, TVM_GETITEMRECT, TRUE, Ptr(&rect)) != 0;
}

int Count(HWND h) { return static_cast<int>(SendMessageW(h, TVM_GETCOUNT, 0, 0)); }

int Indent(HWND h) { return static_cast<int>(SendMessageW(h, TVM_GETINDENT, 0, 0)); }
void SetIndent(HWND h, int indent) { SendMessageW(h, TVM_SETINDENT, static_cast<WPARAM>(indent), 0); }
int ItemHeight(HWND h) { return static_cast<int>(SendMessageW(h, TVM_GETITEMHEIGHT, 0, 0)); }
void SetItemHeight(HWND h, int height) { SendMessageW(h, TVM_SETITEMHEIGHT, static_cast<WPARAM>(height), 0); }
HIMAGELIST Images(HWND h) { return reinterpret_cast<HIMAGELIST>(SendMessageW(h, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)); }
void SetImages(HWND h, HIMAGELIST images) { SendMessageW(h, TVM_SETIMAGELIST, TVSIL_NORMAL, Ptr(images)); }
void SetBackColor(HWND h, COLORREF color) { SendMessageW(h, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)); }
void SetTextColor(HWND h, COLORREF color) { SendMessageW(h, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color)); }

} // namespace fw::treeview
