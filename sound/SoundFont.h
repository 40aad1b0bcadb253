// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

// Whether `bytes` hold a whole SoundFont 2 file: every chunk within the file, the sample data and
// all nine tables of the instrument definitions present, each of whole records, and every sample
// inside the sample data. FluidSynth skips a font it cannot load without a word and then plays
// the music in silence, so a font cut short (a copy broken off, a full disk) must be found first.
bool isWholeSoundFont(const QByteArray& bytes);
