#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Retakes the screenshots in this folder: runs glimmerset under Xvfb with openbox,
# compresses copies of a few camera photos, opens the resize sheet and preferences, and
# shows the list once more under the dark palette.
#   docs/screenshots/take-screenshots.sh BUILD_DIR PHOTO...
# Needs xvfb, openbox, xdotool and imagemagick.
set -euo pipefail
build=${1:?build folder}; shift
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/photos"
cp "$@" "$work/photos/"
chmod u+w "$work"/photos/*
export DISPLAY=:97 HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
Xvfb :97 -screen 0 1280x800x24 >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1

# Results go into the Output folder: replacing the photos would first ask to confirm.
settings() { # [extra ini line]
  mkdir -p "$XDG_CONFIG_HOME/Vantoric"
  printf '[General]\nbkeepOriginalPhoto=true\n%s\n' "${1:-}" > "$XDG_CONFIG_HOME/Vantoric/Glimmerset.conf"
}

# Every window the program shows (main window, drawer, sheets), with a margin of the screen.
shot() { # name
  local x0=99999 y0=99999 x1=0 y1=0 id x y w h
  for id in $(xdotool search --onlyvisible --pid "$app_pid"); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    x=$X; y=$Y; w=$WIDTH; h=$HEIGHT
    [ "$w" -gt 40 ] && [ "$h" -gt 40 ] || continue
    ((x < x0)) && x0=$x; ((y < y0)) && y0=$y
    ((x + w > x1)) && x1=$((x + w)); ((y + h > y1)) && y1=$((y + h))
  done
  x0=$((x0 > 20 ? x0 - 20 : 0)); y0=$((y0 > 20 ? y0 - 20 : 0))
  import -window root "$work/full.png"
  convert "$work/full.png" -crop "$((x1 + 20 - x0))x$((y1 + 20 - y0))+$x0+$y0" +repage "$here/$1"
}
# The main window's top-left corner (clicks are relative to it).
origin() {
  eval "$(xdotool getwindowgeometry --shell "$(xdotool search --onlyvisible --pid "$app_pid" | head -1)")"
  wx=$X; wy=$Y
}
app="$build/src/ui/glimmerset"
"$app" >/dev/null 2>&1 &
app_pid=$!
sleep 2
shot start-screen.png

kill $app_pid; sleep 1

# A long job, to catch the turning disk.
convert -size 4000x3000 gradient:'#3060c0-#f0c040' -attenuate 0.4 +noise Gaussian -quality 95 "$work/big.jpg"
big=()
for i in $(seq -w 1 40); do cp "$work/big.jpg" "$work/big$i.jpg"; big+=("$work/big$i.jpg"); done
settings
"$app" "${big[@]}" >/dev/null 2>&1 &
app_pid=$!
sleep 3
shot busy.png
kill $app_pid; sleep 1
rm -rf "$work/home/Pictures" "$work/home/.config"

settings
"$app" "$work"/photos/* >/dev/null 2>&1 &
app_pid=$!
sleep 6
origin
shot list-after-job.png
xdotool mousemove $((wx + 477)) $((wy + 570)) click 1; sleep 1   # Resize…
xdotool mousemove $((wx + 354)) $((wy + 130)) click 1; sleep 0.7 # the size pop-up
xdotool mousemove $((wx + 247)) $((wy + 219)) click 1; sleep 0.7 # "1024 x 768"
shot resize-sheet.png
xdotool key Escape; sleep 0.5
xdotool mousemove $((wx + 74)) $((wy + 9)) click 1; sleep 0.7     # Glimmerset menu
xdotool mousemove $((wx + 107)) $((wy + 54)) click 1; sleep 1     # Preferences…
shot preferences.png
xdotool key Escape; sleep 0.5
kill $app_pid; sleep 1

# The same list under the dark palette (Preferences ▸ Appearance ▸ Dark).
rm -rf "$work/home/Pictures"
settings Appearance=Dark
cp "$@" "$work/photos/"
chmod u+w "$work"/photos/*
"$app" "$work"/photos/* >/dev/null 2>&1 &
app_pid=$!
sleep 6
origin
shot list-dark.png
xdotool key ctrl+e; sleep 1.5                                     # the editor, dark
shot editor-dark.png
xdotool key ctrl+e; sleep 0.5
xdotool windowactivate --sync "$(xdotool search --onlyvisible --pid "$app_pid" | head -1)"; sleep 0.3
xdotool mousemove $((wx + 74)) $((wy + 9)) click 1; sleep 0.7     # Glimmerset menu
xdotool mousemove $((wx + 107)) $((wy + 54)) click 1; sleep 1     # Preferences…
shot preferences-dark.png
xdotool key Escape; sleep 0.5
kill $app_pid; sleep 1

# The connect sheet, the editor and its windows, a library and the update window are taken
# by the tests that drive them (tests/ui), on this display; tst_translation's layout check
# takes the German list after a job on the camera photos.
for t in tst_photolibrarycontroller tst_editorpanel tst_updatecontroller; do
  GLIMMERSET_SCREENSHOTS="$here" QT_QPA_PLATFORM=xcb "$build/tests/$t" >/dev/null
done
GLIMMERSET_SCREENSHOTS="$here" GLIMMERSET_CORPUS="$(dirname "$(dirname "$1")")" "$build/tests/tst_translation" \
  germanTextsAreNotClipped >/dev/null
