// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <cstdint>

// Shared drawing vocabulary: every picture is drawn with the same dark outline, flat fills and a
// light highlight, so the four motifs and the small pictures read as one family.
namespace art {

inline const QColor kInk(0x2b, 0x24, 0x40);
inline const QColor kWhite(0xff, 0xfd, 0xf6);
inline const QColor kCrowBlack(0x26, 0x26, 0x33);
inline const QColor kCrowGrey(0x5a, 0x5c, 0x70);

// A canvas of width x height units, `scale` pixels to the unit: a painter on it draws in units.
QImage canvas(int width, int height, const QColor &background = Qt::transparent, qreal scale = 1);
void beginPainting(QPainter &painter, QImage &image);

// Fills a shape and rings it with the ink outline.
void outlined(QPainter &painter, const QPainterPath &shape, const QColor &fill, qreal inkWidth = 1.6);
// A thick stroke (a branch, a rope, a mast) with an ink border on both sides.
void inkedStroke(QPainter &painter, const QPainterPath &line, const QColor &colour, qreal width,
                 qreal inkWidth = 1.4);

QPainterPath circle(QPointF centre, qreal radius);
// A circle whose rim is a ring of soft bumps, for fur, foliage and clouds.
QPainterPath fluffyCircle(QPointF centre, qreal radius, int bumps, qreal bumpRadius);
QPainterPath cloud(QPointF centre, qreal size);
void drawSun(QPainter &painter, QPointF centre, qreal radius);

QColor mix(const QColor &a, const QColor &b, qreal t);

// A small deterministic generator, so the pictures come out the same on every build.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : m_state(seed ? seed : 1) {}
    qreal next(); // uniform in [0, 1)
    qreal range(qreal low, qreal high) { return low + (high - low) * next(); }

private:
    std::uint32_t m_state;
};

} // namespace art
