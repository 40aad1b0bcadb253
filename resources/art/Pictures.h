// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IndexedImage.h"

#include <QColor>
#include <QImage>
#include <QString>

// Every picture of the game, each drawn by code in its own file.
namespace art {

constexpr int kStageCount = 10;
constexpr int kMotifCount = 4;
constexpr int kStageSize = 160;
constexpr int kLetterCount = 30;

// Ground of the letter strip, also the corners of the letter cards that hang on it: palette index 0.
inline const QColor kStripGround(0x1c, 0x2a, 0x62);
// Ground of the score tokens, a light window grey: palette index 0, so it can be keyed out.
inline const QColor kTokenGround(0xef, 0xef, 0xef);

// Each picture is drawn in its own units (the sizes below); `scale` draws it that many times
// larger, pixel for pixel, so a picture shown large or on a dense screen is never blown up.
// At scale 1 the result is the picture the game ships.

// Stage pictures of the four motifs: stage 0 is the intact picture, stage 9 the lost word.
QImage drawAppleTree(int stage, qreal scale = 1);
QImage drawWuppleStage(int stage, qreal scale = 1);
QImage drawShip(int stage, qreal scale = 1);
QImage drawBirdCage(int stage, qreal scale = 1);
QImage drawStage(int motif, int stage, qreal scale = 1);

QImage drawLetterStrip(qreal scale = 1);           // 600 x 120
QImage drawLetterCard(int index, qreal scale = 1);   // 25 x 30, index 0..29 = A..Z, Ä, Ö, Ü, Å
// The same card with the small letter (a..z, ä ö ü å), in the font for beginning readers (Andika).
QImage drawSmallLetterCard(int index, qreal scale = 1);
QImage drawEmptyTile(qreal scale = 1);             // 25 x 30
QImage drawToken(int motif, qreal scale = 1);        // 26 x 27
IndexedImage drawSpinner(int state); // 20 x 20, drawn pixel by pixel
// The spinner at a whole-number scale: every pixel of the design becomes a square of pixels.
QImage drawSpinner(int state, int scale);

QImage drawStartButton(qreal scale = 1); // 32 x 32 with alpha
QImage drawEndButton(qreal scale = 1);
QImage drawHintButton(qreal scale = 1);
QImage drawSpeakButton(qreal scale = 1); // a loudspeaker: say the word again

// The star beside the name of the player whose turn it is, and the stroke across a letter card
// that cannot be taken while the board waits for the next word.
constexpr int kTurnMarkSize = 16;
inline const QColor kTurnMarkGold(0xff, 0xd7, 0x00);
QImage drawTurnMark(qreal scale = 1);        // 16 x 16 with alpha
constexpr int kCardStrokeWidth = 25, kCardStrokeHeight = 30;
QImage drawCardStroke(qreal scale = 1);      // 25 x 30 with alpha, laid over a card

QImage drawSplash();          // 320 x 200
QImage drawIcon(int size);    // square with alpha
// The sizes a desktop's icon theme looks for, and where each lies in the theme's folder tree.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
QString iconFileName(int size);
QByteArray drawIconSvg();     // the same icon as a scalable drawing

} // namespace art
