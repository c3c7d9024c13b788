#include "designer/DsnStage.h"

#include "designer/DsnMessages.h"
#include "designer/DsnRegister.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/core/Exception.h"
#include "toolkit/core/platform/Platform.h"
#include "toolkit/win/menus/Menus.h"

#include <vector>

namespace fw {

const TClassInfo& TRubberband::StaticClassInfo() {
    using R = TRubberband;
    static const TClassInfo info = TClassBuilder<R, TPersistent>()
                                       .Prop("Color", &R::Color, &R::Color)
                                       .Type(ColorType())
                                       .Prop("PenWidth", &R::PenWidth, &R::PenWidth)
                                       .Prop("MoveWidth", &R::MoveWidth, &R::MoveWidth)
                                       .Prop("MoveHeight", &R::MoveHeight, &R::MoveHeight)
                                       .Build();
    return info;
}

void TRubberband::Assign(TPersistent* source) {
    if (auto* r = dynamic_cast<TRubberband*>(source)) {
        Color = r->Color;
        PenWidth = r->PenWidth;
        MoveWidth = r->MoveWidth;
        MoveHeight = r->MoveHeight;
        return;
    }
    TPersistent::Assign(source);
}

const TClassInfo& TDsnStage::StaticClassInfo() {
    using S = TDsnStage;
    static const TClassInfo info = TClassBuilder<S, TPanel>()
                                       .Prop("SelfProps", &S::SelfProps, &S::SetSelfProps)
                                       .Prop("OutProps", &S::OutProps, &S::SetOutProps)
                                       .Prop("Rubberband", &S::Rubberband, &S::SetRubberband)
                                       .Prop("CoverMenu", &S::CoverMenu, &S::SetCoverMenu)
                                       .Prop("FixPosition", &S::FixPosition, &S::SetFixPosition)
                                       .Prop("FixSize", &S::FixSize, &S::SetFixSize)
                                       .Prop("OnDeleteQuery", &S::OnDeleteQuery, &S::OnDeleteQuery)
                                       .Prop("OnCoverQuery", &S::OnCoverQuery, &S::OnCoverQuery)
                                       .Prop("OnSelectQuery", &S::OnSelectQuery, &S::OnSelectQuery)
                                       .Prop("OnMoveQuery", &S::OnMoveQuery, &S::OnMoveQuery)
                                       .Prop("OnControlCreate", &S::OnControlCreate, &S::OnControlCreate)
                                       .Prop("OnControlLoading", &S::OnControlLoading, &S::OnControlLoading)
                                       .Prop("OnControlLoaded", &S::OnControlLoaded, &S::OnControlLoaded)
                                       .Prop("OnCoverDblClick", &S::OnCoverDblClick, &S::OnCoverDblClick)
                                       .Prop("OnMenuClick", &S::OnMenuClick, &S::OnMenuClick)
                                       .Prop("OnPopup", &S::OnPopup, &S::OnPopup)
                                       .Build();
    return info;
}

TDsnStage::TDsnStage(TComponent* owner)
    : TPanel(owner), FSelfProps(std::make_unique<TStringList>()), FOutProps(std::make_unique<TStringList>()),
      FRubberband(std::make_unique<TRubberband>()) {}

TDsnStage::~TDsnStage() { Destroying(); }

void TDsnStage::CopyLines(TStrings& target, TStrings* source) {
    if (source) target.Assign(source);
    else target.Clear();
}

void TDsnStage::SetCoverMenu(TPopupMenu* menu) {
    FCoverMenu = menu;
    if (menu) menu->FreeNotification(this);
}

void TDsnStage::Notification(TComponent* component, TOperation operation) {
    TPanel::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FCoverMenu) FCoverMenu = nullptr;
    FNoticed.erase(component);
}

bool TDsnStage::Take(TComponent* component) {
    auto it = FNoticed.find(component);
    if (it == FNoticed.end()) return false;
    FNoticed.erase(it);
    return true;
}

void TDsnStage::NoticeCreated(TComponent* component) {
    Expect(component);
    PostMessageW(Handle(), DM_CONTROLCREATED, reinterpret_cast<WPARAM>(component), 0);
}

// --- saving and loading ------------------------------------------------------

namespace {

// The controls that make up the design: owned by the design window, and not
// what a designer draws over it.
std::vector<TControl*> DesignedControls(const TWinControl& stage) {
    std::vector<TControl*> out;
    for (int i = 0; i < stage.ControlCount(); ++i) {
        TControl* c = stage.Controls(i);
        if (c->Owner() == stage.Owner() && !(c->ControlStyle() & csNotDesigned)) out.push_back(c);
    }
    return out;
}

// A design's bytes: every control's signature and record, then one list end
// per control. The list ends are written after all records whatever their
// number, so a reader always finds every record first.
void WriteDesign(TDsnStage& stage, TStream& stream) {
    std::vector<TControl*> controls = DesignedControls(stage);
    for (TControl* c : controls) stage.WriteControl(stream, c);
    std::vector<uint8_t> ends(controls.size(), 0);
    if (!ends.empty()) stream.WriteBuffer(ends.data(), static_cast<long long>(ends.size()));
}

void FreeDesign(TDsnStage& stage) {
    std::vector<TControl*> controls = DesignedControls(stage);
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) delete *it;
}

} // namespace

void TDsnStage::WriteControl(TStream& stream, TControl* control) {
    TWriter writer(stream, 4096);
    writer.SetRoot(Owner());
    writer.WriteSignature();
    writer.WriteComponent(control);
}

void TDsnStage::SaveToFile(const std::string& fileName) {
    if (FDsnRegister) FDsnRegister->ClearSelection();
    std::string target = platform::ExpandFileName(fileName);
    std::string temp = target + ".saving";
    try {
        TFileStream file(temp, TFileMode::fmCreate);
        WriteDesign(*this, file);
    } catch (const EFCreateError& e) {
        // Report the file the user named, not the one written beside it.
        std::string message = e.what();
        if (size_t at = message.find(temp); at != std::string::npos) message.replace(at, temp.size(), target);
        throw EFCreateError(message);
    } catch (...) {
        platform::RemoveFile(temp);
        throw;
    }
    std::string error;
    if (!platform::ReplaceFile(temp, target, error)) {
        platform::RemoveFile(temp);
        throw EFCreateError(Format("Cannot create file \"%s\". %s", {target, error}));
    }
}

void TDsnStage::LoadFromFile(const std::string& fileName) {
    bool wasOn = FDsnRegister && FDsnRegister->Designing();
    if (FDsnRegister) FDsnRegister->SetDesignMode(false);
    try {
        TFileStream file(fileName, TFileMode::fmOpenRead);
        // What is on the stage now comes back if the new design cannot be
        // read: a failed load must not leave half of either.
        TMemoryStream current;
        WriteDesign(*this, current);
        try {
            ReadControls(file);
        } catch (...) {
            FreeDesign(*this);
            if (current.Size() > 0) {
                current.SetPosition(0);
                ReadControls(current);
            }
            throw;
        }
    } catch (...) {
        throw EReadError(fileName + " can not be read");
    }
    if (wasOn) FDsnRegister->SetDesignMode(true);
}

void TDsnStage::ReadControls(TStream& stream) {
    FreeDesign(*this);
    TReader reader(stream, 4096);
    reader.OnError = [this](TReader& r, const std::string& message, bool& handled) { ReaderError(r, message, handled); };
    reader.OnFindMethod = [this](TReader& r, const std::string& name, const TMethodEntry*& address, bool& error) {
        ReaderFindMethod(r, name, address, error);
    };
    reader.OnSetName = [this](TReader& r, TComponent* component, std::string& name) {
        ReaderSetName(r, component, name);
    };
    reader.SetPosition(0);
    reader.ReadComponents(Owner(), this, [](TComponent*) {});
}

void TDsnStage::MakeUniqueName(TComponent* root, TComponent* component, std::string& name) {
    if (!root || name.empty()) return;
    std::string base = component->ClassName().substr(1);
    for (int n = 1; root->FindComponent(name); ++n) name = base + std::to_string(n);
}

void TDsnStage::ReaderSetName(TReader&, TComponent* component, std::string& name) {
    MakeUniqueName(Owner(), component, name);
    OnControlLoading(this, component);
    Expect(component);
    PostMessageW(Handle(), DM_CONTROLLOADED, reinterpret_cast<WPARAM>(component), 0);
}

void TDsnStage::ReaderError(TReader&, const std::string&, bool& handled) { handled = true; }

void TDsnStage::ReaderFindMethod(TReader&, const std::string&, const TMethodEntry*& address, bool& error) {
    if (!error) return;
    address = nullptr;
    error = false;
}

// --- keys and messages --------------------------------------------------------

void TDsnStage::KeyPress(int32_t& key) {
    if (key == 3) {
        key = 0;
        if (FDsnRegister) FDsnRegister->CopySelection();
    } else if (key == 24) {
        key = 0;
        if (FDsnRegister) FDsnRegister->CutSelection();
    } else if (key == 22) {
        key = 0;
        if (FDsnRegister) FDsnRegister->PasteClipboard();
    }
    TPanel::KeyPress(key);
}

void TDsnStage::CreateWnd() {
    TPanel::CreateWnd();
    if (FDsnRegister) FDsnRegister->StageWindowCreated();
}

void TDsnStage::WndProc(TMessage& m) {
    switch (m.Msg) {
    case DM_REHOOK: DmRehook(m); return;
    case DM_PROPCHANGED: DmPropChanged(m); return;
    case DM_CONTROLCREATED: DmControlCreated(m); return;
    case DM_CONTROLLOADED: DmControlLoaded(m); return;
    case WM_KEYUP:
        // Delete removes the selection; the panel's own handling follows.
        if (m.WParam == VK_DELETE && FDsnRegister) {
            FDsnRegister->DeleteSelection();
            TPanel::WndProc(m);
            m.Result = 1;
            return;
        }
        break;
    default: break;
    }
    TPanel::WndProc(m);
}

void TDsnStage::DmRehook(TMessage& m) {
    auto* agent = reinterpret_cast<TDsnCtrl*>(m.WParam);
    if (FDsnRegister) FDsnRegister->RehookAgent(agent);
}

void TDsnStage::DmPropChanged(TMessage&) {
    if (FDsnRegister && FDsnRegister->Targets()) FDsnRegister->Targets()->Update();
}

void TDsnStage::DmControlCreated(TMessage& m) {
    auto* c = reinterpret_cast<TComponent*>(m.WParam);
    if (Take(c)) OnControlCreate(this, c);
}

void TDsnStage::DmControlLoaded(TMessage& m) {
    auto* c = reinterpret_cast<TComponent*>(m.WParam);
    if (Take(c)) OnControlLoaded(this, c);
}

} // namespace fw
