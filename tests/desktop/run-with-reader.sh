#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one test program the way a screen reader meets it: a private D-Bus session bus with the
# accessibility bus and its registry on it, and a desktop of its own (run-on-desktop.sh). The
# program is asked to publish its accessible objects even though no reader asked for them.
set -u
fail() { echo "FAILED: reader: $*" >&2; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
command -v dbus-run-session >/dev/null || fail "dbus is not installed (scripts/install-deps.sh installs it)"
[ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi2-core is not installed (scripts/install-deps.sh installs it)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is not installed (scripts/install-deps.sh installs it)"

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export WUPPLE_TREE_READER="$here/read-accessible-tree.py"
# The accessibility bus puts its socket in the runtime folder, or in ~/.cache without one: a
# folder of its own keeps two runs at the same time (two build folders) off each other's bus.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/wupple-reader.XXXXXX") || fail "no temporary folder"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime"
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  trap "kill $launcher 2>/dev/null; wait $launcher 2>/dev/null" EXIT
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  "$@"' reader "$here/run-on-desktop.sh" "$@"
