// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainter>
#include <QString>

// The letter cards: bold letters on little cards, pegged to the washing line of the letter strip.
// A card is 25 x 30 units; its top edge touches the line and a peg clips it at the top centre.
namespace art {

constexpr int kCardWidth = 25;
constexpr int kCardHeight = 30;

bool loadLetterFont();
// Andika, the font for beginning readers (single-storey a and g), for the small letters. Loaded on
// first use; false when it is not installed (fonts-sil-andika).
bool loadSmallLetterFont();
QString letterOf(int index); // 0..25 = A..Z, 26 Ä, 27 Ö, 28 Ü, 29 Å

// Paints a card with its top-left corner at the painter's origin.
void paintCard(QPainter &painter, const QColor &face);
void paintLetter(QPainter &painter, const QString &letter, const QColor &colour);
void paintSmallLetter(QPainter &painter, const QString &letter, const QColor &colour);
QColor letterColour(int index);
QColor letterCardFace(); // the pale face the letters stand on

// A clothes peg clipping a card (or nothing) to the line at lineTop, centred on centreX.
// It reaches 5 pixels above the line and 6 below it.
void paintPeg(QPainter &painter, qreal centreX, qreal lineTop);

} // namespace art
