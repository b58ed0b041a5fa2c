#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Tinctora developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renews the README's screenshots of the narrow and the wide window, taken on
# a virtual X server from the built program.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/src/shell/tinctora}
display=:$((90 + RANDOM % 9))

Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$program" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$display "$binary" >/dev/null 2>&1 &
program=$!

export DISPLAY=$display
for _ in $(seq 50); do
  window=$(xdotool search --name '^Tinctora Version' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
sleep 0.5
import -window "$window" docs/screenshot-narrow.png
# "&Web >>" sits at the right of the bottom row.
xdotool mousemove --window "$window" 180 180 click 1
sleep 0.5
import -window "$window" docs/screenshot-wide.png
echo "wrote docs/screenshot-narrow.png and docs/screenshot-wide.png"
