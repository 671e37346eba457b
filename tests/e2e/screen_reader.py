# What a screen reader finds of the running gauge over AT-SPI, and hears of
# it: the reading with its source, a change of it as it happens, the red
# cross, the source dots and the message line as objects with German names
# that say when they appear and what they say; Tab reaches the dot and the
# cross. It waits for what it reads, up to DEADLINE seconds.
import os
import subprocess
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


def heard(kind, name):  # an event of this kind from the object of this name, with detail 1 for a state
    return any(e.type == kind and e.source.name == name and (e.detail1 == 1 or "state" not in kind) for e in events)


until(the_gauge)
gauge = the_gauge() or sys.exit("FAILED: no gauge over AT-SPI")
children = {child.name: child for child in gauge}
found = {name: children[name].getState().contains(pyatspi.STATE_SHOWING) if name in children else "missing"
         for name in ["Programm beenden", "Auf Festplatte (HD) umschalten", "Auf Arbeitsspeicher (RAM) umschalten",
                      "K.Duvenrath 01.06.2010", "Instrument-Größe (800 bis 2500)", "weiter"]}
actions = gauge.queryAction() if "Action" in pyatspi.utils.listInterfaces(gauge) else None
offered = [actions.getName(i) for i in range(actions.nActions)] if actions else []
events = []
for kind in ["object:property-change:accessible-description", "object:state-changed:showing",
             "object:state-changed:focused", "object:property-change:accessible-name"]:
    pyatspi.Registry.registerEventListener(events.append, kind)
press = children["Auf Festplatte (HD) umschalten"].queryAction()
press.doAction(0)
until(lambda: gauge.description.startswith("HD ") and heard("object:property-change:accessible-description", "Zeltavor"))
subprocess.run(["xdotool", "key", "Menu"], check=True)  # the options view
until(lambda: heard("object:state-changed:showing", "Programm beenden"))
subprocess.run(["xdotool", "key"] + ["Tab"] * 7, check=True)  # from the size box past the panel, the dot, the cross
until(lambda: heard("object:state-changed:focused", "Programm beenden"))
children["Speicher aufräumen"].queryAction().doAction(0)
until(lambda: heard("object:property-change:accessible-name", "Speicher aufgeräumt"))
failures = [what for holds, what in [
    ((gauge.name, gauge.getRoleName()) == ("Zeltavor", "label"), f"the gauge: {gauge.name}, {gauge.getRoleName()}"),
    ("Increase" not in offered and "Decrease" not in offered, f"the gauge offers {offered}"),
    (list(found.values()) == [False, True, False, False, False, False], f"showing: {found}"),
    (press.getName(0) == "Press" and gauge.description.startswith("HD ") and
     heard("object:property-change:accessible-description", "Zeltavor"), f"pressed, the dot: {gauge.description!r}, told?"),
    (heard("object:state-changed:showing", "Programm beenden"), "the red cross never said it appeared"),
    (heard("object:state-changed:focused", "Auf Arbeitsspeicher (RAM) umschalten"), "Tab did not reach the dot"),
    (heard("object:state-changed:focused", "Programm beenden"), "Tab did not reach the red cross"),
    (heard("object:property-change:accessible-name", "Speicher aufgeräumt"), "the message line was not told")]
    if not holds]
print("\n".join(f"FAILED: {what}" for what in failures), file=sys.stderr)
sys.exit(1 if failures else 0)
