#pragma once
// The standard dialogs as components a form holds: their settings are
// published (and stored with the form), Execute shows the dialog through
// ModalUI() and takes the user's answer into the component. A cancelled
// dialog leaves the component as it was.
#include "toolkit/core/Component.h"
#include "toolkit/core/Enums.h"
#include "toolkit/win/graphics/Colors.h"
#include "toolkit/win/graphics/Font.h"
#include "toolkit/win/window/ModalUI.h"

#include <memory>
#include <string>

namespace fw {

FW_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofAllowMultiSelect,
        ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofEnableSizing)
FW_SET(TOpenOptions, TOpenOption);

class TCommonDialog : public TComponent {
    FW_CLASS(TCommonDialog)
    using TComponent::TComponent;
    // true when the user confirmed.
    virtual bool Execute() = 0;
};

class TOpenDialog : public TCommonDialog {
    FW_CLASS(TOpenDialog)

    explicit TOpenDialog(TComponent* owner) : TCommonDialog(owner) {}

    std::string DefaultExt, FileName, InitialDir, Title;
    // "Design files (*.bin)|*.bin|All files (*.*)|*.*"; FilterIndex counts from 1.
    std::string Filter;
    int32_t FilterIndex = 1;
    TOpenOptions Options{ofHideReadOnly, ofEnableSizing};

    bool Execute() override;

protected:
    // Shows the dialog for the request (opening or saving).
    virtual bool Show(TFileDialogRequest& request) { return ModalUI().OpenFile(request); }
};

class TSaveDialog : public TOpenDialog {
    FW_CLASS(TSaveDialog)
    using TOpenDialog::TOpenDialog;

protected:
    bool Show(TFileDialogRequest& request) override { return ModalUI().SaveFile(request); }
};

// Opens pictures: the filter starts with the formats the toolkit reads.
class TOpenPictureDialog : public TOpenDialog {
    FW_CLASS(TOpenPictureDialog)
    static constexpr const char* DefaultFilter =
        "All pictures (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico";
    explicit TOpenPictureDialog(TComponent* owner) : TOpenDialog(owner) { Filter = DefaultFilter; }

private:
    bool IsFilterStored() const { return Filter != DefaultFilter; }
};

class TColorDialog : public TCommonDialog {
    FW_CLASS(TColorDialog)
    using TCommonDialog::TCommonDialog;
    // Offered first; the colour chosen (always RGB) afterwards.
    TColor Color = clBlack;
    bool Execute() override;
};

class TFontDialog : public TCommonDialog {
    FW_CLASS(TFontDialog)
    explicit TFontDialog(TComponent* owner) : TCommonDialog(owner), FFont(std::make_unique<TFont>()) {}
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* v) { FFont->Assign(v); }
    bool Execute() override;

private:
    std::unique_ptr<TFont> FFont;
};

} // namespace fw
