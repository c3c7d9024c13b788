// The end-to-end suite's probe: reads the window tree of the running program
// and prints what a user could see (titles, texts, places), one item a line.
// It observes only; it never sends input or changes anything.
//   probe windows                       top-level windows: rect and title
//   probe children TITLE                every child window of the window with
//                                       that title: rect, class and text
//   probe menubar TITLE                 the rects of the menu bar's items
//   probe menuitems TITLE INDEX         the rects of the open popup's items
// Rects are screen coordinates: left top right bottom.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Narrow(const std::wstring& w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

// Asks the window for its text, but never waits long on a busy program.
std::string TextOf(HWND h) {
    wchar_t buf[512] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG | SMTO_BLOCK, 1000,
                             &copied))
        InternalGetWindowText(h, buf, 512);
    return Narrow(buf);
}

std::string ClassOf(HWND h) {
    wchar_t buf[256] = {};
    GetClassNameW(h, buf, 256);
    return Narrow(buf);
}

void PrintRect(const RECT& r) { std::printf("%ld %ld %ld %ld", r.left, r.top, r.right, r.bottom); }

BOOL CALLBACK PrintTop(HWND h, LPARAM) {
    if (!IsWindowVisible(h)) return TRUE;
    RECT r;
    GetWindowRect(h, &r);
    PrintRect(r);
    std::printf("\t%s\t%s\n", ClassOf(h).c_str(), TextOf(h).c_str());
    return TRUE;
}

BOOL CALLBACK PrintChild(HWND h, LPARAM) {
    RECT r;
    GetWindowRect(h, &r);
    PrintRect(r);
    std::printf("\t%s\t%s\t%d\n", ClassOf(h).c_str(), TextOf(h).c_str(), IsWindowVisible(h) ? 1 : 0);
    return TRUE;
}

HWND Find(const wchar_t* title) {
    struct TSearch {
        const wchar_t* Title;
        HWND Found;
    } s{title, nullptr};
    EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(p);
            wchar_t buf[512] = {};
            InternalGetWindowText(h, buf, 512);
            if (IsWindowVisible(h) && std::wstring(buf) == s->Title) {
                s->Found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.Found;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    std::wstring what = argv[1];
    if (what == L"windows") {
        EnumWindows(PrintTop, 0);
        return 0;
    }
    if (argc < 3) return 2;
    HWND h = Find(argv[2]);
    if (!h) return 1;
    if (what == L"children") {
        EnumChildWindows(h, PrintChild, 0);
        return 0;
    }
    HMENU bar = GetMenu(h);
    if (!bar) return 1;
    if (what == L"menubar") {
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            RECT r;
            if (!GetMenuItemRect(h, bar, static_cast<UINT>(i), &r)) continue;
            PrintRect(r);
            std::printf("\n");
        }
        return 0;
    }
    if (what == L"menuitems" && argc >= 4) {
        HMENU sub = GetSubMenu(bar, _wtoi(argv[3]));
        for (int i = 0; sub && i < GetMenuItemCount(sub); ++i) {
            RECT r;
            if (!GetMenuItemRect(nullptr, sub, static_cast<UINT>(i), &r)) continue;
            PrintRect(r);
            std::printf("\n");
        }
        return 0;
    }
    return 2;
}
