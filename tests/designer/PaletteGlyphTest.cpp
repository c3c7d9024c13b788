// The palette's glyphs: the build draws one bitmap per designable class and
// the special ones, links them into the program as bitmap resources, and a
// palette assembling itself puts them on its buttons.
#include "designer/DesignerTestControls.h"
#include "designer/DsnPanel.h"
#include "support/RealInput.h"
#include "toolkit/StdCtrlsTestSupport.h"
#include "toolkit/win/controls/DesignableClasses.h"
#include "toolkit/win/graphics/Bitmap.h"

#include <cstring>
#include <set>

using namespace stdtest;

namespace {

// The bytes of a bitmap resource of this program (a file image without its
// file header), or none.
std::vector<uint8_t> ResourceBytes(const std::string& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, win::Wide(name).c_str(), MAKEINTRESOURCEW(2)); // RT_BITMAP
    if (!res) return {};
    const auto* p = static_cast<const uint8_t*>(LockResource(LoadResource(module, res)));
    return {p, p + SizeofResource(module, res)};
}

BITMAPINFOHEADER HeaderOf(const std::vector<uint8_t>& dib) {
    BITMAPINFOHEADER h{};
    if (dib.size() >= sizeof h) std::memcpy(&h, dib.data(), sizeof h);
    return h;
}

TEST(PaletteGlyphTest, EveryDesignableClassHasItsOwnGlyph) {
    std::set<std::vector<uint8_t>> distinct;
    for (const TClassInfo* cls : DesignableClasses()) {
        std::vector<uint8_t> dib = ResourceBytes(UpperCase(cls->ClassName));
        ASSERT_FALSE(dib.empty()) << cls->ClassName;
        BITMAPINFOHEADER h = HeaderOf(dib);
        EXPECT_EQ(h.biWidth, 24) << cls->ClassName;
        EXPECT_EQ(h.biHeight, 24) << cls->ClassName;
        EXPECT_EQ(h.biBitCount, 24) << cls->ClassName;
        distinct.insert(std::vector<uint8_t>(dib.begin() + sizeof h, dib.end()));
    }
    EXPECT_EQ(distinct.size(), 30u) << "thirty images a user can tell apart";
}

TEST(PaletteGlyphTest, SpecialGlyphsHaveTheirSizes) {
    struct Expected {
        const char* name;
        LONG width, height;
    };
    for (Expected e : {Expected{"TCOMPONENT", 24, 24}, Expected{"DSNSWITCH", 24, 24}, Expected{"BUILD", 32, 32},
                       Expected{"ARROWBUTTON", 10, 16}}) {
        std::vector<uint8_t> dib = ResourceBytes(e.name);
        ASSERT_FALSE(dib.empty()) << e.name;
        EXPECT_EQ(HeaderOf(dib).biWidth, e.width) << e.name;
        EXPECT_EQ(HeaderOf(dib).biHeight, e.height) << e.name;
    }
}

// The glyph a button shows is the resource's image, row for row.
void ExpectGlyphIs(TSpeedButton* b, const std::string& resource) {
    std::vector<uint8_t> dib = ResourceBytes(resource);
    BITMAPINFOHEADER h = HeaderOf(dib);
    TBitmap* glyph = b->Glyph();
    ASSERT_EQ(glyph->Width(), h.biWidth) << resource;
    ASSERT_EQ(glyph->Height(), h.biHeight) << resource;
    size_t stride = glyph->RowBytes();
    ASSERT_EQ(dib.size(), sizeof h + stride * static_cast<size_t>(h.biHeight)) << resource;
    for (int y = 0; y < h.biHeight; ++y) {
        const uint8_t* fileRow = dib.data() + sizeof h + stride * static_cast<size_t>(h.biHeight - 1 - y);
        ASSERT_EQ(std::memcmp(glyph->ScanLine(y), fileRow, h.biWidth * 3), 0) << resource << " row " << y;
    }
}

using PaletteGlyphAssemblyTest = ShownForm;

TEST_F(PaletteGlyphAssemblyTest, AssembledButtonsCarryTheirClassGlyphs) {
    RegisterPaletteClasses();
    form->SetDesigning(true);
    auto* palette = Make<TDsnPanel>("DsnPanel1");
    palette->SetBounds(0, 0, 300, 200);
    (new TButton(form))->SetParent(palette);
    (new dsntest::TKindsPanel(form))->SetParent(palette);
    fwtest::PumpPending();

    auto* arrow = dynamic_cast<TArrowButton*>(form->FindComponent("ArrowButton1"));
    auto* forButton = dynamic_cast<TDsnButton*>(form->FindComponent("DsnButton1"));
    auto* forOther = dynamic_cast<TDsnButton*>(form->FindComponent("DsnButton2"));
    ASSERT_TRUE(arrow && forButton && forOther);
    ExpectGlyphIs(arrow, "ARROWBUTTON");
    ExpectGlyphIs(forButton, "TBUTTON");
    EXPECT_EQ(forOther->Caption(), "KINDSPANEL");
    ExpectGlyphIs(forOther, "TCOMPONENT");
}

} // namespace
