// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the words: a table of things, each with its picture (colour emoji) and its
// words in the four languages (resources/words/pictures.txt, built into the program). A word is
// looked up in a language without regard to case, so a family's own list gets the pictures of
// the words the table knows.
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <array>

namespace pictures {

constexpr int Languages = 4; // German, English, Swedish, Italian, in the order of the offsets

struct Row {
    QString picture;
    std::array<QStringList, Languages> words; // by language index (offset / 1000)
    int line = 0;                             // in the table's text, for messages
};

struct Table {
    QVector<Row> rows;
    QStringList problems; // lines that could not be read, each with its number
};

// Reads a table's text: comment lines start with "#", cells are separated by "|", words in a
// cell by ",", and "-" stands for none.
Table parse(const QString& text);

// The table built into the program, read once on first use.
const Table& table();

// The picture of `word` in the language of `languageOffset` (0, 1000, 2000, 3000), or an empty
// string when the table has none for it.
QString of(const QString& word, qint16 languageOffset);
// ... in the language in play.
QString ofCurrent(const QString& word);

// How many of `words` have a picture in the language.
qsizetype countPictured(const QStringList& words, qint16 languageOffset);

} // namespace pictures
