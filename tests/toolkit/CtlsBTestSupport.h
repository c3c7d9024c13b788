#pragma once
// The shown form of the standard control tests, with the page control, rich
// edit, month calendar, list view and tree view classes registered too.
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/ControlsGroupB.h"
#include "toolkit/win/ListView.h"
#include "toolkit/win/MonthCalendar.h"
#include "toolkit/win/PageControl.h"
#include "toolkit/win/RichEdit.h"
#include "toolkit/win/TreeView.h"

namespace ctlsbtest {

using namespace stdtest;

struct GroupBForm : ShownForm {
    void SetUp() override {
        ShownForm::SetUp();
        RegisterControlsGroupB();
    }
};

// The names stored for a control that was only made, named and placed.
inline const std::set<std::string>& PlainNames() {
    static const std::set<std::string> names{"Left", "Top", "Width", "Height", "TabOrder"};
    return names;
}

} // namespace ctlsbtest
