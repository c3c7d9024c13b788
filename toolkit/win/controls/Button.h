#pragma once
// TButton: a push button on the system's button window. A click runs
// OnClick and, when the button has a modal result, gives it to its form.
#include "toolkit/win/window/WinControl.h"

namespace fw {

class TForm;

// The form a control sits on (nullptr when none).
TForm* ParentFormOf(const TControl* control);

class TButton : public TWinControl {
    FW_CLASS(TButton)

    explicit TButton(TComponent* owner);

    // The default button of its form (drawn so, answers Enter).
    bool Default() const { return FDefault; }
    void SetDefault(bool v);
    // The button that answers Escape.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    int32_t ModalResult() const { return FModalResult; }
    void SetModalResult(int32_t v) { FModalResult = v; }

    void Click() override;

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    // The button style bits: push or default push.
    virtual DWORD ButtonStyle() const { return FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON; }

private:
    bool FDefault = false;
    bool FCancel = false;
    int32_t FModalResult = 0;
};

} // namespace fw
