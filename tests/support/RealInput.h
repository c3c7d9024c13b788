#pragma once
// Real pointer and keyboard input for GUI tests: events go through SendInput
// into the window system's input queue, exactly as a user's would, and tests
// wait for their outcome by pumping messages until a condition holds.
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Win32.h"

#include <gtest/gtest.h>

#include <functional>

namespace fwtest {

// Pumps the GUI thread's messages until done() or the time-out; true when
// done() held.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    for (;;) {
        fw::Application().ProcessMessages();
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline POINT CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

// Absolute coordinates address 65536 steps across the screen; the smallest
// step count at or past the pixel maps back to that pixel whether the
// system truncates or rounds.
inline LONG AbsoluteCoordinate(int pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
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
        in.mi.dx = AbsoluteCoordinate(screen.x, GetSystemMetrics(SM_CXSCREEN));
        in.mi.dy = AbsoluteCoordinate(screen.y, GetSystemMetrics(SM_CYSCREEN));
        in.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
    }
    return in;
}

inline void Send(INPUT in) { SendInput(1, &in, sizeof(INPUT)); }

// A button event (or none) together with a move to the point.
inline void SendPointer(DWORD flags, POINT at) { Send(PointerInput(flags | MOUSEEVENTF_MOVE, at)); }

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

// Moves the pointer and waits until the system has it there (a confined
// pointer stops at the edge of its area: then pass the point it stops at).
inline void MovePointer(POINT to, POINT expected) {
    SendPointer(0, to);
    EXPECT_TRUE(PumpUntil([&] {
        POINT p = CursorPos();
        return p.x == expected.x && p.y == expected.y;
    })) << "pointer did not reach " << expected.x << "," << expected.y;
}
inline void MovePointer(POINT to) { MovePointer(to, to); }

inline void PressLeft(POINT at) { SendPointer(MOUSEEVENTF_LEFTDOWN, at); }
inline void ReleaseLeft(POINT at) { SendPointer(MOUSEEVENTF_LEFTUP, at); }

// Far from every test window, so no stray move reaches one.
inline void ParkPointer() { MovePointer({1200, 1000}); }

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

// Presses or releases a key and waits until the key state shows it: injected
// keys reach the key state some time after SendInput returns, and a mouse
// press sent before would not carry the modifier.
inline void HoldKey(WORD vk, bool held) {
    KeyInput(vk, !held);
    PumpUntil([&] { return (GetAsyncKeyState(vk) < 0) == held; }, 3000);
}

// Presses and releases a key, with modifiers held around it.
inline void TypeKey(WORD vk, std::initializer_list<WORD> held = {}) {
    for (WORD m : held) KeyInput(m, false);
    KeyInput(vk, false);
    KeyInput(vk, true);
    for (WORD m : held) KeyInput(m, true);
    PumpPending();
}

} // namespace fwtest
