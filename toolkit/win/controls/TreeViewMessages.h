#pragma once
// Typed calls for the messages of the system's tree view window, so callers
// pass items and numbers instead of casting them through WPARAM and LPARAM.
#include "toolkit/win/window/Win32.h"

#include <commctrl.h>
#include <string>

namespace fw::treeview {

// The item in relation `how` (TVGN_...) to `from`; none when there is none.
HTREEITEM NextItem(HWND h, UINT how, HTREEITEM from = nullptr);
HTREEITEM Selected(HWND h);
HTREEITEM Parent(HWND h, HTREEITEM item);

// Reads or writes the fields of item.hItem named by item.mask.
bool GetItem(HWND h, TVITEMW& item);
bool SetItem(HWND h, const TVITEMW& item);
// The value kept with an item, or 0 for no item.
LPARAM ItemData(HWND h, HTREEITEM item);
std::wstring ItemText(HWND h, HTREEITEM item);
void SetItemText(HWND h, HTREEITEM item, const std::wstring& text);

HTREEITEM InsertItem(HWND h, const TVINSERTSTRUCTW& insert);
void DeleteAll(HWND h);
void Expand(HWND h, HTREEITEM item, UINT how = TVE_EXPAND);
// Makes the item the selected one; none clears the selection.
void SelectItem(HWND h, HTREEITEM item);
void EnsureVisible(HWND h, HTREEITEM item);
// Puts the children of parent (TVI_ROOT for the top level) in text order.
void SortChildren(HWND h, HTREEITEM parent);
// The rectangle of the item's text, false when the item is not shown.
bool TextRect(HWND h, HTREEITEM item, RECT& rect);
int Count(HWND h);

int Indent(HWND h);
void SetIndent(HWND h, int indent);
int ItemHeight(HWND h);
// A height of -1 goes back to the height of the font.
void SetItemHeight(HWND h, int height);
HIMAGELIST Images(HWND h);
void SetImages(HWND h, HIMAGELIST images);
void SetBackColor(HWND h, COLORREF color);
void SetTextColor(HWND h, COLORREF color);

} // namespace fw::treeview
