#pragma once
// Typed calls for the messages of the system's list view window, so callers
// pass indexes and texts instead of casting them through WPARAM and LPARAM.
#include "toolkit/win/window/Win32.h"

#include <commctrl.h>
#include <string>

namespace fw::listview {

int ItemCount(HWND h);
// The next item after `from` (-1: from the start) with the LVNI_... flags; -1 for none.
int NextItem(HWND h, int from, UINT flags);
int Selected(HWND h);
// Sets the state bits of `mask` to those of `state`; item -1 means every item.
void SetItemState(HWND h, int item, UINT state, UINT mask);
// Selects and focuses only the item, or nothing when it is below 0.
void SelectOnly(HWND h, int item);
void EnsureVisible(HWND h, int item);
bool ItemRect(HWND h, int item, RECT& rect, int part = LVIR_BOUNDS);

// Returns the index the item went in at.
int InsertItem(HWND h, const LVITEMW& item);
std::wstring ItemText(HWND h, int item, int sub);
void SetItemText(HWND h, int item, int sub, const std::wstring& text);
void DeleteItem(HWND h, int item);
void DeleteAll(HWND h);

void InsertColumn(HWND h, int index, const LVCOLUMNW& column);
bool GetColumn(HWND h, int index, LVCOLUMNW& column);
bool DeleteColumn(HWND h, int index);
int ColumnWidth(HWND h, int index);
// A width or LVSCW_AUTOSIZE / LVSCW_AUTOSIZE_USEHEADER.
void SetColumnWidth(HWND h, int index, int width);

DWORD ExtendedStyle(HWND h);
void SetExtendedStyle(HWND h, DWORD mask, DWORD style);
void SetImages(HWND h, int which, HIMAGELIST images);
// The colour behind the items and behind their texts.
void SetBackColor(HWND h, COLORREF color);
void SetTextColor(HWND h, COLORREF color);

} // namespace fw::listview
