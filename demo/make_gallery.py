#!/usr/bin/env python3
# Generates demo/gallery.json: the gallery's stored layout.
from layoutgen import *
panel = rec("TPanel", "Panel1", bounds(8, 8, 360, 150) + [("Caption", s("")), ("BevelOuter", ident("bvLowered"))], [
    rec("TLabel", "Label1", bounds(12, 10, 120, 16) + [("Caption", s("A label on a panel"))]),
    rec("TSpeedButton", "SpeedButton1", bounds(12, 40, 60, 28) + [("Caption", s("One")), ("GroupIndex", i(1)), ("Down", b(True))]),
    rec("TSpeedButton", "SpeedButton2", bounds(76, 40, 60, 28) + [("Caption", s("Two")), ("GroupIndex", i(1))]),
    rec("TEdit", "Edit1", bounds(12, 80, 160, 24) + [("Text", s("An edit box"))]),
    rec("TButton", "Button1", bounds(190, 40, 150, 28) + [("Caption", s("A button"))]),
    rec("TBitBtn", "BitBtn1", bounds(190, 80, 150, 30) + [("Kind", ident("bkHelp"))]),
])
memo = rec("TMemo", "Memo1", bounds(8, 168, 360, 110) + [("Lines.Strings", strings("A memo", "holds lines", "of text."))])
combo = rec("TComboBox", "ComboBox1", bounds(384, 8, 180, 24) + [("Text", s("Combo box")), ("Items.Strings", strings("First", "Second", "Third"))])
combo2 = rec("TComboBox", "ComboBox2", bounds(576, 8, 176, 24) + [("Style", ident("csDropDownList")), ("Items.Strings", strings("Drop-down list", "Other")), ("ItemIndex", i(0))])
grid = rec("TStringGrid", "StringGrid1", bounds(384, 44, 368, 234) + [("ColCount", i(4)), ("RowCount", i(8))])
scroll = rec("TScrollBox", "ScrollBox1", bounds(8, 290, 360, 220), [
    rec("TLabel", "Label2", bounds(8, 8, 200, 16) + [("Caption", s("A scroll box"))]),
    rec("TButton", "Button2", bounds(8, 300, 120, 28) + [("Caption", s("Below the fold"))]),
])
image = rec("TImage", "Image1", bounds(384, 290, 120, 120) + [("Stretch", b(True)), ("Picture.Data", picture(bmp(32, 32)))])
menu = {"class": "TMainMenu", "name": "MainMenu1", "properties": [], "children": [
    rec("TMenuItem", "File1", [("Caption", s("&File"))], [
        rec("TMenuItem", "Open1", [("Caption", s("&Open..."))]),
        rec("TMenuItem", "N1", [("Caption", s("-"))]),
        rec("TMenuItem", "Exit1", [("Caption", s("E&xit"))])]),
    rec("TMenuItem", "Help1", [("Caption", s("&Help"))], [
        rec("TMenuItem", "About1", [("Caption", s("&About"))])])]}
label3 = rec("TLabel", "Label3", bounds(520, 296, 220, 60) + [("Caption", s("Labels wrap their words when WordWrap is on.")), ("WordWrap", b(True)), ("AutoSize", b(False))])
form = rec("TForm", "Gallery", [("Caption", s("Toolkit gallery")), ("ClientWidth", i(760)), ("ClientHeight", i(520)),
                                 ("Left", i(40)), ("Top", i(40)), ("Menu", ident("MainMenu1"))],
           [menu, panel, memo, combo, combo2, grid, scroll, image, label3])
print(document(form))
