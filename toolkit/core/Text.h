#pragma once
// Text conversion. Inside the program text is UTF-8 in std::string; it becomes
// UTF-16 at the Win32 boundary and in wide-string stream values, and the system
// code page in code-page stream values.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Lenient conversions: malformed UTF-8 becomes U+FFFD; unpaired surrogates in
// UTF-16 are kept as three-byte sequences (WTF-8) so they survive a round trip.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// One code point appended as UTF-8 (surrogates too, as three bytes).
void AppendUtf8(std::string& out, char32_t cp);
// The length of the UTF-8 sequence at s[i] with its code point in cp, or 0
// when it is malformed. Encoded surrogates count only with allowSurrogates.
size_t DecodeUtf8Sequence(std::string_view s, size_t i, bool allowSurrogates, uint32_t& cp);

// True when the bytes are well-formed UTF-8 (surrogate code points excluded).
bool IsValidUtf8(std::string_view bytes);

// Windows-1252, with the five undefined bytes 81 8D 8F 90 9D mapped to the C1
// controls of the same value, so that every byte round-trips. Characters with
// no code in the page become '?'.
std::u16string Cp1252ToUtf16(std::string_view bytes);
std::string Utf16ToCp1252(std::u16string_view text);

// The system (ANSI) code page: the real one on Windows, Windows-1252 elsewhere.
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);
std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view text);

// Case-insensitive comparison of names (ASCII letters fold; other bytes exact).
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view s);
std::string IntToStr(long long v);

} // namespace fw
