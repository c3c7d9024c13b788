#!/usr/bin/env python3
"""The palette's glyphs, drawn from readable source.

Each glyph is a small drawing made of a few primitives (filled and framed
rectangles, lines, circles, letters of a tiny pixel font) on a canvas; the
drawings below are the source, the bitmaps are built from them.

Use from a layout generator:
    from make_glyphs import glyph_bmp, CLASS_NAMES
    data = glyph_bmp("TButton")      # a 24-bit bitmap file image (bytes)

Use as a build step:
    make_glyphs.py OUTDIR            # OUTDIR/<NAME>.bmp and OUTDIR/glyphs.rc

The resource script names each bitmap by its upper-case name: one per control
class ("TBUTTON", ...), "TCOMPONENT" for a class without a glyph of its own,
"ARROWBUTTON" for the pointer button, "DSNSWITCH" for the design switch and
"BUILD" for the build button.
"""
import os
import struct
import sys

# Colours as (red, green, blue).
FACE = (192, 192, 192)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
LIGHT = (224, 224, 224)
NAVY = (0, 0, 128)
BLUE = (0, 0, 255)
SKY = (128, 192, 255)
RED = (192, 0, 0)
GREEN = (0, 160, 0)
DARKGREEN = (0, 96, 0)
YELLOW = (255, 224, 0)
OLIVE = (128, 128, 0)
BROWN = (160, 96, 32)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)

# A 3x5 pixel font for the few letters the glyphs use.
FONT = {
    "A": ["010", "101", "111", "101", "101"],
    "B": ["110", "101", "110", "101", "110"],
    "E": ["111", "100", "110", "100", "111"],
    "L": ["100", "100", "100", "100", "111"],
    "O": ["111", "101", "101", "101", "111"],
    "X": ["101", "101", "010", "101", "101"],
    "a": ["000", "011", "101", "101", "011"],
    "b": ["100", "110", "101", "101", "110"],
    "1": ["010", "110", "010", "010", "111"],
}


class Canvas:
    def __init__(self, width, height, background=FACE):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle with corners (x0, y0) and (x1, y1), both included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def raised(self, x0, y0, x1, y1, face=FACE):
        """A 3-D raised box: light top and left, dark bottom and right."""
        self.fill(x0, y0, x1, y1, face)
        self.line(x0, y0, x1, y0, WHITE)
        self.line(x0, y0, x0, y1, WHITE)
        self.line(x0, y1, x1, y1, BLACK)
        self.line(x1, y0, x1, y1, BLACK)
        self.line(x0 + 1, y1 - 1, x1 - 1, y1 - 1, GREY)
        self.line(x1 - 1, y0 + 1, x1 - 1, y1 - 1, GREY)

    def sunken(self, x0, y0, x1, y1, face=WHITE):
        """A 3-D sunken field, as edits and lists have."""
        self.fill(x0, y0, x1, y1, face)
        self.line(x0, y0, x1, y0, GREY)
        self.line(x0, y0, x0, y1, GREY)
        self.line(x0 + 1, y0 + 1, x1 - 1, y0 + 1, BLACK)
        self.line(x0 + 1, y0 + 1, x0 + 1, y1 - 1, BLACK)
        self.line(x0, y1, x1, y1, WHITE)
        self.line(x1, y0, x1, y1, WHITE)

    def disc(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r // 2:
                    self.dot(x, y, colour)

    def circle(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = (x - cx) ** 2 + (y - cy) ** 2
                if r * r - r <= d <= r * r + r:
                    self.dot(x, y, colour)

    def text(self, x, y, letters, colour, scale=1):
        for ch in letters:
            for row, bits in enumerate(FONT[ch]):
                for col, bit in enumerate(bits):
                    if bit == "1":
                        self.fill(x + col * scale, y + row * scale, x + col * scale + scale - 1,
                                  y + row * scale + scale - 1, colour)
            x += 4 * scale

    def arrow_up(self, cx, top, size, colour):
        for i in range(size):
            self.line(cx - i, top + i, cx + i, top + i, colour)

    def arrow_down(self, cx, top, size, colour):
        for i in range(size):
            self.line(cx - (size - 1 - i), top + i, cx + (size - 1 - i), top + i, colour)

    def arrow_left(self, left, cy, size, colour):
        for i in range(size):
            self.line(left + i, cy - i, left + i, cy + i, colour)

    def arrow_right(self, left, cy, size, colour):
        for i in range(size):
            self.line(left + i, cy - (size - 1 - i), left + i, cy + (size - 1 - i), colour)

    def check(self, x, y, colour):
        """A check mark 7 pixels wide, starting at (x, y + 2)."""
        for dy in (0, 1):
            self.line(x, y + 2 + dy, x + 2, y + 4 + dy, colour)
            self.line(x + 2, y + 4 + dy, x + 6, y + dy, colour)

    def bmp(self):
        """The canvas as a 24-bit bitmap file image, rows bottom-up."""
        stride = (self.width * 3 + 3) & ~3
        bits = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            bits += line + bytes(stride - len(line))
        header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(bits), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
        return header + info + bytes(bits)


def text_lines(c, x0, x1, y0, count, gap=3, colours=(BLACK,)):
    for i in range(count):
        c.line(x0, y0 + i * gap, x1 - (i % 3) * 2, y0 + i * gap, colours[i % len(colours)])


# ---- one drawing per control class -------------------------------------------------

def draw_button(c):  # a button with its caption bar
    c.raised(1, 6, 22, 17)
    c.fill(6, 11, 17, 12, BLACK)


def draw_edit(c):  # a field with text and a caret
    c.sunken(1, 7, 22, 16)
    c.text(4, 9, "ab", BLACK)
    c.line(13, 9, 13, 14, BLACK)


def draw_label(c):  # a big letter A
    c.line(4, 20, 11, 3, BLACK)
    c.line(5, 20, 12, 3, BLACK)
    c.line(12, 3, 19, 20, BLACK)
    c.line(13, 3, 20, 20, BLACK)
    c.fill(8, 13, 16, 14, BLACK)


def draw_panel(c):  # a raised frame with an inner lowered bevel
    c.raised(1, 3, 22, 20)
    c.frame(4, 6, 19, 17, GREY)
    c.line(5, 17, 19, 17, WHITE)
    c.line(19, 6, 19, 17, WHITE)


def draw_memo(c):  # many lines of text and a scroll bar
    c.sunken(1, 1, 22, 22)
    text_lines(c, 4, 16, 5, 6)
    c.fill(18, 3, 20, 20, FACE)
    c.fill(18, 6, 20, 9, GREY)


def draw_checkbox(c):  # a ticked box and its caption
    c.sunken(1, 7, 10, 16)
    c.check(3, 9, BLACK)
    c.line(13, 12, 22, 12, BLACK)


def draw_radiobutton(c):  # a chosen round button and its caption
    c.disc(6, 12, 5, WHITE)
    c.circle(6, 12, 5, GREY)
    c.disc(6, 12, 2, BLACK)
    c.line(14, 12, 22, 12, BLACK)


def draw_listbox(c):  # rows, one of them selected
    c.sunken(1, 1, 22, 22)
    for i, y in enumerate(range(5, 20, 4)):
        if i == 1:
            c.fill(3, y - 1, 20, y + 1, NAVY)
            c.line(5, y, 16, y, WHITE)
        else:
            c.line(5, y, 16, y, BLACK)


def draw_combobox(c):  # a field with a drop-down button
    c.sunken(1, 7, 22, 16)
    c.line(4, 11, 11, 11, BLACK)
    c.raised(14, 9, 20, 14)
    c.arrow_down(17, 11, 3, BLACK)


def draw_scrollbar(c):  # a bar with arrows at both ends and a thumb
    c.fill(1, 8, 22, 15, LIGHT)
    c.raised(1, 8, 7, 15)
    c.arrow_left(3, 11, 3, BLACK)
    c.raised(16, 8, 22, 15)
    c.arrow_right(18, 11, 3, BLACK)
    c.raised(9, 8, 13, 15)


def draw_bitbtn(c):  # a button with a green tick beside its caption
    c.raised(1, 5, 22, 18)
    c.check(4, 8, GREEN)
    c.fill(13, 11, 19, 12, BLACK)


def draw_speedbutton(c):  # a small square tool button with a yellow bolt
    c.raised(3, 3, 20, 20)
    c.line(13, 5, 8, 12, OLIVE)
    c.line(8, 12, 15, 11, OLIVE)
    c.line(15, 11, 10, 18, OLIVE)
    c.line(12, 6, 9, 11, YELLOW)
    c.line(14, 12, 11, 16, YELLOW)


def draw_stringgrid(c):  # a grid with a grey fixed row and column
    c.fill(1, 1, 22, 22, WHITE)
    c.fill(1, 1, 22, 5, FACE)
    c.fill(1, 1, 6, 22, FACE)
    for v in (1, 6, 11, 16, 22):
        c.line(v, 1, v, 22, BLACK)
    for h in (1, 5, 9, 13, 17, 22):
        c.line(1, h, 22, h, BLACK)


def draw_image(c):  # a picture: sky, sun and a green hill
    c.fill(1, 2, 22, 21, SKY)
    c.disc(16, 7, 3, YELLOW)
    for x in range(1, 23):
        top = 14 + abs(x - 8) // 3
        c.line(x, top, x, 21, GREEN)
    c.frame(1, 2, 22, 21, BLACK)


def draw_shape(c):  # a red circle over a blue square
    c.fill(2, 2, 13, 13, BLUE)
    c.frame(2, 2, 13, 13, BLACK)
    c.disc(15, 15, 6, RED)
    c.circle(15, 15, 6, BLACK)


def draw_bevel(c):  # an etched frame
    c.frame(2, 4, 20, 19, GREY)
    c.frame(3, 5, 21, 20, WHITE)


def draw_splitter(c):  # two panes, a bar between them, arrows both ways
    c.fill(1, 2, 9, 21, WHITE)
    c.fill(14, 2, 22, 21, WHITE)
    c.frame(1, 2, 22, 21, BLACK)
    c.raised(10, 2, 13, 21)
    c.arrow_left(3, 11, 4, NAVY)
    c.arrow_right(17, 11, 4, NAVY)


def draw_pagecontrol(c):  # tabs above a page
    c.raised(1, 7, 22, 21)
    c.fill(2, 3, 9, 8, FACE)
    c.line(2, 3, 9, 3, WHITE)
    c.line(2, 3, 2, 8, WHITE)
    c.line(9, 3, 9, 7, BLACK)
    c.line(10, 5, 16, 5, WHITE)
    c.line(16, 5, 16, 6, BLACK)
    c.line(2, 7, 9, 7, FACE)


def draw_richedit(c):  # text in colours and sizes
    c.sunken(1, 1, 22, 22)
    c.text(4, 4, "A", RED, 1)
    c.line(9, 8, 19, 8, BLUE)
    c.line(9, 7, 19, 7, BLUE)
    text_lines(c, 4, 19, 12, 3, 3, (GREEN, BLACK, PURPLE))


def draw_trackbar(c):  # a groove, ticks and a pointed thumb
    c.sunken(2, 9, 21, 12, WHITE)
    for x in range(3, 22, 3):
        c.line(x, 18, x, 20, BLACK)
    c.raised(9, 5, 13, 14)
    c.arrow_down(11, 14, 3, BLACK)


def draw_progressbar(c):  # a frame partly filled with blocks
    c.sunken(1, 8, 22, 15, WHITE)
    for x in range(3, 15, 4):
        c.fill(x, 10, x + 2, 13, NAVY)


def draw_updown(c):  # an up and a down button stacked
    c.raised(6, 1, 17, 11)
    c.arrow_up(11, 4, 4, BLACK)
    c.raised(6, 12, 17, 22)
    c.arrow_down(11, 15, 4, BLACK)


def draw_monthcalendar(c):  # a month page with a red header and days
    c.fill(1, 2, 22, 21, WHITE)
    c.fill(1, 2, 22, 6, RED)
    c.frame(1, 2, 22, 21, BLACK)
    for row in range(4):
        for col in range(5):
            c.fill(3 + col * 4, 9 + row * 3, 4 + col * 4, 9 + row * 3, BLACK)
    c.frame(10, 11, 13, 13, BLUE)


def draw_treeview(c):  # nodes joined by tree lines
    c.fill(1, 1, 22, 22, WHITE)
    c.line(4, 5, 4, 19, GREY)
    for y in (9, 14, 19):
        c.line(4, y, 9, y, GREY)
    c.fill(2, 2, 6, 6, NAVY)
    for y in (9, 14, 19):
        c.fill(10, y - 1, 13, y + 1, TEAL)
        c.line(16, y, 20, y, BLACK)
    c.frame(1, 1, 22, 22, BLACK)


def draw_listview(c):  # four large icons with captions
    c.fill(1, 1, 22, 22, WHITE)
    for x, y, colour in ((3, 3, BLUE), (13, 3, RED), (3, 13, GREEN), (13, 13, YELLOW)):
        c.fill(x + 1, y, x + 5, y + 4, colour)
        c.frame(x + 1, y, x + 5, y + 4, BLACK)
        c.line(x, y + 7, x + 6, y + 7, GREY)
    c.frame(1, 1, 22, 22, BLACK)


def draw_mediaplayer(c):  # play and stop buttons side by side
    c.raised(0, 5, 11, 18)
    c.arrow_right(4, 11, 4, DARKGREEN)
    c.raised(12, 5, 23, 18)
    c.fill(15, 9, 20, 14, BLACK)


def draw_olecontainer(c):  # a box holding the letters OLE
    c.fill(1, 4, 22, 19, WHITE)
    c.frame(1, 4, 22, 19, BLACK)
    c.frame(2, 5, 21, 18, TEAL)
    c.text(6, 9, "OLE", NAVY)


def draw_colorgrid(c):  # sixteen coloured squares
    colours = [BLACK, RED, GREEN, OLIVE, NAVY, PURPLE, TEAL, GREY,
               FACE, (255, 0, 0), (0, 255, 0), YELLOW, BLUE, (255, 0, 255), (0, 255, 255), WHITE]
    for i, colour in enumerate(colours):
        x, y = 2 + (i % 4) * 5, 2 + (i // 4) * 5
        c.fill(x, y, x + 4, y + 4, colour)
    c.frame(1, 1, 22, 22, BLACK)


def folder(c, x, y, colour=YELLOW):
    c.fill(x, y + 1, x + 6, y + 5, colour)
    c.fill(x, y, x + 2, y, colour)
    c.frame(x, y + 1, x + 6, y + 5, OLIVE)


def draw_directoryoutline(c):  # folders inside folders
    c.fill(1, 1, 22, 22, WHITE)
    folder(c, 2, 2)
    c.line(5, 8, 5, 18, GREY)
    c.line(5, 12, 8, 12, GREY)
    c.line(5, 18, 8, 18, GREY)
    folder(c, 9, 9)
    folder(c, 9, 15)
    c.frame(1, 1, 22, 22, BLACK)


def draw_shelllistview(c):  # a list of folders and files with names
    c.fill(1, 1, 22, 22, WHITE)
    for y in (3, 10):
        folder(c, 3, y)
        c.line(12, y + 3, 20, y + 3, BLACK)
    c.fill(4, 17, 8, 21, WHITE)
    c.frame(4, 17, 8, 21, GREY)
    c.line(12, 19, 20, 19, BLACK)
    c.frame(1, 1, 22, 22, BLACK)


def draw_component(c):  # a class without a glyph of its own: a box with a gear
    c.raised(2, 2, 21, 21)
    c.disc(11, 11, 6, GREY)
    for dx, dy in ((0, -7), (0, 7), (-7, 0), (7, 0)):
        c.fill(11 + dx - 1, 11 + dy - 1, 11 + dx + 1, 11 + dy + 1, GREY)
    c.disc(11, 11, 2, FACE)


def draw_switch(c):  # design on/off: a pencil over a ruler
    c.fill(2, 17, 21, 21, YELLOW)
    c.frame(2, 17, 21, 21, BLACK)
    for x in range(4, 21, 3):
        c.line(x, 17, x, 18, BLACK)
    for i in range(10):
        c.line(5 + i, 14 - i, 7 + i, 14 - i, RED)
    c.line(4, 15, 4, 15, BLACK)
    c.line(15, 4, 17, 4, GREY)


def draw_build(c):  # build: a hammer over the word EXE
    c.fill(6, 2, 20, 7, GREY)
    c.frame(6, 2, 20, 7, BLACK)
    c.fill(12, 8, 14, 18, BROWN)
    c.frame(12, 8, 14, 18, BLACK)
    c.text(5, 21, "EXE", NAVY, 2)


def draw_arrow(c):  # the pointer button: a mouse pointer
    rows = [
        "X.........",
        "XX........",
        "XWX.......",
        "XWWX......",
        "XWWWX.....",
        "XWWWWX....",
        "XWWWWWX...",
        "XWWWWWWX..",
        "XWWWWWWWX.",
        "XWWWWWXXXX",
        "XWWXWWX...",
        "XWX.XWWX..",
        "XX..XWWX..",
        "X....XWWX.",
        ".....XWWX.",
        "......XX..",
    ]
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "X":
                c.dot(x, y, BLACK)
            elif ch == "W":
                c.dot(x, y, WHITE)


# The designable classes in the order the application registers them, each
# with its drawing.
CLASS_GLYPHS = [
    ("TButton", draw_button), ("TEdit", draw_edit), ("TLabel", draw_label), ("TPanel", draw_panel),
    ("TMemo", draw_memo), ("TCheckBox", draw_checkbox), ("TRadioButton", draw_radiobutton),
    ("TListBox", draw_listbox), ("TComboBox", draw_combobox), ("TScrollBar", draw_scrollbar),
    ("TBitBtn", draw_bitbtn), ("TSpeedButton", draw_speedbutton), ("TStringGrid", draw_stringgrid),
    ("TImage", draw_image), ("TShape", draw_shape), ("TBevel", draw_bevel), ("TSplitter", draw_splitter),
    ("TPageControl", draw_pagecontrol), ("TRichEdit", draw_richedit), ("TTrackBar", draw_trackbar),
    ("TProgressBar", draw_progressbar), ("TUpDown", draw_updown), ("TMonthCalendar", draw_monthcalendar),
    ("TTreeView", draw_treeview), ("TListView", draw_listview), ("TMediaPlayer", draw_mediaplayer),
    ("TOleContainer", draw_olecontainer), ("TColorGrid", draw_colorgrid),
    ("TDirectoryOutline", draw_directoryoutline), ("TShellListView", draw_shelllistview),
]
CLASS_NAMES = [name for name, _ in CLASS_GLYPHS]

# Every glyph by upper-case resource name: (width, height, drawing).
GLYPHS = {name.upper(): (24, 24, draw) for name, draw in CLASS_GLYPHS}
GLYPHS.update({
    "TCOMPONENT": (24, 24, draw_component),
    "DSNSWITCH": (24, 24, draw_switch),
    "BUILD": (32, 32, draw_build),
    "ARROWBUTTON": (10, 16, draw_arrow),
})


def glyph_bmp(name):
    """The bitmap file image of a glyph by class or resource name (any case);
    a class without a glyph of its own gets the TCOMPONENT one."""
    width, height, draw = GLYPHS.get(name.upper(), GLYPHS["TCOMPONENT"])
    canvas = Canvas(width, height)
    draw(canvas)
    return canvas.bmp()


def write_resources(outdir):
    """Writes <NAME>.bmp for every glyph and glyphs.rc naming them."""
    os.makedirs(outdir, exist_ok=True)
    lines = ["// Generated from make_glyphs.py: the palette's glyph bitmaps."]
    for name in GLYPHS:
        with open(os.path.join(outdir, name + ".bmp"), "wb") as f:
            f.write(glyph_bmp(name))
        path = os.path.abspath(os.path.join(outdir, name + ".bmp")).replace(os.sep, "/")
        lines.append('%s BITMAP "%s"' % (name, path))
    with open(os.path.join(outdir, "glyphs.rc"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_glyphs.py OUTDIR")
    write_resources(sys.argv[1])
