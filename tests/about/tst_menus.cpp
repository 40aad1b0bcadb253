// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The options and help menus: sound switches, About, help.
#include "GameSession.h"
#include "about/frmInfo.h"
#include "i18n/Catalogue.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

class MenusTest : public QObject {
    Q_OBJECT
private slots:
    void soundSwitchIsSavedAtOnce()
    {
        GameSession s;
        auto& w = s.window;
        auto& env = s.env;
        w->menu().mnuPlaySounds->trigger();
        QVERIFY(!w->menu().mnuPlaySounds->isChecked());
        QVERIFY(env.ini().contains("[Einstellungen]\r\nSound= 0\r\n"));
        s.startGame();
        QVERIFY(env.sound.played.isEmpty());
        w->menu().mnuPlaySounds->trigger();
        QCOMPARE(g().SoundAn, True);
        QVERIFY(env.ini().contains("Sound=-1\r\n"));
    }

    void musicSwitchRestartsFromTheBeginning()
    {
        GameSession s;
        auto& w = s.window;
        auto& env = s.env;
        QCOMPARE(env.sound.musicStarts, 1);
        w->menu().mnuPlayMusic->trigger();
        QCOMPARE(env.sound.musicCloses, 1);
        QVERIFY(env.ini().contains("Music= 0\r\n"));
        w->menu().mnuPlayMusic->trigger();
        QCOMPARE(env.sound.musicStarts, 2);
        QVERIFY(env.sound.lastMusicPath.endsWith(QStringLiteral("/wupple.mid")));
        QVERIFY(env.ini().contains("Music=-1\r\n"));
        // Closing the window stops the music.
        w->close();
        QCOMPARE(env.sound.musicCloses, 2);
    }

    void aboutShowsTitleAndVersionAndClosesWithEscape()
    {
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= 3000\n"));
        auto& w = s.window;
        w->menu().mnuUeber->trigger();
        QCoreApplication::processEvents();
        frmInfo* about = w->findChild<frmInfo*>();
        QVERIFY(about && about->isVisible());
        QVERIFY(!about->ok->isHidden());
        QCOMPARE(about->Label[0]->text(), QStringLiteral("Wuppolo  %1.%2.%3").arg(WUPPLE_VERSION_MAJOR).arg(WUPPLE_VERSION_MINOR).arg(WUPPLE_VERSION_PATCH));
        QPointer<frmInfo> watch(about);
        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QVERIFY(!w->busy());
    }

    // The About window shows the language in play. The file may hold another one when the
    // switch could not be saved; About must not take that one back while the menus stay.
    void aboutKeepsTheLanguageInPlay()
    {
        GameSession s;
        auto& w = s.window;
        w->menu().mnuLang[1]->trigger();
        settle(*w);
        s.env.writeIni(QStringLiteral("[Optionen]\nSprache= 0\n"));
        w->menu().mnuUeber->trigger();
        QCoreApplication::processEvents();
        frmInfo* about = w->findChild<frmInfo*>();
        QVERIFY(about && about->isVisible());
        QVERIFY2(about->Label[0]->text().startsWith(QStringLiteral("Wupple  ")), qPrintable(about->Label[0]->text()));
        QTest::keyClick(about, Qt::Key_Escape);
        QCoreApplication::processEvents();
        QCOMPARE(g().SprachOffset, Lang::English);
        QCOMPARE(w->menu().mnuSpiel->title(), catalogueText(Lang::English + 130));
        QCOMPARE(w->windowTitle().section(u' ', 0, 0), QStringLiteral("Wupple"));
    }
};

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
