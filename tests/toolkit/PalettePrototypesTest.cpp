// The palette's prototypes: one control of each designable class on a panel
// outside the window, with the values new controls start from. They must be
// settable, stored, and read back equal.
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/controls/DesignableClasses.h"
#include "toolkit/win/graphics/Bitmap.h"

using namespace stdtest;

namespace {

using PrototypesTest = ShownForm;

const TPropInfo& Prop(TObject* o, const char* name) {
    const TPropInfo* p = o->ClassInfo().FindProp(name);
    if (!p) throw std::runtime_error(o->ClassInfo().ClassName + " has no " + name);
    return *p;
}

void SetOrd(TObject* o, const char* name, int32_t v) { Prop(o, name).SetOrd(o, v); }
void SetStr(TObject* o, const char* name, const std::string& v) { Prop(o, name).SetStr(o, v); }

// A set property from the names of its elements.
void SetSetOf(TObject* o, const char* name, std::initializer_list<const char*> elements) {
    const TPropInfo& p = Prop(o, name);
    int32_t mask = 0;
    for (const char* e : elements) {
        int32_t ordinal = p.PropType->CompType->GetEnumValue(e);
        if (ordinal < 0) throw std::runtime_error(std::string("no element ") + e);
        mask |= 1 << ordinal;
    }
    p.SetOrd(o, mask);
}

int32_t SetMask(TObject* o, const char* name, std::initializer_list<const char*> elements) {
    int32_t mask = 0;
    for (const char* e : elements) mask |= 1 << Prop(o, name).PropType->CompType->GetEnumValue(e);
    return mask;
}

// Builds the deposit panel of `form` and its thirty prototypes, in the order of
// the palette's buttons.
TPanel* MakePrototypes(TForm* form) {
    auto* deposit = new TPanel(form);
    deposit->SetName("DsnDpstPanel");
    deposit->SetParent(form);
    deposit->SetBounds(-100, -100, 50, 50);
    deposit->SetCaption("DsnDpstPanel");
    const char* order[] = {"TButton",   "TEdit",        "TLabel",      "TPanel",         "TMemo",
                           "TCheckBox", "TRadioButton", "TListBox",    "TComboBox",      "TScrollBar",
                           "TBitBtn",   "TSpeedButton", "TStringGrid", "TImage",         "TShape",
                           "TBevel",    "TSplitter",    "TPageControl", "TRichEdit",     "TTrackBar",
                           "TProgressBar", "TUpDown",   "TMonthCalendar", "TTreeView",   "TListView",
                           "TMediaPlayer", "TOleContainer", "TColorGrid", "TDirectoryOutline", "TShellListView"};
    for (const char* cls : order) {
        auto* c = static_cast<TControl*>(FindClass(cls).CreateComponent(form));
        c->SetName(std::string("Dpst_") + cls);
        c->SetParent(deposit);
        c->SetBounds(0, 0, 50, 50);
    }
    auto get = [&](const char* cls) { return form->FindComponent(std::string("Dpst_") + cls); };
    SetStr(get("TButton"), "Caption", "Dpst_TButton");
    SetOrd(get("TEdit"), "Height", 21);
    SetStr(get("TEdit"), "Text", "Dpst_TEdit");
    static_cast<TControl*>(get("TLabel"))->SetBounds(0, 0, 61, 13);
    SetStr(get("TLabel"), "Caption", "Dpst_TLabel");
    SetStr(get("TPanel"), "Caption", "Dpst_TPanel");
    static_cast<TStrings*>(Prop(get("TMemo"), "Lines").GetObj(get("TMemo")))->SetText("Dpst_TM\r\nemo\r\n");
    SetStr(get("TCheckBox"), "Caption", "Dpst_TCheckBox");
    SetStr(get("TRadioButton"), "Caption", "Dpst_TRadioButton");
    SetOrd(get("TListBox"), "ItemHeight", 13);
    SetOrd(get("TComboBox"), "Height", 21);
    SetOrd(get("TComboBox"), "ItemHeight", 13);
    SetStr(get("TComboBox"), "Text", "Dpst_TComboBox");
    SetOrd(get("TScrollBar"), "PageSize", 0);
    SetStr(get("TBitBtn"), "Caption", "Dpst_TBitBtn");
    static_cast<TControl*>(get("TSplitter"))->SetBounds(1, 1, 50, 48);
    static_cast<TStrings*>(Prop(get("TRichEdit"), "Lines").GetObj(get("TRichEdit")))->SetText("Dpst_TR\r\nichEdit\r\n");
    static_cast<TControl*>(get("TMonthCalendar"))->SetBounds(0, 0, 197, 153);
    Prop(get("TMonthCalendar"), "Date").SetFloat(get("TMonthCalendar"), 37973.47198440972);
    SetOrd(get("TTreeView"), "Indent", 19);
    static_cast<TControl*>(get("TMediaPlayer"))->SetBounds(0, 0, 253, 50);
    SetStr(get("TOleContainer"), "Caption", "Dpst_TOleContainer");
    static_cast<TControl*>(get("TColorGrid"))->SetBounds(0, 0, 48, 48);
    TObject* outline = get("TDirectoryOutline");
    SetOrd(outline, "ItemHeight", 13);
    SetSetOf(outline, "Options", {"ooDrawFocusRect"});
    auto* leaf = static_cast<TBitmap*>(Prop(outline, "PictureLeaf").GetObj(outline));
    leaf->SetSize(16, 16);
    leaf->Canvas()->Brush()->SetColor(clGreen);
    leaf->Canvas()->FillRect(RECT{2, 2, 14, 14});
    TObject* shell = get("TShellListView");
    SetSetOf(shell, "ObjectTypes", {"otFolders", "otNonFolders"});
    SetStr(shell, "Root", "rfDesktop");
    SetOrd(shell, "Sorted", 1);
    SetOrd(shell, "ReadOnly", 0);
    SetOrd(shell, "HideSelection", 0);
    return deposit;
}

} // namespace

TEST_F(PrototypesTest, ThePrototypesKeepTheirValuesThroughTheStream) {
    TPanel* deposit = MakePrototypes(form);
    ASSERT_EQ(deposit->ControlCount(), 30);

    // Windowed prototypes take tab orders 0 to 23 in the order they were made.
    int next = 0;
    for (int i = 0; i < deposit->ControlCount(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(deposit->Controls(i));
        if (!w) continue;
        EXPECT_EQ(w->TabOrder(), next++) << w->Name();
    }
    EXPECT_EQ(next, 24);

    std::unique_ptr<TForm> copy;
    TPanel* read = RoundTrip(deposit, form, copy); // the copy stores the very same bytes
    ASSERT_NE(read, nullptr);
    ASSERT_EQ(read->ControlCount(), 30);
    auto get = [&](const char* cls) { return copy->FindComponent(std::string("Dpst_") + cls); };
    EXPECT_EQ(Prop(get("TMonthCalendar"), "Date").GetFloat(get("TMonthCalendar")), static_cast<long double>(37973.47198440972));
    EXPECT_EQ(Prop(get("TTreeView"), "Indent").GetOrd(get("TTreeView")), 19);
    EXPECT_EQ(Prop(get("TListBox"), "ItemHeight").GetOrd(get("TListBox")), 13);
    EXPECT_EQ(Prop(get("TComboBox"), "ItemHeight").GetOrd(get("TComboBox")), 13);
    EXPECT_EQ(Prop(get("TComboBox"), "Text").GetStr(get("TComboBox")), "Dpst_TComboBox");
    EXPECT_EQ(static_cast<TStrings*>(Prop(get("TMemo"), "Lines").GetObj(get("TMemo")))->Count(), 2);
    EXPECT_EQ(static_cast<TControl*>(get("TSplitter"))->BoundsRect().left, 1);
    EXPECT_EQ(static_cast<TControl*>(get("TMediaPlayer"))->Width(), 253);
    EXPECT_EQ(static_cast<TControl*>(get("TColorGrid"))->Height(), 48);
    EXPECT_EQ(Prop(get("TOleContainer"), "Caption").GetStr(get("TOleContainer")), "Dpst_TOleContainer");
    TObject* outline = get("TDirectoryOutline");
    EXPECT_EQ(Prop(outline, "ItemHeight").GetOrd(outline), 13);
    EXPECT_EQ(Prop(outline, "Options").GetOrd(outline), SetMask(outline, "Options", {"ooDrawFocusRect"}));
    EXPECT_EQ(static_cast<TBitmap*>(Prop(outline, "PictureLeaf").GetObj(outline))->Width(), 16);
    TObject* shell = get("TShellListView");
    EXPECT_EQ(Prop(shell, "ObjectTypes").GetOrd(shell), SetMask(shell, "ObjectTypes", {"otFolders", "otNonFolders"}));
    EXPECT_EQ(Prop(shell, "Root").GetStr(shell), "rfDesktop");
    EXPECT_EQ(Prop(shell, "Sorted").GetOrd(shell), 1);
    EXPECT_EQ(Prop(shell, "ReadOnly").GetOrd(shell), 0);
    EXPECT_EQ(Prop(shell, "HideSelection").GetOrd(shell), 0);
}

TEST_F(PrototypesTest, EveryDeclaredDefaultIsTheValueANewControlStartsWith) {
    // A value equal to the declared default is not stored; if a new control
    // started with another value, reading the design back would lose it.
    for (const TClassInfo* cls : DesignableClasses()) {
        std::unique_ptr<TComponent> fresh(cls->CreateComponent(form));
        for (const TPropInfo* p : cls->Props()) {
            if (!p->HasDefault || !p->GetOrd || p->StoredFn) continue;
            EXPECT_EQ(p->GetOrd(fresh.get()), p->Default) << cls->ClassName << "." << p->Name;
        }
    }
}
