// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Seven different short cheers for a solved word (the eighth is the tick).
#include "Effects.h"

#include <algorithm>

namespace soundgen {

namespace {

double seconds(int rate, int count) { return double(count) / rate; }

} // namespace

// A rising slide whistle, "fweeet!".
Samples cheerWhistle(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    Note n;
    n.length = end;
    n.hz = 1300.0;
    n.endHz = 2600.0;
    n.glideTime = 0.16;
    n.vibratoHz = 14.0;
    n.vibratoSemitones = 0.15;
    n.attack = 0.012;
    n.release = 0.04;
    n.timbre = harmonics({1.0, 0.08});
    addNote(s, rate, n);
    Noise breath(107);
    addNoiseBurst(s, rate,
                  {0.0, end, 0.01, 0.0, 0.04, 0.12, [rate] { return Biquad::bandPass(rate, 2000.0, 1.5); }}, breath);
    return s;
}

// Four quick bells running up a major chord.
Samples cheerBellRun(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    const double notes[] = {84, 88, 91, 96}; // C6 E6 G6 C7
    for (int i = 0; i < 4; ++i) {
        Note n;
        n.start = 0.035 * i;
        n.length = end - n.start;
        n.hz = noteHz(notes[i]);
        n.attack = 0.001;
        n.decay = 0.09;
        n.release = 0.03;
        n.timbre = bell();
        addNote(s, rate, n);
    }
    return s;
}

// "Ta-daa!": a short chord, then the big one.
Samples cheerTaDa(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    for (double midi : {67.0, 71.0, 74.0}) { // G major
        Note n;
        n.length = 0.09;
        n.hz = noteHz(midi);
        n.attack = 0.008;
        n.release = 0.02;
        n.bloom = 0.02;
        n.gain = 0.6;
        n.timbre = brass();
        addNote(s, rate, n);
    }
    for (double midi : {72.0, 76.0, 79.0, 84.0}) { // C major
        Note n;
        n.start = 0.1;
        n.length = end - n.start;
        n.hz = noteHz(midi);
        n.vibratoHz = 6.0;
        n.vibratoSemitones = 0.1;
        n.attack = 0.01;
        n.release = 0.08;
        n.bloom = 0.03;
        n.gain = 0.5;
        n.timbre = brass();
        addNote(s, rate, n);
    }
    return s;
}

// "Hee-hee-hee-hee-hee": five warbling syllables tumbling down.
Samples cheerGiggle(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    for (int i = 0; i < 5; ++i) {
        Note n;
        n.start = 0.02 + 0.115 * i;
        n.length = 0.1;
        n.hz = noteHz(86.0 - 1.5 * i);
        n.endHz = n.hz * 0.85;
        n.vibratoHz = 22.0;
        n.vibratoSemitones = 0.8;
        n.attack = 0.01;
        n.release = 0.04;
        n.timbre = harmonics({1.0, 0.5, 0.25, 0.1});
        addNote(s, rate, n);
    }
    return s;
}

// A snare roll that speeds up and grows, ending in a cymbal crash.
Samples cheerDrumRoll(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    Noise noise(111);
    double t = 0.0;
    double gap = 0.045;
    while (t < 0.27) {
        const double gain = 0.35 + 0.65 * t / 0.27;
        addNoiseBurst(s, rate,
                      {t, 0.06, 0.001, 0.03, 0.01, gain, [rate] { return Biquad::bandPass(rate, 1800.0, 0.7); }},
                      noise);
        Note body;
        body.start = t;
        body.length = 0.05;
        body.hz = 190.0;
        body.attack = 0.001;
        body.decay = 0.02;
        body.release = 0.01;
        body.gain = 0.4 * gain;
        addNote(s, rate, body);
        t += gap;
        gap = std::max(0.022, gap * 0.88);
    }
    const double crash = 0.29;
    addNoiseBurst(s, rate,
                  {crash, end - crash, 0.001, 0.12, 0.04, 1.2,
                   [rate] { return Biquad::highPass(rate, 5500.0, 0.7); }},
                  noise);
    Note kick;
    kick.start = crash;
    kick.length = end - crash;
    kick.hz = 100.0;
    kick.endHz = 55.0;
    kick.glideTime = 0.08;
    kick.attack = 0.002;
    kick.decay = 0.06;
    kick.release = 0.03;
    addNote(s, rate, kick);
    return s;
}

// Six marimba notes rising quickly over two octaves.
Samples cheerArpeggio(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    const double end = seconds(rate, count);
    const double notes[] = {72, 76, 79, 84, 88, 91}; // C5 E5 G5 C6 E6 G6
    for (int i = 0; i < 6; ++i) {
        Note n;
        n.start = 0.036 * i;
        n.length = end - n.start;
        n.hz = noteHz(notes[i]);
        n.attack = 0.001;
        n.decay = i == 5 ? 0.12 : 0.07;
        n.release = 0.03;
        n.timbre = marimba();
        addNote(s, rate, n);
    }
    return s;
}

// A handful of children clapping, not quite together.
Samples cheerClaps(int rate, int count)
{
    Samples s(std::size_t(count), 0.0);
    Noise noise(113);
    const double claps[] = {0.0, 0.048, 0.094, 0.143, 0.185};
    for (double start : claps) {
        const double hz = noise.uniform(950.0, 1400.0);
        const double gain = noise.uniform(0.8, 1.0);
        auto filter = [rate, hz] { return Biquad::bandPass(rate, hz, 1.2); };
        // A clap is a few rapid slaps of the palms followed by a short ring of the room.
        for (int k = 0; k < 3; ++k)
            addNoiseBurst(s, rate, {start + 0.007 * k, 0.006, 0.0005, 0.003, 0.002, gain, filter}, noise);
        addNoiseBurst(s, rate, {start + 0.021, 0.05, 0.0005, 0.018, 0.01, gain, filter}, noise);
    }
    return s;
}

} // namespace soundgen
