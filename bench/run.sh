#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs every benchmark and prints one line per figure: median, spread and the
# ratio to the reference measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target tinctora refresh_bench eyedropper_bench floor_app startup_probe >/dev/null

"$build"/bench/refresh_bench 2>/dev/null

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>/tmp/tinctora-bench-display 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -s /tmp/tinctora-bench-display ] && break; sleep 0.1; done
export DISPLAY=:$(cat /tmp/tinctora-bench-display)
"$build"/bench/eyedropper_bench 2>/dev/null
"$build"/bench/startup_probe 15 "$build"/src/shell/tinctora "$build"/bench/floor_app 2>/dev/null
