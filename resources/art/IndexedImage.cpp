// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "IndexedImage.h"

#include <QHash>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace art {
namespace {

// "Redmean" distance: cheap and close enough to how the eye weighs the three channels.
int distance(QRgb a, QRgb b)
{
    const int rMean = (qRed(a) + qRed(b)) / 2;
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return (((512 + rMean) * dr * dr) >> 8) + 4 * dg * dg + (((767 - rMean) * db * db) >> 8);
}

// Antialiased edges blend two flat colours; a blend that close to a chosen colour wastes a slot.
constexpr int kSameColour = 3 * 12 * 12;
// A flat area this large (counted inside, away from its edges) that lands this far from every
// palette entry is a drawing mistake.
constexpr int kLostArea = 8;
constexpr int kLostDistance = 3 * 40 * 40;

void putLe16(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void putLe32(QByteArray &out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

} // namespace

QImage IndexedImage::toImage() const
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, palette[at(x, y)]);
    return image;
}

IndexedImage quantize(const QImage &drawing, const QString &name, const QList<QColor> &pinned)
{
    const QImage rgb = drawing.convertToFormat(QImage::Format_RGB32);
    const auto pixel = [&rgb](int x, int y) {
        return reinterpret_cast<const QRgb *>(rgb.constScanLine(y))[x] | 0xff000000u;
    };
    // Flat fills are what the drawing means; antialiased edges only blend them. So colours are
    // ranked by how many pixels they fill inside an area of their own colour, and only then by
    // how many pixels they cover at all: a long straight edge can blend many pixels to one colour.
    struct Tally {
        int inside = 0;
        int all = 0;
    };
    QHash<QRgb, Tally> tallies;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = pixel(x, y);
            Tally &tally = tallies[c];
            ++tally.all;
            if (x > 0 && y > 0 && x + 1 < rgb.width() && y + 1 < rgb.height() && pixel(x - 1, y) == c
                && pixel(x + 1, y) == c && pixel(x, y - 1) == c && pixel(x, y + 1) == c)
                ++tally.inside;
        }
    }
    std::vector<std::pair<QRgb, Tally>> byCount;
    byCount.reserve(tallies.size());
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it)
        byCount.emplace_back(it.key(), it.value());
    std::stable_sort(byCount.begin(), byCount.end(), [](const auto &a, const auto &b) {
        if (a.second.inside != b.second.inside)
            return a.second.inside > b.second.inside;
        return a.second.all != b.second.all ? a.second.all > b.second.all : a.first < b.first;
    });

    IndexedImage result;
    result.width = rgb.width();
    result.height = rgb.height();
    int used = 0;
    for (const QColor &colour : pinned)
        result.palette[used++] = colour.rgb();
    for (const auto &[colour, tally] : byCount) {
        if (used == 16)
            break;
        const bool close = std::any_of(result.palette.begin(), result.palette.begin() + used,
                                       [&](QRgb p) { return distance(p, colour) < kSameColour; });
        if (!close)
            result.palette[used++] = colour;
    }
    for (int i = used; i < 16; ++i)
        result.palette[i] = qRgb(0, 0, 0);

    QHash<QRgb, std::uint8_t> nearest;
    for (const auto &[colour, tally] : byCount) {
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < used; ++i) {
            const int d = distance(colour, result.palette[i]);
            if (d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        nearest.insert(colour, std::uint8_t(best));
        if (tally.inside >= kLostArea && bestDistance > kLostDistance)
            std::fprintf(stderr, "%s: colour #%06x (%d pixels) has no close palette entry\n",
                         qPrintable(name), colour & 0xffffff, tally.all);
    }

    result.pixels.resize(std::size_t(result.width) * result.height);
    for (int y = 0; y < result.height; ++y)
        for (int x = 0; x < result.width; ++x)
            result.pixels[std::size_t(y) * result.width + x] = nearest.value(pixel(x, y));
    return result;
}

QByteArray encodeBmp4(const IndexedImage &image)
{
    constexpr int kFileHeader = 14;
    constexpr int kInfoHeader = 40;
    constexpr int kPalette = 16 * 4;
    const int rowBytes = ((image.width * 4 + 31) / 32) * 4;
    const int pixelBytes = rowBytes * image.height;

    QByteArray out;
    out.reserve(kFileHeader + kInfoHeader + kPalette + pixelBytes);
    out.append("BM");
    putLe32(out, kFileHeader + kInfoHeader + kPalette + pixelBytes);
    putLe32(out, 0); // two reserved words
    putLe32(out, kFileHeader + kInfoHeader + kPalette);

    putLe32(out, kInfoHeader);
    putLe32(out, std::uint32_t(image.width));
    putLe32(out, std::uint32_t(image.height)); // positive: rows stored bottom-up
    putLe16(out, 1);                           // planes
    putLe16(out, 4);                           // bits per pixel
    putLe32(out, 0);                           // BI_RGB, uncompressed
    putLe32(out, std::uint32_t(pixelBytes));
    putLe32(out, 3780); // 96 dots per inch, in dots per metre
    putLe32(out, 3780);
    putLe32(out, 16); // palette entries used
    putLe32(out, 0);  // all of them important

    for (QRgb colour : image.palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }

    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t index = image.at(x, y) & 0x0f;
            char &byte = row[x / 2];
            byte = char(x % 2 == 0 ? (index << 4) | (byte & 0x0f) : (byte & 0xf0) | index);
        }
        out.append(row);
    }
    return out;
}

} // namespace art
