#!/usr/bin/python3
"""Reads the running window through the desktop accessibility bus, as a
screen reader does: every result with its meaning and value and both chart
descriptions, then types other inputs, presses Recalculate, waits for the
changes to be announced and reads them again. Exits 1 with a message
naming what was read wrong."""

import sys
import time

import pyatspi
from gi.repository import GLib

# The inputs of the second run, typed into the edits as a user would.
SECOND_INPUTS = {
    "Sprinkler Application Rate (mm/h)": "12",
    "Specify duration of irrigation (h)": "1.75",
    "Days Since Last irrigation": "3",
    "Daily Crop Water Use(mm)": "6.5",
    "Active Root Zone (mm)": "450",
}

DEFAULT = {
    "Applied depth (mm)": "Applied depth, 25 mm",
    "Soil water deficit (mm)": "Soil water deficit, 25 mm",
    "Light soil storage": "Light soil storage, 29 percent",
    "Heavy soil storage": "Heavy soil storage, 50 percent",
    "Light soil shallow detector depth (mm)": "Shallow detector depth, 165 mm",
    "Light soil deep detector depth (mm)": "Deep detector depth, 335 mm",
    "Light textured soil": ('Light textured soil: 25 mm applied; the soil is wetted enough for a '
     'detector to respond down to 278 mm; shallow detector at 165 mm '
     'responds; deep detector at 335 mm does not respond; the wetting front '
     'is at 400 mm after 24 hours; root zone 500 mm.'),
    "Heavy textured soil": ('Heavy textured soil: 25 mm applied; the soil is wetted enough for a '
     'detector to respond down to 357 mm; shallow detector at 165 mm '
     'responds; deep detector at 335 mm responds; the wetting front is at '
     '400 mm after 24 hours; root zone 500 mm.'),
}

SECOND = {
    "Applied depth (mm)": "Applied depth, 21 mm",
    "Soil water deficit (mm)": "Soil water deficit, 19.5 mm",
    "Light soil shallow detector depth (mm)": "Shallow detector depth, 150 mm",
    "Light soil deep detector depth (mm)": "Deep detector depth, 300 mm",
    "Light textured soil": ('Light textured soil: 21 mm applied; the soil is wetted enough for a '
     'detector to respond down to 252 mm; shallow detector at 150 mm '
     'responds; deep detector at 300 mm does not respond; the wetting front '
     'is at 335 mm after 24 hours; root zone 450 mm.'),
    "Heavy textured soil": ('Heavy textured soil: 21 mm applied; the soil is wetted enough for a '
     'detector to respond down to 332 mm; shallow detector at 150 mm '
     'responds; deep detector at 300 mm responds; the wetting front is at '
     '335 mm after 24 hours; root zone 450 mm.'),
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def find_application(name, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.2)
    fail("no application named %r on the accessibility bus" % name)


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def described(app):
    """Name -> description of every showing control that has a description."""
    texts = {}
    for node in walk(app):
        if node.description and node.getState().contains(pyatspi.STATE_SHOWING):
            texts[node.name] = node.description
    return texts


def check(app, expected, when):
    # Descriptions reach the bus as events; wait for them, boundedly.
    deadline = time.monotonic() + 10
    while True:
        texts = described(app)
        wrong = {n: texts.get(n) for n, d in expected.items() if texts.get(n) != d}
        if not wrong:
            print("%s: read %d descriptions" % (when, len(expected)))
            return
        if time.monotonic() > deadline:
            lines = ["%s: %r read as %r, expected %r" % (when, n, got, expected[n])
                     for n, got in wrong.items()]
            fail("\n".join(lines))
        time.sleep(0.1)


def find(app, role, name):
    for node in walk(app):
        if node.getRole() == role and node.name == name:
            return node
    fail("no control of role %s named %r" % (role, name))


def recalculate_with(app, inputs):
    for caption, text in inputs.items():
        edit = find(app, pyatspi.ROLE_TEXT, caption)
        if not edit.queryEditableText().setTextContents(text):
            fail("could not type into %r" % caption)
    button = find(app, pyatspi.ROLE_PUSH_BUTTON, "Recalculate")
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        fail("Recalculate offers no Press action: %r" % names)
    action.doAction(names.index("Press"))


def expect_announcements(announced, expected, seconds=10):
    """Waits, boundedly, until a description change was announced for each
    of the expected names."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while not expected <= announced:
        if time.monotonic() > deadline:
            fail("no change announced for %s" % sorted(expected - announced))
        context.iteration(False)
        time.sleep(0.02)
    print("announced: %s" % ", ".join(sorted(expected)))


def main():
    app = find_application(sys.argv[1])
    check(app, DEFAULT, "after start-up")
    announced = set()
    pyatspi.Registry.registerEventListener(
        lambda event: announced.add(event.source.name),
        "object:property-change:accessible-description")
    recalculate_with(app, SECOND_INPUTS)
    expect_announcements(announced, set(SECOND))
    check(app, SECOND, "after Recalculate")


if __name__ == "__main__":
    main()
