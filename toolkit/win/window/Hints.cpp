#include "toolkit/win/window/Hints.h"

#include "toolkit/win/window/WinControl.h"

namespace fw {

namespace {

constexpr UINT_PTR kToolId = 1;

struct THintState {
    HWND Tip = nullptr;
    const TControl* Current = nullptr; // the control the tool stands for
    HWND ToolWindow = nullptr;         // the window the tool belongs to
};

THintState& State() {
    static THintState state;
    return state;
}

HWND EnsureTip() {
    THintState& s = State();
    if (s.Tip && IsWindow(s.Tip)) return s.Tip;
    s.Tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (s.Tip) SendMessageW(s.Tip, TTM_SETMAXTIPWIDTH, 0, 400);
    return s.Tip;
}

TOOLINFOW ToolInfo(HWND window) {
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = window;
    ti.uId = kToolId;
    return ti;
}

void DropTool() {
    THintState& s = State();
    if (s.Tip && s.ToolWindow) {
        TOOLINFOW ti = ToolInfo(s.ToolWindow);
        SendMessageW(s.Tip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    s.Current = nullptr;
    s.ToolWindow = nullptr;
}

bool WantsHint(const TControl* c) { return c && c->ShowHint() && !c->Hint().empty(); }

// The tool covers the control's area in the window that gets the messages.
void AddTool(TWinControl& window, const TControl* control) {
    HWND tip = EnsureTip();
    if (!tip) return;
    std::wstring text = win::Wide(control->Hint());
    TOOLINFOW ti = ToolInfo(window.Handle());
    ti.uFlags = TTF_TRANSPARENT;
    ti.rect = control == &window ? window.ClientRect() : control->BoundsRect();
    ti.lpszText = text.data(); // the tooltip keeps a copy
    if (!SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti))) return;
    State().Current = control;
    State().ToolWindow = window.Handle();
}

} // namespace

void TrackHint(TWinControl& window, TControl* control, const MSG& msg) {
    THintState& s = State();
    const TControl* wanted = WantsHint(control) ? control : nullptr;
    if (wanted != s.Current || (wanted && s.ToolWindow != window.Handle())) {
        DropTool();
        if (wanted) AddTool(window, wanted);
    }
    if (s.Current && s.Tip) {
        MSG copy = msg;
        SendMessageW(s.Tip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
    }
}

void ForgetHint(const TControl* control) {
    // A tool whose window was destroyed is dropped or replaced at the next
    // pointer message; only a control that is freed must be forgotten now.
    if (control && State().Current == control) DropTool();
}

HWND HintWindow() { return State().Tip; }

} // namespace fw
