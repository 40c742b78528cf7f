#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws every picture of assets/pictures with the scripts beside it.

Each script writes its pictures into the folder it is given; this runs them
all, each into a temporary folder of its own, and then either copies what
they drew into assets/pictures or, with --check, compares it byte for byte
with what is there and names every picture that is out of date, missing, or
drawn by no script (or by two).

    python3 tools/art/make_art.py           # draws every picture again
    python3 tools/art/make_art.py --check   # exit 1 if a picture is stale

Python 3 standard library only.
"""

import argparse
import subprocess
import sys
import tempfile
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parent))
from generated_files import bring_up_to_date  # noqa: E402  (beside this folder)

ROOT = HERE.parents[1]
PICTURES = ROOT / "assets" / "pictures"
SCRIPTS = ("portraits.py", "poses.py", "rolling.py", "misc.py")


def draw(folder):
    """{file name: (script, bytes)} of everything the scripts draw into folder.

    Returns None, after printing why, if a script fails or two draw one file."""
    drawn = {}
    for script in SCRIPTS:
        out = Path(folder) / Path(script).stem
        out.mkdir()
        run = subprocess.run([sys.executable, "-B", str(HERE / script), str(out)],
                             capture_output=True, text=True, check=False)
        if run.returncode != 0:
            print("make_art.py: %s failed:\n%s%s" % (script, run.stdout, run.stderr),
                  file=sys.stderr)
            return None
        for picture in sorted(out.iterdir()):
            if picture.name in drawn:
                print("make_art.py: %s and %s both draw %s"
                      % (drawn[picture.name][0], script, picture.name), file=sys.stderr)
                return None
            drawn[picture.name] = (script, picture.read_bytes())
    return drawn


def main(argv=None):
    parser = argparse.ArgumentParser(description="Draws assets/pictures/*.svg.")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; exit 1 if a picture in assets/pictures is not "
                             "what the scripts draw, or is drawn by none of them")
    args = parser.parse_args(argv)
    with tempfile.TemporaryDirectory(prefix="trompalo-art-") as folder:
        drawn = draw(folder)
    if drawn is None:
        return 2
    made = [(PICTURES / name, data, script) for name, (script, data) in sorted(drawn.items())]
    return bring_up_to_date(Path(__file__).resolve(), made, PICTURES.iterdir(), args.check,
                            "is drawn by no script in tools/art")


if __name__ == "__main__":
    sys.exit(main())
