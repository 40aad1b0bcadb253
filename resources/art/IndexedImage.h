// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace art {

// A 16-colour picture: the form every bitmap of the game is stored in.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::array<QRgb, 16> palette{};
    std::vector<std::uint8_t> pixels; // row by row from the top, one palette index per pixel

    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    QImage toImage() const;
};

// Maps a drawn picture onto its own palette of 16 colours, without dithering so that edges stay
// clean. The palette holds the pinned colours first (in that order), then the colours that fill
// the largest areas of the picture. A colour covering a noticeable area that finds no close palette entry
// is reported on stderr with the picture's name, because it means the drawing uses too many colours.
IndexedImage quantize(const QImage &drawing, const QString &name, const QList<QColor> &pinned = {});

// The picture as a Windows bitmap file: file header, 40-byte info header, 16-entry palette and
// 4-bit pixel rows, bottom row first, each row padded to a multiple of four bytes.
QByteArray encodeBmp4(const IndexedImage &image);

} // namespace art
