#pragma once
// The application: creates the windows from their stored layouts in order,
// runs the message loop (with keyboard shortcuts), and is the exception
// barrier: whatever a window procedure, callback or event handler throws ends
// here and is shown to the user, and the program goes on.
#include "toolkit/core/Component.h"
#include "toolkit/core/Events.h"
#include "toolkit/win/window/Win32.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace fw {

class TForm;

FW_EVENT_TYPE(TExceptionEvent, TObject* /*Sender*/, const std::string& /*Message*/);

class TApplication : public TComponent {
    FW_CLASS(TApplication)

    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // Loads the common controls.
    void Initialize();
    // Creates a form of a class, reads its stored layout into it (when given),
    // registers it by name so references from other windows resolve, and fires
    // its OnCreate. The first form created becomes the main form.
    TForm* CreateForm(const TClassInfo& formClass, const std::vector<uint8_t>& layout = {});
    template <class T> T* CreateForm(const std::vector<uint8_t>& layout = {}) {
        return static_cast<T*>(CreateForm(T::StaticClassInfo(), layout));
    }
    TForm* MainForm() const { return FMainForm; }
    void SetMainForm(TForm* f) { FMainForm = f; }

    // Shows the main form and dispatches messages until Terminate or the main
    // form closes.
    void Run();
    // Dispatches the messages waiting now.
    void ProcessMessages();
    // One message (waits for it); false when the loop should end.
    bool HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // The exception barrier.
    void HandleException(std::exception_ptr e);
    // Runs fn inside the barrier; true when it returned normally.
    bool Guard(const std::function<void()>& fn);
    void ShowException(const std::string& message);
    TExceptionEvent OnException;

    // Keyboard shortcuts checked before a key message is dispatched; a handler
    // returns true when it used the message.
    using TShortCutHandler = std::function<bool(const MSG&)>;
    int AddShortCutHandler(TShortCutHandler handler);
    void RemoveShortCutHandler(int id);

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& t) { FTitle = t; }
    // The full path of the running program.
    static std::string ExeName();

    void Notification(TComponent* component, TOperation operation) override;

private:
    bool ProcessMessage(MSG& msg);
    bool IsShortCut(const MSG& msg);

    TForm* FMainForm = nullptr;
    bool FTerminated = false;
    std::string FTitle = "Formwright";
    std::vector<std::pair<int, TShortCutHandler>> FShortCuts;
    int FNextShortCutId = 1;
    int FHandlingException = 0;
};

// The one application object of the process.
TApplication& Application();

} // namespace fw
