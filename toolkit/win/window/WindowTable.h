#pragma once
// Links windows of this process to values without asking the window system.
// Window properties live in the system's store, and reading one on every
// message costs a round trip there; a table of the process's own costs a
// hash lookup. An entry must be removed when its window goes (at
// WM_NCDESTROY at the latest): window handles are reused.
#include <windows.h>

#include <unordered_map>

namespace fw {

template <class T>
class TWindowTable {
public:
    T Find(HWND h) const {
        auto found = FValues.find(h);
        return found == FValues.end() ? T{} : found->second;
    }
    void Set(HWND h, T value) { FValues[h] = value; }
    void Remove(HWND h) { FValues.erase(h); }

private:
    std::unordered_map<HWND, T> FValues;
};

} // namespace fw
