#pragma once
// Actions: named commands with a caption, an enabled state and a keyboard
// shortcut, kept in action lists on a form. The message loop runs an action
// when its shortcut is pressed in the form (see ShortCutDispatch.h). Actions
// are owned by the form like any component and stored inside the record of
// their list.
#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/win/menus/ShortCuts.h"

#include <string>
#include <vector>

namespace fw {

class TActionList;

class TAction : public TComponent {
    FW_CLASS(TAction)

    explicit TAction(TComponent* owner);
    ~TAction() override;

    TActionList* ActionList() const { return FActionList; }
    // Moves the action to the end of another list (nullptr: none).
    void SetActionList(TActionList* list);
    int Index() const;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& v) { FCaption = v; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool v) { FChecked = v; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& v) { FHint = v; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut v) { FShortCut = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v) { FVisible = v; }

    // Fires OnExecute when enabled; true when a handler ran.
    virtual bool Execute();
    TNotifyEvent OnExecute;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TActionList;
    TActionList* FActionList = nullptr;
    std::string FCaption;
    std::string FHint;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    TShortCut FShortCut = 0;
};

class TActionList : public TComponent {
    FW_CLASS(TActionList)

    explicit TActionList(TComponent* owner);
    // Its actions stay with their owner, in no list.
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    TAction* Actions(int index) const;
    // Executes the first enabled action with this shortcut; true when there
    // was one (the key is then used up, handler or not).
    bool ExecuteShortCut(TShortCut shortCut);

    // Stream structure: the actions are stored inside the list's record.
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void SetChildOrder(TComponent* child, int order) override;

private:
    friend class TAction;
    std::vector<TAction*> FActions;
};

} // namespace fw
