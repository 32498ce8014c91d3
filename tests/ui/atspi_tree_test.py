#!/usr/bin/python3
"""Reads the main window over AT-SPI as a screen reader does, and plays into a game by the same road.

Starts PROGRAM with its accessibility bridge on, finds it on the accessibility bus, checks what its
tree says, then starts a series through the new game dialog and rolls, by AT-SPI actions only.
Needs a session bus and an X server: dbus-run-session -- xvfb-run -a atspi_tree_test.py PROGRAM
"""
import os
import re
import subprocess
import sys
import time

import pyatspi

PATIENCE = 30  # seconds for any one thing to show up on the bus
program = None  # the running game, whose end stops any waiting


def wait_for(what, probe):
    """The first true answer of probe(), asked again while the bus is still learning of the object."""
    deadline = time.monotonic() + PATIENCE
    while time.monotonic() < deadline:
        if program.poll() is not None:
            raise AssertionError(f"the program ended with {program.returncode} before showing {what}")
        try:
            found = probe()
        except Exception:  # an object the registry or the program does not know yet
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError(f"no {what} within {PATIENCE} s")


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda o: o.getRoleName() == role and o.name == name)


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    action.doAction(names.index("Press"))


def check(what, actual, expected):
    if actual != expected:
        raise AssertionError(f"{what}: {actual!r}, expected {expected!r}")


def read_the_window(app):
    window = wait_for("main window", lambda: find(app, "frame", "Quintix 95 V1.00"))
    tables = (("Upper section", 9, "Aces"), ("Lower section", 8, "3 Of A Kind"), ("Totals", 3, "Game Total"))
    for name, rows, first_label in tables:
        table = wait_for(f"table {name}", lambda: find(window, "table", name)).queryTable()
        check(f"{name} rows and columns", (table.nRows, table.nColumns), (rows, 6))
        check(f"{name} first row", table.getRowHeader(0).name, first_label)
        check(f"{name} column headers", [table.getColumnHeader(c).name for c in range(6)],
              [f"Game {c}" for c in range(1, 7)])
        check(f"{name} first cell", table.getAccessibleAt(0, 0).name, "")
    for name in ("New Game", "Roll Dice", "Score", "Possibilities", "Series", "Print", "Help", "Exit"):
        wait_for(f"button {name}", lambda: find(window, "push button", name))
    roll = find(window, "push button", "Roll Dice")
    check("Roll Dice enabled before a series", roll.getState().contains(pyatspi.STATE_SENSITIVE), False)
    check("Roll Dice described", roll.description.split(".")[0], "Rolls the dice")
    wait_for("player list", lambda: find(window, "combo box", "Player:"))
    for n in range(1, 6):
        wait_for(f"die {n}", lambda: find(window, "push button", f"Die {n}: no value"))
    return window


def play_into_a_game(app, window):
    press(find(window, "push button", "New Game"))
    dialog = wait_for("new game dialog", lambda: find(app, "dialog", "Start New Game"))
    find(dialog, "text", "Player 1").queryEditableText().setTextContents("Ann")
    press(find(dialog, "push button", "OK"))
    wait_for("Ann's turn", lambda: find(window, "label", "It's your turn"))
    press(wait_for("Roll Dice enabled", lambda: pyatspi.findDescendant(
        window, lambda o: o.name == "Roll Dice" and o.getState().contains(pyatspi.STATE_SENSITIVE))))
    faces = re.compile(r"Die [1-5]: (one|two|three|four|five|six)$")
    dice = [o for o in window if o.name.startswith("Die ")]
    wait_for("five rolled dice", lambda: all(faces.match(die.name) for die in dice))
    press(dice[2])
    wait_for("die 3 marked", lambda: dice[2].name.endswith(", marked to roll again"))
    totals = find(window, "table", "Totals").queryTable()
    check("game 1's total once it started", totals.getAccessibleAt(0, 0).name, "0")
    return [die.name for die in dice]


def main(path):
    global program
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([path], env=env)
    try:
        app = wait_for("application Quintix", lambda: next(
            (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Quintix"), None))
        window = read_the_window(app)
        print("read: 3 tables, 8 buttons, the player list, 5 dice")
        print("rolled:", ", ".join(play_into_a_game(app, window)))
    finally:
        program.terminate()
        try:
            program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            program.kill()


if __name__ == "__main__":
    try:
        main(sys.argv[1])
    except AssertionError as failure:
        sys.exit(f"FAIL: {failure}")
