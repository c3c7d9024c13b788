#pragma once
// The shown form of the tests of the page control, rich edit, month
// calendar, list view and tree view.
#include "CommonCtrlText.h"
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/controls/ListView.h"
#include "toolkit/win/controls/MonthCalendar.h"
#include "toolkit/win/controls/PageControl.h"
#include "toolkit/win/controls/RichEdit.h"
#include "toolkit/win/controls/TreeView.h"

namespace ctlsbtest {

using namespace stdtest;

using GroupBForm = ShownForm;

} // namespace ctlsbtest
