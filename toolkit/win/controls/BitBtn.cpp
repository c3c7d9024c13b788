#include "toolkit/win/controls/BitBtn.h"

#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/window/Form.h"

#include <algorithm>
#include <array>

namespace fw {

namespace {

// "All" has no name among the form's modal results; it follows "No".
constexpr int32_t kAllResult = mrNo + 1;

struct TKindInfo {
    const char* Caption;
    int32_t Result;
};

const TKindInfo& InfoOf(TBitBtnKind kind) {
    static const TKindInfo infos[] = {
        {"", mrNone},          {"OK", mrOk},         {"Cancel", mrCancel},  {"&Help", mrNone},
        {"&Yes", mrYes},       {"&No", mrNo},        {"&Close", mrNone},    {"Abort", mrAbort},
        {"&Retry", mrRetry},   {"&Ignore", mrIgnore}, {"&All", kAllResult},
    };
    return infos[std::clamp<int>(kind, bkCustom, bkAll)];
}

// Draws a kind's mark on an 18 x 18 image whose bottom-left colour is left
// out when the glyph is drawn.
std::unique_ptr<TBitmap> MakeKindGlyph(TBitBtnKind kind) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(18, 18);
    TCanvas& c = *b->Canvas();
    c.Brush()->SetColor(clOlive);
    c.FillRect({0, 0, 18, 18});
    c.Pen()->SetWidth(3);
    switch (kind) {
    case bkOK:
    case bkYes:
    case bkAll:
        c.Pen()->SetColor(clGreen);
        c.Polyline({{3, 9}, {7, 13}, {15, 4}});
        break;
    case bkCancel:
    case bkNo:
    case bkAbort:
    case bkClose:
        c.Pen()->SetColor(clRed);
        c.Polyline({{4, 4}, {14, 14}});
        c.Polyline({{14, 4}, {4, 14}});
        break;
    case bkRetry:
        c.Pen()->SetColor(clGreen);
        c.Brush()->SetStyle(bsClear);
        c.Ellipse(3, 3, 15, 15);
        break;
    case bkIgnore:
        c.Pen()->SetColor(clGray);
        c.Polyline({{3, 9}, {15, 9}});
        break;
    case bkHelp:
        c.Pen()->SetColor(clBlue);
        c.Polyline({{5, 6}, {9, 3}, {13, 6}, {9, 10}, {9, 12}});
        c.Polyline({{9, 14}, {9, 16}});
        break;
    case bkCustom: break;
    }
    return b;
}

} // namespace

const TClassInfo& TBitBtn::StaticClassInfo() {
    using B = TBitBtn;
    static const TClassInfo info = TClassBuilder<B, TButton>()
                                       .Prop("Caption", &B::GetText, &B::SetPublishedCaption)
                                       .Stored(&B::IsCaptionStored)
                                       .Prop("ModalResult", &B::ModalResult, &B::SetPublishedModalResult)
                                       .Stored(&B::IsModalResultStored)
                                       .Prop("Glyph", &B::Glyph, &B::SetGlyph)
                                       .Stored(&B::IsGlyphStored)
                                       .Prop("Kind", &B::Kind, &B::SetKind).Default(bkCustom)
                                       .Prop("Layout", &B::Layout, &B::SetLayout).Default(blGlyphLeft)
                                       .Prop("Margin", &B::Margin, &B::SetMargin).Default(-1)
                                       .Prop("NumGlyphs", &B::NumGlyphs, &B::SetNumGlyphs).Default(1)
                                       .Prop("Spacing", &B::Spacing, &B::SetSpacing).Default(4)
                                       .Build();
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner), FGlyph(std::make_unique<TBitmap>()) {
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TBitBtn::~TBitBtn() = default;

std::string TBitBtn::KindCaption(TBitBtnKind kind) { return InfoOf(kind).Caption; }
int32_t TBitBtn::KindModalResult(TBitBtnKind kind) { return InfoOf(kind).Result; }

TBitmap* TBitBtn::KindGlyph(TBitBtnKind kind) {
    static std::array<std::unique_ptr<TBitmap>, bkAll + 1> glyphs;
    if (kind <= bkCustom || kind > bkAll) return nullptr;
    auto& g = glyphs[static_cast<size_t>(kind)];
    if (!g) g = MakeKindGlyph(kind);
    return g.get();
}

void TBitBtn::SetKind(TBitBtnKind v) {
    if (FKind == v) return;
    FKind = v;
    // While a stream is read the kind fills in only what the stream did not
    // hold (Loaded), whatever order the values come in.
    if (!HasState(csLoading) && v != bkCustom) {
        SetText(KindCaption(v));
        SetModalResult(KindModalResult(v));
        SetDefault(v == bkOK || v == bkYes);
        SetCancel(v == bkCancel || v == bkNo);
    }
    Invalidate();
}

void TBitBtn::Loaded() {
    TButton::Loaded();
    if (FKind != bkCustom) {
        if (!FCaptionRead) SetText(KindCaption(FKind));
        if (!FModalResultRead) SetModalResult(KindModalResult(FKind));
    }
    FCaptionRead = FModalResultRead = false;
}

void TBitBtn::SetPublishedCaption(const std::string& v) {
    if (HasState(csLoading)) FCaptionRead = true;
    SetText(v);
}

void TBitBtn::SetPublishedModalResult(int32_t v) {
    if (HasState(csLoading)) FModalResultRead = true;
    SetModalResult(v);
}

void TBitBtn::SetLayout(TButtonLayout v) {
    if (FLayout == v) return;
    FLayout = v;
    Invalidate();
}

void TBitBtn::SetMargin(int32_t v) {
    v = std::max(v, -1);
    if (FMargin == v) return;
    FMargin = v;
    Invalidate();
}

void TBitBtn::SetSpacing(int32_t v) {
    v = std::max(v, -1);
    if (FSpacing == v) return;
    FSpacing = v;
    Invalidate();
}

void TBitBtn::SetNumGlyphs(int32_t v) {
    v = std::clamp(v, 1, 4);
    if (FNumGlyphs == v) return;
    FNumGlyphs = v;
    Invalidate();
}

void TBitBtn::Click() {
    if (FKind == bkClose)
        if (TForm* form = ParentFormOf(this)) {
            TButton::Click();
            form->Close();
            return;
        }
    TButton::Click();
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool focused = (item.itemState & ODS_FOCUS) != 0;
    if (Default() || focused) {
        // The button Enter would press has a dark outline.
        HBRUSH frame = CreateSolidBrush(ColorToRGB(clWindowFrame));
        FrameRect(dc, &r, frame);
        DeleteObject(frame);
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    RECT inner = r;
    InflateRect(&inner, -2, -2);
    if (pressed) OffsetRect(&inner, 1, 1);
    TButtonFace face;
    face.Glyph = FGlyph->Empty() ? KindGlyph(FKind) : FGlyph.get();
    face.NumGlyphs = FGlyph->Empty() ? 1 : FNumGlyphs;
    face.Caption = GetText();
    face.Font = Font();
    face.Layout = FLayout;
    face.Margin = FMargin;
    face.Spacing = FSpacing;
    face.State = !Enabled() ? TButtonFaceState::Disabled : pressed ? TButtonFaceState::Pressed : TButtonFaceState::Up;
    DrawButtonFace(dc, face, inner);
    if (focused) {
        RECT f = r;
        InflateRect(&f, -3, -3);
        DrawFocusRect(dc, &f);
    }
}

void TBitBtn::WndProc(TMessage& m) {
    if (m.Msg == CN_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam));
        m.Result = TRUE;
        return;
    }
    TButton::WndProc(m);
}

} // namespace fw
