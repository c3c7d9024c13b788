#include "toolkit/win/DesignableClasses.h"

#include "toolkit/win/Bevel.h"
#include "toolkit/win/BitBtn.h"
#include "toolkit/win/Button.h"
#include "toolkit/win/CheckBox.h"
#include "toolkit/win/ColorGrid.h"
#include "toolkit/win/ComboBox.h"
#include "toolkit/win/DirectoryOutline.h"
#include "toolkit/win/Edit.h"
#include "toolkit/win/Grids.h"
#include "toolkit/win/Image.h"
#include "toolkit/win/Label.h"
#include "toolkit/win/ListBox.h"
#include "toolkit/win/ListView.h"
#include "toolkit/win/MediaPlayer.h"
#include "toolkit/win/Memo.h"
#include "toolkit/win/MonthCalendar.h"
#include "toolkit/win/OleContainer.h"
#include "toolkit/win/PageControl.h"
#include "toolkit/win/Panel.h"
#include "toolkit/win/ProgressBar.h"
#include "toolkit/win/RadioButton.h"
#include "toolkit/win/RichEdit.h"
#include "toolkit/win/ScrollBar.h"
#include "toolkit/win/Shape.h"
#include "toolkit/win/ShellListView.h"
#include "toolkit/win/SpeedButton.h"
#include "toolkit/win/Splitter.h"
#include "toolkit/win/TrackBar.h"
#include "toolkit/win/TreeView.h"
#include "toolkit/win/UpDown.h"

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
