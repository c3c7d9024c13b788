#!/usr/bin/env python3
# Generates demo/controls.json: one window holding one of each of the thirty
# designable control classes, in the order they are registered.
from layoutgen import *

def at(l, t, w, h): return bounds(l, t, w, h)

col1 = [
    rec("TButton", "Button1", at(8, 8, 90, 25) + [("Caption", s("Button"))]),
    rec("TEdit", "Edit1", at(104, 10, 96, 21) + [("Text", s("Edit"))]),
    rec("TLabel", "Label1", at(8, 40, 60, 13) + [("Caption", s("Label"))]),
    rec("TPanel", "Panel1", at(8, 58, 192, 46) + [("Caption", s("Panel"))]),
    rec("TMemo", "Memo1", at(8, 112, 192, 60) + [("Lines.Strings", strings("Memo", "holds lines"))]),
    rec("TCheckBox", "CheckBox1", at(8, 180, 96, 17) + [("Caption", s("Check box")), ("Checked", b(True))]),
    rec("TRadioButton", "RadioButton1", at(104, 180, 96, 17) + [("Caption", s("Radio button")), ("Checked", b(True))]),
    rec("TListBox", "ListBox1", at(8, 204, 192, 64) + [("ItemHeight", i(13)), ("Items.Strings", strings("List box", "Second", "Third"))]),
    rec("TComboBox", "ComboBox1", at(8, 276, 192, 21) + [("Text", s("Combo box")), ("Items.Strings", strings("Combo box", "Other"))]),
    rec("TScrollBar", "ScrollBar1", at(8, 306, 192, 17) + [("Position", i(30))]),
    rec("TBitBtn", "BitBtn1", at(8, 332, 96, 25) + [("Kind", ident("bkOK"))]),
    rec("TSpeedButton", "SpeedButton1", at(112, 332, 88, 25) + [("Caption", s("Speed"))]),
    rec("TStringGrid", "StringGrid1", at(8, 366, 192, 110) + [("ColCount", i(3)), ("RowCount", i(4)), ("DefaultColWidth", i(56))]),
    rec("TImage", "Image1", at(8, 484, 64, 64) + [("Stretch", b(True)), ("Picture.Data", picture(bmp(32, 32)))]),
    rec("TShape", "Shape1", at(80, 484, 56, 64) + [("Shape", ident("stEllipse")), ("Brush.Color", ident("clYellow"))]),
    rec("TBevel", "Bevel1", at(144, 484, 56, 64) + [("Style", ident("bsRaised"))]),
]
split = rec("TPanel", "SplitPanel", at(216, 8, 260, 96) + [("Caption", s("")), ("BevelOuter", ident("bvLowered"))], [
    rec("TPanel", "LeftPanel", at(1, 1, 90, 94) + [("Align", ident("alLeft")), ("Caption", s("Left"))]),
    rec("TSplitter", "Splitter1", at(91, 1, 4, 94)),
    rec("TPanel", "RightPanel", at(95, 1, 164, 94) + [("Align", ident("alClient")), ("Caption", s("Splitter between"))]),
])
col2 = [
    split,
    rec("TPageControl", "PageControl1", at(216, 112, 260, 100) + [("ActivePage", ident("TabSheet1"))], [
        rec("TTabSheet", "TabSheet1", [("Caption", s("Page control"))], [
            rec("TLabel", "Label2", at(8, 8, 120, 13) + [("Caption", s("A page with a label"))])]),
        rec("TTabSheet", "TabSheet2", [("Caption", s("Second"))]),
    ]),
    rec("TRichEdit", "RichEdit1", at(216, 220, 260, 64) + [("Lines.Strings", strings("Rich edit", "holds formatted text"))]),
    rec("TTrackBar", "TrackBar1", at(216, 292, 260, 33) + [("Position", i(3))]),
    rec("TProgressBar", "ProgressBar1", at(216, 333, 228, 17) + [("Position", i(60))]),
    rec("TUpDown", "UpDown1", at(452, 330, 24, 24) + [("Position", i(5))]),
    rec("TMonthCalendar", "MonthCalendar1", at(216, 362, 260, 186) + [("Date", extended(37973.47198440972))]),
]
col3 = [
    rec("TListView", "ListView1", at(492, 8, 240, 112) + [("ViewStyle", ident("vsReport")),
        ("Columns", collection([("Caption", s("List view")), ("Width", i(120))], [("Caption", s("Size")), ("Width", i(80))]))]),
    rec("TTreeView", "TreeView1", at(492, 128, 240, 120) + [("Indent", i(19))]),
    rec("TMediaPlayer", "MediaPlayer1", at(492, 256, 253, 30)),
    rec("TOleContainer", "OleContainer1", at(492, 294, 240, 80) + [("Caption", s("OLE container"))]),
    rec("TColorGrid", "ColorGrid1", at(492, 382, 96, 96) + [("ForegroundIndex", i(4)), ("BackgroundIndex", i(9))]),
]
col4 = [
    rec("TDirectoryOutline", "DirectoryOutline1", at(752, 8, 232, 240)),
    rec("TShellListView", "ShellListView1", at(752, 256, 232, 292) + [
        ("ObjectTypes", ident_set("otFolders", "otNonFolders")), ("Sorted", b(True)),
        ("Root", s("C:\\windows"))]),
]
form = rec("TForm", "Controls", [("Caption", s("Designable controls")), ("ClientWidth", i(992)), ("ClientHeight", i(556)),
                                  ("Left", i(20)), ("Top", i(20))],
           col1 + col2 + col3 + col4)
print(document(form))
