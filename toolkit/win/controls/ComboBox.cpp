#include "toolkit/win/controls/ComboBox.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/controls/OwnerDrawItems.h"

#include <algorithm>

namespace fw {

// --- items -----------------------------------------------------------------------

const TClassInfo& TComboBoxStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TComboBoxStrings, TWindowListStrings>().Build();
    return info;
}

HWND TComboBoxStrings::Window() const {
    return FCombo.HandleAllocated() ? const_cast<TComboBox&>(FCombo).Handle() : nullptr;
}

bool TComboBoxStrings::Sorted() const { return FCombo.FSorted; }

// --- combo box -------------------------------------------------------------------

const TClassInfo& TComboBox::StaticClassInfo() {
    using C = TComboBox;
    // Items come before ItemIndex and Text, which refer to them.
    static const TClassInfo info = TClassBuilder<C, TWinControl>()
                                       .Prop("Color", &C::Color, &C::SetColor)
                                       .Type(ColorType())
                                       .Default(clWindow)
                                       .Stored(&C::IsColorStored)
                                       .Prop("DropDownCount", &C::DropDownCount, &C::SetDropDownCount).Default(8)
                                       .Prop("ItemHeight", &C::ItemHeight, &C::SetItemHeight).Default(16)
                                       .Prop("MaxLength", &C::MaxLength, &C::SetMaxLength).Default(0)
                                       .Prop("Sorted", &C::Sorted, &C::SetSorted).Default(false)
                                       .Prop("Style", &C::Style, &C::SetStyle).Default(csDropDown)
                                       .Prop("TabStop", &C::TabStop, &C::SetTabStop).Default(true)
                                       .Prop("Items", &C::Items, &C::SetItems)
                                       .Prop("ItemIndex", &C::ItemIndex, &C::SetItemIndex).Default(-1)
                                       .Prop("Text", &C::GetText, &C::SetText)
                                       .Prop("OnChange", &C::OnChange, &C::OnChange)
                                       .Prop("OnCloseUp", &C::OnCloseUp, &C::OnCloseUp)
                                       .Prop("OnDrawItem", &C::OnDrawItem, &C::OnDrawItem)
                                       .Prop("OnMeasureItem", &C::OnMeasureItem, &C::OnMeasureItem)
                                       .Prop("OnDropDown", &C::OnDropDown, &C::OnDropDown)
                                       .Prop("OnSelect", &C::OnSelect, &C::OnSelect)
                                       .Build();
    return info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TComboBoxStrings>(*this)), FCanvas(std::make_unique<TCanvas>()) {
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() = default;

void TComboBox::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"COMBOBOX";
    p.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_HASSTRINGS;
    switch (FStyle) {
    case csDropDown: p.Style |= CBS_DROPDOWN; break;
    case csSimple: p.Style |= CBS_SIMPLE; break;
    case csDropDownList: p.Style |= CBS_DROPDOWNLIST; break;
    case csOwnerDrawFixed: p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED; break;
    case csOwnerDrawVariable: p.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE; break;
    }
    if (FSorted) p.Style |= CBS_SORT;
    // A drop-down combo box's window height includes its open list.
    if (FStyle != csSimple) p.Height += DropDownHeight();
}

int TComboBox::DropDownHeight() {
    int item = FItemHeight;
    if (FStyle != csOwnerDrawFixed && FStyle != csOwnerDrawVariable) {
        if (HandleAllocated()) item = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, 0, 0));
        else item = MeasureControlText(*Font(), "Wg", 0).cy;
    }
    return std::max<int>(FDropDownCount, 1) * std::max(item, 1) + 2;
}

void TComboBox::InitializeWnd() {
    TWinControl::InitializeWnd();
    HWND h = Handle();
    if (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable)
        SendMessageW(h, CB_SETITEMHEIGHT, 0, FItemHeight);
    TStringList& saved = FItems->Saved();
    for (int i = 0; i < saved.Count(); ++i) {
        std::wstring w = win::Wide(saved.Get(i));
        LRESULT at = SendMessageW(h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
        if (at >= 0) SendMessageW(h, CB_SETITEMDATA, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(saved.GetObject(i)));
    }
    saved.Clear();
    SendMessageW(h, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
    if (FItemIndex >= 0) SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
    if (HasEditField()) SetWindowTextW(h, win::Wide(FText).c_str());
    else if (FItemIndex < 0 && !FText.empty()) SetText(FText);
    PlaceWindow(true); // now that the item height is known
}

void TComboBox::SaveWndState() {
    TWinControl::SaveWndState();
    HWND h = Handle();
    FItems->SaveFromWindow();
    FItemIndex = static_cast<int32_t>(SendMessageW(h, CB_GETCURSEL, 0, 0));
}

namespace {
RECT WindowBounds(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
} // namespace

// A drop-down combo box's window height is that of the box and its open
// list, and the box's own height is the window's to choose: the control takes
// it back from the window, whatever height it was given.
void TComboBox::UpdateBoundsRect(const RECT&) { PlaceWindow(false); }

void TComboBox::PlaceWindow(bool listChanged) {
    if (!HandleAllocated()) return;
    HWND h = Handle();
    RECT now = WindowBounds(h), want = BoundsRect();
    if (!listChanged && EqualRect(&now, &want)) return; // taking the bounds from the window itself
    int height = FStyle == csSimple ? Height() : (now.bottom - now.top) + DropDownHeight();
    SetWindowPos(h, nullptr, Left(), Top(), Width(), height, SWP_NOZORDER | SWP_NOACTIVATE);
    now = WindowBounds(h);
    if (!EqualRect(&now, &want)) SetBounds(now.left, now.top, now.right - now.left, now.bottom - now.top);
}

void TComboBox::SetStyle(TComboBoxStyle v) {
    if (FStyle == v) return;
    FStyle = v;
    RecreateWnd();
}

void TComboBox::SetSorted(bool v) {
    if (FSorted == v) return;
    FSorted = v;
    if (v && !HandleAllocated()) FItems->SortSaved();
    RecreateWnd();
}

void TComboBox::SetDropDownCount(int32_t v) {
    v = std::max(v, 1);
    if (FDropDownCount == v) return;
    FDropDownCount = v;
    PlaceWindow(true);
}

void TComboBox::SetMaxLength(int32_t v) {
    v = std::max(v, 0);
    FMaxLength = v;
    if (HandleAllocated()) SendMessageW(Handle(), CB_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TComboBox::SetItemHeight(int32_t v) {
    v = std::max(v, 1);
    if (FItemHeight == v) return;
    FItemHeight = v;
    if (HandleAllocated() && (FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable)) {
        SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, v);
        Invalidate();
    }
}

int32_t TComboBox::ItemIndex() const {
    if (HandleAllocated())
        return static_cast<int32_t>(SendMessageW(const_cast<TComboBox*>(this)->Handle(), CB_GETCURSEL, 0, 0));
    return FItemIndex;
}

void TComboBox::SetItemIndex(int32_t v) {
    if (v < -1 || v >= FItems->Count()) v = -1;
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(v), 0);
        return;
    }
    FItemIndex = v;
    if (v >= 0) FText = FItems->Get(v);
}

std::string TComboBox::GetText() const {
    if (!HandleAllocated() && !HasEditField()) {
        return FItemIndex >= 0 && FItemIndex < FItems->Count() ? FItems->Get(FItemIndex) : FText;
    }
    return TWinControl::GetText();
}

void TComboBox::SetText(const std::string& v) {
    if (HasEditField()) {
        TWinControl::SetText(v);
        return;
    }
    // A list without an edit field shows only its items: select the one of that text.
    int found = -1;
    for (int i = 0; i < FItems->Count() && found < 0; ++i)
        if (FItems->Get(i) == v) found = i;
    if (found >= 0 || v.empty()) SetItemIndex(found);
    else if (!HandleAllocated()) FText = v; // the items may come later
}

bool TComboBox::DroppedDown() {
    return HandleAllocated() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TComboBox::SetDroppedDown(bool v) { SendMessageW(Handle(), CB_SHOWDROPDOWN, v, 0); }

HWND TComboBox::EditHandle() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(Handle(), &info)) return nullptr;
    return HasEditField() ? info.hwndItem : nullptr;
}

HWND TComboBox::ListHandle() {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(Handle(), &info) ? info.hwndList : nullptr;
}

void TComboBox::DrawItem(int32_t index, const RECT& rect, TOwnerDrawState state) {
    if (OnDrawItem.Assigned()) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    ownerdraw::DrawPlainItem(*FCanvas, *Font(), Color(), *FItems, index, rect, state.Contains(odSelected));
}

void TComboBox::WmDrawItem(const DRAWITEMSTRUCT& item) {
    ownerdraw::DrawItem(*FCanvas, Font(), item, [this](int32_t index, const RECT& rect, TOwnerDrawState state) {
        DrawItem(index, rect, state);
    });
}

void TComboBox::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        switch (HIWORD(m.WParam)) {
        case CBN_EDITCHANGE: Change(); break;
        case CBN_SELCHANGE:
            // The edit field takes the item's text after this notice: give it now.
            if (HasEditField()) {
                int i = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
                if (i >= 0) SetWindowTextW(Handle(), win::Wide(FItems->Get(i)).c_str());
            }
            OnSelect(this);
            Change();
            break;
        case CBN_DROPDOWN: OnDropDown(this); break;
        case CBN_CLOSEUP: OnCloseUp(this); break;
        default: break;
        }
        return;
    case CN_DRAWITEM:
        WmDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    case CN_MEASUREITEM: {
        // Item -1 is the selection field, which keeps ItemHeight.
        auto& mi = *reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        ownerdraw::MeasureItem(mi, FItemHeight, FStyle == csOwnerDrawVariable && mi.itemID != static_cast<UINT>(-1),
                               OnMeasureItem, this);
        m.Result = TRUE;
        return;
    }
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        // The inner edit field and list ask the combo box itself.
        m.Result = FBrush.Answer(*this, reinterpret_cast<HDC>(m.WParam));
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
