// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TuneNotes.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace fontsubset {

namespace {

constexpr int percussionChannel = 9; // channel 10 as musicians count

struct Reader {
    const std::vector<std::uint8_t>& bytes;
    std::size_t pos = 0;
    std::size_t end = 0;

    std::uint8_t byte()
    {
        if (pos >= end)
            throw std::runtime_error("MIDI data cut short");
        return bytes[pos++];
    }
    std::uint32_t big(int size)
    {
        std::uint32_t v = 0;
        for (int i = 0; i < size; ++i)
            v = v << 8 | byte();
        return v;
    }
    std::uint32_t varLen()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            v = v << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return v;
        }
        throw std::runtime_error("MIDI number too long");
    }
    void skip(std::uint32_t n)
    {
        if (n > end - pos)
            throw std::runtime_error("MIDI data cut short");
        pos += n;
    }
};

// The channel events of one track, in the order the track holds them.
void readTrack(Reader& in, std::size_t track, std::vector<ChannelEvent>& events)
{
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (in.pos < in.end) {
        tick += in.varLen();
        std::uint8_t status = in.byte();
        if (status == 0xFF) {
            in.byte();
            in.skip(in.varLen());
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            in.skip(in.varLen());
            continue;
        }
        std::uint8_t data1;
        if (status & 0x80) {
            running = status;
            data1 = in.byte();
        } else if (running) {
            data1 = status;
            status = running;
        } else {
            throw std::runtime_error("MIDI data byte without a status");
        }
        const int kind = status >> 4;
        const std::uint8_t data2 = (kind == 0xC || kind == 0xD) ? 0 : in.byte();
        events.push_back({tick, track, events.size(), status, data1, data2});
    }
}

} // namespace

std::vector<ChannelEvent> readChannelEvents(const std::vector<std::uint8_t>& midi)
{
    Reader in{midi, 0, midi.size()};
    if (in.big(4) != 0x4D546864) // "MThd"
        throw std::runtime_error("not a MIDI file");
    const std::uint32_t headerSize = in.big(4);
    in.skip(2);
    const std::uint32_t tracks = in.big(2);
    in.skip(headerSize - 4);
    std::vector<ChannelEvent> events;
    for (std::size_t t = 0; t < tracks; ++t) {
        const std::uint32_t tag = in.big(4);
        const std::uint32_t size = in.big(4);
        if (size > midi.size() - in.pos)
            throw std::runtime_error("MIDI track cut short");
        if (tag != 0x4D54726B) { // "MTrk"
            in.skip(size);
            continue;
        }
        Reader track{midi, in.pos, in.pos + size};
        readTrack(track, t, events);
        in.pos += size;
    }
    // The player takes the events of one moment track by track.
    std::sort(events.begin(), events.end(), [](const ChannelEvent& a, const ChannelEvent& b) {
        return std::tie(a.tick, a.track, a.order) < std::tie(b.tick, b.track, b.order);
    });
    return events;
}

TuneNotes tuneNotes(const std::vector<ChannelEvent>& events)
{
    // A synthesizer starts every channel on program 0; the percussion channel plays the drum bank.
    Instrument channels[16];
    channels[percussionChannel].bank = drumBank;
    TuneNotes notes;
    for (const ChannelEvent& e : events) {
        const int channel = e.status & 0x0F;
        Instrument& now = channels[channel];
        switch (e.status >> 4) {
        case 0x9:
            if (e.data2 > 0)
                notes[now].insert({e.data1, e.data2});
            break;
        case 0xB:
            if (e.data1 == 0 && channel != percussionChannel) // bank select
                now.bank = e.data2;
            break;
        case 0xC:
            now.program = e.data1;
            break;
        default:
            break;
        }
    }
    return notes;
}

} // namespace fontsubset
