#include "toolkit/win/controls/ListView.h"

#include "toolkit/win/controls/ListViewMessages.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/window/Messages.h"

#include <commctrl.h>

namespace fw {

// --- columns ---------------------------------------------------------------------

const TClassInfo& TListColumn::StaticClassInfo() {
    using C = TListColumn;
    static const TClassInfo info = TClassBuilder<C, TCollectionItem>()
                                       .Prop("Alignment", &C::Alignment, &C::SetAlignment).Default(taLeftJustify)
                                       .Prop("AutoSize", &C::AutoSize, &C::SetAutoSize).Default(false)
                                       .Prop("Caption", &C::Caption, &C::SetCaption)
                                       .Prop("Width", &C::Width, &C::SetWidth).Default(50)
                                       .Build();
    return info;
}

TListColumn::TListColumn(TCollection* collection) : TCollectionItem(collection) {}

void TListColumn::SetCaption(const std::string& v) {
    if (FCaption == v) return;
    FCaption = v;
    Changed(false);
}

void TListColumn::SetWidth(int32_t v) {
    if (FWidth == v) return;
    FWidth = v;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment v) {
    if (FAlignment == v) return;
    FAlignment = v;
    Changed(false);
}

void TListColumn::SetAutoSize(bool v) {
    if (FAutoSize == v) return;
    FAutoSize = v;
    Changed(false);
}

void TListColumn::Assign(TPersistent* source) {
    auto* src = dynamic_cast<TListColumn*>(source);
    if (!src) {
        TCollectionItem::Assign(source);
        return;
    }
    FCaption = src->FCaption;
    FWidth = src->FWidth;
    FAlignment = src->FAlignment;
    FAutoSize = src->FAutoSize;
    Changed(false);
}

const TClassInfo& TListColumns::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TListColumns, TCollection>().Build();
    return info;
}

TListColumns::TListColumns(TListView* owner) : TCollection(TListColumn::StaticClassInfo(), owner), FView(owner) {}

void TListColumns::Update(TCollectionItem*) {
    if (FView) FView->UpdateColumns();
}

// --- items -----------------------------------------------------------------------

const TListItems::Item& TListItems::At(int index) const {
    if (index < 0 || index >= Count()) RaiseListIndexError(index);
    return FItems[static_cast<size_t>(index)];
}

int TListItems::Add(const std::string& caption, const std::vector<std::string>& subItems) {
    FItems.push_back({caption, subItems});
    int index = Count() - 1;
    if (FView.HandleAllocated()) FView.InsertItemWindow(index);
    return index;
}

void TListItems::Delete(int index) {
    At(index);
    FItems.erase(FItems.begin() + index);
    if (FView.HandleAllocated()) listview::DeleteItem(FView.Handle(), index);
}

void TListItems::Clear() {
    FItems.clear();
    if (FView.HandleAllocated()) listview::DeleteAll(FView.Handle());
}

std::string TListItems::Caption(int index) const { return At(index).Caption; }

const std::vector<std::string>& TListItems::SubItems(int index) const { return At(index).SubItems; }

// --- list view -------------------------------------------------------------------

const TClassInfo& TListView::StaticClassInfo() {
    using L = TListView;
    static const TClassInfo info =
        TClassBuilder<L, TWinControl>()
            .Prop("BorderStyle", &L::PublishedBorderStyle, &L::SetPublishedBorderStyle).Default(bsSingle)
            .Prop("Color", &L::Color, &L::SetColor).Type(ColorType()).Default(clWindow).Stored(&L::IsColorStored)
            .Prop("Columns", &L::Columns, &L::SetColumns).Stored(&L::IsColumnsStored)
            .Prop("GridLines", &L::GridLines, &L::SetGridLines).Default(false)
            .Prop("HideSelection", &L::HideSelection, &L::SetHideSelection).Default(true)
            .Prop("MultiSelect", &L::MultiSelect, &L::SetMultiSelect).Default(false)
            .Prop("ReadOnly", &L::ReadOnly, &L::SetReadOnly).Default(false)
            .Prop("RowSelect", &L::RowSelect, &L::SetRowSelect).Default(false)
            .Prop("ShowColumnHeaders", &L::ShowColumnHeaders, &L::SetShowColumnHeaders).Default(true)
            .Prop("SortType", &L::SortType, &L::SetSortType).Default(stNone)
            .Prop("TabStop", &L::TabStop, &L::SetTabStop).Default(true)
            .Prop("ViewStyle", &L::ViewStyle, &L::SetViewStyle).Default(vsIcon)
            .Prop("OnChange", &L::OnChange, &L::OnChange)
            .Build();
    return info;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner), FColumns(std::make_unique<TListColumns>(this)), FItems(*this) {
    SetBounds(0, 0, 250, 150);
    SetColor(clWindow);
    SetTabStop(true);
}

TListView::~TListView() {
    // Column changes while the columns go must not reach a window.
    Destroying();
    DestroyHandle();
}

void TListView::SetStyleFlag(bool& field, bool v) {
    if (field == v) return;
    field = v;
    RecreateWnd();
}

void TListView::SetViewStyle(TViewStyle v) {
    if (FViewStyle == v) return;
    FViewStyle = v;
    RecreateWnd();
}

void TListView::SetReadOnly(bool v) { SetStyleFlag(FReadOnly, v); }
void TListView::SetHideSelection(bool v) { SetStyleFlag(FHideSelection, v); }
void TListView::SetMultiSelect(bool v) { SetStyleFlag(FMultiSelect, v); }
void TListView::SetShowColumnHeaders(bool v) { SetStyleFlag(FShowColumnHeaders, v); }

void TListView::SetRowSelect(bool v) {
    if (FRowSelect == v) return;
    FRowSelect = v;
    ApplyExtendedStyle();
}

void TListView::SetGridLines(bool v) {
    if (FGridLines == v) return;
    FGridLines = v;
    ApplyExtendedStyle();
}

void TListView::SetSortType(TSortType v) {
    if (FSortType == v) return;
    FSortType = v;
    RecreateWnd();
}

void TListView::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
}

int32_t TListView::ItemIndex() {
    return listview::Selected(Handle());
}

void TListView::SetItemIndex(int32_t v) {
    listview::SelectOnly(Handle(), v);
}

void TListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = WC_LISTVIEWW;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.Style |= views[FViewStyle] | LVS_SHAREIMAGELISTS;
    if (!FReadOnly) p.Style |= LVS_EDITLABELS;
    if (!FHideSelection) p.Style |= LVS_SHOWSELALWAYS;
    if (!FMultiSelect) p.Style |= LVS_SINGLESEL;
    if (!FShowColumnHeaders) p.Style |= LVS_NOCOLUMNHEADER;
    if (FSortType == stText || FSortType == stBoth) p.Style |= LVS_SORTASCENDING;
    if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::ApplyExtendedStyle() {
    if (!HandleAllocated()) return;
    DWORD ex = (FRowSelect ? LVS_EX_FULLROWSELECT : 0) | (FGridLines ? LVS_EX_GRIDLINES : 0);
    listview::SetExtendedStyle(Handle(), LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, ex);
}

void TListView::UpdateColumns() {
    if (!HandleAllocated() || HasState(csDestroying)) return;
    HWND h = Handle();
    while (listview::DeleteColumn(h, 0)) {}
    for (int i = 0; i < FColumns->Count(); ++i) {
        TListColumn* c = FColumns->Items(i);
        std::wstring text = win::Wide(c->FCaption);
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        col.fmt = c->FAlignment == taCenter ? LVCFMT_CENTER : c->FAlignment == taRightJustify ? LVCFMT_RIGHT : LVCFMT_LEFT;
        col.cx = c->FWidth;
        col.pszText = text.data();
        col.iSubItem = i;
        listview::InsertColumn(h, i, col);
        if (c->FAutoSize) listview::SetColumnWidth(h, i, LVSCW_AUTOSIZE_USEHEADER);
    }
}

void TListView::InsertItemWindow(int index) {
    HWND h = Handle();
    const TListItems::Item& data = FItems.At(index);
    std::wstring text = win::Wide(data.Caption);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = index;
    item.pszText = text.data();
    int at = listview::InsertItem(h, item);
    for (size_t s = 0; s < data.SubItems.size(); ++s)
        listview::SetItemText(h, at, static_cast<int>(s + 1), win::Wide(data.SubItems[s]));
}

void TListView::InitializeWnd() {
    TWinControl::InitializeWnd();
    HWND h = Handle();
    listview::SetBackColor(h, ColorToRGB(Color()));
    ApplyExtendedStyle();
    UpdateColumns();
    for (int i = 0; i < FItems.Count(); ++i) InsertItemWindow(i);
}

// Column widths dragged by the user live in the window.
void TListView::SaveWndState() {
    TWinControl::SaveWndState();
    for (int i = 0; i < FColumns->Count(); ++i) {
        TListColumn* c = FColumns->Items(i);
        if (c->FAutoSize) continue;
        int w = listview::ColumnWidth(Handle(), i);
        if (w > 0) c->FWidth = w;
    }
}

void TListView::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        switch (hdr->code) {
        case LVN_ITEMCHANGED:
            if ((reinterpret_cast<NMLISTVIEW*>(m.LParam)->uChanged & LVIF_STATE) && !HasState(csDestroying))
                OnChange(this);
            return;
        default: break;
        }
    }
    TWinControl::WndProc(m);
}

} // namespace fw
