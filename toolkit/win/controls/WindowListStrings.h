#pragma once
// The items of a system list window (a list box or a combo box): kept by the
// window while it exists, and in a string list while it does not (before it
// is created and while it is re-created).
#include "toolkit/core/Strings.h"
#include "toolkit/win/window/Win32.h"

namespace fw {

// The message numbers of one kind of list window.
struct TListWindowMessages {
    UINT GetCount, GetTextLen, GetText, GetItemData, SetItemData, AddString, InsertString, DeleteString,
        ResetContent;
    const char* FullMessage; // when the window refuses another item
};
extern const TListWindowMessages kListBoxMessages;
extern const TListWindowMessages kComboBoxMessages;

class TWindowListStrings : public TStrings {
    FW_CLASS(TWindowListStrings)
    explicit TWindowListStrings(const TListWindowMessages& messages) : FMessages(messages) {}

    int Count() const override;
    std::string Get(int index) const override;
    TObject* GetObject(int index) const override;
    void PutObject(int index, TObject* object) override;
    // In a sorted list the line goes to its sorted place, whatever the index.
    void Insert(int index, const std::string& s) override;
    void Delete(int index) override;
    void Clear() override;

    // The items kept while there is no window.
    TStringList& Saved() { return FSaved; }
    // Copies the window's items (text and object) into Saved(), before the
    // window goes away.
    void SaveFromWindow();
    // Puts the saved items in the order a sorted list window keeps.
    void SortSaved();
    // "List index out of bounds (%d)" unless 0 <= index < count.
    void CheckIndex(int index, int count) const;

protected:
    // The list's window, or null when it has none now.
    virtual HWND Window() const = 0;
    virtual bool Sorted() const = 0;

private:
    const TListWindowMessages& FMessages;
    TStringList FSaved;
};

} // namespace fw
