// Push buttons, glyph buttons and speed buttons: clicks run OnClick once and
// hand the modal result to the form, a kind fills in caption and result,
// speed buttons of a group stay down one at a time, and every kind of button
// paints its face.
#include "StdCtrlsTestSupport.h"

#include <cstdlib>

using namespace stdtest;

namespace {

// A glyph: olive (left out when drawn) around a blue square.
std::unique_ptr<TBitmap> BlueSquareGlyph() {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(16, 16);
    b->Canvas()->Brush()->SetColor(clOlive);
    b->Canvas()->FillRect({0, 0, 16, 16});
    b->Canvas()->Brush()->SetColor(clBlue);
    b->Canvas()->FillRect({4, 4, 12, 12});
    return b;
}

void PressAt(HWND parent, int x, int y) {
    SendMessageW(parent, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(x, y));
    SendMessageW(parent, WM_LBUTTONUP, 0, PointToLParam(x, y));
}

} // namespace

using ButtonTest = ShownForm;

TEST_F(ButtonTest, WindowsComeAndGo) {
    int before = ChildWindowCount(form->Handle());
    auto* button = Make<TButton>("Button1");
    auto* bit = Make<TBitBtn>("BitBtn1");
    auto* speed = Make<TSpeedButton>("Speed1");
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 2) << "the speed button has no window";
    bit->SetDefault(true);
    delete button;
    delete bit;
    delete speed;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(ButtonTest, AClickRunsOnClickOnceAndSetsTheFormsModalResult) {
    auto* button = Make<TButton>("Button1");
    int clicks = 0;
    button->OnClick.Bind([&](TObject* sender) {
        EXPECT_EQ(sender, button);
        ++clicks;
    });
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(form->ModalResult(), mrNone) << "a button without a result leaves the form's alone";
    button->SetModalResult(mrCancel);
    // A button on a panel still reaches its form.
    auto* panel = Make<TPanel>("Panel1");
    button->SetParent(panel);
    SendMessageW(button->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(form->ModalResult(), mrCancel);
}

TEST_F(ButtonTest, TheDefaultButtonHasTheDefaultStyle) {
    auto* button = Make<TButton>("Button1");
    EXPECT_EQ(GetWindowLongPtrW(button->Handle(), GWL_STYLE) & 0x0F, BS_PUSHBUTTON);
    button->SetDefault(true);
    EXPECT_EQ(GetWindowLongPtrW(button->Handle(), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
    button->RecreateWnd();
    EXPECT_EQ(GetWindowLongPtrW(button->Handle(), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
}

TEST_F(ButtonTest, ButtonPropertiesAndTheirDefaults) {
    auto* button = Make<TButton>("Button1");
    EXPECT_EQ(StoredNames(Store(button, form)),
              (std::set<std::string>{"Left", "Top", "Width", "Height", "TabOrder"}));
    button->SetCancel(true);
    button->SetCaption("&Go");
    button->SetDefault(true);
    button->SetModalResult(mrRetry);
    button->SetTabStop(false);
    std::set<std::string> names = StoredNames(Store(button, form));
    for (const char* name : {"Cancel", "Caption", "Default", "ModalResult", "TabStop"})
        EXPECT_TRUE(names.count(name)) << name;
    std::unique_ptr<TForm> other;
    TButton* copy = RoundTrip(button, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->ModalResult(), mrRetry);
    EXPECT_EQ(copy->GetText(), "&Go");
}

TEST_F(ButtonTest, AKindGivesCaptionResultAndGlyph) {
    auto* ok = Make<TBitBtn>("Ok");
    ok->SetKind(bkOK);
    EXPECT_EQ(ok->GetText(), "OK");
    EXPECT_EQ(ok->ModalResult(), mrOk);
    EXPECT_TRUE(ok->Default());
    EXPECT_NE(TBitBtn::KindGlyph(bkOK), nullptr);
    EXPECT_EQ(TBitBtn::KindGlyph(bkCustom), nullptr);
    SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form->ModalResult(), mrOk);
    // Only what differs from the kind is stored.
    std::set<std::string> names = StoredNames(Store(ok, form));
    EXPECT_TRUE(names.count("Kind"));
    EXPECT_FALSE(names.count("Caption"));
    EXPECT_FALSE(names.count("ModalResult"));
    EXPECT_FALSE(names.count("Glyph.Data")) << "the kind's glyph is not the button's own";
    ok->SetCaption("Fine");
    ok->SetModalResult(mrNone);
    names = StoredNames(Store(ok, form));
    EXPECT_TRUE(names.count("Caption"));
    EXPECT_TRUE(names.count("ModalResult")) << "no result differs from the kind's";
    std::unique_ptr<TForm> other;
    TBitBtn* copy = RoundTrip(ok, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Kind(), bkOK);
    EXPECT_EQ(copy->GetText(), "Fine") << "the kind read after the caption does not replace it";
    EXPECT_EQ(copy->ModalResult(), mrNone);
}

TEST_F(ButtonTest, AStoredKindFillsInWhatTheStreamDidNotHold) {
    auto* no = Make<TBitBtn>("No");
    no->SetKind(bkNo);
    std::unique_ptr<TForm> other;
    TBitBtn* copy = RoundTrip(no, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetText(), "&No");
    EXPECT_EQ(copy->ModalResult(), mrNo);
    EXPECT_TRUE(copy->Cancel());
}

TEST_F(ButtonTest, BitBtnPropertiesAndTheirDefaults) {
    auto* bit = Make<TBitBtn>("BitBtn1");
    EXPECT_EQ(StoredNames(Store(bit, form)), (std::set<std::string>{"Left", "Top", "Width", "Height", "TabOrder"}));
    auto glyph = BlueSquareGlyph();
    bit->SetGlyph(glyph.get());
    bit->SetLayout(blGlyphBottom);
    bit->SetMargin(2);
    bit->SetNumGlyphs(2);
    bit->SetSpacing(7);
    bit->SetCaption("Paint");
    std::set<std::string> names = StoredNames(Store(bit, form));
    for (const char* name : {"Glyph.Data", "Layout", "Margin", "NumGlyphs", "Spacing", "Caption"})
        EXPECT_TRUE(names.count(name)) << name;
    std::unique_ptr<TForm> other;
    TBitBtn* copy = RoundTrip(bit, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->Glyph()->Width(), 16);
    EXPECT_EQ(copy->Layout(), blGlyphBottom);
}

TEST_F(ButtonTest, ABitBtnPaintsItsGlyphAndCaption) {
    auto* bit = Make<TBitBtn>("BitBtn1");
    bit->SetBounds(10, 10, 120, 40);
    bit->SetKind(bkCancel);
    TWindowImage kind(bit->Handle(), win::Rgb(255, 0, 255));
    RECT all{0, 0, 120, 40};
    EXPECT_GT(kind.Count(all, ColorToRGB(clRed)), 10) << "the cancel cross";
    EXPECT_EQ(kind.Count(all, ColorToRGB(clOlive)), 0) << "the glyph's background is left out";
    EXPECT_GT(kind.Count(all, ColorToRGB(bit->Font()->Color())), 10) << "the caption";
    auto glyph = BlueSquareGlyph();
    bit->SetGlyph(glyph.get());
    bit->SetLayout(blGlyphLeft);
    bit->SetMargin(4);
    TWindowImage own(bit->Handle(), win::Rgb(255, 0, 255));
    EXPECT_EQ(own.Count(all, ColorToRGB(clRed)), 0) << "its own glyph replaces the kind's";
    RECT leftPart{0, 0, 30, 40};
    EXPECT_EQ(own.Count(leftPart, ColorToRGB(clBlue)), 64) << "the 8 x 8 square, at the left margin";
}

TEST_F(ButtonTest, ButtonFacesFollowTheirLayout) {
    HDC dc = CreateCompatibleDC(nullptr);
    auto glyph = BlueSquareGlyph();
    TFont font;
    TButtonFace face;
    face.Glyph = glyph.get();
    face.Caption = "Caption";
    face.Font = &font;
    RECT r{0, 0, 200, 100};
    face.Layout = blGlyphLeft;
    TButtonFacePlaces left = PlaceButtonFace(dc, face, r);
    EXPECT_EQ(left.Caption.left - left.Glyph.right, 4) << "the spacing";
    EXPECT_LE(std::abs(left.Glyph.left - (200 - left.Caption.right)), 1) << "centred as a whole";
    face.Layout = blGlyphRight;
    face.Margin = 5;
    TButtonFacePlaces right = PlaceButtonFace(dc, face, r);
    EXPECT_EQ(right.Glyph.right, 195);
    EXPECT_LT(right.Caption.right, right.Glyph.left);
    face.Layout = blGlyphTop;
    face.Margin = -1;
    TButtonFacePlaces top = PlaceButtonFace(dc, face, r);
    EXPECT_EQ(top.Glyph.left, 92) << "centred across";
    EXPECT_EQ(top.Caption.top - top.Glyph.bottom, 4);
    face.Layout = blGlyphBottom;
    TButtonFacePlaces bottom = PlaceButtonFace(dc, face, r);
    EXPECT_GT(bottom.Glyph.top, bottom.Caption.bottom);
    DeleteDC(dc);
}

using SpeedButtonTest = ShownForm;

namespace {

struct Group {
    TSpeedButton* a;
    TSpeedButton* b;
    TSpeedButton* c;
    TSpeedButton* other;    // another group on the same parent
    TSpeedButton* elsewhere; // the same group index on another parent
};

} // namespace

TEST_F(SpeedButtonTest, AClickPutsTheOthersOfItsGroupUp) {
    Group g{};
    int x = 0;
    for (TSpeedButton** slot : {&g.a, &g.b, &g.c, &g.other}) {
        *slot = Make<TSpeedButton>("S" + std::to_string(x));
        (*slot)->SetBounds(x * 30, 0, 25, 25);
        (*slot)->SetGroupIndex(slot == &g.other ? 2 : 1);
        ++x;
    }
    auto* panel = Make<TPanel>("Panel1");
    panel->SetTop(100);
    g.elsewhere = Make<TSpeedButton>("Elsewhere", panel);
    g.elsewhere->SetGroupIndex(1);
    g.elsewhere->SetDown(true);
    g.other->SetDown(true);
    std::vector<TObject*> clicked;
    for (TSpeedButton* s : {g.a, g.b, g.c}) s->OnClick.Bind([&](TObject* sender) {
        // By the time OnClick runs the group is settled.
        EXPECT_TRUE(static_cast<TSpeedButton*>(sender)->Down());
        clicked.push_back(sender);
    });
    PressAt(form->Handle(), 40, 10); // b, through its parent's window
    EXPECT_EQ(clicked, std::vector<TObject*>{g.b});
    EXPECT_TRUE(g.b->Down());
    PressAt(form->Handle(), 10, 10); // a
    EXPECT_TRUE(g.a->Down());
    EXPECT_FALSE(g.b->Down());
    EXPECT_FALSE(g.c->Down());
    EXPECT_TRUE(g.other->Down()) << "another group";
    EXPECT_TRUE(g.elsewhere->Down()) << "another parent";
    // Without AllowAllUp a click on the down button keeps it down.
    PressAt(form->Handle(), 10, 10);
    EXPECT_TRUE(g.a->Down());
    g.a->SetDown(false);
    EXPECT_TRUE(g.a->Down()) << "nor can the program put it up";
    // A press that leaves the button before the release is no click.
    SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(70, 10));
    SendMessageW(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(70, 200));
    SendMessageW(form->Handle(), WM_LBUTTONUP, 0, PointToLParam(70, 200));
    EXPECT_FALSE(g.c->Down());
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(SpeedButtonTest, AllowAllUpLetsTheDownButtonGoUp) {
    auto* a = Make<TSpeedButton>("A");
    auto* b = Make<TSpeedButton>("B");
    a->SetGroupIndex(3);
    b->SetGroupIndex(3);
    b->SetLeft(100);
    a->SetAllowAllUp(true);
    EXPECT_TRUE(b->AllowAllUp()) << "the group shares it";
    PressAt(form->Handle(), 5, 5);
    EXPECT_TRUE(a->Down());
    PressAt(form->Handle(), 5, 5);
    EXPECT_FALSE(a->Down());
    EXPECT_FALSE(b->Down());
}

TEST_F(SpeedButtonTest, ClickFromCodeLeavesDownAlone) {
    // Code that puts a button down and then runs its click (a tool palette, a
    // switch) must not see the click toggle it again.
    auto* a = Make<TSpeedButton>("A");
    a->SetGroupIndex(3);
    a->SetAllowAllUp(true);
    int clicks = 0;
    a->OnClick.Bind([&](TObject*) { ++clicks; });
    a->SetDown(true);
    a->Click();
    EXPECT_TRUE(a->Down());
    a->SetDown(false);
    a->Click();
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(clicks, 2);
}

TEST_F(SpeedButtonTest, DownFromCodeReleasesTheOthers) {
    auto* a = Make<TSpeedButton>("A");
    auto* b = Make<TSpeedButton>("B");
    auto* plain = Make<TSpeedButton>("Plain");
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "a button outside any group never stays down";
    int clicks = 0;
    plain->OnClick.Bind([&](TObject*) { ++clicks; });
    plain->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(plain->Down());
}

TEST_F(SpeedButtonTest, SpeedButtonPropertiesAndTheirDefaults) {
    auto* s = Make<TSpeedButton>("Speed1");
    EXPECT_EQ(StoredNames(Store(s, form)), (std::set<std::string>{"Left", "Top", "Width", "Height"}));
    auto glyph = BlueSquareGlyph();
    s->SetAllowAllUp(true);
    s->SetGroupIndex(4);
    s->SetDown(true);
    s->SetCaption("Tool");
    s->SetFlat(true);
    s->SetGlyph(glyph.get());
    s->SetLayout(blGlyphTop);
    s->SetMargin(1);
    s->SetNumGlyphs(3);
    s->SetSpacing(0);
    std::set<std::string> names = StoredNames(Store(s, form));
    for (const char* name : {"AllowAllUp", "GroupIndex", "Down", "Caption", "Flat", "Glyph.Data", "Layout", "Margin",
                             "NumGlyphs", "Spacing"})
        EXPECT_TRUE(names.count(name)) << name;
    std::unique_ptr<TForm> other;
    TSpeedButton* copy = RoundTrip(s, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->Down()) << "the group is read before the button goes down";
    EXPECT_EQ(copy->GroupIndex(), 4);
}

TEST_F(SpeedButtonTest, ASpeedButtonPaintsUpDownAndItsGlyph) {
    auto* s = Make<TSpeedButton>("Speed1");
    s->SetBounds(50, 50, 40, 40);
    s->SetGroupIndex(1);
    s->SetAllowAllUp(true);
    auto glyph = BlueSquareGlyph();
    s->SetGlyph(glyph.get());
    RECT at = s->BoundsRect();
    TWindowImage up(form->Handle(), win::Rgb(255, 0, 255));
    EXPECT_EQ(up.Count(at, ColorToRGB(clBlue)), 64) << "the glyph";
    EXPECT_EQ(up.Count(at, ColorToRGB(clOlive)), 0);
    s->SetDown(true);
    TWindowImage down(form->Handle(), win::Rgb(255, 0, 255));
    EXPECT_NE(up.At(50, 50), down.At(50, 50)) << "raised and sunken edges differ";
    EXPECT_EQ(down.Count({51, 51, 90, 90}, ColorToRGB(clBlue)), 64) << "the glyph moves with the face";
    EXPECT_NE(up.At(60, 60), down.At(60, 60)) << "the face of a down button is lighter";
    s->SetDown(false);
    s->SetFlat(true);
    TWindowImage flat(form->Handle(), win::Rgb(255, 0, 255));
    EXPECT_EQ(flat.At(50, 50), ColorToRGB(s->Color())) << "a flat button has no frame while up";
}
