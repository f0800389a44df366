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

shot() { # name x y w h (window-relative crop with a margin)
  import -window root "$work/full.png"
  convert "$work/full.png" -crop "$4x$5+$2+$3" +repage "$here/$1"
}
app="$build/src/ui/glimmerset"
"$app" >/dev/null 2>&1 &
app_pid=$!
sleep 2
# The window is centred: 654 x 300 at start, 654 x 598 for the list.
shot start-screen.png 293 230 694 340

kill $app_pid; sleep 1

# A long job, to catch the turning disk.
convert -size 4000x3000 gradient:'#3060c0-#f0c040' -attenuate 0.4 +noise Gaussian -quality 95 "$work/big.jpg"
big=()
for i in $(seq -w 1 40); do cp "$work/big.jpg" "$work/big$i.jpg"; big+=("$work/big$i.jpg"); done
settings
"$app" "${big[@]}" >/dev/null 2>&1 &
app_pid=$!
sleep 3
shot busy.png 293 81 694 638
kill $app_pid; sleep 1
rm -rf "$work/home/Pictures" "$work/home/.config"

settings
"$app" "$work"/photos/* >/dev/null 2>&1 &
app_pid=$!
sleep 6
wx=313; wy=101
shot list-after-job.png 293 81 694 638
xdotool mousemove $((wx + 477)) $((wy + 570)) click 1; sleep 1   # Resize…
xdotool mousemove $((wx + 354)) $((wy + 130)) click 1; sleep 0.7 # the size pop-up
xdotool mousemove $((wx + 247)) $((wy + 219)) click 1; sleep 0.7 # "1024 x 768"
shot resize-sheet.png 293 81 694 638
xdotool key Escape; sleep 0.5
xdotool mousemove $((wx + 74)) $((wy + 9)) click 1; sleep 0.7     # Glimmerset menu
xdotool mousemove $((wx + 107)) $((wy + 54)) click 1; sleep 1     # Preferences…
shot preferences.png 293 81 694 638
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
shot list-dark.png 293 81 694 638
kill $app_pid; sleep 1

# The connect sheet, the editor listing a library and the update window are taken by the
# tests that drive them (tests/ui), on this display.
for t in tst_photolibrarycontroller tst_updatecontroller; do
  GLIMMERSET_SCREENSHOTS="$here" QT_QPA_PLATFORM=xcb "$build/tests/$t" >/dev/null
done
