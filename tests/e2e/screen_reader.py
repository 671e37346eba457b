"""What a screen reader finds of the running gauge over AT-SPI, read as one
reads it: the reading as a value from 0 to 100 with its text, a change of it
as it happens, the red cross, the source dots and the message line as
objects with German names and actions, nothing outside the window showing."""
import sys

import pyatspi
from gi.repository import GLib

failed = False


def check(holds, what):
    global failed
    if not holds:
        print(f"FAILED: {what}", file=sys.stderr)
        failed = True


app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "zeltavor"), None)
if app is None:
    sys.exit("FAILED: the gauge is not on the accessibility bus")
gauge = app.getChildAtIndex(0)
showing = lambda accessible: accessible.getState().contains(pyatspi.STATE_SHOWING)
value = gauge.queryValue()
check(gauge.name == "Zeltavor" and gauge.getRoleName() == "progress bar", f"the gauge is a {gauge.getRoleName()} named {gauge.name}")
check((value.minimumValue, value.maximumValue) == (0, 100), "the scale runs from 0 to 100")
check(gauge.description == f"RAM {value.currentValue:g} %", f"the value {value.currentValue} and the text {gauge.description!r}")

children = {child.name: child for child in gauge}
for name, seen in [("Programm beenden", False), ("Auf Festplatte (HD) umschalten", True),
                   ("Auf Arbeitsspeicher (RAM) umschalten", False), ("K.Duvenrath 01.06.2010", False),
                   ("Instrument-Größe (800 bis 2500)", False), ("weiter", False)]:
    check(name in children and showing(children[name]) == seen, f"{name!r} is {'' if seen else 'not '}showing")

changes = []
pyatspi.Registry.registerEventListener(changes.append, "object:property-change:accessible-value")
action = children["Auf Festplatte (HD) umschalten"].queryAction()
check(action.getName(0) == "Press", "the dot is pressed")
action.doAction(0)
GLib.timeout_add(3000, pyatspi.Registry.stop)  # the new sweep runs meanwhile
pyatspi.Registry.start()
check(gauge.description.startswith("HD "), f"pressed, the dot switches to the disk: {gauge.description!r}")
check(len(changes) > 0, "no change of the value was announced")
sys.exit(1 if failed else 0)
