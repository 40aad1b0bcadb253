#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test program on a desktop of its own: a virtual X server on a free display with the
# openbox window manager, so that window frames, window states, focus, modality and real key
# events behave as on a player's desktop. Both are ended when the test ends.
# The screen is 1280 x 1024 unless WUPPLE_SCREEN names another size ("1920x1080x24").
# Exit code 77 (a skipped test for CTest) when no X server can start here.
set -u
skip() { echo "SKIPPED: desktop tests need a virtual X server: $*" >&2; exit 77; }
fail() { echo "FAILED: desktop: $*" >&2; exit 1; }

command -v Xvfb >/dev/null || skip "Xvfb is not installed (scripts/install-deps.sh installs it)"
command -v openbox >/dev/null || fail "openbox is not installed (scripts/install-deps.sh installs it)"

work=$(mktemp -d) || fail "no temporary folder"
xpid="" wmpid=""
cleanup() {
  [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null && wait "$wmpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

# The server picks a free display itself and writes its number once it accepts connections.
mkfifo "$work/display" "$work/wm" || fail "no pipes in $work"
Xvfb -displayfd 3 -screen 0 "${WUPPLE_SCREEN:-1280x1024x24}" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xpid=$!
exec 4<"$work/display"
read -r -t 30 number <&4 || number=""
exec 4<&-
[ -n "$number" ] || { sed -n 1,5p "$work/xvfb.log" >&2; skip "Xvfb did not start"; }
export DISPLAY=":$number"
# A Swedish keyboard has keys for Å, Ä and Ö, so typed letters arrive as real key presses of their
# own (typing a letter the layout lacks makes the X tools remap keys on the fly, which races).
setxkbmap -layout se 2>/dev/null || echo "desktop: no Swedish keyboard layout; typing Å may fail" >&2

# openbox runs its start-up command once it manages the screen.
HOME="$work" openbox --sm-disable --startup "sh -c 'echo up > $work/wm'" >"$work/openbox.log" 2>&1 &
wmpid=$!
exec 5<"$work/wm"
read -r -t 30 up <&5 || up=""
exec 5<&-
[ "$up" = up ] || { cat "$work/openbox.log" >&2; fail "openbox did not start on $DISPLAY"; }

export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/runtime" && export XDG_RUNTIME_DIR="$work/runtime"
unset WAYLAND_DISPLAY
"$@"
