#include "toolkit/win/controls/DirectoryOutline.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/ScopeGuard.h"
#include "toolkit/win/controls/FolderListing.h"
#include "toolkit/win/controls/TreeViewMessages.h"
#include "toolkit/win/graphics/Canvas.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/Font.h"
#include "toolkit/win/window/Messages.h"

#include <algorithm>
#include <commctrl.h>

namespace fw {

namespace {

constexpr int kBuiltInSide = 16;
constexpr COLORREF kMaskColor = win::Rgb(255, 0, 255);

// A folder drawn by code: closed, open, or without subfolders (pale).
HBITMAP MakeFolderPicture(HDC screen, int which, int side) {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, side, side);
    HGDIOBJ oldBmp = SelectObject(dc, bmp);
    HBRUSH mask = CreateSolidBrush(kMaskColor);
    RECT all{0, 0, side, side};
    FillRect(dc, &all, mask);
    DeleteObject(mask);
    double s = side / 16.0;
    auto P = [s](int x, int y) { return POINT{static_cast<LONG>(x * s), static_cast<LONG>(y * s)}; };
    COLORREF fill = which == 2 ? win::Rgb(255, 240, 176) : win::Rgb(240, 200, 80);
    HPEN pen = CreatePen(PS_SOLID, 1, win::Rgb(128, 96, 0));
    HBRUSH body = CreateSolidBrush(fill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, body);
    POINT back[] = {P(1, 3), P(6, 3), P(7, 5), P(14, 5), P(14, 13), P(1, 13)};
    ::Polygon(dc, back, 6);
    if (which == 1) {
        HBRUSH front = CreateSolidBrush(win::Rgb(255, 228, 140));
        SelectObject(dc, front);
        POINT flap[] = {P(3, 7), P(15, 7), P(13, 13), P(1, 13)};
        ::Polygon(dc, flap, 4);
        SelectObject(dc, body);
        DeleteObject(front);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(body);
    DeleteObject(pen);
    SelectObject(dc, oldBmp);
    DeleteDC(dc);
    return bmp;
}

// An assigned picture in a cell of the image list: stretched, or centred.
HBITMAP MakeCellPicture(HDC screen, TBitmap* picture, int w, int h, bool stretch, COLORREF& maskColor) {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(dc, bmp);
    maskColor = ColorToRGB(picture->TransparentColor());
    HBRUSH b = CreateSolidBrush(maskColor);
    RECT all{0, 0, w, h};
    FillRect(dc, &all, b);
    DeleteObject(b);
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        if (stretch) canvas.StretchDraw(all, picture);
        else canvas.Draw((w - picture->Width()) / 2, (h - picture->Height()) / 2, picture);
        canvas.SetHandle(nullptr);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return bmp;
}

std::wstring Cased(std::wstring s, TTextCase c) {
    if (s.empty() || c == tcAsIs) return s;
    if (c == tcLowerCase) CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    else CharUpperBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

} // namespace

const TClassInfo& TDirectoryOutline::StaticClassInfo() {
    using T = TDirectoryOutline;
    static const TClassInfo info =
        TClassBuilder<T, TWinControl>()
            .Prop("BorderStyle", &T::PublishedBorderStyle, &T::SetPublishedBorderStyle).Default(bsSingle)
            .Prop("Color", &T::Color, &T::SetColor).Type(ColorType()).Default(clWindow).Stored(&T::IsColorStored)
            .Prop("Directory", &T::Directory, &T::SetDirectory).Stored(&T::IsDirectoryStored)
            .Prop("Drive", &T::Drive, &T::SetDrive).Stored(false)
            .Prop("ItemHeight", &T::ItemHeight, &T::SetItemHeight).Stored(&T::IsItemHeightStored)
            .Prop("Options", &T::Options, &T::SetOptions)
            .Default(static_cast<int32_t>(TOutlineOptions{ooDrawTreeRoot, ooDrawFocusRect}.Bits()))
            .Prop("OutlineStyle", &T::OutlineStyle, &T::SetOutlineStyle).Default(osTreePictureText)
            .Prop("PictureClosed", &T::PictureClosed, &T::SetPictureClosed).Stored(&T::IsPictureClosedStored)
            .Prop("PictureLeaf", &T::PictureLeaf, &T::SetPictureLeaf).Stored(&T::IsPictureLeafStored)
            .Prop("PictureMinus", &T::PictureMinus, &T::SetPictureMinus).Stored(&T::IsPictureMinusStored)
            .Prop("PictureOpen", &T::PictureOpen, &T::SetPictureOpen).Stored(&T::IsPictureOpenStored)
            .Prop("PicturePlus", &T::PicturePlus, &T::SetPicturePlus).Stored(&T::IsPicturePlusStored)
            .Prop("ScrollBars", &T::ScrollBars, &T::SetScrollBars).Default(ssBoth)
            .Prop("TabStop", &T::TabStop, &T::SetTabStop).Default(true)
            .Prop("TextCase", &T::TextCase, &T::SetTextCase).Default(tcLowerCase)
            .Prop("OnChange", &T::OnChange, &T::OnChange)
            .Build();
    return info;
}

TDirectoryOutline::TDirectoryOutline(TComponent* owner) : TWinControl(owner) {
    for (auto& p : FPictures) {
        p = std::make_unique<TBitmap>();
        p->OnChange = [this](TObject*) { PictureChanged(); };
    }
    SetBounds(0, 0, 145, 180);
    SetColor(clWindow);
    SetTabStop(true);
}

TDirectoryOutline::~TDirectoryOutline() {
    Destroying();
    DestroyHandle();
    FreeImages();
}

// --- properties ------------------------------------------------------------------

std::wstring TDirectoryOutline::EffectiveDirectory() const {
    return FDirectory.empty() ? folders::NormalizePath(folders::CurrentFolder()) : FDirectory;
}

std::string TDirectoryOutline::Directory() const { return win::Narrow(EffectiveDirectory()); }

void TDirectoryOutline::SetDirectory(const std::string& v) {
    std::wstring d = v.empty() ? std::wstring() : folders::NormalizePath(win::Wide(v));
    if (d == FDirectory) return;
    FDirectory = d;
    if (HasState(csLoading)) return;
    if (HandleAllocated()) BuildTree();
    OnChange(this);
}

std::string TDirectoryOutline::Drive() const {
    std::wstring root = folders::PathRoot(EffectiveDirectory());
    if (root.size() == 3 && root[1] == L':') return std::string(1, static_cast<char>(root[0]));
    return {};
}

void TDirectoryOutline::SetDrive(const std::string& v) {
    if (v.empty() || !isalpha(static_cast<unsigned char>(v[0]))) return;
    char letter = static_cast<char>(toupper(static_cast<unsigned char>(v[0])));
    if (letter == (Drive().empty() ? 0 : Drive()[0])) return;
    SetDirectory(std::string(1, letter) + ":\\");
}

void TDirectoryOutline::SetTextCase(TTextCase v) {
    if (FTextCase == v) return;
    FTextCase = v;
    if (!HandleAllocated()) return;
    for (auto& n : FNodes) {
        if (!n->Item) continue;
        treeview::SetItemText(Handle(), n->Item, Cased(n->Name, FTextCase));
    }
}

std::string TDirectoryOutline::CasedText(const std::string& name) const {
    return win::Narrow(Cased(win::Wide(name), FTextCase));
}

int32_t TDirectoryOutline::ItemHeight() const {
    if (FItemHeight > 0) return FItemHeight;
    auto* self = const_cast<TDirectoryOutline*>(this);
    if (HandleAllocated()) return treeview::ItemHeight(self->Handle());
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, self->Font()->Handle());
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return std::max<int32_t>(tm.tmHeight + 3, ShowsPictures() ? kBuiltInSide : 1);
}

void TDirectoryOutline::SetItemHeight(int32_t v) {
    if (v < 1 || v > 1000) return;
    if (FItemHeight == v) return;
    FItemHeight = v;
    if (!HandleAllocated()) return;
    // Stretched pictures follow the height.
    if (FOptions.Contains(ooStretchBitmaps)) MakeImages();
    ApplyItemHeight();
}

void TDirectoryOutline::SetOptions(TOutlineOptions v) {
    if (FOptions == v) return;
    bool restyle = v.Contains(ooDrawTreeRoot) != FOptions.Contains(ooDrawTreeRoot);
    bool reimage = v.Contains(ooStretchBitmaps) != FOptions.Contains(ooStretchBitmaps);
    FOptions = v;
    if (restyle) RecreateWnd();
    else if (reimage && HandleAllocated()) MakeImages();
    else Invalidate();
}

void TDirectoryOutline::SetOutlineStyle(TOutlineStyle v) {
    if (FOutlineStyle == v) return;
    FOutlineStyle = v;
    RecreateWnd();
}

void TDirectoryOutline::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
}

void TDirectoryOutline::SetScrollBars(TScrollStyle v) {
    if (FScrollBars == v) return;
    FScrollBars = v;
    RecreateWnd();
}

void TDirectoryOutline::SetColor(int32_t v) {
    TWinControl::SetColor(v);
    ApplyColor();
}

void TDirectoryOutline::FontChanged() {
    TWinControl::FontChanged();
    ApplyColor();
    ApplyItemHeight();
}

void TDirectoryOutline::Refresh() {
    if (HandleAllocated()) BuildTree();
}

void TDirectoryOutline::Loaded() {
    TWinControl::Loaded();
    if (HandleAllocated()) BuildTree();
}

bool TDirectoryOutline::ShowsPictures() const {
    return FOutlineStyle == osPictureText || FOutlineStyle == osPlusMinusPictureText ||
           FOutlineStyle == osTreePictureText;
}

void TDirectoryOutline::PictureChanged() {
    if (HandleAllocated() && !HasState(csDestroying)) {
        MakeImages();
        Invalidate();
    }
}

// --- the window ------------------------------------------------------------------

void TDirectoryOutline::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = WC_TREEVIEWW;
    // Any item height, odd ones too.
    p.Style |= TVS_SHOWSELALWAYS | TVS_NONEVENHEIGHT;
    bool buttons = FOutlineStyle != osText && FOutlineStyle != osPictureText;
    bool lines = FOutlineStyle == osTreeText || FOutlineStyle == osTreePictureText;
    if (buttons) p.Style |= TVS_HASBUTTONS;
    if (lines) p.Style |= TVS_HASLINES;
    if (FOptions.Contains(ooDrawTreeRoot) && (buttons || lines)) p.Style |= TVS_LINESATROOT;
    // The tree view cannot drop only its vertical bar: ssHorizontal keeps both.
    if (FScrollBars == ssNone) p.Style |= TVS_NOSCROLL;
    else if (FScrollBars == ssVertical) p.Style |= TVS_NOHSCROLL;
    if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDirectoryOutline::InitializeWnd() {
    TWinControl::InitializeWnd();
    ApplyColor();
    MakeImages();
    if (!HasState(csLoading)) BuildTree();
}

void TDirectoryOutline::DestroyWnd() {
    // The window's items go with it; the selection moving among them is no
    // choice of the user's.
    {
        TScopedValue<bool> building(FBuilding, true);
        TWinControl::DestroyWnd();
    }
    FNodes.clear();
}

void TDirectoryOutline::ApplyColor() {
    if (!HandleAllocated()) return;
    treeview::SetBackColor(Handle(), ColorToRGB(Color()));
    treeview::SetTextColor(Handle(), ColorToRGB(Font()->Color()));
}

void TDirectoryOutline::ApplyItemHeight() {
    if (!HandleAllocated()) return;
    treeview::SetItemHeight(Handle(), FItemHeight > 0 ? FItemHeight : -1);
}

void TDirectoryOutline::FreeImages() {
    if (FImages) ImageList_Destroy(FImages);
    FImages = nullptr;
}

// The closed, open and leaf pictures in one image list; none without pictures.
void TDirectoryOutline::MakeImages() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    treeview::SetImages(h, nullptr);
    FreeImages();
    if (ShowsPictures()) {
        bool stretch = FOptions.Contains(ooStretchBitmaps);
        int w = kBuiltInSide, hgt = kBuiltInSide;
        if (stretch) {
            w = hgt = std::max<int32_t>(FItemHeight > 0 ? FItemHeight - 1 : kBuiltInSide, 1);
        } else {
            for (int i : {kClosed, kOpen, kLeaf})
                if (!FPictures[i]->Empty()) {
                    w = std::clamp<int32_t>(FPictures[i]->Width(), 1, 256);
                    hgt = std::clamp<int32_t>(FPictures[i]->Height(), 1, 256);
                    break;
                }
        }
        FImages = ImageList_Create(w, hgt, ILC_COLOR24 | ILC_MASK, 3, 0);
        HDC screen = GetDC(nullptr);
        for (int i : {kClosed, kOpen, kLeaf}) {
            COLORREF mask = kMaskColor;
            HBITMAP bmp = FPictures[i]->Empty() ? MakeFolderPicture(screen, i, std::min(w, hgt))
                                                : MakeCellPicture(screen, FPictures[i].get(), w, hgt, stretch, mask);
            ImageList_AddMasked(FImages, bmp, mask);
            DeleteObject(bmp);
        }
        ReleaseDC(nullptr, screen);
        treeview::SetImages(h, FImages);
    }
    ApplyItemHeight();
    for (auto& n : FNodes) {
        if (!n->Item) continue;
        TVITEMW it{};
        it.mask = TVIF_STATE;
        it.hItem = n->Item;
        it.stateMask = TVIS_EXPANDED;
        treeview::GetItem(h, it);
        SetNodeImage(n.get(), (it.state & TVIS_EXPANDED) != 0);
    }
}

TDirectoryOutline::TNode* TDirectoryOutline::NodeOf(HTREEITEM item) const {
    if (!item || !const_cast<TDirectoryOutline*>(this)->HandleAllocated()) return nullptr;
    return reinterpret_cast<TNode*>(treeview::ItemData(const_cast<TDirectoryOutline*>(this)->Handle(), item));
}

void TDirectoryOutline::SetNodeImage(TNode* node, bool expanded) {
    if (!node->Item || !FImages) return;
    TVITEMW it{};
    it.mask = TVIF_CHILDREN;
    it.hItem = node->Item;
    treeview::GetItem(Handle(), it);
    int image = it.cChildren == 0 ? kLeaf : expanded ? kOpen : kClosed;
    it.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    it.iImage = it.iSelectedImage = image;
    treeview::SetItem(Handle(), it);
}

TDirectoryOutline::TNode* TDirectoryOutline::AddNode(TNode* parent, const std::wstring& path,
                                                     const std::wstring& name, bool hasChildren) {
    auto node = std::make_unique<TNode>();
    node->Path = path;
    node->Name = name;
    std::wstring text = Cased(name, FTextCase);
    TVINSERTSTRUCTW ins{};
    ins.hParent = parent ? parent->Item : TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_CHILDREN;
    ins.item.pszText = text.data();
    ins.item.lParam = reinterpret_cast<LPARAM>(node.get());
    ins.item.cChildren = hasChildren ? 1 : 0;
    if (FImages) {
        ins.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        ins.item.iImage = ins.item.iSelectedImage = hasChildren ? kClosed : kLeaf;
    }
    node->Item = treeview::InsertItem(Handle(), ins);
    TNode* n = node.get();
    FNodes.push_back(std::move(node));
    return n;
}

// Lists the subfolders of a node once, sorted by name.
void TDirectoryOutline::FillNode(TNode* node) {
    if (node->Filled) return;
    node->Filled = true;
    std::vector<std::wstring> names;
    for (auto& e : folders::ReadFolder(node->Path))
        if (e.Folder) names.push_back(std::move(e.Name));
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return folders::CompareNames(a, b) < 0; });
    for (auto& name : names) {
        std::wstring path = folders::JoinPath(node->Path, name);
        AddNode(node, path, name, folders::HasSubfolders(path));
    }
    TVITEMW it{};
    it.mask = TVIF_CHILDREN;
    it.hItem = node->Item;
    it.cChildren = names.empty() ? 0 : 1;
    treeview::SetItem(Handle(), it);
    if (names.empty()) SetNodeImage(node, false);
}

void TDirectoryOutline::BuildTree() {
    HWND h = Handle();
    {
        TScopedValue<bool> building(FBuilding, true);
        TScopeExit redraw([h] { SendMessageW(h, WM_SETREDRAW, TRUE, 0); });
        SendMessageW(h, WM_SETREDRAW, FALSE, 0);
        treeview::DeleteAll(h);
        FNodes.clear();
        std::wstring dir = EffectiveDirectory();
        std::wstring root = folders::PathRoot(dir);
        if (!root.empty()) {
            TNode* node = AddNode(nullptr, root, root, true);
            std::wstring path = root;
            for (const std::wstring& part : folders::PathParts(dir)) {
                FillNode(node);
                TNode* next = nullptr;
                for (auto& n : FNodes)
                    if (n->Item && n.get() != node && folders::SameName(n->Name, part) &&
                        folders::SameName(folders::ParentPath(n->Path), node->Path)) {
                        next = n.get();
                        break;
                    }
                // A folder that is gone or cannot be seen: stop at the last one that is.
                if (!next) break;
                treeview::Expand(h, node->Item);
                node = next;
            }
            FillNode(node);
            treeview::Expand(h, node->Item);
            treeview::SelectItem(h, node->Item);
        }
    }
    // Scrolled to once the window draws again: it keeps no scrolling before.
    // The subfolders of Directory come into view as far as they fit under it.
    if (HTREEITEM selected = treeview::Selected(h)) {
        HTREEITEM last = nullptr;
        for (HTREEITEM c = treeview::NextItem(h, TVGN_CHILD, selected); c; c = treeview::NextItem(h, TVGN_NEXT, c))
            last = c;
        if (last) treeview::EnsureVisible(h, last);
        treeview::EnsureVisible(h, selected);
    }
    InvalidateRect(h, nullptr, TRUE);
}

void TDirectoryOutline::SelectionChanged(HTREEITEM item) {
    if (FBuilding || HasState(csDestroying)) return;
    TNode* node = NodeOf(item);
    if (!node || node->Path == FDirectory) return;
    FDirectory = node->Path;
    OnChange(this);
}

// The text of the focused item drawn again, so no focus rectangle shows.
void TDirectoryOutline::DrawWithoutFocus(HDC dc, TNode* node) {
    HWND h = Handle();
    if (GetFocus() != h) return;
    HTREEITEM caret = treeview::Selected(h);
    if (caret != node->Item) return;
    RECT text{};
    if (!treeview::TextRect(h, caret, text)) return;
    HBRUSH b = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    FillRect(dc, &text, b);
    DeleteObject(b);
    std::wstring caption = Cased(node->Name, FTextCase);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    int oldMode = SetBkMode(dc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    RECT inner{text.left + 2, text.top, text.right, text.bottom};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &inner,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}

// Leaves out the focus rectangle unless asked for, and draws assigned plus
// and minus pictures over the window's own buttons.
LRESULT TDirectoryOutline::CustomDraw(NMTVCUSTOMDRAW* cd) {
    switch (cd->nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
        bool own = !FPictures[kPlus]->Empty() || !FPictures[kMinus]->Empty();
        if (!FOptions.Contains(ooDrawFocusRect)) {
            cd->nmcd.uItemState &= ~static_cast<UINT>(CDIS_FOCUS);
            // Not every tree view heeds that: the focused item is drawn over.
            own = true;
        }
        return own ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
    }
    case CDDS_ITEMPOSTPAINT: {
        auto* node = reinterpret_cast<TNode*>(cd->nmcd.lItemlParam);
        if (!node || !node->Item) return CDRF_DODEFAULT;
        HTREEITEM item = node->Item;
        if (!FOptions.Contains(ooDrawFocusRect)) DrawWithoutFocus(cd->nmcd.hdc, node);
        DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
        if (!(style & TVS_HASBUTTONS)) return CDRF_DODEFAULT;
        TVITEMW it{};
        it.mask = TVIF_CHILDREN | TVIF_STATE;
        it.hItem = item;
        it.stateMask = TVIS_EXPANDED;
        treeview::GetItem(Handle(), it);
        if (it.cChildren == 0) return CDRF_DODEFAULT;
        // The top-level items have a button only with their lines at the root.
        if (!treeview::Parent(Handle(), item) &&
            !(style & TVS_LINESATROOT))
            return CDRF_DODEFAULT;
        TBitmap* pic = FPictures[(it.state & TVIS_EXPANDED) ? kMinus : kPlus].get();
        if (pic->Empty()) return CDRF_DODEFAULT;
        RECT text{};
        if (!treeview::TextRect(Handle(), item, text)) return CDRF_DODEFAULT;
        int imageWidth = 0, imageHeight = 0;
        if (FImages) ImageList_GetIconSize(FImages, &imageWidth, &imageHeight);
        int indent = treeview::Indent(Handle());
        int right = text.left - (FImages ? imageWidth + 3 : 0);
        RECT cell{right - indent, text.top, right, text.bottom};
        HBRUSH b = CreateSolidBrush(ColorToRGB(Color()));
        FillRect(cd->nmcd.hdc, &cell, b);
        DeleteObject(b);
        TCanvas canvas;
        canvas.SetHandle(cd->nmcd.hdc);
        canvas.Draw(cell.left + (indent - pic->Width()) / 2, cell.top + (cell.bottom - cell.top - pic->Height()) / 2, pic);
        canvas.SetHandle(nullptr);
        return CDRF_DODEFAULT;
    }
    default: return CDRF_DODEFAULT;
    }
}

void TDirectoryOutline::WndProc(TMessage& m) {
    if (m.Msg == CN_NOTIFY) {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        switch (hdr->code) {
        case TVN_ITEMEXPANDINGW: {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(m.LParam);
            if ((nm->action & TVE_EXPAND) && !HasState(csDestroying))
                if (TNode* node = reinterpret_cast<TNode*>(nm->itemNew.lParam)) FillNode(node);
            m.Result = 0;
            return;
        }
        case TVN_ITEMEXPANDEDW: {
            auto* nm = reinterpret_cast<NMTREEVIEWW*>(m.LParam);
            if (TNode* node = reinterpret_cast<TNode*>(nm->itemNew.lParam))
                SetNodeImage(node, (nm->itemNew.state & TVIS_EXPANDED) != 0);
            return;
        }
        case TVN_SELCHANGEDW:
            SelectionChanged(reinterpret_cast<NMTREEVIEWW*>(m.LParam)->itemNew.hItem);
            return;
        case NM_CUSTOMDRAW: m.Result = CustomDraw(reinterpret_cast<NMTVCUSTOMDRAW*>(m.LParam)); return;
        default: break;
        }
    }
    TWinControl::WndProc(m);
}

} // namespace fw
