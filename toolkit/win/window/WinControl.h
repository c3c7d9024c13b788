#pragma once
// TWinControl: a control with a window of its own. The window is created when
// first asked for (Handle), can be destroyed and re-created while the object
// lives on (RecreateWnd), and its messages reach the object's WndProc through
// the toolkit's window procedure, which finds the object through data attached
// to the window. Design agents may subclass the window on top of that and
// chain to the toolkit's procedure with CallWindowProcW.
#include "toolkit/core/List.h"
#include "toolkit/win/window/Control.h"

#include <vector>

namespace fw {

// What CreateParams fills in before a window is created.
struct TCreateParams {
    std::wstring Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    // The window class: a system class (L"BUTTON") is superclassed under
    // WinClassName; an empty SystemClass means a class of our own.
    std::wstring SystemClass;
    std::wstring WinClassName;
    UINT ClassStyle = CS_DBLCLKS;
    HCURSOR ClassCursor = nullptr; // default: the arrow
};

class TWinControl : public TControl {
    FW_CLASS(TWinControl)

    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window, created on demand (with those of the parents).
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    // Destroys the window and, if the control is showing, creates a new one
    // with the current state. The object, its children and its state live on.
    void RecreateWnd();
    // A top-level control's owner window (forms without a parent).
    HWND ParentWindow() const { return FParentWindow; }
    void SetParentWindow(HWND h) { FParentWindow = h; }

    // Child controls in child order: those without a window first, in their
    // stacking order, then the windowed ones in theirs.
    int ControlCount() const { return static_cast<int>(FControls.size() + FWinControls.size()); }
    TControl* Controls(int index) const;
    int IndexOfControl(const TControl* c) const;
    bool ContainsControl(const TControl* c) const;
    // The topmost visible child without a window whose area holds the point
    // (client coordinates); disabled ones only when allowDisabled. With
    // allowWinControls, windowed children count too.
    TControl* ControlAtPos(POINT p, bool allowDisabled, bool allowWinControls = false) const;

    // Focus and tab order.
    void SetFocus();
    bool Focused() const;
    bool CanFocus() const;
    int32_t TabOrder() const;
    void SetTabOrder(int32_t v);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool v);

    void SetChildOrder(TComponent* child, int order) override;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void Invalidate() override;
    void SetVisible(bool v) override;
    void SetEnabled(bool v) override;
    void SetText(const std::string& v) override;
    std::string GetText() const override;
    void SetCursor(int32_t v) override;
    void SetColor(int32_t v) override;

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // Lays the children out by Align and Anchors (not while loading).
    void Realign();
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // The object of a window made by this toolkit (nullptr for others).
    static TWinControl* FindControl(HWND h);

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    // Called after the window exists: push the object's state into it.
    virtual void InitializeWnd() {}
    // Called before the window is destroyed: pull state that lives only in it.
    virtual void SaveWndState();
    virtual void DestroyWnd();
    void CreateHandle() { CreateHandleAt(false); }
    void DestroyHandle();

    // Key handling; a subclass (the design stage) may intercept these.
    virtual void KeyDown(int32_t& key, TShiftState shift);
    virtual void KeyPress(int32_t& key);
    virtual void KeyUp(int32_t& key, TShiftState shift);
    virtual void DoEnter() { OnEnter(this); }
    virtual void DoExit() { OnExit(this); }

    // Painting of the window's own content (our own window classes): the
    // background is filled with Color, then PaintWindow, then the children
    // without windows.
    virtual void PaintWindow(HDC dc) {}
    void FontChanged() override;
    void PaintControls(HDC dc, const RECT& updateRect);
    virtual void AlignControls(RECT& rect);
    // A child was placed, moved, sized, shown or hidden, or left (containers
    // that scroll their content recompute its extent).
    virtual void ChildBoundsChanged(TControl* child) {}
    // A child control was inserted into this control's children or removed
    // from them (after the change).
    virtual void ControlListChanged(TControl* control, bool inserted) {}
    // System list and tree views track the pointer themselves and may swallow
    // a button's release: such controls answer true, and their clicks and
    // double-clicks come from the window's notifications instead.
    virtual bool ClicksByNotification() const { return false; }
    void UpdateBoundsRect(const RECT& r) override;

    // Notifications (WM_COMMAND, WM_NOTIFY, colours) are reflected to the
    // child they concern as CN_* messages.
    bool ReflectNotification(TMessage& m);

    WNDPROC FDefWndProc = nullptr;

private:
    // Makes the window, then those of the children; with `onTop` the new
    // window goes on top of its siblings before it is shown (a new child
    // window starts at the bottom).
    void CreateHandleAt(bool onTop);
    friend class TControl;
    friend LRESULT CALLBACK ToolkitWndProc(HWND, UINT, WPARAM, LPARAM);
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);
    // Children anchored to the right or bottom follow a change of size.
    void FollowAnchors(int dw, int dh);
    bool ContextPopup(const TMessage& m);

    // Message handlers; those answering bool return true when the message
    // is fully handled.
    bool HandleOwnMessage(TMessage& m);
    void WmPaint(TMessage& m);
    bool WmPrintClient(TMessage& m);
    bool WmEraseBkgnd(TMessage& m);
    bool WmKey(TMessage& m, void (TWinControl::*handler)(int32_t&, TShiftState));
    bool WmChar(TMessage& m);
    void WmWindowPosChanged(TMessage& m);
    void WmGetMinMaxInfo(TMessage& m);
    bool WmSetCursor(TMessage& m);
    bool WmGetFont(TMessage& m);
    bool NotifiedClick(TMessage& m);
    void WmPointer(TMessage& m);
    void HandleDestroyed();
    void UpdateTabOrder(int32_t value);

    HWND FHandle = nullptr;
    HWND FParentWindow = nullptr;
    std::vector<TControl*> FControls;    // without windows, in stacking order
    std::vector<TWinControl*> FWinControls;
    TControl* FMouseControl = nullptr;   // graphic child that has the pointer captured
    bool FTabStop = false;
    bool FRecreating = false;
    bool FSyncingBounds = false;         // taking bounds from the window itself
    SIZE FLastClient{0, 0};              // client size at the last layout
    std::string FSavedText;              // text kept while the window is gone
};

// The window procedure of every toolkit window.
LRESULT CALLBACK ToolkitWndProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

} // namespace fw
