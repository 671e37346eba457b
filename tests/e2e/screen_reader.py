# What a screen reader finds of the running gauge over AT-SPI, read as one
# reads it: the reading as a value from 0 to 100 with its text, a change of it
# as it happens, the red cross, the source dots and the message line as
# objects with German names and actions, nothing outside the window showing.
# It waits for what it reads, up to DEADLINE seconds.
import os
import sys
import time

import pyatspi
from gi.repository import GLib

deadline = time.monotonic() + float(os.environ.get("DEADLINE", "30"))


def until(done):  # AT-SPI's events are taken meanwhile; the check goes with the loop it stops
    GLib.timeout_add(100, lambda: not ((done() or time.monotonic() > deadline) and (pyatspi.Registry.stop() or True)))
    pyatspi.Registry.start()


def the_gauge():
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "zeltavor"), None)
    return app.getChildAtIndex(0) if app is not None and app.childCount > 0 else None


until(the_gauge)
gauge = the_gauge() or sys.exit("FAILED: no gauge over AT-SPI")
value = gauge.queryValue()
children = {child.name: child for child in gauge}
found = {name: children[name].getState().contains(pyatspi.STATE_SHOWING) if name in children else "missing"
         for name in ["Programm beenden", "Auf Festplatte (HD) umschalten", "Auf Arbeitsspeicher (RAM) umschalten",
                      "K.Duvenrath 01.06.2010", "Instrument-Größe (800 bis 2500)", "weiter"]}
changes = []
pyatspi.Registry.registerEventListener(changes.append, "object:property-change:accessible-value")
press = children["Auf Festplatte (HD) umschalten"].queryAction()
press.doAction(0)
until(lambda: changes and gauge.description.startswith("HD "))
failures = [what for holds, what in [
    ((gauge.name, gauge.getRoleName()) == ("Zeltavor", "progress bar"), f"the gauge: {gauge.name}, {gauge.getRoleName()}"),
    ((value.minimumValue, value.maximumValue) == (0, 100), "the scale runs from 0 to 100"),
    (list(found.values()) == [False, True, False, False, False, False], f"showing: {found}"),
    (press.getName(0) == "Press" and gauge.description.startswith("HD "), f"pressed, the dot: {gauge.description!r}"),
    (float(gauge.description.split()[1].rstrip(".")) == value.currentValue,  # "HD 21. %": the disk's tenths
     f"the value {value.currentValue}, the text {gauge.description!r}"),
    (len(changes) > 0, "no change of the value was announced")] if not holds]
print("\n".join(f"FAILED: {what}" for what in failures), file=sys.stderr)
sys.exit(1 if failures else 0)
