// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Motif "Wupple": the friendly fluffy figure loses its arms and feet, fades and drifts away in
// little puffs while the day turns to evening, until only its bobble hat is left on the grass.
#include "Ink.h"
#include "Pictures.h"
#include "Wupple.h"

#include <QtMath>

namespace art {
namespace {

const QColor kDaySky(0x8c, 0xd6, 0xf8);
const QColor kEveningSky(0xc4, 0xb4, 0xe0);
const QColor kMeadow(0x84, 0xcc, 0x50);
const QColor kEveningMeadow(0x6c, 0xa8, 0x5c);
const QPointF kCentre(80, 86);
constexpr qreal kRadius = 36;

WuppleLook lookAt(int stage)
{
    WuppleLook look;
    look.waving = stage == 0;
    look.leftArm = stage < 1;
    look.rightArm = stage < 2;
    look.feet = stage < 3;
    look.cheeks = stage < 4;
    constexpr qreal kBody[kStageCount] = {1, 1, 1, 1, 0.78, 0.58, 0.42, 0.28, 0.14, 0};
    constexpr qreal kMood[kStageCount] = {1, 1, 0.6, 0.45, 0.3, 0.15, 0, -0.25, -0.4, -0.4};
    look.body = kBody[stage];
    look.mood = kMood[stage];
    look.dashedRim = stage >= 6;
    look.eyes = stage <= 7 ? 1.0 : 0.45;
    look.mouth = stage <= 7;
    look.hat = stage <= 8;
    return look;
}

void drawBackground(QPainter &painter, int stage)
{
    const qreal t = stage / qreal(kStageCount - 1);
    painter.fillRect(QRectF(0, 0, 160, 160), mix(kDaySky, kEveningSky, t));
    // The sun sets while the Wupple fades.
    drawSun(painter, QPointF(28, 24 + stage * 10), 11);
    outlined(painter, cloud(QPointF(92, 20), 14), kWhite, 1.4);

    QPainterPath meadow;
    meadow.moveTo(-2, 122);
    meadow.cubicTo(50, 112, 110, 114, 162, 120);
    meadow.lineTo(162, 162);
    meadow.lineTo(-2, 162);
    meadow.closeSubpath();
    outlined(painter, meadow, mix(kMeadow, kEveningMeadow, t), 1.6);

    // A few flowers; they close as evening comes.
    const QPointF flowers[] = {{18, 140}, {140, 134}, {124, 150}, {36, 152}};
    for (const QPointF &at : flowers) {
        painter.save();
        painter.setPen(QPen(QColor(0x2e, 0x7a, 0x2e), 1.4));
        painter.drawLine(at, at + QPointF(0, 8));
        painter.restore();
        if (stage < 6) {
            for (int petal = 0; petal < 5; ++petal) {
                const qreal angle = 2 * M_PI * petal / 5;
                outlined(painter, circle(at + QPointF(qCos(angle), qSin(angle)) * 3.2, 2.4), kWhite, 0.9);
            }
            outlined(painter, circle(at, 2.0), QColor(0xff, 0xd8, 0x3c), 0.9);
        } else {
            outlined(painter, circle(at, 2.4), QColor(0xe8, 0x9a, 0xc0), 0.9);
        }
    }
}

// The parts that have gone float off to the upper right as little puffs.
void drawPuffs(QPainter &painter, int stage)
{
    const int puffs = qMin(stage, 6);
    for (int i = 0; i < puffs; ++i) {
        const qreal along = (i + 1) / 7.0;
        const QPointF at(108 + along * 44, 70 - along * 56 + qSin(i * 2.1) * 5);
        outlined(painter, fluffyCircle(at, 4.6 - along * 1.8, 6, 1.6), kWuppleFur, 1.1);
    }
}

void drawTrace(QPainter &painter)
{
    painter.save();
    painter.setOpacity(0.6);
    painter.setPen(QPen(kWuppleFur, 1.6, Qt::DotLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kCentre, kRadius * 0.9, kRadius * 0.9);
    painter.restore();
    drawWuppleHat(painter, QPointF(86, 126), 24, -18);
}

} // namespace

QImage drawWuppleStage(int stage, qreal scale)
{
    QImage image = canvas(kStageSize, kStageSize, kDaySky, scale);
    QPainter painter;
    beginPainting(painter, image);
    drawBackground(painter, stage);
    if (stage < 9)
        drawWupple(painter, kCentre, kRadius, lookAt(stage));
    else
        drawTrace(painter);
    drawPuffs(painter, stage);
    painter.end();
    return image;
}

} // namespace art
