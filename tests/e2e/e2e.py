#!/usr/bin/env python3
"""End-to-end tests of formwright.exe: the real program under Wine on the X
display, driven with real pointer and keyboard input through xdotool. Menus are
opened by mouse, the open and save dialogs answered by typing, message boxes
found by their text and dismissed. Results are checked through what a user
sees or keeps: window titles, the saved design files (fwstream to-json) and
screenshots kept as artifacts.

    e2e.py FORMWRIGHT.EXE FWSTREAM.EXE PROBE.EXE ARTIFACT_DIR
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

EXE, FWSTREAM, PROBE, ARTIFACTS = (os.path.abspath(a) for a in sys.argv[1:5])
MAIN, DESIGN = "Formwright 3.0", "Form1"


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(predicate, what, timeout=30.0):
    """Polls until predicate() gives a true value and returns it."""
    end = time.time() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.time() > end:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.2)


def run(args, timeout=60):
    """Runs a command with its output through files, not pipes: Wine's
    background services would inherit a pipe and hold it open."""
    with tempfile.TemporaryFile("w+") as out, tempfile.TemporaryFile("w+") as err:
        done = subprocess.run(args, stdout=out, stderr=err, stdin=subprocess.DEVNULL, timeout=timeout)
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(args, done.returncode, out.read(), err.read())


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


# --- observing -------------------------------------------------------------------

def probe(*args):
    out = run(["wine", PROBE, *args]).stdout
    rows = []
    for line in out.splitlines():
        parts = line.split("\t")
        try:
            rect = tuple(int(v) for v in parts[0].split())
        except ValueError:
            continue  # the rest of a text that holds a line break
        if len(rect) == 4:
            rows.append((rect, *parts[1:]))
    return rows


def top_window(title):
    for rect, _cls, text in probe("windows"):
        if text == title:
            return rect
    return None


def child(title, text):
    for row in probe("children", title):
        if row[2] == text:
            return row[0]
    return None


def children(title):
    return probe("children", title)


def centre(rect):
    return ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)


def screenshot(name):
    os.makedirs(ARTIFACTS, exist_ok=True)
    run(["import", "-window", "root", os.path.join(ARTIFACTS, name + ".png")])


def pixels(rect):
    """The screen's pixels inside the rectangle, as raw bytes."""
    left, top, right, bottom = rect
    with tempfile.TemporaryDirectory() as tmp:
        path = os.path.join(tmp, "region.ppm")
        run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (right - left, bottom - top, left, top), path])
        with open(path, "rb") as f:
            return f.read()


def grab_handles(title):
    """Grab handles are the 6 by 6 windows on the design surface."""
    return [r[0] for r in children(title) if r[0][2] - r[0][0] == 6 and r[0][3] - r[0][1] == 6]


def design_file(path):
    out = run(["wine", FWSTREAM, "to-json", windows_path(path)])
    check(out.returncode == 0, "fwstream could not read %s: %s" % (path, out.stderr))
    return json.loads(out.stdout)


def component(doc, name):
    for c in doc["components"]:
        if c["name"] == name:
            return c
    raise Failure("no component %s in the design file" % name)


def prop(comp, name):
    for key, value in comp["properties"]:
        if key == name:
            return value["value"]
    return None


# --- input -------------------------------------------------------------------------

def xdo(*args):
    run(["xdotool", *[str(a) for a in args]])


def move(x, y):
    xdo("mousemove", x, y)
    time.sleep(0.05)


def click(x, y, button=1):
    move(x, y)
    xdo("click", button)
    time.sleep(0.3)


def drag(start, by, steps=4):
    x, y = start
    move(x, y)
    xdo("mousedown", 1)
    time.sleep(0.2)
    for i in range(1, steps + 1):
        move(x + by[0] * i // steps, y + by[1] * i // steps)
        time.sleep(0.1)
    xdo("mouseup", 1)
    time.sleep(0.5)


def type_text(text):
    xdo("type", "--delay", 30, text)
    time.sleep(0.2)


def key(name):
    xdo("key", name)
    time.sleep(0.3)


# Where the main window's menu bar items stand: pixels right of the window's
# left edge, for "File", "Project" and "Help".
MENU_BAR_X = (20, 63, 108)


def popup_open():
    return any(cls == "#32768" for _rect, cls, _text in probe("windows"))


def menu(bar_index, item_index):
    """Opens a menu of the main window by mouse on its bar, then picks the
    item with the arrow keys and Enter (item_index counts items, not
    separators)."""
    main = wait_for(lambda: top_window(MAIN), "the main window")
    edit1 = wait_for(lambda: child(MAIN, "Form1") or child(MAIN, "Form1abc"), "the caption edit")
    client_top = edit1[1] - 56  # the edit stands at 0, 56 in the client area
    click(main[0] + MENU_BAR_X[bar_index], client_top - 10)
    wait_for(popup_open, "the open menu")
    for _ in range(item_index + 1):
        key("Down")
    key("Return")
    wait_for(lambda: not popup_open(), "the menu to close")


def answer_file_dialog(title, path):
    wait_for(lambda: top_window(title), "the %s dialog" % title)
    time.sleep(0.5)
    type_text(windows_path(path))
    key("Return")
    wait_for(lambda: not top_window(title), "the %s dialog to close" % title)


def dismiss_box(text, title="Formwright"):
    """Finds the message box showing text and presses its OK button."""
    def ok_button():
        if not any(row[2] == text for row in children(title)):
            return None
        return child(title, "OK")
    ok = wait_for(ok_button, 'a message box saying "%s"' % text)
    click(*centre(ok))
    wait_for(lambda: not top_window(title), "the message box to close")


# --- the program -------------------------------------------------------------------

class Program:
    def __init__(self, folder):
        self.log = open(os.path.join(ARTIFACTS, "formwright-%d.log" % time.time_ns()), "w")
        exe = os.path.join(folder, os.path.basename(EXE))
        self.process = subprocess.Popen(["wine", exe], cwd=folder, stdout=self.log, stderr=self.log)

    def wait_started(self):
        wait_for(lambda: top_window(MAIN), "the main window")
        wait_for(lambda: top_window(DESIGN), "the design window")
        wait_for(lambda: child(DESIGN, "Sign in"), "newform.bin on the design window")
        time.sleep(0.5)

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=30)
        wait_for(lambda: not top_window(MAIN), "the program to end")
        self.log.close()


def started_program():
    program = Program(os.path.dirname(EXE))
    program.wait_started()
    return program


# --- scenarios -----------------------------------------------------------------------

def start_up_shows_both_windows_with_the_starting_design(work):
    program = started_program()
    try:
        check(top_window(MAIN)[:2] == (229, 0), "the main window stands at 229, 0")
        check(child(DESIGN, "Remember me"), "the starting design's check box is there")
        check(top_window(MAIN), "the main window is there")
        screenshot("start-up")
    finally:
        program.stop()


def a_missing_starting_design_is_reported_once(work):
    folder = os.path.join(work, "bare")
    os.makedirs(folder)
    shutil.copy(EXE, folder)
    program = Program(folder)
    try:
        expected = windows_path(os.path.join(folder, "newform.bin")) + " can not be read"
        wait_for(lambda: top_window("Formwright"), "the error box")
        texts = [row[2] for row in children("Formwright")]
        screenshot("missing-newform")
        check(expected in texts, "the box says %r, not %r" % (expected, texts))
        dismiss_box(expected)
        time.sleep(2)
        check(not top_window("Formwright"), "the error is shown once")
        check(not child(DESIGN, "Sign in"), "the design window is empty")
    finally:
        program.stop()


def save(path):
    menu(0, 2)  # File, Save As
    answer_file_dialog("Save As", path)
    wait_for(lambda: os.path.exists(path), "the saved file")
    time.sleep(0.3)
    return design_file(path)


def a_drag_moves_by_grid_steps_and_a_handle_resizes(work):
    program = started_program()
    try:
        button = child(DESIGN, "Sign in")
        x, y = centre(button)
        drag((x, y), (21, 9))
        screenshot("moved")
        doc = save(os.path.join(work, "moved.bin"))
        # The pointer's place on the stage snaps to the grid of 8 at the press
        # and at the release; the button moves by the difference.
        px, py = 104 + x - button[0], 128 + y - button[1]
        dx, dy = (px + 21) // 8 * 8 - px // 8 * 8, (py + 9) // 8 * 8 - py // 8 * 8
        b1 = component(doc, "Button1")
        check((prop(b1, "Left"), prop(b1, "Top")) == (104 + dx, 128 + dy),
              "moved by whole grid steps: %s, %s" % (prop(b1, "Left"), prop(b1, "Top")))
        # Select it again (saving clears the selection) and drag the
        # bottom-right handle 13 right and 5 down: 8 wider, as high as before.
        button = child(DESIGN, "Sign in")
        click(button[0] + 10, button[1] + 5)
        # Grab handles are the 6 by 6 windows; the bottom-right one is lowest
        # and furthest right.
        handles = grab_handles(DESIGN)
        check(len(handles) == 1, "the selected button has one grab handle, not %d" % len(handles))
        hx, hy = max(handles, key=lambda r: r[0] + r[1])[:2]
        drag((hx, hy), (13, 5))
        screenshot("resized")
        doc = save(os.path.join(work, "resized.bin"))
        b1 = component(doc, "Button1")
        check((prop(b1, "Width"), prop(b1, "Height")) == (75 + 8, 25),
              "resized on the grid: %s x %s" % (prop(b1, "Width"), prop(b1, "Height")))
    finally:
        program.stop()


def run_makes_the_form_live_and_the_switch_brings_design_back(work):
    program = started_program()
    try:
        edits = [r for r in children(DESIGN) if r[1].endswith("EDIT") and r[2] == ""]
        check(edits, "the design has its edits")
        name_edit = min(edits, key=lambda r: r[0][1])[0]
        menu(1, 0)  # Project, Run
        click(*centre(name_edit))
        type_text("alice")
        wait_for(lambda: child(DESIGN, "alice"), "the typed text in the live edit")
        # A press on a live button pushes it in, and selects nothing.
        button = child(DESIGN, "Sign in")
        inside = (button[0] + 2, button[1] + 2, button[2] - 2, button[3] - 2)
        before = pixels(inside)
        move(*centre(button))
        xdo("mousedown", 1)
        try:
            wait_for(lambda: pixels(inside) != before, "the live button looking pressed")
            screenshot("button-pressed")
        finally:
            xdo("mouseup", 1)
        check(not grab_handles(DESIGN), "a press on a live button selects nothing")
        screenshot("running")
        doc = save(os.path.join(work, "running.bin"))
        check(prop(component(doc, "Edit1"), "Text") == "alice", "the live edit took the text")
        # The switch turns design mode back on. It has no window of its own:
        # it sits at the client's top-left corner, 56 pixels above the
        # caption edit.
        edit1 = child(MAIN, "Form1")
        check(edit1, "the caption edit is there")
        switch_at = (edit1[0] + 16, edit1[1] - 56 + 16)
        click(*switch_at)
        time.sleep(0.5)
        click(name_edit[0] + 20, name_edit[1] + 8)
        type_text("bob")
        time.sleep(1)
        check(not child(DESIGN, "alicebob") and not child(DESIGN, "bob"), "in design mode the edit takes no keys")
        doc = save(os.path.join(work, "designing.bin"))
        check(prop(component(doc, "Edit1"), "Text") == "alice", "the text stays as it was")
    finally:
        program.stop()


def save_as_then_open_round_trips_the_design(work):
    program = started_program()
    try:
        button = child(DESIGN, "Cancel")
        drag(centre(button), (40, 24))
        first = os.path.join(work, "first.bin")
        doc = save(first)
        menu(0, 0)  # File, New: the starting design again
        wait_for(lambda: child(DESIGN, "Cancel") and child(DESIGN, "Cancel")[0] == button[0], "the starting design")
        menu(0, 1)  # File, Open
        answer_file_dialog("Open", first)
        moved = wait_for(lambda: child(DESIGN, "Cancel"), "the opened design")
        check(moved[0] == button[0] + 40, "the opened design has the moved button")
        second = os.path.join(work, "second.bin")
        check(save(second) == doc, "saved again, the same design")
        with open(first, "rb") as a, open(second, "rb") as b:
            check(a.read() == b.read(), "the same bytes")
        screenshot("reopened")
    finally:
        program.stop()


def the_caption_edit_renames_the_design_window_letter_by_letter(work):
    program = started_program()
    try:
        edit1 = child(MAIN, "Form1")
        click(edit1[2] - 4, centre(edit1)[1])
        key("End")
        for n, letter in enumerate("abc", 1):
            type_text(letter)
            wait_for(lambda: top_window("Form1" + "abc"[:n]), "the caption Form1" + "abc"[:n])
    finally:
        program.stop()


def of_class(title, cls):
    for row in children(title):
        if row[1] == cls:
            return row[0]
    return None


def palette_drawing_and_the_clipboard_keys(work):
    program = started_program()
    try:
        # The palette's first tool is the button; tools stand 33 pixels apart
        # from 40 pixels right of the palette's left edge.
        palette = of_class(MAIN, "FwTDsnPanel")
        stage = of_class(DESIGN, "FwTDsnStage")
        check(palette and stage, "the palette and the design surface are there")
        click(palette[0] + 40 + 16, palette[1] + 16)
        drag((stage[0] + 24, stage[1] + 168), (72, 24))
        drawn = lambda: [r for r in children(DESIGN) if r[2] == "Dpst_TButton"]
        wait_for(lambda: len(drawn()) == 1, "the drawn button")
        screenshot("drawn")
        # The new button is selected: copy it, click the empty surface (a
        # button holds no controls, so nothing is pasted into one) and paste.
        key("ctrl+c")
        click(stage[0] + 300, stage[1] + 180)
        key("ctrl+v")
        wait_for(lambda: len(drawn()) == 2, "the pasted copy")
        screenshot("pasted")
        # The copy is selected now: Delete takes it away again.
        key("Delete")
        wait_for(lambda: len(drawn()) == 1, "the copy deleted")
        # The palette is back at the pointer: a click on the surface makes
        # nothing.
        click(stage[0] + 300, stage[1] + 180)
        time.sleep(0.5)
        check(len(drawn()) == 1, "a click after drawing draws nothing")
        doc = save(os.path.join(work, "drawn.bin"))
        # Button1 and Button2 are the starting design's: the drawn one is
        # Button3, its pasted copy was Button4.
        b3 = component(doc, "Button3")
        check([prop(b3, k) for k in ("Left", "Top", "Width", "Height")] == [24, 168, 72, 24],
              "the drawn button's bounds: %s" % [prop(b3, k) for k in ("Left", "Top", "Width", "Height")])
        check(prop(b3, "Caption") == "Dpst_TButton", "the prototype's caption came along")
        check(not any(c["name"] == "Button4" for c in doc["components"]), "the deleted copy is gone")
    finally:
        program.stop()


def all_components(doc):
    """Every component of a design, nested ones too."""
    pending = list(doc["components"])
    while pending:
        c = pending.pop()
        pending.extend(c.get("children", []))
        yield c


def palette_tool(palette, n):
    """The centre of the palette's tool n: ten a row, 33 pixels apart, from 40
    pixels right of the palette's left edge."""
    return (palette[0] + 40 + 33 * (n % 10) + 16, palette[1] + 33 * (n // 10) + 16)


def keys_held(held, action):
    """Runs action with the modifier keys held down on the X display."""
    for k in held:
        xdo("keydown", k)
    try:
        action()
    finally:
        for k in reversed(held):
            xdo("keyup", k)
        time.sleep(0.2)


def every_palette_class_round_trips_through_save_as_and_open(work):
    program = started_program()
    try:
        palette = of_class(MAIN, "FwTDsnPanel")
        stage = of_class(DESIGN, "FwTDsnStage")
        check(palette and stage, "the palette and the design surface are there")
        # Thirty cells of 40 by 24 beside and below the starting design:
        # two columns on the left of it, three on its right.
        cells = [(x, y) for y in range(8, 152, 24) for x in (8, 48, 280, 320, 360)]
        for n, (x, y) in enumerate(cells):
            # Some classes have no window of their own, and some align
            # themselves to an edge: a drawn control is seen by the grab
            # handle of the new selection.
            before = grab_handles(DESIGN)
            click(*palette_tool(palette, n))
            drag((stage[0] + x, stage[1] + y), (32, 16), steps=2)
            wait_for(lambda: grab_handles(DESIGN) not in ([], before), "control %d drawn" % (n + 1))
        # Windows of the design itself: the grab handle is not one.
        designed = lambda: len(children(DESIGN)) - len(grab_handles(DESIGN))
        before = designed()
        screenshot("thirty-classes")
        first = os.path.join(work, "thirty.bin")
        doc = save(first)
        start = design_file(os.path.join(os.path.dirname(EXE), "newform.bin"))
        known = {c["name"] for c in all_components(start)}
        drawn = [c for c in all_components(doc) if c["name"] not in known]
        classes = sorted({c["class"] for c in drawn})
        check(len(drawn) == 30 and len(classes) == 30,
              "thirty controls of thirty classes drawn, not %d of %s" % (len(drawn), classes))
        menu(0, 0)  # File, New
        wait_for(lambda: designed() < before, "the starting design again")
        menu(0, 1)  # File, Open
        answer_file_dialog("Open", first)
        wait_for(lambda: designed() == before, "the opened design")
        second = os.path.join(work, "thirty-again.bin")
        again = save(second)
        changed = [c["name"] for c in all_components(doc) if c not in list(all_components(again))]
        check(again == doc, "every class came back as it was saved, not %s" % changed)
        with open(first, "rb") as a, open(second, "rb") as b:
            check(a.read() == b.read(), "the same bytes")
        screenshot("thirty-reopened")
    finally:
        program.stop()


def bounds_of(doc, name):
    return tuple(prop(component(doc, name), k) for k in ("Left", "Top", "Width", "Height"))


def band_shift_click_group_move_and_group_resize(work):
    program = started_program()
    try:
        stage = of_class(DESIGN, "FwTDsnStage")
        sign_in, cancel = child(DESIGN, "Sign in"), child(DESIGN, "Cancel")
        start = design_file(os.path.join(os.path.dirname(EXE), "newform.bin"))
        b1, b2 = bounds_of(start, "Button1"), bounds_of(start, "Button2")
        # A band from the empty surface below the buttons up across both.
        drag((sign_in[0] + 8, stage[3] - 12), (cancel[2] - sign_in[0] - 16, sign_in[1] + 6 - (stage[3] - 12)))
        wait_for(lambda: len(grab_handles(DESIGN)) == 2, "a handle on each banded button")
        screenshot("banded")
        # Both move together by the press's grid steps.
        drag(centre(sign_in), (16, 24))
        doc = save(os.path.join(work, "group-moved.bin"))
        m1, m2 = bounds_of(doc, "Button1"), bounds_of(doc, "Button2")
        dx, dy = m1[0] - b1[0], m1[1] - b1[1]
        check(dx != 0 and dx % 8 == 0 and dy % 8 == 0, "moved by grid steps: %s, %s" % (dx, dy))
        check(m2 == (b2[0] + dx, b2[1] + dy, b2[2], b2[3]), "the other button went along: %s" % (m2,))
        check(bounds_of(doc, "CheckBox1") == bounds_of(start, "CheckBox1"), "the check box was not banded")
        # Saving cleared the selection: Sign in, then Shift+click Cancel to
        # add it and the check box twice to add and remove it again.
        sign_in, cancel, box = child(DESIGN, "Sign in"), child(DESIGN, "Cancel"), child(DESIGN, "Remember me")
        click(sign_in[0] + 10, sign_in[1] + 5)
        keys_held(["shift"], lambda: click(cancel[0] + 10, cancel[1] + 5))
        wait_for(lambda: len(grab_handles(DESIGN)) == 2, "Shift+click added Cancel")
        keys_held(["shift"], lambda: click(box[0] + 60, box[1] + 5))
        wait_for(lambda: len(grab_handles(DESIGN)) == 3, "Shift+click added the check box")
        keys_held(["shift"], lambda: click(box[0] + 100, box[1] + 5))
        wait_for(lambda: len(grab_handles(DESIGN)) == 2, "Shift+click took the check box away")
        # Sign in's handle drags 40 right: both buttons grow in proportion.
        handles = grab_handles(DESIGN)
        hx, hy = min(handles, key=lambda r: r[0])[:2]
        drag((hx + 2, hy + 2), (40, 0))
        screenshot("group-resized")
        doc = save(os.path.join(work, "group-resized.bin"))
        r1, r2 = bounds_of(doc, "Button1"), bounds_of(doc, "Button2")
        check(r1[2] == m1[2] + 40 and r1[3] == m1[3], "the dragged button grew by the drag: %s" % (r1,))
        # The other one had the same size: scaled alike, then its size snapped
        # down to the grid.
        check((r2[2], r2[3]) == (r1[2] // 8 * 8, r1[3] // 8 * 8), "the other grew alike: %s against %s" % (r2, r1))
        check(bounds_of(doc, "CheckBox1") == bounds_of(start, "CheckBox1"), "the removed check box kept its size")
    finally:
        program.stop()


def cut_paste_and_a_right_press(work):
    program = started_program()
    try:
        stage = of_class(DESIGN, "FwTDsnStage")
        cancel = child(DESIGN, "Cancel")
        # A right press selects the control; the design window's surface has
        # no popup of its own, so no menu opens.
        click(cancel[0] + 10, cancel[1] + 5, button=3)
        wait_for(lambda: len(grab_handles(DESIGN)) == 1, "the right-pressed button selected")
        time.sleep(0.5)
        check(not popup_open(), "no popup menu opened")
        key("ctrl+x")
        wait_for(lambda: not child(DESIGN, "Cancel"), "the cut button gone")
        screenshot("cut")
        click(stage[0] + 24, stage[1] + 180)
        key("ctrl+v")
        wait_for(lambda: child(DESIGN, "Cancel"), "the button pasted back")
        doc = save(os.path.join(work, "cut-and-pasted.bin"))
        pasted = [c for c in all_components(doc) if prop(c, "Caption") == "Cancel"]
        check(len(pasted) == 1, "one Cancel button after cut and paste")
    finally:
        program.stop()


def copy_in_one_running_copy_and_paste_in_another(work):
    first = started_program()
    second = None
    try:
        # The first copy's design window is renamed, so that the second
        # copy's windows can be told apart by their titles.
        edit1 = child(MAIN, "Form1")
        click(edit1[2] - 4, centre(edit1)[1])
        key("End")
        type_text("x")
        wait_for(lambda: top_window("Form1x"), "the first copy's design window renamed")
        sign_in = child("Form1x", "Sign in")
        click(sign_in[0] + 10, sign_in[1] + 5)
        key("ctrl+c")
        folder = os.path.join(work, "second")
        os.makedirs(folder)
        for name in (os.path.basename(EXE), "newform.bin"):
            shutil.copy(os.path.join(os.path.dirname(EXE), name), folder)
        second = Program(folder)
        second.wait_started()
        stage = of_class(DESIGN, "FwTDsnStage")
        click(stage[0] + 24, stage[1] + 180)
        key("ctrl+v")
        wait_for(lambda: len([r for r in children(DESIGN) if r[2] == "Sign in"]) == 2, "the copy pasted")
        screenshot("pasted-from-another-copy")
        doc = save(os.path.join(work, "pasted-across.bin"))
        captions = [prop(c, "Caption") for c in all_components(doc)]
        check(captions.count("Sign in") == 2, "the second copy holds the pasted button: %s" % captions)
        names = [c["name"] for c in all_components(doc)]
        check(len(names) == len(set(names)), "every name is unique: %s" % names)
    finally:
        if second:
            second.process.kill()
            second.process.wait(timeout=30)
            second.log.close()
        first.stop()


SCENARIOS = [
    start_up_shows_both_windows_with_the_starting_design,
    a_missing_starting_design_is_reported_once,
    a_drag_moves_by_grid_steps_and_a_handle_resizes,
    run_makes_the_form_live_and_the_switch_brings_design_back,
    save_as_then_open_round_trips_the_design,
    the_caption_edit_renames_the_design_window_letter_by_letter,
    palette_drawing_and_the_clipboard_keys,
    every_palette_class_round_trips_through_save_as_and_open,
    band_shift_click_group_move_and_group_resize,
    cut_paste_and_a_right_press,
    copy_in_one_running_copy_and_paste_in_another,
]


def main():
    os.makedirs(ARTIFACTS, exist_ok=True)
    only = os.environ.get("FW_E2E_ONLY")
    failed = 0
    for scenario in SCENARIOS:
        if only and only not in scenario.__name__:
            continue
        work = tempfile.mkdtemp(prefix="fw-e2e-")
        started = time.time()
        try:
            scenario(work)
            print("PASS %s (%.1f s)" % (scenario.__name__, time.time() - started), flush=True)
        except Exception:
            failed += 1
            screenshot("failed-" + scenario.__name__)
            print("FAIL %s\n%s" % (scenario.__name__, traceback.format_exc()), flush=True)
            run(["pkill", "-f", os.path.basename(EXE)])
        finally:
            shutil.rmtree(work, ignore_errors=True)
    print("%d scenario(s) failed" % failed if failed else "all scenarios passed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
