// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The letters of the game: the thirty letter pictures, and which of them each language plays, in
// the order its cards hang on the washing line.
#include <QString>
#include <QtGlobal>

namespace letters {

// The letter pictures, in the order they are numbered: 0..25 A..Z, 26 Ä, 27 Ö, 28 Ü, 29 Å.
constexpr int Count = 30;
QChar of(int index);     // the letter of picture `index`, or a null character
int indexOf(QChar letter); // the picture of an upper-case letter, or -1

// A language's cards in the order they hang: A..Z, then Ä Ö Ü for German and Å Ä Ö for Swedish
// (the order of the Swedish alphabet); English and Italian play A..Z. The catalogue's value 210
// of the language gives the last picture it uses; Swedish has no Ü.
QString ofLanguage(qint16 languageOffset);
// The cards of the language in play.
QString current();

// Where the card of picture `picture` hangs in a language, as the picture whose place on the line
// it takes: the k-th card takes the place of the k-th picture the language uses, so the Swedish
// Å, Ä, Ö hang where the pictures Ä, Ö, Å hang for themselves. A picture the language does not
// use keeps its own place.
int placeOf(int picture, qint16 languageOffset);

} // namespace letters
