// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a word list is named where a parent chooses it: by a title, not by its file name.
#include <QString>

// The title of the word list `fileName` of the current language's folder: the language's own
// list is its basic words; any other list is its file name without ".dat" and with a capital
// first letter. Hyphens of theme names ("natur-und-wetter") read as blanks, and in German the
// nouns among them get their capitals back.
QString wordListTitle(const QString& fileName);
