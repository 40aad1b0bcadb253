// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Letters.h"
#include "common/Allgemein.h"
#include "common/RuntimeError.h"
#include "i18n/Catalogue.h"

#include <algorithm>

namespace letters {

namespace {
constexpr char16_t Pictures[] = u"ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜÅ";
constexpr int NoUmlautU = 28; // Swedish has no Ü; its Å hangs where the German Ü does

// The pictures a language uses, in the order they are numbered.
QString inPictureOrder(qint16 languageOffset)
{
    const qint16 language = validLanguageOffset(languageOffset);
    const int last = toInt16(qRound64(catalogueText(210 + language).trimmed().toDouble()));
    QString used;
    for (int i = 0; i <= std::min(last, Count - 1); ++i)
        if (!(language == Lang::Swedish && i == NoUmlautU))
            used += of(i);
    return used;
}
} // namespace

QChar of(int index) { return (index >= 0 && index < Count) ? QChar(Pictures[index]) : QChar(); }

int indexOf(QChar letter)
{
    for (int i = 0; i < Count; ++i)
        if (Pictures[i] == letter.unicode())
            return i;
    return -1;
}

QString ofLanguage(qint16 languageOffset)
{
    QString cards = inPictureOrder(languageOffset);
    if (validLanguageOffset(languageOffset) == Lang::Swedish && cards.endsWith(QStringLiteral("ÄÖÅ")))
        cards.replace(cards.size() - 3, 3, QStringLiteral("ÅÄÖ"));
    return cards;
}

QString current() { return ofLanguage(g().SprachOffset); }

int placeOf(int picture, qint16 languageOffset)
{
    const qsizetype card = ofLanguage(languageOffset).indexOf(of(picture));
    return card >= 0 ? indexOf(inPictureOrder(languageOffset)[card]) : picture;
}

} // namespace letters
