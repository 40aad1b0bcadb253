// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ink.h"

#include <QPainterPathStroker>
#include <QtMath>

namespace art {

QImage canvas(int width, int height, const QColor &background, qreal scale)
{
    QImage image(qRound(width * scale), qRound(height * scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    if (scale != 1)
        image.setDevicePixelRatio(scale);
    return image;
}

void beginPainting(QPainter &painter, QImage &image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void outlined(QPainter &painter, const QPainterPath &shape, const QColor &fill, qreal inkWidth)
{
    painter.save();
    painter.setBrush(fill);
    if (inkWidth > 0)
        painter.setPen(QPen(kInk, inkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        painter.setPen(Qt::NoPen);
    painter.drawPath(shape);
    painter.restore();
}

void inkedStroke(QPainter &painter, const QPainterPath &line, const QColor &colour, qreal width,
                 qreal inkWidth)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, width + 2 * inkWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(line);
    painter.restore();
}

QPainterPath circle(QPointF centre, qreal radius)
{
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

QPainterPath fluffyCircle(QPointF centre, qreal radius, int bumps, qreal bumpRadius)
{
    QPainterPath path = circle(centre, radius - bumpRadius * 0.6);
    for (int i = 0; i < bumps; ++i) {
        const qreal angle = 2 * M_PI * i / bumps;
        const QPointF at = centre + QPointF(qCos(angle), qSin(angle)) * (radius - bumpRadius);
        path = path.united(circle(at, bumpRadius));
    }
    return path.simplified();
}

QPainterPath cloud(QPointF centre, qreal size)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(centre.x() - size, centre.y() - size * 0.1, size * 2, size * 0.5),
                        size * 0.25, size * 0.25);
    path = path.united(circle(centre + QPointF(-size * 0.45, 0), size * 0.38));
    path = path.united(circle(centre + QPointF(size * 0.1, -size * 0.15), size * 0.5));
    path = path.united(circle(centre + QPointF(size * 0.6, size * 0.05), size * 0.33));
    return path.simplified();
}

void drawSun(QPainter &painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(QPen(QColor(0xff, 0xc8, 0x2e), radius * 0.22, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 10; ++i) {
        const qreal angle = 2 * M_PI * i / 10;
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * radius * 1.3, centre + direction * radius * 1.7);
    }
    painter.restore();
    outlined(painter, circle(centre, radius), QColor(0xff, 0xdd, 0x44), 1.4);
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    const auto lerp = [t](int x, int y) { return qRound(x + (y - x) * t); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

qreal Rng::next()
{
    // xorshift32
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return (m_state >> 8) / qreal(1 << 24);
}

} // namespace art
