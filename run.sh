#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Glimmerset. Without a display it runs the
# compression job headless on the bundled sample photos and prints the results.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

app="$build/src/ui/glimmerset"
cli="$build/src/cli/glimmerset-cli"
if { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; } && [ -x "$app" ]; then
  exec "$app" "$@"
fi

echo "No display: compressing the sample photos in data/samples headless."
out=$(mktemp -d "${TMPDIR:-/tmp}/glimmerset-run.XXXXXX")
if "$cli" --help | grep -q '^  compress'; then
  "$cli" compress --keep-metadata --output "$out" data/samples
  echo "Compressed copies are in $out"
else
  "$cli" info data/samples/*.jpg
fi
