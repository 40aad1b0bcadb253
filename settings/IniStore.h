// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file Wupple.ini in the program's folder. The file is parsed once and parsed again
// only when it changed on disk (another copy of the game, an editor), so every read still sees
// the file as it is; every write goes to the file at once.
#include <QList>
#include <QString>
#include <QtGlobal>
#include <utility>

QString iniFilePath();

// The largest settings file that is read; a larger one is refused with a message.
constexpr qint64 MaxIniBytes = 4 * 1024 * 1024;

// The whole number at the start of the entry, or `defaultValue` when the file, section or key
// is missing. A number outside 16 bits is error 6 with the result 0; the report names the file
// and every key out of range at once, so the other such keys give 0 without another report.
qint16 GetIniInt(const QString& section, const QString& key, int defaultValue);

// The entry's text (blanks around it and enclosing quotes removed, at most 254 characters), or
// `defaultValue` when it is missing.
QString GetIniString(const QString& section, const QString& key, const QString& defaultValue);

// Creates or replaces one entry; the file is replaced all at once, never left half-written.
// When the file cannot be read or written the user is told once per run, in their language.
// A file that is not a regular file, or too large, is never replaced; nor is a file that the
// write would take past MaxIniBytes. Wupple.ini as a symbolic
// link is written through only when it points to a regular file inside the program's folder;
// otherwise the link is replaced by a file of its own.
void SaveIni(const QString& section, const QString& key, const QString& value);

// Creates or replaces several entries of one section, in this order, with one replacement of
// the file: either all of them are stored or, when the file cannot be written, none.
void saveIniEntries(const QString& section, const QList<std::pair<QString, QString>>& entries);

// Removes temporary files of saves that a crash or kill cut short; run at start-up.
void removeIniLeftovers();

// For tests: forget that a problem with the file was already reported.
void resetIniWriteWarning();
