#include "toolkit/win/window/ModalUI.h"

#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Win32.h"

#include <vector>

namespace fw {

namespace {

// "Text files (*.txt)|*.txt|All|*.*" to the double-NUL-terminated form.
std::wstring FilterString(const std::string& filter) {
    std::wstring w = win::Wide(filter);
    for (wchar_t& c : w)
        if (c == L'|') c = L'\0';
    w.push_back(L'\0');
    w.push_back(L'\0');
    return w;
}

HWND ActiveOwner() {
    HWND h = GetActiveWindow();
    return h;
}

class TSystemModalUI : public TModalUI {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        return MessageBoxW(ActiveOwner(), win::Wide(text).c_str(), win::Wide(caption).c_str(), flags);
    }

    bool OpenFile(TFileDialogRequest& r) override { return FileDialog(r, false); }
    bool SaveFile(TFileDialogRequest& r) override { return FileDialog(r, true); }

    bool ChooseColor(int32_t& color) override {
        static COLORREF custom[16] = {};
        CHOOSECOLORW cc{};
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = ActiveOwner();
        cc.rgbResult = static_cast<COLORREF>(color) & 0xFFFFFF;
        cc.lpCustColors = custom;
        cc.Flags = CC_RGBINIT | CC_FULLOPEN;
        if (!ChooseColorW(&cc)) return false;
        color = static_cast<int32_t>(cc.rgbResult);
        return true;
    }

    bool ChooseFont(TFontData& font) override {
        LOGFONTW lf{};
        lf.lfHeight = font.Height;
        lf.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = font.Italic;
        lf.lfUnderline = font.Underline;
        lf.lfStrikeOut = font.StrikeOut;
        lf.lfCharSet = font.Charset;
        std::wstring face = win::Wide(font.Name);
        wcsncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        CHOOSEFONTW cf{};
        cf.lStructSize = sizeof cf;
        cf.hwndOwner = ActiveOwner();
        cf.lpLogFont = &lf;
        cf.rgbColors = static_cast<COLORREF>(font.Color) & 0xFFFFFF;
        cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
        if (!ChooseFontW(&cf)) return false;
        font.Name = win::Narrow(lf.lfFaceName);
        font.Height = lf.lfHeight;
        font.Bold = lf.lfWeight >= FW_BOLD;
        font.Italic = lf.lfItalic != 0;
        font.Underline = lf.lfUnderline != 0;
        font.StrikeOut = lf.lfStrikeOut != 0;
        font.Color = static_cast<int32_t>(cf.rgbColors);
        font.Charset = lf.lfCharSet;
        return true;
    }

private:
    bool FileDialog(TFileDialogRequest& r, bool save) {
        std::vector<wchar_t> buf(32768, L'\0');
        std::wstring initial = win::Wide(r.FileName);
        wcsncpy(buf.data(), initial.c_str(), buf.size() - 1);
        std::wstring filter = FilterString(r.Filter);
        std::wstring title = win::Wide(r.Title);
        std::wstring dir = win::Wide(r.InitialDir);
        std::wstring ext = win::Wide(r.DefaultExt);
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = ActiveOwner();
        ofn.lpstrFilter = r.Filter.empty() ? nullptr : filter.c_str();
        ofn.nFilterIndex = static_cast<DWORD>(r.FilterIndex);
        ofn.lpstrFile = buf.data();
        ofn.nMaxFile = static_cast<DWORD>(buf.size());
        ofn.lpstrTitle = r.Title.empty() ? nullptr : title.c_str();
        ofn.lpstrInitialDir = r.InitialDir.empty() ? nullptr : dir.c_str();
        ofn.lpstrDefExt = r.DefaultExt.empty() ? nullptr : ext.c_str();
        ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
        if (r.HideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
        if (r.OverwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
        if (r.FileMustExist) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
        if (r.PathMustExist) ofn.Flags |= OFN_PATHMUSTEXIST;
        BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
        if (!ok) return false;
        r.FileName = win::Narrow(buf.data());
        r.FilterIndex = static_cast<int>(ofn.nFilterIndex);
        return true;
    }
};

std::unique_ptr<TModalUI>& Slot() {
    static std::unique_ptr<TModalUI> ui = std::make_unique<TSystemModalUI>();
    return ui;
}

} // namespace

TModalUI& ModalUI() { return *Slot(); }

std::unique_ptr<TModalUI> SetModalUI(std::unique_ptr<TModalUI> ui) {
    std::unique_ptr<TModalUI> previous = std::move(Slot());
    Slot() = ui ? std::move(ui) : std::make_unique<TSystemModalUI>();
    return previous;
}

void ShowMessage(const std::string& text) { ModalUI().MessageBox(text, Application().Title(), MB_OK); }

int TRecordingModalUI::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    Calls.push_back({"MessageBox", text, caption, flags});
    if (BoxAnswers.empty()) return IDOK;
    int a = BoxAnswers.front();
    BoxAnswers.pop_front();
    return a;
}

bool TRecordingModalUI::FileAnswer(const char* kind, TFileDialogRequest& r) {
    Calls.push_back({kind, r.FileName, r.Title, 0});
    FileRequests.push_back(r);
    if (FileAnswers.empty()) return false;
    std::string a = FileAnswers.front();
    FileAnswers.pop_front();
    if (a.empty()) return false;
    r.FileName = a;
    return true;
}

bool TRecordingModalUI::OpenFile(TFileDialogRequest& r) { return FileAnswer("OpenFile", r); }
bool TRecordingModalUI::SaveFile(TFileDialogRequest& r) { return FileAnswer("SaveFile", r); }

bool TRecordingModalUI::ChooseColor(int32_t& color) {
    Calls.push_back({"ChooseColor", std::to_string(color), "", 0});
    if (ColorAnswers.empty()) return false;
    color = ColorAnswers.front();
    ColorAnswers.pop_front();
    return true;
}

bool TRecordingModalUI::ChooseFont(TFontData& font) {
    Calls.push_back({"ChooseFont", font.Name, "", 0});
    FontRequests.push_back(font);
    if (FontAnswers.empty()) return false;
    font = FontAnswers.front();
    FontAnswers.pop_front();
    return true;
}

} // namespace fw
