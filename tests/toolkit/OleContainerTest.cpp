// OLE containers: the empty container shows its border on the window colour
// with its caption centred, the border comes and goes with BorderStyle, and
// only settings that differ from the defaults are stored.
#include "ControlsTestSupport.h"
#include "toolkit/win/controls/OleContainer.h"

using namespace ctltest;

namespace {

using OleContainerTest = ShownForm;

// The bounding box of the pixels in an image that are not of colour c.
RECT InkBox(const TWindowImage& img, COLORREF c) {
    RECT box{img.Width(), img.Height(), -1, -1};
    for (int y = 0; y < img.Height(); ++y)
        for (int x = 0; x < img.Width(); ++x)
            if (img.At(x, y) != c) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

} // namespace

TEST_F(OleContainerTest, WindowsComeAndGoAndTheBorderFollowsBorderStyle) {
    int before = ChildWindowCount(form->Handle());
    auto* ole = Make<TOleContainer>("OleContainer1");
    EXPECT_TRUE(IsWindowVisible(ole->Handle()));
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    EXPECT_EQ(ole->Width(), 121);
    EXPECT_EQ(ole->Height(), 121);
    EXPECT_TRUE(GetWindowLongPtrW(ole->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "sunken by default";
    EXPECT_TRUE(GetWindowLongPtrW(ole->Handle(), GWL_STYLE) & WS_TABSTOP);
    ole->SetCaption("kept");
    ole->SetBorderStyle(bsNone);
    EXPECT_FALSE(GetWindowLongPtrW(ole->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(ole->ClientWidth(), 121) << "no border, the whole control is client area";
    EXPECT_EQ(ole->Caption(), "kept") << "the new window has the caption";
    EXPECT_THROW(ole->SetBorderStyle(bsSizeable), EInvalidOperation) << "a form's border is refused";
    EXPECT_EQ(ole->BorderStyle(), bsNone);
    EXPECT_EQ(ChildWindowCount(form->Handle()), before + 1);
    delete ole;
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
}

TEST_F(OleContainerTest, TheCaptionIsPaintedCentredOnTheWindowColour) {
    auto* ole = Make<TOleContainer>("OleContainer1");
    ole->SetBounds(10, 10, 200, 90);
    COLORREF window = Sys(COLOR_WINDOW);
    TWindowImage empty(ole->Handle(), win::Rgb(1, 2, 3));
    RECT all{0, 0, empty.Width(), empty.Height()};
    EXPECT_EQ(empty.Count(all, window, false), 0) << "an empty caption: only the window colour";

    ole->SetCaption("Dpst_TOleContainer");
    TWindowImage img(ole->Handle(), win::Rgb(1, 2, 3));
    RECT ink = InkBox(img, window);
    ASSERT_GT(ink.right, ink.left) << "the caption left ink";
    int cx = (ink.left + ink.right) / 2, cy = (ink.top + ink.bottom) / 2;
    // Centred, not left or right aligned. With the system's bitmap fonts the
    // extent the text is centred by and the ink it leaves differ by a few
    // pixels, so the ink's own centre may lie that far off.
    EXPECT_NEAR(cx, img.Width() / 2, 8);
    EXPECT_NEAR(cy, img.Height() / 2, 3);
    EXPECT_GT(ink.right - ink.left, 60) << "the whole caption, not a glyph";
    EXPECT_GT(img.Count(ink, Sys(COLOR_WINDOWTEXT)), 20);

    ole->SetColor(clYellow);
    EXPECT_EQ(TWindowImage(ole->Handle(), win::Rgb(1, 2, 3)).At(1, 1), win::Rgb(0xFF, 0xFF, 0));
}

TEST_F(OleContainerTest, AClickGivesTheFocus) {
    auto* ole = Make<TOleContainer>("OleContainer1");
    auto* other = Make<TEdit>("Edit1");
    other->SetFocus();
    ClickAt(ole->Handle(), {20, 20});
    EXPECT_EQ(GetFocus(), ole->Handle());
    EXPECT_TRUE(ole->Empty());
}

TEST_F(OleContainerTest, PropertiesRoundTripAndDefaultsAreNotStored) {
    auto* ole = Make<TOleContainer>("OleContainer1");
    EXPECT_EQ(StoredNames(Store(ole, form)), kWindowedDefaults);

    ole->SetCaption("Dpst_TOleContainer");
    EXPECT_EQ(StoredNames(Store(ole, form)), PlainNamesAnd({"Caption"}));
    std::unique_ptr<TForm> proto;
    TOleContainer* pcopy = RoundTrip(ole, form, proto);
    ASSERT_NE(pcopy, nullptr);
    EXPECT_EQ(pcopy->Caption(), "Dpst_TOleContainer");
    EXPECT_EQ(pcopy->Color(), clWindow);

    ole->SetAllowInPlace(false);
    ole->SetAutoActivate(aaGetFocus);
    ole->SetAutoVerbMenu(false);
    ole->SetBorderStyle(bsNone);
    ole->SetColor(clInfoBk);
    ole->SetIconic(true);
    ole->SetSizeMode(smStretch);
    ole->SetTabStop(false);
    EXPECT_EQ(StoredNames(Store(ole, form)),
              PlainNamesAnd({"AllowInPlace", "AutoActivate", "AutoVerbMenu", "BorderStyle", "Caption", "Color", "Iconic",
                             "SizeMode", "TabStop"}));
    std::unique_ptr<TForm> other;
    TOleContainer* copy = RoundTrip(ole, form, other);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->AllowInPlace());
    EXPECT_EQ(copy->AutoActivate(), aaGetFocus);
    EXPECT_FALSE(copy->AutoVerbMenu());
    EXPECT_EQ(copy->BorderStyle(), bsNone);
    EXPECT_EQ(copy->Color(), clInfoBk);
    EXPECT_TRUE(copy->Iconic());
    EXPECT_EQ(copy->SizeMode(), smStretch);
    EXPECT_FALSE(copy->TabStop());
    EXPECT_FALSE(GetWindowLongPtrW(copy->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    // With ParentColor the colour comes from the form and is not stored.
    ole->SetParentColor(true);
    EXPECT_EQ(StoredNames(Store(ole, form)).count("Color"), 0u);
}
