// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SpokenTexts.h"

namespace spoken {

int languageOf(int sprachOffset)
{
    const int language = sprachOffset / 1000;
    return language >= 0 && language <= 3 && sprachOffset % 1000 == 0 ? language : 0;
}

const char* voiceName(int language)
{
    static const char* const names[4] = {"de", "en", "sv", "it"};
    return names[language >= 0 && language <= 3 ? language : 0];
}

QString letter(QChar letter) { return QString(letter.toUpper()); }

QString word(const QString& word, int language)
{
    // In capitals, a short English or Italian word ("CAT", "RE") may be taken for an abbreviation
    // and spelt out letter by letter.
    QString text = word.toLower();
    if (language == 0 && !text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace spoken
