// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small rules of play that need no window.
#include "common/Allgemein.h"
#include "i18n/Letters.h"

#include <QString>
#include <QtGlobal>
#include <functional>

namespace rules {

constexpr int MaxPlayers = ::MaxPlayers;
constexpr int WinningScore = 8;  // the points that win a game, one token each
constexpr int LosingStage = 9;   // the picture complete: the word is lost
constexpr int Stages = LosingStage + 1;
constexpr int LetterCount = letters::Count;

// The letter on picture i (0..25 A..Z, 26 Ä, 27 Ö, 28 Ü, 29 Å) and the picture of a letter, or -1.
inline QChar letterOf(int index) { return letters::of(index); }
inline int indexOf(QChar letter) { return letters::indexOf(letter); }

// The player after `current` among `players`, wrapping to the first.
qint16 nextPlayer(qint16 current, qint16 players);

// The cheer for a solved word from a random number 0 <= r < 1: ids 108..113 each with
// probability 1/7, 106 and 107 each with 1/14.
int cheerSound(double r);

// Shortens a name that does not fit its label to its longest beginning that fits with "." after
// it; a name of fewer than 10 characters is never cut and none is cut below 9. Measures a few
// dozen times at most, however long the name.
QString shortenName(QString name, const std::function<bool(const QString&)>& tooWide);

// The pool index a random number 0 <= r < 1 picks.
int drawIndex(double r, qsizetype poolSize);

// Upper case as the game compares letters (umlauts included).
QString upper(const QString& word);

} // namespace rules
