// Image data from outside: every truncation, absurd header fields and random
// damage end in a plain fw::Exception (or a valid image), never a crash, a
// hang or a huge allocation.
#include "GraphicsTestSupport.h"
#include "support/StreamHelpers.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/graphics/Icon.h"
#include "toolkit/win/graphics/Picture.h"

#include <gtest/gtest.h>

#include <random>

using namespace fw;
using namespace gfxtest;

namespace {

const std::string kBadBitmap = "Bitmap image is not valid";
const std::string kBadIcon = "Icon image is not valid";

template <class G> std::string LoadMessage(const Bytes& bytes) {
    G g;
    TMemoryStream s(bytes);
    return MessageOf([&] { g.LoadFromStream(s); });
}

// The picture's "Data" as the component reader hands it over.
std::string PictureDataMessage(const Bytes& bytes) {
    struct TFeed : TFiler {
        const Bytes* Data;
        void DefineProperty(const std::string&, const TReaderProc&, const TWriterProc&, bool) override {}
        void DefineBinaryProperty(const std::string&, const TStreamProc& read, const TStreamProc&, bool) override {
            TMemoryStream s(*Data);
            read(s);
        }
    } feed;
    feed.Data = &bytes;
    TPicture p;
    return MessageOf([&] { p.DefineProperties(feed); });
}

Bytes Prefix(const Bytes& b, size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); }

Bytes With32(Bytes b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
    return b;
}

Bytes With16(Bytes b, size_t at, uint16_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
    return b;
}

// Bitmap file images of the kinds the reader accepts.
std::vector<Bytes> ValidBitmaps() {
    std::vector<Bytes> out{SmallBmp()};
    BmpFields s;
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
    s.BitCount = 4;
    s.Compression = BI_RLE4;
    s.Packed = {5, 0x10, 0, 0, 0, 3, 0x01, 0x10, 0, 1};
    out.push_back(MakeBmp(s));
    s = {};
    s.Width = 2;
    s.Height = 2;
    s.BitCount = 32;
    s.Compression = BI_BITFIELDS;
    for (uint32_t m : {0xFF0000u, 0xFF00u, 0xFFu}) Put32(s.Masks, m);
    s.Rows = {Bytes(8, 0x40), Bytes(8, 0x80)};
    s.TopDown = true;
    out.push_back(MakeBmp(s));
    return out;
}

// An image with the given header fields and `pixels` bytes after the headers.
Bytes BmpWith(int32_t width, int32_t height, uint16_t bits, uint32_t compression, size_t pixels,
              const Bytes& masks = {}) {
    BmpFields s;
    s.Width = width;
    s.Height = height;
    s.BitCount = bits;
    s.Compression = compression;
    s.Masks = masks;
    s.Packed = Bytes(pixels, 0x11);
    return MakeBmp(s);
}

Bytes Masks(uint32_t r, uint32_t g, uint32_t b) {
    Bytes m;
    for (uint32_t v : {r, g, b}) Put32(m, v);
    return m;
}

Bytes BandIcon() {
    auto masked = [](int x, int y) { return std::abs(x - y) > 2; };
    return MakeIcon(16, [=](int x, int y) { return masked(x, y) ? 0u : 0x00FF00u; }, masked);
}

} // namespace

TEST(HostileData, EveryTruncationIsRefused) {
    for (const Bytes& full : ValidBitmaps()) {
        ASSERT_EQ(LoadMessage<TBitmap>(full), "(no error)");
        for (size_t n = 0; n < full.size(); ++n) ASSERT_EQ(LoadMessage<TBitmap>(Prefix(full, n)), kBadBitmap) << n;
    }
    const Bytes ico = IconFile({IconImage(16, [](int, int) { return 0x123456u; }, [](int, int) { return false; }),
                                IconImage(8, [](int, int) { return 0u; }, [](int, int) { return true; })});
    ASSERT_EQ(LoadMessage<TIcon>(ico), "(no error)");
    for (size_t n = 0; n < ico.size(); ++n) ASSERT_EQ(LoadMessage<TIcon>(Prefix(ico, n)), kBadIcon) << n;

    // "Data" in a picture: class name, bitmap length, bitmap.
    TBitmap bmp;
    TMemoryStream image(SmallBmp()), data;
    bmp.LoadFromStream(image);
    bmp.WriteData(data);
    TMemoryStream cut(Prefix(SmallBmp(), 60));
    EXPECT_EQ(MessageOf([&] { bmp.LoadFromStream(cut); }), kBadBitmap);
    EXPECT_EQ(bmp.Width(), 2) << "a failed load keeps the image there was";
    const Bytes pictureData = fwtest::Concat({fwtest::Short("TBitmap"), data.Bytes()});
    ASSERT_EQ(PictureDataMessage(pictureData), "(no error)");
    for (size_t n = 0; n < pictureData.size(); ++n) {
        const std::string m = PictureDataMessage(Prefix(pictureData, n));
        EXPECT_TRUE(m == kBadBitmap || m == "Picture data is not valid") << n << ": " << m;
    }
}

TEST(HostileData, AbsurdBitmapFieldsAreRefusedBeforeAllocating) {
    const Bytes good = SmallBmp();
    struct Case {
        const char* what;
        Bytes bytes;
        std::string message = kBadBitmap;
    };
    const Case cases[] = {
        {"magic", With16(good, 0, 0x424D)},
        {"zero width", BmpWith(0, 2, 24, BI_RGB, 16)},
        {"negative width", BmpWith(-2, 2, 24, BI_RGB, 16)},
        {"zero height", BmpWith(2, 0, 24, BI_RGB, 16)},
        {"most negative height", BmpWith(2, INT32_MIN, 24, BI_RGB, 16)},
        {"width past the limit", BmpWith(16385, 1, 1, BI_RGB, 4096)},
        {"huge image, few bytes", BmpWith(16384, 16384, 8, BI_RGB, 64)},
        {"over the byte limit", BmpWith(16384, 16384, 32, BI_RGB, 64), "Bitmap image is too large"},
        {"2 bits per pixel", BmpWith(2, 2, 2, BI_RGB, 16)},
        {"64 bits per pixel", BmpWith(2, 2, 64, BI_RGB, 64)},
        {"embedded JPEG", BmpWith(2, 2, 24, BI_JPEG, 16)},
        {"run-length at 24 bits", BmpWith(2, 2, 24, BI_RLE8, 16)},
        {"run-length without size", With32(BmpWith(2, 2, 8, BI_RLE8, 4), 34, 0)},
        {"run-length size past the end", With32(BmpWith(2, 2, 8, BI_RLE8, 4), 34, 0xFFFFFFF0)},
        {"run-length top-down", BmpWith(2, -2, 8, BI_RLE8, 8)},
        {"17 colours at 4 bits", With32(BmpWith(2, 2, 4, BI_RGB, 80), 46, 17)},
        {"colour table past the end", With32(good, 46, 0xFFFFFFFF)},
        {"zero mask", BmpWith(2, 1, 16, BI_BITFIELDS, 4, Masks(0, 0x7E0, 0x1F))},
        {"overlapping masks", BmpWith(2, 1, 16, BI_BITFIELDS, 4, Masks(0xF800, 0x0FE0, 0x1F))},
        {"mask wider than the pixel", BmpWith(2, 1, 16, BI_BITFIELDS, 4, Masks(0x1F0000, 0x7E0, 0x1F))},
        {"header size", With32(good, 14, 0xFFFFFFFF)},
        {"header size 64", With32(good, 14, 64)},
        {"planes", With16(good, 26, 2)},
        {"pixel offset past the end", With32(good, 10, 0xFFFFFFFF)},
        {"pixel offset one byte late", With32(good, 10, 55)},
    };
    for (const Case& c : cases) EXPECT_EQ(LoadMessage<TBitmap>(c.bytes), c.message) << c.what;
}

TEST(HostileData, AbsurdIconFieldsAreRefused) {
    const Bytes good = BandIcon();
    const size_t img = 22; // the image header
    Bytes png = good;
    const uint8_t sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (size_t i = 0; i < sizeof sig; ++i) png[img + i] = sig[i];
    const std::pair<const char*, Bytes> cases[] = {
        {"reserved", With16(good, 0, 1)},
        {"cursor type", With16(good, 2, 2)},
        {"no images", With16(good, 4, 0)},
        {"more images than bytes", With16(good, 4, 0xFFFF)},
        {"image size zero", With32(good, 14, 0)},
        {"image size past the end", With32(good, 14, 0xFFFFFFFF)},
        {"image inside the directory", With32(good, 18, 6)},
        {"image offset past the end", With32(good, 18, 0xFFFFFFF0)},
        {"image header size", With32(good, img, 12)},
        {"image width zero", With32(good, img + 4, 0)},
        {"image width 300", With32(good, img + 4, 300)},
        {"image height odd", With32(good, img + 8, 31)},
        {"image height negative", With32(good, img + 8, 0xFFFFFFE0)},
        {"image depth 3", With16(good, img + 14, 3)},
        {"image compressed", With32(good, img + 16, BI_RLE8)},
        {"colour table past the image", With32(good, img + 32, 200)},
        {"image bigger than its bytes", With32(good, img + 4, 64)},
        {"PNG without a header chunk", png},
    };
    for (const auto& [what, bytes] : cases) EXPECT_EQ(LoadMessage<TIcon>(bytes), kBadIcon) << what;
}

TEST(HostileData, PictureNamesAreChecked) {
    EXPECT_EQ(PictureDataMessage({200, 'T'}), "Picture data is not valid");
    EXPECT_EQ(PictureDataMessage(fwtest::Concat({fwtest::Short("TMetafile"), {1, 2}})),
              "Unknown picture format TMetafile");
    EXPECT_EQ(PictureDataMessage(fwtest::Concat({fwtest::Short("TIcon"), SmallBmp()})), kBadIcon);
    EXPECT_EQ(PictureDataMessage({0}), "(no error)") << "no class name: an empty picture";
}

TEST(HostileData, RandomDamageGivesAnImageOrAPlainError) {
    std::mt19937 rng(20240611);
    std::vector<Bytes> seeds = ValidBitmaps();
    seeds.push_back(BandIcon());
    int loaded = 0, refused = 0;
    for (int round = 0; round < 4000; ++round) {
        const size_t which = static_cast<size_t>(round) % seeds.size();
        Bytes b = seeds[which];
        for (int flips = 1 + static_cast<int>(rng() % 4); flips > 0; --flips) {
            size_t at = rng() % b.size();
            b[at] = rng() % 3 ? static_cast<uint8_t>(b[at] ^ (1u << (rng() % 8))) : static_cast<uint8_t>(rng());
        }
        std::unique_ptr<TGraphic> g;
        if (which == seeds.size() - 1) g = std::make_unique<TIcon>();
        else g = std::make_unique<TBitmap>();
        TMemoryStream s(b);
        try {
            g->LoadFromStream(s);
            TBitmap target; // whatever loaded must also draw and save
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
