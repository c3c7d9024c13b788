#pragma once
// TControl: a component with a parent, bounds in the parent's client area,
// visibility, enabled state, colour, cursor, hint and pointer events. Controls
// without a window of their own are drawn by their parent, which also routes
// pointer messages to them.
#include "toolkit/core/Component.h"
#include "toolkit/core/Enums.h"
#include "toolkit/core/Events.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/Font.h"
#include "toolkit/win/window/Cursors.h"
#include "toolkit/win/window/Messages.h"

#include <memory>
#include <string>

namespace fw {

class TWinControl;
class TPopupMenu;

FW_ENUM(TAlign, alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom)
FW_ENUM(TAnchorKind, akLeft, akTop, akRight, akBottom)
FW_SET(TAnchors, TAnchorKind);
FW_ENUM(TMouseButton, mbLeft, mbRight, mbMiddle)

FW_EVENT_TYPE(TMouseEvent, TObject* /*Sender*/, TMouseButton, TShiftState, int32_t /*X*/, int32_t /*Y*/);
FW_EVENT_TYPE(TMouseMoveEvent, TObject* /*Sender*/, TShiftState, int32_t /*X*/, int32_t /*Y*/);
FW_EVENT_TYPE(TKeyEvent, TObject* /*Sender*/, int32_t& /*Key*/, TShiftState);
FW_EVENT_TYPE(TKeyPressEvent, TObject* /*Sender*/, int32_t& /*Key*/);

// Limits on a control's size; 0 means no limit.
class TSizeConstraints : public TPersistent {
    FW_CLASS(TSizeConstraints)
    int32_t MaxHeight = 0, MaxWidth = 0, MinHeight = 0, MinWidth = 0;
    void SetMaxHeight(int32_t v) { Set(MaxHeight, v); }
    void SetMaxWidth(int32_t v) { Set(MaxWidth, v); }
    void SetMinHeight(int32_t v) { Set(MinHeight, v); }
    void SetMinWidth(int32_t v) { Set(MinWidth, v); }
    void Assign(TPersistent* source) override;
    std::function<void()> OnChange;

private:
    void Set(int32_t& field, int32_t v);
};

// ControlStyle bits: what a control class is and does.
enum TControlStyleFlag : uint32_t {
    csAcceptsControls = 1u << 0, // may be the parent of other controls
    csCaptureMouse = 1u << 1,
    csClickEvents = 1u << 2,     // a press and release over it is a click
    csOpaque = 1u << 3,
    csDoubleClicks = 1u << 4,
    csSetCaption = 1u << 5,      // its Caption follows its Name while designing
    csReplicatable = 1u << 6,
    // Drawn by a designer over the design (grab handles): never part of it,
    // so never saved, hooked, selected or counted in a container's content.
    csNotDesigned = 1u << 7,
};

// ControlState bits: what is happening to a control now.
enum TControlStateFlag : uint32_t {
    csLButtonDown = 1u << 0,
    csClicked = 1u << 1,
    csCreating = 1u << 2,
    csFocusing = 1u << 3,
    csAligning = 1u << 4,
};

class TControl : public TComponent {
    FW_CLASS(TControl)

    explicit TControl(TComponent* owner);
    ~TControl() override;

    // Parent and place.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);
    int32_t Left() const { return FLeft; }
    int32_t Top() const { return FTop; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    void SetLeft(int32_t v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(int32_t v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(int32_t v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(int32_t v) { SetBounds(FLeft, FTop, FWidth, v); }
    // Moves and sizes in one step (constraints applied), then realigns.
    virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
    // A control that sizes itself (an auto-sized label to its text, an
    // auto-sized image to its picture) takes that size now, as it does when
    // it is read; the others keep the bounds they were given.
    virtual void AdjustSize() {}
    RECT BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    virtual RECT ClientRect() const { return {0, 0, FWidth, FHeight}; }
    int32_t ClientWidth() const { RECT r = ClientRect(); return r.right - r.left; }
    int32_t ClientHeight() const { RECT r = ClientRect(); return r.bottom - r.top; }
    void SetClientWidth(int32_t v);
    void SetClientHeight(int32_t v);
    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign v);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors v) { FAnchors = v; }
    TSizeConstraints* Constraints() const { return FConstraints.get(); }
    void SetConstraints(TSizeConstraints* v) { FConstraints->Assign(v); }

    // Coordinates: client of this control <-> screen.
    POINT ClientToScreen(POINT p) const;
    POINT ScreenToClient(POINT p) const;
    // Where the client area's origin lies in the nearest window (for
    // controls without a window: their parent's).
    virtual POINT ClientOrigin() const;

    // Appearance and behaviour.
    bool Visible() const { return FVisible; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window visible too.
    bool Showing() const;
    bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool v);
    int32_t Color() const { return FColor; }
    virtual void SetColor(int32_t v);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v);
    // The font; with ParentFont (the default) it follows the parent's.
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* font) { FFont->Assign(font); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool v);
    bool IsColorStored() const { return !FParentColor; }
    bool IsFontStored() const { return !FParentFont; }
    int32_t Cursor() const { return FCursor; }
    virtual void SetCursor(int32_t v);
    // A cursor shown instead of Cursor while a designer works on the control
    // (0: none). The Cursor property, which is stored, keeps the user's value.
    int32_t DesignCursor() const { return FDesignCursor; }
    void SetDesignCursor(int32_t v) { FDesignCursor = v; }
    // The cursor the pointer shows over the control.
    int32_t EffectiveCursor() const { return FDesignCursor ? FDesignCursor : FCursor; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& v) { FHint = v; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool v) { FShowHint = v; FParentShowHint = false; }
    bool ParentShowHint() const { return FParentShowHint; }
    bool IsShowHintStored() const;
    void SetParentShowHint(bool v);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* menu);
    // Caption and Text are the same value: the control's text.
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& v) { SetText(v); }
    virtual std::string GetText() const { return FText; }
    virtual void SetText(const std::string& v);

    uint32_t ControlStyle() const { return FControlStyle; }
    void SetControlStyle(uint32_t v) { FControlStyle = v; }
    uint32_t ControlState() const { return FControlState; }
    bool Designing() const { return HasState(csDesigning); }

    // Messages sent to the object itself (not through the window system).
    LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
    // Perform for callers in a window procedure of their own (a design
    // agent's, a hook): whatever the handling throws ends at the
    // application's exception handler, and the result is then 0.
    LRESULT PerformGuarded(UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message) {}

    // Painting.
    virtual void Invalidate();
    void Repaint();
    void Update();
    // Stacking order among the parent's controls of the same kind.
    void BringToFront();
    void SendToBack();

    // User actions.
    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    // Stream structure.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    // A control's text changed (repaint, resize to fit, ...).
    virtual void TextChanged() { Invalidate(); }
    // Called after the bounds changed.
    virtual void BoundsChanged() {}
    // The parent's colour or font changed.
    virtual void ParentColorChanged();
    virtual void ParentFontChanged();
    // The font changed (its own or, with ParentFont, the parent's).
    virtual void FontChanged() { Invalidate(); }
    // Re-applies the bounds to a window, if any.
    virtual void UpdateBoundsRect(const RECT& r);
    // Clamps a size to the constraints.
    void ApplyConstraints(int32_t& width, int32_t& height) const;
    void RequestAlign();

    uint32_t FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    uint32_t FControlState = 0;
    std::string FText;

private:
    friend class TWinControl;
    // Fires the pointer events of a message; false when a handler freed
    // this control.
    bool HandleMouse(TMessage& m);

    TWinControl* FParent = nullptr;
    int32_t FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    std::unique_ptr<TSizeConstraints> FConstraints;
    bool FVisible = true;
    bool FEnabled = true;
    int32_t FColor = clBtnFace;
    bool FParentColor = false;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    bool FFollowingParent = false; // the font change comes from the parent
    int32_t FCursor = 0;
    int32_t FDesignCursor = 0;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
};

} // namespace fw
