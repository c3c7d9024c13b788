#include "toolkit/win/Cursors.h"

namespace fw {

HCURSOR CursorHandle(int32_t id) {
    const wchar_t* name = IDC_ARROW;
    switch (id) {
    case -1: return nullptr; // no cursor
    case -3: name = IDC_CROSS; break;
    case -4: name = IDC_IBEAM; break;
    case -6: name = IDC_SIZENESW; break;
    case -7: name = IDC_SIZENS; break;
    case -8: name = IDC_SIZENWSE; break;
    case -9: name = IDC_SIZEWE; break;
    case -10: name = IDC_UPARROW; break;
    case -11: name = IDC_WAIT; break;
    case -18: name = IDC_NO; break;
    case -19: name = IDC_APPSTARTING; break;
    case -20: name = IDC_HELP; break;
    case -21: name = IDC_HAND; break;
    case -22: name = IDC_SIZEALL; break;
    default: break;
    }
    return LoadCursorW(nullptr, name);
}

} // namespace fw
