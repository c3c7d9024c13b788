#pragma once
// The system clipboard, for blocks of bytes under a registered format. The
// clipboard is open for the lifetime of a TClipboard; every failure of the
// window system raises EClipboardError with a plain message.
#include "toolkit/core/Exception.h"
#include "toolkit/win/window/Win32.h"

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

FW_EXCEPTION_CLASS(EClipboardError, Exception);

// The number of the format of that name, registered on first use.
UINT RegisterClipboardFormatName(const std::string& name);

class TClipboard {
public:
    // Opens the clipboard for `owner` (none: the task). Another program may
    // hold it for a moment, so opening is tried a few times.
    explicit TClipboard(HWND owner = nullptr);
    ~TClipboard();
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;

    // Empties the clipboard and makes the owner its owner.
    void Clear();
    // Puts a copy of the bytes in a movable global block under `format`.
    void SetBlock(UINT format, const std::vector<uint8_t>& bytes);
    bool HasFormat(UINT format) const;
    // The whole block of that format, as large as the block really is (the
    // system may round it up; a format's own header says what is used).
    std::vector<uint8_t> GetBlock(UINT format) const;
};

} // namespace fw
