#pragma once
// What the property-model tests need beyond the standard controls:
//  - TDesignForm: a form class publishing event handlers, as every
//    application's form class does (TForm itself publishes none);
//  - TKindsPanel: a panel that also publishes property kinds no standard
//    control has: a wide string, a 64-bit integer, a float, and a set with
//    elements beyond ordinal 15. Tests use it only for those kinds.
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/controls/StdCtrls.h"
#include "toolkit/win/window/Form.h"

#include <string>

namespace dsntest {

using namespace fw;

// Eighteen elements: a set of them has ordinals beyond 15.
FW_ENUM(TTestEdge, e0, e1, e2, e3, e4, e5, e6, e7, e8, e9, e10, e11, e12, e13, e14, e15, e16, e17)
FW_SET(TTestEdges, TTestEdge);

class TKindsPanel : public TPanel {
    FW_CLASS(TKindsPanel)
    using TPanel::TPanel;
    TTestEdges Edges;
    double Ratio = 0;
    int64_t Big = 0;
    std::u16string WideText;
};

// A form publishing handlers, as an application's window does.
class TDesignForm : public TForm {
    FW_CLASS(TDesignForm)
    using TForm::TForm;
    void Button1Click(TObject*) {}
    void FormClick(TObject*) {}
};

} // namespace dsntest
