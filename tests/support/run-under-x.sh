#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-under-x.sh PROGRAM [ARG...]: runs a GUI test the way a user sees the program, under
# a display of its own (Xvfb) with a window manager (openbox) and the xcb platform, so
# placement, decorations, modality and the window manager's close are the real ones.
set -euo pipefail
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "run-under-x: $tool is needed (scripts/install-deps)" >&2; exit 1; }
done
fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
xvfb=$!
read -r display <"$fifo"; rm -f "$fifo"
export DISPLAY=":$display"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
# A window mapped while openbox is still starting can stay unmapped: wait for its desktops.
for _ in $(seq 100); do
  desktops=$(xdotool get_num_desktops 2>/dev/null || true)
  [ "${desktops:-0}" -gt 0 ] && break
  sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
