// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Crow.h"

#include "Ink.h"

namespace art {

void drawCrow(QPainter &painter, QPointF feet, qreal height, bool facingLeft)
{
    painter.save();
    painter.translate(feet);
    painter.scale(facingLeft ? -height : height, height);
    const qreal ink = 1.3 / height;

    // Drawn facing right in a box one unit high, feet at the origin.
    painter.setPen(QPen(kCrowGrey, 0.07, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(-0.08, -0.2), QPointF(-0.1, 0));
    painter.drawLine(QPointF(0.08, -0.2), QPointF(0.08, 0));
    painter.drawLine(QPointF(-0.2, 0), QPointF(0.0, 0));
    painter.drawLine(QPointF(0.0, 0), QPointF(0.18, 0));

    QPainterPath tail;
    tail.moveTo(-0.2, -0.42);
    tail.lineTo(-0.66, -0.08);
    tail.lineTo(-0.56, 0.0);
    tail.lineTo(-0.12, -0.2);
    tail.closeSubpath();
    outlined(painter, tail, kCrowBlack, ink);

    QPainterPath body;
    body.addEllipse(QPointF(-0.02, -0.38), 0.33, 0.25);
    QPainterPath head = circle(QPointF(0.2, -0.72), 0.23);
    outlined(painter, body.united(head).simplified(), kCrowBlack, ink);

    QPainterPath wing;
    wing.moveTo(-0.28, -0.5);
    wing.cubicTo(-0.1, -0.6, 0.2, -0.48, 0.12, -0.32);
    wing.cubicTo(0.0, -0.2, -0.3, -0.22, -0.46, -0.22);
    wing.closeSubpath();
    outlined(painter, wing, kCrowGrey, ink);

    QPainterPath beak;
    beak.moveTo(0.36, -0.8);
    beak.lineTo(0.64, -0.7);
    beak.lineTo(0.36, -0.62);
    beak.closeSubpath();
    outlined(painter, beak, QColor(0x8a, 0x8c, 0x9c), ink);

    outlined(painter, circle(QPointF(0.24, -0.76), 0.09), kWhite, ink * 0.8);
    outlined(painter, circle(QPointF(0.265, -0.755), 0.05), kInk, 0);
    painter.restore();
}

} // namespace art
