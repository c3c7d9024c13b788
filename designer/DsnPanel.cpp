#include "designer/DsnPanel.h"

#include "designer/DsnMessages.h"
#include "stream/ClassRegistry.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Stream.h"
#include "toolkit/core/Text.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/window/ByteOrder.h"
#include "toolkit/win/window/WinControl.h"

#include <algorithm>
#include <cstring>

namespace fw {

namespace {

// name followed by the smallest number from 1 that no component of owner has.
std::string FirstFreeName(TComponent* owner, const std::string& base) {
    for (int n = 1;; ++n) {
        std::string name = base + std::to_string(n);
        if (!owner->FindComponent(name)) return name;
    }
}

// The first `limit` characters of a UTF-8 string (never half a character).
std::string CutToCharacters(const std::string& s, size_t limit) {
    size_t chars = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        bool lead = (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
        if (lead && chars++ == limit) return s.substr(0, i);
    }
    return s;
}

// Loads a bitmap resource of the running program into bitmap; false when the
// program has no bitmap of that name. A bitmap resource is a file image
// without its file header, so one is put in front.
bool LoadBitmapResource(TBitmap& bitmap, const std::string& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    std::wstring wide = win::Wide(name);
    HRSRC res = FindResourceW(module, wide.c_str(), MAKEINTRESOURCEW(2)); // RT_BITMAP
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    const auto* dib = data ? static_cast<const uint8_t*>(LockResource(data)) : nullptr;
    DWORD size = res ? SizeofResource(module, res) : 0;
    if (!dib || size < sizeof(BITMAPINFOHEADER)) return false;
    BITMAPINFOHEADER h;
    std::memcpy(&h, dib, sizeof h);
    uint32_t colours = h.biClrUsed ? h.biClrUsed : (h.biBitCount <= 8 ? 1u << h.biBitCount : 0u);
    uint32_t masks = (h.biCompression == BI_BITFIELDS && h.biSize == sizeof h) ? 12 : 0;
    std::vector<uint8_t> image(14);
    image[0] = 'B';
    image[1] = 'M';
    le::Put32(&image[2], 14 + size);
    le::Put32(&image[10], 14 + h.biSize + masks + colours * 4);
    image.insert(image.end(), dib, dib + size);
    TMemoryStream stream(std::move(image));
    bitmap.LoadFromStream(stream);
    return true;
}

bool IsPaletteButton(const TControl* c) {
    return dynamic_cast<const TDsnButton*>(c) || dynamic_cast<const TArrowButton*>(c);
}

} // namespace

// ---- TCustomCmpPlt, TDsnPanel --------------------------------------------

const TClassInfo& TCustomCmpPlt::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomCmpPlt, TPanel>().Build();
    return info;
}

const TClassInfo& TDsnPanel::StaticClassInfo() {
    using P = TDsnPanel;
    // No declared defaults: the three values are always stored.
    static const TClassInfo info = TClassBuilder<P, TCustomCmpPlt>()
                                       .Prop("BtnWidth", &P::BtnWidth, &P::SetBtnWidth)
                                       .Prop("BtnHeight", &P::BtnHeight, &P::SetBtnHeight)
                                       .Prop("BtnCaption", &P::BtnCaption, &P::SetBtnCaption)
                                       .Build();
    return info;
}

TDsnPanel::TDsnPanel(TComponent* owner) : TCustomCmpPlt(owner) {}

TDsnPanel::~TDsnPanel() {
    Destroying();
    // The children (the buttons) are freed by the window-control part, after
    // this part is gone: none of them may reach back into it.
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TDsnButton*>(Controls(i)); b && b->Palette() == this) b->SetPalette(nullptr);
    if (FButtons)
        for (TDsnButton* b : *FButtons)
            if (b->Palette() == this) b->SetPalette(nullptr);
}

TDsnButton* TDsnPanel::Buttons(int index) const {
    if (index < 0 || index >= ButtonCount()) throw EListError(Format("List index out of bounds (%d)", {IntToStr(index)}));
    return (*FButtons)[static_cast<size_t>(index)];
}

void TDsnPanel::AddButton(TDsnButton* button) {
    if (!button) return;
    if (!FButtons) FButtons = std::make_unique<std::vector<TDsnButton*>>();
    if (std::find(FButtons->begin(), FButtons->end(), button) != FButtons->end()) return;
    FButtons->push_back(button);
    FreeNotification(button);
}

void TDsnPanel::SetDesignMode(bool value) {
    if (value) {
        if (FArrowButton) {
            FArrowButton->SetDown(true);
            FArrowButton->SetEnabled(true);
        }
        TComponent* owner = Owner();
        for (int i = 0; i < ButtonCount(); ++i) {
            TDsnButton* b = Buttons(i);
            b->SetGene(owner ? dynamic_cast<TControl*>(owner->FindComponent(b->GeneName())) : nullptr);
            b->SetEnabled(true);
        }
    } else {
        if (FArrowButton) FArrowButton->SetEnabled(false);
        for (int i = 0; i < ButtonCount(); ++i) Buttons(i)->SetEnabled(false);
    }
}

void TDsnPanel::SetSelectedGene(TComponent* gene) {
    // A pointer button is never a prototype.
    if (dynamic_cast<TArrowButton*>(gene)) gene = nullptr;
    FSelectedGene = gene;
    if (gene) FreeNotification(gene);
}

void TDsnPanel::SetArrowButton(TArrowButton* button) {
    if (!button) return;
    FArrowButton = button;
    FreeNotification(button);
}

void TDsnPanel::PushArrowButton() {
    if (FArrowButton) FArrowButton->SetDown(true);
}

void TDsnPanel::Notification(TComponent* component, TOperation operation) {
    TCustomCmpPlt::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FSelectedGene) FSelectedGene = nullptr;
    if (component == FArrowButton) FArrowButton = nullptr;
    if (FButtons) FButtons->erase(std::remove(FButtons->begin(), FButtons->end(), component), FButtons->end());
    FPostedControls.erase(std::remove(FPostedControls.begin(), FPostedControls.end(), component),
                          FPostedControls.end());
}

void TDsnPanel::ControlListChanged(TControl* control, bool inserted) {
    TCustomCmpPlt::ControlListChanged(control, inserted);
    if (!IsPaletteButton(control)) PostAddGene(control);
    if (!inserted && Designing())
        if (auto* button = dynamic_cast<TDsnButton*>(control)) FreeGeneOf(button);
}

void TDsnPanel::PostAddGene(TControl* control) {
    // A palette without a window and without a parent has nowhere to post to.
    if (!HandleAllocated() && !Parent()) return;
    FPostedControls.push_back(control);
    FreeNotification(control);
    PostMessageW(Handle(), DM_ADDGENE, reinterpret_cast<WPARAM>(control), 0);
}

void TDsnPanel::FreeGeneOf(TDsnButton* button) {
    if (!Owner() || Owner()->HasState(csDestroying)) return;
    TComponent* gene = Owner()->FindComponent(button->GeneName());
    if (!gene || gene == button) return;
    // A name that leads to the palette or to a control holding it is no
    // prototype: freeing it would free the palette in its own notice.
    if (auto* c = dynamic_cast<TWinControl*>(gene); c && (c == this || c->ContainsControl(this))) return;
    delete gene;
}

void TDsnPanel::WndProc(TMessage& message) {
    if (message.Msg == DM_ADDGENE) WmAddGene(message);
    else TCustomCmpPlt::WndProc(message);
}

void TDsnPanel::WmAddGene(TMessage& message) {
    auto* control = reinterpret_cast<TControl*>(message.WParam);
    // The pending notice of a control freed since it was posted names nothing.
    auto posted = std::find(FPostedControls.begin(), FPostedControls.end(), control);
    bool alive = posted != FPostedControls.end();
    if (alive) FPostedControls.erase(posted);
    // Only a control still lying in the palette is assembled. That skips the
    // notice its own move to the deposit panel posted, and any notice of a
    // control that left the palette otherwise, however many notices are
    // waiting (several controls pasted at once post one each).
    if (!alive || control->Parent() != this || !Designing() || !Owner()) return;
    AddGene(control);
}

void TDsnPanel::AddGene(TControl* gene) {
    TWinControl* deposit = DepositPanel();
    if (!deposit) return;
    EnsureArrowButton();

    // The prototype: on the deposit panel, owned where the buttons look for it.
    TComponent* owner = Owner();
    gene->SetParent(deposit);
    std::string name = "Dpst_" + gene->ClassName();
    for (TComponent* found; (found = owner->FindComponent(name)) && found != gene;) name += "X";
    if (gene->Owner() != owner) {
        gene->SetName("");
        owner->InsertComponent(gene);
    }
    gene->SetName(name);
    gene->SetBounds(0, 0, 50, 50);

    TDsnButton* button = CreateButtonFor(gene);
    PlaceButton(button, PaletteButtonCount());
}

TWinControl* TDsnPanel::DepositPanel() {
    TComponent* found = Owner()->FindComponent("DsnDpstPanel");
    if (found) return dynamic_cast<TWinControl*>(found);
    auto* deposit = new TPanel(Owner());
    deposit->SetParent(Parent());
    deposit->SetName("DsnDpstPanel");
    deposit->SetBounds(-100, -100, 50, 50);
    return deposit;
}

void TDsnPanel::EnsureArrowButton() {
    for (int i = 0; i < ControlCount(); ++i)
        if (dynamic_cast<TArrowButton*>(Controls(i))) return;
    auto* arrow = new TArrowButton(Owner());
    arrow->SetParent(this);
    arrow->SetName(FirstFreeName(Owner(), "ArrowButton"));
    SetArrowButton(arrow);
    arrow->SetPalette(this);
    arrow->SetBounds(8, 8, FBtnWidth, FBtnHeight);
    LoadBitmapResource(*arrow->Glyph(), "ARROWBUTTON");
    arrow->SetGroupIndex(kPaletteGroupIndex);
}

TDsnButton* TDsnPanel::CreateButtonFor(TControl* gene) {
    auto* button = new TDsnButton(Owner());
    button->SetParent(this);
    button->SetPalette(this);
    button->SetGene(gene);
    button->SetGeneName(gene->Name());
    button->SetName(FirstFreeName(Owner(), "DsnButton"));
    std::string cls = UpperCase(gene->ClassName());
    if (!LoadBitmapResource(*button->Glyph(), cls)) LoadBitmapResource(*button->Glyph(), "TCOMPONENT");
    if (FBtnCaption) button->SetCaption(cls.substr(1));
    button->SetLayout(blGlyphTop);
    return button;
}

int TDsnPanel::PaletteButtonCount() const {
    int n = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (IsPaletteButton(Controls(i))) ++n;
    return n;
}

// Button `number` (from 1, the pointer button counted) goes into the rows of
// as many columns as the palette's width holds, left to right, top down.
void TDsnPanel::PlaceButton(TDsnButton* button, int number) {
    if (FBtnWidth > Width()) SetWidth(FBtnWidth + 24);
    // A width below one button would divide by zero or never end the rows.
    int columns = std::max(1, Width() / std::max(1, FBtnWidth));
    int row = (number - 1) / columns;
    int column = number - row * columns;
    button->SetBounds(FBtnWidth * (column - 1) + 8, FBtnHeight * row + 8, FBtnWidth, FBtnHeight);
    button->SetGroupIndex(kPaletteGroupIndex);
}

// ---- TDsnButton -----------------------------------------------------------

const TClassInfo& TDsnButton::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TDsnButton, TSpeedButton>().Build();
    return info;
}

TDsnButton::TDsnButton(TComponent* owner) : TSpeedButton(owner) {}

TDsnButton::~TDsnButton() {
    Destroying();
    // Leave the palette while still known as a palette button, so its notice
    // sees what left.
    SetParent(nullptr);
}

void TDsnButton::SetGene(TControl* gene) {
    FGene = gene;
    if (gene) FreeNotification(gene);
}

void TDsnButton::SetPalette(TDsnPanel* palette) {
    FPalette = palette;
    if (palette) FreeNotification(palette);
}

void TDsnButton::SetGeneName(const std::string& name) { FGeneName = CutToCharacters(name, kMaxGeneNameLength); }

void TDsnButton::Click() {
    TComponentWatch self(this);
    TSpeedButton::Click();
    // The click handler may have freed the button or its palette.
    if (!self || !Down() || !FPalette) return;
    if (FGene) {
        FPalette->SetSelectedGene(FGene);
    } else {
        // The palette shows the pointer, so no tool stays armed.
        FPalette->PushArrowButton();
        FPalette->SetSelectedGene(nullptr);
    }
}

void TDsnButton::Loaded() {
    TSpeedButton::Loaded();
    SetEnabled(false);
    auto* palette = dynamic_cast<TDsnPanel*>(Parent());
    SetPalette(palette);
    if (palette) palette->AddButton(this);
}

void TDsnButton::DefineProperties(TFiler& filer) {
    TSpeedButton::DefineProperties(filer);
    filer.DefineProperty(
        "GeneName", [this](TAbstractReader& r) { SetGeneName(r.ReadString()); },
        [this](TAbstractWriter& w) { w.WriteString(FGeneName); }, true);
}

void TDsnButton::Notification(TComponent* component, TOperation operation) {
    TSpeedButton::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FGene) FGene = nullptr;
    if (component == FPalette) FPalette = nullptr;
}

// ---- TArrowButton ---------------------------------------------------------

const TClassInfo& TArrowButton::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TArrowButton, TSpeedButton>().Build();
    return info;
}

TArrowButton::TArrowButton(TComponent* owner) : TSpeedButton(owner) {}

TArrowButton::~TArrowButton() {
    Destroying();
    // Leave the palette while still known as its pointer button: it must not
    // be taken for a dropped control.
    SetParent(nullptr);
}

void TArrowButton::SetPalette(TCustomCmpPlt* palette) {
    if (!palette) return;
    FPalette = palette;
    FreeNotification(palette);
}

void TArrowButton::Click() {
    TComponentWatch self(this);
    TSpeedButton::Click();
    if (self && Down() && FPalette) FPalette->SetSelectedGene(this);
}

void TArrowButton::Loaded() {
    TSpeedButton::Loaded();
    SetAllowAllUp(false);
    SetEnabled(false);
}

void TArrowButton::Notification(TComponent* component, TOperation operation) {
    TSpeedButton::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FPalette) FPalette = nullptr;
}

void RegisterPaletteClasses() {
    RegisterClasses({&TDsnPanel::StaticClassInfo(), &TDsnButton::StaticClassInfo(), &TArrowButton::StaticClassInfo()});
}

} // namespace fw
