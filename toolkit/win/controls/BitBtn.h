#pragma once
// TBitBtn: a push button that draws a glyph beside its caption. A Kind other
// than bkCustom gives it a standard caption, modal result and glyph.
#include "toolkit/win/controls/Button.h"
#include "toolkit/win/controls/ButtonFace.h"

#include <memory>

namespace fw {

FW_ENUM(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll)

class TBitBtn : public TButton {
    FW_CLASS(TBitBtn)

    explicit TBitBtn(TComponent* owner);
    ~TBitBtn() override;

    TBitBtnKind Kind() const { return FKind; }
    void SetKind(TBitBtnKind v);
    // The glyph set by the program; an empty one shows the kind's own.
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* v) { FGlyph->Assign(v); }
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout v);
    int32_t Margin() const { return FMargin; }
    void SetMargin(int32_t v);
    int32_t Spacing() const { return FSpacing; }
    void SetSpacing(int32_t v);
    int32_t NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int32_t v);

    // What a kind gives a button.
    static std::string KindCaption(TBitBtnKind kind);
    static int32_t KindModalResult(TBitBtnKind kind);
    // The glyph drawn for a kind when the button has none of its own
    // (nullptr for bkCustom).
    static TBitmap* KindGlyph(TBitBtnKind kind);

    // A Close button closes its form.
    void Click() override;
    void Loaded() override;

protected:
    DWORD ButtonStyle() const override { return BS_OWNERDRAW; }
    void WndProc(TMessage& message) override;

private:
    void SetPublishedCaption(const std::string& v);
    void SetPublishedModalResult(int32_t v);
    bool IsCaptionStored() const { return GetText() != KindCaption(FKind); }
    bool IsModalResultStored() const { return ModalResult() != KindModalResult(FKind); }
    bool IsGlyphStored() const { return !FGlyph->Empty(); }
    void DrawItem(const DRAWITEMSTRUCT& item);

    TBitBtnKind FKind = bkCustom;
    std::unique_ptr<TBitmap> FGlyph;
    TButtonLayout FLayout = blGlyphLeft;
    int32_t FMargin = -1;
    int32_t FSpacing = 4;
    int32_t FNumGlyphs = 1;
    // Read from a stream: the kind must not replace them in Loaded.
    bool FCaptionRead = false;
    bool FModalResultRead = false;
};

} // namespace fw
