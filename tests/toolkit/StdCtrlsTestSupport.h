#pragma once
// Helpers for the standard control tests: a shown form to put controls on,
// counting the form's child windows, storing controls and reading them back
// into another form, and images of what a window paints.
#include "stream/Reader.h"
#include "stream/StreamDocument.h"
#include "stream/Writer.h"
#include "toolkit/win/controls/StdCtrls.h"
#include "toolkit/win/window/Application.h"
#include "toolkit/win/window/Registration.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace stdtest {

using namespace fw;
using Bytes = std::vector<uint8_t>;

inline void Pump() { Application().ProcessMessages(); }

// The properties a control at its defaults stores: its place, and its tab
// order when it has a window.
inline const std::set<std::string> kWindowedDefaults{"Left", "Top", "Width", "Height", "TabOrder"};
inline const std::set<std::string> kGraphicDefaults{"Left", "Top", "Width", "Height"};

inline int ChildWindowCount(HWND parent) {
    int n = 0;
    EnumChildWindows(
        parent,
        [](HWND, LPARAM count) {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&n));
    return n;
}

// A form on the screen, named Form1, that owns what the tests make.
struct ShownForm : ::testing::Test {
    TForm* form = nullptr;
    void SetUp() override {
        Application().Initialize();
        RegisterToolkitClasses();
        form = new TForm(nullptr);
        form->SetName("Form1");
        form->SetBounds(40, 40, 520, 420);
        form->Show();
        Pump();
    }
    void TearDown() override {
        delete form;
        Pump();
    }
    template <class T> T* Make(const std::string& name, TWinControl* parent = nullptr) {
        auto* c = new T(form);
        c->SetName(name);
        c->SetParent(parent ? parent : form);
        return c;
    }
};

// The design-file layout of one component, with root as the root.
inline Bytes Store(TComponent* component, TComponent* root) {
    TMemoryStream s;
    WriteComponentList(s, {component}, root);
    return s.Bytes();
}

// Reads a layout into `into` and returns the component of that name.
template <class T> T* Restore(const Bytes& bytes, TForm& into, const std::string& name) {
    TMemoryStream in(bytes);
    TReader r(in);
    r.ReadComponents(&into, &into);
    return dynamic_cast<T*>(into.FindComponent(name));
}

// The names of the properties stored for the first component of a layout.
inline std::set<std::string> StoredNames(const Bytes& bytes) {
    std::set<std::string> names;
    TStreamDocument doc = ParseStreamDocument(bytes);
    if (!doc.components.empty())
        for (const auto& p : doc.components[0].properties) names.insert(p.name);
    return names;
}

// Stores a control, reads it into a fresh shown form, and checks that the
// copy stores the very same bytes (so every stored value came back). Returns
// the copy; the form stays alive in `holder`.
template <class T> T* RoundTrip(T* control, TComponent* root, std::unique_ptr<TForm>& holder) {
    Bytes first = Store(control, root);
    holder = std::make_unique<TForm>(nullptr);
    holder->SetName("Copy");
    holder->Show();
    T* copy = Restore<T>(first, *holder, control->Name());
    EXPECT_NE(copy, nullptr);
    if (copy) {
        EXPECT_EQ(Store(copy, holder.get()), first) << "the copy stores what the original stored";
    }
    return copy;
}

// What a window paints into a 32-bit image that starts filled with `fill`.
class TWindowImage {
public:
    TWindowImage(HWND h, COLORREF fill) {
        RECT r;
        GetClientRect(h, &r);
        FWidth = std::max<int>(r.right, 1);
        FHeight = std::max<int>(r.bottom, 1);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = FWidth;
        bi.bmiHeader.biHeight = -FHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(dc, bmp);
        HBRUSH b = CreateSolidBrush(fill);
        RECT all{0, 0, FWidth, FHeight};
        FillRect(dc, &all, b);
        DeleteObject(b);
        SendMessageW(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        GdiFlush();
        auto* px = static_cast<const uint32_t*>(bits);
        FPixels.assign(px, px + static_cast<size_t>(FWidth) * FHeight);
        SelectObject(dc, old);
        DeleteObject(bmp);
        DeleteDC(dc);
    }
    COLORREF At(int x, int y) const {
        uint32_t v = FPixels[static_cast<size_t>(y) * FWidth + x];
        return win::Rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Pixels inside r (clipped to the image) of colour c, or not of colour c.
    int Count(const RECT& r, COLORREF c, bool equal = true) const {
        int n = 0;
        for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, FHeight); ++y)
            for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, FWidth); ++x)
                if ((At(x, y) == c) == equal) ++n;
        return n;
    }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }

private:
    int FWidth = 0, FHeight = 0;
    std::vector<uint32_t> FPixels;
};

} // namespace stdtest
