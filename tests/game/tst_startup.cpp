// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start-up, first activation and closing, against the settings file.
#include "GameSession.h"
#include "settings/Einst.h"

#include <QLineEdit>
#include <QMenu>
#include <QScreen>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    // The defaults themselves are the settings value's (tst_settings_value); here, what the window
    // shows of them and the bytes the first start and its closing write.
    void firstStartUsesEveryDefault()
    {
        GameSession s;
        auto [env, w] = std::tie(s.env, s.window);
        QCOMPARE(w->placement().state(), 2);
        QVERIFY(w->menu().mnuPlaySounds->isChecked() && w->menu().mnuPlayMusic->isChecked());
        const QStringList names{"Vivur", "Vaduza", "Viredaz", "Doreru"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(w->board().nameRow(i)->text(), names[i]);
        QCOMPARE(Einst::instance().Zahl[1]->text(), QStringLiteral(" 3"));
        QVERIFY(w->pool().words().size() >= 400);
        // No word before the start command; the music started at the first activation.
        QVERIFY(!w->menu().mnuTipp->isEnabled() && !w->menu().mnuWeiter->isEnabled());
        QVERIFY(!w->board().card(0)->isEnabled());
        QCOMPARE(env.sound.musicStarts, 1);
        QCOMPARE(w->windowTitle(), QStringLiteral("Wuppel  Version ") + QStringLiteral("%1.%2.%3")
                                       .arg(WUPPLE_VERSION_MAJOR).arg(WUPPLE_VERSION_MINOR).arg(WUPPLE_VERSION_PATCH));
        QVERIFY(w->board().token(0, 0)->isHidden());
        // The first write is the language, when it is applied at the first activation.
        QCOMPARE(env.ini(), QByteArray("[Optionen]\r\nSprache= 0\r\n"));
        QVERIFY(env.dialogs.shown.isEmpty());
        // Closed while maximized, only the state is stored.
        w->close();
        QCOMPARE(env.ini(), QByteArray("[Optionen]\r\nSprache= 0\r\n[Window]\r\nStatus= 2\r\n"));
    }

    void storedNamesAndTheNinthCharacter()
    {
        // An unknown language number falls back to German.
        GameSession s({}, QStringLiteral("[Einstellungen]\nSpieler1=Tim\nSpieler3=Spieler 3\nSpieler4=%1\n"
                                         "[Optionen]\nSprache= 5\n").arg(QString(30, u'W')));
        auto [env, w] = std::tie(s.env, s.window);
        const Einst& einst = Einst::instance();
        QCOMPARE(w->board().nameRow(0)->text(), QStringLiteral("Tim"));
        QCOMPARE(einst.Spieler_Name[0]->text(), QStringLiteral("Tim"));
        QCOMPARE(w->board().nameRow(2)->text(), QStringLiteral("Viredaz"));
        QCOMPARE(einst.Spieler_Name[3]->text(), QString(25, u'W'));
        // Too wide for its row: shortened to no fewer than 9 characters, ending in a point.
        const QString row = w->board().nameRow(3)->text();
        QVERIFY(row.endsWith(u'.') && row.size() >= 9 && row.size() < 25);
        QVERIFY(row.startsWith(QString(row.size() - 1, u'W')));
        QCOMPARE(w->menu().mnuSpiel->title(), QStringLiteral("&Spiel"));
        QVERIFY2(env.dialogs.shown.isEmpty(), qPrintable(env.dialogs.shown.value(0).text));
    }

    void offScreenPlacementIsCentred_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("centredX");
        QTest::addColumn<bool>("centredY");
        QTest::newRow("left of the screen") << -500 << 300 << true << false;
        QTest::newRow("beyond the right edge") << 30000 << 300 << true << false;
        QTest::newRow("above") << 300 << -15 << false << true;
        QTest::newRow("below the bottom edge") << 300 << 30000 << false << true;
        QTest::newRow("on screen") << 300 << 450 << false << false;
    }

    void offScreenPlacementIsCentred()
    {
        QFETCH(int, left);
        QFETCH(int, top);
        QFETCH(bool, centredX);
        QFETCH(bool, centredY);
        GameSession s({}, QStringLiteral("[Window]\nStatus= 0\nLeft=%1\nTop=%2\nWidth= 9600\nHeight= 6975\n").arg(left).arg(top));
        auto [env, w] = std::tie(s.env, s.window);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect placed = w->placement().outerTwips();
        QCOMPARE(placed.left(), centredX ? (screen.width() * 15 - 9600) / 2 : left);
        QCOMPARE(placed.top(), centredY ? (screen.height() * 15 - 6900) / 2 : top);
    }

    void closingWritesThePlacement_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QByteArray>("window");
        QTest::newRow("normal") << 0 << QByteArray("[Window]\r\nStatus= 0\r\nLeft= 1500\r\nTop= 750\r\nWidth= 10500\r\nHeight= 7500\r\n");
        QTest::newRow("maximized") << 2 << QByteArray("[Window]\r\nStatus= 2\r\nLeft= 1\r\nTop= 2\r\nWidth= 3\r\nHeight= 4\r\n");
        QTest::newRow("minimized") << 1 << QByteArray("[Window]\r\nStatus= 7\r\nLeft= 1\r\nTop= 2\r\nWidth= 3\r\nHeight= 4\r\n");
    }

    void closingWritesThePlacement()
    {
        QFETCH(int, state);
        QFETCH(QByteArray, window);
        GameSession s({}, QStringLiteral("[Window]\nStatus= 7\nLeft= 1\nTop= 2\nWidth= 3\nHeight= 4\n"));
        auto [env, w] = std::tie(s.env, s.window);
        w->setWindowState(Qt::WindowNoState);
        w->placement().setOuterTwips({1500, 750, 10500, 7500});
        if (state == 2)
            w->setWindowState(Qt::WindowMaximized);
        if (state == 1)
            w->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        const QByteArray before = env.ini();
        w->close();
        const QByteArray after = env.ini();
        QVERIFY(after.startsWith(window));
        QCOMPARE(after.mid(window.size()), before.mid(before.indexOf("[Optionen]")));
    }

    void helpAndWebOpenFromTheMenu()
    {
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= 2000\n"));
        auto [env, w] = std::tie(s.env, s.window);
        w->menu().mnuHilfe->trigger();
        QCOMPARE(QFileInfo(env.help.shown.value(0)).fileName(), QStringLiteral("wupple32_sv.html"));
        w->menu().mnuHomepage->trigger();
        w->menu().mnuEMail->trigger();
        QCOMPARE(env.browser.opened.size(), 2);
        QCOMPARE(env.browser.opened[0].scheme(), QStringLiteral("https"));
        QCOMPARE(env.browser.opened[1].scheme(), QStringLiteral("mailto"));
        w->menu().mnuLang[0]->trigger();
        settle(*w);
        w->menu().mnuHilfe->trigger();
        QCOMPARE(QFileInfo(env.help.shown.value(1)).fileName(), QStringLiteral("wuppel32.html"));
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
