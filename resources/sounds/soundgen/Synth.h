// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small building blocks for the game's sound effects: band-limited tones, filtered noise and the
// final levelling into a quiet, click-free signal. Everything works on doubles in -1..1 at the
// effect's own sample rate and is deterministic, so every build makes the same bytes.
#include <cstdint>
#include <functional>
#include <vector>

namespace soundgen {

using Samples = std::vector<double>;

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double noteHz(double midiNote);

struct Partial {
    double ratio = 1.0; // frequency as a multiple of the fundamental
    double amp = 1.0;
    double decayScale = 1.0; // how much faster than the fundamental this partial dies away
};
using Timbre = std::vector<Partial>;

// Harmonic timbres; partials that would reach the Nyquist band are dropped per sample.
Timbre harmonics(std::initializer_list<double> amps);
Timbre brass(); // bright, 1/k spectrum
Timbre bell(); // inharmonic, upper partials die fast
Timbre marimba();

struct Note {
    double start = 0.0; // seconds
    double length = 0.1; // seconds, including the release
    double hz = 440.0;
    double endHz = 0.0; // glide target reached at the end of the note; 0 keeps the pitch
    double glideTime = 0.0; // seconds the glide takes; 0 means the whole note
    double vibratoHz = 0.0;
    double vibratoSemitones = 0.0;
    double attack = 0.005; // raised-cosine rise, seconds
    double release = 0.03; // raised-cosine fall at the end, seconds
    double decay = 0.0; // exponential decay time constant, seconds; 0 sustains
    double gain = 1.0;
    // Softens the upper partials during the first seconds (brass "blooms" open).
    double bloom = 0.0;
    Timbre timbre = harmonics({1.0});
};

// Adds one note to `out` (which has the effect's final length) at sample rate `rate`.
void addNote(Samples& out, int rate, const Note& note);

struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double process(double x);
    static Biquad bandPass(int rate, double hz, double q);
    static Biquad highPass(int rate, double hz, double q);
    static Biquad lowPass(int rate, double hz, double q);
};

// Deterministic white noise in -1..1 (xorshift), one stream per seed.
class Noise {
public:
    explicit Noise(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) { }
    double next();
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() * 0.5 + 0.5); }

private:
    std::uint64_t m_state;
};

struct NoiseBurst {
    double start = 0.0;
    double length = 0.05;
    double attack = 0.001;
    double decay = 0.02; // exponential decay time constant
    double release = 0.005;
    double gain = 1.0;
    std::function<Biquad()> makeFilter; // a fresh filter for each burst
};

void addNoiseBurst(Samples& out, int rate, const NoiseBurst& burst, Noise& noise);

// Levels an effect: scales it to `rmsDb` (dBFS, whole length) unless that would push a peak past
// `ceilingDb`, bends the few peaks above the knee smoothly below the ceiling, and fades both ends
// to exact silence so that starting and stopping never clicks.
void finish(Samples& s, int rate, double rmsDb, double ceilingDb, double fadeIn, double fadeOut);

// 8-bit unsigned PCM, 128 = silence.
std::vector<std::uint8_t> toPcm8(const Samples& s);

} // namespace soundgen
