#!/usr/bin/env python3
"""Reads every window of the program over the accessibility bus (AT-SPI), as a screen reader
does, and checks what it is given:

- every control Tab reaches has a name; a box, list or result box is named after its visible
  caption and is labelled by it; a button is named after its caption without the "&";
- Tab moves the focus the bus reports along the window's tab order, to the control Qt focused;
- after the window's first help example, each result box holds its result in its name or text,
  and the bus announced the change;
- a box marked by an example carries the mark's message in its description.

Usage: check_accessibility.py <host program> [window ...]. Run it inside its own session bus and
X display (see run_check.sh); ZQ_A11Y_DEBUG=1 prints each window as it is read. The host
program opens the windows on command; this script reads only the bus to judge them. Prints each
broken rule with its window and control; exits 1 then.
"""
import json
import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

WAIT_S = 5.0  # the longest the bus may take to show what the program did


class Host:
    """The program's windows, opened and used on command."""

    def __init__(self, program):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([program], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        env=env, text=True)
        self.read()

    def read(self):
        line = self.process.stdout.readline()
        if not line:
            raise SystemExit("the host program ended")
        return json.loads(line)

    def ask(self, command, answers=1):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        return [self.read() for _ in range(answers)][-1]


class Events:
    """The bus's events, kept by the object they came from."""

    KINDS = ["object:state-changed:focused", "object:text-changed", "object:children-changed",
             "object:property-change:accessible-name", "object:property-change:accessible-value",
             "object:property-change:accessible-description"]

    def __init__(self):
        self.seen = []
        self.listener = Atspi.EventListener.new(self.heard)
        for kind in self.KINDS:
            self.listener.register(kind)

    def heard(self, event):
        self.seen.append((event.type, event.source, event.detail1))

    @staticmethod
    def pump():
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def clear(self):
        self.pump()
        self.seen = []

    def wait_for(self, found):
        """Pumps the bus until found() holds or WAIT_S passes; returns whether it held."""
        deadline = time.monotonic() + WAIT_S
        while time.monotonic() < deadline:
            self.pump()
            if found():
                return True
            time.sleep(0.01)
        return False


def children(node):
    try:
        return [node.get_child_at_index(i) for i in range(node.get_child_count())]
    except GLib.Error as error:
        if os.environ.get("ZQ_A11Y_DEBUG"):
            print("  children:", error)
        return []


def rect_of(node):
    try:
        extents = node.get_extents(Atspi.CoordType.SCREEN)
        return [extents.x, extents.y, extents.width, extents.height]
    except GLib.Error:
        return None


def text_of(node):
    """What a box holds: its text, or its items for a list."""
    parts = [node.get_name() or ""]
    try:
        if "Text" in node.get_interfaces():
            parts.append(Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node)))
    except GLib.Error:
        pass
    for child in children(node):
        parts.append(child.get_name() or "")
    return "\n".join(parts)


def related(node, kind):
    targets = []
    for relation in node.get_relation_set():
        if relation.get_relation_type() == kind:
            targets += [relation.get_target(i) for i in range(relation.get_n_targets())]
    return targets


def labelled_by(node, caption, placed):
    """Whether the caption labels the box: the box's labelled-by relation, or (Qt's lists and
    tables give no relations of their own) the caption's label-for relation to the box."""
    if caption in [label.get_name() for label in related(node, Atspi.RelationType.LABELLED_BY)]:
        return True
    return any(label.get_role() == Atspi.Role.LABEL and label.get_name() == caption and
               node in related(label, Atspi.RelationType.LABEL_FOR)
               for _, label in placed)


def find_frame(app, title):
    for frame in children(app):
        states = frame.get_state_set()
        if frame.get_name() == title and states.contains(Atspi.StateType.SHOWING):
            return frame
    return None


def placed_in(frame):
    """Every object of a window with where it stands (lists' items left out)."""
    found = []
    stack = [frame]
    while stack:
        node = stack.pop()
        rect = rect_of(node)
        if rect:
            found.append((rect, node))
        if node.get_role() not in (Atspi.Role.LIST, Atspi.Role.TABLE, Atspi.Role.TREE,
                                   Atspi.Role.COMBO_BOX, Atspi.Role.MENU_BAR):
            stack += children(node)
    return found


def focusable(node):
    return node.get_state_set().contains(Atspi.StateType.FOCUSABLE)


def inside(inner, outer):
    return (outer[0] <= inner[0] and outer[1] <= inner[1] and
            inner[0] + inner[2] <= outer[0] + outer[2] and inner[1] + inner[3] <= outer[1] + outer[3])


def at(rect, placed):
    """The focusable object where a control stands: at its place, else the smallest within it
    (Qt gives a check box or option the place of its mark and text only)."""
    exact = [node for where, node in placed if where == rect and focusable(node)]
    if exact:
        return exact[-1]
    within = [(where[2] * where[3], node) for where, node in placed
              if inside(where, rect) and focusable(node)]
    return min(within, key=lambda found: found[0])[1] if within else None


class Check:
    def __init__(self, host, events, app):
        self.host, self.events, self.app = host, events, app
        self.failures = []
        self.windows = self.controls = 0

    def fail(self, window, control, rule, detail):
        self.failures.append(f"{window}: {control}: {rule}: {detail}")

    def window(self, name):
        if os.environ.get("ZQ_A11Y_DEBUG"):
            print("window", name, flush=True)
        described = self.host.ask("open " + name)
        if "error" in described:
            self.fail(name, "-", "opens", described["error"])
            return
        title = described["title"]
        frame = None
        if self.events.wait_for(lambda: find_frame(self.app, title) is not None):
            frame = find_frame(self.app, title)
        if frame is None:
            self.fail(name, "-", "window on the bus", f'no frame "{title}"')
            self.host.ask("close")
            return
        self.windows += 1
        placed = placed_in(frame)
        self.names(name, described["controls"], placed)
        self.tab_order(name, described["tabOrder"], placed)
        self.results(name, placed)
        self.marks(name, frame)
        self.host.ask("close")

    def node(self, name, control, placed, rule):
        node = at(control["rect"], placed)
        if node is None:
            self.fail(name, control["control"], rule, "not on the bus where the window shows it")
        return node

    def names(self, name, controls, placed):
        for control in controls:
            node = self.node(name, control, placed, "named")
            if node is None:
                continue
            self.controls += 1
            spoken = node.get_name() or ""
            if not spoken.strip():
                self.fail(name, control["control"], "named", "empty accessible name")
            elif control["kind"] == "button" and spoken != control["caption"]:
                self.fail(name, control["control"], "button named after its caption",
                          f'"{spoken}", caption "{control["caption"]}"')
            elif control["kind"] == "choice":
                if not labelled_by(node, control["caption"], placed):
                    self.fail(name, control["control"], "choice labelled by its caption",
                              f'caption "{control["caption"]}"')
            elif control["kind"] in ("box", "result"):
                caption = control["caption"]
                if not caption:
                    self.fail(name, control["control"], "box has a visible caption", "none")
                elif caption not in spoken:
                    self.fail(name, control["control"], "box named after its caption",
                              f'"{spoken}", caption "{caption}"')
                elif not labelled_by(node, caption, placed):
                    self.fail(name, control["control"], "box labelled by its caption",
                              "no labelled-by relation with it")

    def tab_order(self, name, order, placed):
        """Tab round the window: each stop is the next of its tab order (a group of options is
        one stop, at its chosen option), and the bus reports the focus where Qt put it."""
        chain = [control["control"] for control in order]
        if not chain:
            return  # nothing to type into or press: a page of text
        at_index = 0
        for _ in range(len(order) + 1):
            self.events.clear()
            focus = self.host.ask("tab")["focus"]
            if focus["control"] not in chain:
                self.fail(name, focus["control"], "tab order", "Tab left the window's controls")
                return
            index = chain.index(focus["control"])
            node = at(focus["rect"], placed)
            moved = index != at_index
            if not moved and len(chain) > 1:
                self.fail(name, focus["control"], "tab order", "Tab did not move the focus")
                return

            def focused():
                return any(kind == "object:state-changed:focused" and detail == 1 and
                           source == node for kind, source, detail in self.events.seen)
            if node is None or (moved and not self.events.wait_for(focused)):
                self.fail(name, focus["control"], "focus on the bus",
                          "no focus event from the control Qt focused")
                return
            if not node.get_state_set().contains(Atspi.StateType.FOCUSED):
                self.fail(name, focus["control"], "focus on the bus", "not in the focused state")
            if index < at_index and index != 0:
                self.fail(name, focus["control"], "tab order",
                          f"Tab went back from {chain[at_index]}")
                return
            if index <= at_index:
                return  # round again at the first stop (or the only one)
            at_index = index
        self.fail(name, chain[at_index], "tab order", "Tab never came round to the first control")

    def results(self, name, placed):
        before = {tuple(rect): text_of(node) for rect, node in placed}
        self.events.clear()
        for result in self.host.ask("example")["results"]:
            node = at(result["rect"], placed) or next(
                (node for rect, node in placed if rect == result["rect"]), None)
            if node is None:
                self.fail(name, result["control"], "result on the bus", "not found")
                continue
            wanted = result["text"]
            if wanted in before.get(tuple(result["rect"]), ""):
                continue  # shown already: nothing changes to announce

            def changed():
                return any(source == node or (source and source.get_parent() == node)
                           for _, source, _ in self.events.seen)
            if not self.events.wait_for(lambda: wanted in text_of(node)):
                self.fail(name, result["control"], "result read out",
                          f'"{wanted}" not in "{text_of(node)[:80]}"')
            elif not self.events.wait_for(changed):
                self.fail(name, result["control"], "result change announced", "no event")

    def marks(self, name, frame):
        marks = self.host.ask("marked")["marks"]
        placed = placed_in(frame) if marks else []  # boxes an option shows are placed now
        for mark in marks:
            node = at(mark["rect"], placed)
            if node is None:
                self.fail(name, mark["control"], "mark on the bus", "box not found")
                continue
            if not self.events.wait_for(lambda: node.get_description() == mark["text"]):
                self.fail(name, mark["control"], "mark in the description",
                          f'"{node.get_description()}", message "{mark["text"]}"')


def main():
    program, wanted = sys.argv[1], sys.argv[2:]
    Atspi.init()
    events = Events()
    host = Host(program)
    app = None
    deadline = time.monotonic() + 30
    while app is None and time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for candidate in children(desktop):
            if candidate.get_process_id() == host.process.pid:
                app = candidate
        events.pump()
        time.sleep(0.1)
    if app is None:
        print("the program did not appear on the accessibility bus")
        return 1
    check = Check(host, events, app)
    for name in wanted or host.ask("windows")["windows"]:
        check.window(name)
    host.process.stdin.close()
    host.process.wait(10)
    for failure in check.failures:
        print(failure)
    print(f"{check.windows} windows and {check.controls} controls read over the bus; "
          f"{len(check.failures)} rules broken")
    return 1 if check.failures or check.windows == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
