#pragma once
// TTreeView: the system's tree view. Nodes are made at run time and kept by
// the object, so a new window (for a new style) gets them back.
#include "toolkit/win/controls/SortType.h"
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/WinControl.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class TTreeView;

class TTreeNode {
public:
    const std::string& Text() const { return FText; }
    TTreeNode* Parent() const { return FParent; }
    int Count() const { return static_cast<int>(FChildren.size()); }
    TTreeNode* Item(int index) const { return FChildren.at(static_cast<size_t>(index)); }
    HTREEITEM ItemId() const { return FItem; }

private:
    friend class TTreeNodes;
    friend class TTreeView;
    std::string FText;
    TTreeNode* FParent = nullptr;
    std::vector<TTreeNode*> FChildren;
    HTREEITEM FItem = nullptr;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TTreeView& view) : FView(view) {}
    // Adds a node as the last child of parent (nullptr: at the top level).
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    void Clear();
    // All nodes, in the tree.
    int Count() const { return static_cast<int>(FAll.size()); }
    // The top-level nodes.
    int RootCount() const { return static_cast<int>(FRoots.size()); }
    TTreeNode* Root(int index) const { return FRoots.at(static_cast<size_t>(index)); }

private:
    friend class TTreeView;
    TTreeView& FView;
    std::vector<std::unique_ptr<TTreeNode>> FAll;
    std::vector<TTreeNode*> FRoots;
};

class TTreeView : public TWinControl {
    FW_CLASS(TTreeView)

    explicit TTreeView(TComponent* owner);
    ~TTreeView() override;

    TTreeNodes& Items() { return FItems; }
    // The selected node, from the window.
    TTreeNode* Selected();
    void SetSelected(TTreeNode* node);

    // Pixels a level is indented by; until set, the window's own choice.
    int32_t Indent() const;
    void SetIndent(int32_t v);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool v);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool v);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool v);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool v);
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool v);
    TSortType SortType() const { return FSortType; }
    void SetSortType(TSortType v);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    bool ClicksByNotification() const override { return true; }
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;

private:
    friend class TTreeNodes;
    bool IsIndentStored() const { return FIndent >= 0; }
    void SetStyleFlag(bool& field, bool v);
    void InsertNodeWindow(TTreeNode* node);
    void SortNodes(TTreeNode* parent);
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }

    TTreeNodes FItems;
    int32_t FIndent = -1; // -1: the window's own
    bool FShowButtons = true;
    bool FShowLines = true;
    bool FShowRoot = true;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FRowSelect = false;
    TSortType FSortType = stNone;
    TFormBorderStyle FBorderStyle = bsSingle;
};

} // namespace fw
