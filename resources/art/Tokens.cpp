// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The score tokens, one per motif: an apple, a white fluffy ball, a life ring and three balls.
#include "Ink.h"
#include "Pictures.h"
#include "Wupple.h"

#include <QtMath>

namespace art {
namespace {

void drawBall(QPainter &painter, QPointF centre, qreal radius, const QColor &colour)
{
    outlined(painter, circle(centre, radius), colour, 1.3);
    outlined(painter, circle(centre + QPointF(-radius * 0.35, -radius * 0.35), radius * 0.28), kWhite, 0);
}

void drawApple(QPainter &painter)
{
    painter.save();
    painter.setPen(QPen(QColor(0x6a, 0x40, 0x22), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, 8), QPointF(14.5, 3));
    painter.restore();
    QPainterPath leaf;
    leaf.moveTo(14.5, 5);
    leaf.quadTo(18, 1, 22, 3);
    leaf.quadTo(19, 7, 14.5, 5);
    outlined(painter, leaf, QColor(0x4c, 0xb0, 0x3c), 1.0);
    QPainterPath apple = circle(QPointF(9.5, 16), 8).united(circle(QPointF(16.5, 16), 8));
    outlined(painter, apple.simplified(), QColor(0xe8, 0x35, 0x2c), 1.3);
    outlined(painter, circle(QPointF(8, 13), 2.2), kWhite, 0);
}

void drawFluffBall(QPainter &painter)
{
    const QPainterPath fur = fluffyCircle(QPointF(13, 14), 11.5, 12, 2.4);
    outlined(painter, fur, kWuppleShade, 1.3);
    painter.save();
    painter.setClipPath(fur);
    outlined(painter, circle(QPointF(11.5, 12.5), 9.5), kWuppleFur, 0);
    painter.restore();
}

void drawLifeRing(QPainter &painter)
{
    const QPointF centre(13, 13.5);
    QPainterPath ring = circle(centre, 11.5).subtracted(circle(centre, 5.5));
    outlined(painter, ring, kWhite, 0);
    painter.save();
    painter.setClipPath(ring);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0x35, 0x2c));
    for (int quarter = 0; quarter < 4; ++quarter)
        painter.drawPie(QRectF(centre.x() - 13, centre.y() - 13, 26, 26), (quarter * 90 + 20) * 16,
                        50 * 16);
    painter.restore();
    painter.save();
    painter.setPen(QPen(kInk, 1.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(ring);
    painter.restore();
}

} // namespace

QImage drawToken(int motif, qreal scale)
{
    QImage image = canvas(26, 27, kTokenGround, scale);
    QPainter painter;
    beginPainting(painter, image);
    switch (motif) {
    case 0:
        drawApple(painter);
        break;
    case 1:
        drawFluffBall(painter);
        break;
    case 2:
        drawLifeRing(painter);
        break;
    default:
        drawBall(painter, QPointF(7.5, 19.5), 6, QColor(0xe8, 0x35, 0x2c));
        drawBall(painter, QPointF(18.5, 19.5), 6, QColor(0x22, 0x6c, 0xe0));
        drawBall(painter, QPointF(13, 8.5), 6, QColor(0xff, 0xcc, 0x2a));
        break;
    }
    painter.end();
    return image;
}

} // namespace art
