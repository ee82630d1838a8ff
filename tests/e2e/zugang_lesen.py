#!/usr/bin/python3
# Reads Lerno's windows as a screen reader does, through the AT-SPI registry.
#   zugang_lesen.py knoepfe TITEL CAPTION...   the window's shown push buttons are exactly
#                                              these, each with a press action
#   zugang_lesen.py druecken TITEL CAPTION     presses that button through its action
#   zugang_lesen.py text TITEL NAME            prints the text of the shown element with this
#                                              name or description
import sys
import time

import pyatspi


def fehler(text):
    print("FEHLER: " + text, file=sys.stderr)
    sys.exit(1)


def gezeigt(o):
    return o.getState().contains(pyatspi.STATE_SHOWING)


def fenster(titel, sekunden=20):
    ende = time.time() + sekunden
    while time.time() < ende:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for f in app:
                if f is not None and f.name == titel and gezeigt(f):
                    return f
        time.sleep(0.2)
    fehler("kein Fenster '%s' im Baum" % titel)


def alle(o):
    for c in o:
        if c is None:
            continue
        yield c
        yield from alle(c)


def knoepfe(f):
    return [c for c in alle(f) if c.getRole() == pyatspi.ROLE_PUSH_BUTTON and gezeigt(c)]


def druckaktion(k):
    try:
        a = k.queryAction()
    except NotImplementedError:
        return None, None
    for i in range(a.nActions):
        if a.getName(i).lower() == "press":
            return a, i
    return a, None


def main(argv):
    if len(argv) < 3:
        fehler("Aufruf: zugang_lesen.py knoepfe|druecken|text TITEL ...")
    befehl, titel, rest = argv[1], argv[2], argv[3:]
    f = fenster(titel)
    if befehl == "knoepfe":
        gefunden = knoepfe(f)
        namen = sorted(k.name for k in gefunden)
        if namen != sorted(rest):
            fehler("'%s' zeigt die Knöpfe %s statt %s" % (titel, namen, sorted(rest)))
        for k in gefunden:
            a, i = druckaktion(k)
            if i is None:
                fehler("'%s' in '%s' hat keine Druck-Aktion" % (k.name, titel))
        print("%s: %s" % (titel, ", ".join(namen)))
    elif befehl == "druecken":
        treffer = [k for k in knoepfe(f) if k.name == rest[0]]
        if len(treffer) != 1:
            fehler("Knopf '%s' in '%s' %d-mal gefunden" % (rest[0], titel, len(treffer)))
        a, i = druckaktion(treffer[0])
        if i is None or not a.doAction(i):
            fehler("'%s' lässt sich nicht drücken" % rest[0])
    elif befehl == "text":
        for c in alle(f):
            if rest[0] in (c.name, c.description) and gezeigt(c):
                try:
                    t = c.queryText()
                    print(t.getText(0, t.characterCount))
                except NotImplementedError:
                    print(c.name)
                return
        fehler("kein Element '%s' in '%s'" % (rest[0], titel))
    else:
        fehler("unbekannter Befehl " + befehl)


if __name__ == "__main__":
    main(sys.argv)
