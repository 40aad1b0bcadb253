#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wupple developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs to build, run and test, and only those that are
# missing, so a second call costs a fraction of a second.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config ccache
  qt6-base-dev qcoro-qt6-dev
  # the record of play: Qt's SQLite driver, and the progress window's chart
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  libsdl2-mixer-dev timgm6mb-soundfont libxcb1-dev
  # Qt's own texts (buttons, the file dialog, key names) in the game's languages
  qt6-translations-l10n
  # FluidSynth's header (its log hook, the tune's soundfont check); SDL_mixer's own brings it too
  libfluidsynth-dev
  # the voice: espeak-ng's header (the library itself is loaded at run time) and its voices
  libespeak-ng-dev espeak-ng-data
  fonts-dejavu-core
  # a picture for a word (colour emoji) and letters made for beginning readers
  fonts-noto-color-emoji fonts-sil-andika
  # the scalable icon; the package's library dependencies (dpkg-shlibdeps, which CPack runs on
  # the files that `file` finds to be programs); the checks of the installed tree
  qt6-svg-dev
  dpkg-dev file desktop-file-utils appstream
  # every file states its licence (REUSE)
  reuse
  # The desktop tests: a virtual X server, a window manager, and the tools that ask them.
  xvfb xauth openbox xdotool x11-utils x11-xkb-utils
  # What a screen reader reads: the accessibility bus and registry, read back from Python.
  at-spi2-core python3-pyatspi dbus
)
# Only used for screenshots and listening checks by hand; CI does not need them.
if [ "${WUPPLE_EXTRA_TOOLS:-0}" = 1 ]; then
  packages+=(imagemagick sox)
fi
# Only for `make fuzz`: clang with libFuzzer and its sanitizer runtimes.
if [ "${WUPPLE_FUZZ_TOOLS:-0}" = 1 ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi
# Only for `make coverage`.
if [ "${WUPPLE_COVERAGE_TOOLS:-0}" = 1 ]; then
  packages+=(gcovr)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please install as root: ${missing[*]}" >&2; exit 1; }
  sudo=sudo
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
