#include "toolkit/win/controls/Edit.h"

#include "toolkit/core/ClassBuilder.h"

#include <algorithm>
#include <cwctype>

namespace fw {

const TClassInfo& TCustomEdit::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TCustomEdit, TWinControl>().Build();
    return info;
}

const TClassInfo& TEdit::StaticClassInfo() {
    using E = TEdit;
    static const TClassInfo info = TClassBuilder<E, TCustomEdit>()
                                       .Prop("AutoSelect", &E::AutoSelect, &E::SetAutoSelect).Default(true)
                                       .Prop("BorderStyle", &E::PublishedBorderStyle, &E::SetPublishedBorderStyle)
                                       .Default(bsSingle)
                                       .Prop("CharCase", &E::CharCase, &E::SetCharCase).Default(ecNormal)
                                       .Prop("Color", &E::Color, &E::SetColor)
                                       .Type(ColorType())
                                       .Default(clWindow)
                                       .Stored(&E::IsColorStored)
                                       .Prop("MaxLength", &E::MaxLength, &E::SetMaxLength).Default(0)
                                       .Prop("PasswordChar", &E::PasswordChar, &E::SetPasswordChar).Default(0)
                                       .Prop("ReadOnly", &E::ReadOnly, &E::SetReadOnly).Default(false)
                                       .Prop("TabStop", &E::TabStop, &E::SetTabStop).Default(true)
                                       .Prop("Text", &E::GetText, &E::SetText)
                                       .Prop("OnChange", &E::OnChange, &E::OnChange)
                                       .Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    SetTabStop(true);
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) { SetBounds(0, 0, 121, 21); }

void TCustomEdit::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.SystemClass = L"EDIT";
    p.Style |= ES_AUTOHSCROLL;
    if (FReadOnly) p.Style |= ES_READONLY;
    if (FCharCase == ecUpperCase) p.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) p.Style |= ES_LOWERCASE;
    if (FBorderStyle == bsSingle) p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::InitializeWnd() {
    TWinControl::InitializeWnd();
    SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
    if (FPasswordChar) SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(FPasswordChar), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
    if (FReadOnly == v) return;
    FReadOnly = v;
    if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int32_t v) {
    v = std::max(v, 0);
    if (FMaxLength == v) return;
    FMaxLength = v;
    if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TCustomEdit::SetPasswordChar(char v) {
    if (FPasswordChar == v) return;
    FPasswordChar = v;
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_SETPASSWORDCHAR, static_cast<unsigned char>(v), 0);
        Invalidate();
    }
}

void TCustomEdit::SetCharCase(TEditCharCase v) {
    if (FCharCase == v) return;
    FCharCase = v;
    if (v != ecNormal) {
        std::wstring w = win::Wide(GetText());
        for (wchar_t& ch : w) ch = static_cast<wchar_t>(v == ecUpperCase ? std::towupper(ch) : std::towlower(ch));
        SetText(win::Narrow(w));
    }
    // The case styles are read when the window is made.
    RecreateWnd();
}

void TCustomEdit::SetBorderStyle(TFormBorderStyle v) {
    if (FBorderStyle == CheckControlBorder(v)) return;
    FBorderStyle = v;
    RecreateWnd();
}

int32_t TCustomEdit::SelStart() {
    DWORD start = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int32_t>(start);
}

int32_t TCustomEdit::SelLength() {
    DWORD start = 0, end = 0;
    SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int32_t>(end - start);
}

void TCustomEdit::SetSelStart(int32_t v) { SendMessageW(Handle(), EM_SETSEL, v, v); }

void TCustomEdit::SetSelLength(int32_t v) {
    int32_t start = SelStart();
    SendMessageW(Handle(), EM_SETSEL, start, start + v);
}

void TCustomEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_COMMAND:
        switch (HIWORD(m.WParam)) {
        case EN_CHANGE: Change(); break;
        case EN_SETFOCUS:
            if (FAutoSelect && !(GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
            break;
        default: break;
        }
        return;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        m.Result = FBrush.Answer(*this, reinterpret_cast<HDC>(m.WParam));
        return;
    default: break;
    }
    TWinControl::WndProc(m);
}

} // namespace fw
