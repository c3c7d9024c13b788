// Icons drawn with their masks, made from handles and saved; pictures holding
// any registered graphic, chosen by file extension.
#include "GraphicsTestSupport.h"
#include "toolkit/win/Bitmap.h"
#include "toolkit/win/Icon.h"
#include "toolkit/win/Picture.h"

#include <gtest/gtest.h>

using namespace fw;
using namespace gfxtest;

namespace {

// A diagonal band of one colour; the rest is see-through (mask set, colour
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

// The graphic drawn at its size onto a grey bitmap.
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
    EXPECT_TRUE(icon.Empty());
    Load(icon, ico);
    ASSERT_FALSE(icon.Empty());
    EXPECT_NE(icon.Handle(), nullptr);
    EXPECT_EQ(icon.Width(), 32);
    EXPECT_EQ(icon.Height(), 32);
    const std::vector<TColor> px = Rendered(icon);
    EXPECT_EQ(px[5 * 32 + 5], clRed);
    EXPECT_EQ(px[5 * 32 + 7], clRed);
    EXPECT_EQ(px[5 * 32 + 20], clGray) << "masked pixels show what is beneath";
    EXPECT_EQ(FileImage(icon), ico);
    EXPECT_EQ(MessageOf([&] { icon.SetWidth(16); }), "Cannot change the size of an icon");
    EXPECT_EQ(MessageOf([&] { icon.SetHeight(16); }), "Cannot change the size of an icon");
}

TEST(Icon, ShowsTheImageNearestTheSystemSize) {
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
    EXPECT_EQ(FileImage(icon), ico) << "every image is kept";
}

TEST(Icon, FromAHandleItSavesAFileThatLoadsBack) {
    TIcon icon;
    icon.SetHandle(CopyIcon(LoadIconW(nullptr, IDI_WARNING)));
    ASSERT_FALSE(icon.Empty());
    EXPECT_GT(icon.Width(), 0);
    const std::vector<TColor> original = Rendered(icon);
    const Bytes file = FileImage(icon);
    ASSERT_GT(file.size(), 22u);
    EXPECT_EQ(Get32(file, 0), 0x00010000u) << "reserved 0, type 1";

    TIcon back;
    Load(back, file);
    EXPECT_EQ(back.Width(), icon.Width());
    EXPECT_EQ(back.Height(), icon.Height());
    EXPECT_EQ(Rendered(back), original);

    // Assign copies; releasing the handle hands it over and empties the icon.
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_NE(copy.Handle(), icon.Handle());
    EXPECT_EQ(Rendered(copy), original);
    HICON h = copy.ReleaseHandle();
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(DestroyIcon(h));
    copy.Assign(&back);
    EXPECT_EQ(FileImage(copy), file);
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    EXPECT_TRUE(FileImage(copy).empty());
}

TEST(GraphicClasses, KnownByNameAndExtension) {
    ASSERT_NE(FindGraphicClass("tbitmap"), nullptr);
    EXPECT_EQ(FindGraphicClass("TBitmap")->Extension, "bmp");
    ASSERT_NE(FindGraphicClassByExtension(".ICO"), nullptr);
    EXPECT_EQ(FindGraphicClassByExtension("ico")->ClassName, "TIcon");
    EXPECT_EQ(FindGraphicClassByExtension(""), nullptr);
    EXPECT_EQ(FindGraphicClass("TMetafile"), nullptr);
    EXPECT_EQ(FindGraphicClass("TIcon")->Create()->ClassName(), "TIcon");

    // Registering again under the same name replaces the entry.
    const size_t count = GraphicClasses().size();
    RegisterGraphicClass({"TDib", "dib", "Device-independent bitmaps", [] { return std::make_unique<TBitmap>(); }});
    RegisterGraphicClass({"TDib", "rle", "Run-length bitmaps", [] { return std::make_unique<TBitmap>(); }});
    EXPECT_EQ(GraphicClasses().size(), count + 1);
    EXPECT_EQ(FindGraphicClassByExtension("dib"), nullptr);
    EXPECT_EQ(FindGraphicClassByExtension("rle")->ClassName, "TDib");
}

TEST(Picture, FilesChooseTheGraphicClassByExtension) {
    const std::string bmpPath = TempPath("picture-test.bmp"), icoPath = TempPath("picture-test.ico");
    {
        TMemoryStream s(SmallBmp());
        s.SaveToFile(bmpPath);
        TMemoryStream t(BandIcon(32, 0x00FF00));
        t.SaveToFile(icoPath);
    }
    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject* s) {
        EXPECT_EQ(s, &p);
        ++changes;
    };
    p.LoadFromFile(bmpPath);
    ASSERT_NE(p.Graphic(), nullptr);
    EXPECT_EQ(p.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(p.Width(), 2);
    EXPECT_EQ(changes, 1);
    p.Bitmap()->Canvas()->SetPixels(0, 0, clBlack);
    EXPECT_EQ(changes, 2) << "changes of the graphic reach the picture";

    p.LoadFromFile(icoPath);
    EXPECT_EQ(p.Graphic()->ClassName(), "TIcon");
    EXPECT_EQ(p.Height(), 32);
    const std::string savedPath = TempPath("picture-test-saved.ico");
    p.SaveToFile(savedPath);
    TMemoryStream saved;
    saved.LoadFromFile(savedPath);
    EXPECT_EQ(saved.Bytes(), BandIcon(32, 0x00FF00));

    EXPECT_EQ(MessageOf([&] { p.LoadFromFile(TempPath("picture.xyz")); }), "Unknown picture file extension (.xyz)");
    EXPECT_EQ(MessageOf([&] { p.LoadFromFile(TempPath("noext")); }), "Unknown picture file extension (.)");
    EXPECT_EQ(p.Graphic()->ClassName(), "TIcon") << "a failed load keeps the picture";
}

TEST(Picture, AssignAndAccessorsReplaceTheGraphic) {
    TPicture p;
    EXPECT_EQ(p.Graphic(), nullptr);
    EXPECT_EQ(p.Width(), 0);
    TIcon* icon = p.Icon();
    Load(*icon, BandIcon(16, 0x0000FF));
    EXPECT_EQ(p.Width(), 16);
    TBitmap* bmp = p.Bitmap();
    EXPECT_TRUE(bmp->Empty()) << "another kind is replaced by an empty bitmap";
    EXPECT_EQ(p.Bitmap(), bmp);
    Load(*bmp, SmallBmp());

    TPicture copy;
    copy.Assign(&p);
    ASSERT_NE(copy.Graphic(), p.Graphic());
    EXPECT_EQ(FileImage(*copy.Graphic()), FileImage(*p.Graphic()));

    // A bitmap takes a picture holding a bitmap.
    TBitmap target;
    target.Assign(&copy);
    EXPECT_EQ(target.Width(), 2);
    TIcon wrongKind;
    EXPECT_EQ(MessageOf([&] { wrongKind.Assign(&copy); }), "Cannot assign a TPicture to a TIcon");

    copy.Assign(nullptr);
    EXPECT_EQ(copy.Graphic(), nullptr);
    TBitmap loose;
    Load(loose, SmallBmp());
    copy.SetGraphic(&loose);
    EXPECT_EQ(copy.Graphic()->ClassName(), "TBitmap");
    EXPECT_NE(copy.Graphic(), &loose) << "the picture keeps its own copy";
}
