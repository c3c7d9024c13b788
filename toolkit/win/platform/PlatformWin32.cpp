// Win32 implementation of the core's platform seam: the real ANSI code page,
// Unicode file names and the system's own error texts.
#include "toolkit/core/platform/Platform.h"

#include "toolkit/core/Text.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <vector>

namespace fw::platform {

namespace {

std::wstring Wide(const std::string& utf8) {
    std::u16string w = Utf8ToUtf16(utf8);
    return std::wstring(w.begin(), w.end());
}

std::string SystemErrorText(DWORD code) {
    wchar_t* buf = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
    std::u16string text;
    if (n && buf) text.assign(buf, buf + n);
    if (buf) LocalFree(buf);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n' || text.back() == u' '))
        text.pop_back();
    if (text.empty()) return "System error " + std::to_string(code);
    return Utf16ToUtf8(text);
}

} // namespace

std::u16string AnsiToUtf16(std::string_view ansi) {
    if (ansi.empty()) return {};
    int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::vector<wchar_t> buf(static_cast<size_t>(n > 0 ? n : 0));
    if (n > 0)
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), buf.data(), n);
    return std::u16string(buf.begin(), buf.end());
}

std::string Utf16ToAnsi(std::u16string_view text) {
    if (text.empty()) return {};
    const wchar_t* w = reinterpret_cast<const wchar_t*>(text.data());
    int len = static_cast<int>(text.size());
    int n = WideCharToMultiByte(CP_ACP, 0, w, len, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, w, len, out.data(), n, nullptr, nullptr);
    return out;
}

FileHandle OpenFile(const std::string& path, FileMode mode, std::string& errorText) {
    DWORD access = 0, disposition = 0;
    switch (mode) {
    case FileMode::Create: access = GENERIC_READ | GENERIC_WRITE; disposition = CREATE_ALWAYS; break;
    case FileMode::OpenRead: access = GENERIC_READ; disposition = OPEN_EXISTING; break;
    case FileMode::OpenWrite: access = GENERIC_WRITE; disposition = OPEN_EXISTING; break;
    case FileMode::OpenReadWrite: access = GENERIC_READ | GENERIC_WRITE; disposition = OPEN_EXISTING; break;
    }
    HANDLE h = CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        errorText = SystemErrorText(GetLastError());
        return kNoFile;
    }
    return reinterpret_cast<FileHandle>(h);
}

void CloseFile(FileHandle f) {
    if (f != kNoFile) CloseHandle(reinterpret_cast<HANDLE>(f));
}

long long ReadFile(FileHandle f, void* buffer, long long count) {
    long long total = 0;
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<long long>(count - total, 1 << 30));
        DWORD got = 0;
        if (!::ReadFile(reinterpret_cast<HANDLE>(f), static_cast<char*>(buffer) + total, chunk, &got,
                        nullptr))
            return total > 0 ? total : -1;
        if (got == 0) break;
        total += got;
    }
    return total;
}

long long WriteFile(FileHandle f, const void* buffer, long long count) {
    long long total = 0;
    while (total < count) {
        DWORD chunk = static_cast<DWORD>(std::min<long long>(count - total, 1 << 30));
        DWORD put = 0;
        if (!::WriteFile(reinterpret_cast<HANDLE>(f), static_cast<const char*>(buffer) + total, chunk,
                         &put, nullptr))
            return total > 0 ? total : -1;
        if (put == 0) break;
        total += put;
    }
    return total;
}

long long SeekFile(FileHandle f, long long offset, int origin) {
    LARGE_INTEGER dist, result;
    dist.QuadPart = offset;
    DWORD method = origin == 0 ? FILE_BEGIN : origin == 1 ? FILE_CURRENT : FILE_END;
    if (!SetFilePointerEx(reinterpret_cast<HANDLE>(f), dist, &result, method)) return -1;
    return result.QuadPart;
}

bool ReplaceFile(const std::string& from, const std::string& to, std::string& errorText) {
    if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errorText = SystemErrorText(GetLastError());
    return false;
}

bool RemoveFile(const std::string& path) { return DeleteFileW(Wide(path).c_str()) != 0; }

std::string ExpandFileName(const std::string& path) {
    if (path.empty()) return path;
    std::wstring w = Wide(path);
    DWORD n = GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    if (n == 0) return path;
    std::vector<wchar_t> buf(n + 1);
    n = GetFullPathNameW(w.c_str(), static_cast<DWORD>(buf.size()), buf.data(), nullptr);
    return Utf16ToUtf8(std::u16string(buf.data(), buf.data() + n));
}

} // namespace fw::platform
