// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Signs that say with a shape what the board also says with colour: the star beside the name of
// the player whose turn it is, and the stroke across a letter card that cannot be taken now.
#include "Ink.h"
#include "Pictures.h"

#include <QtMath>

namespace art {

QImage drawTurnMark(qreal scale)
{
    QImage image = canvas(kTurnMarkSize, kTurnMarkSize, Qt::transparent, scale);
    QPainter painter;
    beginPainting(painter, image);
    // A five-pointed star, gold with the ink outline, so it stands out on a red or a blue bar.
    const QPointF centre(kTurnMarkSize / 2.0, kTurnMarkSize / 2.0 + 0.6);
    const qreal outer = kTurnMarkSize / 2.0 - 1.2, inner = outer * 0.45;
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    outlined(painter, star, kTurnMarkGold, 1.2);
    painter.end();
    return image;
}

QImage drawCardStroke(qreal scale)
{
    QImage image = canvas(kCardStrokeWidth, kCardStrokeHeight, Qt::transparent, scale);
    QPainter painter;
    beginPainting(painter, image);
    // One bold stroke from corner to corner, ink on a light edge, readable on any letter colour.
    QPainterPath stroke;
    stroke.moveTo(4, 5);
    stroke.lineTo(kCardStrokeWidth - 4, kCardStrokeHeight - 5);
    inkedStroke(painter, stroke, kWhite, 2.4, 1.2);
    painter.end();
    return image;
}

} // namespace art
