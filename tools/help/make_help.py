#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""Builds the game's help page, assets/Instrucciones.htm.

The page is written by hand in tools/help/Instrucciones.template.htm. Every
marker {{name}} in it becomes an <img> whose picture is the game's own
assets/pictures/<file>.svg, embedded as a data: URI, so the result is one file
that any browser opens with nothing else beside it.

A marker names a picture by a short name (c00 to c13, stroke, cross, ring,
fist, icon, pin) or by the SVG file name without ".svg" (c00-caped-hero).
{{name@W}} draws it W pixels wide instead of its usual width.

    python3 tools/help/make_help.py           # writes assets/Instrucciones.htm
    python3 tools/help/make_help.py --check   # exit 1 if that file is stale

Python 3 standard library only.
"""

import argparse
import base64
import re
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
TEMPLATE = ROOT / "tools" / "help" / "Instrucciones.template.htm"
OUTPUT = ROOT / "assets" / "Instrucciones.htm"
PICTURES = ROOT / "assets" / "pictures"

# Short marker -> (SVG file name without ".svg", usual width in px, alt text).
PICTURE_TABLE = {
    "c00": ("c00-caped-hero", 44, "El héroe de la capa"),
    "c01": ("c01-rock-strongman", 44, "El forzudo de piel de roca"),
    "c02": ("c02-green-giant", 44, "El gigante verde"),
    "c03": ("c03-blue-helmet", 44, "El héroe del casco azul"),
    "c04": ("c04-flaming-man", 44, "El hombre en llamas"),
    "c05": ("c05-armoured-hero", 44, "El héroe de la armadura roja y dorada"),
    "c06": ("c06-winged-helmet", 44, "El héroe del casco con alas"),
    "c07": ("c07-pointed-ears", 44, "El héroe de las orejas puntiagudas"),
    "c08": ("c08-tiara-heroine", 44, "La heroína de la tiara"),
    "c09": ("c09-big-nose", 44, "El narizotas del puño"),
    "c10": ("c10-big-nose-2", 44, "El narizotas del puño, enfadado"),
    "c11": ("c11-headphones-boy", 44, "El chaval de los cascos"),
    "c12": ("c12-stop-sign", 44, "La señal de STOP"),
    "c13": ("c13-hourglass", 44, "El reloj de arena"),
    "stroke": ("mark-stroke", 32, "Raya"),
    "cross": ("mark-cross", 32, "Cruz"),
    "ring": ("mark-ring", 32, "Aro"),
    "fist": ("fist", 40, "Puño de los golpes que quedan"),
    "icon": ("icon", 48, "Icono de Trompalo"),
    "pin": ("rolling-pin-2", 182, "La señora del rodillo castiga al héroe"),
}

# Pictures wider than this are shown as a block of their own.
WIDE_FROM = 100

MARKER = re.compile(r"\{\{([A-Za-z0-9_-]+)(?:@([0-9]+))?\}\}")
SVG_SIZE = re.compile(r"<svg\b[^>]*?\bwidth=\"([0-9.]+)\"[^>]*?\bheight=\"([0-9.]+)\"", re.S)

GENERATED_NOTE = (
    "<!-- Generado por tools/help/make_help.py a partir de "
    "tools/help/Instrucciones.template.htm. No lo edites a mano: "
    "edita la plantilla y vuelve a generarlo. -->\n"
)


class HelpError(Exception):
    pass


def resolve(name):
    """The (file, width, alt) of a marker name."""
    if name in PICTURE_TABLE:
        return PICTURE_TABLE[name]
    for file, width, alt in PICTURE_TABLE.values():
        if file == name:
            return file, width, alt
    if (PICTURES / (name + ".svg")).is_file():
        return name, 40, ""
    raise HelpError("unknown picture marker {{%s}}" % name)


def image_tag(name, width_override, cache):
    file, width, alt = resolve(name)
    if width_override:
        width = int(width_override)
    if file not in cache:
        path = PICTURES / (file + ".svg")
        try:
            data = path.read_bytes()
        except OSError as error:
            raise HelpError("cannot read %s: %s" % (path, error)) from error
        size = SVG_SIZE.search(data.decode("utf-8"))
        if not size:
            raise HelpError("%s has no width and height" % path)
        aspect = float(size.group(2)) / float(size.group(1))
        uri = "data:image/svg+xml;base64," + base64.b64encode(data).decode("ascii")
        cache[file] = (uri, aspect)
    uri, aspect = cache[file]
    height = round(width * aspect)
    css = "pic ancha" if width >= WIDE_FROM else "pic"
    return '<img class="%s" src="%s" width="%d" height="%d" alt="%s" />' % (
        css, uri, width, height, alt.replace("&", "&amp;").replace('"', "&quot;"))


def build():
    """The text of the help page."""
    try:
        template = TEMPLATE.read_text(encoding="utf-8")
    except OSError as error:
        raise HelpError("cannot read %s: %s" % (TEMPLATE, error)) from error
    cache = {}
    page = MARKER.sub(lambda m: image_tag(m.group(1), m.group(2), cache), template)
    leftover = re.search(r"\{\{[^}]*\}\}?", page)
    if leftover:
        raise HelpError("malformed marker %r in the template" % leftover.group(0))
    # The note goes right after the doctype line (below the licence header).
    doctype = re.search(r"^<!doctype[^\n]*\n", page, re.I | re.M)
    if doctype:
        page = page[:doctype.end()] + GENERATED_NOTE + page[doctype.end():]
    else:
        page = GENERATED_NOTE + page
    return page.encode("utf-8")


def main():
    parser = argparse.ArgumentParser(description="Builds assets/Instrucciones.htm.")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; exit 1 if assets/Instrucciones.htm is not "
                             "what this script would write")
    args = parser.parse_args()
    try:
        page = build()
    except HelpError as error:
        print("make_help.py: " + str(error), file=sys.stderr)
        return 2
    if args.check:
        try:
            current = OUTPUT.read_bytes()
        except OSError:
            current = None
        if current != page:
            print("make_help.py: %s is out of date; run python3 tools/help/make_help.py"
                  % OUTPUT.relative_to(ROOT), file=sys.stderr)
            return 1
        print("make_help.py: %s is up to date" % OUTPUT.relative_to(ROOT))
        return 0
    OUTPUT.write_bytes(page)
    print("make_help.py: wrote %s (%d bytes)" % (OUTPUT.relative_to(ROOT), len(page)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
