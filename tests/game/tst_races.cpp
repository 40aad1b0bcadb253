// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the board shows while it catches up with the players: keys that come faster than it can
// show them are judged when they arrive, a word that is over takes no further guess, and the
// solution of a lost word appears letter by letter in button order.
#include "GameSession.h"
#include "common/Pacing.h"

namespace {
// Two players, every word again and again.
struct Race : GameSession {
    explicit Race(const QString& word)
        : GameSession({word}, QStringLiteral("[Einstellungen]\nAnzahl= 2\nWiederholung=-1\n"))
    {
        startGame();
    }
};

void press(wupp& w, QChar c, bool queued)
{
    if (queued) {
        QCoreApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, 0, Qt::NoModifier, QString(c)));
        return;
    }
    QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(&w, &event);
}
} // namespace

class RacesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Pacing::setScale(0); }

    void twoQuickMissesAfterTheSeventh()
    {
        Race race(QStringLiteral("Ball"));
        auto& w = race.window;
        race.typeText(QStringLiteral("CDEFGHI"));
        QCOMPARE(race.activePlayer(), 1);
        race.takeSounds();
        Pacing::setScale(1);
        press(*w, u'J', false);
        QTest::qWait(60);
        press(*w, u'K', false);
        settle(*w);
        // The eighth miss and the ninth, each shown once; the word is lost once.
        const QList<int> sounds = race.takeSounds();
        QCOMPARE(sounds.count(103), 1);
        QCOMPARE(sounds.count(102), 1);
        QVERIFY(sounds.indexOf(103) < sounds.indexOf(102));
        QCOMPARE(sounds.count(101), 4);
        QCOMPARE(race.board(), QStringLiteral("BALL"));
        QCOMPARE(race.visibleStage(), 9);
        QCOMPARE(race.activePlayer(), 1);
        QCOMPARE(w->pool().words(), (QStringList{QStringLiteral("Ball"), QStringLiteral("Ball")}));
        QVERIFY(w->menu().mnuWeiter->isEnabled());
        Pacing::setScale(0);
        race.next();
        QVERIFY(!w->menu().mnuWeiter->isEnabled());
        QCOMPARE(race.board(), QStringLiteral("____"));
        QCOMPARE(race.activePlayer(), 1);
        // One draw only: the word pool lost nothing and gained nothing more.
        QCOMPARE(w->pool().words().size(), 2);
        QCOMPARE(race.takeSounds().count(100), 1);
    }

    void missQueuedBehindTheSolvingKey()
    {
        Race race(QStringLiteral("Igel"));
        auto& w = race.window;
        race.typeText(QStringLiteral("IGE"));
        race.takeSounds();
        Pacing::setScale(1);
        press(*w, u'L', true);
        press(*w, u'X', true);
        settle(*w);
        // The word was solved by L: the X came too late to count as a miss or to pass the turn.
        QCOMPARE(race.board(), QStringLiteral("IGEL"));
        QCOMPARE(w->round().score(0), 1);
        QCOMPARE(race.visibleStage(), 0);
        QCOMPARE(race.activePlayer(), 0);
        QVERIFY(!race.takeSounds().contains(103));
        QVERIFY(w->menu().mnuWeiter->isEnabled());
        Pacing::setScale(0);
        race.next();
        QCOMPARE(race.activePlayer(), 0);
        QCOMPARE(race.visibleStage(), 0);
    }

    void hintCommandOnlyWhileAGuessIsTaken()
    {
        GameSession s({QStringLiteral("Uhuu")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\n"));
        auto& w = s.window;
        // While the picture grows and the tiles appear, no guess is taken, so no hint either.
        Pacing::setScale(1);
        w->menu().mnuStart->trigger();
        QTest::qWait(50);
        int samples = 0;
        while (w->busy()) {
            QVERIFY(!w->menu().mnuTipp->isEnabled());
            QVERIFY(w->board().button(2)->isHidden());
            ++samples;
            QTest::qWait(20);
        }
        QVERIFY(samples > 20);
        Pacing::setScale(0);
        QVERIFY(w->menu().mnuTipp->isEnabled());
        QVERIFY(!w->board().button(2)->isHidden());
        // Seven words solved; the eighth wins, and during the win messages the hint is off.
        for (int i = 0; i < 7; ++i) {
            s.typeText(QStringLiteral("UH"));
            s.next();
        }
        QList<bool> hintOn;
        s.env.dialogs.whileShown = [&] { hintOn << (w->menu().mnuTipp->isEnabled() || !w->board().button(2)->isHidden()); };
        s.env.dialogs.answers << Answer::OK << Answer::Yes;
        s.typeText(QStringLiteral("UH"));
        QCOMPARE(hintOn, (QList<bool>{false, false}));
        // Yes started a new game and drew the next word: guesses and hints are taken again.
        QVERIFY(w->menu().mnuTipp->isEnabled());
    }

    void solutionAppearsInButtonOrder()
    {
        Race race(QStringLiteral("Zebra"));
        // A look at the tiles each time a letter of the solution sounds.
        QStringList boards;
        race.env.sound.whilePlayed = [&](int id) {
            if (id == 101)
                boards << race.board();
        };
        race.typeText(QStringLiteral("CDFGHIJKL"));
        // A before B before E before R before Z, whatever their places in the word.
        QCOMPARE(boards, (QStringList{"____A", "__B_A", "_EB_A", "_EBRA", "ZEBRA"}));
    }
};

QTEST_MAIN(RacesTest)
#include "tst_races.moc"
