#pragma once
// The design switch: a toggling speed button that turns the controller's
// design mode on (down) and off (up). New, Open and Run drive it through
// SwitchOn and SwitchOff, so the button always shows the mode they set.
#include "toolkit/win/controls/SpeedButton.h"

#include <string>

namespace fw {

class TDsnRegister;

class TDsnSwitch : public TSpeedButton {
    FW_CLASS(TDsnSwitch)

    explicit TDsnSwitch(TComponent* owner);

    TDsnRegister* DsnRegister() const { return FDsnRegister; }
    void SetDsnRegister(TDsnRegister* value);
    bool DsnMessageFlg() const { return FDsnMessageFlg; }
    void SetDsnMessageFlg(bool v) { FDsnMessageFlg = v; }
    const std::string& DsnMessage() const { return FDsnMessage; }
    void SetDsnMessage(const std::string& v) { FDsnMessage = v; }

    // Runs after a user click has toggled Down: shows DsnMessage when going
    // down with DsnMessageFlg, sets the controller's design mode to Down,
    // then fires OnClick.
    void Click() override;
    // Down and Click, unless already down.
    void SwitchOn();
    // Up and Click, unless already up.
    void SwitchOff();

    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDsnRegister* FDsnRegister = nullptr;
    bool FDsnMessageFlg = false;
    std::string FDsnMessage = "Now, Starting Design";
};

} // namespace fw
