// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's language, for a start without a stored language: the game speaks the desktop's
// language when it is one of its four, and German otherwise.
#include <QString>
#include <QtGlobal>

#include <functional>

// Reads an environment variable; empty when it is not set.
using EnvironmentLookup = std::function<QString(const char* name)>;

// The language offset (0, 1000, 2000 or 3000) the locale variables ask for, looked up the way
// gettext does: LC_ALL, then LC_MESSAGES, then LANG name the locale; unless that is the "C" or
// "POSIX" locale, LANGUAGE (a colon-separated list of preferences) comes first.
qint16 desktopLanguageOffset(const EnvironmentLookup& lookup);

// The same for the environment of this process.
qint16 desktopLanguageOffset();
