// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's fourteen effects: what each one is, its sample rate and its exact length in bytes.
#include "Synth.h"

#include <vector>

namespace soundgen {

struct Effect {
    int id;
    int rate; // samples per second
    int bytes; // one byte per sample
    Samples (*make)(int rate, int count);
    int sameAs = 0; // nonzero: byte for byte the effect with this id
};

const std::vector<Effect>& effects();

// The levels every effect is brought to, so that none is much louder than another. The ceiling
// leaves a decibel for the overshoot of the mixer's resampling, so what is heard stays below -3 dBFS.
constexpr double effectRmsDb = -17.0;
constexpr double effectCeilingDb = -4.5;

Samples wordJingle(int rate, int count); // 100: a new word appears
Samples tick(int rate, int count); // 101 and 106
Samples lostSlide(int rate, int count); // 102: the word is lost
Samples missBonk(int rate, int count); // 103
Samples tilePop(int rate, int count); // 104
Samples winnerFanfare(int rate, int count); // 105

Samples cheerWhistle(int rate, int count); // 107
Samples cheerBellRun(int rate, int count); // 108
Samples cheerTaDa(int rate, int count); // 109
Samples cheerGiggle(int rate, int count); // 110
Samples cheerDrumRoll(int rate, int count); // 111
Samples cheerArpeggio(int rate, int count); // 112
Samples cheerClaps(int rate, int count); // 113

} // namespace soundgen
