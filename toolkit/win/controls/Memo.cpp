#include "toolkit/win/controls/Memo.h"

#include "toolkit/core/ClassBuilder.h"

namespace fw {

const TClassInfo& TMemoStrings::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TMemoStrings, TStrings>().Build();
    return info;
}

// --- lines ---------------------------------------------------------------------

// Split at CR LF, LF or CR; every break starts a line, so a text that ends
// with a break has an empty last line, and joining with CR LF gives the text
// back.
std::vector<std::string> TMemoStrings::Load() const {
    std::vector<std::string> lines;
    std::string text = FMemo.GetText();
    if (text.empty()) return lines;
    size_t i = 0;
    for (;;) {
        size_t j = text.find_first_of("\r\n", i);
        lines.push_back(text.substr(i, j == std::string::npos ? std::string::npos : j - i));
        if (j == std::string::npos) break;
        if (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') ++j;
        i = j + 1;
    }
    return lines;
}

void TMemoStrings::Store(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += lines[i];
    }
    FMemo.SetText(text);
}

std::vector<std::string>& TMemoStrings::Work() {
    if (!FBatching) FBatch = Load();
    return FBatch;
}

int TMemoStrings::Count() const { return static_cast<int>(FBatching ? FBatch.size() : Load().size()); }

std::string TMemoStrings::Get(int index) const {
    std::vector<std::string> loaded;
    const std::vector<std::string>& lines = FBatching ? FBatch : (loaded = Load());
    if (index < 0 || index >= static_cast<int>(lines.size())) Error("List index out of bounds (%d)", index);
    return lines[static_cast<size_t>(index)];
}

void TMemoStrings::Put(int index, const std::string& s) {
    auto& lines = Work();
    if (index < 0 || index >= static_cast<int>(lines.size())) Error("List index out of bounds (%d)", index);
    lines[static_cast<size_t>(index)] = s;
    if (!FBatching) Store(lines);
}

void TMemoStrings::Insert(int index, const std::string& s) {
    auto& lines = Work();
    if (index < 0 || index > static_cast<int>(lines.size())) Error("List index out of bounds (%d)", index);
    lines.insert(lines.begin() + index, s);
    if (!FBatching) Store(lines);
}

void TMemoStrings::Delete(int index) {
    auto& lines = Work();
    if (index < 0 || index >= static_cast<int>(lines.size())) Error("List index out of bounds (%d)", index);
    lines.erase(lines.begin() + index);
    if (!FBatching) Store(lines);
}

void TMemoStrings::Clear() {
    auto& lines = Work();
    lines.clear();
    if (!FBatching) Store(lines);
}

void TMemoStrings::SetUpdateState(bool updating) {
    if (updating) {
        FBatch = Load();
        FBatching = true;
        return;
    }
    FBatching = false;
    Store(FBatch);
    FBatch.clear();
}

// --- memo ----------------------------------------------------------------------

const TClassInfo& TMemo::StaticClassInfo() {
    using M = TMemo;
    static const TClassInfo info = TClassBuilder<M, TCustomEdit>()
                                       .Prop("Alignment", &M::Alignment, &M::SetAlignment).Default(taLeftJustify)
                                       .Prop("BorderStyle", &M::PublishedBorderStyle, &M::SetPublishedBorderStyle)
                                       .Default(bsSingle)
                                       .Prop("CharCase", &M::CharCase, &M::SetCharCase).Default(ecNormal)
                                       .Prop("Color", &M::Color, &M::SetColor)
                                       .Type(ColorType())
                                       .Default(clWindow)
                                       .Stored(&M::IsColorStored)
                                       .Prop("Lines", &M::Lines, &M::SetLines)
                                       .Prop("MaxLength", &M::MaxLength, &M::SetMaxLength).Default(0)
                                       .Prop("ReadOnly", &M::ReadOnly, &M::SetReadOnly).Default(false)
                                       .Prop("ScrollBars", &M::ScrollBars, &M::SetScrollBars).Default(ssNone)
                                       .Prop("TabStop", &M::TabStop, &M::SetTabStop).Default(true)
                                       .Prop("WantReturns", &M::WantReturns, &M::SetWantReturns).Default(true)
                                       .Prop("WantTabs", &M::WantTabs, &M::SetWantTabs).Default(false)
                                       .Prop("WordWrap", &M::WordWrap, &M::SetWordWrap).Default(true)
                                       .Prop("OnChange", &M::OnChange, &M::OnChange)
                                       .Build();
    return info;
}

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TMemoStrings>(*this)) {
    SetBounds(0, 0, 185, 89);
    SetAutoSelect(false);
}

TMemo::~TMemo() = default;

void TMemo::SetScrollBars(TScrollStyle v) {
    if (FScrollBars == v) return;
    FScrollBars = v;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool v) {
    if (FWordWrap == v) return;
    FWordWrap = v;
    RecreateWnd();
}

void TMemo::SetAlignment(TAlignment v) {
    if (FAlignment == v) return;
    FAlignment = v;
    RecreateWnd();
}

void TMemo::CreateParams(TCreateParams& p) {
    TCustomEdit::CreateParams(p);
    p.Style |= ES_MULTILINE | ES_AUTOVSCROLL;
    if (FWordWrap) p.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) p.Style |= WS_VSCROLL;
    // A wrapping memo has nothing to scroll sideways.
    if ((FScrollBars == ssHorizontal || FScrollBars == ssBoth) && !FWordWrap) p.Style |= WS_HSCROLL;
    if (FAlignment == taCenter) p.Style |= ES_CENTER;
    else if (FAlignment == taRightJustify) p.Style |= ES_RIGHT;
}

void TMemo::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETDLGCODE:
        TCustomEdit::WndProc(m);
        if (!FWantTabs) m.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
        // Enter (and Escape) are then left to the dialog keys of the form.
        if (!FWantReturns) m.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
        return;
    case WM_CHAR:
        // Keys the memo does not want are not typed into it.
        if ((m.WParam == '\t' && !FWantTabs) || (m.WParam == '\r' && !FWantReturns)) return;
        break;
    default: break;
    }
    TCustomEdit::WndProc(m);
}

} // namespace fw
