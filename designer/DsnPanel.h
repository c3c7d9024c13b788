#pragma once
// The component palette as the design controller sees it (the palette itself
// is being built alongside; this is the interface the controller calls).
#include "toolkit/win/controls/Panel.h"
#include "toolkit/win/controls/SpeedButton.h"

namespace fw {

class TArrowButton;

class TCustomCmpPlt : public TPanel {
    FW_CLASS(TCustomCmpPlt)
    using TPanel::TPanel;
    virtual void SetDesignMode(bool value) = 0;
    virtual TComponent* GetSelectedGene() = 0;
    virtual void SetSelectedGene(TComponent* gene) = 0;
    virtual void SetArrowButton(TArrowButton* button) = 0;
    virtual void PushArrowButton() = 0;
};

class TArrowButton : public TSpeedButton {
    FW_CLASS(TArrowButton)
    using TSpeedButton::TSpeedButton;
    TCustomCmpPlt* Palette() const { return FPalette; }
    void SetPalette(TCustomCmpPlt* palette) {
        if (palette) FPalette = palette;
    }

private:
    TCustomCmpPlt* FPalette = nullptr;
};

} // namespace fw
