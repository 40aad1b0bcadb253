// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Motif "bird": a colourful parrot in a golden cage turns, stage by stage, into a black crow,
// while the warm room around it grows a little paler.
#include "Ink.h"
#include "Parrot.h"
#include "Pictures.h"

namespace art {
namespace {

const QColor kWall(0xfd, 0xe6, 0xa8);
const QColor kDimWall(0xe0, 0xd6, 0xc0);
const QColor kShelf(0xc0, 0x80, 0x44);
const QColor kGold(0xf0, 0xbc, 0x2c);
const QColor kPerch(0x9a, 0x62, 0x36);

// The cage stands on the shelf: a base, a band, a dome and eight bars behind the bird, so the
// bird is easy to see; the base in front holds it inside.
constexpr qreal kBand = 34;
constexpr qreal kBase = 132;
constexpr qreal kPerchY = 108;

void drawCageBack(QPainter &painter)
{
    painter.save();
    painter.setPen(QPen(kGold, 1.7, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(80, 6), 4.5, 4.5);
    for (int i = 0; i < 8; ++i) {
        const qreal x = 38 + i * 12;
        QPainterPath bar(QPointF(x, kBase));
        bar.lineTo(x, kBand);
        bar.quadTo(x + (80 - x) * 0.1, 14, 80, 11);
        painter.drawPath(bar);
    }
    painter.restore();
    QPainterPath band;
    band.addRoundedRect(QRectF(32, kBand - 3, 96, 6), 2, 2);
    outlined(painter, band, kGold, 1.4);
    outlined(painter, circle(QPointF(80, 11), 3.5), kGold, 1.4);
    QPainterPath perch(QPointF(40, kPerchY));
    perch.lineTo(120, kPerchY);
    inkedStroke(painter, perch, kPerch, 3.0, 1.0);
    QPainterPath cup;
    cup.moveTo(102, 118);
    cup.lineTo(118, 118);
    cup.quadTo(117, 129, 110, 129);
    cup.quadTo(103, 129, 102, 118);
    outlined(painter, cup, kWhite, 1.2);
}

void drawCageFront(QPainter &painter)
{
    QPainterPath base;
    base.addRoundedRect(QRectF(28, kBase, 104, 12), 3, 3);
    outlined(painter, base, kGold, 1.6);
}

} // namespace

QImage drawBirdCage(int stage, qreal scale)
{
    const qreal t = stage / qreal(kStageCount - 1);
    QImage image = canvas(kStageSize, kStageSize, kWall, scale);
    QPainter painter;
    beginPainting(painter, image);
    painter.fillRect(QRectF(0, 0, 160, 160), mix(kWall, kDimWall, t));
    QPainterPath shelf;
    shelf.addRect(QRectF(-2, 144, 164, 20));
    outlined(painter, shelf, kShelf, 1.6);

    drawCageBack(painter);
    drawCageBird(painter, QPointF(80, kPerchY), 1.35, stage);
    drawCageFront(painter);
    painter.end();
    return image;
}

} // namespace art
