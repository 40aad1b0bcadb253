// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (standard buttons, the file dialog, key names such as "Strg") in the game's
// language, from the translations installed with Qt.
#include <QString>
#include <QtGlobal>

// Installs Qt's translation for the language offset (0, 1000, 2000, 3000) in place of the one
// installed before; English needs none. Returns false when the translation is not installed,
// and Qt then speaks English.
bool applyQtTranslations(qint16 languageOffset);

// Where the translations are looked for; a test can point it elsewhere (empty: Qt's own folder).
void setQtTranslationsFolder(const QString& folder);
