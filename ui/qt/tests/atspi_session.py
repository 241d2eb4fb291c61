#!/usr/bin/env python3
"""A whole calculation through the desktop's accessibility bus (AT-SPI), as a
screen reader does it: start the program, find the four fields by their
captions, type a frequency, press Calculate, read the results and the
selected sweep row, and choose About, whose action must return while the
about window is still to come.

Run inside dbus-run-session on a display. Exits 77 (skipped) when pyatspi is
missing."""
import os
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: pyatspi (python3-pyatspi) is not installed")
    sys.exit(77)

FIELDS = {
    "Center Frequency": "MHz",
    "Resonator Diameter": "mm",
    "Coil Diameter": "mm",
    "Coil Turns Per cm": "turns per cm",
}
# The first result line and the selected sweep row for 14.2 MHz and the other defaults.
EXPECTED_FIRST_RESULT = "Resonator Length = "
EXPECTED_CENTRE_ROW_START = "14.20 "


def poll(what, check, timeout=20.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = check()
        except Exception:  # the tree changes while it is read
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise SystemExit(f"FAIL: {what} within {timeout:.0f} s")


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        yield from walk(node.getChildAtIndex(i), depth + 1)


def find(root, role, name=None):
    for node in walk(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def lines(list_node):
    rows, selected = [], None
    for i in range(list_node.childCount):
        row = list_node.getChildAtIndex(i)
        if row.getState().contains(pyatspi.STATE_SELECTED):
            selected = row.name
        rows.append(row.name)
    return rows, selected


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb")
    proc = subprocess.Popen([program], env=env)
    try:
        app = poll("the program on the accessibility bus", lambda: application(proc.pid))
        window = poll("the main window", lambda: find(app, pyatspi.ROLE_FRAME,
                                                       "Zephyrod Metric Calculator"))
        fields = {}
        for caption, unit in FIELDS.items():
            field = poll(f"the field {caption}", lambda c=caption: find(window, pyatspi.ROLE_TEXT, c))
            if field.description != unit:
                raise SystemExit(f"FAIL: {caption} says its unit is {field.description!r}")
            fields[caption] = field
        frequency = fields["Center Frequency"].queryEditableText()
        frequency.setTextContents("14.2")
        poll("the typed frequency", lambda: fields["Center Frequency"].queryText().getText(0, -1) == "14.2")

        button = poll("Calculate", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, "Calculate"))
        button.queryAction().doAction(0)
        results = poll("the results list", lambda: find(window, pyatspi.ROLE_LIST, "Results"))
        rows = poll("six result lines", lambda: len(lines(results)[0]) == 6 and lines(results)[0])
        if not rows[0].startswith(EXPECTED_FIRST_RESULT):
            raise SystemExit(f"FAIL: first result line {rows[0]!r}")
        sweep = poll("the sweep list", lambda: find(window, pyatspi.ROLE_LIST, "Sweep Data"))
        selected = poll("the selected sweep row", lambda: lines(sweep)[1])
        if not selected.startswith(EXPECTED_CENTRE_ROW_START):
            raise SystemExit(f"FAIL: selected sweep row {selected!r}")

        about = poll("the About item", lambda: find(window, pyatspi.ROLE_MENU_ITEM, "About"))
        started = time.monotonic()
        try:
            about.queryAction().doAction(0)
        except Exception as error:  # no reply: the call waited for the window
            raise SystemExit(f"FAIL: choosing About did not return ({error})")
        took = time.monotonic() - started
        if took > 5:
            raise SystemExit(f"FAIL: choosing About took {took:.1f} s to return")
        dialog = poll("the about window", lambda: find(app, pyatspi.ROLE_DIALOG, "About Zephyrod"))
        ok = poll("its OK button", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        ok.queryAction().doAction(0)
        print(f"PASS: fields, Calculate, results ({rows[0]}), sweep row ({selected.strip()}), "
              f"About returned in {took:.2f} s")
        return 0
    finally:
        proc.terminate()
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()


if __name__ == "__main__":
    sys.exit(main())
