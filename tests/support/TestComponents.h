#pragma once
// Component classes for stream and reflection tests: a small control tree
// (windowed and non-windowed controls with a parent and child order), a
// persistent sub-object, a collection, events and self-stored properties.
#include "toolkit/core/Collection.h"
#include "toolkit/core/Component.h"
#include "toolkit/core/Enums.h"
#include "toolkit/core/Events.h"
#include "toolkit/core/Stream.h"
#include "toolkit/core/Strings.h"

namespace fw {
class TClassRegistry;
}

#include <memory>
#include <string>
#include <vector>

namespace fwtest {

using namespace fw;

FW_ENUM(TTestAlign, taNone, taTop, taBottom, taClient)
FW_ENUM(TTestAnchorKind, tkLeftSide, tkTopSide, tkRightSide, tkBottomSide)
FW_SET(TTestAnchors, TTestAnchorKind);
FW_ENUM(TTestStyleBit, fsBold, fsItalic, fsUnderline, fsStrikeOut)
FW_SET(TTestStyles, TTestStyleBit);

// An integer type with identifiers, like colours.
const TTypeInfo& TestColorType();
constexpr int32_t clTestRed = 0x0000FF;
constexpr int32_t clTestBtnFace = -16777201;

class TTestFont : public TPersistent {
    FW_CLASS(TTestFont)
    int32_t Color = 0;
    int32_t Size = 8;
    std::string FaceName = "Tahoma";
    TTestStyles Style;
    void Assign(TPersistent* source) override;
};

class TTestItem : public TCollectionItem {
    FW_CLASS(TTestItem)
    explicit TTestItem(TCollection* c) : TCollectionItem(c) {}
    std::string Caption;
    int32_t Width = 50;
};

class TTestControl;
FW_EVENT_TYPE(TTestKeyEvent, TObject*, int32_t&);

// A control: a parent, bounds, child controls (non-windowed first).
class TTestControl : public TComponent {
    FW_CLASS(TTestControl)

    explicit TTestControl(TComponent* owner);
    ~TTestControl() override;

    virtual bool Windowed() const { return true; }
    TTestControl* Parent() const { return FParent; }
    void SetParent(TTestControl* parent);
    // Child order: non-windowed children first, then windowed ones.
    std::vector<TTestControl*> Children() const;
    int ChildCount() const { return static_cast<int>(FChildren.size()); }

    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void SetChildOrder(TComponent* child, int order) override;
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override { return FParent; }
    void SetParentComponent(TComponent* parent) override;
    void Notification(TComponent* component, TOperation operation) override;
    void DefineProperties(TFiler& filer) override;
    void Loaded() override;

    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
    TTestAlign Align = taNone;
    TTestAnchors Anchors{tkLeftSide, tkTopSide};
    int32_t Color = clTestBtnFace;
    char Accel = 'A';
    double Ratio = 0;
    int64_t Big = 0;
    std::u16string Wide;
    std::unique_ptr<TTestFont> Font = std::make_unique<TTestFont>();
    std::unique_ptr<TStringList> Lines = std::make_unique<TStringList>();
    std::unique_ptr<TCollection> Items = std::make_unique<TCollection>(TTestItem::StaticClassInfo(), this);
    TTestControl* Buddy = nullptr;
    TNotifyEvent OnClick;
    TTestKeyEvent OnKey;
    // Self-stored: an opaque blob and a flag, like glyph data.
    std::string Data;
    bool IsControl = false;
    int LoadedCalls = 0;

    TTestFont* GetFont() const { return Font.get(); }
    void SetFont(TTestFont* f) { Font->Assign(f); }
    TStrings* GetLines() const { return Lines.get(); }
    void SetLines(TStrings* s) { Lines->Assign(s); }
    TCollection* GetItems() const { return Items.get(); }
    void SetItems(TCollection* c) { Items->Assign(c); }
    void SetBuddy(TTestControl* b);
    void SetWidth(int32_t w);

private:
    TTestControl* FParent = nullptr;
    std::vector<TTestControl*> FChildren;
};

// A control without a window of its own.
class TTestLabel : public TTestControl {
    FW_CLASS(TTestLabel)
    using TTestControl::TTestControl;
    bool Windowed() const override { return false; }
    bool WordWrap = false;
};

// A container with a sub-component stored as part of its properties.
class TTestPanel : public TTestControl {
    FW_CLASS(TTestPanel)
    explicit TTestPanel(TComponent* owner);
    TTestLabel* Header = nullptr; // sub-component, owned by the panel
    TTestLabel* GetHeader() const { return Header; }
};

// A non-visual component (like a menu) owned by a form.
class TTestMenu : public TComponent {
    FW_CLASS(TTestMenu)
    using TComponent::TComponent;
    std::string Hint;
};

// A root: stores its non-visual components, then its child controls, and
// publishes event handlers.
class TTestForm : public TTestControl {
    FW_CLASS(TTestForm)
    using TTestControl::TTestControl;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
    void Button1Click(TObject* sender) { Clicks.push_back(sender); }
    void Edit1Key(TObject* sender, int32_t& key) { key = 0; }
    std::vector<TObject*> Clicks;
};

// A form class that publishes nothing.
class TPlainForm : public TTestControl {
    FW_CLASS(TPlainForm)
    using TTestControl::TTestControl;
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;
};

// A registry holding the classes above.
const TClassRegistry& TestRegistry();

} // namespace fwtest
