// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vocabulary file: Windows-1252 text, one word per line, lines ended by CR LF, read by the
// item rule of WordListText.h.
#include "common/RuntimeError.h"
#include "vocabulary/WordListText.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

namespace vocabulary {

// The largest word list that is read: room for MaxWords words of 20 letters with their line
// ends and some blanks. A larger file is refused unread.
constexpr qint64 MaxFileBytes = 1024 * 1024;

struct ReadResult {
    QStringList words;                 // the words read before any error, in file order
    std::optional<RuntimeError> error; // what ended the read early, if anything
    bool truncated = false;            // more than MaxWords words; the first MaxWords are kept
    bool tooLarge = false;             // larger than MaxFileBytes, so not read at all
    QStringList unplayable;            // entries the game cannot play, see WordsFromText
    QString path;

    // The file is there but was not read (too large, no ordinary file, unreadable): nobody has
    // seen its words, so nothing may replace it.
    bool refused() const;
};

ReadResult read(const QString& path);

// Why a refused file (ReadResult::refused) is left alone, naming it; empty when it was not refused.
QString refusalText(const ReadResult& result);

// What the players are told after a read, in the current language: the missing file by name,
// any other error by its description with the path, and a list cut at the limit or refused for
// its size. Empty when all went well.
QStringList readProblems(const ReadResult& result);

// Writes all words, in order, all or nothing: on failure the old file stays as it was and a
// RuntimeError with the path and the reason is thrown (61 for a full disk). Refused the same
// way: a list with an entry that could not be read back as it is (see unstorableEntry), a list
// too large for the reader, and a file in place that the reader refuses for its size or kind.
void write(const QString& path, const QStringList& words);

// A file name from the settings may only name a file inside the language folder.
bool isBareFileName(const QString& name);

// The full path of the current language's vocabulary file; an empty or unsafe `WortDatei` is
// replaced by the language's default name first.
QString currentPath();
// The file name of the list in play, the language's default for an empty or unsafe `WortDatei`,
// without changing `WortDatei`: a setting left empty follows the language's default.
QString currentFileName();
// The full path of the word list `fileName` (a bare name) of the current language.
QString pathOf(const QString& fileName);

// Removes temporary files of saves that a crash or kill cut short, in every language folder.
void removeWordListLeftoversEverywhere();

} // namespace vocabulary
