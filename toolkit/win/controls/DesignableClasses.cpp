#include "toolkit/win/controls/DesignableClasses.h"

#include "toolkit/win/controls/Bevel.h"
#include "toolkit/win/controls/BitBtn.h"
#include "toolkit/win/controls/Button.h"
#include "toolkit/win/controls/CheckBox.h"
#include "toolkit/win/controls/ColorGrid.h"
#include "toolkit/win/controls/ComboBox.h"
#include "toolkit/win/controls/DirectoryOutline.h"
#include "toolkit/win/controls/Edit.h"
#include "toolkit/win/controls/Image.h"
#include "toolkit/win/controls/Label.h"
#include "toolkit/win/controls/ListBox.h"
#include "toolkit/win/controls/ListView.h"
#include "toolkit/win/controls/MediaPlayer.h"
#include "toolkit/win/controls/Memo.h"
#include "toolkit/win/controls/MonthCalendar.h"
#include "toolkit/win/controls/OleContainer.h"
#include "toolkit/win/controls/PageControl.h"
#include "toolkit/win/controls/Panel.h"
#include "toolkit/win/controls/ProgressBar.h"
#include "toolkit/win/controls/RadioButton.h"
#include "toolkit/win/controls/RichEdit.h"
#include "toolkit/win/controls/ScrollBar.h"
#include "toolkit/win/controls/Shape.h"
#include "toolkit/win/controls/ShellListView.h"
#include "toolkit/win/controls/SpeedButton.h"
#include "toolkit/win/controls/Splitter.h"
#include "toolkit/win/controls/TrackBar.h"
#include "toolkit/win/controls/TreeView.h"
#include "toolkit/win/controls/UpDown.h"
#include "toolkit/win/grids/Grids.h"

namespace fw {

const std::vector<const TClassInfo*>& DesignableClasses() {
    static const std::vector<const TClassInfo*> classes{
        &TButton::StaticClassInfo(),       &TEdit::StaticClassInfo(),        &TLabel::StaticClassInfo(),
        &TPanel::StaticClassInfo(),        &TMemo::StaticClassInfo(),        &TCheckBox::StaticClassInfo(),
        &TRadioButton::StaticClassInfo(),  &TListBox::StaticClassInfo(),     &TComboBox::StaticClassInfo(),
        &TScrollBar::StaticClassInfo(),    &TBitBtn::StaticClassInfo(),      &TSpeedButton::StaticClassInfo(),
        &TStringGrid::StaticClassInfo(),   &TImage::StaticClassInfo(),       &TShape::StaticClassInfo(),
        &TBevel::StaticClassInfo(),        &TSplitter::StaticClassInfo(),    &TPageControl::StaticClassInfo(),
        &TRichEdit::StaticClassInfo(),     &TTrackBar::StaticClassInfo(),    &TProgressBar::StaticClassInfo(),
        &TUpDown::StaticClassInfo(),       &TMonthCalendar::StaticClassInfo(), &TListView::StaticClassInfo(),
        &TTreeView::StaticClassInfo(),
        &TMediaPlayer::StaticClassInfo(),  &TOleContainer::StaticClassInfo(), &TColorGrid::StaticClassInfo(),
        &TDirectoryOutline::StaticClassInfo(), &TShellListView::StaticClassInfo(),
    };
    return classes;
}

void RegisterDesignableClasses(TClassRegistry& registry) {
    for (const TClassInfo* cls : DesignableClasses()) registry.RegisterClass(*cls);
}

} // namespace fw
