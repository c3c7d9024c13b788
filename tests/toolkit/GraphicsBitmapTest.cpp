// Bitmaps: file images of every depth read and written back, sizes and pixel
// formats changed with the picture kept, drawing onto other canvases.
#include "GraphicsTestSupport.h"
#include "toolkit/win/Bitmap.h"

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

// Colours each format tells apart; all but the 16-bit formats hold them
// exactly (those widen 5 or 6 bits to 8 when read back).
bool HoldsExactly(TPixelFormat f) { return f != TPixelFormat::pf15bit && f != TPixelFormat::pf16bit; }
std::vector<TColor> Colours(TPixelFormat f) {
    switch (f) {
    case TPixelFormat::pf1bit: return {clBlack, clWhite};
    case TPixelFormat::pf4bit: return {clBlack, clMaroon, clTeal, clSilver, clGray, clRed, clYellow, clWhite};
    case TPixelFormat::pf8bit: return {clBlack, clNavy, clRed, 0x336699, 0xCCFF00, clWhite};
    case TPixelFormat::pf15bit:
    case TPixelFormat::pf16bit: return {clBlack, clRed, clLime, clBlue, 0x808080, clWhite};
    default: return {clBlack, 0x123456, 0xFEDCBA, 0x010203, clWhite};
    }
}

struct FormatCase {
    TPixelFormat format;
    int bits;
};

} // namespace

class BitmapDepth : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BitmapDepth, SavedImageLoadsBackWithEqualPixelsAndBytes) {
    const FormatCase c = GetParam();
    TBitmap b;
    b.SetPixelFormat(c.format);
    b.SetSize(13, 7); // odd width: rows need padding at every depth
    const std::vector<TColor> colours = Colours(c.format);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x) b.Canvas()->SetPixels(x, y, colours[(x * 3 + y) % colours.size()]);
    const std::vector<TColor> drawn = PixelsOf(b);
    if (HoldsExactly(c.format)) {
        for (size_t i = 0; i < drawn.size(); ++i)
            ASSERT_EQ(drawn[i], colours[(i % 13 * 3 + i / 13) % colours.size()])
                << "pixel " << i << " does not hold its colour exactly";
    } else {
        ASSERT_EQ(std::set<TColor>(drawn.begin(), drawn.end()).size(), colours.size());
    }

    const Bytes saved = Save(b);
    ASSERT_GT(saved.size(), 54u);
    EXPECT_EQ(saved[0], 'B');
    EXPECT_EQ(saved[1], 'M');
    EXPECT_EQ(Get32(saved, 2), saved.size()) << "file size field";
    EXPECT_EQ(saved[28], c.bits);
    const size_t stride = ((13 * c.bits + 31) / 32) * 4;
    EXPECT_EQ(Get32(saved, 10) + stride * 7, saved.size()) << "pixel offset field";

    TBitmap back;
    Load(back, saved);
    EXPECT_EQ(back.Width(), 13);
    EXPECT_EQ(back.Height(), 7);
    EXPECT_EQ(back.PixelFormat(), c.format);
    EXPECT_EQ(PixelsOf(back), drawn);
    EXPECT_EQ(Save(back), saved);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, BitmapDepth,
                         ::testing::Values(FormatCase{TPixelFormat::pf1bit, 1}, FormatCase{TPixelFormat::pf4bit, 4},
                                           FormatCase{TPixelFormat::pf8bit, 8}, FormatCase{TPixelFormat::pf15bit, 16},
                                           FormatCase{TPixelFormat::pf16bit, 16}, FormatCase{TPixelFormat::pf24bit, 24},
                                           FormatCase{TPixelFormat::pf32bit, 32}));

TEST(BitmapFile, IndexedImagesUseTheirOwnPaletteTopRowFirst) {
    // 1 bit, 10 pixels wide: palette red / blue; rows 1100110011, 0000000001.
    BmpSpec s;
    s.Width = 10;
    s.Height = 2;
    s.BitCount = 1;
    s.Table = {0, 0, 255, 0, 255, 0, 0, 0};
    s.Rows = {{0xCC, 0xC0, 0, 0}, {0x00, 0x40, 0, 0}};
    TBitmap b;
    Load(b, MakeBmp(s));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf1bit);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(2, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(9, 0), clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(8, 1), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(9, 1), clBlue);

    // 4 bits with a 3-entry table; 8 bits with 2 entries, stored top-down.
    s = {};
    s.Width = 3;
    s.Height = 1;
    s.BitCount = 4;
    s.Table = {0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255, 0};
    s.Rows = {{0x21, 0x00, 0, 0}};
    Load(b, MakeBmp(s));
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clWhite);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clBlack);
    EXPECT_EQ(b.Canvas()->Pixels(2, 0), clLime);
    // Saving keeps the short table.
    Bytes saved = Save(b);
    EXPECT_EQ(Get32(saved, 46), 3u);

    s = {};
    s.Width = 2;
    s.Height = 3;
    s.BitCount = 8;
    s.TopDown = true;
    s.Table = {255, 0, 0, 0, 0, 255, 255, 0};
    s.Rows = {{0, 1, 0, 0}, {1, 1, 0, 0}, {1, 0, 0, 0}};
    Load(b, MakeBmp(s));
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clYellow);
    EXPECT_EQ(b.Canvas()->Pixels(0, 2), clYellow);
    EXPECT_EQ(b.Canvas()->Pixels(1, 2), clBlue);
    // Rows are kept bottom-up, so a saved top-down image has a positive height.
    saved = Save(b);
    EXPECT_EQ(static_cast<int32_t>(Get32(saved, 22)), 3);
}

TEST(BitmapFile, ChannelMasksCoreHeadersAndPixelOffsets) {
    // 16 bits 5-6-5: pure red, green and blue.
    BmpSpec s;
    s.Width = 3;
    s.Height = 1;
    s.BitCount = 16;
    s.Compression = BI_BITFIELDS;
    Put32(s.Masks, 0xF800);
    Put32(s.Masks, 0x07E0);
    Put32(s.Masks, 0x001F);
    s.Rows = {{0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}};
    TBitmap b;
    Load(b, MakeBmp(s));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf16bit);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0) & 0xF0F0F0, 0x0000F0);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0) & 0xF0F0F0, 0x00F000);
    EXPECT_EQ(b.Canvas()->Pixels(2, 0) & 0xF0F0F0, 0xF00000);

    // The 12-byte core header with a 3-byte palette.
    Bytes core{'B', 'M'};
    Put32(core, 0);
    Put32(core, 0);
    Put32(core, 14 + 12 + 6);
    Put32(core, 12);
    Put16(core, 2);
    Put16(core, 1);
    Put16(core, 1);
    Put16(core, 1);
    core.insert(core.end(), {0, 0, 255, 0, 255, 255, 0x40, 0, 0, 0});
    Load(b, core);
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clYellow);

    // A pixel offset past the headers skips the gap; the stream is left just
    // after the pixels.
    Bytes small = SmallBmp();
    Bytes gapped(small.begin(), small.begin() + 54);
    gapped.insert(gapped.end(), {9, 9, 9, 9});
    gapped.insert(gapped.end(), small.begin() + 54, small.end());
    gapped[10] = 58;
    gapped.insert(gapped.end(), {'t', 'a', 'i', 'l'});
    TMemoryStream in(gapped);
    b.LoadFromStream(in);
    EXPECT_EQ(in.Position(), static_cast<long long>(gapped.size() - 4));
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(1, 1), clWhite);
}

TEST(BitmapFile, RunLengthEncodedImages) {
    // 8 bits, 6x3: a run, a literal run, end of row, a skip, end of image.
    BmpSpec s;
    s.Width = 6;
    s.Height = 3;
    s.BitCount = 8;
    s.Compression = BI_RLE8;
    s.Table = {0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};
    s.Packed = {3, 1, 0, 3, 2, 3, 2, 0, // bottom row: 1 1 1 2 3 2 (odd literal padded)
                0, 0,                   // next row
                0, 2, 2, 1,             // skip 2 right, 1 up: to x=2 of the top row
                2, 3, 0, 1};
    TBitmap b;
    Load(b, MakeBmp(s));
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf8bit);
    const TColor bottom[6] = {clRed, clRed, clRed, clLime, clBlue, clLime};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(b.Canvas()->Pixels(x, 2), bottom[x]) << x;
    for (int x = 0; x < 6; ++x) EXPECT_EQ(b.Canvas()->Pixels(x, 1), clBlack) << "skipped row, x " << x;
    const TColor top[6] = {clBlack, clBlack, clBlue, clBlue, clBlack, clBlack};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(b.Canvas()->Pixels(x, 0), top[x]) << x;
    // Saved uncompressed.
    EXPECT_EQ(Get32(Save(b), 30), static_cast<uint32_t>(BI_RGB));

    // 4 bits: a run of alternating nibbles and a literal run.
    s.BitCount = 4;
    s.Compression = BI_RLE4;
    s.Width = 6;
    s.Height = 1;
    s.Packed = {3, 0x12, 0, 3, 0x30, 0x20, 0, 1};
    Load(b, MakeBmp(s));
    const TColor row[6] = {clRed, clLime, clRed, clBlue, clBlack, clLime};
    for (int x = 0; x < 6; ++x) EXPECT_EQ(b.Canvas()->Pixels(x, 0), row[x]) << x;
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndPaintsNewAreaWhite) {
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
    b.SetWidth(4);
    EXPECT_TRUE(b.Empty()) << "no height yet";
    b.SetHeight(3);
    ASSERT_FALSE(b.Empty());
    EXPECT_NE(b.Handle(), nullptr);
    EXPECT_EQ(b.Canvas()->Pixels(3, 2), clWhite);
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(3, 2, clBlue);
    b.SetSize(6, 5);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(3, 2), clBlue);
    EXPECT_EQ(b.Canvas()->Pixels(5, 4), clWhite);
    b.SetSize(1, 1);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    b.SetHeight(0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Handle(), nullptr);
    EXPECT_TRUE(Save(b).empty()) << "an empty bitmap has no file image";
    for (auto size : {std::pair{-1, 5}, std::pair{5, -1}, std::pair{16385, 1}, std::pair{1, 16385},
                      std::pair{16384, 16384}})
        EXPECT_EQ(MessageOf([&] { b.SetSize(size.first, size.second); }), "Bitmap size is out of range");
    b.SetSize(16384, 1);
    EXPECT_EQ(b.Width(), 16384);
}

TEST(Bitmap, PixelFormatChangesConvertThePicture) {
    TBitmap b;
    b.SetSize(3, 1);
    b.Canvas()->SetPixels(0, 0, clRed);
    b.Canvas()->SetPixels(1, 0, 0x0101FE); // not in the 8-bit palette
    b.Canvas()->SetPixels(2, 0, clNavy);
    b.SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_EQ(b.BitsPerPixel(), 8);
    EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), clRed) << "nearest palette colour";
    EXPECT_EQ(b.Canvas()->Pixels(2, 0), clNavy);
    b.SetPixelFormat(TPixelFormat::pf1bit);
    EXPECT_EQ(b.BitsPerPixel(), 1);
    b.SetPixelFormat(TPixelFormat::pf32bit);
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(MessageOf([&] { b.SetPixelFormat(TPixelFormat::pfCustom); }),
              "A custom pixel format cannot be chosen");
}

TEST(Bitmap, ScanLinesAreRowsFromTheTop) {
    TBitmap b;
    b.SetPixelFormat(TPixelFormat::pf32bit);
    b.SetSize(2, 3);
    EXPECT_EQ(b.RowBytes(), 8u);
    uint8_t* top = b.ScanLine(0);
    top[4] = 0x30; // blue, green, red of pixel 1
    top[5] = 0x20;
    top[6] = 0x10;
    EXPECT_EQ(b.Canvas()->Pixels(1, 0), 0x302010);
    b.Canvas()->SetPixels(0, 2, clRed);
    EXPECT_EQ(b.ScanLine(2)[2], 0xFF);
    EXPECT_EQ(MessageOf([&] { b.ScanLine(3); }), "Scan line index out of range");
    EXPECT_EQ(MessageOf([&] { b.ScanLine(-1); }), "Scan line index out of range");
}

TEST(Bitmap, DrawsPlainStretchedAndTransparent) {
    TBitmap src;
    src.SetSize(2, 2);
    src.Canvas()->SetPixels(0, 0, clRed);
    src.Canvas()->SetPixels(1, 0, clLime);
    src.Canvas()->SetPixels(0, 1, clBlue); // bottom-left: the see-through colour
    src.Canvas()->SetPixels(1, 1, clYellow);

    TBitmap dest;
    dest.SetSize(8, 8);
    dest.Canvas()->Brush()->SetColor(clGray);
    dest.Canvas()->FillRect({0, 0, 8, 8});
    dest.Canvas()->Draw(1, 1, &src);
    EXPECT_EQ(dest.Canvas()->Pixels(1, 1), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(2, 2), clYellow);
    EXPECT_EQ(dest.Canvas()->Pixels(3, 3), clGray);

    dest.Canvas()->StretchDraw({4, 4, 8, 8}, &src);
    EXPECT_EQ(dest.Canvas()->Pixels(5, 5), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(7, 5), clLime);
    EXPECT_EQ(dest.Canvas()->Pixels(4, 7), clBlue);

    src.SetTransparent(true);
    EXPECT_EQ(src.TransparentColor(), clBlue);
    dest.Canvas()->FillRect({0, 0, 8, 8});
    dest.Canvas()->Draw(0, 0, &src);
    EXPECT_EQ(dest.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(dest.Canvas()->Pixels(0, 1), clGray);
    src.SetTransparentColor(clRed);
    dest.Canvas()->Draw(4, 0, &src);
    EXPECT_EQ(dest.Canvas()->Pixels(4, 0), clGray);
    EXPECT_EQ(dest.Canvas()->Pixels(4, 1), clBlue);

    TBitmap empty;
    dest.Canvas()->Draw(0, 0, &empty); // nothing to draw, no failure
    dest.Canvas()->Draw(0, 0, nullptr);
}

TEST(Bitmap, AssignCopiesAndChangesAreAnnounced) {
    TBitmap a;
    int changes = 0;
    a.OnChange = [&](TObject* s) {
        EXPECT_EQ(s, &a);
        ++changes;
    };
    a.SetSize(3, 3);
    EXPECT_EQ(changes, 1);
    a.Canvas()->SetPixels(1, 1, clFuchsia);
    EXPECT_EQ(changes, 2) << "drawing on the canvas changes the bitmap";

    TBitmap b;
    b.Assign(&a);
    EXPECT_EQ(b.Canvas()->Pixels(1, 1), clFuchsia);
    EXPECT_NE(b.Handle(), a.Handle());
    a.Canvas()->SetPixels(1, 1, clBlack);
    EXPECT_EQ(b.Canvas()->Pixels(1, 1), clFuchsia) << "the copy is independent";
    b.Assign(nullptr);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Width(), 0);
}
