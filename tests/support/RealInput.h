#pragma once
// Real pointer and keyboard input for GUI tests: events go through SendInput
// into the window system's input queue, exactly as a user's would, and tests
// wait for their outcome by pumping messages until a condition holds.
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Win32.h"

#include <functional>

namespace fwtest {

// Pumps messages until done() holds or the time-out passes; returns done().
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return done();
        fw::Application().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// Pumps what is waiting now, and what that posts in turn.
inline void PumpPending() {
    for (int i = 0; i < 5; ++i) {
        fw::Application().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

inline INPUT PointerInput(DWORD flags, POINT screen = {0, 0}) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_MOVE) {
        // Absolute coordinates run from 0 to 65535 across the primary screen;
        // rounding up lands on the pixel whether the system scales back by
        // 65535 or by 65536.
        LONG w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        in.mi.dx = (screen.x * 65536 + w - 1) / w;
        in.mi.dy = (screen.y * 65536 + h - 1) / h;
        in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    }
    return in;
}

inline void Send(INPUT in) { SendInput(1, &in, sizeof(INPUT)); }

// Moves the pointer to a screen point and waits until the system has it there.
inline void PointerTo(POINT screen) {
    Send(PointerInput(MOUSEEVENTF_MOVE, screen));
    PumpUntil([&] {
        POINT p;
        GetCursorPos(&p);
        return p.x == screen.x && p.y == screen.y;
    }, 2000);
    PumpPending();
}

inline void ButtonDown(bool right = false) {
    Send(PointerInput(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN));
    PumpPending();
}

inline void ButtonUp(bool right = false) {
    Send(PointerInput(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP));
    PumpPending();
}

inline void ClickAt(POINT screen, bool right = false) {
    PointerTo(screen);
    ButtonDown(right);
    ButtonUp(right);
}

// Press at `from`, move to `to` in a few steps, release there.
inline void DragFromTo(POINT from, POINT to, int steps = 4) {
    PointerTo(from);
    ButtonDown();
    for (int i = 1; i <= steps; ++i)
        PointerTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    ButtonUp();
}

inline void KeyInput(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(in);
}

// Presses and releases a key, with modifiers held around it.
inline void TypeKey(WORD vk, std::initializer_list<WORD> held = {}) {
    for (WORD m : held) KeyInput(m, false);
    KeyInput(vk, false);
    KeyInput(vk, true);
    for (WORD m : held) KeyInput(m, true);
    PumpPending();
}

// The colour of a screen pixel.
inline COLORREF ScreenPixel(POINT p) {
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, p.x, p.y);
    ReleaseDC(nullptr, dc);
    return c;
}

} // namespace fwtest
