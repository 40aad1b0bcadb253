// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the words: a table of things, each with its picture (colour emoji) and its
// words in the four languages (resources/words/pictures.txt, built into the program). A word is
// looked up in a language without regard to case, so a family's own list gets the pictures of
// the words the table knows. The build makes the themed word lists from the same table, so a
// word and its picture cannot drift apart.
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <array>

namespace pictures {

constexpr int Languages = 4; // German, English, Swedish, Italian, in the order of the offsets

struct Row {
    QString picture;                          // empty for a thing without a picture ("-")
    std::array<QStringList, Languages> words; // by language index (offset / 1000)
    QString theme;                            // the row's, empty for none
    // For each word, the themed lists it is in: the row's theme, the themes written after the
    // word ("bucket@home@school"), or none for a word in brackets ("(bunny)").
    std::array<QList<QStringList>, Languages> themes;
    int line = 0; // in the table's text, for messages
};

struct Table {
    QVector<Row> rows;
    QStringList problems; // lines that could not be read, each with its number
};

// Reads a table's text: comment lines start with "#"; a row has six cells separated by "|":
// the picture, the words in the four languages (separated by ","), and the theme; "-" stands
// for none.
Table parse(const QString& text);

// The words of the themed list `theme` in the language `language` (0 to 3), in the order of
// the table and, within a row, of its cell.
QStringList themeWords(const Table& table, const QString& theme, int language);

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
