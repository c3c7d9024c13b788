#include "toolkit/win/controls/PageControl.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/window/Messages.h"

#include <algorithm>
#include <commctrl.h>

namespace fw {

// --- tab sheet -------------------------------------------------------------------

const TClassInfo& TTabSheet::StaticClassInfo() {
    using S = TTabSheet;
    static const TClassInfo info = TClassBuilder<S, TWinControl>()
                                       .Prop("Caption", &S::Caption, &S::SetCaption)
                                       .Prop("ImageIndex", &S::ImageIndex, &S::SetImageIndex).Default(-1)
                                       // The order of the stored pages gives their order.
                                       .Prop("PageIndex", &S::PageIndex, &S::SetPageIndex).Stored(false)
                                       .Prop("TabVisible", &S::TabVisible, &S::SetTabVisible).Default(true)
                                       // The page control shows and hides its pages.
                                       .Prop("Visible", &S::Visible, &S::SetVisible).Stored(false)
                                       .Build();
    return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 200, 150);
}

TTabSheet::~TTabSheet() {
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* v) { SetParent(v); }

void TTabSheet::SetParent(TWinControl* parent) {
    if (parent == Parent()) return;
    if (FPageControl) FPageControl->RemovePage(this);
    TWinControl::SetParent(parent);
    if (auto* pc = dynamic_cast<TPageControl*>(parent)) pc->InsertPage(this);
}

int32_t TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    auto& pages = FPageControl->FPages;
    return static_cast<int32_t>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int32_t v) {
    if (FPageControl) FPageControl->MovePage(this, v);
}

void TTabSheet::SetTabVisible(bool v) {
    if (FTabVisible == v) return;
    FTabVisible = v;
    if (FPageControl) FPageControl->UpdateTabs();
}

void TTabSheet::SetImageIndex(int32_t v) {
    if (FImageIndex == v) return;
    FImageIndex = v;
    if (FPageControl) FPageControl->UpdateTabs();
}

int32_t TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int32_t n = 0;
    for (TTabSheet* p : FPageControl->FPages) {
        if (p == this) return n;
        if (p->FTabVisible) ++n;
    }
    return -1;
}

void TTabSheet::TextChanged() {
    TWinControl::TextChanged();
    if (FPageControl) FPageControl->UpdateTabs();
}

// --- page control ----------------------------------------------------------------

const TClassInfo& TPageControl::StaticClassInfo() {
    using P = TPageControl;
    static const TClassInfo info = TClassBuilder<P, TWinControl>()
                                       .Prop("ActivePage", &P::ActivePage, &P::SetActivePage)
                                       .Prop("HotTrack", &P::HotTrack, &P::SetHotTrack).Default(false)
                                       .Prop("MultiLine", &P::MultiLine, &P::SetMultiLine).Default(false)
                                       .Prop("Style", &P::Style, &P::SetStyle).Default(tsTabs)
                                       .Prop("TabHeight", &P::TabHeight, &P::SetTabHeight).Default(0)
                                       .Prop("TabPosition", &P::TabPosition, &P::SetTabPosition).Default(tpTop)
                                       .Prop("TabStop", &P::TabStop, &P::SetTabStop).Default(true)
                                       .Prop("TabWidth", &P::TabWidth, &P::SetTabWidth).Default(0)
                                       .Prop("OnChange", &P::OnChange, &P::OnChange)
                                       .Prop("OnChanging", &P::OnChanging, &P::OnChanging)
                                       .Build();
    return info;
}

TPageControl::TPageControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl() {
    // The pages go with the base class; they must not call back into this.
    for (TTabSheet* p : FPages) p->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int32_t index) const {
    if (index < 0 || index >= PageCount()) return nullptr;
    return FPages[static_cast<size_t>(index)];
}

int32_t TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int32_t index) { SetActivePage(Pages(index)); }

TTabSheet* TPageControl::PageForTab(int32_t tabIndex) const {
    for (TTabSheet* p : FPages)
        if (p->FTabVisible && tabIndex-- == 0) return p;
    return nullptr;
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->FPageControl != this) return;
    if (FActivePage == page) return;
    FActivePage = page;
    if (HandleAllocated()) {
        int32_t tab = page ? page->TabIndex() : -1;
        SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    }
    LayoutPages();
}

void TPageControl::InsertPage(TTabSheet* page) {
    page->FPageControl = this;
    FPages.push_back(page);
    // A first page added outside loading becomes the shown one.
    if (!FActivePage && !HasState(csLoading) && !page->HasState(csLoading)) FActivePage = page;
    UpdateTabs();
    LayoutPages();
}

void TPageControl::RemovePage(TTabSheet* page) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    size_t index = static_cast<size_t>(it - FPages.begin());
    FPages.erase(it);
    page->FPageControl = nullptr;
    if (FActivePage == page) {
        // The neighbour takes its place.
        FActivePage = FPages.empty() ? nullptr : FPages[std::min(index, FPages.size() - 1)];
    }
    if (HasState(csDestroying)) return;
    UpdateTabs();
    LayoutPages();
}

void TPageControl::MovePage(TTabSheet* page, int32_t index) {
    auto it = std::find(FPages.begin(), FPages.end(), page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    index = std::clamp<int32_t>(index, 0, PageCount());
    FPages.insert(FPages.begin() + index, page);
    UpdateTabs();
}

void TPageControl::UpdateTabs() {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    SendMessageW(h, TCM_DELETEALLITEMS, 0, 0);
    int n = 0;
    for (TTabSheet* p : FPages) {
        if (!p->FTabVisible) continue;
        std::wstring text = win::Wide(p->Caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT | TCIF_IMAGE;
        item.pszText = text.data();
        item.iImage = p->FImageIndex;
        SendMessageW(h, TCM_INSERTITEMW, static_cast<WPARAM>(n++), reinterpret_cast<LPARAM>(&item));
    }
    int32_t tab = FActivePage ? FActivePage->TabIndex() : -1;
    SendMessageW(h, TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
    // The strip may have gained or lost rows.
    LayoutPages();
}

RECT TPageControl::DisplayRect() {
    RECT r{0, 0, Width(), Height()};
    if (HandleAllocated()) {
        GetClientRect(Handle(), &r);
        SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
    }
    return r;
}

void TPageControl::LayoutPages() {
    if (HasState(csDestroying)) return;
    RECT r = DisplayRect();
    for (TTabSheet* p : FPages) {
        p->SetBounds(r.left, r.top, std::max<int32_t>(r.right - r.left, 0), std::max<int32_t>(r.bottom - r.top, 0));
        p->SetVisible(p == FActivePage);
    }
}

void TPageControl::ApplyTabSize() {
    if (!HandleAllocated() || (FTabWidth == 0 && FTabHeight == 0)) return;
    SendMessageW(Handle(), TCM_SETITEMSIZE, 0, MAKELPARAM(FTabWidth, FTabHeight));
}

void TPageControl::SetTabPosition(TTabPosition v) {
    if (FTabPosition == v) return;
    FTabPosition = v;
    RecreateWnd();
    LayoutPages();
}

void TPageControl::SetMultiLine(bool v) {
    if (FMultiLine == v) return;
    FMultiLine = v;
    RecreateWnd();
    LayoutPages();
}

void TPageControl::SetStyle(TTabStyle v) {
    if (FStyle == v) return;
    FStyle = v;
    RecreateWnd();
    LayoutPages();
}

void TPageControl::SetHotTrack(bool v) {
    if (FHotTrack == v) return;
    FHotTrack = v;
    RecreateWnd();
}

// A fixed width needs its own window style; a height alone does not.
void TPageControl::SetTabWidth(int32_t v) {
    v = std::max(v, 0);
    if (FTabWidth == v) return;
    bool styleChanges = (FTabWidth == 0) != (v == 0);
    FTabWidth = v;
    if (styleChanges) RecreateWnd();
    else ApplyTabSize();
    LayoutPages();
}

void TPageControl::SetTabHeight(int32_t v) {
    v = std::max(v, 0);
    if (FTabHeight == v) return;
    FTabHeight = v;
    ApplyTabSize();
    LayoutPages();
}

void TPageControl::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = WC_TABCONTROLW;
    if (FMultiLine) p.Style |= TCS_MULTILINE;
    if (FHotTrack) p.Style |= TCS_HOTTRACK;
    if (FTabWidth > 0) p.Style |= TCS_FIXEDWIDTH;
    if (FStyle == tsButtons) p.Style |= TCS_BUTTONS;
    if (FStyle == tsFlatButtons) p.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
    switch (FTabPosition) {
    case tpBottom: p.Style |= TCS_BOTTOM; break;
    // Side tabs exist only in several rows.
    case tpLeft: p.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case tpRight: p.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
    default: break;
    }
}

void TPageControl::InitializeWnd() {
    TWinControl::InitializeWnd();
    ApplyTabSize();
    UpdateTabs();
}

void TPageControl::Loaded() {
    TWinControl::Loaded();
    UpdateTabs();
    LayoutPages();
}

void TPageControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TWinControl::SetBounds(left, top, width, height);
    if (!FPages.empty()) LayoutPages();
}

// Pages first, in page order, then any other children.
void TPageControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TTabSheet* p : FPages)
        if (p->Owner() == root) proc(p);
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Owner() == root && !dynamic_cast<TTabSheet*>(c)) proc(c);
    }
}

void TPageControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(m.LParam);
        if (hdr->code == TCN_SELCHANGING) {
            bool allow = true;
            OnChanging(this, allow);
            m.Result = allow ? FALSE : TRUE;
            return;
        }
        if (hdr->code == TCN_SELCHANGE) {
            int32_t tab = static_cast<int32_t>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
            FActivePage = PageForTab(tab);
            LayoutPages();
            OnChange(this);
            return;
        }
        break;
    }
    case CM_DESIGNHITTEST: {
        // A press on a tab other than the selected one goes to the control,
        // so the page can be switched while designing.
        TCHITTESTINFO hit{};
        hit.pt = {LoWordSigned(m.LParam), HiWordSigned(m.LParam)};
        int32_t tab = static_cast<int32_t>(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        int32_t current = static_cast<int32_t>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
        m.Result = tab >= 0 && tab != current ? 1 : 0;
        return;
    }
    case WM_SIZE:
        TWinControl::WndProc(m);
        LayoutPages();
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
