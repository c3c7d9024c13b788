#pragma once
// TComboBox: the system's combo box. Its Items live in the window's list
// while the window exists and in a string list while it does not; the list,
// the selection and the text survive re-creating the window (Style, Sorted).
#include "toolkit/core/Strings.h"
#include "toolkit/win/controls/WindowListStrings.h"
#include "toolkit/win/graphics/ControlPaint.h"
#include "toolkit/win/window/WinControl.h"

#include <memory>

namespace fw {

class TComboBox;

FW_ENUM(TComboBoxStyle, csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable)
// The ordinals are the bit numbers of the ODS_ flags.
FW_ENUM(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused)
FW_SET(TOwnerDrawState, TOwnerDrawStateItem);
FW_EVENT_TYPE(TDrawItemEvent, TObject* /*Sender*/, int32_t /*Index*/, RECT /*Rect*/, TOwnerDrawState);
FW_EVENT_TYPE(TMeasureItemEvent, TObject* /*Sender*/, int32_t /*Index*/, int32_t& /*Height*/);

class TComboBoxStrings : public TWindowListStrings {
    FW_CLASS(TComboBoxStrings)
    explicit TComboBoxStrings(TComboBox& owner) : TWindowListStrings(kComboBoxMessages), FCombo(owner) {}

protected:
    HWND Window() const override;
    bool Sorted() const override;

private:
    TComboBox& FCombo;
};

class TComboBox : public TWinControl {
    FW_CLASS(TComboBox)

    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle v);
    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* v) { FItems->Assign(v); }
    // -1: nothing selected.
    int32_t ItemIndex() const;
    void SetItemIndex(int32_t v);
    // The edit field's text; in a drop-down list, the selected item's (setting
    // it selects the item of that text).
    std::string GetText() const override;
    void SetText(const std::string& v) override;
    // How many items the open list shows before it scrolls.
    int32_t DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int32_t v);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool v);
    // The most characters the edit field takes; 0 means no limit.
    int32_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(int32_t v);
    // The height of the items of an owner-drawn list.
    int32_t ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int32_t v);
    bool DroppedDown();
    void SetDroppedDown(bool v);

    // The inner windows: the edit field (drop-down and simple styles) and the
    // list; nullptr when there is none.
    HWND EditHandle();
    HWND ListHandle();

    // Valid inside OnDrawItem: drawing on the item's DC.
    TCanvas* Canvas() const { return FCanvas.get(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;
    TDrawItemEvent OnDrawItem;
    // Asked for each list item's height when Style is csOwnerDrawVariable;
    // Height starts at ItemHeight.
    TMeasureItemEvent OnMeasureItem;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void WndProc(TMessage& message) override;
    void UpdateBoundsRect(const RECT& old) override;
    virtual void Change() { OnChange(this); }
    virtual void DrawItem(int32_t index, const RECT& rect, TOwnerDrawState state);

private:
    friend class TComboBoxStrings;
    bool HasEditField() const { return FStyle == csDropDown || FStyle == csSimple; }
    // The height the open list adds to the window.
    int DropDownHeight();
    // Sizes the window for the box and its open list.
    void PlaceWindow(bool listChanged);
    void WmDrawItem(const DRAWITEMSTRUCT& item);

    std::unique_ptr<TComboBoxStrings> FItems;
    std::unique_ptr<TCanvas> FCanvas;
    TComboBoxStyle FStyle = csDropDown;
    int32_t FItemIndex = -1; // while there is no window
    int32_t FDropDownCount = 8;
    bool FSorted = false;
    int32_t FMaxLength = 0;
    int32_t FItemHeight = 16;
    TControlBrush FBrush;
};

} // namespace fw
