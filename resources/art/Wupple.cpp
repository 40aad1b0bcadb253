// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Wupple.h"

#include "Ink.h"

namespace art {
namespace {

const QColor kFeet(0xff, 0x9a, 0x2e);
const QColor kCheek(0xff, 0x9c, 0xb4);
const QColor kMouth(0xb8, 0x24, 0x3c);
const QColor kHatRed(0xe8, 0x35, 0x2c);
const QColor kPompom(0xff, 0xd8, 0x3c);

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// Everything below is drawn in units of the body's radius, centred on the body.
void drawLimbs(QPainter &painter, const WuppleLook &look, qreal ink)
{
    if (look.feet) {
        outlined(painter, ellipse(QPointF(-0.42, 0.96), 0.3, 0.16), kFeet, ink);
        outlined(painter, ellipse(QPointF(0.42, 0.96), 0.3, 0.16), kFeet, ink);
    }
    const auto arm = [&](QPointF at, qreal degrees) {
        painter.save();
        painter.translate(at);
        painter.rotate(degrees);
        outlined(painter, fluffyCircle(QPointF(0, 0), 0.22, 6, 0.09), kWuppleFur, ink);
        painter.restore();
    };
    if (look.leftArm)
        arm(QPointF(-1.0, 0.22), 0);
    if (look.rightArm)
        arm(look.waving ? QPointF(0.9, -0.5) : QPointF(1.0, 0.22), 0);
}

void drawBody(QPainter &painter, const WuppleLook &look, qreal ink)
{
    const QPainterPath fur = fluffyCircle(QPointF(0, 0), 1.0, 18, 0.16);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kWuppleShade);
    painter.drawPath(fur);
    // The light fur is cut to the body's outline as a shape rather than by clipping, so that the
    // scalable icon, written without clipping, looks the same. The cut flattens curves to a fixed
    // tolerance, so it is made at a large scale to keep them round.
    QPainterPath light;
    light.addEllipse(QPointF(-0.14, -0.16), 0.9, 0.9);
    const QTransform large = QTransform::fromScale(1000, 1000);
    painter.setBrush(kWuppleFur);
    painter.drawPath(large.inverted().map(large.map(light).intersected(large.map(fur))));
    painter.setBrush(Qt::NoBrush);
    QPen rim(kInk, ink, look.dashedRim ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(rim);
    painter.drawPath(fur);
    painter.restore();
}

void drawFace(QPainter &painter, const WuppleLook &look, qreal ink)
{
    for (qreal side : {-1.0, 1.0}) {
        const QPointF eye(0.32 * side, -0.2);
        outlined(painter, ellipse(eye, 0.2, 0.26), kWhite, ink);
        outlined(painter, circle(eye + QPointF(0.04, 0.06), 0.12), kInk, 0);
        outlined(painter, circle(eye + QPointF(0.0, 0.0), 0.045), kWhite, 0);
    }
    if (look.cheeks) {
        outlined(painter, ellipse(QPointF(-0.6, 0.16), 0.14, 0.09), kCheek, 0);
        outlined(painter, ellipse(QPointF(0.6, 0.16), 0.14, 0.09), kCheek, 0);
    }
    if (!look.mouth)
        return;
    if (look.mood > 0.7) {
        QPainterPath smile;
        smile.moveTo(-0.3, 0.22);
        smile.cubicTo(-0.2, 0.62, 0.2, 0.62, 0.3, 0.22);
        smile.closeSubpath();
        outlined(painter, smile, kMouth, ink);
        return;
    }
    // Between a smile and a little frown the mouth is one curved line.
    QPainterPath line;
    const qreal width = 0.14 + 0.14 * qMax(look.mood, 0.0);
    line.moveTo(-width, 0.32);
    line.quadTo(0, 0.32 + 0.3 * look.mood, width, 0.32);
    painter.save();
    painter.setPen(QPen(kInk, ink * 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.restore();
}

} // namespace

void drawWuppleHat(QPainter &painter, QPointF at, qreal size, qreal tiltDegrees, qreal inkWidth)
{
    painter.save();
    painter.translate(at);
    painter.rotate(tiltDegrees);
    painter.scale(size, size);
    const qreal ink = inkWidth / size;
    QPainterPath cap;
    cap.moveTo(-0.5, 0);
    cap.cubicTo(-0.5, -0.62, 0.5, -0.62, 0.5, 0);
    cap.closeSubpath();
    outlined(painter, cap, kHatRed, ink);
    QPainterPath brim;
    brim.addRoundedRect(QRectF(-0.56, -0.1, 1.12, 0.2), 0.1, 0.1);
    outlined(painter, brim, kWhite, ink);
    outlined(painter, circle(QPointF(0, -0.56), 0.15), kPompom, ink);
    painter.restore();
}

void drawWupple(QPainter &painter, QPointF centre, qreal radius, const WuppleLook &look)
{
    painter.save();
    painter.translate(centre);
    painter.scale(radius, radius);
    const qreal ink = look.inkWidth / radius;
    painter.setOpacity(look.body);
    drawLimbs(painter, look, ink);
    drawBody(painter, look, ink);
    painter.setOpacity(look.eyes);
    drawFace(painter, look, ink);
    painter.restore();
    painter.setOpacity(1.0);
    if (look.hat)
        drawWuppleHat(painter, centre + QPointF(radius * 0.22, -radius * 0.9), radius * 0.62, 14,
                      look.inkWidth * 0.9);
}

} // namespace art
