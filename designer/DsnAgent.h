#pragma once
// Hooking agents. While design mode is on, the controls on the design surface
// must not behave as controls: a click on a button selects it instead of
// pressing it. Every window on the surface gets its window procedure replaced
// by an agent's:
//  - a design control (each designed windowed control, and the stage) gets a
//    TDsnCtrl, which swallows the control's own reaction to the pointer and
//    to the focus and turns pointer input into calls on the controller;
//  - an inner window of a compound control (the edit inside a combo box)
//    gets a TChildAgent, which makes it transparent to the pointer so that
//    the design control beneath gets the press.
// An agent finds itself through a window property and chains everything it
// does not swallow to the procedure it replaced, so the toolkit still sees it.
#include "toolkit/win/window/WinControl.h"

#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace fw {

// The windows below one window, listed in one go: asking the window system
// window by window costs a round trip each, and hooking a design asks about
// every window in it. Windows made after the snapshot are not in it.
class TWindowTree {
public:
    explicit TWindowTree(HWND root);
    // The direct children of the root or of a window below it, top of their
    // stack first; none for a window the snapshot does not know.
    const std::vector<HWND>* Find(HWND parent) const;

private:
    std::unordered_map<HWND, std::vector<HWND>> FChildren;
};

// While one lives, design agents made for controls below `root` leave the
// repainting to it, and it repaints the whole surface once when it goes.
class TRepaintOnce {
public:
    explicit TRepaintOnce(TWinControl* root);
    ~TRepaintOnce();
    TRepaintOnce(const TRepaintOnce&) = delete;
    TRepaintOnce& operator=(const TRepaintOnce&) = delete;
    static bool Pending();

private:
    TWinControl* FRoot;
    bool FOuter;
};

class TDsnRegister;
class TAgentList;

class TAgent {
public:
    // Hooks the window (none: nothing to hook, yet the agent counts as hooked).
    explicit TAgent(HWND handle);
    virtual ~TAgent();
    TAgent(const TAgent&) = delete;
    TAgent& operator=(const TAgent&) = delete;

    HWND Handle() const { return FHandle; }
    // The procedure the window had when it was hooked; valid after unhooking.
    WNDPROC OldWndProc() const { return FOldWndProc; }
    bool Hooked() const { return FHooked; }
    // The control the current pointer action is about.
    TControl* Target() const { return FTarget; }
    void SetTarget(TControl* target) { FTarget = target; }
    // Run by the destructor after the window's procedure was restored.
    std::function<void()> OnUnhooked;

    virtual void CaptureChanged(TMessage& message);
    // The agent's window procedure; Result is what the window system gets.
    virtual void WndProc(TMessage& message) = 0;
    // Gives the window its old procedure back.
    virtual void Unhook();
    // Hooks a new window of the same control (after the old one was
    // destroyed and unhooked).
    virtual void Rehook(HWND handle);

    // The agent of a hooked window, or none.
    static TAgent* AgentOf(HWND handle);

protected:
    TAgent() = default;
    // Replaces the window's procedure; "Subclassing is failure." when the
    // window system refuses.
    void Hook(HWND handle);
    // Hands the message to the replaced procedure.
    void CallOld(TMessage& message);
    // Expires when the agent is freed: a handler that may free the agent
    // (design mode switched off from a press) checks it before going on.
    std::weak_ptr<void> LifeToken() const { return FLife; }

private:
    static LRESULT CALLBACK EntryProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND FHandle = nullptr;
    WNDPROC FOldWndProc = nullptr;
    bool FHooked = false;
    TControl* FTarget = nullptr;
    std::shared_ptr<void> FLife = std::make_shared<int>(0);
};

// Makes an inner window transparent to the pointer.
class TChildAgent : public TAgent {
public:
    using TAgent::TAgent;
    void WndProc(TMessage& message) override;
};

// The agents of the inner windows below a design control, in creation order;
// owned, freed with the list.
class TAgentList {
public:
    TAgentList() = default;
    ~TAgentList();
    TAgentList(const TAgentList&) = delete;
    TAgentList& operator=(const TAgentList&) = delete;

    // A child agent for the window, appended.
    TChildAgent* Add(HWND handle);
    void Clear();
    int Count() const { return static_cast<int>(FAgents.size()); }
    TAgent* Items(int index) const { return FAgents.at(static_cast<size_t>(index)).get(); }
    // Hooks every inner window below the control's window: windows without a
    // toolkit control, and toolkit controls of another owner (parts of a
    // compound control), each with all the windows below it. Design controls
    // of the same owner are left to their own agents.
    void HookChildren(TWinControl* control, HWND handle);
    // The window and every window below it, depth first.
    void HookTree(HWND window, const TWindowTree* tree = nullptr);

private:
    std::vector<std::unique_ptr<TChildAgent>> FAgents;
};

// A snapshot of the direct child windows of one window, in the window
// system's order (top first), each paired with the windowed child control
// of Control whose window it is (none for others, and always none without
// a Control). Taking it creates the windows of Control's children.
class TChildList {
public:
    // Lists from the tree when one is given, else asks the window system.
    TChildList(TWinControl* control, HWND handle, const TWindowTree* tree = nullptr);
    struct TEntry {
        TWinControl* Control;
        HWND Handle;
    };
    int Count() const { return static_cast<int>(FEntries.size()); }
    const TEntry& Entry(int index) const { return FEntries.at(static_cast<size_t>(index)); }

private:
    std::vector<TEntry> FEntries;
};

// An agent of one windowed control and of the inner windows below it.
class TClientAgent : public TAgent {
public:
    ~TClientAgent() override;

    TWinControl* Control() const { return FControl; }
    TAgentList& Children() { return *FChildren; }
    // Hooks the new window, then hooks its inner windows afresh.
    void Rehook(HWND handle) override;

protected:
    // Stores the control; the most derived class calls Attach once it is
    // complete, so that its Hooking runs (a constructor cannot reach it).
    explicit TClientAgent(TWinControl* control);
    void Attach();
    // Frees the inner agents, unhooks, then runs Unhooked; the most derived
    // destructor calls it while its own overrides still answer.
    void Detach();
    // Before the window is hooked.
    virtual void Hooking() = 0;
    // After the window's old procedure has been restored at the end.
    virtual void Unhooked() = 0;

private:
    TWinControl* FControl;
    std::unique_ptr<TAgentList> FChildren = std::make_unique<TAgentList>();
    bool FDetached = false;
};

// The design agent of one design control.
class TDsnCtrl : public TClientAgent {
public:
    explicit TDsnCtrl(TWinControl* control);
    ~TDsnCtrl() override;

    TDsnRegister* DsnRegister() const { return FDsnRegister; }
    void SetDsnRegister(TDsnRegister* value) { FDsnRegister = value; }
    // The control is going (or the controller is): never touch it again, and
    // be freed when the window goes.
    bool Orphaned() const { return FOrphaned; }
    void SetOrphaned(bool value) { FOrphaned = value; }
    // Where the last pointer message was, in the client coordinates of the
    // hooked window.
    POINT MousePos() const { return FMousePos; }

    void CaptureChanged(TMessage& message) override;
    void WndProc(TMessage& message) override;

    // True while the agent exists (for a message posted with its address).
    static bool IsLive(const TDsnCtrl* agent);

protected:
    void Hooking() override;
    void Unhooked() override;

    virtual void WmLButtonDown(TMessage& m);
    virtual void WmMouseMove(TMessage& m);
    virtual void WmLButtonUp(TMessage& m);
    virtual void WmPaint(TMessage& m);
    virtual void DmSetTarget(TMessage& m);
    virtual void DmResized(TMessage& m);
    virtual void DmGroupAdded(TMessage& m);
    virtual void DmSelectOnly(TMessage& m);
    virtual void WmSetFocus(TMessage& m);
    virtual void WmLButtonDblClk(TMessage& m);
    virtual void WmRButtonDown(TMessage& m);
    virtual void WmDestroy(TMessage& m);

private:
    // Finds the target at the pointer and captures it (both presses).
    void PrepareTarget(const TMessage& m);
    void FocusStage();
    HWND StageWindow() const;

    TDsnRegister* FDsnRegister = nullptr;
    bool FOrphaned = false;
    POINT FMousePos{0, 0};
};

} // namespace fw
