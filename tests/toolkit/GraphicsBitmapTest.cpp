// Bitmaps: file images of every depth read and written back, sizes and pixel
// formats changed with the picture kept, drawing onto other canvases.
#include "GraphicsTestSupport.h"
#include "toolkit/win/graphics/Bitmap.h"

#include <gtest/gtest.h>

#include <set>

using namespace fw;
using namespace gfxtest;

namespace {

Bytes Save(TBitmap& b) {
    TMemoryStream s;
    b.SaveToStream(s);
    return s.Bytes();
}

void Load(TBitmap& b, const Bytes& bytes) {
    TMemoryStream s(bytes);
    b.LoadFromStream(s);
}

std::vector<TColor> PixelsOf(TBitmap& b) {
    std::vector<TColor> out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) out.push_back(b.Canvas()->Pixels(x, y));
    return out;
}

struct FormatCase {
    TPixelFormat format;
    int bits;
    std::vector<TColor> colours; // held exactly, except at 16 bits (widened to 8 bits per channel when read)
};

} // namespace

class BitmapDepth : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BitmapDepth, SavedImageLoadsBackWithEqualPixelsAndBytes) {
    const FormatCase& c = GetParam();
    TBitmap b;
    b.SetPixelFormat(c.format);
    b.SetSize(13, 7); // odd width: rows need padding at every depth
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) b.Canvas()->SetPixels(x, y, c.colours[(x * 3 + y) % c.colours.size()]);
    const std::vector<TColor> drawn = PixelsOf(b);
    if (c.bits != 16) {
        for (size_t i = 0; i < drawn.size(); ++i)
            ASSERT_EQ(drawn[i], c.colours[(i % 13 * 3 + i / 13) % c.colours.size()]) << "pixel " << i;
    }
    ASSERT_EQ(std::set<TColor>(drawn.begin(), drawn.end()).size(), c.colours.size());

    const Bytes saved = Save(b);
    ASSERT_GT(saved.size(), 54u);
    EXPECT_EQ(saved[0], 'B');
    EXPECT_EQ(saved[1], 'M');
    EXPECT_EQ(Get32(saved, 2), saved.size()) << "file size field";
    EXPECT_EQ(saved[28], c.bits);
    EXPECT_EQ(Get32(saved, 10) + ((13 * c.bits + 31) / 32) * 4 * 7, saved.size()) << "pixel offset field";

    TBitmap back;
    Load(back, saved);
    EXPECT_EQ(back.PixelFormat(), c.format);
    EXPECT_EQ(PixelsOf(back), drawn);
    EXPECT_EQ(Save(back), saved);
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, BitmapDepth,
    ::testing::Values(FormatCase{TPixelFormat::pf1bit, 1, {clBlack, clWhite}},
                      FormatCase{TPixelFormat::pf4bit, 4, {clBlack, clMaroon, clTeal, clSilver, clRed, clWhite}},
                      FormatCase{TPixelFormat::pf8bit, 8, {clBlack, clNavy, clRed, 0x336699, 0xCCFF00}},
                      FormatCase{TPixelFormat::pf15bit, 16, {clBlack, clRed, clLime, clBlue, 0x808080}},
                      FormatCase{TPixelFormat::pf16bit, 16, {clBlack, clRed, clLime, clBlue, 0x808080}},
                      FormatCase{TPixelFormat::pf24bit, 24, {clBlack, 0x123456, 0xFEDCBA, 0x010203}},
                      FormatCase{TPixelFormat::pf32bit, 32, {clBlack, 0x123456, 0xFEDCBA, 0x010203}}));

TEST(BitmapFile, PalettesMasksCoreHeadersAndRowOrder) {
    TBitmap b;
    // 1 bit, 10 wide, palette red / blue; top row 1100110011.
    BmpFields s;
    s.Width = 10;
    s.Height = 2;
    s.BitCount = 1;
    s.Table = {0, 0, 255, 0, 255, 0, 0, 0};
    s.Rows = {{0xCC, 0xC0, 0, 0}, {0x00, 0x40, 0, 0}};
    Load(b, MakeBmp(s));
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{clBlue, clBlue, clRed, clRed, clBlue, clBlue, clRed, clRed, clBlue,
                                                clBlue, clRed, clRed, clRed, clRed, clRed, clRed, clRed, clRed, clRed,
                                                clBlue}));
    // 8 bits with a 2-entry table, stored top-down; saved bottom-up with its short table.
    s = {};
    s.Width = 2;
    s.Height = 2;
    s.BitCount = 8;
    s.TopDown = true;
    s.Table = {255, 0, 0, 0, 0, 255, 255, 0};
    s.Rows = {{0, 1, 0, 0}, {1, 1, 0, 0}};
    Load(b, MakeBmp(s));
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{clBlue, clYellow, clYellow, clYellow}));
    Bytes saved = Save(b);
    EXPECT_EQ(static_cast<int32_t>(Get32(saved, 22)), 2);
    EXPECT_EQ(Get32(saved, 46), 2u);
    // 16 bits with 5-6-5 masks.
    s = {};
    s.Width = 3;
    s.BitCount = 16;
    s.Compression = BI_BITFIELDS;
    for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) Put32(s.Masks, m);
    s.Rows = {{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}};
    Load(b, MakeBmp(s));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf16bit);
    std::vector<TColor> px = PixelsOf(b);
    EXPECT_EQ(px[0] & 0xF0F0F0, 0x0000F0);
    EXPECT_EQ(px[1] & 0xF0F0F0, 0x00F000);
    EXPECT_EQ(px[2] & 0xF0F0F0, 0xF00000);
    // The 12-byte core header with a 3-byte palette entry per colour.
    Bytes core{'B', 'M'};
    for (uint32_t v : {0u, 0u, 32u, 12u}) Put32(core, v);
    for (uint32_t v : {2u, 1u, 1u, 1u}) Put16(core, v);
    core.insert(core.end(), {0, 0, 255, 0, 255, 255, 0x40, 0, 0, 0});
    Load(b, core);
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{clRed, clYellow}));
    // A pixel offset past the headers skips the gap; the stream is left just
    // after the pixels.
    Bytes gapped = SmallBmp();
    gapped.insert(gapped.begin() + 54, {9, 9, 9, 9});
    gapped[10] = 58;
    gapped.insert(gapped.end(), {'t', 'a', 'i', 'l'});
    TMemoryStream in(gapped);
    b.LoadFromStream(in);
    EXPECT_EQ(in.Position(), static_cast<long long>(gapped.size() - 4));
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{clRed, clLime, clBlue, clWhite}));
}

TEST(BitmapFile, RunLengthEncodedImages) {
    // 8 bits, 6x3: a run, an odd literal run (padded), end of row, a skip
    // right and up, a run, end of image.
    BmpFields s;
    s.Width = 6;
    s.Height = 3;
    s.BitCount = 8;
    s.Compression = BI_RLE8;
    s.Table = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    s.Packed = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1};
    TBitmap b;
    Load(b, MakeBmp(s));
    const TColor K = clBlack, R = clRed, G = clLime, B = clBlue;
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{K, K, B, B, K, K, K, K, K, K, K, K, R, R, R, G, B, G}));
    EXPECT_EQ(Get32(Save(b), 30), static_cast<uint32_t>(BI_RGB)) << "saved uncompressed";

    // 4 bits: a run of alternating nibbles, a literal run.
    s.BitCount = 4;
    s.Compression = BI_RLE4;
    s.Height = 1;
    s.Packed = {3, 0x12, 0, 3, 0x30, 0x20, 0, 1};
    Load(b, MakeBmp(s));
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{R, G, R, B, K, G}));
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndPaintsNewAreaWhite) {
    TBitmap b;
    b.SetWidth(4);
    EXPECT_TRUE(b.Empty()) << "no height yet";
    b.SetHeight(3);
    ASSERT_NE(b.Handle(), nullptr);
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(3, 2, clBlue);
    b.SetSize(6, 5);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(3, 2), clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(5, 4), clWhite);
    b.SetHeight(0);
    EXPECT_EQ(b.Handle(), nullptr);
    EXPECT_TRUE(Save(b).empty()) << "an empty bitmap has no file image";
    for (auto [w, h] : {std::pair{-1, 5}, {5, -1}, {16385, 1}, {1, 16385}, {16384, 16384}})
        EXPECT_EQ(MessageOf([&] { b.SetSize(w, h); }), "Bitmap size is out of range") << w << "x" << h;
}

TEST(Bitmap, PixelFormatChangesConvertThePicture) {
    TBitmap b;
    b.SetSize(3, 1);
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(1, 0, 0x0101FE); // not in the 8-bit palette
    b.Canvas()->SetPixels(2, 0, clNavy);
    b.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(b.BitsPerPixel(), 8);
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{clRed, clRed, clNavy})) << "nearest palette colours";
    b.SetPixelFormat(TPixelFormat::pf1bit);
    EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{clBlack, clBlack, clBlack}));
    EXPECT_EQ(MessageOf([&] { b.SetPixelFormat(TPixelFormat::pfCustom); }), "A custom pixel format cannot be chosen");
}

TEST(Bitmap, DrawsPlainStretchedAndTransparent) {
    TBitmap src;
    Load(src, SmallBmp()); // red, lime / blue, white
    TBitmap dest;
    dest.SetSize(8, 8);
    TCanvas& c = *dest.Canvas();
    c.Brush()->SetColor(clGray);
    c.FillRect({0, 0, 8, 8});
    c.Draw(1, 1, &src);
    EXPECT_EQ(c.Pixels(1, 1), clRed);
    EXPECT_EQ(c.Pixels(2, 2), clWhite);
    EXPECT_EQ(c.Pixels(3, 3), clGray);
    c.StretchDraw({4, 4, 8, 8}, &src);
    EXPECT_EQ(c.Pixels(5, 5), clRed);
    EXPECT_EQ(c.Pixels(7, 5), clLime);
    EXPECT_EQ(c.Pixels(4, 7), clBlue);

    src.SetTransparent(true);
    EXPECT_EQ(src.TransparentColor(), clBlue) << "the bottom-left pixel";
    c.FillRect({0, 0, 8, 8});
    c.Draw(0, 0, &src);
    EXPECT_EQ(c.Pixels(0, 0), clRed);
    EXPECT_EQ(c.Pixels(0, 1), clGray);
    src.SetTransparentColor(clRed);
    c.Draw(4, 0, &src);
    EXPECT_EQ(c.Pixels(4, 0), clGray);
    EXPECT_EQ(c.Pixels(4, 1), clBlue);
}

TEST(Bitmap, ScanLinesAssignmentAndChangeNotices) {
    TBitmap a, b;
    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    a.SetPixelFormat(TPixelFormat::pf32bit);
    a.SetSize(2, 3);
    EXPECT_EQ(a.RowBytes(), 8u);
    uint8_t* top = a.ScanLine(0); // rows count from the top
    top[4] = 0x30;                // blue, green, red of pixel 1
    top[5] = 0x20;
    top[6] = 0x10;
    EXPECT_EQ(a.Canvas()->Pixels(1, 0), 0x302010);
    a.Canvas()->SetPixels(0, 2, clRed);
    EXPECT_EQ(a.ScanLine(2)[2], 0xFF);
    EXPECT_EQ(MessageOf([&] { a.ScanLine(3); }), "Scan line index out of range");
    EXPECT_EQ(changes, 3) << "format, size, drawing";

    b.Assign(&a);
    a.Canvas()->SetPixels(0, 2, clBlack);
    EXPECT_EQ(b.Canvas()->Pixels(0, 2), clRed) << "the copy is independent";
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
}
