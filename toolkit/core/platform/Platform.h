#pragma once
// The few operating-system services the portable core needs. The POSIX
// implementation sits beside this file; the Win32 one lives in toolkit/win.
#include <cstdint>
#include <string>
#include <string_view>

namespace fw::platform {

// System code page conversions (Windows: the ANSI code page; elsewhere Windows-1252).
std::u16string AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::u16string_view text);

// Files. Handles are opaque; -1 is "no file". Paths are UTF-8.
using FileHandle = intptr_t;
constexpr FileHandle kNoFile = -1;
enum class FileMode { Create, OpenRead, OpenWrite, OpenReadWrite };
// On failure returns kNoFile and leaves the system's error text in errorText.
FileHandle OpenFile(const std::string& path, FileMode mode, std::string& errorText);
void CloseFile(FileHandle f);
// Return the count transferred, or -1 on failure.
long long ReadFile(FileHandle f, void* buffer, long long count);
long long WriteFile(FileHandle f, const void* buffer, long long count);
// origin: 0 beginning, 1 current, 2 end. Returns the new position or -1.
long long SeekFile(FileHandle f, long long offset, int origin);

// Puts the file `from` in the place of `to` (replacing it) in one step; on
// failure returns false with the system's error text.
bool ReplaceFile(const std::string& from, const std::string& to, std::string& errorText);
// Removes a file; false when it could not be removed.
bool RemoveFile(const std::string& path);

// The absolute form of a path, as the system expands it.
std::string ExpandFileName(const std::string& path);

} // namespace fw::platform
