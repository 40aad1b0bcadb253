// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the three square buttons beside the picture: start, end and hint.
#include "Ink.h"
#include "Pictures.h"

#include <QtMath>

namespace art {
namespace {

constexpr int kSize = 32;

QImage blank(qreal scale) { return canvas(kSize, kSize, Qt::transparent, scale); }

} // namespace

QImage drawStartButton(qreal scale)
{
    QImage image = blank(scale);
    QPainter painter;
    beginPainting(painter, image);
    QPainterPath play;
    play.moveTo(8, 4);
    play.lineTo(28, 16);
    play.lineTo(8, 28);
    play.closeSubpath();
    outlined(painter, play, QColor(0x3c, 0xb4, 0x4a), 2.4);
    QPainterPath shine;
    shine.moveTo(11, 9);
    shine.lineTo(19, 14);
    shine.lineTo(11, 14);
    shine.closeSubpath();
    outlined(painter, shine, QColor(0x9a, 0xe6, 0x8a), 0);
    painter.end();
    return image;
}

QImage drawEndButton(qreal scale)
{
    QImage image = blank(scale);
    QPainter painter;
    beginPainting(painter, image);
    QPainterPath stop;
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(22.5 + 45.0 * i);
        const QPointF p = QPointF(16, 16) + QPointF(qCos(a), qSin(a)) * 14.5;
        i == 0 ? stop.moveTo(p) : stop.lineTo(p);
    }
    stop.closeSubpath();
    outlined(painter, stop, QColor(0xe0, 0x2c, 0x2c), 2.0);
    QPainterPath square;
    square.addRoundedRect(QRectF(10.5, 10.5, 11, 11), 1.5, 1.5);
    outlined(painter, square, kWhite, 0);
    painter.end();
    return image;
}

QImage drawHintButton(qreal scale)
{
    QImage image = blank(scale);
    QPainter painter;
    beginPainting(painter, image);
    painter.save();
    painter.setPen(QPen(QColor(0xff, 0xb0, 0x20), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (qreal degrees : {-160.0, -125.0, -90.0, -55.0, -20.0}) {
        const qreal a = qDegreesToRadians(degrees);
        const QPointF d(qCos(a), qSin(a));
        painter.drawLine(QPointF(16, 13) + d * 11.5, QPointF(16, 13) + d * 14.5);
    }
    painter.restore();
    QPainterPath bulb = circle(QPointF(16, 13), 8.5);
    QPainterPath neck;
    neck.moveTo(11, 17);
    neck.lineTo(21, 17);
    neck.lineTo(19.5, 23);
    neck.lineTo(12.5, 23);
    neck.closeSubpath();
    outlined(painter, bulb.united(neck).simplified(), QColor(0xff, 0xe0, 0x40), 1.8);
    outlined(painter, circle(QPointF(13, 10), 2.4), kWhite, 0);
    QPainterPath base;
    base.addRoundedRect(QRectF(12, 23, 8, 7), 1.5, 1.5);
    outlined(painter, base, QColor(0x9c, 0xa4, 0xb4), 1.6);
    painter.setPen(QPen(kInk, 1.0));
    painter.drawLine(QPointF(12.5, 26.5), QPointF(19.5, 26.5));
    painter.end();
    return image;
}

} // namespace art
