// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Score.h"
#include "Notation.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <stdexcept>

namespace midigen {

namespace {

using Bar = std::vector<Written>;

struct Section {
    std::map<std::string, std::vector<Bar>> bars; // by part name
};

std::vector<std::string> words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// "#" starts a comment only at the start of a line or after a blank; in "f#5" it is a sharp.
std::string withoutComment(const std::string& line)
{
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t'))
            return line.substr(0, i);
    return line;
}

int number(const std::string& text, int lo, int hi, const char* what)
{
    std::size_t used = 0;
    int v = 0;
    try {
        v = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || v < lo || v > hi)
        throw std::runtime_error(std::string(what) + " must be a number from " + std::to_string(lo) + " to "
                                 + std::to_string(hi) + ", got " + text);
    return v;
}

class Reader {
public:
    Score read(const std::string& text);

private:
    void command(const std::vector<std::string>& w, const std::string& line);
    void definePart(const std::vector<std::string>& w);
    Bar parseBar(const std::vector<std::string>& tokens, bool drums) const;
    std::vector<Bar> parseCell(const std::string& cell, bool drums) const;
    void addBars(const std::string& partName, const std::string& rest);
    void play(const std::string& sectionName);
    Part& part(const std::string& name);

    Score m_score;
    std::map<std::string, std::string> m_patterns; // name -> the notes of one bar
    std::map<std::string, Section> m_sections;
    std::string m_currentSection;
    int m_tick = 0;
};

Part& Reader::part(const std::string& name)
{
    for (Part& p : m_score.parts)
        if (p.name == name)
            return p;
    throw std::runtime_error("unknown part " + name);
}

void Reader::definePart(const std::vector<std::string>& w)
{
    Part p;
    p.name = w.at(1);
    for (std::size_t i = 2; i + 1 < w.size(); i += 2) {
        const std::string& key = w[i];
        const std::string& value = w[i + 1];
        if (key == "channel")
            p.channel = number(value, 1, 16, "channel");
        else if (key == "program")
            p.programs.push_back({0, number(value, 0, 127, "program")});
        else if (key == "volume")
            p.volume = number(value, 0, 127, "volume");
        else if (key == "velocity")
            p.velocity = number(value, 1, 127, "velocity");
        else if (key == "pan")
            p.pan = number(value, 0, 127, "pan");
        else if (key == "legato")
            p.legato = number(value, 10, 100, "legato");
        else
            throw std::runtime_error("unknown part setting " + key);
    }
    if (w.size() % 2 != 0)
        throw std::runtime_error("part settings come in pairs");
    m_score.parts.push_back(p);
}

Bar Reader::parseBar(const std::vector<std::string>& tokens, bool drums) const
{
    Bar bar;
    int ticks = 0;
    for (const auto& t : tokens) {
        bar.push_back(parseWritten(t, drums));
        ticks += bar.back().ticks;
    }
    const int wanted = m_score.beatsPerBar * ticksPerQuarter * 4 / m_score.beatUnit;
    if (ticks != wanted)
        throw std::runtime_error("a bar lasts " + std::to_string(ticks) + " ticks instead of " + std::to_string(wanted));
    return bar;
}

std::vector<Bar> Reader::parseCell(const std::string& cell, bool drums) const
{
    const auto w = words(cell);
    if (w.size() == 1 && w[0][0] == '@') {
        const auto star = w[0].find('*');
        const std::string name = w[0].substr(1, star == std::string::npos ? std::string::npos : star - 1);
        const int times = star == std::string::npos ? 1 : number(w[0].substr(star + 1), 1, 64, "repeat");
        const auto it = m_patterns.find(name);
        if (it == m_patterns.end())
            throw std::runtime_error("unknown pattern " + name);
        return std::vector<Bar>(std::size_t(times), parseBar(words(it->second), drums));
    }
    return {parseBar(w, drums)};
}

void Reader::addBars(const std::string& partName, const std::string& rest)
{
    const bool drums = part(partName).channel == 10;
    auto& bars = m_sections[m_currentSection].bars[partName];
    std::size_t from = 0;
    while (from < rest.size()) {
        auto bar = rest.find('|', from);
        if (bar == std::string::npos)
            bar = rest.size();
        const std::string cell = rest.substr(from, bar - from);
        if (!words(cell).empty())
            for (auto& b : parseCell(cell, drums))
                bars.push_back(std::move(b));
        from = bar + 1;
    }
}

void Reader::play(const std::string& sectionName)
{
    const auto it = m_sections.find(sectionName);
    if (it == m_sections.end())
        throw std::runtime_error("unknown section " + sectionName);
    std::size_t barCount = 0;
    for (const auto& [name, bars] : it->second.bars) {
        if (barCount != 0 && bars.size() != barCount)
            throw std::runtime_error("the parts of section " + sectionName + " differ in length");
        barCount = bars.size();
    }
    for (const auto& [name, bars] : it->second.bars) {
        Part& p = part(name);
        int tick = m_tick;
        for (const Bar& bar : bars) {
            const int barStart = tick;
            for (const Written& w : bar) {
                // The first beat of a bar is played a little stronger, as a player would.
                const int accent = tick == barStart ? 8 : 0;
                for (int key : w.keys) {
                    TimedNote n;
                    n.tick = tick;
                    n.key = key;
                    n.length = p.channel == 10 ? std::min(w.ticks, ticksPerQuarter / 4)
                                               : std::max(1, w.ticks * p.legato / 100);
                    const double weight = p.channel == 10 ? drumWeight(key) : 1.0;
                    n.velocity = std::clamp(int(p.velocity * weight) + accent, 1, 127);
                    p.notes.push_back(n);
                }
                tick += w.ticks;
            }
        }
    }
    const int barTicks = m_score.beatsPerBar * ticksPerQuarter * 4 / m_score.beatUnit;
    m_tick += int(barCount) * barTicks;
}

void Reader::command(const std::vector<std::string>& w, const std::string& line)
{
    const std::string& key = w[0];
    if (key == "tempo" && w.size() == 2) {
        m_score.tempo = number(w[1], 20, 300, "tempo");
    } else if (key == "meter" && w.size() == 2) {
        const auto slash = w[1].find('/');
        if (slash == std::string::npos)
            throw std::runtime_error("meter is beats/unit, e.g. 4/4");
        m_score.beatsPerBar = number(w[1].substr(0, slash), 1, 16, "beats per bar");
        m_score.beatUnit = number(w[1].substr(slash + 1), 1, 16, "beat unit");
    } else if (key == "part" && w.size() >= 2) {
        definePart(w);
    } else if (key == "pattern" && w.size() >= 4 && w[2] == "=") {
        m_patterns[w[1]] = line.substr(line.find('=') + 1);
    } else if (key == "section" && w.size() == 2) {
        m_currentSection = w[1];
        m_sections[m_currentSection];
    } else if (key == "play" && w.size() >= 2) {
        m_currentSection.clear();
        for (std::size_t i = 1; i < w.size(); ++i)
            play(w[i]);
    } else if (key == "program" && w.size() == 3) {
        part(w[1]).programs.push_back({m_tick, number(w[2], 0, 127, "program")});
    } else if (!m_currentSection.empty() && w.size() >= 2 && line.find('|') != std::string::npos) {
        addBars(key, line.substr(line.find('|')));
    } else {
        throw std::runtime_error("cannot read: " + line);
    }
}

Score Reader::read(const std::string& text)
{
    std::istringstream in(text);
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        line = withoutComment(line);
        const auto w = words(line);
        if (w.empty())
            continue;
        try {
            command(w, line);
        } catch (const std::exception& e) {
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + e.what());
        }
    }
    m_score.lengthTicks = m_tick;
    if (m_tick == 0)
        throw std::runtime_error("the score plays nothing");
    return m_score;
}

} // namespace

Score parseScore(const std::string& text) { return Reader().read(text); }

} // namespace midigen
