#pragma once
// A shown form for the tests of the check box, radio button, list box, range
// and drawn controls.
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/controls/ControlsGroupA.h"

#include <algorithm>

namespace ctlsatest {

using namespace stdtest;

using CtlsAForm = ShownForm;


// The names of the properties of the first component whose stored values differ.
inline std::string Differences(const Bytes& a, const Bytes& b) {
    TStreamDocument da = ParseStreamDocument(a), db = ParseStreamDocument(b);
    std::string out;
    if (da.components.empty() || db.components.empty()) return "no component";
    auto& pa = da.components[0].properties;
    auto& pb = db.components[0].properties;
    for (auto& p : pa) {
        auto it = std::find_if(pb.begin(), pb.end(), [&](auto& q) { return q.name == p.name; });
        if (it == pb.end() || !(it->value == p.value)) out += p.name + " ";
    }
    for (auto& q : pb)
        if (std::none_of(pa.begin(), pa.end(), [&](auto& p) { return p.name == q.name; })) out += q.name + " ";
    return out;
}

inline LONG_PTR StyleOf(HWND h) { return GetWindowLongPtrW(h, GWL_STYLE); }

} // namespace ctlsatest
