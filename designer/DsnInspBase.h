#pragma once
// TCustomInspector: the abstract inspector. It holds the name lists that
// decide which rows are shown and how they are edited, the event through
// which dialog-edited rows reach the application, and the link to the
// property set of the current selection; it writes edited values into the
// selected components. The concrete inspector supplies the window.
#include "designer/DsnSelection.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/core/Strings.h"
#include "toolkit/win/window/Win32.h"

#include <memory>
#include <string>

namespace fw {

class TMultiProps;

// A property edited through a dialog: Value comes in as the current text and
// may be changed by the handler.
FW_EVENT_TYPE(TCallPropEditor, TObject* /*Sender*/, TSelectedComponents* /*Targets*/, const std::string& /*PropName*/,
              std::string& /*Value*/);

class TCustomInspector : public TComponent {
    FW_CLASS(TCustomInspector)

    explicit TCustomInspector(TComponent* owner);
    ~TCustomInspector() override;

    // Extra rows after the common ones: a name, or name|caption per line.
    TStrings* SelfProps() const { return FSelfProps.get(); }
    void SetSelfProps(TStrings* list) { CopyLines(*FSelfProps, list); }
    // Rows edited through OnBtnClick (matched case-sensitively by the window).
    TStrings* BtnProps() const { return FBtnProps.get(); }
    void SetBtnProps(TStrings* list) { CopyLines(*FBtnProps, list); }
    // Rows dropped as soon as two or more components are selected.
    TStrings* OutProps() const { return FOutProps.get(); }
    void SetOutProps(TStrings* list) { CopyLines(*FOutProps, list); }

    bool Active() const { return FActive; }
    TCallPropEditor OnBtnClick;
    // The property set of the current selection; set by its SetInspector.
    TMultiProps* Props() const { return FProps; }
    // Where a written property is announced (DM_PROPCHANGED); none by default.
    HWND NotifyWindow() const { return FNotifyWindow; }
    void SetNotifyWindow(HWND window) { FNotifyWindow = window; }

    // Shows the inspector when switched on, hides it when switched off.
    virtual void SetActive(bool value);
    virtual void ShowInspector() = 0;
    virtual void HideInspector() = 0;
    // Writes value into propName of every selected component (an illegal text
    // raises and changes nothing further), announces the change to
    // NotifyWindow and re-reads the values.
    virtual void SetPropValue(const std::string& propName, const std::string& value);
    virtual void BtnClick(const std::string& propName, std::string& value) = 0;
    virtual void UpdateView() = 0;
    // Asks the component's design agent to make it the only selected one:
    // DM_SELECTONLY is sent to its own window, or its parent's when it has
    // none. Returns the message result (0 when there is no window to ask).
    virtual LRESULT SelectComponent(TComponent* component);
    // The row names and their captions, parallel.
    virtual void GetPropLists(TStrings* names, TStrings* captions) = 0;

private:
    friend class TMultiProps;
    static void CopyLines(TStrings& target, TStrings* source);

    std::unique_ptr<TStringList> FSelfProps, FBtnProps, FOutProps;
    bool FActive = false;
    TMultiProps* FProps = nullptr;
    HWND FNotifyWindow = nullptr;
};

} // namespace fw
