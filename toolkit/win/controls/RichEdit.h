#pragma once
// TRichEdit: a memo on the system's rich text window. Its Lines are the
// window's text, as for a memo; the window is told to report changes, to
// wrap at its edge or not, and to hold plain or formatted text.
#include "toolkit/win/controls/Memo.h"

namespace fw {

class TRichEdit : public TMemo {
    FW_CLASS(TRichEdit)

    explicit TRichEdit(TComponent* owner);

    // The selection stays marked while another control has the focus when false.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool v);
    // The window holds one format for all its text.
    bool PlainText() const { return FPlainText; }
    void SetPlainText(bool v);
    void SetColor(int32_t v) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& message) override;

private:
    bool FHideSelection = true;
    bool FPlainText = false;
};

} // namespace fw
