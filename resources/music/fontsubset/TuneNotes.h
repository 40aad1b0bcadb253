// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which instruments a Standard MIDI File plays, and with which keys and velocities: all a General
// MIDI synthesizer needs from its soundfont to play that file.
#include <cstdint>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace fontsubset {

constexpr int drumBank = 128;

struct Instrument {
    int bank = 0; // drumBank on the percussion channel
    int program = 0;
    auto operator<=>(const Instrument&) const = default;
};

using KeyVelocity = std::pair<int, int>;
using TuneNotes = std::map<Instrument, std::set<KeyVelocity>>;

struct ChannelEvent {
    std::uint64_t tick;
    std::size_t track;
    std::size_t order; // in its track
    std::uint8_t status, data1, data2;
};

// The channel messages of all tracks, in the order a player sends them. Throws
// std::runtime_error when the bytes are not a MIDI file this reader understands.
std::vector<ChannelEvent> readChannelEvents(const std::vector<std::uint8_t>& midi);

TuneNotes tuneNotes(const std::vector<ChannelEvent>& events);

} // namespace fontsubset
