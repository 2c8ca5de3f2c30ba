#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the shown windows of one program on the accessibility bus (AT-SPI), as a screen reader
sees them, and prints one line per problem:
  unnamed: a control that takes the focus and has no accessible name;
  named by its group: a control that has only the title of the group box around it for a name;
  English: with --catalog, a name, description or text that is still the English source of a
           message the catalog (a Qt Linguist .ts file) translates, or has yet to translate.
Exit status: 0 without problems, 1 with problems, 2 while the program is not on the bus with a
shown window yet. The registry caches what it has seen, so the caller runs this afresh each try.
"""
import argparse
import re
import sys
import xml.etree.ElementTree as ElementTree

import pyatspi

NOT_YET = 2
# Qt's bridge leaves the focusable state off its item views, though they take the focus.
ITEM_VIEWS = {pyatspi.ROLE_LIST, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE}


def without_accelerators(text):
    # "&&" is a literal ampersand, any other "&" marks the next letter as the shortcut.
    return re.sub(r"&(.)", r"\1", text)


def english_texts(catalog):
    """The source texts whose shown form differs from the English one: a finished translation
    that differs, or none yet. Texts with placeholders become patterns."""
    exact, patterns = set(), []
    for message in ElementTree.parse(catalog).getroot().iter("message"):
        translation = message.find("translation")
        kind = translation.get("type") if translation is not None else "unfinished"
        if kind in ("obsolete", "vanished"):
            continue
        source = without_accelerators(message.findtext("source", "")).strip()
        shown = without_accelerators(translation.text or "").strip() if translation is not None else ""
        if not source or (kind != "unfinished" and shown == source):
            continue
        parts = re.split(r"%(?:n|L?\d+)", source)
        if len(parts) == 1:
            exact.add(source)
        # A placeholder stands for any words; enough fixed letters must remain to tell a sentence.
        elif sum(c.isalpha() for c in "".join(parts)) >= 8:
            patterns.append(re.compile(".+".join(map(re.escape, parts)), re.DOTALL))
    return exact, patterns


def is_english(text, exact, patterns):
    text = without_accelerators(text).strip()
    return bool(text) and (text in exact or any(p.fullmatch(text) for p in patterns))


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def walk(node, path, catalog, group=""):
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    role = node.getRole()
    where = "%s (%s)" % (node.getRoleName(), " / ".join(path))
    # A combo box's own list is its pop-up, announced through the combo box.
    in_combo_box = node.parent is not None and node.parent.getRole() == pyatspi.ROLE_COMBO_BOX
    takes_focus = states.contains(pyatspi.STATE_FOCUSABLE) or (role in ITEM_VIEWS and not in_combo_box)
    if takes_focus and not node.name.strip():
        yield "unnamed: " + where
    elif takes_focus and node.name == group:
        yield "named by its group: " + where
    if role == pyatspi.ROLE_PANEL:
        group = node.name
    if catalog:
        for field, value in (("name", node.name), ("description", node.description), ("text", text_of(node))):
            if is_english(value, *catalog):
                yield "English %s %r: %s" % (field, value, where)
    for index, child in enumerate(node):
        if child is not None:
            step = "%s[%d]" % (child.getRoleName(), index)
            yield from walk(child, path + [step + (" %r" % child.name if child.name else "")], catalog, group)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--pid", type=int, required=True, help="the program's process id")
    parser.add_argument("--catalog", help="the .ts file of the language the program shows")
    arguments = parser.parse_args()
    catalog = english_texts(arguments.catalog) if arguments.catalog else None

    desktop = pyatspi.Registry.getDesktop(0)
    programs = [a for a in desktop if a is not None and a.get_process_id() == arguments.pid]
    windows = [w for a in programs for w in a if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]
    if not windows:
        return NOT_YET
    problems = [line for w in windows for line in walk(w, ["%s %r" % (w.getRoleName(), w.name)], catalog)]
    for line in problems:
        print(line)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
