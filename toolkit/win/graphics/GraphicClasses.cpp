#include "toolkit/core/Text.h"
#include "toolkit/win/graphics/Bitmap.h"
#include "toolkit/win/graphics/Graphic.h"
#include "toolkit/win/graphics/Icon.h"

#include <deque>
#include <mutex>

namespace fw {

namespace {

struct TRegistry {
    TRegistry() {
        Classes.push_back({"TBitmap", "bmp", "Bitmaps", [] { return std::make_unique<TBitmap>(); }});
        Classes.push_back({"TIcon", "ico", "Icons", [] { return std::make_unique<TIcon>(); }});
    }
    std::mutex Lock;
    // A deque keeps entries in place, so pointers handed out stay valid.
    std::deque<TGraphicClass> Classes;
};

TRegistry& Registry() {
    static TRegistry r;
    return r;
}

} // namespace

void RegisterGraphicClass(TGraphicClass graphicClass) {
    TRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    for (TGraphicClass& c : r.Classes)
        if (SameText(c.ClassName, graphicClass.ClassName)) {
            c = std::move(graphicClass);
            return;
        }
    r.Classes.push_back(std::move(graphicClass));
}

const TGraphicClass* FindGraphicClass(std::string_view className) {
    TRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    for (const TGraphicClass& c : r.Classes)
        if (SameText(c.ClassName, className)) return &c;
    return nullptr;
}

const TGraphicClass* FindGraphicClassByExtension(std::string_view extension) {
    if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
    if (extension.empty()) return nullptr;
    TRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    for (const TGraphicClass& c : r.Classes)
        if (SameText(c.Extension, extension)) return &c;
    return nullptr;
}

std::vector<TGraphicClass> GraphicClasses() {
    TRegistry& r = Registry();
    std::lock_guard<std::mutex> guard(r.Lock);
    return {r.Classes.begin(), r.Classes.end()};
}

} // namespace fw
