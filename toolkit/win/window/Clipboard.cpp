#include "toolkit/win/window/Clipboard.h"

#include <cstring>

namespace fw {

namespace {

// Holds a global block locked for the scope.
class TLockedBlock {
public:
    explicit TLockedBlock(HGLOBAL block) : FBlock(block), FData(GlobalLock(block)) {}
    ~TLockedBlock() {
        if (FData) GlobalUnlock(FBlock);
    }
    TLockedBlock(const TLockedBlock&) = delete;
    TLockedBlock& operator=(const TLockedBlock&) = delete;
    void* Data() const { return FData; }

private:
    HGLOBAL FBlock;
    void* FData;
};

} // namespace

UINT RegisterClipboardFormatName(const std::string& name) {
    UINT format = RegisterClipboardFormatW(win::Wide(name).c_str());
    if (!format) throw EClipboardError("Cannot register the clipboard format " + name);
    return format;
}

TClipboard::TClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner)) return;
        Sleep(10);
    }
    throw EClipboardError("Cannot open clipboard");
}

TClipboard::~TClipboard() { CloseClipboard(); }

void TClipboard::Clear() {
    if (!EmptyClipboard()) throw EClipboardError("Cannot clear the clipboard");
}

void TClipboard::SetBlock(UINT format, const std::vector<uint8_t>& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
    if (!block) throw EClipboardError("Out of memory for the clipboard");
    {
        TLockedBlock locked(block);
        if (!locked.Data()) {
            GlobalFree(block);
            throw EClipboardError("Cannot lock a clipboard block");
        }
        if (!bytes.empty()) std::memcpy(locked.Data(), bytes.data(), bytes.size());
    }
    // The clipboard owns the block once it took it, and only then.
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);
        throw EClipboardError("Cannot put data on the clipboard");
    }
}

bool TClipboard::HasFormat(UINT format) const { return IsClipboardFormatAvailable(format) != 0; }

std::vector<uint8_t> TClipboard::GetBlock(UINT format) const {
    HANDLE block = GetClipboardData(format);
    if (!block) throw EClipboardError("The clipboard holds no data of this format");
    SIZE_T size = GlobalSize(block);
    TLockedBlock locked(block);
    if (!locked.Data()) throw EClipboardError("Cannot read the clipboard block");
    auto* data = static_cast<const uint8_t*>(locked.Data());
    return std::vector<uint8_t>(data, data + size);
}

} // namespace fw
