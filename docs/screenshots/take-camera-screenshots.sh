#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Retakes the camera window's screenshots: runs glimmerset under Xvfb with openbox on a
# test card served by libgphoto2's "Directory Browse" driver, opens the camera, selects
# three photos and drops down the remove-metadata menu over their downloaded copies;
# then the editor in camera mode over a card of the test photos.
#   docs/screenshots/take-camera-screenshots.sh BUILD_DIR
# Needs xvfb, openbox, xdotool, imagemagick and exiftool.
set -euo pipefail
build=${1:?build folder}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
card="$work/card/DCIM/100CANON"
mkdir -p "$work/home" "$card"
export DISPLAY=:96 HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"

# Photo-like pictures with Exif thumbnails, as a camera writes them, and a movie.
i=1
for colours in '#3060c0-#f0c040' '#204020-#a0d060' '#602040-#f0a080' '#102040-#60a0f0' \
               '#504030-#e0c0a0' '#303060-#c080f0' '#205050-#80f0e0' '#603010-#f0d040'; do
  name=$(printf 'IMG_%04d.JPG' $((4810 + i)))
  convert -size 1200x900 gradient:"$colours" -attenuate 0.3 +noise Gaussian \
          -fill '#ffffff30' -draw "circle $((i * 120)),400 $((i * 120 + 160)),400" -quality 85 "$card/$name"
  convert "$card/$name" -thumbnail 160x120 "$work/thumb.jpg"
  exiftool -q -overwrite_original -Make=Canon "-Model=Canon EOS 80D" -GPSLatitude=48.8584 -GPSLatitudeRef=N \
           -GPSLongitude=2.2945 -GPSLongitudeRef=E "-ThumbnailImage<=$work/thumb.jpg" "$card/$name"
  i=$((i + 1))
done
printf '\0\0\0\x14ftypqt  \0\0\0\0qt  ' > "$card/MVI_4819.MOV"

# A display with a window manager, and the program on the test card; $1: seconds to settle.
start() {
  Xvfb :96 -screen 0 1280x800x24 >/dev/null 2>&1 &
  sleep 1
  openbox >/dev/null 2>&1 &
  sleep 1
  "$build/src/ui/glimmerset" --camera "Directory Browse" --port "disk:$work/card" >/dev/null 2>&1 &
  sleep "$1"
}

start 8
xdotool key alt+p; sleep 0.5; xdotool key p; sleep 1     # Photos > Import from Camera or Phone…
camera=$(xdotool search --name '^Camera$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$camera")"     # X Y WIDTH HEIGHT
xdotool mousemove $((X + WIDTH - 32)) $((Y + 30)) click 1; sleep 4   # open the camera
xdotool mousemove $((X + 70)) $((Y + 110)) click 1                   # first photo
xdotool keydown shift mousemove $((X + 310)) $((Y + 110)) click 1 keyup shift; sleep 1
import -window "$camera" "$here/camera-window.png"
# Remove metadata: the selected photos are copied into the Working folder, then the menu drops.
xdotool mousemove $((X + 168)) $((Y + HEIGHT - 52)) click 1; sleep 4
import -window root "$work/full.png"
convert "$work/full.png" -crop "$((WIDTH + 40))x$((HEIGHT + 160))+$((X - 20))+$((Y - 20))" +repage \
        "$here/camera-remove-menu.png"
kill $(jobs -p) 2>/dev/null || true; sleep 1

# The editor in camera mode, on a card holding the test photos: Photos > Edit Metadata,
# then the editor's "Camera" switch, which opens the camera and lists its photos.
repo=$(cd "$here/../.." && pwd)
rm -rf "$work/card" "$work/home"; mkdir -p "$card" "$work/home"
cp "$repo"/tests/data/gps_htc_desire.jpg "$repo"/tests/data/gps_iphone_1x1.jpg "$repo"/tests/data/iptc_metapm.jpg "$card/"
start 6
xdotool key ctrl+e; sleep 1.5
xdotool mousemove 477 499 click 1; sleep 4                          # Camera
xdotool mousemove 400 570 click 1; sleep 0.3                        # first photo
xdotool keydown ctrl mousemove 640 570 click 1 keyup ctrl; sleep 1   # and the third
import -window root "$work/full.png"
convert "$work/full.png" -crop 790x632+300+168 +repage "$here/editor-camera-mode.png"
