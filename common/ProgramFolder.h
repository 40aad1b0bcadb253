// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <functional>

// The folder the game treats as its own: it holds Wupple.ini, the language folders with the word
// lists, the help files and the music.
//
// It is the executable's folder when that folder is writable (a portable install, the build
// tree). Otherwise, and always for an installed copy (one with ../share/wupple), it is the per-user
// data folder (~/.local/share/Wupple), which on first use is seeded with copies of the shipped
// files found in ../share/wupple or beside the executable.
QString programFolder();

// Tests and tools point the game at a folder of their own.
void setProgramFolder(const QString& folder);

// Decides the folder from the executable's folder; `shipped` is where the read-only files lie.
QString chooseProgramFolder(const QString& executableFolder, const QString& userDataFolder);
// The same, with the test for a writable folder given (tests run where everything is writable).
QString chooseProgramFolder(const QString& executableFolder, const QString& userDataFolder,
                            const std::function<bool(const QString&)>& isWritable);

// Copies the shipped files that the user folder lacks; never overwrites anything.
void seedUserFolder(const QString& shippedFolder, const QString& userFolder);
