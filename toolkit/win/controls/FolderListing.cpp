#include "toolkit/win/controls/FolderListing.h"

#include <cstdio>

namespace fw::folders {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Drops a "\\?\" or "\\?\UNC\" prefix: paths are kept in their plain form.
std::wstring Plain(const std::wstring& path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) return L"\\\\" + path.substr(8);
    if (path.rfind(L"\\\\?\\", 0) == 0) return path.substr(4);
    return path;
}

bool IsDotName(const wchar_t* name) {
    return (name[0] == L'.' && name[1] == 0) || (name[0] == L'.' && name[1] == L'.' && name[2] == 0);
}

// Calls fn for every entry of a folder; fn returns false to stop.
template <class Fn> void ForEntries(const std::wstring& path, Fn fn) {
    if (path.empty()) return;
    std::wstring pattern = LongPathForm(JoinPath(path, L"*"));
    WIN32_FIND_DATAW data;
    HANDLE h = FindFirstFileW(pattern.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return;
    do {
        if (IsDotName(data.cFileName)) continue;
        if (!fn(data)) break;
    } while (FindNextFileW(h, &data));
    FindClose(h);
}

} // namespace

std::vector<TFolderEntry> ReadFolder(const std::wstring& path) {
    std::vector<TFolderEntry> out;
    ForEntries(path, [&](const WIN32_FIND_DATAW& d) {
        TFolderEntry e;
        e.Name = d.cFileName;
        e.Folder = (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.Hidden = (d.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
        e.Size = (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
        e.Modified = d.ftLastWriteTime;
        out.push_back(std::move(e));
        return true;
    });
    return out;
}

bool HasSubfolders(const std::wstring& path) {
    bool found = false;
    ForEntries(path, [&](const WIN32_FIND_DATAW& d) {
        found = (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        return !found;
    });
    return found;
}

bool FolderExists(const std::wstring& path) {
    if (path.empty()) return false;
    DWORD a = GetFileAttributesW(LongPathForm(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring LongPathForm(const std::wstring& path) {
    std::wstring p = Plain(path);
    // Short paths go as they are, so relative and odd forms keep working.
    if (p.size() < 240) return p;
    if (p.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + p.substr(2);
    return L"\\\\?\\" + p;
}

std::wstring NormalizePath(const std::wstring& path) {
    std::wstring p = Plain(path);
    if (p.empty()) return CurrentFolder();
    for (auto& c : p)
        if (c == L'/') c = L'\\';
    DWORD n = GetFullPathNameW(p.c_str(), 0, nullptr, nullptr);
    if (n > 0) {
        std::wstring full(n, L'\0');
        DWORD got = GetFullPathNameW(p.c_str(), n, full.data(), nullptr);
        if (got > 0 && got < n) {
            full.resize(got);
            p = full;
        }
    }
    std::wstring root = PathRoot(p);
    while (p.size() > root.size() && IsSeparator(p.back())) p.pop_back();
    if (!root.empty() && p.size() < root.size()) p = root;
    return p;
}

std::wstring PathRoot(const std::wstring& path) {
    std::wstring p = Plain(path);
    if (p.size() >= 2 && p[1] == L':' && iswalpha(p[0])) {
        std::wstring r = p.substr(0, 2) + L"\\";
        r[0] = static_cast<wchar_t>(towupper(r[0]));
        return r;
    }
    if (p.size() > 2 && IsSeparator(p[0]) && IsSeparator(p[1])) {
        size_t server = p.find_first_of(L"\\/", 2);
        if (server == std::wstring::npos || server == 2) return {};
        size_t share = p.find_first_of(L"\\/", server + 1);
        if (share == server + 1) return {};
        return p.substr(0, share == std::wstring::npos ? p.size() : share) + L"\\";
    }
    return {};
}

std::vector<std::wstring> PathParts(const std::wstring& path) {
    std::wstring p = Plain(path);
    std::wstring root = PathRoot(p);
    std::vector<std::wstring> parts;
    size_t i = std::min(root.size(), p.size());
    while (i < p.size()) {
        size_t end = p.find_first_of(L"\\/", i);
        if (end == std::wstring::npos) end = p.size();
        if (end > i) parts.push_back(p.substr(i, end - i));
        i = end + 1;
    }
    return parts;
}

std::wstring ParentPath(const std::wstring& path) {
    std::wstring root = PathRoot(path);
    std::vector<std::wstring> parts = PathParts(path);
    if (parts.empty()) return {};
    std::wstring out = root;
    for (size_t i = 0; i + 1 < parts.size(); ++i) out = JoinPath(out, parts[i]);
    return out;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty()) return name;
    if (IsSeparator(folder.back())) return folder + name;
    return folder + L"\\" + name;
}

std::wstring CurrentFolder() {
    DWORD n = GetCurrentDirectoryW(0, nullptr);
    if (n == 0) return {};
    std::wstring s(n, L'\0');
    DWORD got = GetCurrentDirectoryW(n, s.data());
    s.resize(got < n ? got : 0);
    return s;
}

int CompareNames(const std::wstring& a, const std::wstring& b) {
    int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                           static_cast<int>(b.size()));
    if (r == CSTR_LESS_THAN) return -1;
    if (r == CSTR_GREATER_THAN) return 1;
    return a.compare(b) < 0 ? -1 : a == b ? 0 : 1;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.c_str(), static_cast<int>(a.size()), b.c_str(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

std::string FormatFileSize(uint64_t bytes) {
    char buf[32];
    const uint64_t kb = 1024, mb = kb * 1024, gb = mb * 1024;
    if (bytes < mb) std::snprintf(buf, sizeof buf, "%llu KB", static_cast<unsigned long long>((bytes + kb - 1) / kb));
    else if (bytes < gb) std::snprintf(buf, sizeof buf, "%.1f MB", static_cast<double>(bytes) / mb);
    else std::snprintf(buf, sizeof buf, "%.1f GB", static_cast<double>(bytes) / gb);
    return buf;
}

std::string FormatFileTime(const FILETIME& time) {
    if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) return {};
    FILETIME local;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &st)) return {};
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04u-%02u-%02u %02u:%02u", st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute);
    return buf;
}

} // namespace fw::folders
