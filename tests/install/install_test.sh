#!/usr/bin/env bash
# Installs the game into a temporary prefix, checks that everything lands where
# a desktop looks for it, then starts the installed program on a virtual
# display and shows that it finds its sounds and its help file there.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
fail() {
    echo "install test: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

data="$prefix/share/trompalo"
for file in "$prefix/bin/trompalo" "$data/golpe6.wav" "$data/zoop.wav" "$data/puño.wav" \
    "$data/Instrucciones.htm" "$prefix/share/applications/trompalo.desktop" \
    "$prefix/share/icons/hicolor/scalable/apps/trompalo.svg" \
    "$prefix/share/icons/hicolor/48x48/apps/trompalo.png" \
    "$prefix/share/icons/hicolor/256x256/apps/trompalo.png"; do
    [ -s "$file" ] || fail "missing or empty: ${file#"$prefix"/}"
done
[ -x "$prefix/bin/trompalo" ] || fail "bin/trompalo is not executable"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/trompalo.desktop" || fail "bad desktop entry"
fi
grep -qx 'Exec=trompalo' "$prefix/share/applications/trompalo.desktop" || fail "desktop entry Exec"
grep -qx 'Icon=trompalo' "$prefix/share/applications/trompalo.desktop" || fail "desktop entry Icon"
file "$prefix/share/icons/hicolor/48x48/apps/trompalo.png" | grep -q '48 x 48' || fail "icon size"

# The installed program, started from elsewhere, with a stand-in for the
# desktop's document opener that writes down what it was asked to open.
mkdir -p "$work/bin" "$work/elsewhere"
cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >>"$work/opened"
OPENER
chmod +x "$work/bin/xdg-open"

cat >"$work/play.sh" <<PLAY
#!/usr/bin/env bash
set -u
cd "$work/elsewhere"
# Every file the program opens in its share folder.
inotifywait -q -m -e open --format '%f' "$data" >"$work/read" 2>/dev/null &
watcher=\$!
sleep 0.5
# A real (virtual) X display, whatever platform the other tests chose; its own
# settings, so that the player's window size is neither read nor written.
env -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work/config" PATH="$work/bin:\$PATH" "$prefix/bin/trompalo" >"$work/game.log" 2>&1 &
game=\$!
# The splash comes first, alone, in the middle of the screen: a click closes
# it, and the game window follows.
for i in \$(seq 100); do
    [ -n "\$(xdotool search --onlyvisible --name '.' 2>/dev/null)" ] && break
    sleep 0.1
done
sleep 0.5
xdotool mousemove 400 300 click 1
window=
for i in \$(seq 100); do
    window=\$(xdotool search --onlyvisible --name '^Trompalo 1.1\$' 2>/dev/null | head -1)
    [ -n "\$window" ] && break
    sleep 0.1
done
if [ -z "\$window" ]; then
    echo "the game window did not appear" >&2
    kill \$game \$watcher
    exit 1
fi
sleep 0.5
eval "\$(xdotool getwindowgeometry --shell "\$window")"
# "Ayuda" in the menu bar, then its first item, "Instrucciones".
xdotool mousemove \$((X + 58)) \$((Y + 9)) click 1
sleep 0.5
xdotool key Down Return
for i in \$(seq 50); do
    [ -s "$work/opened" ] && break
    sleep 0.1
done
kill \$game \$watcher 2>/dev/null
wait 2>/dev/null
PLAY
chmod +x "$work/play.sh"
xvfb-run -a -s "-screen 0 800x600x24" "$work/play.sh" || fail "could not play the installed program (log: $(cat "$work/game.log"))"

for sound in golpe6.wav zoop.wav puño.wav; do
    grep -qx "$sound" "$work/read" || fail "the installed program did not read $sound (log: $(cat "$work/game.log"))"
done
[ -s "$work/opened" ] || fail "the installed program opened no help file"
expected="file://$data/Instrucciones.htm"
opened=$(head -1 "$work/opened")
[ "$opened" = "$expected" ] || fail "opened $opened instead of $expected"
echo "install test: installed in $prefix; the program read its three sounds and opened $opened"
