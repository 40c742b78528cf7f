# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

"""Files a tool generates and the repository keeps (the pictures, the help
pages): written again where they differ, or with --check only named.

Python 3 standard library only.
"""

import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]


def relative(path):
    """path from the repository's root, where it lies inside it."""
    try:
        return path.relative_to(ROOT)
    except ValueError:
        return path


def bring_up_to_date(script, made, kept, check, unmade):
    """script: the tool's own file; made: (path, bytes, source) for every file the tool makes; kept: the
    files of that kind in the repository now; unmade: what to say of a kept
    file that nothing makes.

    Without check, writes each made file whose bytes differ. With check,
    names each one missing or out of date. Either way it names each kept file
    that nothing makes. Returns the exit status: 1 when check found a file
    to name, else 0.
    """
    program = script.name
    stale = 0
    for path, data, source in made:
        try:
            current = path.read_bytes()
        except OSError:
            current = None
        if current == data:
            continue
        if not check:
            path.write_bytes(data)
            print("%s: wrote %s (%s)" % (program, relative(path), source))
            continue
        print("%s: %s is %s (%s); run python3 %s" % (
            program, relative(path), "missing" if current is None else "out of date", source,
            relative(script)), file=sys.stderr)
        stale += 1
    made_names = {path.name for path, _, _ in made}
    for path in sorted(kept):
        if path.name not in made_names:
            print("%s: %s %s" % (program, relative(path), unmade), file=sys.stderr)
            stale += 1
    if not stale:
        print("%s: the %d files are what it makes" % (program, len(made)))
    return 1 if stale and check else 0
