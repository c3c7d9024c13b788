#include "toolkit/win/controls/WindowListStrings.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace fw {

const TListWindowMessages kListBoxMessages{LB_GETCOUNT,    LB_GETTEXTLEN,   LB_GETTEXT,       LB_GETITEMDATA,
                                           LB_SETITEMDATA, LB_ADDSTRING,    LB_INSERTSTRING,  LB_DELETESTRING,
                                           LB_RESETCONTENT, "The list box cannot take more items"};
const TListWindowMessages kComboBoxMessages{CB_GETCOUNT,    CB_GETLBTEXTLEN, CB_GETLBTEXT,     CB_GETITEMDATA,
                                            CB_SETITEMDATA, CB_ADDSTRING,    CB_INSERTSTRING,  CB_DELETESTRING,
                                            CB_RESETCONTENT, "The combo box cannot take more items"};

namespace {
// The order the window's sorted list uses.
bool SortsBefore(const std::string& a, const std::string& b) {
    return lstrcmpiW(win::Wide(a).c_str(), win::Wide(b).c_str()) < 0;
}
} // namespace

const TClassInfo& TWindowListStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TWindowListStrings, TStrings>().Build();
    return info;
}

void TWindowListStrings::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) Error("List index out of bounds (%d)", index);
}

int TWindowListStrings::Count() const {
    if (HWND h = Window()) return static_cast<int>(SendMessageW(h, FMessages.GetCount, 0, 0));
    return FSaved.Count();
}

std::string TWindowListStrings::Get(int index) const {
    CheckIndex(index, Count());
    HWND h = Window();
    if (!h) return FSaved.Get(index);
    LRESULT n = SendMessageW(h, FMessages.GetTextLen, static_cast<WPARAM>(index), 0);
    if (n < 0) return {};
    std::wstring w(static_cast<size_t>(n) + 1, L'\0');
    n = SendMessageW(h, FMessages.GetText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(w.data()));
    w.resize(static_cast<size_t>(std::max<LRESULT>(n, 0)));
    return win::Narrow(w);
}

TObject* TWindowListStrings::GetObject(int index) const {
    CheckIndex(index, Count());
    if (HWND h = Window()) return reinterpret_cast<TObject*>(SendMessageW(h, FMessages.GetItemData, index, 0));
    return FSaved.GetObject(index);
}

void TWindowListStrings::PutObject(int index, TObject* object) {
    CheckIndex(index, Count());
    if (HWND h = Window()) SendMessageW(h, FMessages.SetItemData, index, reinterpret_cast<LPARAM>(object));
    else FSaved.PutObject(index, object);
}

void TWindowListStrings::Insert(int index, const std::string& s) {
    if (index < 0 || index > Count()) Error("List index out of bounds (%d)", index);
    if (HWND h = Window()) {
        std::wstring w = win::Wide(s);
        UINT msg = Sorted() ? FMessages.AddString : FMessages.InsertString;
        if (SendMessageW(h, msg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(w.c_str())) < 0)
            throw EInvalidOperation(FMessages.FullMessage);
        return;
    }
    if (Sorted()) {
        index = 0;
        while (index < FSaved.Count() && !SortsBefore(s, FSaved.Get(index))) ++index;
    }
    FSaved.Insert(index, s);
}

void TWindowListStrings::SaveFromWindow() {
    HWND h = Window();
    if (!h) return;
    int n = Count();
    std::vector<std::pair<std::string, TObject*>> items;
    for (int i = 0; i < n; ++i) items.emplace_back(Get(i), GetObject(i));
    FSaved.Clear();
    for (auto& [text, object] : items) FSaved.AddObject(text, object);
}

void TWindowListStrings::SortSaved() {
    std::vector<std::pair<std::string, TObject*>> items;
    for (int i = 0; i < FSaved.Count(); ++i) items.emplace_back(FSaved.Get(i), FSaved.GetObject(i));
    std::stable_sort(items.begin(), items.end(), [](auto& a, auto& b) { return SortsBefore(a.first, b.first); });
    FSaved.Clear();
    for (auto& [text, object] : items) FSaved.AddObject(text, object);
}

void TWindowListStrings::Delete(int index) {
    CheckIndex(index, Count());
    if (HWND h = Window()) SendMessageW(h, FMessages.DeleteString, index, 0);
    else FSaved.Delete(index);
}

void TWindowListStrings::Clear() {
    if (HWND h = Window()) SendMessageW(h, FMessages.ResetContent, 0, 0);
    else FSaved.Clear();
}

} // namespace fw
