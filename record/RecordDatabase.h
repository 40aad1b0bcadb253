// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the record file, and writing and removing words in it. Used on one thread per
// connection: the store's writing thread, or the thread that reads the figures.
#include "record/WordRecord.h"

#include <QString>

class QSqlDatabase;

namespace record {

// The record's file in the game's folder.
QString recordPath();

// A connection of its own to the file at `path`, named `name`. `readOnly` never creates the file
// and never changes it. Returns why it failed, or an empty string; on failure the connection
// is removed again. A folder, a FIFO or a device at the path is never opened: opening a FIFO
// would wait for a writer.
QString openDatabase(const QString& path, const QString& name, bool readOnly);
void closeDatabase(const QString& name);

// Opens for writing: WAL journal, schema brought up to date, and the write lock taken once, so a
// file that is read-only or held by another running copy is known before any word is kept.
QString openForWriting(const QString& path, const QString& name);

// Keeps one word, its players and its letters in one transaction. A word whose key is stored
// already is not stored again. Returns why it failed, or an empty string.
QString writeWord(QSqlDatabase& db, const WordRecord& word);

// Removes every word one player took part in (`name`), or all words (`name` empty).
QString removeWords(QSqlDatabase& db, const QString& name);

} // namespace record
