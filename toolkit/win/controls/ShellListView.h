#pragma once
// TShellListView: a list of the real files and folders of a folder. Root
// names where the list starts: a well-known folder ("rfDesktop",
// "rfPersonal", ...), "rfMyComputer" for the drives, or a path. Folders come
// first; with Sorted each group is in name order. Double-click or Enter on a
// folder goes into it, Backspace goes back up, not above Root. The items are
// made from the folder and never stored.
#include "toolkit/win/controls/ListView.h"
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/WinControl.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

FW_ENUM(TShellObjectType, otFolders, otNonFolders, otHidden)
FW_SET(TShellObjectTypes, TShellObjectType);

class TShellListView : public TWinControl {
    FW_CLASS(TShellListView)

    explicit TShellListView(TComponent* owner);
    ~TShellListView() override;

    std::string Root() const { return FRoot; }
    // Goes to the new root's folder.
    void SetRoot(const std::string& v);
    // The folder a root name stands for; "" for the drive list and for
    // places with no folder on disk. A name that is none of the known ones
    // is a path.
    static std::string RootFolder(const std::string& root);

    // The folder listed; "" while the drives are listed.
    std::string Path();
    // Lists another folder (anywhere; going up still stops at Root).
    void SetPath(const std::string& v);
    bool ShowingDrives();

    TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
    void SetObjectTypes(TShellObjectTypes v);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool v);
    // Names cannot be edited (and so files not renamed) in place.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool v);
    // Double-click, Enter and Backspace move between folders.
    bool AutoNavigate() const { return FAutoNavigate; }
    void SetAutoNavigate(bool v) { FAutoNavigate = v; }
    // The folder is read again every half second while the window is shown,
    // and listed anew when it changed.
    bool AutoRefresh() const { return FAutoRefresh; }
    void SetAutoRefresh(bool v);
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle v);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool v);
    bool ShowColumnHeaders() const { return FShowColumnHeaders; }
    void SetShowColumnHeaders(bool v);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);

    // The listed items, in the order shown.
    int ItemCount();
    std::string ItemName(int index);
    std::string ItemPath(int index);
    bool ItemIsFolder(int index);
    // The first selected item (-1 for none).
    int32_t ItemIndex();
    void SetItemIndex(int32_t v);

    // Goes into a listed folder; false for a file or a bad index.
    bool EnterFolder(int index);
    // Goes to the folder above; false at Root.
    bool GoUp();
    // Reads the folder again, keeping the selected name when it is still there.
    void Refresh();
    // Renames a listed file or folder on disk; false (and nothing changed)
    // for a name that is empty, holds a path or a character files cannot
    // have, or when the system refuses.
    bool Rename(int index, const std::string& newName);

    void SetColor(int32_t v) override;
    void WndProc(TMessage& message) override;
    void Loaded() override;

    // The folder listed changed.
    TNotifyEvent OnChange;

protected:
    bool ClicksByNotification() const override { return true; }
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void FontChanged() override;

private:
    struct TEntry {
        std::wstring Name;
        bool Folder = false;
        bool Hidden = false;
        uint64_t Size = 0;
        FILETIME Modified{};
    };
    bool IsRootStored() const { return FRoot != "rfDesktop"; }
    bool IsObjectTypesStored() const { return !(FObjectTypes == TShellObjectTypes{otFolders}); }
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }
    void SetStyleFlag(bool& field, bool v);
    TEntry& At(int index);
    void EnsureListed();
    // Lists a folder ("" with drives: the drive list), selects the entry
    // named select, and with notify tells OnChange when it is another folder.
    void Navigate(const std::wstring& path, bool drives, const std::wstring& select, bool notify);
    std::vector<TEntry> ReadEntries() const;
    void FillWindow();
    void InsertItemWindow(int index);
    void SelectByName(const std::wstring& name);
    void CheckForChanges();
    void ApplyColor();

    std::string FRoot = "rfDesktop";
    std::wstring FPath;
    bool FDrives = false;
    bool FListed = false;
    std::vector<TEntry> FEntries;
    int32_t FSavedIndex = -1;
    TShellObjectTypes FObjectTypes{otFolders};
    bool FSorted = false;
    bool FReadOnly = true;
    bool FHideSelection = true;
    bool FAutoNavigate = true;
    bool FAutoRefresh = false;
    TViewStyle FViewStyle = vsReport;
    bool FMultiSelect = false;
    bool FShowColumnHeaders = true;
    TFormBorderStyle FBorderStyle = bsSingle;
};

} // namespace fw
