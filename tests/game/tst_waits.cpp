// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Commands that arrive while the game waits, and closing the window in the middle of a wait.
#include "GameSession.h"
#include "common/Pacing.h"
#include "game/BoardJoy.h"
#include "settings/Einst.h"

#include <QPointer>

class WaitsTest : public QObject {
    Q_OBJECT
private slots:
    void closingDuringAWait_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::newRow("picture growing") << "draw";
        QTest::newRow("tiles appearing") << "tiles";
        QTest::newRow("after the ninth miss") << "lost";
        QTest::newRow("showing the solution") << "solution";
        QTest::newRow("waiting for the next word, celebrating") << "pause";
        QTest::newRow("settings dialog open") << "settings";
    }

    void closingDuringAWait()
    {
        QFETCH(QString, moment);
        GameSession s({QStringLiteral("Elefantenbaby")});
        auto [env, w] = std::tie(s.env, s.window);
        QPointer<wupp> alive(w.get());
        if (moment == "draw" || moment == "tiles") {
            Pacing::setScale(1);
            w->menu().mnuStart->trigger();
            QTest::qWait(moment == "draw" ? 250 : 1000);
            QVERIFY(w->busy());
        } else if (moment == "lost" || moment == "solution") {
            // Eight misses at full speed, the ninth at pace: first its 1.5-second wait, then the
            // solution letter by letter.
            s.startGame();
            s.typeText(QStringLiteral("CDGHIJMO"));
            Pacing::setScale(moment == "lost" ? 1 : 0.2);
            w->board().card(rules::indexOf(u'P'))->clicked();
            QTest::qWait(moment == "lost" ? 300 : 360);
            QVERIFY(w->busy());
        } else if (moment == "pause") {
            s.startGame();
            s.typeText(QStringLiteral("ELFANTBY"));
            QVERIFY(w->menu().mnuWeiter->isEnabled());
            QVERIFY(w->board().joy()->running());
            w->board().joy()->confetti();
        } else if (moment == "settings") {
            w->menu().mnuOpt->trigger();
            QCoreApplication::processEvents();
            QVERIFY(Einst::instance().isVisible());
        }
        const int soundsBefore = env.sound.played.size();
        w->close();
        QCOMPARE(env.quitCalls, 1);
        QVERIFY(!Einst::exists());
        QVERIFY(!w->board().joy()->running());
        // The program ends: the window goes while confetti falls, and whatever was waiting must not
        // touch it again.
        w->board().joy()->confetti();
        w.reset();
        QVERIFY(alive.isNull());
        QTest::qWait(1800);
        QCOMPARE(env.sound.played.size(), soundsBefore);
        Pacing::setScale(0);
    }

    void closingWhileADialogIsOpen()
    {
        GameSession s({QStringLiteral("Igel")});
        auto [env, w] = std::tie(s.env, s.window);
        s.startGame();
        // The start question is open when the window closes, as the window manager might close it:
        // no new game begins on a closed window.
        env.dialogs.whileShown = [&w = *w] { w.close(); };
        env.dialogs.answers.enqueue(Answer::Yes);
        w->menu().mnuStart->trigger();
        settle(*w);
        QCOMPARE(env.dialogs.shown.size(), 1);
        QCOMPARE(env.quitCalls, 1);
        QCOMPARE(w->round().word(), QStringLiteral("IGEL"));
        QVERIFY(!w->isVisible());
    }

    void newGameDuringTheLostWordWaitStopsTheOldGuess()
    {
        GameSession s({QStringLiteral("Giraffe")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        auto [env, w] = std::tie(s.env, s.window);
        s.startGame();
        s.typeText(QStringLiteral("BCDHJKLM"));
        Pacing::setScale(1);
        w->board().card(rules::indexOf(u'N'))->clicked();
        QTest::qWait(200);
        QVERIFY(w->busy());
        // A new game is started in the middle of the 1.5-second wait after the ninth miss.
        Pacing::setScale(0);
        env.dialogs.answers.enqueue(Answer::Yes);
        w->menu().mnuStart->trigger();
        QTest::qWait(1800);
        settle(*w);
        // The old guess did not go on: no solution on the new word, the lost word not added again.
        QCOMPARE(s.board(), QStringLiteral("_______"));
        QCOMPARE(s.visibleStage(), 0);
        QCOMPARE(w->pool().words().size(), 1);
        QVERIFY(!w->menu().mnuWeiter->isEnabled());
        QVERIFY(w->board().card(0)->isEnabled());
    }

    void lettersDuringTheDrawAreIgnored()
    {
        GameSession s({QStringLiteral("Banane")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        auto [env, w] = std::tie(s.env, s.window);
        s.startGame();
        s.typeText(QStringLiteral("BANE"));
        QVERIFY(w->menu().mnuWeiter->isEnabled());
        Pacing::setScale(1);
        w->menu().mnuWeiter->trigger();
        // Half a second before the draw, then the picture grows for 0.8 seconds.
        QTest::qWait(900);
        // The picture is still growing: the letters are not alive yet, nothing is judged.
        typeText(w.get(), QStringLiteral("AX"));
        QVERIFY(w->busy());
        QVERIFY(!w->board().card(0)->isHidden());
        Pacing::setScale(0);
        QVERIFY(settle(*w));
        QCOMPARE(w->round().stage(), 0);
        QCOMPARE(w->round().score(0), 1);
        QCOMPARE(s.board(), QStringLiteral("______"));
        s.typeText(QStringLiteral("A"));
        QCOMPARE(s.board(), QStringLiteral("_A_A__"));
    }

    void endAnsweredNoLeavesThePause()
    {
        GameSession s({QStringLiteral("Kiwi")});
        auto [env, w] = std::tie(s.env, s.window);
        s.startGame();
        s.typeText(QStringLiteral("KIW"));
        QVERIFY(w->menu().mnuWeiter->isEnabled());
        env.dialogs.answers.enqueue(Answer::No);
        w->menu().mnuEnde->trigger();
        settle(*w);
        QCOMPARE(env.dialogs.shown.last().text, QString::fromUtf8("Wirklich schon aufhören?"));
        QCOMPARE(env.dialogs.shown.last().title, QStringLiteral("Programm beenden"));
        QVERIFY(w->menu().mnuWeiter->isEnabled());
        QCOMPARE(env.quitCalls, 0);
        s.next();
        QCOMPARE(s.board(), QStringLiteral("____"));
        env.dialogs.answers.enqueue(Answer::Yes);
        w->menu().mnuEnde->trigger();
        QCOMPARE(env.quitCalls, 1);
    }
};

QTEST_MAIN(WaitsTest)
#include "tst_waits.moc"
