#pragma once
// TRadioButton: the system's radio button. Checking one unchecks the radio
// buttons that share its parent.
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

class TRadioButton : public TWinControl {
    FW_CLASS(TRadioButton)

    explicit TRadioButton(TComponent* owner);

    // taRightJustify puts the caption right of the circle; taLeftJustify left of it.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool Checked() const;
    void SetChecked(bool v);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void WndProc(TMessage& message) override;

private:
    TAlignment FAlignment = taRightJustify;
    bool FChecked = false; // while there is no window
};

} // namespace fw
