#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMERSET_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

# The corpus run joins in when the shared photo corpus sits beside the checkout.
labels=()
if [ ! -d ../shared/corpus ]; then
  echo "test.sh: ../shared/corpus not found, skipping the corpus tests"
  labels=(-LE corpus)
fi
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" "${labels[@]}"
