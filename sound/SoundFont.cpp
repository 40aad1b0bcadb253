// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundFont.h"

#include <QtEndian>
#include <map>
#include <optional>

namespace {

struct Chunk {
    QByteArray id;
    qsizetype start = 0; // of its data
    qsizetype size = 0;
};

quint32 u32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// The chunks between `from` and `to`, each with its data inside that range; nothing if one
// reaches past it.
std::optional<std::map<QByteArray, Chunk>> chunksIn(const QByteArray& b, qsizetype from, qsizetype to, bool lists)
{
    std::map<QByteArray, Chunk> chunks;
    qsizetype at = from;
    while (at + 8 <= to) {
        Chunk c{b.mid(at, 4), at + 8, qsizetype(u32(b, at + 4))};
        if (c.size > to - c.start)
            return std::nullopt;
        if (lists && c.id == "LIST") {
            if (c.size < 4)
                return std::nullopt;
            c.id = b.mid(c.start, 4); // "INFO", "sdta", "pdta"
        }
        chunks.emplace(c.id, c);
        at = c.start + c.size + (c.size & 1);
    }
    return chunks;
}

} // namespace

bool isWholeSoundFont(const QByteArray& b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "sfbk")
        return false;
    const qsizetype end = 8 + qsizetype(u32(b, 4));
    if (end > b.size())
        return false;
    const auto top = chunksIn(b, 12, end, true);
    if (!top || !top->count("sdta") || !top->count("pdta"))
        return false;
    const Chunk& sdta = top->at("sdta");
    const auto samples = chunksIn(b, sdta.start + 4, sdta.start + sdta.size, false);
    const Chunk& pdta = top->at("pdta");
    const auto tables = chunksIn(b, pdta.start + 4, pdta.start + pdta.size, false);
    if (!samples || !samples->count("smpl") || !tables)
        return false;
    // Each table ends in a closing record, so the ones that name things hold at least two.
    static const struct {
        const char* id;
        int record;
        int least;
    } needed[] = {{"phdr", 38, 2}, {"pbag", 4, 1}, {"pmod", 10, 1}, {"pgen", 4, 1}, {"inst", 22, 2},
                  {"ibag", 4, 1},  {"imod", 10, 1}, {"igen", 4, 1}, {"shdr", 46, 2}};
    for (const auto& [id, record, least] : needed) {
        const auto t = tables->find(QByteArray(id));
        if (t == tables->end() || t->second.size % record != 0 || t->second.size / record < least)
            return false;
    }
    // A sample header points into the sample data by 16-bit sample; the closing record is all zero.
    const qsizetype sampleCount = samples->at("smpl").size / 2;
    const Chunk& shdr = tables->at("shdr");
    for (qsizetype at = shdr.start; at + 46 < shdr.start + shdr.size; at += 46) {
        const quint32 start = u32(b, at + 20);
        const quint32 stop = u32(b, at + 24);
        const quint16 type = qFromLittleEndian<quint16>(b.constData() + at + 44);
        if (type & 0x8000) // a sample in ROM, not in the file
            continue;
        if (start > stop || qsizetype(stop) > sampleCount)
            return false;
    }
    return true;
}
