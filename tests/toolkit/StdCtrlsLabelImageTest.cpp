// Labels and images: controls without windows, painted by their parent.
// A label's size follows its caption, an image's its picture; both store
// only what differs from their defaults and paint where they stand.
#include "StdCtrlsTestSupport.h"

using namespace stdtest;

namespace {

std::unique_ptr<TBitmap> SolidBitmap(int w, int h, TColor color) {
    auto b = std::make_unique<TBitmap>();
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(color);
    b->Canvas()->FillRect({0, 0, w, h});
    return b;
}

} // namespace

using LabelImageTest = ShownForm;

TEST_F(LabelImageTest, NoWindowsOfTheirOwn) {
    int before = ChildWindowCount(form->Handle());
    auto* label = Make<TLabel>("Label1");
    auto* image = Make<TImage>("Image1");
    image->SetLeft(200);
    Pump();
    EXPECT_EQ(ChildWindowCount(form->Handle()), before);
    EXPECT_EQ(form->ControlAtPos({label->Left() + 1, label->Top() + 1}, false), label);
    EXPECT_EQ(form->ControlAtPos({201, 1}, false), image);
    delete label;
    delete image;
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(LabelImageTest, ALabelsSizeFollowsItsCaption) {
    auto* label = Make<TLabel>("Label1");
    label->SetCaption("A");
    int narrow = label->Width();
    label->SetCaption("A much longer caption");
    EXPECT_GT(label->Width(), narrow * 5);
    int oneLine = label->Height();
    EXPECT_GT(oneLine, 5);
    label->Font()->SetHeight(-30);
    EXPECT_GT(label->Height(), oneLine) << "a larger font";
    // Word wrap keeps the width and grows downward.
    label->Font()->SetHeight(-11);
    label->SetWordWrap(true);
    label->SetWidth(60);
    label->SetCaption("several words that need more than one line");
    EXPECT_EQ(label->Width(), 60);
    EXPECT_GT(label->Height(), oneLine * 2);
    // Without AutoSize the bounds stay.
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 30, 12);
    label->SetCaption("x");
    EXPECT_EQ(label->Width(), 30);
    EXPECT_EQ(label->Height(), 12);
}

TEST_F(LabelImageTest, ARightJustifiedLabelKeepsItsRightEdge) {
    auto* label = Make<TLabel>("Label1");
    label->SetAlignment(taRightJustify);
    label->SetCaption("abc");
    label->SetLeft(200);
    int right = label->Left() + label->Width();
    label->SetCaption("abcdefghijkl");
    EXPECT_EQ(label->Left() + label->Width(), right);
    EXPECT_LT(label->Left(), 200);
}

TEST_F(LabelImageTest, LabelPropertiesAndTheirDefaults) {
    auto* label = Make<TLabel>("Label1");
    EXPECT_EQ(StoredNames(Store(label, form)), (std::set<std::string>{"Left", "Top", "Width", "Height"}));
    auto* edit = Make<TEdit>("Edit1");
    label->SetAlignment(taCenter);
    label->SetAutoSize(false);
    label->SetCaption("&Name");
    label->SetFocusControl(edit);
    label->SetLayout(tlBottom);
    label->SetShowAccelChar(false);
    label->SetTransparent(true);
    label->SetWordWrap(true);
    label->SetColor(clAqua);
    std::set<std::string> names = StoredNames(Store(label, form));
    for (const char* name : {"Alignment", "AutoSize", "Caption", "FocusControl", "Layout", "ShowAccelChar",
                             "Transparent", "WordWrap", "Color", "ParentColor"})
        EXPECT_TRUE(names.count(name)) << name;
    // Both go into the other form, so the reference finds its edit there.
    TMemoryStream s;
    WriteComponentList(s, {edit, label}, form);
    TForm other(nullptr);
    TMemoryStream in(s.Bytes());
    TReader r(in);
    r.ReadComponents(&other, &other);
    auto* copy = dynamic_cast<TLabel*>(other.FindComponent("Label1"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->FocusControl(), other.FindComponent("Edit1"));
    EXPECT_EQ(Store(copy, &other), Store(label, form));
    delete other.FindComponent("Edit1");
    EXPECT_EQ(copy->FocusControl(), nullptr) << "a freed focus control is forgotten";
}

TEST_F(LabelImageTest, ALabelFollowsItsParentsColourUntilGivenOne) {
    auto* panel = Make<TPanel>("Panel1");
    panel->SetColor(clTeal);
    auto* label = Make<TLabel>("Label1", panel);
    EXPECT_EQ(label->Color(), clTeal);
    panel->SetColor(clMaroon);
    EXPECT_EQ(label->Color(), clMaroon);
    label->SetColor(clLime);
    panel->SetColor(clNavy);
    EXPECT_EQ(label->Color(), clLime);
}

TEST_F(LabelImageTest, ALabelPaintsItsTextAndBackground) {
    auto* label = Make<TLabel>("Label1");
    label->SetLeft(20);
    label->SetTop(30);
    label->SetCaption("WWWWW");
    label->SetColor(clYellow);
    RECT at = label->BoundsRect();
    COLORREF text = ColorToRGB(label->Font()->Color());
    TWindowImage opaque(form->Handle(), win::Rgb(255, 0, 255));
    EXPECT_GT(opaque.Count(at, text), 5) << "the caption";
    EXPECT_GT(opaque.Count(at, ColorToRGB(clYellow)), (label->Width() * label->Height()) / 3) << "the background";
    RECT below{at.left, at.bottom, at.right, at.bottom + 20};
    EXPECT_EQ(opaque.Count(below, text), 0) << "nothing outside the label";
    label->SetTransparent(true);
    TWindowImage clear(form->Handle(), win::Rgb(255, 0, 255));
    EXPECT_EQ(clear.Count(at, ColorToRGB(clYellow)), 0) << "a transparent label leaves the background";
    EXPECT_GT(clear.Count(at, text), 5);
}

TEST_F(LabelImageTest, AnImagesSizeFollowsItsPictureWithAutoSize) {
    auto* image = Make<TImage>("Image1");
    auto bmp = SolidBitmap(37, 21, clRed);
    image->Picture()->SetGraphic(bmp.get());
    EXPECT_EQ(image->Width(), 105) << "not without AutoSize";
    image->SetAutoSize(true);
    EXPECT_EQ(image->Width(), 37);
    EXPECT_EQ(image->Height(), 21);
    image->Picture()->Bitmap()->SetSize(50, 60);
    EXPECT_EQ(image->Width(), 50) << "the picture changed in place";
    EXPECT_EQ(image->Height(), 60);
    // Bounds given from outside hold until it is asked to size itself again.
    image->SetBounds(0, 0, 10, 10);
    image->AdjustSize();
    EXPECT_EQ(image->Width(), 50);
    EXPECT_EQ(image->Height(), 60);
}

TEST_F(LabelImageTest, AnImagePlacesItsPicture) {
    auto* image = Make<TImage>("Image1");
    image->SetBounds(0, 0, 100, 50);
    auto bmp = SolidBitmap(20, 10, clRed);
    image->Picture()->SetGraphic(bmp.get());
    auto rect = [&] { return image->DestRect(); };
    EXPECT_EQ(rect().right, 20);
    image->SetCenter(true);
    EXPECT_EQ(rect().left, 40);
    EXPECT_EQ(rect().top, 20);
    image->SetStretch(true);
    EXPECT_EQ(rect().right - rect().left, 100);
    EXPECT_EQ(rect().bottom - rect().top, 50);
    image->SetProportional(true);
    EXPECT_EQ(rect().right - rect().left, 100);
    EXPECT_EQ(rect().bottom - rect().top, 50) << "2:1 fits 100 x 50 exactly";
    image->SetHeight(30);
    EXPECT_EQ(rect().right - rect().left, 60) << "the height decides";
    EXPECT_EQ(rect().left, 20);
}

TEST_F(LabelImageTest, AnImagePaintsItsPicture) {
    auto* image = Make<TImage>("Image1");
    image->SetBounds(100, 10, 40, 40);
    auto bmp = SolidBitmap(10, 10, clRed);
    image->Picture()->SetGraphic(bmp.get());
    COLORREF red = ColorToRGB(clRed);
    TWindowImage plain(form->Handle(), win::Rgb(0, 0, 0));
    EXPECT_EQ(plain.Count({100, 10, 110, 20}, red), 100);
    EXPECT_EQ(plain.Count({110, 20, 140, 50}, red), 0) << "at its own size";
    image->SetStretch(true);
    TWindowImage stretched(form->Handle(), win::Rgb(0, 0, 0));
    EXPECT_EQ(stretched.Count({100, 10, 140, 50}, red), 1600);
}

TEST_F(LabelImageTest, ImagePropertiesAndTheirDefaults) {
    auto* image = Make<TImage>("Image1");
    EXPECT_EQ(StoredNames(Store(image, form)), (std::set<std::string>{"Left", "Top", "Width", "Height"}));
    auto bmp = SolidBitmap(8, 8, clBlue);
    image->Picture()->SetGraphic(bmp.get());
    image->SetAutoSize(true);
    image->SetCenter(true);
    image->SetProportional(true);
    image->SetStretch(true);
    image->SetTransparent(true);
    std::set<std::string> names = StoredNames(Store(image, form));
    for (const char* name : {"Picture.Data", "AutoSize", "Center", "Proportional", "Stretch", "Transparent"})
        EXPECT_TRUE(names.count(name)) << name;
    std::unique_ptr<TForm> other;
    TImage* copy = RoundTrip(image, form, other);
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->Picture()->Graphic(), nullptr);
    EXPECT_EQ(copy->Picture()->Width(), 8);
    EXPECT_TRUE(copy->Picture()->Graphic()->Transparent()) << "the image makes its picture transparent";
}
