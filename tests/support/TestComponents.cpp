#include "support/TestComponents.h"

#include "stream/ClassRegistry.h"
#include "toolkit/core/ClassBuilder.h"

#include <algorithm>

namespace fwtest {

const TTypeInfo& TestColorType() {
    static const TIdentMap map{{clTestRed, "clRed"}, {clTestBtnFace, "clBtnFace"}, {0, "clBlack"}};
    static const TTypeInfo type = MakeIntegerType("TColor", &map);
    return type;
}

const TClassInfo& TTestFont::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TTestFont, TPersistent>()
                                       .Prop("Color", &TTestFont::Color, &TTestFont::Color)
                                       .Type(TestColorType())
                                       .Default(0)
                                       .Prop("Size", &TTestFont::Size, &TTestFont::Size)
                                       .Default(8)
                                       .Prop("Name", &TTestFont::FaceName, &TTestFont::FaceName)
                                       .Prop("Style", &TTestFont::Style, &TTestFont::Style)
                                       .Default(0)
                                       .Build();
    return info;
}

void TTestFont::Assign(TPersistent* source) {
    if (auto* f = dynamic_cast<TTestFont*>(source)) {
        Color = f->Color;
        Size = f->Size;
        FaceName = f->FaceName;
        Style = f->Style;
        return;
    }
    TPersistent::Assign(source);
}

const TClassInfo& TTestItem::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TTestItem, TCollectionItem>()
                                       .Prop("Caption", &TTestItem::Caption, &TTestItem::Caption)
                                       .Prop("Width", &TTestItem::Width, &TTestItem::Width)
                                       .Default(50)
                                       .Build();
    return info;
}

const TClassInfo& TTestControl::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TTestControl, TComponent>()
            .Prop("Left", &TTestControl::Left, &TTestControl::Left)
            .Prop("Top", &TTestControl::Top, &TTestControl::Top)
            .Prop("Width", &TTestControl::Width, &TTestControl::SetWidth)
            .Prop("Height", &TTestControl::Height, &TTestControl::Height)
            .Prop("Caption", &TTestControl::Caption, &TTestControl::Caption)
            .Prop("Visible", &TTestControl::Visible, &TTestControl::Visible)
            .Default(true)
            .Prop("Enabled", &TTestControl::Enabled, &TTestControl::Enabled)
            .Default(true)
            .Prop("Align", &TTestControl::Align, &TTestControl::Align)
            .Default(taNone)
            .Prop("Anchors", &TTestControl::Anchors, &TTestControl::Anchors)
            .Default(static_cast<int32_t>(TTestAnchors{tkLeftSide, tkTopSide}.Bits()))
            .Prop("Color", &TTestControl::Color, &TTestControl::Color)
            .Type(TestColorType())
            .Default(clTestBtnFace)
            .Prop("Accel", &TTestControl::Accel, &TTestControl::Accel)
            .Default('A')
            .Prop("Ratio", &TTestControl::Ratio, &TTestControl::Ratio)
            .Prop("Big", &TTestControl::Big, &TTestControl::Big)
            .Prop("Wide", &TTestControl::Wide, &TTestControl::Wide)
            .Prop("Font", &TTestControl::GetFont, &TTestControl::SetFont)
            .Prop("Lines", &TTestControl::GetLines, &TTestControl::SetLines)
            .Prop("Items", &TTestControl::GetItems, &TTestControl::SetItems)
            .Prop("Buddy", &TTestControl::Buddy, &TTestControl::SetBuddy)
            .Prop("OnClick", &TTestControl::OnClick, &TTestControl::OnClick)
            .Prop("OnKey", &TTestControl::OnKey, &TTestControl::OnKey)
            .Build();
    return info;
}

TTestControl::TTestControl(TComponent* owner) : TComponent(owner) {}

TTestControl::~TTestControl() {
    Destroying();
    // A control frees its child controls, like a real window tree.
    while (!FChildren.empty()) delete FChildren.back();
    SetParent(nullptr);
}

void TTestControl::SetParent(TTestControl* parent) {
    if (FParent == parent) return;
    if (FParent) {
        auto& siblings = FParent->FChildren;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    FParent = parent;
    if (FParent) FParent->FChildren.push_back(this);
}

std::vector<TTestControl*> TTestControl::Children() const {
    std::vector<TTestControl*> out;
    for (TTestControl* c : FChildren)
        if (!c->Windowed()) out.push_back(c);
    for (TTestControl* c : FChildren)
        if (c->Windowed()) out.push_back(c);
    return out;
}

void TTestControl::GetChildren(const TGetChildProc& proc, TComponent* root) {
    for (TTestControl* c : Children())
        if (c->Owner() == root) proc(c);
}

void TTestControl::SetChildOrder(TComponent* child, int order) {
    auto it = std::find(FChildren.begin(), FChildren.end(), child);
    if (it == FChildren.end()) return;
    TTestControl* c = *it;
    FChildren.erase(it);
    order = std::clamp(order, 0, static_cast<int>(FChildren.size()));
    FChildren.insert(FChildren.begin() + order, c);
}

void TTestControl::SetParentComponent(TComponent* parent) {
    auto* p = dynamic_cast<TTestControl*>(parent);
    if (parent && !p) throw EComponentError("Parent must be a control");
    SetParent(p);
}

void TTestControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == Buddy) Buddy = nullptr;
}

void TTestControl::SetBuddy(TTestControl* b) {
    Buddy = b;
    if (b) b->FreeNotification(this);
}

void TTestControl::SetWidth(int32_t w) {
    if (w < 0) throw EPropertyError("Width cannot be negative");
    Width = w;
}

void TTestControl::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data",
        [this](TStream& s) {
            Data.assign(static_cast<size_t>(s.Size()), '\0');
            s.ReadBuffer(Data.data(), s.Size());
        },
        [this](TStream& s) { s.WriteBuffer(Data.data(), static_cast<long long>(Data.size())); }, !Data.empty());
    filer.DefineProperty(
        "IsControl", [this](TAbstractReader& r) { IsControl = r.ReadBoolean(); },
        [this](TAbstractWriter& w) { w.WriteBoolean(IsControl); }, IsControl);
}

void TTestControl::Loaded() {
    TComponent::Loaded();
    ++LoadedCalls;
}

const TClassInfo& TTestLabel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TTestLabel, TTestControl>()
                                       .Prop("WordWrap", &TTestLabel::WordWrap, &TTestLabel::WordWrap)
                                       .Default(false)
                                       // Published again: keeps its first position.
                                       .Prop("Caption", &TTestLabel::Caption, &TTestLabel::Caption)
                                       .Build();
    return info;
}

const TClassInfo& TTestPanel::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TTestPanel, TTestControl>()
                                       .Prop("Header", &TTestPanel::GetHeader)
                                       .Build();
    return info;
}

TTestPanel::TTestPanel(TComponent* owner) : TTestControl(owner) {
    Header = new TTestLabel(this);
    Header->SetName("Header");
    Header->SetSubComponent(true);
}

const TClassInfo& TTestMenu::StaticClassInfo() {
    static const TClassInfo info =
        TClassBuilder<TTestMenu, TComponent>().Prop("Hint", &TTestMenu::Hint, &TTestMenu::Hint).Build();
    return info;
}

namespace {
void FormChildren(TTestControl* form, const TGetChildProc& proc, TComponent* root) {
    for (int i = 0; i < form->ComponentCount(); ++i) {
        TComponent* c = form->Components(i);
        if (!c->HasParent() || !c->GetParentComponent()) proc(c);
    }
    form->TTestControl::GetChildren(proc, root);
}
} // namespace

const TClassInfo& TTestForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TTestForm, TTestControl>()
                                       .Method("Button1Click", &TTestForm::Button1Click)
                                       .Method("Edit1Key", &TTestForm::Edit1Key)
                                       .Build();
    return info;
}

void TTestForm::GetChildren(const TGetChildProc& proc, TComponent* root) { FormChildren(this, proc, root); }

const TClassInfo& TPlainForm::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TPlainForm, TTestControl>().Build();
    return info;
}

void TPlainForm::GetChildren(const TGetChildProc& proc, TComponent* root) { FormChildren(this, proc, root); }

const TClassRegistry& TestRegistry() {
    static const TClassRegistry registry = [] {
        TClassRegistry r;
        r.RegisterClasses({&TTestControl::StaticClassInfo(), &TTestLabel::StaticClassInfo(),
                           &TTestPanel::StaticClassInfo(), &TTestMenu::StaticClassInfo(),
                           &TTestForm::StaticClassInfo(), &TPlainForm::StaticClassInfo()});
        return r;
    }();
    return registry;
}

} // namespace fwtest
