#pragma once
// The design controller: a non-visual component that ties one design
// surface, one component palette with its pointer button and one object
// inspector together, and owns everything design mode needs while it is on:
// one hooking agent per design control, the selection, the grab handles, the
// drag outlines and the inspector's property set.
#include "designer/DsnAgent.h"
#include "designer/DsnHandle.h"
#include "designer/DsnList.h"
#include "designer/DsnProp.h"
#include "designer/DsnShape.h"
#include "designer/DsnStage.h"

#include <functional>
#include <memory>
#include <vector>

namespace fw {

class TCustomCmpPlt;
class TArrowButton;
class TPopupMenu;
class TMenuItem;

// The agents of the controller, in hooking order.
class TDsnList : public TList<TDsnCtrl*> {};

// Something that hears when design mode goes on or off.
class TDesignListener {
public:
    virtual ~TDesignListener() = default;
    virtual void DesignModeChanged(bool on) = 0;
};

class TDsnRegister : public TComponent {
    FW_CLASS(TDsnRegister)

    explicit TDsnRegister(TComponent* owner);
    ~TDsnRegister() override;

    bool Designing() const { return FDesigning; }
    TCustomCmpPlt* DsnPanel() const { return FDsnPanel; }
    void SetDsnPanel(TCustomCmpPlt* value);
    TDsnStage* DsnStage() const { return FDsnStage; }
    void SetDsnStage(TDsnStage* value);
    TCustomInspector* DsnInspector() const { return FDsnInspector; }
    void SetDsnInspector(TCustomInspector* value);
    TArrowButton* ArrowButton() const { return FArrowButton; }
    void SetArrowButton(TArrowButton* value);

    TMultiProps* PropSet() const { return FPropSet.get(); }
    TPopupMenu* DesignPopup() const { return FDesignPopup; }
    TDsnList* Agents() const { return FAgents.get(); }
    TTargetList* Targets() const { return FTargets.get(); }
    TMultiHandler* Handles() const { return FHandles.get(); }
    TMultiShape* Outlines() const { return FOutlines.get(); }
    TControl* DragContainer() const { return FDragContainer; }
    int32_t StartX() const { return FStartX; }
    int32_t StartY() const { return FStartY; }
    int32_t MoveWidth() const { return FMoveWidth; }
    int32_t MoveHeight() const { return FMoveHeight; }
    TColor OutlineColor() const { return FOutlineColor; }
    int32_t OutlineWidth() const { return FOutlineWidth; }
    TControl* NewControl() const { return FNewControl; }

    void Notification(TComponent* component, TOperation operation) override;

    // --- virtual operations, in slot order ---------------------------------
    virtual void AgentRemoved() {}
    virtual void TargetRemoved() {}
    virtual void SetDesignMode(bool on);
    virtual void CreateHandleSet();
    virtual void CreateOutlines();
    virtual void RenewOutlines();
    virtual std::unique_ptr<TDsnCtrl> CreateAgent(TWinControl* control);
    virtual std::unique_ptr<TTargetList> CreateTargets();
    virtual std::unique_ptr<TDsnList> CreateAgentList();
    virtual void MouseDown(TWinControl* hooked, TControl* target, POINT p, TShiftState shift);
    virtual void MouseMove(TWinControl* hooked, POINT p, TShiftState shift);
    virtual void MouseUp(TWinControl* hooked, POINT p, TShiftState shift);
    // Drawing a new control with the palette's current tool.
    virtual void BeginCreate(TWinControl* hooked, TControl* target, POINT p, TShiftState shift);
    virtual void DragCreate(TWinControl* hooked, POINT p, TShiftState shift);
    virtual void EndCreate(TWinControl* hooked, POINT p, TShiftState shift);
    virtual void BeginMove(TWinControl* hooked, TControl* target, POINT p, TShiftState shift);
    virtual void DragMove(TWinControl* hooked, POINT p, TShiftState shift);
    virtual void EndMove(TWinControl* hooked, POINT p, TShiftState shift);
    virtual void TargetDblClick(TControl* target, TMessage& message);
    virtual void RightMouseDown(TWinControl* hooked, TControl* target, int32_t x, int32_t y);
    virtual void SelectTarget(TWinControl* hooked, TControl* target, int32_t x, int32_t y);
    // Cut, copy and paste through the "Dsn_ClipboardFormat" block.
    virtual bool CanCopy();
    virtual bool CanPaste();
    virtual TDsnStage* DefaultParent() { return FDsnStage; }
    virtual void CutSelection();
    virtual void CopySelection();
    // A block that cannot be read raises its error and leaves the design as
    // it was.
    virtual void PasteClipboard();
    virtual void DeleteSelection();
    virtual void SetNewControl(TControl* component) { FNewControl = component; }
    virtual void NameNewControl(TComponent* component);
    virtual void ControlResized(TControl* target, TMessage& message);
    virtual void SelectionMoved(int32_t dx, int32_t dy);
    virtual void HandleGroupAdded(TControl* target, TMessage& message) {}
    // The design popup: the stage's cover-menu items, borrowed while design
    // mode is on, then one entry per self-property the whole selection has.
    virtual void BuildDesignPopup();
    virtual void ContextItemClick(TMenuItem* sender);
    virtual int AddDesignListener(TDesignListener* listener);
    virtual void RemoveDesignListener(TDesignListener* listener);
    virtual int AddSelectionReceiver(TReceiveTargets* receiver);

    // --- creation -------------------------------------------------------------
    // Reads a copy of the prototype, with every stored value but its name,
    // into the container; the copy becomes NewControl.
    void CopyPrototype(TComponent* prototype, TWinControl* container);
    // The set-name handler of the controller's reads: a name unique in the
    // controller's owner, and DM_CONTROLCREATED posted to the stage.
    void ReaderSetName(TReader& reader, TComponent* component, std::string& name);
    // Hooks a pasted control, moves it inside its parent when it starts
    // beyond the right or bottom edge, and selects it.
    void PlacePasted(TComponent* component);
    // The signature and record of each component, then one list end.
    static void WriteRecords(TStream& stream, TComponent* root, const std::vector<TComponent*>& components);
    // Reads such records with ReaderSetName naming each component read.
    void ReadRecords(TStream& stream, TComponent* owner, TWinControl* parent,
                     const std::function<void(TComponent*)>& eachRead);
    // Ascending by the number of parents between each and the stage.
    void SortByDepth(std::vector<TComponent*>& list) const;

    // --- shared steps ---------------------------------------------------------
    void HookControl(TWinControl* control);
    void HookAll();
    void UnhookAll();
    void ClearSelection();
    std::unique_ptr<TMultiProps> CreatePropSet();
    void SelectOnly(TComponent* component);
    void SnapToGrid(int32_t& x, int32_t& y) const;
    bool SameParent() const;

    // The stage handles DM_REHOOK: an orphaned agent is freed, any other one
    // hooks its control's new window. Agents the controller no longer knows
    // are left alone.
    void RehookAgent(TDsnCtrl* agent);
    // An agent whose window went while no stage window could hear of it.
    void AgentWindowGone(TDsnCtrl* agent);
    // The stage has a new window: agents waiting for one hook it.
    void StageWindowCreated();

protected:
    // The selection rule of a press: false when the press selects nothing.
    bool ApplySelectionRule(TWinControl* hooked, TControl* target);
    // Fires the surface's OnSelectQuery; both members when there is none.
    TSelectAccept AskSelect(TComponent* target) const;
    void EnsureTargets();
    // The gesture's origin in screen coordinates.
    POINT ScreenPoint(int32_t x, int32_t y) const;
    // A point of the hooked control in the container a band drawn from it
    // lies in: the hooked control itself, or its parent when it holds no
    // controls.
    static POINT InBandContainer(TWinControl* hooked, POINT p);
    // Starts a band in that container (DragContainer := it) at the snapped
    // point, and confines the pointer to it.
    void StartBand(TMultiShape& band, TWinControl* hooked, POINT p);
    // Stretches the band from its start to the snapped pointer.
    void StretchBand(TMultiShape& band, TWinControl* hooked, POINT p);

    std::unique_ptr<TMultiShape> FOutlines;
    std::unique_ptr<TMultiHandler> FHandles;
    TControl* FDragContainer = nullptr;
    int32_t FStartX = 0, FStartY = 0;

private:
    void HookWalk(TWinControl* control, TDsnCtrl*& current, const TWindowTree& tree);
    void TellListeners();
    void DesignOn();
    void DesignOff();
    void FreeSelection();
    void DropAgentsOf(TComponent* component);
    void DropTarget(TComponent* component);

    bool FDesigning = false;
    TCustomCmpPlt* FDsnPanel = nullptr;
    TDsnStage* FDsnStage = nullptr;
    TCustomInspector* FDsnInspector = nullptr;
    TArrowButton* FArrowButton = nullptr;
    std::unique_ptr<TMultiProps> FPropSet;
    TPopupMenu* FDesignPopup = nullptr;
    std::unique_ptr<TDsnList> FAgents;
    std::unique_ptr<std::vector<TReceiveTargets*>> FSelectionReceivers;
    std::unique_ptr<std::vector<TDesignListener*>> FDesignListeners;
    std::unique_ptr<TTargetList> FTargets;
    int32_t FMoveWidth = 8, FMoveHeight = 8;
    TColor FOutlineColor = 0x808080;
    int32_t FOutlineWidth = 2;
    TControl* FNewControl = nullptr;
    // Agents taken out of Agents (their control went) until their window's
    // destruction is over, and agents waiting for the stage's new window.
    std::vector<std::unique_ptr<TDsnCtrl>> FOrphans;
    std::vector<TDsnCtrl*> FAwaitingStage;
};

} // namespace fw
