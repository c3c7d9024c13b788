// Icons drawn with their masks, made from handles and saved; pictures holding
// any registered graphic, chosen by file extension.
#include "GraphicsTestSupport.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/graphics/Icon.h"
#include "toolkit/win/graphics/Picture.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace gfxtest;

namespace {

// A diagonal band of one colour; the rest see-through (mask set, colour
// black, as icons keep it).
Bytes BandIcon(int n, uint32_t colour) {
    auto masked = [](int x, int y) { return std::abs(x - y) > 2; };
    return MakeIcon(n, [=](int x, int y) { return masked(x, y) ? 0u : colour; }, masked);
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

// The graphic drawn at its size onto grey.
std::vector<TColor> Rendered(TGraphic& g) {
    TBitmap b;
    b.SetSize(g.Width(), g.Height());
    b.Canvas()->Brush()->SetColor(clGray);
    b.Canvas()->FillRect({0, 0, g.Width(), g.Height()});
    b.Canvas()->Draw(0, 0, &g);
    std::vector<TColor> out;
    for (int y = 0; y < g.Height(); ++y)
        for (int x = 0; x < g.Width(); ++x) out.push_back(b.Canvas()->Pixels(x, y));
    return out;
}

} // namespace

TEST(Icon, DrawsThroughItsMaskAndSavesTheFileItLoaded) {
    const Bytes ico = BandIcon(32, 0xFF0000);
    TIcon icon;
    Load(icon, ico);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    const std::vector<TColor> px = Rendered(icon);
    EXPECT_EQ(px[5 * 32 + 7], clRed);
    EXPECT_EQ(px[5 * 32 + 20], clGray) << "masked pixels show what is beneath";
    EXPECT_EQ(FileImage(icon), ico);
    EXPECT_EQ(MessageOf([&] { icon.SetWidth(16); }), "Cannot change the size of an icon");
}

TEST(Icon, ShowsTheImageNearestTheSystemSizeAndKeepsThemAll) {
    auto solid = [](uint32_t c) { return [c](int, int) { return c; }; };
    auto none = [](int, int) { return false; };
    const Bytes ico = IconFile({IconImage(16, solid(0x0000FF), none), IconImage(48, solid(0x00FF00), none),
                                IconImage(32, solid(0xFF0000), none)});
    TIcon icon;
    Load(icon, ico);
    const int side = GetSystemMetrics(SM_CXICON);
    const int nearest = side < 24 ? 16 : side < 40 ? 32 : 48;
    EXPECT_EQ(icon.Width(), nearest);
    EXPECT_EQ(Rendered(icon)[0], nearest == 16 ? clBlue : nearest == 32 ? clRed : clLime);
    EXPECT_EQ(FileImage(icon), ico);
}

TEST(Icon, FromAHandleItSavesAFileThatLoadsBack) {
    TIcon icon;
    icon.SetHandle(CopyIcon(LoadIconW(nullptr, IDI_WARNING)));
    ASSERT_GT(icon.Width(), 0);
    const std::vector<TColor> original = Rendered(icon);
    const Bytes file = FileImage(icon);
    TIcon back;
    Load(back, file);
    EXPECT_EQ(back.Width(), icon.Width());
    EXPECT_EQ(Rendered(back), original);

    TIcon copy;
    copy.Assign(&icon);
    EXPECT_NE(copy.Handle(), icon.Handle());
    EXPECT_EQ(Rendered(copy), original);
    HICON h = copy.ReleaseHandle();
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(DestroyIcon(h)) << "the handle is the caller's now";
    EXPECT_EQ(MessageOf([&] { copy.SetHandle(reinterpret_cast<HICON>(GetStockObject(WHITE_BRUSH))); }),
              "Icon image is not valid");
}

TEST(GraphicClasses, KnownByNameAndExtensionAndReplacedByName) {
    EXPECT_EQ(FindGraphicClass("tbitmap")->Extension, "bmp");
    EXPECT_EQ(FindGraphicClassByExtension(".ICO")->Create()->ClassName(), "TIcon");
    RegisterGraphicClass({"TDib", "dib", "Device-independent bitmaps", [] { return std::make_unique<TBitmap>(); }});
    RegisterGraphicClass({"TDib", "rle", "Run-length bitmaps", [] { return std::make_unique<TBitmap>(); }});
    EXPECT_EQ(FindGraphicClassByExtension("dib"), nullptr);
    EXPECT_EQ(FindGraphicClassByExtension("rle")->ClassName, "TDib");
}

TEST(Picture, FilesChooseTheGraphicClassByExtension) {
    const std::string bmpPath = TempPath("picture-test.bmp"), icoPath = TempPath("picture-test.ico");
    TMemoryStream(SmallBmp()).SaveToFile(bmpPath);
    TMemoryStream(BandIcon(32, 0x00FF00)).SaveToFile(icoPath);
    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    p.LoadFromFile(bmpPath);
    EXPECT_EQ(p.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(p.Width(), 2);
    p.Bitmap()->Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(changes, 2) << "changes of the graphic reach the picture";

    p.LoadFromFile(icoPath);
    EXPECT_EQ(p.Graphic()->ClassName(), "TIcon");
    const std::string savedPath = TempPath("picture-test-saved.ico");
    p.SaveToFile(savedPath);
    TMemoryStream saved;
    saved.LoadFromFile(savedPath);
    EXPECT_EQ(saved.Bytes(), BandIcon(32, 0x00FF00));
    EXPECT_EQ(MessageOf([&] { p.LoadFromFile(TempPath("picture.xyz")); }), "Unknown picture file extension (.xyz)");
    EXPECT_EQ(p.Graphic()->ClassName(), "TIcon") << "a failed load keeps the picture";
}

TEST(Picture, AssignAndAccessorsReplaceTheGraphic) {
    TPicture p;
    Load(*p.Icon(), BandIcon(16, 0x0000FF));
    EXPECT_EQ(p.Width(), 16);
    TBitmap* bmp = p.Bitmap();
    EXPECT_TRUE(bmp->Empty()) << "another kind is replaced by an empty bitmap";
    Load(*bmp, SmallBmp());

    TPicture copy;
    copy.Assign(&p);
    ASSERT_NE(copy.Graphic(), p.Graphic());
    EXPECT_EQ(FileImage(*copy.Graphic()), FileImage(*p.Graphic()));
    TBitmap target;
    target.Assign(&copy);
    EXPECT_EQ(target.Width(), 2) << "a bitmap takes a picture holding a bitmap";
    TIcon wrongKind;
    EXPECT_EQ(MessageOf([&] { wrongKind.Assign(&copy); }), "Cannot assign a TPicture to a TIcon");
    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
}
