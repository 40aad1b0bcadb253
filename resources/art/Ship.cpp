// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Motif "ship": a sailing ship floats near a small island with a palm; the sea drains away stage
// by stage until the ship lies stranded on dry sand with a crow on its mast.
#include "Crow.h"
#include "Ink.h"
#include "Pictures.h"

#include <QtMath>

namespace art {
namespace {

const QColor kSky(0x8c, 0xd6, 0xf8);
const QColor kSea(0x2e, 0x8c, 0xd8);
const QColor kFoam(0x8a, 0xd0, 0xf4);
const QColor kSand(0xf2, 0xd2, 0x8a);
const QColor kWetSand(0xd8, 0xb0, 0x6a);
const QColor kHull(0xa0, 0x5e, 0x2c);
const QColor kHullStripe(0xe0, 0xa0, 0x50);
const QColor kSail(0xff, 0xfd, 0xf6);
const QColor kPalmLeaf(0x4c, 0xb0, 0x3c);
const QColor kFlag(0xe8, 0x35, 0x2c);
const QColor kLamp(0xff, 0xdd, 0x44); // the sun's yellow, so the portholes cost no extra colour

// The sea's surface at each stage; none is left at the last one.
constexpr qreal kSeaLevel[kStageCount] = {76, 84, 92, 100, 108, 116, 124, 131, 138, 170};
// The hull reaches this far below the waterline, and the sea floor under it lies here.
constexpr qreal kDraught = 10;
constexpr qreal kFloorUnderShip = 148;
const qreal kShipX = 54;

QPainterPath seaFloor()
{
    QPainterPath floor;
    floor.moveTo(-2, 148);
    floor.cubicTo(30, 145, 70, 152, 100, 146);
    floor.cubicTo(110, 144, 114, 70, 134, 66);
    floor.cubicTo(146, 64, 156, 68, 162, 72);
    floor.lineTo(162, 162);
    floor.lineTo(-2, 162);
    floor.closeSubpath();
    return floor;
}

void drawShipAt(QPainter &painter, QPointF waterline, qreal tilt, bool withCrow)
{
    painter.save();
    painter.translate(waterline);
    painter.rotate(tilt);

    QPainterPath mast(QPointF(0, -10));
    mast.lineTo(0, -64);
    inkedStroke(painter, mast, kHull, 2.4, 1.0);

    QPainterPath mainSail;
    mainSail.moveTo(3, -60);
    mainSail.quadTo(22, -42, 32, -18);
    mainSail.lineTo(3, -16);
    mainSail.closeSubpath();
    outlined(painter, mainSail, kSail, 1.4);
    QPainterPath jib;
    jib.moveTo(-3, -56);
    jib.quadTo(-18, -38, -30, -17);
    jib.lineTo(-3, -16);
    jib.closeSubpath();
    outlined(painter, jib, kSail, 1.4);

    QPainterPath flag;
    flag.moveTo(1, -64);
    flag.lineTo(13, -60);
    flag.lineTo(1, -56);
    flag.closeSubpath();
    outlined(painter, flag, kFlag, 1.2);

    QPainterPath hull;
    hull.moveTo(-40, -12);
    hull.lineTo(40, -14);
    hull.cubicTo(35, -2, 28, 8, 18, kDraught);
    hull.lineTo(-26, kDraught);
    hull.cubicTo(-34, 8, -38, 0, -40, -12);
    hull.closeSubpath();
    outlined(painter, hull, kHull, 1.6);
    painter.save();
    painter.setClipPath(hull);
    painter.fillRect(QRectF(-42, -7, 84, 3.5), kHullStripe);
    painter.restore();
    for (qreal x : {-18.0, -4.0, 10.0, 24.0})
        outlined(painter, circle(QPointF(x, -1.5), 2.2), kLamp, 1.0);

    if (withCrow)
        drawCrow(painter, QPointF(0, -64), 24, false);
    painter.restore();
}

// Two little fish swim in the sea while it is deep enough for them.
void drawFish(QPainter &painter, qreal level)
{
    struct Fish {
        QPointF at;
        bool facingLeft;
        QColor colour;
    };
    const Fish fishes[] = {{{30, 116}, false, kFlag}, {{74, 134}, true, kLamp}};
    for (const Fish &fish : fishes) {
        if (level > fish.at.y() - 10)
            continue;
        painter.save();
        painter.translate(fish.at);
        if (fish.facingLeft)
            painter.scale(-1, 1);
        QPainterPath tail;
        tail.moveTo(-4, 0);
        tail.lineTo(-10, -4);
        tail.lineTo(-10, 4);
        tail.closeSubpath();
        QPainterPath body;
        body.addEllipse(QPointF(0, 0), 6, 4);
        outlined(painter, body.united(tail).simplified(), fish.colour, 1.1);
        outlined(painter, circle(QPointF(2.8, -0.8), 1.0), kInk, 0);
        painter.restore();
    }
}

void drawSea(QPainter &painter, qreal level)
{
    if (level >= kFloorUnderShip + 10)
        return;
    painter.fillRect(QRectF(0, level, 160, 160 - level), kSea);
    painter.fillRect(QRectF(0, level, 160, 3), kFoam);
    painter.save();
    painter.setPen(QPen(kFoam, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 5; ++i) {
        const qreal x = 10 + i * 30 + (int(level) % 16);
        const qreal y = level + 8 + (i % 2) * 6;
        if (y > kFloorUnderShip - 4)
            continue;
        QPainterPath wave(QPointF(x, y));
        wave.quadTo(x + 4, y - 3, x + 8, y);
        painter.drawPath(wave);
    }
    painter.restore();
    drawFish(painter, level);
    painter.save();
    painter.setPen(QPen(kInk, 1.4));
    painter.drawLine(QPointF(0, level), QPointF(160, level));
    painter.restore();
}

void drawFloor(QPainter &painter, qreal level)
{
    outlined(painter, seaFloor(), kSand, 1.6);
    // Sand that the water has just left is still dark and wet.
    if (level < kFloorUnderShip + 10) {
        painter.save();
        painter.setClipPath(seaFloor());
        painter.fillRect(QRectF(0, level - 7, 160, 7), kWetSand);
        painter.restore();
    }
    // Starfish and shells lie on the floor all along, in the water or on the dry sand.
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + M_PI * i / 5;
        const qreal r = i % 2 == 0 ? 5.0 : 2.2;
        const QPointF p = QPointF(86, 153) + QPointF(qCos(angle), qSin(angle)) * r;
        i == 0 ? star.moveTo(p) : star.lineTo(p);
    }
    star.closeSubpath();
    outlined(painter, star, kFlag, 1.0);
    QPainterPath shell;
    shell.moveTo(18, 154);
    shell.quadTo(22, 144, 26, 154);
    shell.closeSubpath();
    outlined(painter, shell, kWhite, 1.0);
}

void drawPalm(QPainter &painter)
{
    QPainterPath trunk(QPointF(132, 67));
    trunk.cubicTo(130, 56, 134, 44, 138, 36);
    inkedStroke(painter, trunk, kHullStripe, 3.4, 1.0);
    const QPointF top(138, 36);
    for (qreal degrees : {-170.0, -130.0, -60.0, -15.0, 25.0, 160.0}) {
        const qreal a = qDegreesToRadians(degrees);
        const QPointF tip = top + QPointF(qCos(a) * 17, qSin(a) * 10 + 7);
        const QPointF side(-qSin(a) * 3.5, qCos(a) * 3.5);
        QPainterPath leaf(top);
        leaf.quadTo((top + tip) / 2 + side - QPointF(0, 5), tip);
        leaf.quadTo((top + tip) / 2 - side - QPointF(0, 1), top);
        outlined(painter, leaf, kPalmLeaf, 1.1);
    }
    outlined(painter, circle(top + QPointF(-2, 3), 2.4), kHull, 0.9);
    outlined(painter, circle(top + QPointF(2.5, 3.5), 2.4), kHull, 0.9);
}

} // namespace

QImage drawShip(int stage, qreal scale)
{
    const qreal level = kSeaLevel[stage];
    QImage image = canvas(kStageSize, kStageSize, kSky, scale);
    QPainter painter;
    beginPainting(painter, image);
    drawSun(painter, QPointF(24, 22), 10);
    outlined(painter, cloud(QPointF(100, 20), 15), kWhite, 1.4);

    const bool aground = level + kDraught >= kFloorUnderShip;
    const qreal waterline = aground ? kFloorUnderShip - kDraught + 1 : level;
    const qreal tilt = stage == 9 ? -7.0 : (aground ? -3.0 : 0.0);
    drawShipAt(painter, QPointF(kShipX, waterline), tilt, stage == 9);
    drawSea(painter, level);
    drawFloor(painter, level);
    drawPalm(painter);
    painter.end();
    return image;
}

} // namespace art
