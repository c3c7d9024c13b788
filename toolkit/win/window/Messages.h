#pragma once
// The message record every control handles, the toolkit's own message
// numbers, and the shift state of pointer and key messages.
#include "toolkit/core/Enums.h"
#include "toolkit/win/window/Win32.h"

namespace fw {

// One window message as a control sees it; Result is what the window system
// gets back (0 unless a handler sets it).
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Messages the toolkit sends to its own controls.
constexpr UINT CM_BASE = 0xB000;
// Design hit test: does the control want a press at this point while it is
// being designed? 1 yes, 0 no (default), -1 no and the point is a border the
// control lets the user drag. Same parameters as the pointer message.
constexpr UINT CM_DESIGNHITTEST = 0xB01C;
// Notifications a parent reflects to the child control they are about.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
// Posted to a control to re-create its window later.
constexpr UINT CM_RECREATEWND = CM_BASE + 51;
// Sent to the siblings of a control whose window has just been re-created
// (LParam: that control), so that a control holding its window handle, such
// as an up-down's buddy, can take the new one.
constexpr UINT CM_SIBLINGRECREATED = CM_BASE + 52;
// Posted by the application to run a deferred call.
constexpr UINT CM_DEFERRED = CM_BASE + 60;

// Shift state: Shift 1, Alt 2, Ctrl 4, left 8, right 16, middle 32, double 64.
FW_ENUM(TShiftStateItem, ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble)
FW_SET(TShiftState, TShiftStateItem);

// From the key flags of a pointer message's WParam.
TShiftState KeysToShiftState(WPARAM keys);
// From the keyboard's current state (key messages).
TShiftState KeyboardStateToShiftState();

inline int16_t LoWordSigned(LPARAM v) { return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF)); }
inline int16_t HiWordSigned(LPARAM v) { return static_cast<int16_t>(static_cast<uint16_t>((v >> 16) & 0xFFFF)); }
inline LPARAM PointToLParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                               static_cast<uint16_t>(x));
}

} // namespace fw
