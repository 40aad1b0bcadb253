// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The music's score in a small text notation, read into timed notes per part.
//
//   tempo 116                      quarter notes per minute
//   meter 4/4
//   part melody channel 1 program 74 volume 100 [velocity 90] [pan 64] [legato 90]
//   pattern groove = kick+hat:e hat:e snare+hat:e hat:e ...     (exactly one bar)
//   section A                      then lines "<part> | bar | bar | ...", appended in order
//   play intro A B                 the sections in the order they sound
//   program melody 13              a program change at this point of the arrangement
//
// A note is pitch:duration. Pitches are c4 (middle C) .. b8 with # or b, several joined by +
// sound together, r is a rest; on channel 10 they are drum names (kick, snare, hat, ...).
// Durations: w h q e s (whole .. sixteenth), each dot adds half. "@name" is a pattern,
// "@name*4" the pattern four times. Every bar must fill the meter exactly.
#include <string>
#include <vector>

namespace midigen {

constexpr int ticksPerQuarter = 480;

struct TimedNote {
    int tick = 0;
    int length = 0; // ticks the note sounds
    int key = 60;
    int velocity = 90;
};

struct ProgramChange {
    int tick = 0;
    int program = 0;
};

struct Part {
    std::string name;
    int channel = 1; // 1..16, 10 is drums
    int volume = 100;
    int velocity = 90;
    int pan = 64;
    int legato = 90; // percent of the written length a melodic note sounds
    std::vector<ProgramChange> programs; // the first one at tick 0 sets the instrument
    std::vector<TimedNote> notes;
};

struct Score {
    int tempo = 120;
    int beatsPerBar = 4;
    int beatUnit = 4;
    int lengthTicks = 0;
    std::vector<Part> parts;
};

// Throws std::runtime_error with "line N: ..." on any mistake in the notation.
Score parseScore(const std::string& text);

} // namespace midigen
