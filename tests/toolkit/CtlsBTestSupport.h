#pragma once
// The shown form of the tests of the page control, rich edit, month
// calendar, list view and tree view.
#include "CommonCtrlText.h"
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/ListView.h"
#include "toolkit/win/MonthCalendar.h"
#include "toolkit/win/PageControl.h"
#include "toolkit/win/RichEdit.h"
#include "toolkit/win/TreeView.h"

namespace ctlsbtest {

using namespace stdtest;

using GroupBForm = ShownForm;

} // namespace ctlsbtest
