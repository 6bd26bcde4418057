#!/usr/bin/python3
"""Reads the running Lexavo through the accessibility bus (AT-SPI), as a screen
reader does, and checks what it finds. Usage: a11y_entry.py MUST... -- MUST_NOT...
Each MUST is a text that one of the program's accessible texts or names contains;
each MUST_NOT is a text that none contains. Exit status 1 when one fails."""
import sys

import pyatspi


def collect(acc, found, depth=0):
    if acc is None or depth > 30:
        return
    try:
        found.append(acc.name or "")
        found.append(acc.queryText().getText(0, -1))
    except Exception:
        pass
    for i in range(acc.childCount):
        try:
            collect(acc.getChildAtIndex(i), found, depth + 1)
        except Exception:
            pass


def main():
    args = sys.argv[1:]
    cut = args.index("--") if "--" in args else len(args)
    must, must_not = args[:cut], args[cut + 1:]
    desktop = pyatspi.Registry.getDesktop(0)
    found = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and (app.name or "").lower().startswith("lexavo"):
            collect(app, found)
    failed = [m for m in must if not any(m in f for f in found)]
    failed += ["not " + m for m in must_not if any(m in f for f in found)]
    if failed:
        print("accessible texts lack:", failed)
        print("found:", [f for f in found if f][:40])
        sys.exit(1)


if __name__ == "__main__":
    main()
