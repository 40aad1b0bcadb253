// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help page of each language, the names it gives the menus and dialogs, and what the player
// hears when the web page or the e-mail address cannot be opened.
#include "GameSession.h"
#include "about/HelpViewers.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>

namespace {
// The page as a reader sees it: its text with every run of blanks and line breaks as one blank.
QString readablePage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QTextDocument page;
    page.setHtml(QString::fromUtf8(file.readAll()));
    return page.toPlainText().replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}
} // namespace

class HelpAndWebTest : public QObject {
    Q_OBJECT
private slots:
    void eachLanguageHasItsPage_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("page");
        QTest::newRow("German") << 0 << "wuppel32.html";
        QTest::newRow("English") << 1000 << "wupple32.html";
        QTest::newRow("Swedish") << 2000 << "wupple32_sv.html";
        QTest::newRow("Italian") << 3000 << "wupple32_it.html";
    }
    void eachLanguageHasItsPage()
    {
        QFETCH(int, offset);
        QFETCH(QString, page);
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= %1\n").arg(offset));
        s.window->menu().mnuHilfe->trigger();
        QCOMPARE(QFileInfo(s.env.help.shown.value(0)).fileName(), page);
        // WUPPLE_SHOTS=folder keeps a picture of the page as the help window shows it.
        const QString shots = qEnvironmentVariable("WUPPLE_SHOTS");
        if (!shots.isEmpty()) {
            HelpWindow viewer;
            viewer.showHelp(s.env.help.shown.value(0));
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("help") && w->isVisible())
                    w->grab().save(QDir(shots).filePath(QStringLiteral("help-%1.png").arg(QFileInfo(page).baseName())));
        }
    }

    void englishPageWhenTheLanguagesOwnIsMissing()
    {
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= 2000\n"));
        QVERIFY(QFile::remove(s.env.path(QStringLiteral("wupple32_sv.html"))));
        s.window->menu().mnuHilfe->trigger();
        QCOMPARE(QFileInfo(s.env.help.shown.value(0)).fileName(), QStringLiteral("wupple32.html"));
    }

    void pagesNameTheMenusAndButtonsAsTheyAreShown_data()
    {
        QTest::addColumn<int>("offset");
        QTest::newRow("German") << 0;
        QTest::newRow("English") << 1000;
        QTest::newRow("Swedish") << 2000;
        QTest::newRow("Italian") << 3000;
    }
    void pagesNameTheMenusAndButtonsAsTheyAreShown()
    {
        QFETCH(int, offset);
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= %1\n").arg(offset));
        s.window->menu().mnuHilfe->trigger();
        const QString page = readablePage(s.env.help.shown.value(0));
        QVERIFY(!page.isEmpty());
        // Menus, the settings dialog, the editor's buttons, the picture motifs.
        const int shown[] = {130, 167, 132, 131, 118, 133, 139, 103, 171, 134, 136, 135, 137, 111, 110, 109,
                             108, 104, 105, 102, 107, 106, 113, 157, 153, 154, 155, 156, 201, 202, 203, 204};
        QStringList missing;
        for (int id : shown) {
            const QString caption = LoadText(id).remove(u'&');
            if (!page.contains(caption))
                missing << caption;
        }
        const QString fitBoard = extraText(Extra::FitBoard);
        if (!page.contains(fitBoard))
            missing << fitBoard;
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
    }

    void homepageAndMailSayWhenNothingOpensThem()
    {
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= 2000\n"));
        s.env.browser.opens = false;
        s.window->menu().mnuHomepage->trigger();
        s.window->menu().mnuEMail->trigger();
        QCOMPARE(s.env.browser.opened.size(), 2);
        const QStringList texts = s.env.dialogs.texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[0].startsWith(QStringLiteral("Ingen webbläsare")) && texts[0].endsWith(s.env.browser.opened[0].toString()),
                 qPrintable(texts[0]));
        QVERIFY2(texts[1].startsWith(QStringLiteral("Inget e-postprogram")) && texts[1].endsWith(s.env.browser.opened[1].path()),
                 qPrintable(texts[1]));
        QCOMPARE(s.env.dialogs.shown[0].title, QStringLiteral("Wuppla"));
        // When a program takes the address, nothing is said.
        s.env.browser.opens = true;
        s.window->menu().mnuHomepage->trigger();
        QCOMPARE(s.env.dialogs.shown.size(), 2);
    }
};

QTEST_MAIN(HelpAndWebTest)
#include "tst_help_and_web.moc"
