#pragma once
// TListBox: the system's list box. Its Items live in the window while it
// exists and in a string list while it does not, so the items, the selection
// and the top line survive re-creating the window (Sorted, Style, MultiSelect,
// Columns, IntegralHeight).
#include "toolkit/core/Strings.h"
#include "toolkit/win/controls/ComboBox.h"
#include "toolkit/win/controls/WindowListStrings.h"
#include "toolkit/win/window/WinControl.h"

#include <memory>

namespace fw {

class TListBox;

FW_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)

class TListBoxStrings : public TWindowListStrings {
    FW_CLASS(TListBoxStrings)
    explicit TListBoxStrings(TListBox& owner) : TWindowListStrings(kListBoxMessages), FList(owner) {}

protected:
    HWND Window() const override;
    bool Sorted() const override;

private:
    TListBox& FList;
};

class TListBox : public TWinControl {
    FW_CLASS(TListBox)

    explicit TListBox(TComponent* owner);
    ~TListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* v) { FItems->Assign(v); }
    // The focused (single selection: the selected) item; -1 for none.
    int32_t ItemIndex() const;
    void SetItemIndex(int32_t v);
    // Whether an item is selected (meaningful with MultiSelect).
    bool Selected(int32_t index) const;
    void SetSelected(int32_t index, bool v);
    int32_t SelCount() const;
    int32_t TopIndex() const;
    void SetTopIndex(int32_t v);

    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle v);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    // With MultiSelect: shift and control extend the selection (else a click toggles).
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool v);
    // More than 0: the items flow into columns of Width / Columns pixels.
    int32_t Columns() const { return FColumns; }
    void SetColumns(int32_t v);
    // The window shrinks to show only whole items.
    bool IntegralHeight() const { return FIntegralHeight; }
    void SetIntegralHeight(bool v);
    // The height of the items of an owner-drawn list.
    int32_t ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int32_t v);

    // Valid inside OnDrawItem: drawing on the item's DC.
    TCanvas* Canvas() const { return FCanvas.get(); }
    TDrawItemEvent OnDrawItem;
    // Asked for each item's height when Style is lbOwnerDrawVariable; Height
    // starts at ItemHeight.
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void WndProc(TMessage& message) override;
    void BoundsChanged() override;
    virtual void DrawItem(int32_t index, const RECT& rect, TOwnerDrawState state);

private:
    friend class TListBoxStrings;
    bool OwnerDrawn() const { return FStyle != lbStandard; }
    void SetColumnWidth();
    void WmDrawItem(const DRAWITEMSTRUCT& item);

    std::unique_ptr<TListBoxStrings> FItems;
    std::unique_ptr<TCanvas> FCanvas;
    TListBoxStyle FStyle = lbStandard;
    bool FSorted = false;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    int32_t FColumns = 0;
    bool FIntegralHeight = false;
    int32_t FItemHeight = 16;
    // Kept while there is no window.
    int32_t FItemIndex = -1;
    int32_t FTopIndex = 0;
    std::vector<int32_t> FSelection;
    TControlBrush FBrush;
};

} // namespace fw
