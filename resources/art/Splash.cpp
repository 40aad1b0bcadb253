// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up and About picture: the Wupple in its own world.
#include "Ink.h"
#include "LetterCards.h"
#include "Pictures.h"
#include "Wupple.h"

#include <QtMath>

namespace art {
namespace {

const QColor kSky(0x8c, 0xd6, 0xf8);
const QColor kMeadow(0x84, 0xcc, 0x50);
const QColor kHill(0x6c, 0xbc, 0x48);

void drawWorld(QPainter &painter)
{
    painter.fillRect(QRectF(0, 0, 320, 200), kSky);
    drawSun(painter, QPointF(290, 26), 14);
    outlined(painter, cloud(QPointF(60, 22), 18), kWhite, 1.6);
    outlined(painter, cloud(QPointF(205, 16), 14), kWhite, 1.6);

    QPainterPath hill;
    hill.moveTo(-2, 150);
    hill.cubicTo(60, 118, 150, 122, 230, 170);
    hill.lineTo(230, 202);
    hill.lineTo(-2, 202);
    hill.closeSubpath();
    outlined(painter, hill, kHill, 1.6);
    QPainterPath meadow;
    meadow.moveTo(-2, 166);
    meadow.cubicTo(100, 150, 220, 148, 322, 158);
    meadow.lineTo(322, 202);
    meadow.lineTo(-2, 202);
    meadow.closeSubpath();
    outlined(painter, meadow, kMeadow, 1.6);

    for (const QPointF &at : {QPointF(30, 182), QPointF(140, 176), QPointF(300, 184)}) {
        for (int petal = 0; petal < 5; ++petal) {
            const qreal a = 2 * M_PI * petal / 5;
            outlined(painter, circle(at + QPointF(qCos(a), qSin(a)) * 4, 3), kWhite, 1.0);
        }
        outlined(painter, circle(at, 2.6), QColor(0xff, 0xd8, 0x3c), 1.0);
    }
}

void drawWashingLine(QPainter &painter)
{
    for (qreal x : {14.0, 216.0}) {
        QPainterPath post;
        post.addRoundedRect(QRectF(x - 3.5, 30, 7, 150), 2.5, 2.5);
        outlined(painter, post, QColor(0x9a, 0x62, 0x36), 1.6);
    }
    // The cards are drawn at 1.3 times their size in the game; the line sags between the posts.
    const QString word = QStringLiteral("WUPPLE");
    const qreal scale = 1.3;
    const auto sag = [](qreal x) { return 40 + 14 * qSin(M_PI * (x - 14) / 202); };
    QPainterPath line(QPointF(14, 36));
    for (qreal x = 14; x <= 216; x += 2)
        line.lineTo(x, sag(x));
    inkedStroke(painter, line, QColor(0xf2, 0xea, 0xd2), 1.6, 0.7);
    for (int i = 0; i < word.size(); ++i) {
        const qreal centre = 36 + i * 31.5;
        painter.save();
        painter.translate(centre, sag(centre));
        painter.rotate((i - 2.5) * 2.0);
        painter.scale(scale, scale);
        painter.translate(-kCardWidth / 2.0, 0);
        paintCard(painter, QColor(0xff, 0xf6, 0xda));
        paintLetter(painter, word.mid(i, 1), letterColour(word[i].unicode() - u'A'));
        paintPeg(painter, kCardWidth / 2.0, 0);
        painter.restore();
    }
}

} // namespace

QImage drawSplash()
{
    QImage image = canvas(320, 200, kSky);
    QPainter painter;
    beginPainting(painter, image);
    drawWorld(painter);
    drawWashingLine(painter);
    WuppleLook look;
    look.inkWidth = 2.0;
    drawWupple(painter, QPointF(262, 128), 38, look);
    painter.end();
    return image;
}

} // namespace art
