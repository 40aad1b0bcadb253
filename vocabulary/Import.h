// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Bringing words in from outside: plain text, CSV and KVTML vocabulary files. Reading turns a
// file into entries; judging keeps the entries that the current language can play and says
// why each of the others was left out. Nothing here touches a window or a list of the game.
#include <QList>
#include <QString>
#include <QStringList>

namespace vocabulary::import {

// A word list bigger than this is no list a child plays: refused unread.
constexpr qint64 MaxBytes = 4 * 1024 * 1024;

enum class Refusal { None, Unreadable, TooLarge, NotText, BrokenXml };

struct Entries {
    QStringList entries;             // in file order, blanks around them removed, none empty
    Refusal refusal = Refusal::None; // when set, `entries` is empty
    QString detail;                  // the system's reason, or the line of a broken XML file
};

// Text is UTF-8 (with or without a byte-order mark), UTF-16 with a byte-order mark, or else
// Windows-1252. Empty when the bytes are not text (`isText` false).
QString decodeText(const QByteArray& bytes, bool* isText);

// One or more entries a line, separated by blanks, tabs, commas or semicolons.
QStringList textEntries(const QString& text);
// The first column of each row; columns end at a comma, semicolon or tab outside quotes.
QStringList csvEntries(const QString& text);
// The entries' texts in the identifier whose locale matches `locale` ("de", "de_CH" and "de-AT"
// all match "de"), else in the first identifier.
Entries kvtmlEntries(const QString& xml, const QString& locale);

// The format follows the content: XML is read as KVTML, a ".csv" name as CSV, the rest as text.
Entries entriesOf(const QByteArray& bytes, const QString& fileName, const QString& locale);
Entries readEntries(const QString& path, const QString& locale);

enum class Skip { SeveralWords, Eszett, NotLetters, NoCard, TooShort, TooLong, Duplicate, ListFull };

struct Skipped {
    QString entry;
    Skip reason;
    QChar letter; // the letter without a card, for NoCard
};

struct Outcome {
    QStringList added; // as written in the file, in file order
    QList<Skipped> skipped;
};

// Keeps the entries that pass the word rule, hold only letters that `cards` (upper case) has
// cards for, and are not yet in `existing` or earlier in the file (case does not count).
Outcome judge(const QStringList& entries, const QStringList& existing, const QString& cards);

// The letter cards of a language, upper case: A-Z, and Ä Ö Ü for German, Ä Ö Å for Swedish.
QString cardLetters(qint16 languageOffset);
// The locale of a language as vocabulary files name it: "de", "en", "sv", "it".
QString localeOf(qint16 languageOffset);

// An entry or a name as a message quotes it: on one line, and cut to about MessageChars
// characters with an ellipsis, so that one huge line in a file cannot swell a message box.
constexpr int MessageChars = 40;
constexpr int ListedSkips = 20;
QString forMessage(const QString& text);

// The messages, in the current language: what was added and what was skipped and why; why a
// file was refused. The report lists at most ListedSkips entries and counts the rest.
QString report(const QString& fileName, const Outcome& outcome);
QString refusalText(const QString& fileName, const Entries& entries);

// The file name of a new list from what the user typed: a bare name, ".dat" added when
// missing. Empty when the name cannot be used (a folder, a hidden file, a character the
// settings file cannot store).
QString newListName(const QString& typed);

} // namespace vocabulary::import
