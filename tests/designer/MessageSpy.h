#pragma once
// Records the messages a window receives, by subclassing it (as a design
// agent does) and chaining every message on. Optional per-message callbacks
// run inside the window procedure, so a test can look at the world at the
// moment a message arrives.
#include "toolkit/win/window/Win32.h"

#include <functional>
#include <map>
#include <vector>

namespace dsntest {

struct TSpiedMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
};

class TMessageSpy {
public:
    explicit TMessageSpy(HWND window) : FWindow(window) {
        SetPropW(FWindow, kProp, this);
        FPrevious = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMessageSpy::Proc)));
    }
    ~TMessageSpy() {
        if (IsWindow(FWindow)) {
            SetWindowLongPtrW(FWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevious));
            RemovePropW(FWindow, kProp);
        }
    }
    TMessageSpy(const TMessageSpy&) = delete;
    TMessageSpy& operator=(const TMessageSpy&) = delete;

    // The recorded messages numbered msg, in arrival order.
    std::vector<TSpiedMessage> Of(UINT msg) const {
        std::vector<TSpiedMessage> out;
        for (const auto& m : FLog)
            if (m.Msg == msg) out.push_back(m);
        return out;
    }
    int Count(UINT msg) const { return static_cast<int>(Of(msg).size()); }
    void Clear() { FLog.clear(); }
    // Runs when msg arrives, before the window handles it.
    void OnMessage(UINT msg, std::function<void(const TSpiedMessage&)> fn) { FCallbacks[msg] = std::move(fn); }

private:
    static constexpr const wchar_t* kProp = L"dsntest.spy";

    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM w, LPARAM l) {
        auto* self = static_cast<TMessageSpy*>(GetPropW(h, kProp));
        if (!self) return DefWindowProcW(h, msg, w, l);
        WNDPROC previous = self->FPrevious;
        try {
            self->FLog.push_back({msg, w, l});
            if (auto found = self->FCallbacks.find(msg); found != self->FCallbacks.end()) found->second({msg, w, l});
        } catch (...) {
            // A failing callback must not unwind through the window system.
        }
        return CallWindowProcW(previous, h, msg, w, l);
    }

    HWND FWindow;
    WNDPROC FPrevious = nullptr;
    std::vector<TSpiedMessage> FLog;
    std::map<UINT, std::function<void(const TSpiedMessage&)>> FCallbacks;
};

} // namespace dsntest
