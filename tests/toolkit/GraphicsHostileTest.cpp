// Image data from outside: every truncation, absurd header fields and random
// damage end in a plain fw::Exception (or a valid image), never a crash, a
// hang or a huge allocation.
#include "GraphicsTestSupport.h"
#include "stream/ClassRegistry.h"
#include "stream/Reader.h"
#include "stream/Writer.h"
#include "support/StreamHelpers.h"
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/Bitmap.h"
#include "toolkit/win/Icon.h"
#include "toolkit/win/Picture.h"
#include "toolkit/win/Rle.h"

#include <gtest/gtest.h>

#include <random>

using namespace fw;
using namespace gfxtest;

namespace {

const char* const kBadBitmap = "Bitmap image is not valid";
const char* const kBadIcon = "Icon image is not valid";

template <class G> std::string LoadMessage(const Bytes& bytes) {
    G g;
    TMemoryStream s(bytes);
    return MessageOf([&] { g.LoadFromStream(s); });
}

std::string ReadDataMessage(TGraphic& g, const Bytes& bytes) {
    TMemoryStream s(bytes);
    return MessageOf([&] { g.ReadData(s); });
}

std::string PictureDataMessage(const Bytes& bytes) {
    // The picture's "Data" reached the way the component reader does.
    class TCapture : public TFiler {
    public:
        const Bytes* Data = nullptr;
        void DefineProperty(const std::string&, const TReaderProc&, const TWriterProc&, bool) override {}
        void DefineBinaryProperty(const std::string& name, const TStreamProc& read, const TStreamProc&,
                                  bool) override {
            if (name != "Data") return;
            TMemoryStream s(*Data);
            read(s);
        }
    } filer;
    filer.Data = &bytes;
    TPicture p;
    return MessageOf([&] { p.DefineProperties(filer); });
}

// Bitmap file images of every kind the reader accepts.
std::vector<Bytes> ValidBitmaps() {
    std::vector<Bytes> out{SmallBmp()};
    BmpSpec s;
    s.Width = 10;
    s.Height = 2;
    s.BitCount = 1;
    s.Table = {0, 0, 255, 0, 255, 0, 0, 0};
    s.Rows = {{0xCC, 0xC0, 0, 0}, {0x00, 0x40, 0, 0}};
    out.push_back(MakeBmp(s));
    s = {};
    s.Width = 6;
    s.Height = 3;
    s.BitCount = 8;
    s.Compression = BI_RLE8;
    s.Table = {0, 0, 0, 0, 0, 0, 255, 0};
    s.Packed = {3, 1, 0, 3, 1, 0, 1, 0, 0, 0, 0, 2, 2, 1, 2, 1, 0, 1};
    out.push_back(MakeBmp(s));
    s = {};
    s.Width = 2;
    s.Height = 2;
    s.BitCount = 32;
    s.Compression = BI_BITFIELDS;
    Put32(s.Masks, 0xFF0000);
    Put32(s.Masks, 0xFF00);
    Put32(s.Masks, 0xFF);
    s.Rows = {Bytes(8, 0x40), Bytes(8, 0x80)};
    s.TopDown = true;
    out.push_back(MakeBmp(s));
    return out;
}

// A 24-bit image of the given header fields with `pixels` bytes after it.
Bytes BmpWith(int32_t width, int32_t height, uint16_t bits, uint32_t compression, size_t pixels,
              uint32_t colorsUsed = 0) {
    BmpSpec s;
    s.Width = width;
    s.Height = height;
    s.BitCount = bits;
    s.Compression = compression;
    s.Packed = Bytes(pixels ? pixels : 1, 0x11);
    Bytes b = MakeBmp(s);
    Bytes field;
    Put32(field, colorsUsed);
    std::copy(field.begin(), field.end(), b.begin() + 46);
    return b;
}

Bytes WithField32(Bytes b, size_t at, uint32_t v) {
    Bytes field;
    Put32(field, v);
    std::copy(field.begin(), field.end(), b.begin() + static_cast<long>(at));
    return b;
}

Bytes BandIcon() {
    auto masked = [](int x, int y) { return std::abs(x - y) > 2; };
    return MakeIcon(16, [=](int x, int y) { return masked(x, y) ? 0u : 0x00FF00u; }, masked);
}

} // namespace

TEST(HostileBitmap, EveryTruncationIsRefused) {
    for (const Bytes& full : ValidBitmaps()) {
        ASSERT_EQ(LoadMessage<TBitmap>(full), "(no error)");
        for (size_t n = 0; n < full.size(); ++n)
            ASSERT_EQ(LoadMessage<TBitmap>(Bytes(full.begin(), full.begin() + static_cast<long>(n))), kBadBitmap)
                << "cut at " << n << " of " << full.size();
    }
}

TEST(HostileBitmap, DataValueTruncatedAnywhereIsRefused) {
    TBitmap source;
    {
        TMemoryStream s(SmallBmp());
        source.LoadFromStream(s);
    }
    TMemoryStream data;
    source.WriteData(data);
    const Bytes full = data.Bytes();
    TBitmap b;
    ASSERT_EQ(ReadDataMessage(b, full), "(no error)");
    for (size_t n = 0; n < full.size(); ++n)
        EXPECT_EQ(ReadDataMessage(b, Bytes(full.begin(), full.begin() + static_cast<long>(n))), kBadBitmap) << n;
    // A length beyond the value, and one that cuts the image short.
    EXPECT_EQ(ReadDataMessage(b, WithField32(full, 0, 0xFFFFFFFF)), kBadBitmap);
    EXPECT_EQ(ReadDataMessage(b, WithField32(full, 0, 20)), kBadBitmap);
    // A failed load keeps the image there was.
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
}

TEST(HostileBitmap, AbsurdHeaderFieldsAreRefusedBeforeAllocating) {
    const Bytes good = SmallBmp();
    struct Case {
        const char* what;
        Bytes bytes;
        std::string message = kBadBitmap;
    };
    std::vector<Case> cases = {
        {"magic", [&] { Bytes b = good; b[0] = 'M'; b[1] = 'B'; return b; }()},
        {"zero width", BmpWith(0, 2, 24, BI_RGB, 16)},
        {"negative width", BmpWith(-2, 2, 24, BI_RGB, 16)},
        {"zero height", BmpWith(2, 0, 24, BI_RGB, 16)},
        {"most negative height", BmpWith(2, INT32_MIN, 24, BI_RGB, 16)},
        {"width past the limit", BmpWith(16385, 1, 1, BI_RGB, 4096)},
        {"huge width", BmpWith(0x7FFFFFFF, 1, 32, BI_RGB, 16)},
        {"huge image, few bytes", BmpWith(16384, 16384, 8, BI_RGB, 64)},
        {"image over the byte limit", BmpWith(16384, 16384, 32, BI_RGB, 64), "Bitmap image is too large"},
        {"2 bits per pixel", BmpWith(2, 2, 2, BI_RGB, 16)},
        {"0 bits per pixel", BmpWith(2, 2, 0, BI_RGB, 16)},
        {"64 bits per pixel", BmpWith(2, 2, 64, BI_RGB, 64)},
        {"embedded JPEG", BmpWith(2, 2, 24, BI_JPEG, 16)},
        {"run-length at 24 bits", BmpWith(2, 2, 24, BI_RLE8, 16)},
        {"run-length without size", WithField32(BmpWith(2, 2, 8, BI_RLE8, 4), 34, 0)},
        {"run-length size past the end", WithField32(BmpWith(2, 2, 8, BI_RLE8, 4), 34, 0xFFFFFFF0)},
        {"run-length stored top-down", BmpWith(2, -2, 8, BI_RLE8, 8)},
        {"more colours than the depth has", BmpWith(2, 2, 4, BI_RGB, 64, 17)},
        {"colour table past the end", BmpWith(2, 2, 24, BI_RGB, 16, 0xFFFFFFFF)},
        {"masks from the pixel bytes, wider than the pixel", BmpWith(2, 2, 16, BI_BITFIELDS, 32)},
        {"header size", WithField32(good, 14, 0xFFFFFFFF)},
        {"header size 64", WithField32(good, 14, 64)},
        {"planes", [&] { Bytes b = good; b[26] = 2; return b; }()},
        {"pixel offset past the end", WithField32(good, 10, 0xFFFFFFFF)},
        {"pixel offset one byte late", WithField32(good, 10, 55)},
    };
    // Masks that are zero, overlap, or reach past a 16-bit pixel.
    for (auto masks : {std::vector<uint32_t>{0, 0x7E0, 0x1F}, std::vector<uint32_t>{0xF800, 0x0FE0, 0x1F},
                       std::vector<uint32_t>{0x1F0000, 0x7E0, 0x1F}}) {
        BmpSpec s;
        s.Width = 2;
        s.Height = 1;
        s.BitCount = 16;
        s.Compression = BI_BITFIELDS;
        for (uint32_t m : masks) Put32(s.Masks, m);
        s.Rows = {Bytes(4, 0)};
        cases.push_back({"bad masks", MakeBmp(s)});
    }
    for (const Case& c : cases) EXPECT_EQ(LoadMessage<TBitmap>(c.bytes), c.message) << c.what;
}

TEST(HostileBitmap, RunLengthDataNeverWritesOutsideTheImage) {
    // Runs past the right edge, skips past the top and right, literal runs
    // longer than the data, no end marker.
    const std::vector<Bytes> streams = {
        {255, 7, 255, 7, 0, 0, 255, 9},
        {0, 2, 255, 255, 5, 1},
        {0, 2, 3, 0, 255, 1, 0, 0, 0, 2, 0, 255},
        {0, 255, 1, 2, 3},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4, 4},
        {0},
        {},
    };
    for (int bits : {4, 8})
        for (const Bytes& data : streams) {
            std::vector<uint8_t> out = DecodeRle(data.data(), data.size(), bits, 5, 3, 8);
            EXPECT_EQ(out.size(), 24u);
        }
    // Every pixel of a run that reaches past the edge lands inside the row.
    const Bytes run = {255, 7, 0, 1};
    std::vector<uint8_t> out = DecodeRle(run.data(), run.size(), 8, 5, 2, 8);
    EXPECT_EQ(out, (std::vector<uint8_t>{7, 7, 7, 7, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(HostileIcon, EveryTruncationIsRefused) {
    const Bytes full = IconFile({IconImage(16, [](int, int) { return 0x123456u; }, [](int, int) { return false; }),
                                 IconImage(8, [](int, int) { return 0x654321u; }, [](int, int) { return true; })});
    ASSERT_EQ(LoadMessage<TIcon>(full), "(no error)");
    for (size_t n = 0; n < full.size(); ++n)
        ASSERT_EQ(LoadMessage<TIcon>(Bytes(full.begin(), full.begin() + static_cast<long>(n))), kBadIcon) << n;
}

TEST(HostileIcon, AbsurdDirectoryAndImageFieldsAreRefused) {
    const Bytes good = BandIcon();
    ASSERT_EQ(LoadMessage<TIcon>(good), "(no error)");
    auto with16 = [&](size_t at, uint16_t v) {
        Bytes b = good;
        b[at] = static_cast<uint8_t>(v);
        b[at + 1] = static_cast<uint8_t>(v >> 8);
        return b;
    };
    auto with32 = [&](size_t at, uint32_t v) { return WithField32(good, at, v); };
    const size_t img = 22; // the image header
    Bytes png = good;
    const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::copy(sig, sig + 8, png.begin() + img);
    struct Case {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"reserved", with16(0, 1)},
        {"cursor type", with16(2, 2)},
        {"no images", with16(4, 0)},
        {"more images than bytes", with16(4, 0xFFFF)},
        {"image size zero", with32(14, 0)},
        {"image size past the end", with32(14, 0xFFFFFFFF)},
        {"image inside the directory", with32(18, 6)},
        {"image offset past the end", with32(18, 0xFFFFFFF0)},
        {"image header size", with32(img, 12)},
        {"image width zero", with32(img + 4, 0)},
        {"image width 300", with32(img + 4, 300)},
        {"image height odd", with32(img + 8, 31)},
        {"image height negative", with32(img + 8, 0xFFFFFFE0)},
        {"image planes", with16(img + 12, 0)},
        {"image depth 3", with16(img + 14, 3)},
        {"image compressed", with32(img + 16, BI_RLE8)},
        {"image colour table past the image", with32(img + 32, 200)},
        {"image colour table huge", with32(img + 32, 0x40000000)},
        {"image bigger than its bytes", with32(img + 4, 64)},
        {"PNG without a header chunk", png},
    };
    for (const Case& c : cases) EXPECT_EQ(LoadMessage<TIcon>(c.bytes), kBadIcon) << c.what;
}

TEST(HostilePicture, DataTruncatedOrNamingUnknownClassesIsRefused) {
    TPicture p;
    {
        TMemoryStream s(SmallBmp());
        p.Bitmap()->LoadFromStream(s);
    }
    // What the picture stores: class name, then the bitmap's own data.
    Bytes full = fwtest::Concat({fwtest::Short("TBitmap")});
    {
        TMemoryStream img;
        p.Graphic()->WriteData(img);
        full.insert(full.end(), img.Bytes().begin(), img.Bytes().end());
    }
    ASSERT_EQ(PictureDataMessage(full), "(no error)");
    for (size_t n = 1; n < full.size(); ++n) {
        std::string m = PictureDataMessage(Bytes(full.begin(), full.begin() + static_cast<long>(n)));
        EXPECT_TRUE(m == kBadBitmap || m == "Picture data is not valid") << n << ": " << m;
    }
    EXPECT_EQ(PictureDataMessage({}), "Picture data is not valid");
    EXPECT_EQ(PictureDataMessage({200, 'T'}), "Picture data is not valid");
    EXPECT_EQ(PictureDataMessage(fwtest::Concat({fwtest::Short("TMetafile"), {1, 2, 3}})),
              "Unknown picture format TMetafile");
    EXPECT_EQ(PictureDataMessage(fwtest::Concat({fwtest::Short("TIcon"), SmallBmp()})), kBadIcon);
    EXPECT_EQ(PictureDataMessage({0}), "(no error)") << "no class name: an empty picture";
}

TEST(HostileData, RandomDamageGivesAnImageOrAPlainError) {
    std::mt19937 rng(20240611);
    std::vector<std::pair<Bytes, bool>> seeds; // image, is icon
    for (const Bytes& b : ValidBitmaps()) seeds.push_back({b, false});
    seeds.push_back({BandIcon(), true});
    int loaded = 0, refused = 0;
    for (int round = 0; round < 4000; ++round) {
        const auto& [seed, isIcon] = seeds[static_cast<size_t>(round) % seeds.size()];
        Bytes b = seed;
        const int flips = 1 + static_cast<int>(rng() % 4);
        for (int i = 0; i < flips; ++i) {
            size_t at = rng() % b.size();
            b[at] = (rng() % 3 == 0) ? static_cast<uint8_t>(rng()) : static_cast<uint8_t>(b[at] ^ (1u << (rng() % 8)));
        }
        std::unique_ptr<TGraphic> g;
        if (isIcon) g = std::make_unique<TIcon>();
        else g = std::make_unique<TBitmap>();
        TMemoryStream s(b);
        try {
            g->LoadFromStream(s);
            // Whatever loaded must also draw and save.
            TBitmap target;
            target.SetSize(4, 4);
            target.Canvas()->StretchDraw({0, 0, 4, 4}, g.get());
            TMemoryStream out;
            g->SaveToStream(out);
            ++loaded;
        } catch (const Exception&) {
            ++refused;
        }
    }
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}

namespace {

class TGlyphHolder : public TComponent {
    FW_CLASS(TGlyphHolder)
    using TComponent::TComponent;
    std::unique_ptr<TBitmap> Glyph = std::make_unique<TBitmap>();
    TBitmap* GetGlyph() const { return Glyph.get(); }
    void SetGlyph(TBitmap* b) { Glyph->Assign(b); }
};

const TClassInfo& TGlyphHolder::StaticClassInfo() {
    static const TClassInfo info = TClassBuilder<TGlyphHolder, TComponent>()
                                       .Prop("Glyph", &TGlyphHolder::GetGlyph, &TGlyphHolder::SetGlyph)
                                       .Build();
    return info;
}

} // namespace

TEST(HostileData, DamagedGlyphInADesignStreamFailsTheReadPlainly) {
    TGlyphHolder source(nullptr);
    source.SetName("Holder1");
    {
        TMemoryStream s(SmallBmp());
        source.Glyph->LoadFromStream(s);
    }
    TMemoryStream written;
    {
        TWriter w(written);
        w.WriteRootComponent(&source);
    }
    Bytes b = written.Bytes();
    const long at = fwtest::FindValue(b, "Glyph.Data");
    ASSERT_GE(at, 0);
    b[static_cast<size_t>(at) + 9] = 'X'; // "BM" becomes "XM"

    TClassRegistry registry;
    registry.RegisterClass(TGlyphHolder::StaticClassInfo());
    TGlyphHolder target(nullptr);
    TMemoryStream in(b);
    std::string message = MessageOf([&] {
        TReader r(in);
        r.SetRegistry(&registry);
        r.ReadRootComponent(&target);
    });
    EXPECT_EQ(message, kBadBitmap);
    EXPECT_TRUE(target.Glyph->Empty());
}
