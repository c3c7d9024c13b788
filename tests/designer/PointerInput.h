#pragma once
// Real pointer input for GUI tests: absolute moves, presses and releases
// through SendInput, and waits that pump messages until a condition holds
// (with a generous time-out) instead of sleeping for a fixed time.
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Win32.h"

#include <gtest/gtest.h>

#include <functional>

namespace dsntest {

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

inline void SendPointer(DWORD flags, POINT at) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = AbsoluteCoordinate(at.x, GetSystemMetrics(SM_CXSCREEN));
    in.mi.dy = AbsoluteCoordinate(at.y, GetSystemMetrics(SM_CYSCREEN));
    in.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

// Moves the pointer and waits until the system has it there (a confined
// pointer stops at the edge of its area: then pass the point it stops at).
inline void MovePointer(POINT to, POINT expected) {
    SendPointer(0, to);
    ASSERT_TRUE(PumpUntil([&] {
        POINT p = CursorPos();
        return p.x == expected.x && p.y == expected.y;
    })) << "pointer did not reach " << expected.x << "," << expected.y;
}
inline void MovePointer(POINT to) { MovePointer(to, to); }

inline void PressLeft(POINT at) { SendPointer(MOUSEEVENTF_LEFTDOWN, at); }
inline void ReleaseLeft(POINT at) { SendPointer(MOUSEEVENTF_LEFTUP, at); }

// Far from every test window, so no stray move reaches one.
inline void ParkPointer() { MovePointer({1200, 1000}); }

} // namespace dsntest
