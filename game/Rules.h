#pragma once
// The small rules of play that need no window.
#include <QString>
#include <QtGlobal>
#include <functional>

namespace rules {

constexpr int WinningScore = 8;
constexpr int LosingStage = 9;
constexpr int LetterCount = 30; // A..Z, Ä, Ö, Ü, Å
constexpr int SwedishSkippedLetter = 28; // Swedish has no Ü; Å stands in its place

// The letter on button i: 0..25 A..Z, 26 Ä, 27 Ö, 28 Ü, 29 Å.
QChar letterOf(int index);

// The button index of a letter, or -1.
int indexOf(QChar letter);

// The letters a language plays, in button order: buttons 0..lastLetter, without Ü in Swedish.
QString languageLetters(int lastLetter, bool swedish);

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
