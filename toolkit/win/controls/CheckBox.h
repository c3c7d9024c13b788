#pragma once
// TCheckBox: the system's check box. With AllowGrayed a click cycles through
// unchecked, checked and grayed; without it, between the first two.
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

FW_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

class TCheckBox : public TWinControl {
    FW_CLASS(TCheckBox)

    explicit TCheckBox(TComponent* owner);

    // taRightJustify puts the caption right of the box; taLeftJustify left of it.
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool v);
    TCheckBoxState State() const;
    void SetState(TCheckBoxState v);
    bool Checked() const { return State() == cbChecked; }
    void SetChecked(bool v) { SetState(v ? cbChecked : cbUnchecked); }

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void WndProc(TMessage& message) override;

private:
    TAlignment FAlignment = taRightJustify;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked; // while there is no window
};

} // namespace fw
