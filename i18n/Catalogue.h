// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every language-dependent text of the game, fetched at the moment of use: a text's id is its
// base id plus the language offset, so a text fetched after a language change is in the new
// language.
#include <QString>
#include <QtGlobal>

namespace Lang {
constexpr qint16 German = 0;
constexpr qint16 English = 1000;
constexpr qint16 Swedish = 2000;
constexpr qint16 Italian = 3000;
} // namespace Lang

// The text with the full id (base id + offset). A missing id is run-time error 326.
QString catalogueText(int id);
bool hasCatalogueText(int id);

// The text of `baseId` in the current language (g().SprachOffset).
QString LoadText(int baseId);

// A stored language offset other than 0, 1000, 2000 or 3000 counts as German, so a hand-edited
// settings file never leaves the window without captions.
qint16 validLanguageOffset(int storedOffset);
