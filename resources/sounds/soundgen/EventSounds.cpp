// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The effects of the game's main events. Each recipe fills exactly `count` samples; levelling and
// the fades at both ends are applied afterwards for all effects alike.
#include "Effects.h"

namespace soundgen {

namespace {

double seconds(int rate, int count) { return double(count) / rate; }

} // namespace

// A bright rising jingle, like a little music box announcing something new.
Samples wordJingle(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    const double notes[] = {79, 84, 88, 91}; // G5 C6 E6 G6
    for (int i = 0; i < 4; ++i) {
        Note n;
        n.start = 0.085 * i;
        n.length = end - n.start;
        n.hz = noteHz(notes[i]);
        n.attack = 0.002;
        n.decay = i == 3 ? 0.22 : 0.12;
        n.release = 0.05;
        n.timbre = {{1.0, 1.0, 1.0}, {2.0, 0.35, 2.0}, {3.0, 0.15, 3.0}, {4.0, 0.06, 4.0}};
        addNote(s, rate, n);
        // A soft octave below gives the tiny notes some body.
        n.hz /= 2.0;
        n.gain = 0.3;
        n.timbre = harmonics({1.0});
        addNote(s, rate, n);
    }
    return s;
}

// A short, quiet tick.
Samples tick(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    Note n;
    n.length = seconds(rate, count);
    n.hz = 1800.0;
    n.attack = 0.001;
    n.decay = 0.009;
    n.release = 0.01;
    n.timbre = harmonics({1.0, 0.25});
    addNote(s, rate, n);
    return s;
}

// "Wah, wah, wah, waaah": three falling steps and a long sad slide with a wobble.
Samples lostSlide(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    const double steps[] = {64, 63, 62}; // E4 D#4 D4
    for (int i = 0; i < 3; ++i) {
        Note n;
        n.start = 0.36 * i;
        n.length = 0.32;
        n.hz = noteHz(steps[i]);
        n.attack = 0.03;
        n.release = 0.08;
        n.bloom = 0.12;
        n.timbre = brass();
        addNote(s, rate, n);
    }
    Note last;
    last.start = 1.08;
    last.length = end - last.start;
    last.hz = noteHz(61); // C#4 sliding down to A3
    last.endHz = noteHz(57);
    last.vibratoHz = 5.0;
    last.vibratoSemitones = 0.35;
    last.attack = 0.03;
    last.decay = 0.9;
    last.release = 0.2;
    last.bloom = 0.12;
    last.timbre = brass();
    addNote(s, rate, last);
    return s;
}

// A soft, low "bonk" that drops in pitch.
Samples missBonk(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    Note n;
    n.length = seconds(rate, count);
    n.hz = 330.0;
    n.endHz = 150.0;
    n.glideTime = 0.12;
    n.attack = 0.004;
    n.decay = 0.06;
    n.release = 0.03;
    n.timbre = harmonics({1.0, 0.45, 0.2, 0.08});
    addNote(s, rate, n);
    return s;
}

// A light bubble "pop" that jumps up in pitch.
Samples tilePop(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    Note n;
    n.length = seconds(rate, count);
    n.hz = 520.0;
    n.endHz = 1400.0;
    n.glideTime = 0.05;
    n.attack = 0.002;
    n.decay = 0.045;
    n.release = 0.03;
    n.timbre = harmonics({1.0, 0.25, 0.08});
    addNote(s, rate, n);
    return s;
}

// "Ta-ta-ta taaa, ta-daaa!" on a small brass band.
Samples winnerFanfare(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    auto horn = [&](double start, double length, double midi, double gain) {
        Note n;
        n.start = start;
        n.length = length;
        n.hz = noteHz(midi);
        n.attack = 0.015;
        n.release = 0.03;
        n.bloom = 0.04;
        n.gain = gain;
        n.timbre = brass();
        addNote(s, rate, n);
    };
    horn(0.00, 0.11, 67, 0.8); // G4 G4 G4
    horn(0.13, 0.11, 67, 0.8);
    horn(0.26, 0.11, 67, 0.8);
    horn(0.39, 0.36, 72, 1.0); // C5
    horn(0.78, 0.12, 76, 0.9); // E5
    for (double midi : {60.0, 64.0, 67.0, 72.0}) { // the final C major chord
        Note n;
        n.start = 0.93;
        n.length = end - n.start;
        n.hz = noteHz(midi);
        n.vibratoHz = 5.5;
        n.vibratoSemitones = 0.12;
        n.attack = 0.02;
        n.decay = 1.2;
        n.release = 0.3;
        n.bloom = 0.06;
        n.gain = 0.55;
        n.timbre = brass();
        addNote(s, rate, n);
    }
    return s;
}

} // namespace soundgen
