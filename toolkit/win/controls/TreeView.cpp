#include "toolkit/win/controls/TreeView.h"

#include "toolkit/win/controls/TreeViewMessages.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/window/Messages.h"

#include <commctrl.h>

namespace fw {

// --- nodes -----------------------------------------------------------------------

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
    auto node = std::make_unique<TTreeNode>();
    node->FText = text;
    node->FParent = parent;
    TTreeNode* n = node.get();
    FAll.push_back(std::move(node));
    (parent ? parent->FChildren : FRoots).push_back(n);
    if (FView.HandleAllocated()) {
        FView.InsertNodeWindow(n);
        FView.SortNodes(parent);
    }
    return n;
}

void TTreeNodes::Clear() {
    if (FView.HandleAllocated()) treeview::DeleteAll(FView.Handle());
    FRoots.clear();
    FAll.clear();
}

// --- tree view -------------------------------------------------------------------

const TClassInfo& TTreeView::StaticClassInfo() {
    using T = TTreeView;
    static const TClassInfo info =
        TClassBuilder<T, TWinControl>()
            .Prop("BorderStyle", &T::PublishedBorderStyle, &T::SetPublishedBorderStyle).Default(bsSingle)
            .Prop("Color", &T::Color, &T::SetColor).Type(ColorType()).Default(clWindow).Stored(&T::IsColorStored)
            .Prop("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true)
            .Prop("Indent", &T::Indent, &T::SetIndent).Stored(&T::IsIndentStored)
            .Prop("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false)
            .Prop("RowSelect", &T::RowSelect, &T::SetRowSelect).Default(false)
            .Prop("ShowButtons", &T::ShowButtons, &T::SetShowButtons).Default(true)
            .Prop("ShowLines", &T::ShowLines, &T::SetShowLines).Default(true)
            .Prop("ShowRoot", &T::ShowRoot, &T::SetShowRoot).Default(true)
            .Prop("SortType", &T::SortType, &T::SetSortType).Default(stNone)
            .Prop("TabStop", &T::TabStop, &T::SetTabStop).Default(true)
            .Prop("OnChange", &T::OnChange, &T::OnChange)
            .Build();
    return info;
}

TTreeView::TTreeView(TComponent* owner) : TWinControl(owner), FItems(*this) {
    SetBounds(0, 0, 121, 97);
    SetColor(clWindow);
    SetTabStop(true);
}

TTreeView::~TTreeView() {
    // The nodes go after the window that shows them.
    Destroying();
    DestroyHandle();
}

int32_t TTreeView::Indent() const {
    if (FIndent >= 0) return FIndent;
    auto* self = const_cast<TTreeView*>(this);
    return HandleAllocated() ? treeview::Indent(self->Handle()) : 0;
}

void TTreeView::SetIndent(int32_t v) {
    if (v < 0) return;
    FIndent = v;
    if (HandleAllocated()) treeview::SetIndent(Handle(), v);
}

void TTreeView::SetStyleFlag(bool& field, bool v) {
    if (field == v) return;
    field = v;
    RecreateWnd();
}

void TTreeView::SetShowButtons(bool v) { SetStyleFlag(FShowButtons, v); }
void TTreeView::SetShowLines(bool v) { SetStyleFlag(FShowLines, v); }
void TTreeView::SetShowRoot(bool v) { SetStyleFlag(FShowRoot, v); }
void TTreeView::SetReadOnly(bool v) { SetStyleFlag(FReadOnly, v); }
void TTreeView::SetHideSelection(bool v) { SetStyleFlag(FHideSelection, v); }
void TTreeView::SetRowSelect(bool v) { SetStyleFlag(FRowSelect, v); }

void TTreeView::SetSortType(TSortType v) {
    if (FSortType == v) return;
    FSortType = v;
    if (!HandleAllocated()) return;
    SortNodes(nullptr);
    for (auto& n : FItems.FAll) SortNodes(n.get());
}

void TTreeView::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
}

TTreeNode* TTreeView::Selected() {
    HTREEITEM item = treeview::Selected(Handle());
    if (!item) return nullptr;
    return reinterpret_cast<TTreeNode*>(treeview::ItemData(Handle(), item));
}

void TTreeView::SetSelected(TTreeNode* node) {
    treeview::SelectItem(Handle(), node ? node->FItem : nullptr);
}

// Text order when sorting by text; the tree view has no data to sort by.
void TTreeView::SortNodes(TTreeNode* parent) {
    if (FSortType != stText && FSortType != stBoth) return;
    treeview::SortChildren(Handle(), parent ? parent->FItem : TVI_ROOT);
}

void TTreeView::InsertNodeWindow(TTreeNode* node) {
    std::wstring text = win::Wide(node->FText);
    TVINSERTSTRUCTW ins{};
    ins.hParent = node->FParent ? node->FParent->FItem : TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM;
    ins.item.pszText = text.data();
    ins.item.lParam = reinterpret_cast<LPARAM>(node);
    node->FItem = treeview::InsertItem(Handle(), ins);
}

void TTreeView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = WC_TREEVIEWW;
    if (FShowButtons) p.Style |= TVS_HASBUTTONS;
    if (FShowLines) p.Style |= TVS_HASLINES;
    if (FShowRoot) p.Style |= TVS_LINESATROOT;
    if (!FReadOnly) p.Style |= TVS_EDITLABELS;
    if (!FHideSelection) p.Style |= TVS_SHOWSELALWAYS;
    if (FRowSelect) p.Style |= TVS_FULLROWSELECT;
    if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TTreeView::InitializeWnd() {
    TWinControl::InitializeWnd();
    HWND h = Handle();
    treeview::SetBackColor(h, ColorToRGB(Color()));
    if (FIndent >= 0) treeview::SetIndent(h, FIndent);
    // Nodes were made parents first, so each parent is in the window before its children.
    for (auto& n : FItems.FAll) InsertNodeWindow(n.get());
    SortNodes(nullptr);
    for (auto& n : FItems.FAll) SortNodes(n.get());
}

void TTreeView::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        switch (hdr->code) {
        case TVN_SELCHANGEDW:
            if (!HasState(csDestroying)) OnChange(this);
            return;
        default: break;
        }
    }
    TWinControl::WndProc(m);
}

} // namespace fw
