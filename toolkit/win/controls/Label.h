#pragma once
// TLabel: text drawn on the parent's window. With AutoSize (the default) its
// size follows the text; with WordWrap the width stays and the height follows.
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

class TLabel : public TGraphicControl {
    FW_CLASS(TLabel)

    explicit TLabel(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout v);
    // An '&' in the caption underlines the next character (and "&&" is an '&').
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool v);
    // The control that takes the focus for the label's accelerator.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* v);

    // With AutoSize: sizes the label to its text now.
    void AdjustBounds();
    void AdjustSize() override { AdjustBounds(); }
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;
    void TextChanged() override;
    void FontChanged() override;

private:
    UINT DrawFlags() const;

    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    bool FWordWrap = false;
    bool FTransparent = false;
    TTextLayout FLayout = tlTop;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};

} // namespace fw
