// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping only what a tune plays from a General MIDI soundfont.
#include "SoundFont.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

namespace fontsubset {

namespace {

// Generator numbers from the SoundFont 2 format.
constexpr std::uint16_t genInstrument = 41;
constexpr std::uint16_t genKeyRange = 43;
constexpr std::uint16_t genVelRange = 44;
constexpr std::uint16_t genSampleId = 53;
// Every sample is followed by at least 46 zero points, which interpolation may read.
constexpr std::uint32_t guardPoints = 46;
// Sample types whose link names the other half of a stereo pair (or a chain).
constexpr std::uint16_t linkedTypes = 2 | 4 | 8;

using Notes = std::set<KeyVelocity>;

// The zones of one preset or instrument, as ranges of bags, and what each zone plays.
struct Tables {
    const std::vector<Bag>& bags;
    const std::vector<Generator>& gens;
    const std::vector<Modulator>& mods;
    std::uint16_t targetOper;

    // The instrument or sample a zone plays, or -1 for a global zone.
    int target(std::size_t bag) const
    {
        for (std::size_t g = bags[bag].gen; g < bags[bag + 1].gen; ++g)
            if (gens[g].oper == targetOper)
                return gens[g].amount;
        return -1;
    }
    // The notes of `notes` that fall into the zone's own key and velocity ranges. A zone without
    // them takes all: a synthesizer that fills them in from the global zone plays no more.
    Notes reached(std::size_t bag, const Notes& notes) const
    {
        int range[2][2] = {{0, 127}, {0, 127}};
        for (std::size_t g = bags[bag].gen; g < bags[bag + 1].gen; ++g)
            if (gens[g].oper == genKeyRange || gens[g].oper == genVelRange) {
                int* r = range[gens[g].oper == genVelRange];
                r[0] = gens[g].amount & 0xFF;
                r[1] = gens[g].amount >> 8;
            }
        Notes in;
        for (const auto& [key, velocity] : notes)
            if (key >= range[0][0] && key <= range[0][1] && velocity >= range[1][0] && velocity <= range[1][1])
                in.insert({key, velocity});
        return in;
    }
};

// Copies the kept zones of the kept headers (in their order) into the new tables, giving each
// zone's instrument or sample its new number. Fills in the headers' bag numbers.
template <typename Header>
void copyZones(const std::vector<Header>& from, const std::map<std::size_t, std::set<std::size_t>>& kept,
               const Tables& tables, const std::map<int, int>& newTarget, std::vector<Header>& headers,
               std::vector<Bag>& bags, std::vector<Generator>& gens, std::vector<Modulator>& mods)
{
    for (const auto& [index, zones] : kept) {
        headers.push_back(from[index]);
        headers.back().bag = std::uint16_t(bags.size());
        for (std::size_t bag : zones) {
            bags.push_back({std::uint16_t(gens.size()), std::uint16_t(mods.size())});
            for (std::size_t g = tables.bags[bag].gen; g < tables.bags[bag + 1].gen; ++g) {
                Generator gen = tables.gens[g];
                if (gen.oper == tables.targetOper)
                    gen.amount = std::uint16_t(newTarget.at(gen.amount));
                gens.push_back(gen);
            }
            mods.insert(mods.end(), tables.mods.begin() + tables.bags[bag].mod, tables.mods.begin() + tables.bags[bag + 1].mod);
        }
    }
    // The terminal records close every table.
    headers.push_back(from.back());
    headers.back().bag = std::uint16_t(bags.size());
    bags.push_back({std::uint16_t(gens.size()), std::uint16_t(mods.size())});
    gens.push_back({});
    mods.push_back({});
    if (bags.size() > 0xFFFF || gens.size() > 0xFFFF || mods.size() > 0xFFFF)
        throw std::runtime_error("subset too large for a soundfont");
}

// The preset a General MIDI synthesizer takes for the instrument: the drum kit falls back to the
// standard kit, a melodic bank to the General MIDI sound of the same program.
std::size_t presetFor(const SoundFont& font, Instrument wanted)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        for (std::size_t p = 0; p + 1 < font.presets.size(); ++p)
            if (font.presets[p].bank == wanted.bank && font.presets[p].program == wanted.program)
                return p;
        (wanted.bank == drumBank ? wanted.program : wanted.bank) = 0;
    }
    throw std::runtime_error("the soundfont has no preset for bank " + std::to_string(wanted.bank) + " program " +
                             std::to_string(wanted.program));
}

} // namespace

SoundFont subsetFor(const SoundFont& full, const TuneNotes& notes)
{
    const Tables presetTables{full.presetBags, full.presetGens, full.presetMods, genInstrument};
    const Tables instrumentTables{full.instrumentBags, full.instrumentGens, full.instrumentMods, genSampleId};

    std::map<std::size_t, Notes> presetNotes;
    for (const auto& [instrument, played] : notes)
        presetNotes[presetFor(full, instrument)].insert(played.begin(), played.end());

    // Zones kept per preset and per instrument; a global zone (the first, without a target) always.
    std::map<std::size_t, std::set<std::size_t>> presetZones, instrumentZones;
    std::map<std::size_t, Notes> instrumentNotes;
    for (const auto& [p, played] : presetNotes) {
        std::set<std::size_t>& zones = presetZones[p];
        for (std::size_t bag = full.presets[p].bag; bag < full.presets[p + 1].bag; ++bag) {
            const int instrument = presetTables.target(bag);
            const Notes reached = presetTables.reached(bag, played);
            if (instrument < 0 && bag == full.presets[p].bag)
                zones.insert(bag);
            if (instrument < 0 || reached.empty())
                continue;
            if (std::size_t(instrument) + 1 >= full.instruments.size())
                throw std::runtime_error("preset zone names a missing instrument");
            zones.insert(bag);
            instrumentNotes[std::size_t(instrument)].insert(reached.begin(), reached.end());
        }
    }
    std::set<std::size_t> samples;
    for (const auto& [i, played] : instrumentNotes) {
        std::set<std::size_t>& zones = instrumentZones[i];
        for (std::size_t bag = full.instruments[i].bag; bag < full.instruments[i + 1].bag; ++bag) {
            const int sample = instrumentTables.target(bag);
            if (sample < 0 && bag == full.instruments[i].bag)
                zones.insert(bag);
            if (sample < 0 || instrumentTables.reached(bag, played).empty())
                continue;
            if (std::size_t(sample) + 1 >= full.samples.size())
                throw std::runtime_error("instrument zone names a missing sample");
            zones.insert(bag);
            samples.insert(std::size_t(sample));
        }
    }
    // Both halves of a stereo sample stay together.
    for (std::size_t added = 1; added;) {
        added = 0;
        for (std::size_t s : std::set<std::size_t>(samples)) {
            const SampleHeader& h = full.samples[s];
            if ((h.type & linkedTypes) && h.link + 1u < full.samples.size())
                added += samples.insert(h.link).second;
        }
    }

    SoundFont sub;
    sub.info = full.info;
    std::map<int, int> newSample, newInstrument;
    const std::uint32_t points = std::uint32_t(full.smpl.size() / 2);
    for (std::size_t s : samples) {
        SampleHeader h = full.samples[s];
        if (h.end < h.start || h.end > points)
            throw std::runtime_error("sample outside the sample data");
        const std::uint32_t copyEnd = std::min(h.end + guardPoints, points);
        const std::uint32_t at = std::uint32_t(sub.smpl.size() / 2);
        sub.smpl.insert(sub.smpl.end(), full.smpl.begin() + 2 * h.start, full.smpl.begin() + 2 * copyEnd);
        sub.smpl.resize(2 * (at + (h.end - h.start) + guardPoints));
        if (!full.sm24.empty()) {
            sub.sm24.insert(sub.sm24.end(), full.sm24.begin() + h.start, full.sm24.begin() + std::min<std::size_t>(copyEnd, full.sm24.size()));
            sub.sm24.resize(sub.smpl.size() / 2);
        }
        // Loop points keep their place relative to the sample's start.
        const std::int64_t shift = std::int64_t(at) - h.start;
        h.loopStart = std::uint32_t(std::max<std::int64_t>(0, h.loopStart + shift));
        h.loopEnd = std::uint32_t(std::max<std::int64_t>(0, h.loopEnd + shift));
        h.start = at;
        h.end = std::uint32_t(h.start + (full.samples[s].end - full.samples[s].start));
        newSample[int(s)] = int(sub.samples.size());
        sub.samples.push_back(h);
    }
    for (SampleHeader& h : sub.samples)
        if (h.type & linkedTypes)
            h.link = newSample.count(h.link) ? std::uint16_t(newSample[h.link]) : 0;
    sub.samples.push_back(full.samples.back());

    for (const auto& [i, zones] : instrumentZones)
        newInstrument[int(i)] = int(newInstrument.size());
    copyZones(full.instruments, instrumentZones, instrumentTables, newSample, sub.instruments, sub.instrumentBags,
              sub.instrumentGens, sub.instrumentMods);
    copyZones(full.presets, presetZones, presetTables, newInstrument, sub.presets, sub.presetBags, sub.presetGens,
              sub.presetMods);
    return sub;
}

} // namespace fontsubset
