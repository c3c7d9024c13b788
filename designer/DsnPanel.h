#pragma once
// The component palette: a panel of tool buttons, each naming a prototype
// control (its gene) that lies on a hidden deposit panel, and a pointer button
// that stands for no tool. The design controller sees the palette only through
// TCustomCmpPlt; it asks for the selected gene on every gesture on the design
// surface and copies it to create a new control.
//
// While the palette itself is being designed it assembles itself: a control
// dropped into it becomes a prototype on the deposit panel plus a new button.
#include "toolkit/win/controls/Panel.h"
#include "toolkit/win/controls/SpeedButton.h"

#include <memory>
#include <string>
#include <vector>

namespace fw {

class TArrowButton;
class TDsnButton;

// Every palette button and the pointer button share this group, so at most
// one of them is down.
constexpr int32_t kPaletteGroupIndex = 2301;
// A button's gene name is cut to this many characters.
constexpr size_t kMaxGeneNameLength = 255;

// What the design controller needs of a palette.
class TCustomCmpPlt : public TPanel {
    FW_CLASS(TCustomCmpPlt)

    using TPanel::TPanel;

    // On: the pointer button goes down, every button is enabled and looks its
    // gene up anew. Off: everything is disabled.
    virtual void SetDesignMode(bool value) = 0;
    // The prototype chosen for creation, or nullptr.
    virtual TComponent* GetSelectedGene() = 0;
    // nullptr or the pointer button clear the selection.
    virtual void SetSelectedGene(TComponent* gene) = 0;
    // nullptr is ignored.
    virtual void SetArrowButton(TArrowButton* button) = 0;
    // Puts the pointer button down without running its click.
    virtual void PushArrowButton() = 0;
};

class TDsnPanel : public TCustomCmpPlt {
    FW_CLASS(TDsnPanel)

    explicit TDsnPanel(TComponent* owner);
    ~TDsnPanel() override;

    void SetDesignMode(bool value) override;
    TComponent* GetSelectedGene() override { return FSelectedGene; }
    void SetSelectedGene(TComponent* gene) override;
    void SetArrowButton(TArrowButton* button) override;
    void PushArrowButton() override;

    TArrowButton* ArrowButton() const { return FArrowButton; }

    // Width, height and captioning of the buttons the palette lays out itself.
    int32_t BtnWidth() const { return FBtnWidth; }
    void SetBtnWidth(int32_t v) { FBtnWidth = v; }
    int32_t BtnHeight() const { return FBtnHeight; }
    void SetBtnHeight(int32_t v) { FBtnHeight = v; }
    bool BtnCaption() const { return FBtnCaption; }
    void SetBtnCaption(bool v) { FBtnCaption = v; }

    // The buttons that registered themselves after being read, in reading
    // order. A freed button leaves the list.
    int ButtonCount() const { return FButtons ? static_cast<int>(FButtons->size()) : 0; }
    TDsnButton* Buttons(int index) const;
    // Appends a button once; the list is created by the first one.
    void AddButton(TDsnButton* button);

    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void ControlListChanged(TControl* control, bool inserted) override;

private:
    // Turns a control dropped into the palette into a prototype and a button.
    void WmAddGene(TMessage& message);
    void AddGene(TControl* gene);
    TWinControl* DepositPanel();
    void EnsureArrowButton();
    TDsnButton* CreateButtonFor(TControl* gene);
    // How many children of the palette are palette or pointer buttons.
    int PaletteButtonCount() const;
    void PlaceButton(TDsnButton* button, int number);
    void PostAddGene(TControl* control);
    // Frees the prototype a removed button named, in the designing state.
    void FreeGeneOf(TDsnButton* button);

    TArrowButton* FArrowButton = nullptr;
    TComponent* FSelectedGene = nullptr;
    std::unique_ptr<std::vector<TDsnButton*>> FButtons;
    int32_t FBtnWidth = 90;
    int32_t FBtnHeight = 50;
    bool FBtnCaption = true;
    // Controls a posted DM_ADDGENE names and that are still alive: a control
    // freed before its notice arrives is dropped from here, and its notice
    // then does no work.
    std::vector<TControl*> FPostedControls;
};

// A palette button: names its prototype through GeneName, which is stored
// with the button (always, even empty) and looked up among the palette
// owner's components each time design mode goes on.
class TDsnButton : public TSpeedButton {
    FW_CLASS(TDsnButton)

    explicit TDsnButton(TComponent* owner);
    ~TDsnButton() override;

    TControl* Gene() const { return FGene; }
    void SetGene(TControl* gene);
    TDsnPanel* Palette() const { return FPalette; }
    void SetPalette(TDsnPanel* palette);
    const std::string& GeneName() const { return FGeneName; }
    // Cut to kMaxGeneNameLength characters.
    void SetGeneName(const std::string& name);

    // After the base click (OnClick), a button that is down selects its gene,
    // or, without one, puts the pointer button down and clears the selection.
    void Click() override;
    // Read buttons start disabled and join their parent palette's list.
    void Loaded() override;
    void DefineProperties(TFiler& filer) override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TControl* FGene = nullptr;
    TDsnPanel* FPalette = nullptr;
    std::string FGeneName;
};

// The palette's pointer button: pressing it clears the selected gene.
class TArrowButton : public TSpeedButton {
    FW_CLASS(TArrowButton)

    explicit TArrowButton(TComponent* owner);
    ~TArrowButton() override;

    TCustomCmpPlt* Palette() const { return FPalette; }
    // nullptr is ignored.
    void SetPalette(TCustomCmpPlt* palette);

    void Click() override;
    // A read pointer button never lets its group be all up, and starts disabled.
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomCmpPlt* FPalette = nullptr;
};

// Registers the palette classes with the class registry, so stored layouts can
// hold palettes and their buttons. The application calls it at start-up.
void RegisterPaletteClasses();

} // namespace fw
