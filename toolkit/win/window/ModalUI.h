#pragma once
// Every modal box and standard dialog the program shows goes through one
// replaceable service. The default shows the real ones; tests install a
// recorder that captures the texts and gives prepared answers, so no test
// ever waits on a modal window.
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace fw {

// Font attributes exchanged with the font dialog.
struct TFontData {
    std::string Name = "Tahoma";
    int32_t Height = -11;
    bool Bold = false, Italic = false, Underline = false, StrikeOut = false;
    int32_t Color = 0;
    uint8_t Charset = 1;
};

struct TFileDialogRequest {
    std::string Title;
    std::string Filter;      // "Design files (*.bin)|*.bin|All files (*.*)|*.*"
    int FilterIndex = 1;
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName;    // in: proposed; out: chosen
    bool OverwritePrompt = false;
    bool FileMustExist = false;
    bool PathMustExist = false;
    bool HideReadOnly = true;
};

class TModalUI {
public:
    virtual ~TModalUI() = default;
    // Returns the button pressed (IDOK, IDCANCEL, IDYES, ...).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // true when the user chose a file; its name is in request.FileName.
    virtual bool OpenFile(TFileDialogRequest& request) = 0;
    virtual bool SaveFile(TFileDialogRequest& request) = 0;
    virtual bool ChooseColor(int32_t& color) = 0;
    virtual bool ChooseFont(TFontData& font) = 0;
};

// The service in use (the real one until replaced).
TModalUI& ModalUI();
// Installs a service and returns the previous one (nullptr restores the real one).
std::unique_ptr<TModalUI> SetModalUI(std::unique_ptr<TModalUI> ui);

// Shows a text in a box with an OK button, captioned with the application title.
void ShowMessage(const std::string& text);

// A recorder for tests: every call is logged, answers come from queues (OK,
// "no file", "no colour" when a queue is empty).
class TRecordingModalUI : public TModalUI {
public:
    struct TCall {
        std::string Kind; // "MessageBox", "OpenFile", "SaveFile", "ChooseColor", "ChooseFont"
        std::string Text;
        std::string Caption;
        unsigned Flags = 0;
    };
    std::vector<TCall> Calls;
    // The whole request of each file and font dialog, in order.
    std::vector<TFileDialogRequest> FileRequests;
    std::vector<TFontData> FontRequests;
    std::deque<int> BoxAnswers;
    std::deque<std::string> FileAnswers; // "" means cancel
    std::deque<int32_t> ColorAnswers;
    std::deque<TFontData> FontAnswers;

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    bool OpenFile(TFileDialogRequest& request) override;
    bool SaveFile(TFileDialogRequest& request) override;
    bool ChooseColor(int32_t& color) override;
    bool ChooseFont(TFontData& font) override;

private:
    bool FileAnswer(const char* kind, TFileDialogRequest& request);
};

// Installs a recorder for the life of the object (tests).
class TModalUIScope {
public:
    TModalUIScope() {
        auto rec = std::make_unique<TRecordingModalUI>();
        FRecorder = rec.get();
        FPrevious = SetModalUI(std::move(rec));
    }
    ~TModalUIScope() { SetModalUI(std::move(FPrevious)); }
    TModalUIScope(const TModalUIScope&) = delete;
    TModalUIScope& operator=(const TModalUIScope&) = delete;
    TRecordingModalUI& operator*() { return *FRecorder; }
    TRecordingModalUI* operator->() { return FRecorder; }

private:
    TRecordingModalUI* FRecorder;
    std::unique_ptr<TModalUI> FPrevious;
};

} // namespace fw
