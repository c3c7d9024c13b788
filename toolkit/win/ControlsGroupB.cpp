#include "toolkit/win/ControlsGroupB.h"

#include "stream/ClassRegistry.h"
#include "toolkit/win/ListView.h"
#include "toolkit/win/MonthCalendar.h"
#include "toolkit/win/PageControl.h"
#include "toolkit/win/RichEdit.h"
#include "toolkit/win/TreeView.h"

namespace fw {

void RegisterControlsGroupB() {
    RegisterClasses({&TPageControl::StaticClassInfo(), &TTabSheet::StaticClassInfo(), &TRichEdit::StaticClassInfo(),
                     &TMonthCalendar::StaticClassInfo(), &TListView::StaticClassInfo(),
                     &TTreeView::StaticClassInfo()});
}

} // namespace fw
