#include "toolkit/win/menus/MessageDlg.h"

#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Form.h"
#include "toolkit/win/window/ModalUI.h"

namespace fw {

namespace {

unsigned ButtonFlags(TMsgDlgButtons b) {
    if (b.Contains(mbAbort) || b.Contains(mbIgnore)) return MB_ABORTRETRYIGNORE;
    if (b.Contains(mbYes) || b.Contains(mbNo)) return b.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
    if (b.Contains(mbRetry)) return MB_RETRYCANCEL;
    if (b.Contains(mbCancel)) return MB_OKCANCEL;
    return MB_OK;
}

int32_t ModalResultOf(int answer) {
    switch (answer) {
    case IDOK: return mrOk;
    case IDCANCEL: return mrCancel;
    case IDABORT: return mrAbort;
    case IDRETRY: return mrRetry;
    case IDIGNORE: return mrIgnore;
    case IDYES: return mrYes;
    case IDNO: return mrNo;
    default: return mrCancel; // the box was closed some other way
    }
}

} // namespace

int32_t MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
    static const struct {
        const char* Caption;
        unsigned Icon;
    } kinds[] = {{"Warning", MB_ICONWARNING},
                 {"Error", MB_ICONERROR},
                 {"Information", MB_ICONINFORMATION},
                 {"Confirm", MB_ICONQUESTION},
                 {nullptr, 0}};
    const auto& kind = kinds[type];
    std::string caption = kind.Caption ? kind.Caption : Application().Title();
    return ModalResultOf(ModalUI().MessageBox(text, caption, ButtonFlags(buttons) | kind.Icon));
}

} // namespace fw
