# Reads the running program's windows through the AT-SPI bus, as a screen reader does: the
# circles' names, the palette's press actions and what a press announces.
import subprocess
import sys
import time

import pyatspi


def accessibles(node, found):
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            found.append(child)
            accessibles(child, found)
    return found


def program_accessibles(until):
    for _ in range(200):
        if program.poll() is not None:
            sys.exit("FAILED: the program ended with status %d" % program.returncode)
        desktop = pyatspi.Registry.getDesktop(0)
        found = []
        for index in range(desktop.childCount):
            if desktop.getChildAtIndex(index) is not None:
                accessibles(desktop.getChildAtIndex(index), found)
        if until(found):
            return found
        time.sleep(0.1)
    return found


def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(index) for index in range(action.nActions)]
    action.doAction(names.index("Press"))


program = subprocess.Popen([sys.argv[1]])
failures = []
try:
    names = lambda found: [accessible.name for accessible in found]
    found = program_accessibles(lambda found: "circle 15, root of chord 1, holds F" in names(found))
    for expected in ["circle 1, root of chord 3, empty", "circle 15, root of chord 1, holds F",
                     "circle 9, centre of all four chords, empty"]:
        if expected not in names(found):
            failures.append("no circle named " + repr(expected))
    palette = [a for a in found if a.getRoleName() == "push button" and a.name == "B double sharp"]
    if len(palette) != 1:
        failures.append("the palette's Bx is not one push button")
    else:
        press(palette[0])
        announced = "B double sharp picked up: choose a circle with the arrow keys and press Enter"
        found = program_accessibles(lambda found: announced in names(found))
        if announced not in names(found):
            failures.append("pressing Bx announced nothing")
    # The start-up message about sound, if any, closed; then a puzzle renames the circles.
    for button in [a for a in found if a.name == "OK"]:
        press(button)
    press([a for a in found if a.name == "Create"][0])
    found = program_accessibles(lambda found: any(", given, holds " in n for n in names(found)))
    if not any(", given, holds " in name for name in names(found)):
        failures.append("after Create no circle is named as the given one")
finally:
    program.kill()
for failure in failures:
    print("FAILED:", failure)
sys.exit(1 if failures else 0)
