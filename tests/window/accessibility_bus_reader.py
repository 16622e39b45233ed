#!/usr/bin/python3
"""Reads the running window through the desktop accessibility bus, as a
screen reader does: every result named with its meaning and value, both
chart descriptions; then types other inputs, presses Recalculate, checks
that each changed name and description was announced once, and reads them
again. Exits 1 with a message naming what was read wrong."""

import sys
import time
from collections import Counter

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

# The names of the results shown, and the charts' descriptions by name.
DEFAULT_RESULTS = [
    "Applied depth: 25 mm",
    "Soil water deficit: 25 mm",
    "Light soil storage: 29 percent",
    "Heavy soil storage: 50 percent",
    "Light soil shallow detector depth: 165 mm",
    "Light soil deep detector depth: 335 mm",
]
DEFAULT_CHARTS = {
    "Light textured soil": ('Light textured soil: 25 mm applied; the soil is wetted enough for a '
     'detector to respond down to 278 mm; shallow detector at 165 mm '
     'responds; deep detector at 335 mm does not respond; the wetting front '
     'is at 400 mm after 24 hours; root zone 500 mm.'),
    "Heavy textured soil": ('Heavy textured soil: 25 mm applied; the soil is wetted enough for a '
     'detector to respond down to 357 mm; shallow detector at 165 mm '
     'responds; deep detector at 335 mm responds; the wetting front is at '
     '400 mm after 24 hours; root zone 500 mm.'),
}

SECOND_RESULTS = [
    "Applied depth: 21 mm",
    "Soil water deficit: 19.5 mm",
    "Light soil storage: 38 percent",
    "Heavy soil storage: 57 percent",
    "Light soil shallow detector depth: 150 mm",
    "Light soil deep detector depth: 300 mm",
]
SECOND_CHARTS = {
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


def showing(app):
    """Name -> description of every showing control."""
    texts = {}
    for node in walk(app):
        if node.name and node.getState().contains(pyatspi.STATE_SHOWING):
            texts[node.name] = node.description
    return texts


def check(app, results, charts, when):
    # Names reach the bus as events; wait for them, boundedly.
    deadline = time.monotonic() + 10
    while True:
        texts = showing(app)
        missing = [name for name in results if name not in texts]
        wrong = {n: texts.get(n) for n, d in charts.items() if texts.get(n) != d}
        if not missing and not wrong:
            print("%s: read %d results and %d charts" % (when, len(results), len(charts)))
            return
        if time.monotonic() > deadline:
            lines = ["%s: no control named %r" % (when, n) for n in missing]
            lines += ["%s: %r described as %r, expected %r" % (when, n, got, charts[n])
                      for n, got in wrong.items()]
            lines.append("names read: %r" % sorted(texts))
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
    """Waits, boundedly, until each expected text was announced, then a
    little longer, and checks that none was announced twice."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while not set(expected) <= set(announced):
        if time.monotonic() > deadline:
            fail("not announced: %s; announced: %r" % (sorted(set(expected) - set(announced)), announced))
        context.iteration(False)
        time.sleep(0.02)
    settle = time.monotonic() + 0.5
    while time.monotonic() < settle:
        context.iteration(False)
        time.sleep(0.02)
    twice = [text for text in expected if announced[text] > 1]
    if twice:
        fail("announced more than once: %s" % twice)
    print("announced once each: %d texts" % len(expected))


def main():
    app = find_application(sys.argv[1])
    check(app, DEFAULT_RESULTS, DEFAULT_CHARTS, "after start-up")
    # A changed name is announced by name, a changed description by the
    # control's name and its description.
    names = Counter()
    descriptions = Counter()
    pyatspi.Registry.registerEventListener(
        lambda event: names.update([event.source.name]),
        "object:property-change:accessible-name")
    pyatspi.Registry.registerEventListener(
        lambda event: descriptions.update([event.source.description]),
        "object:property-change:accessible-description")
    recalculate_with(app, SECOND_INPUTS)
    expect_announcements(names, SECOND_RESULTS)
    expect_announcements(descriptions, list(SECOND_CHARTS.values()))
    check(app, SECOND_RESULTS, SECOND_CHARTS, "after Recalculate")


if __name__ == "__main__":
    main()
