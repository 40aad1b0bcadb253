// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files whose names come from outside (the settings, a word list, the music, the help) are
// opened only when they are regular files of a sane size: a FIFO would block the open forever,
// a device or a huge file would eat all memory, a folder reads as nothing.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QtGlobal>

enum class FileCheck { Ok, Missing, NotRegular, TooLarge, Unreadable };

struct FileRead {
    FileCheck check = FileCheck::Missing;
    QByteArray bytes;
};

// What `path` is, without opening it.
FileCheck checkRegularFile(const QString& path, qint64 maxBytes);

// The whole file when it is a regular file of at most `maxBytes`; the check is repeated on the
// open handle, so a file swapped for a FIFO in between is still never read.
FileRead readRegularFile(const QString& path, qint64 maxBytes);

// Writes all of `bytes`. A write the disk cuts short is tried again for the rest, so that a full
// disk is reported as such (error() is ResourceError) rather than as an unknown error.
bool writeWhole(QIODevice& file, const QByteArray& bytes);

// How a save went: `reason` is the system's word for a failure, `diskFull` tells a full disk.
struct SaveResult {
    bool ok = false;
    bool diskFull = false;
    QString reason;
};

// Our saves are all or nothing: the bytes go to a temporary file beside the target, named
// "<name>.wupple-save-XXXXXX" (six letters or digits), are flushed to the disk and renamed over
// the target. On failure the old file stays as it was and the temporary file is removed. A
// symbolic link (see settleSymbolicLink) is written through; a file the user made read-only is
// refused.
inline constexpr char SaveMarker[] = ".wupple-save-";
SaveResult saveWhole(const QString& path, const QByteArray& bytes);

// A save cut short by a crash or a kill leaves its temporary file behind; these are removed at
// the next start. Only names with our marker are ever removed: "Wupple.ini.backup" or
// "tiere.dat.Kopie1" are the user's.
bool isLeftoverOf(const QString& fileName, const QString& targetName);
void removeLeftovers(const QString& folder, const QString& targetName);
// Leftovers of any word list ("*.dat") in `folder`.
void removeWordListLeftovers(const QString& folder);

// Whether `path`, with every symbolic link resolved, names something inside `folder` (not the
// folder itself).
bool isInsideFolder(const QString& path, const QString& folder);

// Writing through a symbolic link is allowed only when it points to a regular file inside
// `ownFolder`; any other link is removed, so the save puts a plain file in its place and never
// rewrites a file elsewhere.
void settleSymbolicLink(const QString& path, const QString& ownFolder);
