// Fonts, pens, brushes, colours, cursors and images published by a component
// go through the component stream and come back; only what differs from the
// declared defaults is stored, and image data has its fixed byte layout.
#include "GraphicsTestSupport.h"
#include "stream/ClassRegistry.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/graphics/Icon.h"
#include "toolkit/win/graphics/Picture.h"
#include "toolkit/win/window/Cursors.h"

#include <gtest/gtest.h>

using namespace fw;
using fwtest::Concat;
using fwtest::FindValue;
using fwtest::HasAt;
using fwtest::Short;
using gfxtest::Bytes;

namespace {

// A published sub-object: the getter, and a setter that assigns.
#define FW_TEST_SUB(Type, Name)                                                        \
    std::unique_ptr<Type> Name = std::make_unique<Type>();                              \
    Type* Get##Name() const { return Name.get(); }                                      \
    void Set##Name(Type* v) { Name->Assign(v); }

class TGraphicsHolder : public TComponent {
    FW_CLASS(TGraphicsHolder)
    using TComponent::TComponent;
    TColor Color = clBtnFace;
    TCursor Cursor = crDefault;
    FW_TEST_SUB(TFont, Font)
    FW_TEST_SUB(TPen, Pen)
    FW_TEST_SUB(TBrush, Brush)
    FW_TEST_SUB(TBitmap, Glyph)
    FW_TEST_SUB(TIcon, Icon)
    FW_TEST_SUB(TPicture, Picture)
};

const TClassInfo& TGraphicsHolder::StaticClassInfo() {
    using H = TGraphicsHolder;
    static const TClassInfo info = TClassBuilder<H, TComponent>()
                                       .Prop("Color", &H::Color, &H::Color).Type(ColorType()).Default(clBtnFace)
                                       .Prop("Cursor", &H::Cursor, &H::Cursor).Type(CursorType()).Default(crDefault)
                                       .Prop("Font", &H::GetFont, &H::SetFont)
                                       .Prop("Pen", &H::GetPen, &H::SetPen)
                                       .Prop("Brush", &H::GetBrush, &H::SetBrush)
                                       .Prop("Glyph", &H::GetGlyph, &H::SetGlyph)
                                       .Prop("Icon", &H::GetIcon, &H::SetIcon)
                                       .Prop("Picture", &H::GetPicture, &H::SetPicture)
                                       .Build();
    return info;
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
    TClassRegistry registry;
    registry.RegisterClass(TGraphicsHolder::StaticClassInfo());
    TMemoryStream s(bytes);
    TReader r(s);
    r.SetRegistry(&registry);
    r.ReadRootComponent(&into);
}

Bytes FileImage(TGraphic& g) {
    TMemoryStream s;
    g.SaveToStream(s);
    return s.Bytes();
}

template <class G> void Load(G& g, const Bytes& bytes) {
    TMemoryStream s(bytes);
    g.LoadFromStream(s);
}

Bytes U32(size_t v) {
    Bytes b;
    gfxtest::Put32(b, static_cast<uint32_t>(v));
    return b;
}

// A binary value: code 10, the length, the bytes.
Bytes Binary(const Bytes& content) { return Concat({{10}, U32(content.size()), content}); }
Bytes Ident(const char* s) { return Concat({{7}, Short(s)}); }

struct StreamFixture : ::testing::Test {
    TGraphicsHolder source{nullptr};
    TGraphicsHolder target{nullptr};
    const Bytes head = Concat({fwtest::Sig(), Short("TGraphicsHolder"), Short("Holder1")});
    void SetUp() override {
        source.SetName("Holder1");
        target.SetName("Holder1");
    }
};

} // namespace

TEST_F(StreamFixture, DefaultsAreNotStoredAndAFontStoresOnlyWhatDiffers) {
    EXPECT_EQ(Write(source), Concat({head, {0, 0}}));
    source.Font->SetSize(12);
    EXPECT_EQ(Write(source), Concat({head, Short("Font.Height"), {2, 0xF0}, {0, 0}})) << "Size is not stored";
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
    source.Brush->SetStyle(bsClear);

    Bytes b = Write(source);
    // Integers of named types are stored as their identifiers.
    EXPECT_TRUE(HasAt(b, FindValue(b, "Color"), Ident("clWindow")));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Cursor"), Ident("crHandPoint")));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Font.Color"), Ident("clRed")));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Font.Charset"), Ident("RUSSIAN_CHARSET")));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Pen.Color"), Ident("clBtnShadow")));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Brush.Color"), {4, 0x56, 0x34, 0x12, 0}));

    Read(b, target);
    EXPECT_EQ(target.Font->Size(), 12);
    EXPECT_TRUE(target.Font->Style() == (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(target.Brush->Style(), bsClear) << "colour read first, then the style";
    // Every stored value came back: the copy stores the same bytes.
    EXPECT_EQ(Write(target), b);
}

TEST_F(StreamFixture, BitmapDataIsLengthThenFileImageAndInAPictureAfterTheClassName) {
    Load(*source.Glyph, gfxtest::SmallBmp());
    Load(*source.Picture->Bitmap(), gfxtest::SmallBmp());
    const Bytes image = FileImage(*source.Glyph);
    ASSERT_EQ(image[0], 'B');
    Bytes b = Write(source);
    EXPECT_TRUE(HasAt(b, FindValue(b, "Glyph.Data"), Binary(Concat({U32(image.size()), image}))));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Picture.Data"), Binary(Concat({Short("TBitmap"), U32(image.size()), image}))));

    Read(b, target);
    EXPECT_EQ(FileImage(*target.Glyph), image);
    EXPECT_EQ(target.Glyph->Canvas()->Pixels(1, 1), clWhite);
    ASSERT_NE(dynamic_cast<TBitmap*>(target.Picture->Graphic()), nullptr);
    EXPECT_EQ(FileImage(*target.Picture->Graphic()), image);

    // An empty bitmap in a picture: the class name and a zero length.
    source.Picture->Bitmap()->Assign(nullptr);
    b = Write(source);
    EXPECT_TRUE(HasAt(b, FindValue(b, "Picture.Data"), Binary(Concat({Short("TBitmap"), U32(0)}))));
    Read(b, target);
    ASSERT_NE(dynamic_cast<TBitmap*>(target.Picture->Graphic()), nullptr);
    EXPECT_TRUE(target.Picture->Graphic()->Empty());
}

TEST_F(StreamFixture, IconDataIsTheIconFileWithoutLength) {
    auto masked = [](int x, int y) { return std::abs(x - y) > 4; };
    const Bytes ico = gfxtest::MakeIcon(32, [=](int x, int y) { return masked(x, y) ? 0u : 0xFF0000u; }, masked);
    Load(*source.Icon, ico);
    Load(*source.Picture->Icon(), ico);
    Bytes b = Write(source);
    EXPECT_TRUE(HasAt(b, FindValue(b, "Icon.Data"), Binary(ico)));
    EXPECT_TRUE(HasAt(b, FindValue(b, "Picture.Data"), Binary(Concat({Short("TIcon"), ico}))));

    Read(b, target);
    EXPECT_EQ(target.Icon->Width(), 32);
    EXPECT_EQ(FileImage(*target.Icon), ico);
    ASSERT_NE(dynamic_cast<TIcon*>(target.Picture->Graphic()), nullptr);
    EXPECT_EQ(FileImage(*target.Picture->Graphic()), ico);
}
