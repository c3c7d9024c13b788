#pragma once
// TListView: the system's list view in its four views. Columns (report view)
// are a stored collection; items are made at run time and kept by the object,
// so a new window gets them back. The report view's header is the list
// view's own inner child window.
#include "toolkit/core/Collection.h"
#include "toolkit/win/controls/SortType.h"
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/WinControl.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class TListView;

FW_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)

class TListColumn : public TCollectionItem {
    FW_CLASS(TListColumn)

    explicit TListColumn(TCollection* collection);

    std::string Caption() const { return FCaption; }
    void SetCaption(const std::string& v);
    int32_t Width() const { return FWidth; }
    void SetWidth(int32_t v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    // The column takes the width of its widest text.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    void Assign(TPersistent* source) override;
    std::string DisplayName() const override { return FCaption.empty() ? ClassName() : FCaption; }

private:
    friend class TListView;
    std::string FCaption;
    int32_t FWidth = 50;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = false;
};

class TListColumns : public TCollection {
    FW_CLASS(TListColumns)
    explicit TListColumns(TListView* owner);
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }

protected:
    void Update(TCollectionItem* item) override;

private:
    TListView* FView;
};

// The items of a list view: a caption and the texts of the further columns.
class TListItems {
public:
    explicit TListItems(TListView& view) : FView(view) {}
    int Count() const { return static_cast<int>(FItems.size()); }
    int Add(const std::string& caption, const std::vector<std::string>& subItems = {});
    void Delete(int index);
    void Clear();
    std::string Caption(int index) const;
    const std::vector<std::string>& SubItems(int index) const;

private:
    friend class TListView;
    struct Item {
        std::string Caption;
        std::vector<std::string> SubItems;
    };
    const Item& At(int index) const;
    TListView& FView;
    std::vector<Item> FItems;
};

class TListView : public TWinControl {
    FW_CLASS(TListView)

    explicit TListView(TComponent* owner);
    ~TListView() override;

    TListColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TListColumns* v) { FColumns->Assign(v); }
    TListItems& Items() { return FItems; }
    // The first selected item (-1 for none), read from the window.
    int32_t ItemIndex();
    void SetItemIndex(int32_t v);

    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle v);
    // Item captions cannot be edited in place.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool v);
    bool GridLines() const { return FGridLines; }
    void SetGridLines(bool v);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    TSortType SortType() const { return FSortType; }
    void SetSortType(TSortType v);
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool v);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    bool ClicksByNotification() const override { return true; }
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;

private:
    friend class TListColumns;
    friend class TListItems;
    bool IsColumnsStored() const { return FColumns->Count() > 0; }
    void SetStyleFlag(bool& field, bool v);
    void ApplyExtendedStyle();
    void UpdateColumns();
    void InsertItemWindow(int index);
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }

    std::unique_ptr<TListColumns> FColumns;
    TListItems FItems;
    TViewStyle FViewStyle = vsIcon;
    bool FReadOnly = false;
    bool FRowSelect = false;
    bool FGridLines = false;
    bool FHideSelection = true;
    bool FMultiSelect = false;
    TSortType FSortType = stNone;
    bool FShowColumnHeaders = true;
    TFormBorderStyle FBorderStyle = bsSingle;
};

} // namespace fw
