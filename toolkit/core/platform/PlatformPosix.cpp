// POSIX implementation of the platform seam (native builds and tests).
#include "toolkit/core/platform/Platform.h"

#include "toolkit/core/Text.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace fw::platform {

std::u16string AnsiToUtf16(std::string_view ansi) { return Cp1252ToUtf16(ansi); }
std::string Utf16ToAnsi(std::u16string_view text) { return Utf16ToCp1252(text); }

FileHandle OpenFile(const std::string& path, FileMode mode, std::string& errorText) {
    int flags = 0;
    switch (mode) {
    case FileMode::Create: flags = O_RDWR | O_CREAT | O_TRUNC; break;
    case FileMode::OpenRead: flags = O_RDONLY; break;
    case FileMode::OpenWrite: flags = O_WRONLY; break;
    case FileMode::OpenReadWrite: flags = O_RDWR; break;
    }
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) {
        errorText = std::strerror(errno);
        return kNoFile;
    }
    return fd;
}

void CloseFile(FileHandle f) {
    if (f != kNoFile) ::close(static_cast<int>(f));
}

long long ReadFile(FileHandle f, void* buffer, long long count) {
    long long total = 0;
    while (total < count) {
        ssize_t n = ::read(static_cast<int>(f), static_cast<char*>(buffer) + total,
                           static_cast<size_t>(count - total));
        if (n < 0) {
            if (errno == EINTR) continue;
            return total > 0 ? total : -1;
        }
        if (n == 0) break;
        total += n;
    }
    return total;
}

long long WriteFile(FileHandle f, const void* buffer, long long count) {
    long long total = 0;
    while (total < count) {
        ssize_t n = ::write(static_cast<int>(f), static_cast<const char*>(buffer) + total,
                            static_cast<size_t>(count - total));
        if (n < 0) {
            if (errno == EINTR) continue;
            return total > 0 ? total : -1;
        }
        total += n;
    }
    return total;
}

long long SeekFile(FileHandle f, long long offset, int origin) {
    int whence = origin == 0 ? SEEK_SET : origin == 1 ? SEEK_CUR : SEEK_END;
    off_t r = ::lseek(static_cast<int>(f), static_cast<off_t>(offset), whence);
    return r < 0 ? -1 : static_cast<long long>(r);
}

bool ReplaceFile(const std::string& from, const std::string& to, std::string& errorText) {
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
    errorText = std::strerror(errno);
    return false;
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::string ExpandFileName(const std::string& path) {
    if (path.empty()) return path;
    std::string full = path;
    if (path[0] != '/') {
        char cwd[PATH_MAX];
        if (::getcwd(cwd, sizeof cwd)) full = std::string(cwd) + "/" + path;
    }
    // Fold "." and ".." segments without touching the file system.
    std::string out;
    size_t i = 0;
    while (i < full.size()) {
        size_t j = full.find('/', i);
        if (j == std::string::npos) j = full.size();
        std::string seg = full.substr(i, j - i);
        if (seg == "..") {
            size_t k = out.rfind('/');
            out = k == std::string::npos ? std::string() : out.substr(0, k);
        } else if (!seg.empty() && seg != ".") {
            out += "/" + seg;
        }
        i = j + 1;
    }
    return out.empty() ? "/" : out;
}

} // namespace fw::platform
