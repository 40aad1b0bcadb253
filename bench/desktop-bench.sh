#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the whole-process measurements on a virtual X server with a window manager, as a child's
# desktop would run the game.   bench/desktop-bench.sh <build folder> [rounds]
set -euo pipefail
build=${1:-build}
rounds=${2:-5}
for tool in Xvfb openbox xdotool; do
  command -v $tool >/dev/null || { echo "desktop benchmark skipped: $tool is missing"; exit 0; }
done

display=""
for n in $(seq 140 199); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $wm $xvfb 2>/dev/null || true' EXIT
wm=""
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X${display#:} ] && break; sleep 0.1; done
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1

# The game gets a sound device that behaves like a real one in time but needs no hardware.
DISPLAY=$display SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb \
  "$build/bench/wupple-desktop-bench" "$build" "$build/bench/wupple-bare-window" "$rounds"
