#pragma once
// Controls for the property-model tests, built on the toolkit's control
// classes: a button, a label, an edit and a panel that publish what the
// designer's edge cases need (captions, texts, a wide string, a float, a set
// wider than 16 elements, a component reference), and a form that publishes
// event handlers.
#include "toolkit/core/ClassBuilder.h"
#include "toolkit/win/Form.h"

#include <string>

namespace dsntest {

using namespace fw;

FW_ENUM(TTestBevel, bvNone, bvLowered, bvRaised, bvSpace)
// Eighteen elements: a set of them has ordinals beyond 15.
FW_ENUM(TTestEdge, e0, e1, e2, e3, e4, e5, e6, e7, e8, e9, e10, e11, e12, e13, e14, e15, e16, e17)
FW_SET(TTestEdges, TTestEdge);

class TPushButton : public TCustomControl {
    FW_CLASS(TPushButton)
    using TCustomControl::TCustomControl;
    bool Default = false;
    int32_t ModalResult = 0;
};

class TTextLabel : public TGraphicControl {
    FW_CLASS(TTextLabel)
    using TGraphicControl::TGraphicControl;
    bool WordWrap = false;
};

class TLineEdit : public TCustomControl {
    FW_CLASS(TLineEdit)
    using TCustomControl::TCustomControl;
    char PasswordChar = '\0';
    bool ReadOnly = false;
    std::u16string WideText;
};

class TBoxPanel : public TCustomControl {
    FW_CLASS(TBoxPanel)
    explicit TBoxPanel(TComponent* owner) : TCustomControl(owner) {
        SetControlStyle(ControlStyle() | csAcceptsControls);
    }
    TTestBevel BevelOuter = bvRaised;
    TTestEdges Edges;
    double Ratio = 0;
    TControl* Buddy = nullptr;
    int64_t Big = 0;
    // Remembers DM_SELECTONLY requests that reach its window.
    std::vector<TMessage> Requests;
    void WndProc(TMessage& m) override {
        if (m.Msg >= 0x600 && m.Msg < 0x700) {
            Requests.push_back(m);
            m.Result = 77;
            return;
        }
        TCustomControl::WndProc(m);
    }
};

// A form publishing handlers, as an application's window does.
class TDesignForm : public TForm {
    FW_CLASS(TDesignForm)
    using TForm::TForm;
    void Button1Click(TObject*) {}
    void FormClick(TObject*) {}
};

} // namespace dsntest
