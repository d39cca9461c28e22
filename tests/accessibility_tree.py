#!/usr/bin/python3
"""The real program's accessibility tree as a screen reader reads it (AT-SPI).

  accessibility_tree.py DRIVER PAGES READY   (READY: made once the reader listens)

The window, its menu bar, and for each page scenario of PAGES in Swedish and English the
fields and buttons named, the texts in reading order and the description change after the
scenario's keys, each as the driver's "names", "read" and "said" give them (pinned by the
transcripts and, against the canvas, by the page snapshots).
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

drive, pages, ready = sys.argv[1:4]
said = []


def fail(message):
    sys.exit(f"FAIL: {message}")


def pump():
    while GLib.MainContext.default().iteration(False):
        pass


def wait_for(what, get, want):
    for _ in range(100):
        pump()
        got = get()
        if got == want:
            return
        time.sleep(0.1)
    fail(f"{what}: {got!r}, not {want!r}")


def children(node):
    # A child the page took away between the two questions is None.
    return [c for c in map(node.get_child_at_index, range(node.get_child_count())) if c is not None]


def find(node, role, name=None):
    """The first object of the role (and name) under node, depth first."""
    for child in children(node):
        if child.get_role() == role and name in (None, child.get_name()):
            return child
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def driver(script):
    return subprocess.run([drive], input=script, capture_output=True, text=True,
                          check=True).stdout.splitlines()


listener = Atspi.EventListener.new(lambda event: said.append(event.source.get_description()))
listener.register("object:property-change:accessible-description")
# Listening before the program starts: it learns of the listeners as it
# joins the bus, and of those added later only some time after.
open(ready, "w").close()
app = None
for _ in range(300):
    desktop = Atspi.get_desktop(0)
    app = next((a for a in children(desktop) if a and a.get_name() == "selvaquin"), None)
    if app is not None:
        break
    time.sleep(0.1)
frame = find(app, Atspi.Role.FRAME) if app else None
if frame is None or frame.get_name() != os.environ["SELVAQUIN_TITLE"]:
    fail(f"no window {os.environ['SELVAQUIN_TITLE']} in the tree")
client = find(frame, Atspi.Role.FILLER)
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Selvaquin v2601", "windowfocus",
                "--sync"], check=True, capture_output=True)


def menu_items():
    bar = find(frame, Atspi.Role.MENU_BAR)
    return [item.get_name() for popup in children(bar) for item in children(find(popup, Atspi.Role.POPUP_MENU))
            if item.get_role() == Atspi.Role.MENU_ITEM]


def choose(name):
    item = find(find(frame, Atspi.Role.MENU_BAR), Atspi.Role.MENU_ITEM, name)
    if item is None:
        fail(f"no menu item {name}")
    item.do_action(0)


def showing(pick):
    """The client area's children showing whose role pick takes."""
    return [c for c in children(client) if pick(c.get_role()) and c.get_state_set().contains(Atspi.StateType.SHOWING)]


def shown(pick):
    return [c.get_name() for c in showing(pick)]


def controls():
    """Fields, then buttons."""
    return " | ".join(shown(lambda r: r == Atspi.Role.TEXT) +
                      shown(lambda r: r not in (Atspi.Role.TEXT, Atspi.Role.LABEL)))


for language, switch in (("sv", ""), ("en", "command 2102\n")):
    if switch:
        choose("English")
    listed = [line[5:].split(" ", 1) for line in driver(switch + "menus\n") if line.startswith("item ")]
    wait_for(f"the menu items ({language})", menu_items, [text.strip('"') for _, text in listed])
    items = {number: text.strip('"') for number, text in listed}
    for scenario in open(pages, encoding="utf-8"):
        if scenario.startswith("#") or not scenario.strip():
            continue
        page, *steps = scenario.split()
        script = "\n".join(s.replace(":", " ", 1) for s in steps)
        # The driver plays the same from its start: in English after the
        # page's Swedish round, which leaves it its fields' texts and results.
        again = f"command {page}\n{script}\ncommand 2102\ncommand {page}\n" if switch else f"command {page}\n"
        names, read, told = driver(f"{again}names\n{script}\nread\nsaid\n")
        choose(items[page])
        wait_for(f"page {page} ({language}): fields and buttons", controls, names)
        # The keys go to the first field, wherever the page before left the focus.
        fields = showing(lambda r: r == Atspi.Role.TEXT)
        first = fields[0]
        first.grab_focus()
        wait_for(f"page {page} ({language}): the first field focused",
                 lambda: first.get_state_set().contains(Atspi.StateType.FOCUSED), True)
        said.clear()
        for step in steps:
            kind, text = step.split(":", 1)
            if kind == "click":
                box = next(c for c in showing(lambda r: True) if c.get_name() == text).get_extents(Atspi.CoordType.SCREEN)
                subprocess.run(["xdotool", "mousemove", "--sync", str(box.x + 8), str(box.y + box.height // 2),
                                "click", "1"], check=True)
            else:
                subprocess.run(["xdotool", kind, "--delay", "40", text], check=True)
            time.sleep(0.3)  # each step handled before the next, as a user's are
        wait_for(f"page {page} ({language}): texts", lambda: " | ".join(shown(lambda r: r == Atspi.Role.LABEL)), read)
        told = told.replace(" / ", "\n")
        focus = lambda: next(c for c in fields if c.get_state_set().contains(Atspi.StateType.FOCUSED))
        wait_for(f"page {page} ({language}): the focused field's description", lambda: focus().get_description(),
                 told)
        # New results are announced (in English the Swedish round's, the same, are not new).
        if not switch and told not in said:
            fail(f"page {page}: no description change announced {told!r}, only {said!r}")
print("ok: the window, the menu bar and every page's fields, texts and announcement in both languages")
