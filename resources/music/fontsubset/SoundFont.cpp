// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundFont.h"

#include <cstring>
#include <stdexcept>
#include <string>

namespace fontsubset {

namespace {

std::uint32_t get(const std::uint8_t* p, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

void put(Bytes& out, std::uint32_t v, int size)
{
    for (int i = 0; i < size; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

template <std::size_t N>
std::array<std::uint8_t, N> name(const std::uint8_t* p)
{
    std::array<std::uint8_t, N> a;
    std::memcpy(a.data(), p, N);
    return a;
}

struct Chunk {
    std::string id;
    const std::uint8_t* data;
    std::uint32_t size;
};

// The chunks between `from` and `to`, each padded to an even length.
std::vector<Chunk> chunks(const std::uint8_t* from, const std::uint8_t* to)
{
    std::vector<Chunk> list;
    while (to - from >= 8) {
        const std::uint32_t size = get(from + 4, 4);
        if (size > std::uint32_t(to - from - 8))
            throw std::runtime_error("soundfont chunk cut short");
        list.push_back({std::string(reinterpret_cast<const char*>(from), 4), from + 8, size});
        from += 8 + size + (size & 1);
    }
    return list;
}

template <typename Record, typename Parse>
std::vector<Record> table(const Chunk& c, std::uint32_t recordSize, Parse parse)
{
    if (c.size % recordSize != 0 || c.size == 0)
        throw std::runtime_error("soundfont table " + c.id + " has a broken size");
    std::vector<Record> records;
    for (std::uint32_t at = 0; at < c.size; at += recordSize)
        records.push_back(parse(c.data + at));
    return records;
}

Bag bag(const std::uint8_t* p) { return {std::uint16_t(get(p, 2)), std::uint16_t(get(p + 2, 2))}; }
Generator generator(const std::uint8_t* p) { return {std::uint16_t(get(p, 2)), std::uint16_t(get(p + 2, 2))}; }
Modulator modulator(const std::uint8_t* p) { return name<10>(p); }

void chunk(Bytes& out, const char* id, const Bytes& body)
{
    out.insert(out.end(), id, id + 4);
    put(out, std::uint32_t(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() & 1)
        out.push_back(0);
}

void list(Bytes& out, const char* type, const Bytes& chunks)
{
    Bytes body(type, type + 4);
    body.insert(body.end(), chunks.begin(), chunks.end());
    chunk(out, "LIST", body);
}

void putBags(Bytes& out, const std::vector<Bag>& bags)
{
    for (const Bag& b : bags) {
        put(out, b.gen, 2);
        put(out, b.mod, 2);
    }
}

void putGens(Bytes& out, const std::vector<Generator>& gens)
{
    for (const Generator& g : gens) {
        put(out, g.oper, 2);
        put(out, g.amount, 2);
    }
}

void putMods(Bytes& out, const std::vector<Modulator>& mods)
{
    for (const Modulator& m : mods)
        out.insert(out.end(), m.begin(), m.end());
}

} // namespace

SoundFont readSoundFont(const Bytes& file)
{
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "sfbk", 4) != 0)
        throw std::runtime_error("not a SoundFont 2 file");
    SoundFont font;
    bool tables = false;
    for (const Chunk& outer : chunks(file.data() + 12, file.data() + file.size())) {
        if (outer.id != "LIST" || outer.size < 4)
            continue;
        const std::string type(reinterpret_cast<const char*>(outer.data), 4);
        if (type == "INFO")
            font.info.assign(outer.data + 4, outer.data + outer.size);
        for (const Chunk& c : chunks(outer.data + 4, outer.data + outer.size)) {
            if (type == "sdta" && (c.id == "smpl" || c.id == "sm24"))
                (c.id == "smpl" ? font.smpl : font.sm24).assign(c.data, c.data + c.size);
            if (type != "pdta")
                continue;
            tables = true;
            if (c.id == "phdr")
                font.presets = table<PresetHeader>(c, 38, [](const std::uint8_t* p) {
                    return PresetHeader{name<20>(p),        std::uint16_t(get(p + 20, 2)), std::uint16_t(get(p + 22, 2)),
                                        std::uint16_t(get(p + 24, 2)), get(p + 26, 4), get(p + 30, 4), get(p + 34, 4)};
                });
            else if (c.id == "pbag" || c.id == "ibag")
                (c.id == "pbag" ? font.presetBags : font.instrumentBags) = table<Bag>(c, 4, bag);
            else if (c.id == "pmod" || c.id == "imod")
                (c.id == "pmod" ? font.presetMods : font.instrumentMods) = table<Modulator>(c, 10, modulator);
            else if (c.id == "pgen" || c.id == "igen")
                (c.id == "pgen" ? font.presetGens : font.instrumentGens) = table<Generator>(c, 4, generator);
            else if (c.id == "inst")
                font.instruments = table<InstrumentHeader>(c, 22, [](const std::uint8_t* p) {
                    return InstrumentHeader{name<20>(p), std::uint16_t(get(p + 20, 2))};
                });
            else if (c.id == "shdr")
                font.samples = table<SampleHeader>(c, 46, [](const std::uint8_t* p) {
                    return SampleHeader{name<20>(p),          get(p + 20, 4), get(p + 24, 4),
                                        get(p + 28, 4),       get(p + 32, 4), get(p + 36, 4),
                                        p[40],                std::int8_t(p[41]), std::uint16_t(get(p + 42, 2)),
                                        std::uint16_t(get(p + 44, 2))};
                });
        }
    }
    if (!tables || font.presets.empty() || font.instruments.empty() || font.samples.empty() || font.smpl.empty())
        throw std::runtime_error("soundfont without presets, instruments or samples");
    return font;
}

Bytes writeSoundFont(const SoundFont& font)
{
    Bytes sdta;
    chunk(sdta, "smpl", font.smpl);
    if (!font.sm24.empty())
        chunk(sdta, "sm24", font.sm24);

    Bytes phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
    for (const PresetHeader& p : font.presets) {
        phdr.insert(phdr.end(), p.name.begin(), p.name.end());
        put(phdr, p.program, 2);
        put(phdr, p.bank, 2);
        put(phdr, p.bag, 2);
        put(phdr, p.library, 4);
        put(phdr, p.genre, 4);
        put(phdr, p.morphology, 4);
    }
    for (const InstrumentHeader& i : font.instruments) {
        inst.insert(inst.end(), i.name.begin(), i.name.end());
        put(inst, i.bag, 2);
    }
    for (const SampleHeader& s : font.samples) {
        shdr.insert(shdr.end(), s.name.begin(), s.name.end());
        for (std::uint32_t v : {s.start, s.end, s.loopStart, s.loopEnd, s.rate})
            put(shdr, v, 4);
        shdr.push_back(s.pitch);
        shdr.push_back(std::uint8_t(s.correction));
        put(shdr, s.link, 2);
        put(shdr, s.type, 2);
    }
    putBags(pbag, font.presetBags);
    putMods(pmod, font.presetMods);
    putGens(pgen, font.presetGens);
    putBags(ibag, font.instrumentBags);
    putMods(imod, font.instrumentMods);
    putGens(igen, font.instrumentGens);
    Bytes pdta;
    chunk(pdta, "phdr", phdr);
    chunk(pdta, "pbag", pbag);
    chunk(pdta, "pmod", pmod);
    chunk(pdta, "pgen", pgen);
    chunk(pdta, "inst", inst);
    chunk(pdta, "ibag", ibag);
    chunk(pdta, "imod", imod);
    chunk(pdta, "igen", igen);
    chunk(pdta, "shdr", shdr);

    Bytes lists{'s', 'f', 'b', 'k'};
    list(lists, "INFO", font.info);
    list(lists, "sdta", sdta);
    list(lists, "pdta", pdta);
    Bytes file;
    chunk(file, "RIFF", lists);
    return file;
}

} // namespace fontsubset
