#include "toolkit/win/window/Win32.h"

#include "toolkit/core/Text.h"

namespace fw::win {

std::wstring Wide(std::string_view utf8) {
    std::u16string w = Utf8ToUtf16(utf8);
    return std::wstring(w.begin(), w.end());
}

std::string Narrow(std::wstring_view wide) {
    return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

} // namespace fw::win
