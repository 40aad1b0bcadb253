// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The first start speaks the desktop's language; a stored language always wins.
#include "GameSession.h"
#include "i18n/DesktopLanguage.h"

#include <QMenu>
#include <QTest>

#include <map>
#include <string>

namespace {
using Environment = std::map<std::string, QString>;

int offsetFor(const Environment& environment)
{
    return desktopLanguageOffset([&](const char* name) {
        const auto found = environment.find(name);
        return found == environment.end() ? QString() : found->second;
    });
}

// Sets the locale variables for one test and puts the test run's own back afterwards.
class DesktopLocale {
public:
    explicit DesktopLocale(const Environment& environment)
    {
        for (const char* name : Names) {
            m_saved[name] = qgetenv(name);
            const auto found = environment.find(name);
            qputenv(name, found == environment.end() ? QByteArray() : found->second.toUtf8());
        }
    }
    ~DesktopLocale()
    {
        for (const char* name : Names)
            qputenv(name, m_saved[name]);
    }

private:
    static constexpr const char* Names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, QByteArray> m_saved;
};
} // namespace

class DesktopLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void localeVariables_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<int>("offset");
        QTest::newRow("Swedish desktop") << "" << "" << "" << "sv_SE.UTF-8" << 2000;
        QTest::newRow("Italian desktop") << "" << "" << "" << "it_IT.UTF-8" << 3000;
        QTest::newRow("English desktop") << "" << "" << "" << "en_GB.UTF-8" << 1000;
        QTest::newRow("German desktop, Austria") << "" << "" << "" << "de_AT@euro" << 0;
        QTest::newRow("C locale") << "" << "" << "" << "C" << 0;
        QTest::newRow("C.UTF-8 ignores LANGUAGE") << "sv" << "" << "" << "C.UTF-8" << 0;
        QTest::newRow("French desktop") << "" << "" << "" << "fr_FR.UTF-8" << 0;
        QTest::newRow("nothing set") << "" << "" << "" << "" << 0;
        QTest::newRow("Swedish Finland") << "" << "" << "" << "sv_FI" << 2000;
        QTest::newRow("LC_ALL before LANG") << "" << "it_IT.UTF-8" << "" << "sv_SE.UTF-8" << 3000;
        QTest::newRow("LC_MESSAGES before LANG") << "" << "" << "en_US.UTF-8" << "sv_SE.UTF-8" << 1000;
        QTest::newRow("LC_ALL before LC_MESSAGES") << "" << "sv_SE.UTF-8" << "en_US.UTF-8" << "" << 2000;
        QTest::newRow("LANGUAGE first") << "it" << "" << "" << "sv_SE.UTF-8" << 3000;
        QTest::newRow("LANGUAGE: first one spoken") << "fr:nl:en_GB:sv" << "" << "" << "fr_FR.UTF-8" << 1000;
        QTest::newRow("LANGUAGE: none spoken") << "fr:nl" << "" << "" << "sv_SE.UTF-8" << 0;
        QTest::newRow("a language that merely begins alike") << "" << "" << "" << "ita_XX" << 0;
    }
    void localeVariables()
    {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(int, offset);
        QCOMPARE(offsetFor({{"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}}),
                 offset);
    }

    void firstStartInTheDesktopsLanguage()
    {
        const DesktopLocale swedish({{"LANG", QStringLiteral("sv_SE.UTF-8")}});
        GameSession s;
        QVERIFY(s.window->windowTitle().startsWith(QStringLiteral("Wuppla  ")));
        QCOMPARE(s.window->menu().mnuSpiel->title(), QStringLiteral("&Spel"));
        QVERIFY(s.window->menu().mnuLang[2]->isChecked());
        QVERIFY(s.window->pool().words().size() >= 400); // the Swedish word list
        // Stored as usual, so the next start no longer asks the desktop.
        QVERIFY(s.env.ini().startsWith("[Optionen]\r\nSprache= 2000\r\n"));
    }

    void storedLanguageWins()
    {
        const DesktopLocale italian({{"LANG", QStringLiteral("it_IT.UTF-8")}});
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= 0\n"));
        QCOMPARE(s.window->menu().mnuSpiel->title(), QStringLiteral("&Spiel"));
        QVERIFY(s.env.ini().contains("Sprache= 0\r\n"));
    }
};

QTEST_MAIN(DesktopLanguageTest)
#include "tst_desktop_language.moc"
