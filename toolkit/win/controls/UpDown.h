#pragma once
// TUpDown: the system's up-down arrows. Associate names a sibling control,
// the buddy, that the arrows sit beside and whose text shows the position.
#include "toolkit/core/Enums.h"
#include "toolkit/win/window/WinControl.h"

namespace fw {

FW_ENUM(TUDOrientation, udVertical, udHorizontal)
FW_ENUM(TUDAlignButton, udLeft, udRight)
FW_ENUM(TUDBtnType, btNext, btPrev)
FW_EVENT_TYPE(TUDClickEvent, TObject* /*Sender*/, TUDBtnType /*Button*/);
FW_EVENT_TYPE(TUDChangingEvent, TObject* /*Sender*/, bool& /*AllowChange*/);

class TUpDown : public TWinControl {
    FW_CLASS(TUpDown)

    explicit TUpDown(TComponent* owner);
    ~TUpDown() override;

    // Min and Max keep Min <= Max by moving the other end; Position stays between.
    int32_t Min() const { return FMin; }
    void SetMin(int32_t v);
    int32_t Max() const { return FMax; }
    void SetMax(int32_t v);
    int32_t Position() const;
    void SetPosition(int32_t v);
    // How far one press of an arrow moves the position.
    int32_t Increment() const { return FIncrement; }
    void SetIncrement(int32_t v);
    // The buddy: a control with the same parent (nullptr for none).
    TWinControl* Associate() const { return FAssociate; }
    void SetAssociate(TWinControl* v);
    // On which side of the buddy the arrows sit.
    TUDAlignButton AlignButton() const { return FAlignButton; }
    void SetAlignButton(TUDAlignButton v);
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation v);
    // Past one end the position goes on at the other.
    bool Wrap() const { return FWrap; }
    void SetWrap(bool v);
    // The up and down keys in the buddy move the position.
    bool ArrowKeys() const { return FArrowKeys; }
    void SetArrowKeys(bool v);
    // The buddy's text groups thousands.
    bool Thousands() const { return FThousands; }
    void SetThousands(bool v);

    void Notification(TComponent* component, TOperation operation) override;

    TUDClickEvent OnClick;
    TUDChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void InitializeWnd() override;
    void SaveWndState() override;
    void WndProc(TMessage& message) override;

private:
    void SetStyleFlag(bool& field, bool v);
    void UpdateRange();
    // Moves the arrows next to the buddy, on the AlignButton side, as high as it.
    void PlaceBesideBuddy();

    int32_t FMin = 0, FMax = 100, FPosition = 0, FIncrement = 1;
    TWinControl* FAssociate = nullptr;
    TUDAlignButton FAlignButton = udRight;
    TUDOrientation FOrientation = udVertical;
    bool FWrap = false, FArrowKeys = true, FThousands = true;
    int FLastDelta = 0; // the step of the press being handled
};

} // namespace fw
