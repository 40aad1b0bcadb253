// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/ListTitles.h"
#include "i18n/Catalogue.h"
#include "i18n/LanguageTable.h"

#include <QStringList>

namespace {
enum class Title { BasicWords };
constexpr LanguageRow<Title> rows[] = {
    {Title::BasicWords, {u"Grundwortschatz", u"Basic words", u"Grundord", u"Parole di base"}},
};
} // namespace

QString wordListTitle(const QString& fileName)
{
    if (fileName.compare(LoadText(146), Qt::CaseInsensitive) == 0)
        return textInCurrentLanguage(rows, Title::BasicWords);
    QString title = fileName;
    if (title.endsWith(QStringLiteral(".dat"), Qt::CaseInsensitive))
        title.chop(4);
    // Theme files are named in lower case with hyphens ("natur-und-wetter").
    if (title.contains(u'-') && !title.contains(u' ')) {
        QStringList words = title.split(u'-', Qt::SkipEmptyParts);
        // German writes its nouns with a capital; the joining words stay small.
        const bool german = validLanguageOffset(g().SprachOffset) == Lang::German;
        static const QStringList joining{QStringLiteral("und"), QStringLiteral("oder"), QStringLiteral("im"),
                                         QStringLiteral("in"), QStringLiteral("am"), QStringLiteral("zu")};
        for (qsizetype i = 0; i < words.size(); ++i)
            if (i == 0 || (german && !joining.contains(words[i])))
                words[i][0] = words[i][0].toUpper();
        return words.join(u' ');
    }
    if (!title.isEmpty())
        title[0] = title[0].toUpper();
    return title;
}
