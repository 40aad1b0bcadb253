// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MidiFile.h"

#include <algorithm>
#include <string>
#include <tuple>

namespace midigen {

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Event {
    int tick;
    int order; // at the same tick: note-offs first, then settings, then note-ons
    Bytes bytes;
};

void putBig(Bytes& out, std::uint32_t v, int size)
{
    for (int i = size - 1; i >= 0; --i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

void putVarLen(Bytes& out, std::uint32_t v)
{
    Bytes groups{std::uint8_t(v & 0x7F)};
    while (v >>= 7)
        groups.push_back(std::uint8_t(0x80 | (v & 0x7F)));
    out.insert(out.end(), groups.rbegin(), groups.rend());
}

Bytes meta(std::uint8_t type, const Bytes& data)
{
    Bytes b{0xFF, type};
    putVarLen(b, std::uint32_t(data.size()));
    b.insert(b.end(), data.begin(), data.end());
    return b;
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes chunk(const char* tag, std::vector<Event> events, int endTick)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return std::tie(a.tick, a.order) < std::tie(b.tick, b.order); });
    events.push_back({endTick, 9, meta(0x2F, {})});
    Bytes body;
    int last = 0;
    for (const Event& e : events) {
        putVarLen(body, std::uint32_t(e.tick - last));
        body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        last = e.tick;
    }
    Bytes out(tag, tag + 4);
    putBig(out, std::uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

std::vector<Event> partEvents(const Part& part)
{
    const auto ch = std::uint8_t(part.channel - 1);
    std::vector<Event> events;
    events.push_back({0, 0, meta(0x03, text(part.name))});
    events.push_back({0, 1, {std::uint8_t(0xB0 | ch), 7, std::uint8_t(part.volume)}});
    events.push_back({0, 1, {std::uint8_t(0xB0 | ch), 10, std::uint8_t(part.pan)}});
    for (const ProgramChange& pc : part.programs)
        events.push_back({pc.tick, 1, {std::uint8_t(0xC0 | ch), std::uint8_t(pc.program)}});
    for (const TimedNote& n : part.notes) {
        events.push_back({n.tick, 2, {std::uint8_t(0x90 | ch), std::uint8_t(n.key), std::uint8_t(n.velocity)}});
        events.push_back({n.tick + n.length, 0, {std::uint8_t(0x80 | ch), std::uint8_t(n.key), 0}});
    }
    return events;
}

} // namespace

std::vector<std::uint8_t> midiFile(const Score& score)
{
    Bytes out = text("MThd");
    putBig(out, 6, 4);
    putBig(out, 1, 2); // format 1
    putBig(out, std::uint32_t(score.parts.size() + 1), 2);
    putBig(out, ticksPerQuarter, 2);

    std::vector<Event> conductor;
    conductor.push_back({0, 0, meta(0x03, text("Wupple"))});
    Bytes tempo;
    putBig(tempo, std::uint32_t(60000000 / score.tempo), 3); // microseconds per quarter note
    conductor.push_back({0, 1, meta(0x51, tempo)});
    int unitLog2 = 0;
    while ((1 << unitLog2) < score.beatUnit)
        ++unitLog2;
    conductor.push_back({0, 1, meta(0x58, {std::uint8_t(score.beatsPerBar), std::uint8_t(unitLog2), 24, 8})});
    const Bytes first = chunk("MTrk", conductor, score.lengthTicks);
    out.insert(out.end(), first.begin(), first.end());

    for (const Part& part : score.parts) {
        const Bytes track = chunk("MTrk", partEvents(part), score.lengthTicks);
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

} // namespace midigen
