#!/usr/bin/python3
"""Reads every text box of a program over AT-SPI, as assistive technology
does, and prints one line for each: its name, a tab, and its text."""
import sys

import pyatspi


def walk(node):
    try:
        if node.getRole() == pyatspi.ROLE_TEXT:
            text = node.queryText()
            print(f"{node.name}\t{text.getText(0, -1)}")
    except NotImplementedError:
        print(f"{node.name}\t<no text interface>")
    for child in node:
        if child is not None:
            walk(child)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == sys.argv[1]:
        walk(app)
