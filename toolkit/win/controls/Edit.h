#pragma once
// Text boxes on the system's edit window: TCustomEdit holds what single- and
// multi-line boxes share; TEdit is the single-line box.
#include "toolkit/win/controls/StdCtrlTypes.h"
#include "toolkit/win/graphics/ControlPaint.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

FW_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)

class TCustomEdit : public TWinControl {
    FW_CLASS(TCustomEdit)

    explicit TCustomEdit(TComponent* owner);

    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v);
    // The most characters the user may type; 0 means no limit of ours.
    int32_t MaxLength() const { return FMaxLength; }
    void SetMaxLength(int32_t v);
    // Shown in place of each character; 0 shows the text.
    char PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char v);
    // Converts the text, and what is typed from now on.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase v);
    // Selects all the text when the box gets the focus.
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool v) { FAutoSelect = v; }
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);

    // The selection, in UTF-16 code units as the window counts them.
    int32_t SelStart();
    int32_t SelLength();
    void SetSelStart(int32_t v);
    void SetSelLength(int32_t v);
    void SelectAll();
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& message) override;
    // The text changed, by the user or by the program.
    virtual void Change() { OnChange(this); }
    TBorderStyle PublishedBorderStyle() const { return TBorderStyle(FBorderStyle); }
    void SetPublishedBorderStyle(TBorderStyle v) { SetBorderStyle(TFormBorderStyle(v)); }

private:
    bool FReadOnly = false;
    int32_t FMaxLength = 0;
    char FPasswordChar = 0;
    TEditCharCase FCharCase = ecNormal;
    bool FAutoSelect = true;
    TFormBorderStyle FBorderStyle = bsSingle;
    TControlBrush FBrush;
};

class TEdit : public TCustomEdit {
    FW_CLASS(TEdit)
    explicit TEdit(TComponent* owner);
};

} // namespace fw
