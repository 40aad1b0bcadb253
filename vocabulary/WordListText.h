// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a word list, without any file: items end at a comma or a line end, blanks in
// front of an item are skipped, and a quoted item runs to the next quote. Only items that pass
// the word rule become words.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace vocabulary {

// The most words a list can hold (its index is a 16-bit number).
constexpr int MaxWords = 32767;

// At least 4 characters without the blanks around it, at most 20 as read, and no "ß" (the
// letter buttons have none).
bool passesWordRule(const QString& item);

// The items of a file's text, in order.
QStringList splitItems(const QString& text);

struct WordsFromText {
    QStringList words;      // in file order
    bool truncated = false; // more than MaxWords words; the first MaxWords are kept
    // What the file holds besides the words, in file order: items the word rule refuses (too
    // short, too long, with "ß") and the words past MaxWords. The game never plays them, but
    // the editor writes them back, so a save does not drop what the family put in the file.
    QStringList unplayable;
};

// The words of a file's Windows-1252 bytes.
WordsFromText wordsFromBytes(const QByteArray& bytes);

// One line of the file that reads back as exactly `entry`: quoted when a comma or blanks at
// either end would otherwise change it. Nothing when no line can (a quote where quotes are
// needed, a line break, a character Windows-1252 lacks).
std::optional<QByteArray> encodeEntry(const QString& entry);

// The first entry of `entries` that no line reads back as, if any.
std::optional<QString> unstorableEntry(const QStringList& entries);

// The whole file for `entries`, one per line with CR LF; nothing when an entry is unstorable.
std::optional<QByteArray> encodeWordList(const QStringList& entries);

} // namespace vocabulary
