// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/QtTranslations.h"
#include "i18n/Catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {
// Qt's Swedish translation is the older complete one, which predates the present home of the
// standard buttons and of the file dialog's type names: those few are given here.
class SwedishSupplement final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        static const struct {
            const char* context;
            const char* english;
            const char16_t* swedish;
        } texts[] = {
            {"QPlatformTheme", "OK", u"OK"},
            {"QPlatformTheme", "Save", u"Spara"},
            {"QPlatformTheme", "Save All", u"Spara alla"},
            {"QPlatformTheme", "Open", u"Öppna"},
            {"QPlatformTheme", "&Yes", u"&Ja"},
            {"QPlatformTheme", "Yes to &All", u"Ja till &alla"},
            {"QPlatformTheme", "&No", u"&Nej"},
            {"QPlatformTheme", "N&o to All", u"N&ej till alla"},
            {"QPlatformTheme", "Abort", u"Avbryt"},
            {"QPlatformTheme", "Retry", u"Försök igen"},
            {"QPlatformTheme", "Ignore", u"Ignorera"},
            {"QPlatformTheme", "Close", u"Stäng"},
            {"QPlatformTheme", "Cancel", u"Avbryt"},
            {"QPlatformTheme", "Discard", u"Förkasta"},
            {"QPlatformTheme", "Help", u"Hjälp"},
            {"QPlatformTheme", "Apply", u"Verkställ"},
            {"QPlatformTheme", "Reset", u"Återställ"},
            {"QPlatformTheme", "Restore Defaults", u"Återställ standardvärden"},
            {"QAbstractFileIconProvider", "Folder", u"Mapp"},
            {"QAbstractFileIconProvider", "Drive", u"Enhet"},
            {"QAbstractFileIconProvider", "File", u"Fil"},
            {"QFileSystemModel", "Computer", u"Dator"},
        };
        for (const auto& text : texts)
            if (qstrcmp(context, text.context) == 0 && qstrcmp(source, text.english) == 0)
                return QString::fromUtf16(text.swedish);
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
        // Installed last, so asked first; it answers for its few texts only.
        state.supplement = std::make_unique<SwedishSupplement>();
        QCoreApplication::installTranslator(state.supplement.get());
    }
    return true;
}
