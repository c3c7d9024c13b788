#include "toolkit/win/window/Application.h"

#include "stream/Reader.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Exception.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/Guarded.h"
#include "toolkit/win/window/ModalUI.h"

#include <algorithm>

namespace fw {

const TClassInfo& TApplication::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TApplication, TComponent>().Build();
    return info;
}

TApplication& Application() {
    // Never freed: windows may still be torn down during process exit.
    static TApplication* app = new TApplication(nullptr);
    return *app;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() { Destroying(); }

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES |
                                             ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                             ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    LoadLibraryW(L"riched20.dll");
}

TForm* TApplication::CreateForm(const TClassInfo& formClass, const std::vector<uint8_t>& layout) {
    if (!formClass.CreateComponent || !formClass.InheritsFrom(TForm::StaticClassInfo()))
        throw EInvalidOperation(Format("%s is not a form class", {formClass.ClassName}));
    auto* form = static_cast<TForm*>(formClass.CreateComponent(this));
    try {
        if (!layout.empty()) {
            TMemoryStream s(layout);
            TReader reader(s);
            reader.ReadRootComponent(form);
        }
        RegisterRoot(form);
        if (!FMainForm) FMainForm = form;
        form->DoCreate();
    } catch (...) {
        if (FMainForm == form) FMainForm = nullptr;
        UnregisterRoot(form);
        delete form;
        throw;
    }
    return form;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) {
        if (component == FMainForm) FMainForm = nullptr;
        UnregisterRoot(component);
    }
}

void TApplication::Run() {
    // Showing runs the form's OnShow, which may fail like any handler.
    if (FMainForm) Guard([this] { FMainForm->Show(); });
    while (!FTerminated) {
        if (!HandleMessage()) break;
    }
}

bool TApplication::HandleMessage() {
    MSG msg;
    BOOL r = GetMessageW(&msg, nullptr, 0, 0);
    if (r == 0) {
        FTerminated = true;
        return false;
    }
    if (r < 0) return true;
    Guard([&] { ProcessMessage(msg); });
    return !FTerminated;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            FTerminated = true;
            break;
        }
        Guard([&] { ProcessMessage(msg); });
    }
}

bool TApplication::ProcessMessage(MSG& msg) {
    if (IsShortCut(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
}

bool TApplication::IsShortCut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
    auto handlers = FShortCuts; // a handler may add or remove handlers
    for (auto& [id, h] : handlers)
        if (h(msg)) return true;
    return false;
}

int TApplication::AddShortCutHandler(TShortCutHandler handler) {
    int id = FNextShortCutId++;
    FShortCuts.emplace_back(id, std::move(handler));
    return id;
}

void TApplication::RemoveShortCutHandler(int id) {
    FShortCuts.erase(std::remove_if(FShortCuts.begin(), FShortCuts.end(), [id](auto& p) { return p.first == id; }),
                     FShortCuts.end());
}

void TApplication::Terminate() {
    FTerminated = true;
    PostQuitMessage(0);
}

bool TApplication::Guard(const std::function<void()>& fn) {
    bool finished = false;
    Guarded([&] {
        fn();
        finished = true;
    });
    return finished;
}

void HandleBoundaryException(std::exception_ptr e) noexcept {
    try {
        Application().HandleException(e);
    } catch (...) {
        // The handler itself failed (out of memory): nothing more to report.
    }
}

void TApplication::HandleException(std::exception_ptr e) {
    std::string message;
    try {
        std::rethrow_exception(e);
    } catch (const std::exception& ex) {
        message = ex.what();
    } catch (...) {
        message = "Unknown error";
    }
    // A failing handler must not take the program down with it.
    try {
        if (OnException.Assigned()) OnException(this, message);
        else ShowException(message);
    } catch (...) {
    }
}

void TApplication::ShowException(const std::string& message) {
    if (FHandlingException > 2) return; // an error box that fails again: stop
    ++FHandlingException;
    try {
        ModalUI().MessageBox(message, FTitle, MB_OK | MB_ICONERROR);
    } catch (...) {
    }
    --FHandlingException;
}

std::string TApplication::ExeName() {
    std::wstring buf(32768, L'\0');
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    buf.resize(n);
    return win::Narrow(buf);
}

} // namespace fw
