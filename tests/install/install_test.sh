#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later

# The installation, end to end. Installs the game into a temporary prefix with
# `cmake --install`; builds it once more as a Debian package is built, with
# the flags of `dpkg-buildflags`, and makes its package with CPack; checks that
# everything lands where a desktop and a software centre look for it, with the
# validators they trust (desktop-file-validate, appstreamcli, lintian); unpacks
# the package into a temporary root; installs the second build again with
# absolute BINDIR and DATADIR; then plays the installed programs on a virtual
# display (Xvfb) and shows that each finds its sounds and its help file.
#   install_test.sh BUILD_DIR VERSION APP_ID SOURCE_DIR
set -eEuo pipefail
build=$(cd "$1" && pwd)
version=$2
id=$3
source=$(cd "$4" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
trap 'echo "install test: stopped at line $LINENO" >&2' ERR
# What lintian and the programs leave in the temporary folder goes too.
export TMPDIR="$work/tmp"
mkdir "$TMPDIR"
fail() {
    echo "install test: $*" >&2
    exit 1
}

# check_tree PREFIX BINDIR: the program in PREFIX/BINDIR, the rest in PREFIX/share.
check_tree() {
    local share="$1/share" program="$1/$2/trompalo"
    local desktop="$1/share/applications/$id.desktop" metainfo="$1/share/metainfo/$id.metainfo.xml"
    for file in "$program" "$share/games/trompalo/"{golpe6.wav,zoop.wav,puño.wav} \
        "$share/games/trompalo/"{Instrucciones.htm,Instrucciones_en.htm} \
        "$desktop" "$metainfo" "$share/icons/hicolor/scalable/apps/$id.svg" \
        "$share/icons/hicolor/"{48x48,256x256}"/apps/$id.png" \
        "$share/man/man6/trompalo.6.gz" "$share/man/es/man6/trompalo.6.gz" \
        "$share/doc/trompalo/copyright" "$share/doc/trompalo/changelog.gz"; do
        [ -s "$file" ] || fail "missing or empty: ${file#"$work"/}"
    done
    [ -x "$program" ] || fail "${program#"$work"/} is not executable"
    # The help pages and the manual pages, each in its place's language.
    grep -q '<html lang="es">' "$share/games/trompalo/Instrucciones.htm" || fail "Instrucciones.htm is not Spanish"
    grep -q '<html lang="en">' "$share/games/trompalo/Instrucciones_en.htm" || fail "Instrucciones_en.htm is not English"
    zgrep -qx '\.SH NAME' "$share/man/man6/trompalo.6.gz" || fail "man6/trompalo.6.gz is not English"
    zgrep -qx '\.SH NOMBRE' "$share/man/es/man6/trompalo.6.gz" || fail "es/man6/trompalo.6.gz is not Spanish"
    file "$share/icons/hicolor/48x48/apps/$id.png" | grep -q '48 x 48' || fail "icon size"
    # The desktop entry starts the program by name and shows the icon of the
    # application id; the metainfo, checked with the desktop entry it launches,
    # names the same id and this release.
    desktop-file-validate "$desktop" || fail "bad desktop entry"
    grep -qx 'Exec=trompalo' "$desktop" || fail "desktop entry Exec"
    grep -qx "Icon=$id" "$desktop" || fail "desktop entry Icon"
    { appstreamcli validate --no-net "$metainfo" && appstreamcli validate-tree --no-net "$1"; } \
        >"$work/appstream.log" 2>&1 || fail "bad metainfo or its desktop entry: $(cat "$work/appstream.log")"
    grep -q "<release version=\"$version\" date=" "$metainfo" || fail "metainfo: no release $version"
}

# play PROGRAM DATA: starts the program from elsewhere, closes the splash,
# asks for the help (F1), and checks that it read its sounds and opened the help
# file in the folder DATA. A stand-in for the desktop's document opener writes
# down what it was asked to open; HOME is the test's own, so the user's
# settings stay untouched. The desktop finds the program's windows by the
# class its entry names (class, read from the first installation).
play() {
    local program="$1" data="$2" window= i
    rm -f "$work/read" "$work/opened"
    mkdir -p "$work/bin" "$work/elsewhere" "$work/home"
    printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
    chmod +x "$work/bin/xdg-open"
    inotifywait -q -m -e open --format '%f' "$data" >"$work/read" 2>/dev/null &
    local watcher=$!
    sleep 0.5
    (cd "$work/elsewhere" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        PATH="$work/bin:$PATH" exec "$program") >"$work/game.log" 2>&1 &
    local game=$!
    # The splash comes first, alone, in the middle of the screen: a click
    # closes it, and the game window follows.
    for i in $(seq 100); do
        [ -n "$(xdotool search --onlyvisible --classname "^$class\$" 2>/dev/null)" ] && break
        sleep 0.1
    done
    sleep 0.5
    xdotool mousemove 400 300 click 1
    for i in $(seq 100); do
        window=$(grep -Fxf <(xdotool search --onlyvisible --classname "^$class\$" 2>/dev/null) \
            <(xdotool search --onlyvisible --name "^Trompalo $version\$" 2>/dev/null) | head -1) || true
        [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -n "$window" ]; then
        sleep 0.5
        xdotool windowfocus --sync "$window" key F1 # "Ayuda → Instrucciones"
        for i in $(seq 50); do
            [ -s "$work/opened" ] && break
            sleep 0.1
        done
    fi
    kill $game $watcher 2>/dev/null || true
    wait $game $watcher 2>/dev/null || true
    local where="${program#"$work"/} (log: $(cat "$work/game.log"))"
    [ -n "$window" ] || fail "the game window of $where did not appear"
    for sound in golpe6.wav zoop.wav puño.wav; do
        grep -qx "$sound" "$work/read" || fail "$where did not read $sound"
    done
    [ -s "$work/opened" ] || fail "$where opened no help file"
    local opened
    opened=$(head -1 "$work/opened")
    [ "$opened" = "file://$data/Instrucciones.htm" ] || fail "$where opened $opened"
    echo "install test: ${program#"$work"/} read its three sounds and opened ${opened#"file://$work"/}"
}

# The installation.
cmake --install "$build" --prefix "$work/prefix" >/dev/null
check_tree "$work/prefix" bin
class=$(sed -n 's/^StartupWMClass=//p' "$work/prefix/share/applications/$id.desktop")
[ -n "$class" ] || fail "the desktop entry names no window class"
# A build given no flags is hardened: its relocations are resolved at start.
if grep -qx 'TROMPALO_HARDENING:BOOL=ON' "$build/CMakeCache.txt"; then
    readelf -d "$work/prefix/bin/trompalo" | grep -q 'BIND_NOW' || fail "the program is not linked with -z now"
fi

# The package's build, as the README makes it: the distribution's flags from
# dpkg-buildflags (all its hardening), with the main build's generator and
# compiler; the game's targets alone.
in_cache() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
package_build="$work/package-build"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
(
    cd "$source"
    eval "$(dpkg-buildflags --export=sh)"
    cmake -S . -B "$package_build" -G "$(in_cache CMAKE_GENERATOR)" \
        -DCMAKE_CXX_COMPILER="$(in_cache CMAKE_CXX_COMPILER)" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr &&
        cmake --build "$package_build" -j2
) >"$work/package-build.log" 2>&1 || fail "the package's build: $(tail -30 "$work/package-build.log")"
# Every compilation takes the distribution's flags as they are, its CXXFLAGS
# and CPPFLAGS, and adds no hardening of its own: the stack protector and
# _FORTIFY_SOURCE appear as often as in those flags, never undefined.
flags="$(cd "$source" && dpkg-buildflags --get CXXFLAGS) $(cd "$source" && dpkg-buildflags --get CPPFLAGS)"
grep '"command":' "$package_build/compile_commands.json" >"$work/commands" || fail "no compilation listed"
! grep -qvF -- "$flags" "$work/commands" || fail "compiled without dpkg-buildflags' CXXFLAGS and CPPFLAGS"
hardening() { awk '{ print gsub(/-fstack-protector|-[DU]_FORTIFY_SOURCE/, "") }'; }
expected=$(hardening <<<"$flags")
[ "$expected" -ge 2 ] && ! hardening <"$work/commands" | grep -qvx "$expected" ||
    fail "compilations add hardening flags to dpkg-buildflags' own"

# The package: one .deb that lintian passes without an error or a warning.
cpack --config "$package_build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(cat "$work/cpack.log")"
debs=("$work/package/"*.deb)
name="trompalo_${version}_$(dpkg --print-architecture).deb"
[ ${#debs[@]} -eq 1 ] && [ "${debs[0]##*/}" = "$name" ] || fail "cpack made ${debs[*]##*/} instead of $name"
deb=${debs[0]}
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package's section is not games"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package's dependencies lack Qt"
dpkg-deb -x "$deb" "$work/root"
check_tree "$work/root/usr" games
readelf -d "$work/root/usr/games/trompalo" | grep -q 'BIND_NOW' || fail "the package's program is not linked with -z now"

# Absolute install dirs, as some distributions give them: the program in one
# folder, its data in another; only the program is built again.
abs="$work/absolute"
cmake -S "$source" -B "$package_build" -DCMAKE_INSTALL_BINDIR="$abs/somewhere/bin" \
    -DCMAKE_INSTALL_DATADIR="$abs/elsewhere/share" >"$work/absolute.log" 2>&1 &&
    cmake --build "$package_build" --target trompalo -j2 >>"$work/absolute.log" 2>&1 &&
    cmake --install "$package_build" --prefix "$abs/prefix" >>"$work/absolute.log" 2>&1 ||
    fail "absolute install dirs: $(tail -30 "$work/absolute.log")"
abs_data="$abs/elsewhere/share/games/trompalo"
for file in "$abs/somewhere/bin/trompalo" "$abs_data/"{golpe6.wav,zoop.wav,puño.wav,Instrucciones.htm,Instrucciones_en.htm} \
    "$abs/elsewhere/share/applications/$id.desktop" "$abs/elsewhere/share/icons/hicolor/scalable/apps/$id.svg"; do
    [ -s "$file" ] || fail "absolute install dirs: missing or empty: ${file#"$work"/}"
done
# The program copied to a folder of its own finds the data where the
# installation put it (the data folder configured).
mkdir "$work/copied"
cp "$abs/somewhere/bin/trompalo" "$work/copied/"

# One virtual X display for both programs, whatever platform the other tests
# chose; Xvfb picks a free display number itself and tells it.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
for i in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
play "$work/prefix/bin/trompalo" "$work/prefix/share/games/trompalo"
play "$work/root/usr/games/trompalo" "$work/root/usr/share/games/trompalo"
play "$abs/somewhere/bin/trompalo" "$abs_data"
play "$work/copied/trompalo" "$abs_data"
# The installation moved as a whole finds its data at the same path from the
# program's folder.
mv "$abs" "$work/moved"
play "$work/moved/somewhere/bin/trompalo" "$work/moved/elsewhere/share/games/trompalo"
echo "install test: ${deb##*/} passes lintian; the installations and the package play"
