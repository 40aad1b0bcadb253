// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/QtTranslations.h"
#include "i18n/Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {
// Qt's Swedish translation is the older complete one, which predates the standard buttons'
// present home: those few are given here.
class SwedishButtons final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        if (qstrcmp(context, "QPlatformTheme") != 0)
            return {};
        static const struct {
            const char* english;
            const char16_t* swedish;
        } buttons[] = {
            {"OK", u"OK"},          {"Save", u"Spara"},           {"Save All", u"Spara alla"},
            {"Open", u"Öppna"},     {"&Yes", u"&Ja"},             {"Yes to &All", u"Ja till &alla"},
            {"&No", u"&Nej"},       {"N&o to All", u"N&ej till alla"}, {"Abort", u"Avbryt"},
            {"Retry", u"Försök igen"}, {"Ignore", u"Ignorera"},   {"Close", u"Stäng"},
            {"Cancel", u"Avbryt"},  {"Discard", u"Förkasta"},     {"Help", u"Hjälp"},
            {"Apply", u"Verkställ"}, {"Reset", u"Återställ"},     {"Restore Defaults", u"Återställ standardvärden"},
        };
        for (const auto& button : buttons)
            if (qstrcmp(source, button.english) == 0)
                return QString::fromUtf16(button.swedish);
        return {};
    }
};

struct Installed {
    std::unique_ptr<QTranslator> translator;
    std::unique_ptr<QTranslator> supplement;
    qint16 offset = Lang::English; // Qt's texts are English without a translation
    QString folder;
};

Installed& installed()
{
    static Installed state;
    return state;
}

const char* localeName(qint16 offset)
{
    switch (offset) {
    case Lang::German:
        return "de";
    case Lang::Swedish:
        return "sv";
    case Lang::Italian:
        return "it";
    default:
        return nullptr;
    }
}
} // namespace

void setQtTranslationsFolder(const QString& folder) { installed().folder = folder; }

bool applyQtTranslations(qint16 languageOffset)
{
    Installed& state = installed();
    if (state.offset == languageOffset && (state.translator || languageOffset == Lang::English))
        return true;
    for (auto* installedOne : {&state.supplement, &state.translator})
        if (*installedOne) {
            QCoreApplication::removeTranslator(installedOne->get());
            installedOne->reset();
        }
    state.offset = languageOffset;
    const char* name = localeName(languageOffset);
    if (!name)
        return true;
    const QString folder =
        state.folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : state.folder;
    // "qt_xx" names Qt's modules for most languages and holds the older complete translation
    // for the others (Swedish).
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qt_") + QLatin1String(name), folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    state.translator = std::move(translator);
    if (languageOffset == Lang::Swedish) {
        // Installed last, so asked first; it answers for the buttons only.
        state.supplement = std::make_unique<SwedishButtons>();
        QCoreApplication::installTranslator(state.supplement.get());
    }
    return true;
}
