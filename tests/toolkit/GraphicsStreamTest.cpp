// Fonts, pens, brushes, colours, cursors and images published by a component
// go through the component stream and come back; only what differs from the
// declared defaults is stored, and image data has its fixed byte layout.
#include "GraphicsTestSupport.h"
#include "stream/ClassRegistry.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/Bitmap.h"
#include "toolkit/win/Cursors.h"
#include "toolkit/win/Icon.h"
#include "toolkit/win/Picture.h"

#include <gtest/gtest.h>

using namespace fw;
using gfxtest::Bytes;
using gfxtest::Get32;
using fwtest::FindValue;
using fwtest::HasAt;
using fwtest::Short;

namespace {

class TGraphicsHolder : public TComponent {
    FW_CLASS(TGraphicsHolder)
    explicit TGraphicsHolder(TComponent* owner) : TComponent(owner) {}

    TColor Color = clBtnFace;
    TCursor Cursor = crDefault;
    std::unique_ptr<TFont> Font = std::make_unique<TFont>();
    std::unique_ptr<TPen> Pen = std::make_unique<TPen>();
    std::unique_ptr<TBrush> Brush = std::make_unique<TBrush>();
    std::unique_ptr<TBitmap> Glyph = std::make_unique<TBitmap>();
    std::unique_ptr<TIcon> Icon = std::make_unique<TIcon>();
    std::unique_ptr<TPicture> Picture = std::make_unique<TPicture>();

    TFont* GetFont() const { return Font.get(); }
    void SetFont(TFont* v) { Font->Assign(v); }
    TPen* GetPen() const { return Pen.get(); }
    void SetPen(TPen* v) { Pen->Assign(v); }
    TBrush* GetBrush() const { return Brush.get(); }
    void SetBrush(TBrush* v) { Brush->Assign(v); }
    TBitmap* GetGlyph() const { return Glyph.get(); }
    void SetGlyph(TBitmap* v) { Glyph->Assign(v); }
    TIcon* GetIcon() const { return Icon.get(); }
    void SetIcon(TIcon* v) { Icon->Assign(v); }
    TPicture* GetPicture() const { return Picture.get(); }
    void SetPicture(TPicture* v) { Picture->Assign(v); }
};

const TClassInfo& TGraphicsHolder::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGraphicsHolder, TComponent>()
                                       .Prop("Color", &TGraphicsHolder::Color, &TGraphicsHolder::Color)
                                       .Type(ColorType())
                                       .Default(clBtnFace)
                                       .Prop("Cursor", &TGraphicsHolder::Cursor, &TGraphicsHolder::Cursor)
                                       .Type(CursorType())
                                       .Default(crDefault)
                                       .Prop("Font", &TGraphicsHolder::GetFont, &TGraphicsHolder::SetFont)
                                       .Prop("Pen", &TGraphicsHolder::GetPen, &TGraphicsHolder::SetPen)
                                       .Prop("Brush", &TGraphicsHolder::GetBrush, &TGraphicsHolder::SetBrush)
                                       .Prop("Glyph", &TGraphicsHolder::GetGlyph, &TGraphicsHolder::SetGlyph)
                                       .Prop("Icon", &TGraphicsHolder::GetIcon, &TGraphicsHolder::SetIcon)
                                       .Prop("Picture", &TGraphicsHolder::GetPicture, &TGraphicsHolder::SetPicture)
                                       .Build();
    return info;
}

const TClassRegistry& Registry() {
    static const TClassRegistry r = [] {
        TClassRegistry reg;
        reg.RegisterClass(TGraphicsHolder::StaticClassInfo());
        return reg;
    }();
    return r;
}

Bytes Write(TGraphicsHolder& h) {
    TMemoryStream s;
    {
        TWriter w(s);
        w.WriteRootComponent(&h);
    }
    return s.Bytes();
}

void Read(const Bytes& bytes, TGraphicsHolder& into) {
    TMemoryStream s(bytes);
    TReader r(s);
    r.SetRegistry(&Registry());
    r.ReadRootComponent(&into);
}

Bytes FileImage(TGraphic& g) {
    TMemoryStream s;
    g.SaveToStream(s);
    return s.Bytes();
}

Bytes U32(uint32_t v) {
    Bytes b;
    gfxtest::Put32(b, v);
    return b;
}

// A 32x32 icon: a diagonal band of red, the rest see-through.
Bytes BandIcon() {
    auto masked = [](int x, int y) { return std::abs(x - y) > 4; };
    return gfxtest::MakeIcon(32, [=](int x, int y) { return masked(x, y) ? 0u : 0xFF0000u; }, masked);
}

struct StreamFixture : ::testing::Test {
    TGraphicsHolder source{nullptr};
    TGraphicsHolder target{nullptr};
    void SetUp() override {
        source.SetName("Holder1");
        target.SetName("Holder1");
    }
};

} // namespace

TEST_F(StreamFixture, DefaultsAreNotStored) {
    Bytes b = Write(source);
    Bytes expected = fwtest::Concat({fwtest::Sig(), Short("TGraphicsHolder"), Short("Holder1"), {0, 0}});
    EXPECT_EQ(b, expected);
}

TEST_F(StreamFixture, ChangedFontPenBrushColourAndCursorRoundTrip) {
    source.Color = clWindow;
    source.Cursor = crHandPoint;
    source.Font->SetName("Arial");
    source.Font->SetHeight(-16);
    source.Font->SetStyle({fsBold, fsUnderline});
    source.Font->SetColor(clRed);
    source.Font->SetCharset(RUSSIAN_CHARSET);
    source.Font->SetPitch(fpVariable);
    source.Pen->SetColor(clBtnShadow);
    source.Pen->SetMode(pmXor);
    source.Pen->SetStyle(psDot);
    source.Pen->SetWidth(2);
    source.Brush->SetColor(0x123456);
    source.Brush->SetStyle(bsCross);

    Bytes b = Write(source);
    // Integers of named types are stored as their identifiers.
    EXPECT_TRUE(HasAt(b, FindValue(b, "Color"), fwtest::Concat({{7}, Short("clWindow")})));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Cursor"), fwtest::Concat({{7}, Short("crHandPoint")})));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Font.Color"), fwtest::Concat({{7}, Short("clRed")})));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Font.Charset"), fwtest::Concat({{7}, Short("RUSSIAN_CHARSET")})));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Pen.Color"), fwtest::Concat({{7}, Short("clBtnShadow")})));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Pen.Mode"), fwtest::Concat({{7}, Short("pmXor")})));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Brush.Color"), {4, 0x56, 0x34, 0x12, 0}));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Font.Height"), {2, 0xF0}));
    EXPECT_EQ(FindValue(b, "Font.Size"), -1) << "Height says it already";

    Read(b, target);
    EXPECT_EQ(target.Color, clWindow);
    EXPECT_EQ(target.Cursor, crHandPoint);
    EXPECT_EQ(target.Font->Name(), "Arial");
    EXPECT_EQ(target.Font->Height(), -16);
    EXPECT_EQ(target.Font->Size(), 12);
    EXPECT_TRUE(target.Font->Style() == (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(target.Font->Color(), clRed);
    EXPECT_EQ(target.Font->Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(target.Font->Pitch(), fpVariable);
    EXPECT_EQ(target.Pen->Color(), clBtnShadow);
    EXPECT_EQ(target.Pen->Mode(), pmXor);
    EXPECT_EQ(target.Pen->Style(), psDot);
    EXPECT_EQ(target.Pen->Width(), 2);
    EXPECT_EQ(target.Brush->Color(), 0x123456);
    EXPECT_EQ(target.Brush->Style(), bsCross);
    EXPECT_EQ(Write(target), b);
}

TEST_F(StreamFixture, AFontStoresOnlyWhatDiffers) {
    source.Font->SetSize(12);
    Bytes b = Write(source);
    Bytes props = fwtest::Concat({Short("Font.Height"), {2, 0xF0}, {0, 0}});
    Bytes head = fwtest::Concat({fwtest::Sig(), Short("TGraphicsHolder"), Short("Holder1")});
    EXPECT_EQ(b, fwtest::Concat({head, props}));

    // A clear brush with a colour stores both, and reads back clear.
    source.Font->SetSize(8);
    source.Brush->SetColor(clRed);
    source.Brush->SetStyle(bsClear);
    Read(Write(source), target);
    EXPECT_EQ(target.Brush->Style(), bsClear);
    EXPECT_EQ(target.Brush->Color(), clRed);
}

TEST_F(StreamFixture, GlyphDataIsLengthThenBitmapFile) {
    {
        TMemoryStream s(gfxtest::SmallBmp());
        source.Glyph->LoadFromStream(s);
    }
    const Bytes image = FileImage(*source.Glyph);
    Bytes b = Write(source);
    long at = FindValue(b, "Glyph.Data");
    ASSERT_GE(at, 0);
    // Binary value: code 10, its length, then the 4-byte image length and "BM".
    EXPECT_TRUE(HasAt(b, at, fwtest::Concat({{10}, U32(static_cast<uint32_t>(image.size() + 4)),
                                             U32(static_cast<uint32_t>(image.size())), image})));
    EXPECT_EQ(b[static_cast<size_t>(at) + 9], 'B');
    EXPECT_EQ(b[static_cast<size_t>(at) + 10], 'M');

    Read(b, target);
    ASSERT_FALSE(target.Glyph->Empty());
    EXPECT_EQ(FileImage(*target.Glyph), image);
    EXPECT_EQ(target.Glyph->Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(target.Glyph->Canvas()->Pixels(1, 1), clWhite);
}

TEST_F(StreamFixture, PictureDataIsClassNameThenTheGraphicsOwnData) {
    {
        TMemoryStream s(gfxtest::SmallBmp());
        source.Picture->Bitmap()->LoadFromStream(s);
    }
    const Bytes image = FileImage(*source.Picture->Graphic());
    Bytes b = Write(source);
    long at = FindValue(b, "Picture.Data");
    const Bytes content = fwtest::Concat({Short("TBitmap"), U32(static_cast<uint32_t>(image.size())), image});
    EXPECT_TRUE(HasAt(b, at, fwtest::Concat({{10}, U32(static_cast<uint32_t>(content.size())), content})));

    Read(b, target);
    ASSERT_NE(target.Picture->Graphic(), nullptr);
    EXPECT_EQ(target.Picture->Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(FileImage(*target.Picture->Graphic()), image);

    // An empty bitmap in a picture is the class name and a zero length.
    source.Picture->Bitmap()->Assign(nullptr);
    b = Write(source);
    at = FindValue(b, "Picture.Data");
    EXPECT_TRUE(HasAt(b, at, fwtest::Concat({{10}, U32(12), Short("TBitmap"), U32(0)})));
    Read(b, target);
    ASSERT_NE(target.Picture->Graphic(), nullptr);
    EXPECT_TRUE(target.Picture->Graphic()->Empty());
    EXPECT_EQ(target.Picture->Graphic()->ClassName(), "TBitmap");
}

TEST_F(StreamFixture, IconDataIsTheIconFileWithoutLength) {
    const Bytes ico = BandIcon();
    {
        TMemoryStream s(ico);
        source.Icon->LoadFromStream(s);
        TMemoryStream s2(ico);
        source.Picture->Icon()->LoadFromStream(s2);
    }
    Bytes b = Write(source);
    EXPECT_TRUE(HasAt(b, FindValue(b, "Icon.Data"), fwtest::Concat({{10}, U32(static_cast<uint32_t>(ico.size())), ico})));
    const Bytes content = fwtest::Concat({Short("TIcon"), ico});
    EXPECT_TRUE(HasAt(b, FindValue(b, "Picture.Data"),
                      fwtest::Concat({{10}, U32(static_cast<uint32_t>(content.size())), content})));

    Read(b, target);
    EXPECT_EQ(target.Icon->Width(), 32);
    EXPECT_EQ(target.Icon->Height(), 32);
    EXPECT_EQ(FileImage(*target.Icon), ico);
    ASSERT_NE(dynamic_cast<TIcon*>(target.Picture->Graphic()), nullptr);
    EXPECT_EQ(FileImage(*target.Picture->Graphic()), ico);
}
