#pragma once
// Reading real folders of the file system for the folder tree and the file
// list: entries of a folder, path arithmetic that survives long paths, and the
// texts shown for sizes and times. Paths are UTF-16 here, as Win32 takes them.
#include "toolkit/win/window/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw::folders {

struct TFolderEntry {
    std::wstring Name;
    bool Folder = false;
    bool Hidden = false;
    uint64_t Size = 0;
    FILETIME Modified{};
};

// The entries of a folder, "." and ".." left out, in the order the system
// gives them; empty when the folder cannot be read.
std::vector<TFolderEntry> ReadFolder(const std::wstring& path);
// True when the folder holds at least one folder (stops at the first).
bool HasSubfolders(const std::wstring& path);
bool FolderExists(const std::wstring& path);

// The form of a path Win32 accepts beyond the classic length limit.
std::wstring LongPathForm(const std::wstring& path);
// A full path without a trailing separator, except for a root ("C:\").
// Relative paths are taken from the current folder.
std::wstring NormalizePath(const std::wstring& path);
// "C:\" for "C:\a\b", "\\server\share\" for UNC paths; empty if none.
std::wstring PathRoot(const std::wstring& path);
// The names below the root: "C:\a\b" gives {a, b}.
std::vector<std::wstring> PathParts(const std::wstring& path);
// The folder holding path; empty for a root.
std::wstring ParentPath(const std::wstring& path);
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);
// The process's current folder.
std::wstring CurrentFolder();

// Names in the order a person expects: case-insensitive, then exact.
int CompareNames(const std::wstring& a, const std::wstring& b);
bool SameName(const std::wstring& a, const std::wstring& b);

// "0 KB", "12 KB", "3.4 MB", "1.2 GB": whole kilobytes rounded up below a
// megabyte, one decimal above.
std::string FormatFileSize(uint64_t bytes);
// The local time as "yyyy-mm-dd hh:mm"; empty for a zero time.
std::string FormatFileTime(const FILETIME& time);

} // namespace fw::folders
