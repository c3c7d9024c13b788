#pragma once
// TMediaPlayer: a bar of nine buttons (play, pause, stop, next, previous,
// step, back, record, eject) for driving a multimedia device. Each button is
// drawn raised with a small vector glyph; a press draws it pushed, and a
// release over the same button reports it through OnClick, whose handler may
// cancel the button's own action. The device is the file in FileName (or a
// device of DeviceType), opened with Open through the multimedia command
// strings; with no device open the actions do nothing.
#include "toolkit/core/Enums.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

// The device could not be opened or refused a command; the message says why.
FW_EXCEPTION_CLASS(EMCIDeviceError, Exception);

// The button kinds live in a namespace of their own: the up-down control's
// button kinds already use btNext and btPrev. Name them TMPBtnType::btPlay.
namespace mpbtn {
FW_ENUM(TMPBtnType, btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject)
}
using mpbtn::TMPBtnType;
FW_SET(TButtonSet, TMPBtnType);

FW_ENUM(TMPDeviceTypes, dtAutoSelect, dtAVIVideo, dtCDAudio, dtDAT, dtDigitalVideo, dtMMMovie, dtOther, dtOverlay,
        dtScanner, dtSequencer, dtVCR, dtVideodisc, dtWaveAudio)

// A button was clicked; clearing DoDefault skips the button's own action.
FW_EVENT_TYPE(TMPBtnClickEvent, TObject* /*Sender*/, TMPBtnType /*Button*/, bool& /*DoDefault*/);
// A button's action is done.
FW_EVENT_TYPE(TMPNotifyEvent, TObject* /*Sender*/, TMPBtnType /*Button*/);

class TMediaPlayer : public TCustomControl {
    FW_CLASS(TMediaPlayer)

    static constexpr int ButtonCount = 9;
    // Every button: the default of the three button sets.
    static constexpr TButtonSet AllButtons() { return TButtonSet::FromBits((1u << ButtonCount) - 1); }

    explicit TMediaPlayer(TComponent* owner);
    ~TMediaPlayer() override;

    TButtonSet VisibleButtons() const { return FVisibleButtons; }
    void SetVisibleButtons(TButtonSet v);
    TButtonSet EnabledButtons() const { return FEnabledButtons; }
    void SetEnabledButtons(TButtonSet v);
    // Buttons whose glyph is drawn in its own colour; the others are black.
    TButtonSet ColoredButtons() const { return FColoredButtons; }
    void SetColoredButtons(TButtonSet v);
    // With a device open, the buttons that fit its mode are enabled by
    // themselves (EnabledButtons is set aside): not Pause and Stop while the
    // device stands, not Play and Record while it plays or records.
    bool AutoEnable() const { return FAutoEnable; }
    void SetAutoEnable(bool v);
    // The buttons that take clicks now, as AutoEnable or EnabledButtons say.
    TButtonSet ButtonsEnabledNow() const;
    // The device opens when the program starts.
    bool AutoOpen() const { return FAutoOpen; }
    void SetAutoOpen(bool v) { FAutoOpen = v; }
    // Playing and recording start from the beginning again after the end.
    bool AutoRewind() const { return FAutoRewind; }
    void SetAutoRewind(bool v) { FAutoRewind = v; }
    TMPDeviceTypes DeviceType() const { return FDeviceType; }
    void SetDeviceType(TMPDeviceTypes v) {
        if (v >= dtAutoSelect && v <= dtWaveAudio) FDeviceType = v;
    }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& v) { FFileName = v; }
    bool Shareable() const { return FShareable; }
    void SetShareable(bool v) { FShareable = v; }
    // The control a device that shows pictures draws into (nullptr: its own window).
    TWinControl* Display() const { return FDisplay; }
    void SetDisplay(TWinControl* v);

    // Where a visible button lies in the client area (empty for a hidden one).
    // Each visible button is the client width divided by their count wide.
    RECT ButtonRect(TMPBtnType button) const;
    // The visible button under a client point; false when there is none.
    bool ButtonAt(int32_t x, int32_t y, TMPBtnType& button) const;
    // The button the keyboard works on (moved with the arrow keys).
    TMPBtnType FocusButton() const { return FFocusButton; }
    // The button drawn pushed right now, if any.
    bool ButtonPushed(TMPBtnType button) const { return FPressing && FPressedButton == button && FPressedShown; }
    // Whether a button takes clicks: visible, enabled, and the control enabled.
    bool ButtonUsable(TMPBtnType button) const;

    // Presses a button as a click would: OnClick, then, unless the handler
    // declined it, the button's action and OnPostClick. Buttons that are
    // hidden or disabled do nothing.
    void ClickButton(TMPBtnType button);

    // The device. Open uses FileName, or DeviceType alone when there is no
    // file; a failure raises EMCIDeviceError and leaves the device closed.
    void Open();
    void Close();
    bool DeviceOpen() const { return !FAlias.empty(); }
    // The actions of the buttons; each raises EMCIDeviceError when no device
    // is open or the device refuses. Play and StartRecording report their end
    // through OnNotify.
    void Play();
    void Pause(); // pauses, or resumes a paused device
    void Stop();
    void Next();     // to the end
    void Previous(); // to the start
    void Step();
    void Back();
    void StartRecording();
    void Eject();
    // What the device says it is doing ("playing", "stopped", ...).
    std::string Mode();
    // How the last command sent with notification ended (MCI_NOTIFY_SUCCESSFUL, ...).
    uint32_t NotifyValue() const { return FNotifyValue; }

    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    TMPBtnClickEvent OnClick;
    TMPNotifyEvent OnPostClick;
    TNotifyEvent OnNotify;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
    void KeyDown(int32_t& key, TShiftState shift) override;
    void KeyUp(int32_t& key, TShiftState shift) override;

private:
    // Sends "verb <alias> args" to the open device and returns its answer.
    std::string Command(const std::string& verb, const std::string& args = {}, bool notify = false);
    void RequireOpen() const;
    // Asks the device for its mode and enables the buttons that fit it.
    void UpdateModeButtons();
    void DoAction(TMPBtnType button);
    // Shows moving pictures in Display, if one is set.
    void AttachDisplay();
    int VisibleCount() const;
    void DrawButton(HDC dc, TMPBtnType button, const RECT& r);
    void EndPress();
    // Moves the keyboard's button by step among the usable buttons.
    void MoveFocusButton(int step);

    TButtonSet FVisibleButtons = AllButtons();
    TButtonSet FEnabledButtons = AllButtons();
    TButtonSet FColoredButtons = AllButtons();
    bool FAutoEnable = true;
    bool FAutoOpen = false;
    bool FAutoRewind = true;
    TMPDeviceTypes FDeviceType = dtAutoSelect;
    std::string FFileName;
    bool FShareable = false;
    TWinControl* FDisplay = nullptr;
    std::string FAlias;          // the open device's name in command strings
    uint32_t FNotifyValue = 0;
    TButtonSet FModeButtons = AllButtons();

    TMPBtnType FFocusButton = TMPBtnType::btPlay;
    bool FPressing = false;      // a mouse or key press is under way
    bool FKeyPress = false;      // ... made with the space bar
    bool FPressedShown = false;  // the pointer is over the pressed button
    TMPBtnType FPressedButton = TMPBtnType::btPlay;
};

} // namespace fw
