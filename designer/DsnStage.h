#pragma once
// The design surface: the panel on which the designed form's controls live.
// It holds the settings and events that steer the design controller, saves
// its controls to a design file and loads them back, maps the editing keys
// to the controller's delete, cut, copy and paste, and is the window the
// designer posts its deferred notices to.
#include "designer/DsnInspBase.h"
#include "toolkit/core/Strings.h"
#include "toolkit/win/controls/Panel.h"

#include <memory>
#include <string>
#include <unordered_set>

namespace fw {

class TDsnRegister;
class TPopupMenu;
class TReader;

FW_ENUM(TCoverAccept, caAllAccept, caNoAccept, caChildrenAccept)
FW_ENUM(TSelectAcceptItem, saCreate, saMove)
FW_SET(TSelectAccept, TSelectAcceptItem);

FW_EVENT_TYPE(TDeleteQuery, TObject* /*Sender*/, TComponent* /*Component*/, bool& /*CanDelete*/);
FW_EVENT_TYPE(TCoverQuery, TObject* /*Sender*/, TComponent* /*Component*/, TCoverAccept& /*CanCover*/);
FW_EVENT_TYPE(TSelectQuery, TObject* /*Sender*/, TComponent* /*Component*/, TSelectAccept& /*CanSelect*/);
FW_EVENT_TYPE(TMoveQuery, TObject* /*Sender*/, TComponent* /*Component*/, bool& /*CanMove*/);
FW_EVENT_TYPE(TControlCreate, TObject* /*Sender*/, TComponent* /*Component*/);
FW_EVENT_TYPE(TCallCompoEditor, TObject* /*Sender*/, TComponent* /*Component*/);

// Outline and grid settings of the designer.
class TRubberband : public TPersistent {
    FW_CLASS(TRubberband)
    int32_t Color = 0x808080;  // outlines of moving, creating and resizing
    int32_t PenWidth = 2;
    int32_t MoveWidth = 8;     // grid steps; 0 or less: no snapping
    int32_t MoveHeight = 8;
    void Assign(TPersistent* source) override;
};

class TDsnStage : public TPanel {
    FW_CLASS(TDsnStage)

    explicit TDsnStage(TComponent* owner);
    ~TDsnStage() override;

    TDsnRegister* DsnRegister() const { return FDsnRegister; }
    // Posts DM_CONTROLCREATED for a component the controller read.
    void NoticeCreated(TComponent* component);
    void SetDsnRegister(TDsnRegister* value) { FDsnRegister = value; }

    TStrings* SelfProps() const { return FSelfProps.get(); }
    void SetSelfProps(TStrings* list) { CopyLines(*FSelfProps, list); }
    TStrings* OutProps() const { return FOutProps.get(); }
    void SetOutProps(TStrings* list) { CopyLines(*FOutProps, list); }
    TRubberband* Rubberband() const { return FRubberband.get(); }
    void SetRubberband(TRubberband* value) { FRubberband->Assign(value); }
    TPopupMenu* CoverMenu() const { return FCoverMenu; }
    void SetCoverMenu(TPopupMenu* menu);
    bool FixPosition() const { return FFixPosition; }
    void SetFixPosition(bool v) { FFixPosition = v; }
    bool FixSize() const { return FFixSize; }
    void SetFixSize(bool v) { FFixSize = v; }

    TDeleteQuery OnDeleteQuery;
    TCoverQuery OnCoverQuery;
    TSelectQuery OnSelectQuery;
    TMoveQuery OnMoveQuery;
    TControlCreate OnControlCreate;
    TControlCreate OnControlLoaded;
    TControlCreate OnControlLoading;
    TCallCompoEditor OnCoverDblClick;
    TCallPropEditor OnMenuClick;
    TNotifyEvent OnPopup;

    // Writes every control of the stage to a design file. The file is
    // written beside the old one and put in its place only when complete,
    // so a failed save leaves the file that was there before.
    void SaveToFile(const std::string& fileName);
    // Replaces the stage's controls by those of a design file; any failure
    // raises "<fileName> can not be read" and leaves design mode off.
    void LoadFromFile(const std::string& fileName);

    // The name hook of every reader that reads into the design window: a
    // taken name becomes the class name without its first letter and the
    // first free number.
    static void MakeUniqueName(TComponent* root, TComponent* component, std::string& name);

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

    // The reader's callbacks while loading, then the controls' stream forms.
    virtual void ReaderSetName(TReader& reader, TComponent* component, std::string& name);
    virtual void WriteControl(TStream& stream, TControl* control);
    virtual void ReadControls(TStream& stream);
    virtual void ReaderError(TReader& reader, const std::string& message, bool& handled);
    virtual void ReaderFindMethod(TReader& reader, const std::string& methodName, const TMethodEntry*& address,
                                  bool& error);
    // Told by the controller when design mode goes off.
    virtual void DesignModeChanged(bool active) {}

protected:
    void KeyPress(int32_t& key) override;
    void CreateWnd() override;

private:
    static void CopyLines(TStrings& target, TStrings* source);
    void DmRehook(TMessage& m);
    void DmPropChanged(TMessage& m);
    void DmControlCreated(TMessage& m);
    void DmControlLoaded(TMessage& m);
    // A posted notice names a component by address: it is used only if the
    // component has not been freed since (a failed load frees what it read).
    void Expect(TComponent* component) { FNoticed.insert(component); }
    bool Take(TComponent* component);

    TDsnRegister* FDsnRegister = nullptr;
    std::unique_ptr<TStringList> FSelfProps, FOutProps;
    std::unique_ptr<TRubberband> FRubberband;
    TPopupMenu* FCoverMenu = nullptr;
    bool FFixPosition = false;
    bool FFixSize = false;
    std::unordered_multiset<TComponent*> FNoticed; // posted notices not yet handled
};

} // namespace fw
