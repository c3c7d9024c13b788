#include "toolkit/win/controls/ListBox.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/controls/OwnerDrawItems.h"

#include <algorithm>

namespace fw {

// --- items -----------------------------------------------------------------------

const TClassInfo& TListBoxStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TListBoxStrings, TWindowListStrings>().Build();
    return info;
}

HWND TListBoxStrings::Window() const {
    return FList.HandleAllocated() ? const_cast<TListBox&>(FList).Handle() : nullptr;
}

bool TListBoxStrings::Sorted() const { return FList.FSorted; }

// --- list box --------------------------------------------------------------------

const TClassInfo& TListBox::StaticClassInfo() {
    using L = TListBox;
    // Items come before ItemIndex, which refers to them.
    static const TClassInfo info = TClassBuilder<L, TWinControl>()
                                       .Prop("Color", &L::Color, &L::SetColor)
                                       .Type(ColorType())
                                       .Default(clWindow)
                                       .Stored(&L::IsColorStored)
                                       .Prop("Columns", &L::Columns, &L::SetColumns).Default(0)
                                       .Prop("ExtendedSelect", &L::ExtendedSelect, &L::SetExtendedSelect).Default(true)
                                       .Prop("IntegralHeight", &L::IntegralHeight, &L::SetIntegralHeight).Default(false)
                                       .Prop("ItemHeight", &L::ItemHeight, &L::SetItemHeight).Default(16)
                                       .Prop("MultiSelect", &L::MultiSelect, &L::SetMultiSelect).Default(false)
                                       .Prop("Sorted", &L::Sorted, &L::SetSorted).Default(false)
                                       .Prop("Style", &L::Style, &L::SetStyle).Default(lbStandard)
                                       .Prop("TabStop", &L::TabStop, &L::SetTabStop).Default(true)
                                       .Prop("Items", &L::Items, &L::SetItems)
                                       .Prop("ItemIndex", &L::ItemIndex, &L::SetItemIndex).Default(-1)
                                       .Prop("OnDrawItem", &L::OnDrawItem, &L::OnDrawItem)
                                       .Prop("OnMeasureItem", &L::OnMeasureItem, &L::OnMeasureItem)
                                       .Build();
    return info;
}

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TListBoxStrings>(*this)), FCanvas(std::make_unique<TCanvas>()) {
    // Clicks and double clicks come from the window's notifications.
    SetControlStyle(ControlStyle() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() = default;

void TListBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"LISTBOX";
    p.Style |= WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_HASSTRINGS;
    if (FSorted) p.Style |= LBS_SORT;
    if (FMultiSelect) p.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (FColumns > 0) p.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
    if (!FIntegralHeight) p.Style |= LBS_NOINTEGRALHEIGHT;
    if (FStyle == lbOwnerDrawFixed) p.Style |= LBS_OWNERDRAWFIXED;
    if (FStyle == lbOwnerDrawVariable) p.Style |= LBS_OWNERDRAWVARIABLE;
}

void TListBox::InitializeWnd() {
    TWinControl::InitializeWnd();
    HWND h = Handle();
    if (OwnerDrawn()) SendMessageW(h, LB_SETITEMHEIGHT, 0, FItemHeight);
    TStringList& saved = FItems->Saved();
    for (int i = 0; i < saved.Count(); ++i) {
        std::wstring w = win::Wide(saved.Get(i));
        LRESULT at = SendMessageW(h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
        if (at >= 0) SendMessageW(h, LB_SETITEMDATA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(saved.GetObject(i)));
    }
    saved.Clear();
    SetColumnWidth();
    if (FMultiSelect)
        for (int32_t i : FSelection) SendMessageW(h, LB_SETSEL, TRUE, i);
    if (FItemIndex >= 0) SetItemIndex(FItemIndex);
    SendMessageW(h, LB_SETTOPINDEX, static_cast<WPARAM>(FTopIndex), 0);
    FSelection.clear();
}

void TListBox::SaveWndState() {
    TWinControl::SaveWndState();
    HWND h = Handle();
    FItems->SaveFromWindow();
    int n = FItems->Saved().Count();
    FSelection.clear();
    for (int i = 0; i < n; ++i)
        if (SendMessageW(h, LB_GETSEL, i, 0) > 0) FSelection.push_back(i);
    FItemIndex = ItemIndex();
    FTopIndex = static_cast<int32_t>(SendMessageW(h, LB_GETTOPINDEX, 0, 0));
}

int32_t TListBox::ItemIndex() const {
    if (!HandleAllocated()) return FItemIndex;
    HWND h = const_cast<TListBox*>(this)->Handle();
    if (FMultiSelect) return static_cast<int32_t>(SendMessageW(h, LB_GETCARETINDEX, 0, 0));
    return static_cast<int32_t>(SendMessageW(h, LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int32_t v) {
    if (!HandleAllocated()) {
        FItemIndex = v < 0 ? -1 : v;
        return;
    }
    if (FMultiSelect) {
        if (v >= 0) SendMessageW(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(v), FALSE);
    } else {
        SendMessageW(Handle(), LB_SETCURSEL, static_cast<WPARAM>(v), 0);
    }
}

bool TListBox::Selected(int32_t index) const {
    FItems->CheckIndex(index, FItems->Count());
    if (!HandleAllocated())
        return FMultiSelect ? std::count(FSelection.begin(), FSelection.end(), index) > 0 : index == FItemIndex;
    HWND h = const_cast<TListBox*>(this)->Handle();
    return SendMessageW(h, LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
}

void TListBox::SetSelected(int32_t index, bool v) {
    FItems->CheckIndex(index, FItems->Count());
    if (!FMultiSelect) {
        if (v) SetItemIndex(index);
        else if (ItemIndex() == index) SetItemIndex(-1);
        return;
    }
    SendMessageW(Handle(), LB_SETSEL, v ? TRUE : FALSE, index);
}

int32_t TListBox::SelCount() const {
    if (!FMultiSelect) return -1;
    return static_cast<int32_t>(SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETSELCOUNT, 0, 0));
}

int32_t TListBox::TopIndex() const {
    if (!HandleAllocated()) return FTopIndex;
    return static_cast<int32_t>(SendMessageW(const_cast<TListBox*>(this)->Handle(), LB_GETTOPINDEX, 0, 0));
}

void TListBox::SetTopIndex(int32_t v) {
    FTopIndex = std::max(v, 0);
    if (HandleAllocated()) SendMessageW(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(FTopIndex), 0);
}

void TListBox::SetStyle(TListBoxStyle v) {
    if (FStyle == v) return;
    FStyle = v;
    RecreateWnd();
}

void TListBox::SetSorted(bool v) {
    if (FSorted == v) return;
    FSorted = v;
    if (v && !HandleAllocated()) FItems->SortSaved();
    RecreateWnd();
}

void TListBox::SetMultiSelect(bool v) {
    if (FMultiSelect == v) return;
    FMultiSelect = v;
    RecreateWnd();
}

void TListBox::SetExtendedSelect(bool v) {
    if (FExtendedSelect == v) return;
    FExtendedSelect = v;
    if (FMultiSelect) RecreateWnd();
}

void TListBox::SetColumns(int32_t v) {
    v = std::max(v, 0);
    if (FColumns == v) return;
    bool styleChanges = (FColumns == 0) != (v == 0);
    FColumns = v;
    if (styleChanges) RecreateWnd();
    else SetColumnWidth();
}

void TListBox::SetIntegralHeight(bool v) {
    if (FIntegralHeight == v) return;
    FIntegralHeight = v;
    RecreateWnd();
}

void TListBox::SetItemHeight(int32_t v) {
    v = std::max(v, 1);
    if (FItemHeight == v) return;
    FItemHeight = v;
    if (HandleAllocated() && OwnerDrawn()) {
        SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, v);
        Invalidate();
    }
}

void TListBox::SetColumnWidth() {
    if (HandleAllocated() && FColumns > 0)
        SendMessageW(Handle(), LB_SETCOLUMNWIDTH, static_cast<WPARAM>(std::max(ClientWidth() / FColumns, 1)), 0);
}

void TListBox::BoundsChanged() {
    TWinControl::BoundsChanged();
    SetColumnWidth();
}

void TListBox::DrawItem(int32_t index, const RECT& rect, TOwnerDrawState state) {
    if (OnDrawItem.Assigned()) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    ownerdraw::DrawPlainItem(*FCanvas, *Font(), Color(), *FItems, index, rect, state.Contains(odSelected));
    if (state.Contains(odFocused)) FCanvas->DrawFocusRect(rect);
}

void TListBox::WmDrawItem(const DRAWITEMSTRUCT& item) {
    ownerdraw::DrawItem(*FCanvas, Font(), item, [this](int32_t index, const RECT& rect, TOwnerDrawState state) {
        DrawItem(index, rect, state);
    });
}

void TListBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        if (HIWORD(m.WParam) == LBN_SELCHANGE) Click();
        else if (HIWORD(m.WParam) == LBN_DBLCLK) DblClick();
        return;
    case CN_DRAWITEM:
        WmDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    case CN_MEASUREITEM: {
        auto& mi = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        ownerdraw::MeasureItem(mi, FItemHeight, FStyle == lbOwnerDrawVariable, OnMeasureItem, this);
        m.Result = TRUE;
        return;
    }
    case CN_CTLCOLORLISTBOX:
        m.Result = FBrush.Answer(*this, reinterpret_cast<HDC>(m.WParam));
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
