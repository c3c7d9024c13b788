#!/usr/bin/env python3
# Generates the stored layouts of the application's windows (the JSON form of
# component records, embedded in formwright.exe as resources) and the design
# file newform.bin that lies beside the program:
#   make_layouts.py OUTDIR
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.abspath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "demo"))
sys.path.insert(0, os.path.join(ROOT, "app", "glyphs"))

from layoutgen import b, bitmap, bounds, document, extended, i, ident, ident_set, rec, s, strings  # noqa: E402
from make_glyphs import glyph_bmp  # noqa: E402
from streamgen import design_file  # noqa: E402

PALETTE_GROUP = 2301


def font(name, height):
    return [("Font.Name", s(name)), ("Font.Height", i(height))]


def glyph(name):
    return ("Glyph.Data", bitmap(glyph_bmp(name)))


# The palette: (class, hint, prototype settings beyond bounds 0, 0, 50, 50).
PALETTE = [
    ("TButton", "Button - Used to push for an action", [("Caption", s("Dpst_TButton"))]),
    ("TEdit", "Text Box - Used for input", [("Height", i(21)), ("Text", s("Dpst_TEdit"))]),
    ("TLabel", "Label - Used for comments", [("Width", i(61)), ("Height", i(13)), ("Caption", s("Dpst_TLabel"))]),
    ("TPanel", "Panel - Used for frames and designs", [("Caption", s("Dpst_TPanel"))]),
    ("TMemo", "Memo - Used for general text", [("Lines.Strings", strings("Dpst_TM", "emo"))]),
    ("TCheckBox", "Check Box - Used for a boolean result of Yes or No", [("Caption", s("Dpst_TCheckBox"))]),
    ("TRadioButton", "Radio Button - Used for a choice of many radio buttons", [("Caption", s("Dpst_TRadioButton"))]),
    ("TListBox", "List Box - Used for listing items", [("ItemHeight", i(13))]),
    ("TComboBox", "Combo Box - Used for selecting a choice of something",
     [("Height", i(21)), ("ItemHeight", i(13)), ("Text", s("Dpst_TComboBox"))]),
    ("TScrollBar", "Scroll Bar - Used when space is tight and to navigate", [("PageSize", i(0))]),
    ("TBitBtn", "Bit Button - Used for a button but with an image", [("Caption", s("Dpst_TBitBtn"))]),
    ("TSpeedButton", "Speed Button - Used as a button but can't be set selected", []),
    ("TStringGrid", "String Grid - Used for organizing data", []),
    ("TImage", "Image - Used for displaying pictures", []),
    ("TShape", "Shape - Used for a general drawn object for graphing or planning", []),
    ("TBevel", "Bevel - Used also for cool frames", []),
    ("TSplitter", "Splitter - Used to split one side of the window from another",
     [("Left", i(1)), ("Top", i(1)), ("Height", i(48))]),
    ("TPageControl", "Tab - Used for diving controls into sections", []),
    ("TRichEdit", "Rich Edit - Used for editing Rich Text Files", [("Lines.Strings", strings("Dpst_TR", "ichEdit"))]),
    ("TTrackBar", "Track Bar - Used to get a value of something", []),
    ("TProgressBar", "Progress Bar - Used to show the progression of an action", []),
    ("TUpDown", "Spin Button - Used to increase/decrease a number", []),
    ("TMonthCalendar", "Calendar - Used to show the month or calendar",
     [("Width", i(197)), ("Height", i(153)), ("Date", extended(37973.47198440972))]),
    ("TTreeView", "Tree View - Displays (Read-Only) listings in a tree-like style", [("Indent", i(19))]),
    ("TListView", "List View - Used for organizing items in a (Read-Only) style", []),
    ("TMediaPlayer", "Media Player - Used for playing different types of sounds or media", [("Width", i(253))]),
    ("TOleContainer", "OLE Container - Used for OLE objects", [("Caption", s("Dpst_TOleContainer"))]),
    ("TColorGrid", "Color Grid - Used for displaying multi-colors in a grid-like style",
     [("Width", i(48)), ("Height", i(48))]),
    ("TDirectoryOutline", "Directory Outline - Used for displaying folders in a tree-like style",
     [("ItemHeight", i(13)), ("Options", ident_set("ooDrawFocusRect")), ("PictureLeaf.Data", bitmap(glyph_bmp("TDirectoryOutline")))]),
    ("TShellListView", "Shell List View - Used for a Windows-Explorer file-like view",
     [("ObjectTypes", ident_set("otFolders", "otNonFolders")), ("Root", s("rfDesktop")), ("Sorted", b(True)),
      ("ReadOnly", b(False)), ("HideSelection", b(False))]),
]

# Classes without a window of their own take no tab order.
GRAPHIC = {"TLabel", "TSpeedButton", "TImage", "TShape", "TBevel", "TSplitter"}


def merged_bounds(settings):
    """Bounds 0, 0, 50, 50 with the prototype's own Left, Top, Width, Height."""
    place = {"Left": 0, "Top": 0, "Width": 50, "Height": 50}
    rest = []
    for name, value in settings:
        if name in place:
            place[name] = value["value"]
        else:
            rest.append((name, value))
    return bounds(place["Left"], place["Top"], place["Width"], place["Height"]), rest


def prototypes():
    out, tab = [], 0
    for cls, _hint, settings in PALETTE:
        place, rest = merged_bounds(settings)
        props = place + rest
        if cls not in GRAPHIC:
            props.append(("TabOrder", i(tab)))
            tab += 1
        out.append(rec(cls, "Dpst_" + cls, props))
    return out


def palette_buttons():
    buttons = [rec("TArrowButton", "ArrowButton1", bounds(0, 0, 33, 33) + [
        ("Enabled", b(False)), ("Hint", s("Cursor - Just a temporary spot")), ("ShowHint", b(True)),
        ("GroupIndex", i(PALETTE_GROUP)), glyph("ARROWBUTTON")])]
    for n, (cls, hint, _settings) in enumerate(PALETTE):
        left, top = 40 + 33 * (n % 10), 33 * (n // 10)
        buttons.append(rec("TDsnButton", "DsnButton%d" % (n + 1), bounds(left, top, 33, 33) + [
            ("Enabled", b(False)), ("Hint", s(hint)), ("ShowHint", b(True)), ("GroupIndex", i(PALETTE_GROUP)),
            glyph(cls), ("Layout", ident("blGlyphTop")), ("GeneName", s("Dpst_" + cls))]))
    return buttons


def menu_item(name, caption, handler=None, children=()):
    props = [("Caption", s(caption))]
    if handler:
        props.append(("OnClick", ident(handler)))
    return rec("TMenuItem", name, props, children)


def main_window():
    menu = rec("TMainMenu", "MainMenu1", [], [
        menu_item("File1", "File", children=[
            menu_item("New1", "New", "New1Click"),
            menu_item("Open1", "Open", "Open1Click"),
            menu_item("SaveAs1", "Save As", "SaveAs1Click"),
            menu_item("N1", "-"),
            menu_item("Exit1", "Exit", "Exit1Click"),
        ]),
        menu_item("Project1", "Project", children=[menu_item("Run1", "Run", "Run1Click")]),
        menu_item("Help1", "Help", children=[menu_item("About1", "About...", "About1Click")]),
    ])
    return rec("TForm1", "Form1", [
        ("Left", i(229)), ("Top", i(0)), ("Width", i(464)), ("Height", i(156)),
        ("Caption", s("Formwright 3.0")),
        ("Constraints.MaxHeight", i(156)), ("Constraints.MinHeight", i(156)), ("Constraints.MinWidth", i(464)),
        *font("MS Sans Serif", -11), ("Menu", ident("MainMenu1")), ("OnShow", ident("FormShow")),
    ], [
        rec("TDsnSwitch", "DsnSwitch1", bounds(0, 0, 33, 33) + [
            ("Hint", s("Design Off/On")), ("AllowAllUp", b(True)), ("GroupIndex", i(2302)), glyph("DSNSWITCH"),
            ("DsnRegister", ident("Form2.DsnRSRegister1")), ("DsnMessageFlg", b(False)),
            ("DsnMessage", s("Now, Starting Design"))]),
        rec("TLabel", "Label1", bounds(0, 40, 60, 11) + [("Caption", s("Form Caption:")), *font("Small Fonts", -9)]),
        rec("TSpeedButton", "SpeedButton1", bounds(34, 0, 33, 33) + [
            ("Hint", s("Builds the Program")), ("ShowHint", b(True)), glyph("BUILD")]),
        rec("TSpeedButton", "SpeedButton2", bounds(8, 80, 41, 17) + [
            ("Caption", s("Click Me!")), *font("Small Fonts", -8), ("Visible", b(False)),
            ("OnClick", ident("SpeedButton2Click"))]),
        rec("TPanel", "DsnDpstPanel", bounds(-100, -100, 50, 50) + [("Caption", s("DsnDpstPanel")), ("TabOrder", i(0))],
            prototypes()),
        rec("TScrollBox", "ScrollBox1", bounds(72, 0, 377, 99) + [("BorderStyle", ident("bsNone")), ("TabOrder", i(1))], [
            rec("TDsnPanel", "DsnPanel1", bounds(3, 0, 374, 99) + [
                ("BevelOuter", ident("bvNone")), ("TabOrder", i(0)),
                ("BtnWidth", i(90)), ("BtnHeight", i(50)), ("BtnCaption", b(True))], palette_buttons()),
        ]),
        rec("TEdit", "Edit1", bounds(0, 56, 113, 21) + [("Text", s("Form1")), ("TabOrder", i(2)),
                                                        ("OnChange", ident("Edit1Change"))]),
        menu,
        rec("TOpenDialog", "OpenDialog1", []),
        rec("TSaveDialog", "SaveDialog1", []),
        rec("TActionList", "ActionList1", [], [
            rec("TAction", "Action1", [("Caption", s("Action1")), ("ShortCut", i(8313)),
                                       ("OnExecute", ident("Action1Execute"))])]),
    ])


def design_window():
    return rec("TForm2", "Form2", [
        ("Left", i(321)), ("Top", i(168)), ("Width", i(401)), ("Height", i(239)), ("Caption", s("Form1")),
        *font("MS Sans Serif", -11),
    ], [
        rec("TDsnStage", "DsnStage1", bounds(0, 0, 393, 205) + [
            ("Align", ident("alClient")), ("BevelOuter", ident("bvNone")), ("TabOrder", i(0)),
            ("Rubberband.Color", ident("clRed")), ("Rubberband.PenWidth", i(2)),
            ("Rubberband.MoveWidth", i(8)), ("Rubberband.MoveHeight", i(8)),
            ("FixPosition", b(False)), ("FixSize", b(False))]),
        rec("TColorDialog", "ColorDialog1", []),
        rec("TFontDialog", "FontDialog1", font("MS Sans Serif", -11)),
        rec("TDsnRSRegister", "DsnRSRegister1", [
            ("DsnStage", ident("DsnStage1")), ("DsnPanel", ident("Form1.DsnPanel1")),
            ("ArrowButton", ident("Form1.ArrowButton1"))]),
    ])


def about_box():
    return rec("TAboutBox", "AboutBox", [
        ("Left", i(200)), ("Top", i(120)), ("Width", i(300)), ("Height", i(160)), ("Caption", s("About")),
        ("BorderStyle", ident("bsDialog")), *font("MS Sans Serif", -11)], [
        rec("TLabel", "ProductName", bounds(16, 16, 260, 13) + [("Caption", s("Formwright 3.0"))]),
        rec("TLabel", "Comments", bounds(16, 40, 260, 13) + [("Caption", s("A run-time form designer"))]),
        rec("TButton", "OKButton", bounds(104, 80, 75, 25) + [("Caption", s("OK")), ("Default", b(True)),
                                                             ("ModalResult", i(1)), ("TabOrder", i(0))]),
    ])


def string_editor():
    return rec("TForm4", "Form4", [
        ("Left", i(192)), ("Top", i(114)), ("Width", i(473)), ("Height", i(302)), ("Caption", s("String Editor")),
        *font("MS Sans Serif", -11)], [
        rec("TPanel", "Panel1", bounds(8, 8, 450, 219) + [
            ("Anchors", ident_set("akLeft", "akTop", "akRight", "akBottom")), ("BevelInner", ident("bvRaised")),
            ("BevelOuter", ident("bvLowered")), ("TabOrder", i(0))], [
            rec("TMemo", "Memo1", bounds(8, 8, 433, 201) + [("TabOrder", i(0))])]),
        rec("TButton", "Button1", bounds(8, 234, 75, 25) + [
            ("Caption", s("OK")), ("Anchors", ident_set("akLeft", "akBottom")), ("TabOrder", i(1)),
            ("OnClick", ident("Button1Click"))]),
        rec("TButton", "Button2", bounds(88, 234, 75, 25) + [
            ("Caption", s("Cancel")), ("Anchors", ident_set("akLeft", "akBottom")), ("TabOrder", i(2)),
            ("OnClick", ident("Button2Click"))]),
    ])


def hidden_form():
    return rec("TForm5", "Form5", [
        ("Left", i(250)), ("Top", i(150)), ("Width", i(320)), ("Height", i(200)), ("Caption", s("Form5")),
        *font("MS Sans Serif", -11)], [
        rec("TLabel", "Label1", bounds(16, 16, 280, 13) + [("Caption", s("You found the hidden form."))]),
    ])


def new_form():
    """The design loaded at start-up: a small sign-in form."""
    return [
        rec("TLabel", "Label1", bounds(24, 24, 64, 13) + [("Caption", s("User name:"))]),
        rec("TLabel", "Label2", bounds(24, 64, 64, 13) + [("Caption", s("Password:"))]),
        rec("TEdit", "Edit1", bounds(104, 20, 160, 21) + [("Text", s("")), ("TabOrder", i(0))]),
        rec("TEdit", "Edit2", bounds(104, 60, 160, 21) + [("Text", s("")), ("TabOrder", i(1))]),
        rec("TCheckBox", "CheckBox1", bounds(104, 96, 160, 17) + [("Caption", s("Remember me")), ("TabOrder", i(2))]),
        rec("TButton", "Button1", bounds(104, 128, 75, 25) + [("Caption", s("Sign in")), ("TabOrder", i(3))]),
        rec("TButton", "Button2", bounds(189, 128, 75, 25) + [("Caption", s("Cancel")), ("TabOrder", i(4))]),
    ]


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_layouts.py OUTDIR")
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, form in [("main", main_window()), ("design", design_window()), ("about", about_box()),
                       ("strings", string_editor()), ("hidden", hidden_form())]:
        with open(os.path.join(out, name + ".json"), "w") as f:
            f.write(document(form))
    with open(os.path.join(out, "newform.bin"), "wb") as f:
        f.write(design_file(new_form()))


if __name__ == "__main__":
    main()
