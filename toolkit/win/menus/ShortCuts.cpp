#include "toolkit/win/menus/ShortCuts.h"

#include "toolkit/core/Text.h"

namespace fw {

namespace {

// Keys with a name of their own; letters, digits and F1..F24 are computed.
struct TKeyName {
    uint16_t Key;
    const char* Name;
};
constexpr TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},      {VK_TAB, "Tab"},         {VK_RETURN, "Enter"},     {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"},    {VK_PRIOR, "PgUp"},      {VK_NEXT, "PgDn"},        {VK_END, "End"},
    {VK_HOME, "Home"},      {VK_LEFT, "Left"},       {VK_UP, "Up"},            {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},      {VK_INSERT, "Ins"},      {VK_DELETE, "Del"},       {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},      {VK_SUBTRACT, "Num -"},  {VK_DECIMAL, "Num ."},    {VK_DIVIDE, "Num /"},
    {VK_OEM_PLUS, "="},     {VK_OEM_MINUS, "-"},     {VK_OEM_COMMA, ","},      {VK_OEM_PERIOD, "."},
    {VK_OEM_1, ";"},        {VK_OEM_2, "/"},         {VK_OEM_3, "`"},          {VK_OEM_4, "["},
    {VK_OEM_5, "\\"},       {VK_OEM_6, "]"},         {VK_OEM_7, "'"},
};

std::string KeyName(uint16_t key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return "Num " + std::to_string(key - VK_NUMPAD0);
    for (const TKeyName& k : kKeyNames)
        if (k.Key == key) return k.Name;
    return {};
}

// The key named by text (ignoring case), 0 when none is.
uint16_t KeyFromName(std::string_view text) {
    if (text.empty()) return 0;
    for (uint16_t key = 1; key <= 0xFE; ++key) {
        std::string name = KeyName(key);
        if (!name.empty() && SameText(name, text)) return key;
    }
    return 0;
}

// Cuts a leading "Name+" off text when it is there.
bool TakeModifier(std::string_view& text, std::string_view name) {
    if (text.size() <= name.size() + 1 || text[name.size()] != '+') return false;
    if (!SameText(text.substr(0, name.size()), name)) return false;
    text.remove_prefix(name.size() + 1);
    return true;
}

} // namespace

TShortCut ShortCut(uint16_t key, TShiftState shift) {
    TShortCut s = key & 0xFF;
    if (shift.Contains(ssShift)) s |= scShift;
    if (shift.Contains(ssCtrl)) s |= scCtrl;
    if (shift.Contains(ssAlt)) s |= scAlt;
    return s;
}

void ShortCutToKey(TShortCut shortCut, uint16_t& key, TShiftState& shift) {
    key = static_cast<uint16_t>(shortCut & 0xFF);
    shift = TShiftState{};
    if (shortCut & scShift) shift.Include(ssShift);
    if (shortCut & scCtrl) shift.Include(ssCtrl);
    if (shortCut & scAlt) shift.Include(ssAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string key = KeyName(static_cast<uint16_t>(shortCut & 0xFF));
    if (key.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = 0;
    for (bool more = true; more;) {
        more = false;
        if (TakeModifier(text, "Shift")) modifiers |= scShift, more = true;
        else if (TakeModifier(text, "Ctrl")) modifiers |= scCtrl, more = true;
        else if (TakeModifier(text, "Alt")) modifiers |= scAlt, more = true;
    }
    uint16_t key = KeyFromName(text);
    return key ? (modifiers | key) : 0;
}

TShortCut ShortCutFromMessage(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return 0;
    uint16_t key = static_cast<uint16_t>(msg.wParam & 0xFF);
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return 0;
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
    // A system key-down carries Alt in its context bit.
    if (GetKeyState(VK_MENU) < 0 || (msg.message == WM_SYSKEYDOWN && (msg.lParam & (1 << 29))))
        shift.Include(ssAlt);
    return ShortCut(key, shift);
}

} // namespace fw
