# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# Plays the game as a blind player does, by keys and by what the
# accessibility bus reports, and checks that the field tells it all.
# Usage: fieldtree.py WINDOW_ID  (the game runs with a credit of 125)
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window = sys.argv[1]
heard = []  # (event type, detail1, source role, source name)


def fail(why):
    print("FAIL:", why)
    sys.exit(1)


def listen(event):
    heard.append((event.type, event.detail1, event.source.getRoleName(), event.source.name))


def pump(seconds, until=lambda: False):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        if until():
            return True
        time.sleep(0.02)
    return until()


def keys(*names):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "--delay", "60", *names], check=True)


def announced(pattern):
    return [name for kind, on, role, name in heard
            if kind == "object:state-changed:showing" and on and role == "notification" and re.fullmatch(pattern, name)]


def field():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "slot_vorlane":
                found = pyatspi.findDescendant(app, lambda o: o.getRoleName() == "panel" and o.name == "PLAY FIELD")
                if found is not None:
                    return found
        time.sleep(0.1)
    fail("no PLAY FIELD panel in the game's accessible tree")


def parts(of, role):
    return [child for child in of if child.getRoleName() == role]


def names(of, role):
    return [child.name for child in parts(of, role)]


def has(part, state):
    return part.getState().contains(state)


events = ("object:state-changed", "object:state-changed:showing")
tree = field()
# The game learns that someone listens a moment later, and may miss it while
# it joins the bus: the reader listens afresh and the frame goes to 2 and
# back to 1 until the reader hears it.
for _ in range(20):
    pyatspi.Registry.deregisterEventListener(listen, *events)
    pyatspi.Registry.registerEventListener(listen, *events)
    pump(0.2)
    keys("Right", "Left")
    if pump(0.5, lambda: any(kind == "object:state-changed:focused" and role == "check box" for kind, _, role, _ in heard)):
        break
else:
    fail("the game never told the reader of its keyboard frame: " + str([b.name for b in pyatspi.findAllDescendants(tree, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))]) + str(heard))
pump(0.2)
heard.clear()

balls = parts(tree, "check box")
if [b.name for b in balls] != [str(n) for n in range(1, 81)]:
    fail(f"the board is not the balls 1 to 80 in order: {[b.name for b in balls]}")

# Three spots marked by the keyboard: the frame starts on 1.
keys("space", "Right", "space", "Down", "space")
pump(3, lambda: sum(1 for kind, on, role, _ in heard if kind == "object:state-changed:checked" and on) >= 3)
marked = [b.name for b in balls if has(b, pyatspi.STATE_CHECKED)]
if marked != ["1", "2", "12"]:
    fail(f"marked by keys 1, 2 and 12, the tree says {marked}")
told = [name for kind, on, role, name in heard if kind == "object:state-changed:checked" and on]
if sorted(told, key=int) != ["1", "2", "12"]:
    fail(f"the marks were told as {told}: {heard}")
if not any(kind == "object:state-changed:focused" and on and name == "12" for kind, on, role, name in heard) \
        or not has(balls[11], pyatspi.STATE_FOCUSED):
    fail(f"the keyboard frame on 12 is not the reader's focus: {heard}")

buttons = {b.name: b for b in parts(tree, "push button")}
expected = {"COINS   (key C)": True, "EXTRA BALLS   (key X)": False, "AUTO SELECT   (key A)": True,
            "ERASE   (key E)": True, "BET 1   (key 1)": True, "BET 2   (key 2)": True, "BET 5   (key 5)": True,
            "BET 10   (key 0)": True, "PLAY 1   (key Ctrl+1)": True, "PLAY 3   (key Ctrl+3)": True,
            "PLAY 5   (key Ctrl+5)": True, "PLAY 10   (key Ctrl+0)": True}
available = {name: has(b, pyatspi.STATE_ENABLED) for name, b in buttons.items()}
if available != expected:
    fail(f"the buttons and their availability are {available}")

# Bet 2 on one flute: the bet is told, the drop begins, is finished by Space and its result is told.
keys("2")
if not pump(2, lambda: announced("BET 2")):
    fail(f"the bet chosen was not told: {heard}")
keys("ctrl+1")
if not pump(3, lambda: announced("BALLS ARE FALLING:   SPACE FINISHES THEM")):
    fail(f"the drop's beginning was not told: {heard}")
if has(buttons["PLAY 1   (key Ctrl+1)"], pyatspi.STATE_ENABLED):
    fail("PLAY 1 is available while the balls fall")
keys("space")
if not pump(5, lambda: announced(r"WIN \d+   CREDIT \d+")):
    fail(f"the result was not told: {heard}")
pump(0.3)
results = announced(r"WIN \d+   CREDIT \d+")
if len(results) != 1:
    fail(f"the result was told {len(results)} times: {results}")
win, credit = map(int, re.fullmatch(r"WIN (\d+)   CREDIT (\d+)", results[0]).groups())
labels = names(tree, "label")
panels = [f"CREDIT  {credit}", "BET  2", f"WIN  {win}" if win else "WIN",
          "2 HITS PAY 6", "3 HITS PAY 30"] + [f"{h} HITS" for h in range(4, 11)]
if credit != 125 - 2 + win or labels != panels:
    fail(f"after a play of 2 coins that won {win}, the panels are {labels}")
flutes = [names(list_, "list item") for list_ in parts(tree, "list")]
if len(flutes) != 1 or len(flutes[0]) != 10 or \
        not re.fullmatch(rf"FLUTE 1:   [0-9]+ HITS   WIN {win}", flutes[0][0]) or \
        flutes[0][1:] != [f"FLUTE {f}" for f in range(2, 11)]:
    fail(f"the flutes after a play of one flute that won {win} say {flutes}")

# A refusal is told once, in the words the field shows.
keys("x")
pump(1)
if announced("NO EXTRA BALLS ARE OFFERED") != ["NO EXTRA BALLS ARE OFFERED"]:
    fail(f"the refusal of X was not told once: {heard}")

# A reader's press is a click: COINS adds five coins.
buttons["COINS   (key C)"].queryAction().doAction(0)
credit += 5
if not pump(2, lambda: announced(f"CREDIT  {credit}")) or f"CREDIT  {credit}" not in names(tree, "label"):
    fail(f"the reader's press on COINS was not told as CREDIT  {credit}: {names(tree, 'label')} {heard}")
