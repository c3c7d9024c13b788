#include "toolkit/win/controls/RichEdit.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/Colors.h"

#include <richedit.h>

namespace fw {

const TClassInfo& TRichEdit::StaticClassInfo() {
    using R = TRichEdit;
    static const TClassInfo info = TClassBuilder<R, TMemo>()
                                       .Prop("HideSelection", &R::HideSelection, &R::SetHideSelection).Default(true)
                                       .Prop("PlainText", &R::PlainText, &R::SetPlainText).Default(false)
                                       .Build();
    return info;
}

TRichEdit::TRichEdit(TComponent* owner) : TMemo(owner) {}

void TRichEdit::SetHideSelection(bool v) {
    if (FHideSelection == v) return;
    FHideSelection = v;
    RecreateWnd();
}

// The text mode can only change while the window is empty: a new window
// takes it before the text goes in.
void TRichEdit::SetPlainText(bool v) {
    if (FPlainText == v) return;
    FPlainText = v;
    RecreateWnd();
}

void TRichEdit::SetColor(int32_t v) {
    TMemo::SetColor(v);
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
}

void TRichEdit::CreateParams(TCreateParams& p) {
    TMemo::CreateParams(p);
    p.SystemClass = RICHEDIT_CLASSW;
    if (!FHideSelection) p.Style |= ES_NOHIDESEL;
    // Bars asked for stay, as in a memo; the rich text window would drop them.
    if (ScrollBars() != ssNone) p.Style |= ES_DISABLENOSCROLL;
}

void TRichEdit::InitializeWnd() {
    TMemo::InitializeWnd();
    HWND h = Handle();
    std::string text = GetText();
    if (!text.empty()) SetWindowTextW(h, L"");
    SendMessageW(h, EM_SETTEXTMODE, FPlainText ? TM_PLAINTEXT : TM_RICHTEXT, 0);
    if (!text.empty()) SetWindowTextW(h, win::Wide(text).c_str());
    // No limit is the largest one; the window's own default is 32K.
    SendMessageW(h, EM_EXLIMITTEXT, 0, MaxLength() > 0 ? MaxLength() : 0x7FFFFFFE);
    // A target width of one line per window width wraps; 1 means no wrapping.
    SendMessageW(h, EM_SETTARGETDEVICE, 0, WordWrap() ? 0 : 1);
    SendMessageW(h, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    SendMessageW(h, EM_SETEVENTMASK, 0, ENM_CHANGE);
}

void TRichEdit::WndProc(TMessage& m) {
    // The rich text window paints its own background.
    if (m.Msg == CN_CTLCOLOREDIT || m.Msg == CN_CTLCOLORSTATIC) {
        TWinControl::WndProc(m);
        return;
    }
    TMemo::WndProc(m);
}

} // namespace fw
