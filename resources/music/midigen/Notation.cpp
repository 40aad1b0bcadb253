// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notation.h"
#include "Score.h"

#include <cctype>
#include <map>
#include <stdexcept>

namespace midigen {

namespace {

struct Drum {
    int key;
    double weight;
};

// General MIDI percussion keys (channel 10).
const std::map<std::string, Drum>& drums()
{
    static const std::map<std::string, Drum> all = {
        {"kick", {36, 1.0}},   {"snare", {38, 0.9}}, {"clap", {39, 0.8}},  {"hat", {42, 0.6}},
        {"ohat", {46, 0.65}},  {"lotom", {45, 0.85}}, {"hitom", {50, 0.85}}, {"crash", {49, 0.85}},
        {"ride", {51, 0.6}},   {"tamb", {54, 0.55}}, {"cowbell", {56, 0.6}}, {"shaker", {70, 0.5}},
    };
    return all;
}

int parsePitch(const std::string& text)
{
    static const int steps[] = {9, 11, 0, 2, 4, 5, 7}; // a b c d e f g
    if (text.size() < 2 || text[0] < 'a' || text[0] > 'g')
        throw std::runtime_error("not a pitch: " + text);
    int semitone = steps[text[0] - 'a'];
    std::size_t i = 1;
    if (text[i] == '#' || (text[i] == 'b' && i + 1 < text.size())) {
        semitone += text[i] == '#' ? 1 : -1;
        ++i;
    }
    if (i >= text.size())
        throw std::runtime_error("pitch without octave: " + text);
    int octave = 0;
    bool negative = false;
    if (text[i] == '-') {
        negative = true;
        ++i;
    }
    if (i + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        throw std::runtime_error("bad octave: " + text);
    octave = (text[i] - '0') * (negative ? -1 : 1);
    const int key = (octave + 1) * 12 + semitone;
    if (key < 0 || key > 127)
        throw std::runtime_error("pitch out of range: " + text);
    return key;
}

int parseDuration(const std::string& text)
{
    static const std::map<char, int> base = {{'w', 4 * ticksPerQuarter},
                                             {'h', 2 * ticksPerQuarter},
                                             {'q', ticksPerQuarter},
                                             {'e', ticksPerQuarter / 2},
                                             {'s', ticksPerQuarter / 4}};
    if (text.empty() || !base.count(text[0]))
        throw std::runtime_error("not a duration: " + text);
    int ticks = base.at(text[0]);
    int add = ticks / 2;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] != '.')
            throw std::runtime_error("not a duration: " + text);
        ticks += add;
        add /= 2;
    }
    return ticks;
}

} // namespace

Written parseWritten(const std::string& token, bool isDrums)
{
    const auto colon = token.find(':');
    if (colon == std::string::npos)
        throw std::runtime_error("a note needs pitch:duration, got " + token);
    Written w;
    w.ticks = parseDuration(token.substr(colon + 1));
    const std::string pitches = token.substr(0, colon);
    if (pitches == "r")
        return w;
    std::size_t from = 0;
    while (from <= pitches.size()) {
        auto plus = pitches.find('+', from);
        if (plus == std::string::npos)
            plus = pitches.size();
        const std::string one = pitches.substr(from, plus - from);
        if (isDrums) {
            const auto it = drums().find(one);
            if (it == drums().end())
                throw std::runtime_error("not a drum: " + one);
            w.keys.push_back(it->second.key);
        } else {
            w.keys.push_back(parsePitch(one));
        }
        from = plus + 1;
    }
    return w;
}

double drumWeight(int key)
{
    for (const auto& [name, drum] : drums())
        if (drum.key == key)
            return drum.weight;
    return 0.8;
}

} // namespace midigen
