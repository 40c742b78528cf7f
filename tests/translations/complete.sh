#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

# Every translation of the game is complete: a copy of each translations/*.ts,
# brought up to date with the texts of the code, has no unfinished message (a
# text of the code left untranslated, or new) and no obsolete or vanished one
# (a translation of a text the code no longer has).
#   complete.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$root"/translations/*.ts; do
    copy="$work/${ts##*/}"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none -source-language es "$root/src" -ts "$copy"
    if grep -n -E 'type="(unfinished|obsolete|vanished)"' -B2 "$copy" >"$work/left"; then
        echo "${ts#"$root"/}: not complete (run: cmake --build build --target update_translations, then translate):"
        cat "$work/left"
        status=1
    fi
done
exit $status
