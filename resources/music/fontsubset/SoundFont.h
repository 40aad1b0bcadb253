// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A SoundFont 2 file as its chunks: the INFO list kept as it is, the sample data, and the
// preset/instrument/sample tables (the "hydra"), record by record.
#include "TuneNotes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace fontsubset {

using Bytes = std::vector<std::uint8_t>;

struct Bag {
    std::uint16_t gen = 0, mod = 0;
};
struct Generator {
    std::uint16_t oper = 0, amount = 0;
};
using Modulator = std::array<std::uint8_t, 10>;
struct PresetHeader {
    std::array<std::uint8_t, 20> name{};
    std::uint16_t program = 0, bank = 0, bag = 0;
    std::uint32_t library = 0, genre = 0, morphology = 0;
};
struct InstrumentHeader {
    std::array<std::uint8_t, 20> name{};
    std::uint16_t bag = 0;
};
struct SampleHeader {
    std::array<std::uint8_t, 20> name{};
    std::uint32_t start = 0, end = 0, loopStart = 0, loopEnd = 0, rate = 0;
    std::uint8_t pitch = 0;
    std::int8_t correction = 0;
    std::uint16_t link = 0, type = 0;
};

// Each table ends with its terminal record, as in the file.
struct SoundFont {
    Bytes info;   // the INFO list's contents
    Bytes smpl;   // 16-bit samples
    Bytes sm24;   // their low bytes, when the font has 24-bit samples
    std::vector<PresetHeader> presets;
    std::vector<Bag> presetBags;
    std::vector<Modulator> presetMods;
    std::vector<Generator> presetGens;
    std::vector<InstrumentHeader> instruments;
    std::vector<Bag> instrumentBags;
    std::vector<Modulator> instrumentMods;
    std::vector<Generator> instrumentGens;
    std::vector<SampleHeader> samples;
};

// Throws std::runtime_error when the bytes are not a SoundFont 2 file.
SoundFont readSoundFont(const Bytes& file);
Bytes writeSoundFont(const SoundFont& font);

// Only the presets the tune plays, the zones its keys and velocities reach, the instruments and
// samples those use. A General MIDI synthesizer plays the tune from it exactly as from `full`.
// Throws std::runtime_error when the font lacks an instrument the tune plays.
SoundFont subsetFor(const SoundFont& full, const TuneNotes& notes);

} // namespace fontsubset
