#include "toolkit/win/controls/ShellListView.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Text.h"
#include "toolkit/win/controls/FolderListing.h"
#include "toolkit/win/controls/ListViewMessages.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/Font.h"
#include "toolkit/win/window/Messages.h"

#include <algorithm>
#include <commctrl.h>
#include <map>
#include <shlobj.h>

namespace fw {

namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr UINT kRefreshMillis = 500;
constexpr int kNoFolder = -1;
constexpr int kDriveList = -2;

struct TRootName {
    const char* Name;
    int Folder; // a CSIDL value, or kNoFolder / kDriveList
};

const TRootName kRoots[] = {
    {"rfDesktop", CSIDL_DESKTOPDIRECTORY},
    {"rfMyComputer", kDriveList},
    {"rfNetwork", CSIDL_NETHOOD},
    {"rfRecycleBin", kNoFolder},
    {"rfAppData", CSIDL_APPDATA},
    {"rfCommonDesktopDirectory", CSIDL_COMMON_DESKTOPDIRECTORY},
    {"rfCommonPrograms", CSIDL_COMMON_PROGRAMS},
    {"rfCommonStartMenu", CSIDL_COMMON_STARTMENU},
    {"rfCommonStartup", CSIDL_COMMON_STARTUP},
    {"rfControlPanel", kNoFolder},
    {"rfDesktopDirectory", CSIDL_DESKTOPDIRECTORY},
    {"rfFavorites", CSIDL_FAVORITES},
    {"rfFonts", CSIDL_FONTS},
    {"rfInternet", kNoFolder},
    {"rfPersonal", CSIDL_PERSONAL},
    {"rfPrinters", kNoFolder},
    {"rfPrintHood", CSIDL_PRINTHOOD},
    {"rfPrograms", CSIDL_PROGRAMS},
    {"rfRecent", CSIDL_RECENT},
    {"rfSendTo", CSIDL_SENDTO},
    {"rfStartMenu", CSIDL_STARTMENU},
    {"rfStartup", CSIDL_STARTUP},
    {"rfTemplates", CSIDL_TEMPLATES},
};

// The folder of a root name; drives is set for the drive list.
std::wstring ResolveRoot(const std::string& root, bool& drives) {
    drives = false;
    for (const TRootName& r : kRoots) {
        if (!SameText(root, r.Name)) continue;
        if (r.Folder == kDriveList) drives = true;
        if (r.Folder < 0) return {};
        wchar_t buf[MAX_PATH] = {};
        if (FAILED(SHGetFolderPathW(nullptr, r.Folder, nullptr, SHGFP_TYPE_CURRENT, buf))) return {};
        return folders::NormalizePath(buf);
    }
    if (root.empty()) return {};
    return folders::NormalizePath(win::Wide(root));
}

std::wstring Extension(const std::wstring& name) {
    size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos || dot == 0) return {};
    return name.substr(dot);
}

// The shell's type text and small icon of a kind of entry, asked once per
// extension; the name is not looked at on disk.
struct TKind {
    std::wstring Type;
    int Icon = 0;
};

TKind KindOf(const std::wstring& name, bool folder, bool drive) {
    static std::map<std::wstring, TKind> cache;
    std::wstring key = drive ? L"<drive>" : folder ? L"<folder>" : Extension(name);
    CharLowerBuffW(key.data(), static_cast<DWORD>(key.size()));
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    SHFILEINFOW info{};
    std::wstring probe = drive ? name : folder ? L"folder" : L"file" + key;
    DWORD attrs = folder || drive ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
    TKind kind;
    if (SHGetFileInfoW(probe.c_str(), attrs, &info, sizeof info,
                       SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME | SHGFI_SYSICONINDEX | SHGFI_SMALLICON)) {
        kind.Type = info.szTypeName;
        kind.Icon = info.iIcon;
    }
    if (kind.Type.empty()) {
        if (drive) kind.Type = L"Drive";
        else if (folder) kind.Type = L"Folder";
        else if (key.size() > 1) {
            std::wstring ext = key.substr(1);
            CharUpperBuffW(ext.data(), static_cast<DWORD>(ext.size()));
            kind.Type = ext + L" File";
        } else kind.Type = L"File";
    }
    cache.emplace(key, kind);
    return kind;
}

HIMAGELIST SystemImages(bool small) {
    SHFILEINFOW info{};
    UINT flags = SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON);
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"folder", FILE_ATTRIBUTE_DIRECTORY, &info, sizeof info, flags));
}

// A name a file can be given in its folder.
bool IsValidFileName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L".." || name.size() > 255) return false;
    for (wchar_t c : name)
        if (c < 32 || wcschr(L"\\/:*?\"<>|", c)) return false;
    return name.back() != L' ' && name.back() != L'.';
}

} // namespace

const TClassInfo& TShellListView::StaticClassInfo() {
    using L = TShellListView;
    static const TClassInfo info =
        TClassBuilder<L, TWinControl>()
            .Prop("AutoNavigate", &L::AutoNavigate, &L::SetAutoNavigate).Default(true)
            .Prop("AutoRefresh", &L::AutoRefresh, &L::SetAutoRefresh).Default(false)
            .Prop("BorderStyle", &L::PublishedBorderStyle, &L::SetPublishedBorderStyle).Default(bsSingle)
            .Prop("Color", &L::Color, &L::SetColor).Type(ColorType()).Default(clWindow).Stored(&L::IsColorStored)
            .Prop("HideSelection", &L::HideSelection, &L::SetHideSelection).Default(true)
            .Prop("MultiSelect", &L::MultiSelect, &L::SetMultiSelect).Default(false)
            .Prop("ObjectTypes", &L::ObjectTypes, &L::SetObjectTypes).Stored(&L::IsObjectTypesStored)
            .Prop("ReadOnly", &L::ReadOnly, &L::SetReadOnly).Default(true)
            .Prop("Root", &L::Root, &L::SetRoot).Stored(&L::IsRootStored)
            .Prop("ShowColumnHeaders", &L::ShowColumnHeaders, &L::SetShowColumnHeaders).Default(true)
            .Prop("Sorted", &L::Sorted, &L::SetSorted).Default(false)
            .Prop("TabStop", &L::TabStop, &L::SetTabStop).Default(true)
            .Prop("ViewStyle", &L::ViewStyle, &L::SetViewStyle).Default(vsReport)
            .Prop("OnChange", &L::OnChange, &L::OnChange)
            .Build();
    return info;
}

TShellListView::TShellListView(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 250, 150);
    SetColor(clWindow);
    SetTabStop(true);
}

TShellListView::~TShellListView() {
    Destroying();
    DestroyHandle();
}

std::string TShellListView::RootFolder(const std::string& root) {
    bool drives;
    return win::Narrow(ResolveRoot(root, drives));
}

// --- properties ------------------------------------------------------------------

void TShellListView::SetRoot(const std::string& v) {
    if (FRoot == v) return;
    FRoot = v;
    FListed = false;
    if (HasState(csLoading)) return;
    bool drives;
    std::wstring folder = ResolveRoot(FRoot, drives);
    Navigate(folder, drives, {}, true);
}

std::string TShellListView::Path() {
    EnsureListed();
    return win::Narrow(FPath);
}

void TShellListView::SetPath(const std::string& v) {
    EnsureListed();
    if (v.empty()) return;
    Navigate(folders::NormalizePath(win::Wide(v)), false, {}, true);
}

bool TShellListView::ShowingDrives() {
    EnsureListed();
    return FDrives;
}

void TShellListView::SetObjectTypes(TShellObjectTypes v) {
    if (FObjectTypes == v) return;
    FObjectTypes = v;
    if (FListed) Refresh();
}

void TShellListView::SetSorted(bool v) {
    if (FSorted == v) return;
    FSorted = v;
    if (FListed) Refresh();
}

void TShellListView::SetStyleFlag(bool& field, bool v) {
    if (field == v) return;
    field = v;
    RecreateWnd();
}

void TShellListView::SetReadOnly(bool v) { SetStyleFlag(FReadOnly, v); }
void TShellListView::SetHideSelection(bool v) { SetStyleFlag(FHideSelection, v); }
void TShellListView::SetMultiSelect(bool v) { SetStyleFlag(FMultiSelect, v); }
void TShellListView::SetShowColumnHeaders(bool v) { SetStyleFlag(FShowColumnHeaders, v); }

void TShellListView::SetViewStyle(TViewStyle v) {
    if (FViewStyle == v) return;
    FViewStyle = v;
    RecreateWnd();
}

void TShellListView::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
}

void TShellListView::SetAutoRefresh(bool v) {
    if (FAutoRefresh == v) return;
    FAutoRefresh = v;
    if (!HandleAllocated()) return;
    if (v) SetTimer(Handle(), kRefreshTimer, kRefreshMillis, nullptr);
    else KillTimer(Handle(), kRefreshTimer);
}

void TShellListView::SetColor(int32_t v) {
    TWinControl::SetColor(v);
    ApplyColor();
}

void TShellListView::Loaded() {
    TWinControl::Loaded();
    EnsureListed();
}

// --- items -----------------------------------------------------------------------

TShellListView::TEntry& TShellListView::At(int index) {
    EnsureListed();
    if (index < 0 || index >= static_cast<int>(FEntries.size())) RaiseListIndexError(index);
    return FEntries[static_cast<size_t>(index)];
}

int TShellListView::ItemCount() {
    EnsureListed();
    return static_cast<int>(FEntries.size());
}

std::string TShellListView::ItemName(int index) { return win::Narrow(At(index).Name); }

std::string TShellListView::ItemPath(int index) {
    const TEntry& e = At(index);
    return win::Narrow(FDrives ? e.Name : folders::JoinPath(FPath, e.Name));
}

bool TShellListView::ItemIsFolder(int index) { return At(index).Folder; }

int32_t TShellListView::ItemIndex() {
    if (!HandleAllocated()) return FSavedIndex;
    return listview::Selected(Handle());
}

void TShellListView::SetItemIndex(int32_t v) {
    if (!HandleAllocated()) {
        FSavedIndex = v;
        return;
    }
    bool listed = v >= 0 && v < ItemCount();
    listview::SelectOnly(Handle(), listed ? v : -1);
    if (listed) listview::EnsureVisible(Handle(), v);
}

// --- navigation ------------------------------------------------------------------

void TShellListView::EnsureListed() {
    if (FListed) return;
    FListed = true;
    bool drives;
    std::wstring folder = ResolveRoot(FRoot, drives);
    // The first listing is where the control starts, not a change.
    Navigate(folder, drives, {}, false);
}

std::vector<TShellListView::TEntry> TShellListView::ReadEntries() const {
    std::vector<TEntry> out;
    if (FDrives) {
        DWORD n = GetLogicalDriveStringsW(0, nullptr);
        std::wstring buf(n + 1, L'\0');
        DWORD got = GetLogicalDriveStringsW(n, buf.data());
        if (got > 0 && got <= n)
            for (const wchar_t* p = buf.c_str(); *p; p += wcslen(p) + 1) {
                TEntry e;
                e.Name = p;
                e.Folder = true;
                out.push_back(std::move(e));
            }
        return out;
    }
    for (auto& f : folders::ReadFolder(FPath)) {
        if (f.Hidden && !FObjectTypes.Contains(otHidden)) continue;
        if (f.Folder ? !FObjectTypes.Contains(otFolders) : !FObjectTypes.Contains(otNonFolders)) continue;
        TEntry e;
        e.Name = std::move(f.Name);
        e.Folder = f.Folder;
        e.Hidden = f.Hidden;
        e.Size = f.Size;
        e.Modified = f.Modified;
        out.push_back(std::move(e));
    }
    if (FSorted)
        std::stable_sort(out.begin(), out.end(), [](const TEntry& a, const TEntry& b) {
            if (a.Folder != b.Folder) return a.Folder;
            return folders::CompareNames(a.Name, b.Name) < 0;
        });
    else
        std::stable_partition(out.begin(), out.end(), [](const TEntry& e) { return e.Folder; });
    return out;
}

void TShellListView::Navigate(const std::wstring& path, bool drives, const std::wstring& select, bool notify) {
    bool changed = notify && (path != FPath || drives != FDrives);
    FPath = drives ? std::wstring() : path;
    FDrives = drives;
    FListed = true;
    FEntries = ReadEntries();
    FSavedIndex = -1;
    FillWindow();
    if (!select.empty()) SelectByName(select);
    if (changed && !HasState(csLoading) && !HasState(csDestroying)) OnChange(this);
}

bool TShellListView::EnterFolder(int index) {
    const TEntry& e = At(index);
    if (!e.Folder) return false;
    std::wstring target = FDrives ? e.Name : folders::JoinPath(FPath, e.Name);
    Navigate(target, false, {}, true);
    return true;
}

bool TShellListView::GoUp() {
    EnsureListed();
    if (FDrives) return false;
    bool rootDrives;
    std::wstring root = ResolveRoot(FRoot, rootDrives);
    if (!rootDrives && (FPath.empty() || folders::SameName(FPath, root))) return false;
    std::wstring from = FPath;
    std::wstring parent = folders::ParentPath(FPath);
    std::vector<std::wstring> parts = folders::PathParts(from);
    std::wstring name = parts.empty() ? from : parts.back();
    if (parent.empty()) {
        if (!rootDrives) return false;
        Navigate({}, true, from, true);
    } else {
        Navigate(parent, false, name, true);
    }
    return true;
}

void TShellListView::Refresh() {
    std::wstring selected;
    int32_t index = ItemIndex();
    if (index >= 0 && index < static_cast<int>(FEntries.size())) selected = FEntries[static_cast<size_t>(index)].Name;
    FEntries = ReadEntries();
    FSavedIndex = -1;
    FillWindow();
    if (!selected.empty()) SelectByName(selected);
}

bool TShellListView::Rename(int index, const std::string& newName) {
    TEntry& e = At(index);
    std::wstring name = win::Wide(newName);
    if (FDrives || !IsValidFileName(name)) return false;
    if (name == e.Name) return true;
    std::wstring from = folders::LongPathForm(folders::JoinPath(FPath, e.Name));
    std::wstring to = folders::LongPathForm(folders::JoinPath(FPath, name));
    if (!MoveFileW(from.c_str(), to.c_str())) return false;
    e.Name = name;
    return true;
}

void TShellListView::SelectByName(const std::wstring& name) {
    for (size_t i = 0; i < FEntries.size(); ++i)
        if (folders::SameName(FEntries[i].Name, name)) {
            SetItemIndex(static_cast<int32_t>(i));
            return;
        }
}

// The timer's look at the folder: a new listing only when something changed.
void TShellListView::CheckForChanges() {
    if (!FListed || FDrives) return;
    std::vector<TEntry> fresh = ReadEntries();
    bool same = fresh.size() == FEntries.size();
    for (size_t i = 0; same && i < fresh.size(); ++i)
        same = fresh[i].Name == FEntries[i].Name && fresh[i].Size == FEntries[i].Size &&
               CompareFileTime(&fresh[i].Modified, &FEntries[i].Modified) == 0;
    if (!same) Refresh();
}

// --- the window ------------------------------------------------------------------

void TShellListView::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = WC_LISTVIEWW;
    static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    p.Style |= views[FViewStyle] | LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
    if (!FReadOnly) p.Style |= LVS_EDITLABELS;
    if (!FHideSelection) p.Style |= LVS_SHOWSELALWAYS;
    if (!FMultiSelect) p.Style |= LVS_SINGLESEL;
    if (!FShowColumnHeaders) p.Style |= LVS_NOCOLUMNHEADER;
    if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TShellListView::ApplyColor() {
    if (!HandleAllocated()) return;
    listview::SetBackColor(Handle(), ColorToRGB(Color()));
    listview::SetTextColor(Handle(), ColorToRGB(Font()->Color()));
}

void TShellListView::FontChanged() {
    TWinControl::FontChanged();
    ApplyColor();
}

void TShellListView::InitializeWnd() {
    TWinControl::InitializeWnd();
    HWND h = Handle();
    ApplyColor();
    listview::SetImages(h, LVSIL_SMALL, SystemImages(true));
    listview::SetImages(h, LVSIL_NORMAL, SystemImages(false));
    struct {
        const wchar_t* Caption;
        int Width;
        int Format;
    } columns[] = {{L"Name", 150, LVCFMT_LEFT},
                   {L"Size", 70, LVCFMT_RIGHT},
                   {L"Type", 100, LVCFMT_LEFT},
                   {L"Modified", 120, LVCFMT_LEFT}};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNW col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        col.fmt = columns[i].Format;
        col.cx = columns[i].Width;
        col.pszText = const_cast<wchar_t*>(columns[i].Caption);
        col.iSubItem = i;
        listview::InsertColumn(h, i, col);
    }
    if (FAutoRefresh) SetTimer(h, kRefreshTimer, kRefreshMillis, nullptr);
    if (HasState(csLoading)) return;
    int32_t keep = FSavedIndex;
    EnsureListed();
    FillWindow();
    SetItemIndex(keep);
}

void TShellListView::SaveWndState() {
    TWinControl::SaveWndState();
    FSavedIndex = listview::Selected(Handle());
    KillTimer(Handle(), kRefreshTimer);
}

void TShellListView::FillWindow() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageW(h, WM_SETREDRAW, FALSE, 0);
    listview::DeleteAll(h);
    for (int i = 0; i < static_cast<int>(FEntries.size()); ++i) InsertItemWindow(i);
    SendMessageW(h, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(h, nullptr, TRUE);
}

void TShellListView::InsertItemWindow(int index) {
    HWND h = Handle();
    const TEntry& e = FEntries[static_cast<size_t>(index)];
    TKind kind = KindOf(e.Name, e.Folder, FDrives);
    std::wstring text = e.Name;
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    item.iItem = index;
    item.pszText = text.data();
    item.iImage = kind.Icon;
    item.lParam = index;
    int at = listview::InsertItem(h, item);
    std::wstring subs[3] = {e.Folder ? std::wstring() : win::Wide(folders::FormatFileSize(e.Size)), kind.Type,
                            win::Wide(folders::FormatFileTime(e.Modified))};
    for (int s = 0; s < 3; ++s) listview::SetItemText(h, at, s + 1, subs[s]);
}

void TShellListView::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY && !HasState(csDestroying)) {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        switch (hdr->code) {
        case NM_DBLCLK: {
            DblClick();
            int index = reinterpret_cast<NMITEMACTIVATE*>(m.LParam)->iItem;
            if (FAutoNavigate && index >= 0 && index < ItemCount() && ItemIsFolder(index)) EnterFolder(index);
            return;
        }
        case LVN_KEYDOWN: {
            WORD key = reinterpret_cast<NMLVKEYDOWN*>(m.LParam)->wVKey;
            if (!FAutoNavigate) return;
            if (key == VK_BACK) GoUp();
            else if (key == VK_RETURN) {
                int index = ItemIndex();
                if (index >= 0 && index < ItemCount() && ItemIsFolder(index)) EnterFolder(index);
            }
            return;
        }
        case LVN_BEGINLABELEDITW: m.Result = FDrives ? TRUE : FALSE; return;
        case LVN_ENDLABELEDITW: {
            auto* di = reinterpret_cast<NMLVDISPINFOW*>(m.LParam);
            m.Result = di->item.pszText && di->item.iItem >= 0 && di->item.iItem < ItemCount() &&
                               Rename(di->item.iItem, win::Narrow(di->item.pszText))
                           ? TRUE
                           : FALSE;
            return;
        }
        default: break;
        }
    }
    if (m.Msg == WM_TIMER && m.WParam == kRefreshTimer) {
        CheckForChanges();
        return;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
