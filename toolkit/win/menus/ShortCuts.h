#pragma once
// Keyboard shortcuts as one integer: the virtual key in the low byte, plus
// 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt (Shift+F10 is 8313).
// Menu items and actions store them as numbers; people read and type them as
// text ("Ctrl+C", "Shift+F10").
#include "toolkit/win/window/Messages.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

using TShortCut = int32_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// A key with the Shift, Ctrl and Alt parts of a shift state (others ignored).
TShortCut ShortCut(uint16_t key, TShiftState shift);
// The reverse: the virtual key and its Shift/Ctrl/Alt state.
void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift);
// "Shift+Ctrl+Alt+Key"; "" for none or a key without a name.
std::string ShortCutToText(TShortCut shortCut);
// Modifiers in any order and case, then a key name; 0 when not understood.
TShortCut TextToShortCut(std::string_view text);
// The shortcut a key-down message stands for, with the modifiers as the
// thread's keyboard state has them now (0 for other messages).
TShortCut ShortCutFromMessage(const MSG& msg);

} // namespace fw
