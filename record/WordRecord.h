// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One word as it was played, from the draw to its end, as the record keeps it.
#include <QChar>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace record {

// Stored as numbers; the values never change meaning.
enum class Outcome { Solved = 0, Lost = 1, LeftBehind = 2 };

struct LetterTry {
    QChar letter;
    bool hit = false;
    QString player;
    bool operator==(const LetterTry&) const = default;
};

struct WordRecord {
    QString key;            // unique per word played: a word written twice is kept once
    QDateTime endedAt;      // local time
    int language = 0;       // 0 German, 1 English, 2 Swedish, 3 Italian
    QString listFile;       // the word list's file name
    QString word;
    Outcome outcome = Outcome::LeftBehind;
    int misses = 0;
    int hints = 0;
    int seconds = 0;
    QString solver;         // empty unless solved
    QStringList players;    // everyone in the game, in turn order
    QList<LetterTry> letters;
};

} // namespace record
