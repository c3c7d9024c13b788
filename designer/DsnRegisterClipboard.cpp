// The controller's cut, copy and paste through the designer's own clipboard
// format, and the placing of pasted controls.
#include "designer/DsnClipboard.h"
#include "designer/DsnRegister.h"
#include "designer/DsnUnit.h"
#include "toolkit/win/window/Clipboard.h"

namespace fw {

namespace {

bool ClipboardHoldsDesign() { return IsClipboardFormatAvailable(RegisterClipboardFormatName(kDsnClipboardFormat)) != 0; }

} // namespace

bool TDsnRegister::CanCopy() { return FTargets && FTargets->Count() > 0 && SameParent(); }

bool TDsnRegister::CanPaste() {
    if (!FTargets || FTargets->Count() > 1) return false;
    if (FTargets->Count() == 1) {
        auto* only = dynamic_cast<TControl*>(FTargets->GetItem(0));
        if (!only || !(only->ControlStyle() & csAcceptsControls)) return false;
    }
    return ClipboardHoldsDesign();
}

void TDsnRegister::CopySelection() {
    if (!CanCopy()) return;
    std::vector<TComponent*> selected;
    for (int i = 0; i < FTargets->Count(); ++i) selected.push_back(FTargets->GetItem(i));
    TMemoryStream stream;
    WriteRecords(stream, Owner(), selected);
    const UINT format = RegisterClipboardFormatName(kDsnClipboardFormat);
    TClipboard clipboard(FDsnStage && FDsnStage->HandleAllocated() ? FDsnStage->Handle() : nullptr);
    clipboard.Clear();
    clipboard.SetBlock(format, EncodeClipboardBlock(stream.Bytes()));
}

void TDsnRegister::CutSelection() {
    if (!CanCopy()) return;
    CopySelection();
    DeleteSelection();
}

void TDsnRegister::PasteClipboard() {
    if (!CanPaste()) return;
    auto* parent = FTargets->Count() == 1 ? dynamic_cast<TWinControl*>(FTargets->GetItem(0))
                                          : static_cast<TWinControl*>(DefaultParent());
    if (!parent) return;
    FTargets->Clear();
    std::vector<uint8_t> bytes;
    {
        const UINT format = RegisterClipboardFormatName(kDsnClipboardFormat);
        TClipboard clipboard;
        if (!clipboard.HasFormat(format)) return;
        bytes = DecodeClipboardBlock(clipboard.GetBlock(format));
    }
    TMemoryStream stream(std::move(bytes));
    // All or nothing: a block whose stream breaks off leaves the design as
    // it was. Read components join the end of the owner's list.
    TComponent* owner = Owner();
    const int before = owner ? owner->ComponentCount() : 0;
    try {
        ReadRecords(stream, owner, parent, [this](TComponent* read) { PlacePasted(read); });
    } catch (...) {
        if (FTargets) FTargets->Clear();
        while (owner && owner->ComponentCount() > before) delete owner->Components(owner->ComponentCount() - 1);
        throw;
    }
    if (FTargets) FTargets->Update();
}

void TDsnRegister::PlacePasted(TComponent* component) {
    if (auto* windowed = dynamic_cast<TWinControl*>(component)) HookControl(windowed);
    if (auto* c = dynamic_cast<TControl*>(component); c && c->Parent()) {
        const TWinControl* p = c->Parent();
        if (c->Left() > p->Width()) c->SetLeft(p->Width() - c->Width());
        if (c->Left() < 0) c->SetLeft(0);
        if (c->Top() > p->Height()) c->SetTop(p->Height() - c->Height());
        if (c->Top() < 0) c->SetTop(0);
    }
    EnsureTargets();
    FTargets->Add(component);
}

} // namespace fw
