#include "toolkit/win/controls/ListViewMessages.h"

namespace fw::listview {

namespace {
LPARAM Ptr(const void* p) { return reinterpret_cast<LPARAM>(p); }
WPARAM Index(int i) { return static_cast<WPARAM>(i); }
} // namespace

int ItemCount(HWND h) { return static_cast<int>(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0)); }

int NextItem(HWND h, int from, UINT flags) {
    return static_cast<int>(SendMessageW(h, LVM_GETNEXTITEM, Index(from), static_cast<LPARAM>(flags)));
}
int Selected(HWND h) { return NextItem(h, -1, LVNI_SELECTED); }

void SetItemState(HWND h, int item, UINT state, UINT mask) {
    LVITEMW it{};
    it.state = state;
    it.stateMask = mask;
    SendMessageW(h, LVM_SETITEMSTATE, Index(item), Ptr(&it));
}

void SelectOnly(HWND h, int item) {
    const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
    SetItemState(h, -1, 0, both);
    if (item >= 0) SetItemState(h, item, both, both);
}

void EnsureVisible(HWND h, int item) { SendMessageW(h, LVM_ENSUREVISIBLE, Index(item), FALSE); }

bool ItemRect(HWND h, int item, RECT& rect, int part) {
    rect = {};
    rect.left = part;
    return SendMessageW(h, LVM_GETITEMRECT, Index(item), Ptr(&rect)) != 0;
}

int InsertItem(HWND h, const LVITEMW& item) { return static_cast<int>(SendMessageW(h, LVM_INSERTITEMW, 0, Ptr(&item))); }

std::wstring ItemText(HWND h, int item, int sub) {
    wchar_t buf[1024] = {};
    LVITEMW it{};
    it.iSubItem = sub;
    it.pszText = buf;
    it.cchTextMax = static_cast<int>(std::size(buf));
    SendMessageW(h, LVM_GETITEMTEXTW, Index(item), Ptr(&it));
    return buf;
}

void SetItemText(HWND h, int item, int sub, const std::wstring& text) {
    std::wstring copy = text;
    LVITEMW it{};
    it.iSubItem = sub;
    it.pszText = copy.data();
    SendMessageW(h, LVM_SETITEMTEXTW, Index(item), Ptr(&it));
}

void DeleteItem(HWND h, int item) { SendMessageW(h, LVM_DELETEITEM, Index(item), 0); }
void DeleteAll(HWND h) { SendMessageW(h, LVM_DELETEALLITEMS, 0, 0); }

void InsertColumn(HWND h, int index, const LVCOLUMNW& column) { SendMessageW(h, LVM_INSERTCOLUMNW, Index(index), Ptr(&column)); }
bool GetColumn(HWND h, int index, LVCOLUMNW& column) { return SendMessageW(h, LVM_GETCOLUMNW, Index(index), Ptr(&column)) != 0; }
bool DeleteColumn(HWND h, int index) { return SendMessageW(h, LVM_DELETECOLUMN, Index(index), 0) != 0; }
int ColumnWidth(HWND h, int index) { return static_cast<int>(SendMessageW(h, LVM_GETCOLUMNWIDTH, Index(index), 0)); }
void SetColumnWidth(HWND h, int index, int width) { SendMessageW(h, LVM_SETCOLUMNWIDTH, Index(index), static_cast<LPARAM>(width)); }

DWORD ExtendedStyle(HWND h) { return static_cast<DWORD>(SendMessageW(h, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0)); }
void SetExtendedStyle(HWND h, DWORD mask, DWORD style) { SendMessageW(h, LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style); }
void SetImages(HWND h, int which, HIMAGELIST images) { SendMessageW(h, LVM_SETIMAGELIST, Index(which), Ptr(images)); }

void SetBackColor(HWND h, COLORREF color) {
    SendMessageW(h, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
    SendMessageW(h, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color));
}
void SetTextColor(HWND h, COLORREF color) { SendMessageW(h, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color)); }

} // namespace fw::listview
