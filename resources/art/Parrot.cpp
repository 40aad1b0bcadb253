// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Parrot.h"

#include "Ink.h"

#include <QtMath>

namespace art {
namespace {

const QColor kParrotRed(0xe6, 0x32, 0x2a);
const QColor kParrotBlue(0x22, 0x6c, 0xe0);
const QColor kParrotGreen(0x3c, 0xc0, 0x4c);
const QColor kParrotYellow(0xff, 0xc8, 0x30);
const QColor kBeakIvory(0xf2, 0xe2, 0xc0);
const QColor kCrowBeak(0x8a, 0x8c, 0x9c);

// How far one part has changed at a stage: it starts changing after stage `from` and is done
// `stages` stages later.
qreal progress(int stage, int from, int stages)
{
    return qBound(0.0, (stage - from) / qreal(stages), 1.0);
}

// A parrot colour on its way to the crow's: it first fades to a grey of the same lightness,
// then darkens.
QColor drained(const QColor &parrot, const QColor &crow, qreal p)
{
    const int grey = qGray(parrot.rgb());
    const QColor faded(grey, grey, grey);
    return p < 0.5 ? mix(parrot, faded, p * 2) : mix(faded, crow, p * 2 - 1);
}

QPointF lerp(QPointF a, QPointF b, qreal t) { return a + (b - a) * t; }

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry, qreal degrees)
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), rx, ry);
    QTransform turn;
    turn.translate(centre.x(), centre.y());
    turn.rotate(degrees);
    return turn.map(path);
}

void drawTail(QPainter &painter, qreal p)
{
    const QColor feathers[] = {kParrotGreen, kParrotBlue, kParrotRed};
    const qreal length = 26 - 12 * p;
    for (int i = 0; i < 3; ++i) {
        const qreal spread = (1 - i) * (5 - 3 * p);
        QPainterPath feather;
        feather.moveTo(-7, -10);
        feather.quadTo(-12 + spread, length * 0.5, -13 + spread * 1.6, length);
        feather.quadTo(-7 + spread * 1.6, length * 0.9, -1, -8);
        feather.closeSubpath();
        outlined(painter, feather, drained(feathers[i], kCrowBlack, p), 1.3);
    }
}

void drawCrest(QPainter &painter, qreal p)
{
    const qreal size = 1 - p;
    if (size < 0.05)
        return;
    for (int i = 0; i < 3; ++i) {
        const qreal a = qDegreesToRadians(-150.0 + i * 24);
        const QPointF root(0 + i * 3.5, -48);
        const QPointF tip = root + QPointF(qCos(a), qSin(a)) * 13 * size;
        QPainterPath feather(root + QPointF(-2.2, 0.5));
        feather.quadTo(tip + QPointF(-1, 2), tip);
        feather.quadTo(tip + QPointF(3, 2), root + QPointF(2.2, 1));
        const QColor colour = i == 1 ? kParrotGreen : kParrotYellow;
        outlined(painter, feather, drained(colour, kCrowBlack, p), 1.1);
    }
}

void drawBeak(QPainter &painter, qreal p)
{
    // The hooked beak straightens into the crow's pointed one.
    QPainterPath beak;
    beak.moveTo(lerp({12, -50}, {12, -47}, p));
    beak.cubicTo(lerp({22, -52}, {18, -46}, p), lerp({26, -41}, {23, -43}, p),
                 lerp({20, -33}, {27, -41}, p));
    beak.lineTo(lerp({17, -36}, {22, -39}, p));
    beak.lineTo(lerp({12, -37}, {12, -37}, p));
    beak.closeSubpath();
    outlined(painter, beak, mix(kBeakIvory, kCrowBeak, p), 1.3);
}

} // namespace

void drawCageBird(QPainter &painter, QPointF feet, qreal scale, int stage)
{
    const qreal tail = progress(stage, 0, 2);
    const qreal crest = progress(stage, 1, 2);
    const qreal wing = progress(stage, 2, 3);
    const qreal belly = progress(stage, 3, 3);
    const qreal body = progress(stage, 4, 5);
    const qreal beak = progress(stage, 6, 3);
    const qreal face = progress(stage, 7, 2);

    painter.save();
    painter.translate(feet);
    painter.scale(scale, scale);
    const qreal ink = 1.5 / scale;

    drawTail(painter, tail);
    const QPainterPath torso = ellipse(QPointF(0, -20), 12.5 + body, 17, -10);
    const QPainterPath head = circle(QPointF(4, -40), 11);
    outlined(painter, torso.united(head).simplified(), drained(kParrotRed, kCrowBlack, body), ink);
    painter.save();
    painter.setClipPath(torso);
    outlined(painter, ellipse(QPointF(7, -14), 7, 11, -10), drained(kParrotYellow, kCrowBlack, belly), 0);
    painter.restore();

    const QPainterPath wingShape = ellipse(QPointF(-5, -21), 7.5, 13.5, 12);
    outlined(painter, wingShape, drained(kParrotBlue, kCrowGrey, wing), ink);
    painter.save();
    painter.setClipPath(wingShape);
    painter.fillRect(QRectF(-16, -15, 22, 12), drained(kParrotGreen, kCrowGrey, wing));
    painter.restore();
    painter.save();
    painter.setPen(QPen(kInk, ink));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wingShape);
    painter.restore();

    drawCrest(painter, crest);
    // The parrot's white face patch shrinks away.
    if (face < 0.95)
        outlined(painter, ellipse(QPointF(8, -40), 6.5 * (1 - face), 7 * (1 - face), 0), kWhite, 0);
    outlined(painter, circle(QPointF(8, -42), 2.8), kWhite, ink * 0.8);
    outlined(painter, circle(QPointF(8.8, -41.6), 1.5), kInk, 0);
    drawBeak(painter, beak);

    for (qreal x : {-4.0, 3.0})
        outlined(painter, ellipse(QPointF(x, -1), 3, 2, 0), kCrowGrey, ink * 0.8);
    painter.restore();
}

} // namespace art
