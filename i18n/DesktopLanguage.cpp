// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/DesktopLanguage.h"
#include "i18n/Catalogue.h"

#include <QStringList>

#include <optional>

namespace {
// "sv_SE.UTF-8", "it_IT@euro", "en" -> the language's offset; nothing for any other language.
std::optional<qint16> offsetOfLocale(const QString& locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale.at(end).isLetter())
        ++end;
    const QString language = locale.left(end).toLower();
    if (language == u"de")
        return Lang::German;
    if (language == u"en")
        return Lang::English;
    if (language == u"sv")
        return Lang::Swedish;
    if (language == u"it")
        return Lang::Italian;
    return std::nullopt;
}

bool isPlainCLocale(const QString& locale)
{
    const QString base = locale.section(QLatin1Char('.'), 0, 0);
    return base == u"C" || base == u"POSIX";
}
} // namespace

qint16 desktopLanguageOffset(const EnvironmentLookup& lookup)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = lookup(name).trimmed();
        if (!locale.isEmpty())
            break;
    }
    // Without any locale the program runs in the "C" locale, as it does with LANG=C.
    if (locale.isEmpty() || isPlainCLocale(locale))
        return Lang::German;
    const QString preferences = lookup("LANGUAGE").trimmed();
    if (!preferences.isEmpty()) {
        // The first preference the game speaks; like gettext, the list replaces the locale.
        for (const QString& entry : preferences.split(QLatin1Char(':'), Qt::SkipEmptyParts))
            if (const auto offset = offsetOfLocale(entry))
                return *offset;
        return Lang::German;
    }
    return offsetOfLocale(locale).value_or(Lang::German);
}

qint16 desktopLanguageOffset()
{
    return desktopLanguageOffset([](const char* name) { return qEnvironmentVariable(name); });
}
