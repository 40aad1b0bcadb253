// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The letter strip: two washing lines on a dark blue ground. The letter cards are separate
// pictures that the game hangs on it; each line runs through the top edge of every card of its
// row, and a peg waits at each card's top centre, so a picked letter leaves its empty peg behind.
#include "Ink.h"
#include "LetterCards.h"
#include "Pictures.h"

#include <QList>

namespace art {
namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 120;

// Top-left corner of each letter card on the strip, in twips (15 twips to the pixel).
// Cards 0..14 hang on the upper line, 15..29 on the lower one; Ü and Å share a place.
constexpr int kCardPlaces[kLetterCount][2] = {
    {170, 200},  {590, 270},  {1030, 320}, {1450, 345}, {1900, 280}, {2460, 260},
    {2950, 320}, {3470, 340}, {4050, 345}, {4680, 270}, {5710, 330}, {6210, 420},
    {6780, 470}, {7320, 500}, {7950, 470}, {520, 980},  {940, 1070}, {1350, 1170},
    {1810, 1200}, {2290, 1220}, {2750, 1160}, {3180, 1080}, {3860, 1080}, {4420, 1150},
    {4930, 1210}, {5470, 1250}, {6010, 1220}, {6540, 1190}, {7050, 1110}, {7050, 1120},
};

// The point where a card meets the line: its top centre, on the pixel grid the card lands on.
QPointF hangingPoint(int index)
{
    const int left = qRound(kCardPlaces[index][0] / 15.0);
    const int top = qRound(kCardPlaces[index][1] / 15.0);
    return QPointF(left + kCardWidth / 2.0, top);
}

// A smooth curve through every point (Catmull-Rom, as cubic Bézier pieces).
QPainterPath smoothThrough(const QList<QPointF> &points)
{
    QPainterPath path(points.first());
    for (int i = 0; i + 1 < points.size(); ++i) {
        const QPointF before = points[qMax(i - 1, 0)];
        const QPointF after = points[qMin(i + 2, int(points.size()) - 1)];
        path.cubicTo(points[i] + (points[i + 1] - before) / 6.0,
                     points[i + 1] - (after - points[i]) / 6.0, points[i + 1]);
    }
    return path;
}

void drawPost(QPainter &painter, qreal x)
{
    QPainterPath post;
    post.addRoundedRect(QRectF(x - 3, 2, 6, kHeight + 4), 2, 2);
    outlined(painter, post, QColor(0x9a, 0x62, 0x36), 1.2);
}

void drawStars(QPainter &painter)
{
    Rng rng(5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x4a, 0x5c, 0xa8));
    for (int i = 0; i < 40; ++i)
        painter.drawEllipse(QPointF{rng.range(10, 590), rng.range(4, 116)}, 0.9, 0.9);
}

// A sock on the free end of the lower line: laundry, not a letter.
void drawSock(QPainter &painter, QPointF hook)
{
    QPainterPath sock;
    sock.moveTo(hook + QPointF(-5, 0));
    sock.lineTo(hook + QPointF(5, 0));
    sock.lineTo(hook + QPointF(5, 16));
    sock.quadTo(hook + QPointF(5, 22), hook + QPointF(11, 22));
    sock.quadTo(hook + QPointF(15, 24), hook + QPointF(12, 28));
    sock.lineTo(hook + QPointF(-1, 28));
    sock.quadTo(hook + QPointF(-5, 28), hook + QPointF(-5, 22));
    sock.closeSubpath();
    outlined(painter, sock, QColor(0xe8, 0x3a, 0x4a), 1.2);
    painter.save();
    painter.setPen(QPen(kWhite, 2.0));
    painter.drawLine(hook + QPointF(-4.4, 4), hook + QPointF(4.4, 4));
    painter.drawLine(hook + QPointF(-4.4, 8), hook + QPointF(4.4, 8));
    painter.restore();
}

void drawLine(QPainter &painter, int first, int last, QPointF leftEnd, const QList<QPointF> &rightEnds)
{
    QList<QPointF> points{leftEnd};
    for (int i = first; i <= last; ++i)
        points.append(hangingPoint(i));
    points.append(rightEnds);
    inkedStroke(painter, smoothThrough(points), QColor(0xf2, 0xea, 0xd2), 1.2, 0.5);
}

} // namespace

QImage drawLetterStrip(qreal scale)
{
    QImage image = canvas(kWidth, kHeight, kStripGround, scale);
    QPainter painter;
    beginPainting(painter, image);
    drawStars(painter);
    drawPost(painter, 4);
    drawPost(painter, kWidth - 4);

    const QPointF sockHook(548, 68);
    drawLine(painter, 0, 14, QPointF(6, 6), {QPointF(kWidth - 6, 10)});
    drawLine(painter, 15, 28, QPointF(6, 56), {sockHook, QPointF(kWidth - 6, 56)});
    drawSock(painter, sockHook);
    // Å hangs on Ü's peg: no language uses both.
    for (int i = 0; i < kLetterCount - 1; ++i)
        paintPeg(painter, hangingPoint(i).x(), hangingPoint(i).y());
    paintPeg(painter, sockHook.x(), sockHook.y());
    painter.end();
    return image;
}

} // namespace art
