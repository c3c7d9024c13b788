#pragma once
// Forms: top-level windows whose contents come from stored layouts. A form's
// class publishes the event handlers that its layout (and design files read
// into it) bind by name.
#include "toolkit/win/graphics/Icon.h"
#include "toolkit/win/window/GraphicControl.h"

namespace fw {

class TMainMenu;

FW_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
FW_ENUM(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp)
FW_SET(TBorderIcons, TBorderIcon);
FW_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
FW_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
        poMainFormCenter, poOwnerFormCenter)
FW_ENUM(TCloseAction, caNone, caHide, caFree, caMinimize)
FW_EVENT_TYPE(TCloseEvent, TObject* /*Sender*/, TCloseAction& /*Action*/);

// Modal results.
constexpr int32_t mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7;

class TForm : public TCustomControl {
    FW_CLASS(TForm)

    explicit TForm(TComponent* owner);
    ~TForm() override;

    void Show();
    void Hide();
    // Shows the form and runs messages until ModalResult is set; other
    // windows are disabled meanwhile.
    int32_t ShowModal();
    // Asks OnClose; a form that is not the main form hides, the main form
    // ends the application.
    void Close();
    bool Modal() const { return FModal; }
    int32_t ModalResult() const { return FModalResult; }
    void SetModalResult(int32_t v) { FModalResult = v; }

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle v);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons v);
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle v);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition v) { FPosition = v; }
    int32_t FormClientWidth() const { return ClientWidth(); }
    int32_t FormClientHeight() const { return ClientHeight(); }
    void SetFormClientWidth(int32_t v);
    void SetFormClientHeight(int32_t v);
    void Loaded() override;
    RECT ClientRect() const override;
    void SetVisible(bool v) override;
    // The window's icon (the system's default when empty).
    TIcon* Icon() const { return FIcon.get(); }
    void SetIcon(TIcon* icon) { FIcon->Assign(icon); }
    // The menu bar; WM_COMMAND of its items clicks them.
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu);

    // Fired by the application after the stored layout has been read.
    virtual void DoCreate() { OnCreate(this); }

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseEvent OnClose;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;

    // Stored: the form's own components without a parent, then its controls.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;

private:
    void WindowStyles(DWORD& style, DWORD& exStyle) const;
    void PlaceOnShow();
    void ApplyIcon();
    // Shows FMenu on the window, or takes the bar away (a window destroys
    // the menu it shows, and the menu is not the window's to destroy).
    void AttachMenu(bool attach);

    std::unique_ptr<TIcon> FIcon = std::make_unique<TIcon>();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TFormStyle FFormStyle = fsNormal;
    TPosition FPosition = poDesigned;
    int32_t FModalResult = mrNone;
    bool FModal = false;
    TMainMenu* FMenu = nullptr;
    int32_t FLoadedClientWidth = -1, FLoadedClientHeight = -1;
};

} // namespace fw
