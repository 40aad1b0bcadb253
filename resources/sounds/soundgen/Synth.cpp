// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

constexpr double pi = 3.14159265358979323846;

// Rises smoothly from 0 at x = 0 to 1 at x = 1.
double smoothStep(double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0;
    return 0.5 - 0.5 * std::cos(pi * x);
}

// Partials fade out between 40 % and 45 % of the sample rate, so a gliding note never folds back
// below Nyquist and never switches a partial on or off abruptly.
double bandLimit(double hz, int rate)
{
    const double lo = 0.40 * rate;
    const double hi = 0.45 * rate;
    if (hz <= lo)
        return 1.0;
    if (hz >= hi)
        return 0.0;
    return 1.0 - smoothStep((hz - lo) / (hi - lo));
}

double dbToLinear(double db) { return std::pow(10.0, db / 20.0); }

} // namespace

double noteHz(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

Timbre harmonics(std::initializer_list<double> amps)
{
    Timbre t;
    double k = 1.0;
    for (double a : amps) {
        t.push_back({k, a, k});
        k += 1.0;
    }
    return t;
}

Timbre brass()
{
    Timbre t;
    for (int k = 1; k <= 10; ++k)
        t.push_back({double(k), 1.0 / k, 1.0});
    return t;
}

Timbre bell() { return {{1.0, 1.0, 1.0}, {2.76, 0.45, 2.0}, {5.40, 0.25, 3.5}, {8.93, 0.12, 5.0}}; }

Timbre marimba() { return {{1.0, 1.0, 1.0}, {3.93, 0.30, 4.0}, {9.2, 0.08, 8.0}}; }

void addNote(Samples& out, int rate, const Note& note)
{
    const auto first = std::max<long>(0, std::lround(note.start * rate));
    const auto count = std::lround(note.length * rate);
    const auto last = std::min<long>(long(out.size()), first + count);
    const double glide = note.glideTime > 0.0 ? note.glideTime : note.length;
    double phase = 0.0; // in cycles of the fundamental
    for (long i = first; i < last; ++i) {
        const double t = double(i - first) / rate;
        double hz = note.hz;
        if (note.endHz > 0.0)
            hz = note.hz * std::pow(note.endHz / note.hz, std::min(1.0, t / glide));
        if (note.vibratoHz > 0.0)
            hz *= std::pow(2.0, note.vibratoSemitones / 12.0 * std::sin(2.0 * pi * note.vibratoHz * t));

        double env = note.gain * smoothStep(t / note.attack);
        env *= smoothStep((note.length - t) / note.release);

        double value = 0.0;
        for (const Partial& p : note.timbre) {
            double a = p.amp * bandLimit(hz * p.ratio, rate);
            if (a == 0.0)
                continue;
            if (note.decay > 0.0)
                a *= std::exp(-t * p.decayScale / note.decay);
            if (note.bloom > 0.0 && p.ratio > 1.0)
                a *= std::pow(std::min(1.0, t / note.bloom), 0.5 * (p.ratio - 1.0));
            value += a * std::sin(2.0 * pi * p.ratio * phase);
        }
        out[std::size_t(i)] += env * value;
        phase += hz / rate;
        phase -= std::floor(phase);
    }
}

double Biquad::process(double x)
{
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

// Coefficients after the well-known audio EQ cookbook formulas.
Biquad Biquad::bandPass(int rate, double hz, double q)
{
    const double w = 2.0 * pi * hz / rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0 = alpha / a0;
    f.b1 = 0.0;
    f.b2 = -alpha / a0;
    f.a1 = -2.0 * std::cos(w) / a0;
    f.a2 = (1.0 - alpha) / a0;
    return f;
}

Biquad Biquad::highPass(int rate, double hz, double q)
{
    const double w = 2.0 * pi * hz / rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0 = (1.0 + c) / 2.0 / a0;
    f.b1 = -(1.0 + c) / a0;
    f.b2 = f.b0;
    f.a1 = -2.0 * c / a0;
    f.a2 = (1.0 - alpha) / a0;
    return f;
}

Biquad Biquad::lowPass(int rate, double hz, double q)
{
    const double w = 2.0 * pi * hz / rate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f;
    f.b0 = (1.0 - c) / 2.0 / a0;
    f.b1 = (1.0 - c) / a0;
    f.b2 = f.b0;
    f.a1 = -2.0 * c / a0;
    f.a2 = (1.0 - alpha) / a0;
    return f;
}

double Noise::next()
{
    m_state ^= m_state >> 12;
    m_state ^= m_state << 25;
    m_state ^= m_state >> 27;
    const std::uint64_t r = m_state * 0x2545F4914F6CDD1Dull;
    return double(r >> 11) / double(1ull << 52) - 1.0;
}

void addNoiseBurst(Samples& out, int rate, const NoiseBurst& burst, Noise& noise)
{
    Biquad filter = burst.makeFilter ? burst.makeFilter() : Biquad();
    const auto first = std::max<long>(0, std::lround(burst.start * rate));
    const auto last = std::min<long>(long(out.size()), first + std::lround(burst.length * rate));
    for (long i = first; i < last; ++i) {
        const double t = double(i - first) / rate;
        double env = burst.gain * smoothStep(t / burst.attack) * smoothStep((burst.length - t) / burst.release);
        if (burst.decay > 0.0)
            env *= std::exp(-t / burst.decay);
        out[std::size_t(i)] += env * filter.process(noise.next());
    }
}

void finish(Samples& s, int rate, double rmsDb, double ceilingDb, double fadeIn, double fadeOut)
{
    const auto n = s.size();
    // Fade first, so that the level is measured on what will really be heard.
    const double inSamples = std::max(1.0, fadeIn * rate);
    const double outSamples = std::max(1.0, fadeOut * rate);
    for (std::size_t i = 0; i < n; ++i) {
        s[i] *= smoothStep(double(i) / inSamples);
        s[i] *= smoothStep(double(n - 1 - i) / outSamples);
    }

    double sum = 0.0;
    double peak = 0.0;
    for (double v : s) {
        sum += v * v;
        peak = std::max(peak, std::abs(v));
    }
    if (peak == 0.0)
        return;
    const double rms = std::sqrt(sum / double(n));
    const double ceiling = dbToLinear(ceilingDb);
    // Peaky sounds (claps, drums) may drive the limiter by at most 3 dB; beyond that they stay quieter.
    const double gain = std::min(dbToLinear(rmsDb) / rms, dbToLinear(3.0) * ceiling / peak);

    // Above the knee, peaks bend smoothly towards the ceiling and never reach it.
    const double knee = dbToLinear(ceilingDb - 3.0);
    const double room = ceiling - knee;
    for (double& v : s) {
        const double x = v * gain;
        const double a = std::abs(x);
        v = a <= knee ? x : std::copysign(knee + room * std::tanh((a - knee) / room), x);
    }
    s.front() = 0.0;
    s.back() = 0.0;
}

std::vector<std::uint8_t> toPcm8(const Samples& s)
{
    std::vector<std::uint8_t> out;
    out.reserve(s.size());
    for (double v : s) {
        const long q = std::lround(128.0 + 127.0 * std::clamp(v, -1.0, 1.0));
        out.push_back(std::uint8_t(std::clamp<long>(q, 0, 255)));
    }
    return out;
}

} // namespace soundgen
