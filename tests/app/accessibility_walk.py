#!/usr/bin/python3
"""Kolvira as a screen reader meets it: through AT-SPI, with the keyboard.

accessibility_walk.py KOLVIRA

Run inside xvfb-run and, within it, dbus-run-session. Starts the accessibility bus and
Kolvira on a photo of a new folder (a Mosaic), then opens a photo window
(Enter), the Paint and Photo Editor dialogs (Alt+V and their mnemonics) and
the help (F1), whose links it reaches with Tab and follows. After each step
it walks every window of the program and fails on a null child, an
interactive object without a name, and on the objects that must describe
themselves when they do not. Debian's python3
runs it: AT-SPI is reached through python3-gi.
"""
import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402
from PIL import Image  # noqa: E402

R = Atspi.Role
INTERACTIVE = {
    R.PUSH_BUTTON, R.TOGGLE_BUTTON, R.CHECK_BOX, R.RADIO_BUTTON, R.SLIDER, R.SPIN_BUTTON,
    R.TEXT, R.ENTRY, R.COMBO_BOX, R.LIST, R.LIST_ITEM, R.MENU, R.MENU_ITEM, R.CHECK_MENU_ITEM,
    R.RADIO_MENU_ITEM, R.PAGE_TAB, R.LINK, R.IMAGE,
}
WINDOWS = {R.DIALOG, R.FRAME, R.WINDOW}
ALT = 1 << 3  # Mod1

KEYS = {"Return": 0xFF0D, "Escape": 0xFF1B, "F1": 0xFFBE, "Tab": 0xFF09}


def press(key, modifiers=0):
    if modifiers:
        Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.LOCKMODIFIERS)
    keysym = KEYS.get(key) or ord(key)
    Atspi.generate_keyboard_event(keysym, None, Atspi.KeySynthType.SYM)
    if modifiers:
        Atspi.generate_keyboard_event(modifiers, None, Atspi.KeySynthType.UNLOCKMODIFIERS)
    time.sleep(0.3)


def click(accessible):
    """With no window manager the keyboard goes to the window last clicked."""
    box = accessible.get_extents(Atspi.CoordType.SCREEN)
    Atspi.generate_mouse_event(box.x + box.width // 2, box.y + box.height // 2, "b1c")
    time.sleep(0.3)


class Node:
    def __init__(self, accessible, path):
        self.accessible = accessible
        self.path = path
        self.role = accessible.get_role()
        self.name = accessible.get_name() or ""
        self.description = accessible.get_description() or ""
        states = accessible.get_state_set()
        self.focusable = states.contains(Atspi.StateType.FOCUSABLE)


def walk(accessible, path, nodes, problems):
    """Every object under `accessible`, collected in `nodes`."""
    for i in range(accessible.get_child_count()):
        child = accessible.get_child_at_index(i)
        where = f"{path}/{i}"
        if child is None or child.get_role() == R.INVALID:
            problems.append(f"{where}: null child")
            continue
        node = Node(child, f"{path}/{child.get_role_name()} {child.get_name()!r}")
        nodes.append(node)
        walk(child, node.path, nodes, problems)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Kolvira":
            return app
    return None


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.25)
    for window in snapshot(application())[0]:
        if window.role in WINDOWS:
            print(f"window {window.name!r}")
    sys.exit(f"timed out waiting for {what}")


def snapshot(app):
    nodes, problems = [], []
    walk(app, "", nodes, problems)
    for node in nodes:
        if (node.role in INTERACTIVE or node.focusable) and not node.name.strip():
            problems.append(f"{node.path}: interactive and unnamed")
    return nodes, problems


def with_role(nodes, role, name=None):
    return [n for n in nodes if n.role == role and (name is None or n.name == name)]


def window_titled(app, title):
    return next((n for n in snapshot(app)[0] if n.role in WINDOWS and
                 (n.name == title or n.name.endswith("/" + title))), None)


def check_mosaic(nodes):
    lists = with_role(nodes, R.LIST)
    items = with_role(nodes, R.LIST_ITEM)
    yield bool(lists) and all(n.name for n in lists), "the Mosaic list is named"
    yield bool(items) and all("48" in n.description for n in items), \
        "Mosaic entries describe the photo's size"


def check_photo(nodes):
    images = with_role(nodes, R.IMAGE)
    yield any("p0.png" in n.name + n.description for n in images), \
        "the photo view is an image that names its photo"


def check_paint(nodes):
    groups = [n for n in nodes if n.name == "Art of Drawing"]
    radios = [n for n in with_role(nodes, R.RADIO_BUTTON)
              if n.path.startswith(groups[0].path + "/")] if groups else []
    yield len(radios) == 7, "the seven styles sit in the group \"Art of Drawing\""
    names = {n.name for n in with_role(nodes, R.SLIDER)}
    yield {"Pen press:", "Details:"} <= names, "the sliders are named by their labels"


def check_photo_editor(nodes):
    names = {n.name for n in with_role(nodes, R.SLIDER)}
    yield {"Red:", "Green:", "Blue:", "Brightness:"} <= names, \
        "the sliders are named by their labels"
    yield not any("  " in n.name for n in nodes), "no name holds a run of spaces"
    swatches = [n for n in nodes if n.focusable and "colour" in n.name.lower() and
                "red" in n.description.lower()]
    yield len(swatches) == 2, "both swatches take the focus and describe their colour"


def check_help(nodes):
    yield bool(with_role(nodes, R.FRAME, "Kolvira Help")), "the help is a window"
    links = with_role(nodes, R.LINK)
    yield len(links) >= 9 and all(n.name and n.accessible.get_n_actions() for n in links), \
        "the help's links are links, named by their text, that can be pressed"
    # Tab from the page's top goes to its first link.
    box = with_role(nodes, R.TEXT, "Help text")[0].accessible.get_extents(Atspi.CoordType.SCREEN)
    Atspi.generate_mouse_event(box.x + 8, box.y + 8, "b1c")
    press("Tab")
    yield links and links[0].accessible.get_state_set().contains(Atspi.StateType.FOCUSED), \
        "Tab goes to the first link"
    printing = with_role(links, R.LINK, "Printing")
    top = printing[0].accessible.get_extents(Atspi.CoordType.SCREEN).y if printing else 0
    yield printing and printing[0].accessible.do_action(0), "pressing a link succeeds"
    time.sleep(0.3)
    yield printing and printing[0].accessible.get_extents(Atspi.CoordType.SCREEN).y < top, \
        "pressing a link of the contents scrolls to its part"


def check(stage, app, checks=None):
    nodes, problems = snapshot(app)
    menus = with_role(nodes, R.MENU_ITEM)
    if len([n for n in menus if n.name]) < 20:
        problems.append("the menus cannot be read")
    for passed, what in (checks(nodes) if checks else []):
        if not passed:
            problems.append(what)
    for problem in problems:
        print(f"{stage}: {problem}")
    return len(problems)


def main():
    kolvira = sys.argv[1]
    work = tempfile.mkdtemp(prefix="kolvira-a11y-")
    photos = os.path.join(work, "photos")
    os.makedirs(photos)
    for i, colour in enumerate(["red", "green", "blue"]):
        Image.new("RGB", (64, 48), colour).save(os.path.join(photos, f"p{i}.png"))
    env = dict(os.environ, HOME=work, XDG_CONFIG_HOME=os.path.join(work, "config"),
               XDG_CACHE_HOME=os.path.join(work, "cache"), QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # Asking for the desktop starts the accessibility bus, which Qt looks for
    # as it starts.
    Atspi.get_desktop(0).get_child_count()
    program = subprocess.Popen([kolvira, os.path.join(photos, "p0.png")], env=env)
    failures = 0
    try:
        app = wait_for("Kolvira on the accessibility bus", application)
        wait_for("the Mosaic's thumbnails",
                 lambda: all(n.description for n in with_role(snapshot(app)[0], R.LIST_ITEM)))
        failures += check("Mosaic", app, check_mosaic)

        click(with_role(snapshot(app)[0], R.LIST_ITEM)[0].accessible)
        press("Return")
        wait_for("a photo window", lambda: window_titled(app, "p0.png"))
        failures += check("photo window", app, check_photo)

        for mnemonic, title, checks in (("p", "Paint", check_paint),
                                        ("e", "Photo Editor", check_photo_editor)):
            press("v", ALT)
            press(mnemonic)
            wait_for(title, lambda: window_titled(app, title))
            failures += check(title, app, checks)
            press("Escape")
            wait_for(f"{title} to close", lambda: not window_titled(app, title))
            click(with_role(snapshot(app)[0], R.STATUS_BAR)[0].accessible)

        press("Tab", 1 << 2)  # Ctrl+Tab, back to the Mosaic
        failures += check("back to the Mosaic", app)

        press("F1")
        wait_for("the help", lambda: window_titled(app, "Kolvira Help"))
        failures += check("help", app, check_help)
    finally:
        program.kill()
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
