// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games through the real window, played by clicks and keys. The rules themselves are
// tst_round's; these check what the window shows of them.
#include "GameSession.h"
#include "game/BoardColours.h"
#include "game/BoardJoy.h"

#include <QAbstractAnimation>
#include <functional>
#include <QMenu>

namespace {
// Remembers whether any of the widgets stood away from its place while it watched: a busy machine
// may look too late to find a hop or a pop still under way.
class MoveWatch : public QObject {
public:
    MoveWatch(const QList<QWidget*>& widgets, std::function<bool(const QWidget*)> away) : m_away(std::move(away))
    {
        for (QWidget* widget : widgets)
            widget->installEventFilter(this);
    }
    bool seen = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            seen = seen || m_away(static_cast<const QWidget*>(watched));
        return false;
    }

private:
    std::function<bool(const QWidget*)> m_away;
};
} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void hitsAndMissesShowOnTheBoard()
    {
        GameSession game({QStringLiteral("Puppe")}, QStringLiteral("[Einstellungen]\nAnzahl= 3\n"));
        auto& w = *game.window;
        game.startGame();
        game.takeSounds();
        // A letter found three times: three tiles, three pops, and its card leaves the strip.
        game.click(u'P');
        QCOMPARE(game.board(), QStringLiteral("P_PP_"));
        QCOMPARE(game.takeSounds(), (QList<int>{104, 104, 104}));
        QVERIFY(w.board().card(rules::indexOf(u'P'))->isHidden());
        game.click(u'X');
        QCOMPARE(game.visibleStage(), 1);
        game.click(u'Y');
        game.click(u'Z');
        // After player 3 comes player 1 again, in the colours of the turn.
        const colours::Scheme& c = colours::clear();
        QCOMPARE(w.board().nameRow(0)->background(), 0xff000000 | c.activeBack);
        QCOMPARE(w.board().nameRow(0)->textColour(), 0xff000000 | c.activeText);
        QCOMPARE(w.board().nameRow(2)->background(), 0xff000000 | c.waitingBack);
        QVERIFY(w.board().nameRow(3)->isHidden());
    }

    // With the sounds off nothing is played, and the lost word still shows its solution.
    void lostWordShowsTheSolution()
    {
        GameSession game({QStringLiteral("Ball")}, QStringLiteral("[Einstellungen]\nSound= 0\n"));
        auto& w = *game.window;
        game.startGame();
        game.typeText(QStringLiteral("CDEFGHIJ"));
        QCOMPARE(game.visibleStage(), 8);
        QVERIFY(!w.menu().mnuWeiter->isEnabled());
        game.click(u'K');
        // Letters and hints are over; the next-word button and command wait.
        QCOMPARE(game.visibleStage(), 9);
        QCOMPARE(game.board(), QStringLiteral("BALL"));
        QVERIFY(w.menu().mnuWeiter->isEnabled());
        QVERIFY(!w.board().button(3)->isHidden());
        QVERIFY(!w.board().card(0)->isEnabled());
        QVERIFY(!w.menu().mnuTipp->isEnabled());
        QVERIFY(game.env.sound.played.isEmpty());
    }

    // The celebration runs beside the game and ends when it moves on.
    void solvedWordHopsAndPops()
    {
        GameSession game({QStringLiteral("Igel")});
        auto& w = *game.window;
        game.startGame();
        const int row = w.board().tile(1)->y();
        const QRect token = w.board().token(0, 0)->geometry();
        auto ticking = [&w] {
            const auto all = w.findChildren<QAbstractAnimation*>();
            return std::any_of(all.begin(), all.end(), [](auto* a) { return a->state() == QAbstractAnimation::Running; });
        };
        QList<QWidget*> tiles;
        for (int i = 1; i <= w.board().fieldCount(); ++i)
            tiles << w.board().tile(i);
        const MoveWatch hop(tiles, [row](const QWidget* tile) { return tile->y() < row; });
        const MoveWatch pop({w.board().token(0, 0)}, [token](const QWidget* t) { return t->geometry() != token; });
        game.typeText(QStringLiteral("igel"));
        QVERIFY(w.menu().mnuWeiter->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(hop.seen, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(pop.seen, 3000);
        // Left alone, every element comes back to its place and nothing keeps ticking.
        QTRY_VERIFY_WITH_TIMEOUT(!w.board().joy()->running(), 3000);
        QVERIFY(!ticking());
        for (int i = 1; i <= w.board().fieldCount(); ++i)
            QCOMPARE(w.board().tile(i)->y(), row);
        QCOMPARE(w.board().token(0, 0)->geometry(), token);
        // The next word ends a celebration at once.
        game.next();
        game.typeText(QStringLiteral("igel"));
        QVERIFY(w.board().joy()->running());
        game.next();
        QVERIFY(!w.board().joy()->running());
        QVERIFY(!ticking());
        QCOMPARE(w.board().token(0, 1)->geometry(), token.translated(token.width(), 0));
    }

    void eighthPointWins_data()
    {
        QTest::addColumn<bool>("again");
        QTest::newRow("Yes starts a new game") << true;
        QTest::newRow("No ends the program") << false;
    }

    void eighthPointWins()
    {
        QFETCH(bool, again);
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nAnzahl= 2\nSpieler1=Tim\n"));
        auto& w = *game.window;
        auto& env = game.env;
        // Confetti falls over the whole board while each of the two boxes is open.
        QList<bool> confetti;
        env.dialogs.whileShown = [&] {
            QWidget* layer = w.board().joy()->confettiLayer();
            confetti << (layer && layer->isVisible() && layer->geometry() == w.board().rect());
        };
        game.startGame();
        for (int word = 1; word <= 8; ++word) {
            env.dialogs.answers << Answer::OK << (again ? Answer::Yes : Answer::No);
            game.typeText(QStringLiteral("igel"));
            if (word < 8) {
                QCOMPARE(game.window->round().score(0), word);
                QVERIFY(!w.board().token(0, word - 1)->isHidden());
                QVERIFY(!w.board().joy()->confettiLayer());
                game.next();
            }
        }
        QCOMPARE(confetti, (QList<bool>{true, true}));
        const auto& shown = env.dialogs.shown;
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0].text, QStringLiteral("Tim\rhat gewonnen!"));
        QCOMPARE(shown[0].title, QStringLiteral("Hurra!"));
        QCOMPARE(shown[0].icon, Icon::Information);
        QCOMPARE(shown[1].text, QStringLiteral("Noch 'ne Runde?"));
        QCOMPARE(shown[1].title, QString());
        QCOMPARE(shown[1].buttons, Buttons::YesNo);
        if (!again) {
            QCOMPARE(env.quitCalls, 1);
            QVERIFY(!w.isVisible());
            return;
        }
        // Yes: scores reset, tokens hidden, a new word without the next-word command, music restarted;
        // the new word ended the confetti.
        QCOMPARE(game.window->round().score(0), 0);
        QCOMPARE(game.board(), QStringLiteral("____"));
        QVERIFY(!w.menu().mnuWeiter->isEnabled());
        QVERIFY(w.board().token(0, 7)->isHidden());
        QCOMPARE(game.activePlayer(), 0);
        QVERIFY(env.sound.played.contains(105));
        QCOMPARE(env.sound.musicStarts, 2);
        QVERIFY(!w.board().joy()->confettiLayer());
        QVERIFY(!w.board().joy()->running());
    }

    void hintsStopAtTheLimit()
    {
        GameSession game({QStringLiteral("Zebra")}, QStringLiteral("[Einstellungen]\nTipps= 2\n"));
        game.startGame();
        game.window->menu().mnuTipp->trigger();
        game.window->board().button(2)->click();
        settle(*game.window);
        QCOMPARE(game.board(), QStringLiteral("__B_A"));
        QVERIFY(!game.window->menu().mnuTipp->isEnabled());
        QVERIFY(game.window->board().button(2)->isHidden());
    }

    void umlautKeys_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << "deutsch" << "wupp.dat" << 0 << "Ü___";
        QTest::newRow("Swedish") << "svenska" << "wuppla.dat" << 2000 << "____";
        QTest::newRow("English") << "english" << "wupple.dat" << 1000 << "____";
    }

    void umlautKeys()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QFETCH(int, offset);
        QFETCH(QString, expected);
        GameSession s({}, QStringLiteral("[Optionen]\nSprache= %1\n").arg(offset), GameSession::Window::None);
        s.writeWords(file, {QString::fromUtf8("Übel")}, language);
        s.start();
        s.startGame();
        s.typeText(QString::fromUtf8("ü"));
        QCOMPARE(s.board(), expected);
        if (offset == 2000)
            QVERIFY(s.window->board().card(28)->isHidden());
    }

    void enterGivesTheNextWord()
    {
        GameSession game({QStringLiteral("Maus"), QStringLiteral("Haus")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        game.startGame();
        game.typeText(QStringLiteral("MAUSH"));
        QVERIFY(game.window->menu().mnuWeiter->isEnabled());
        QTest::keyClick(game.window.get(), Qt::Key_Return);
        settle(*game.window);
        QVERIFY(!game.window->menu().mnuWeiter->isEnabled());
        QCOMPARE(game.board(), QStringLiteral("____"));
    }

    void startAsksFirstAndResets()
    {
        GameSession game({QStringLiteral("Katze")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        auto& env = game.env;
        game.startGame();
        game.typeText(QStringLiteral("KX"));
        env.dialogs.answers.enqueue(Answer::No);
        game.startGame();
        QCOMPARE(env.dialogs.shown.last().text, QStringLiteral("Wirklich ein neues Spiel anfangen?"));
        QCOMPARE(env.dialogs.shown.last().title, QStringLiteral("Start"));
        QCOMPARE(game.board(), QStringLiteral("K____"));
        QCOMPARE(game.activePlayer(), 1);
        env.dialogs.answers.enqueue(Answer::Yes);
        game.startGame();
        QCOMPARE(game.board(), QStringLiteral("_____"));
        QCOMPARE(game.activePlayer(), 0);
        QCOMPARE(game.visibleStage(), 0);
        // Started while the solved word waits: the waiting guess draws the next word, scores reset.
        game.typeText(QStringLiteral("KATZE"));
        QCOMPARE(game.window->round().score(0), 1);
        env.dialogs.answers.enqueue(Answer::Yes);
        game.startGame();
        QVERIFY(!game.window->menu().mnuWeiter->isEnabled());
        QCOMPARE(game.window->round().score(0), 0);
        QCOMPARE(game.board(), QStringLiteral("_____"));
        QVERIFY(game.window->board().card(0)->isEnabled());
    }

    void languageSwitchDuringAGame()
    {
        GameSession s({QStringLiteral("Hund")}, {}, GameSession::Window::None, TestEnvironment::Words::None);
        s.writeWords(QStringLiteral("wupple.dat"), {QStringLiteral("horse")}, QStringLiteral("english"));
        s.start();
        auto& env = s.env;
        auto& w = *s.window;
        s.startGame();
        s.typeText(QStringLiteral("H"));
        env.dialogs.answers << Answer::Cancel << Answer::OK;
        w.menu().mnuLang[1]->trigger();
        settle(w);
        QCOMPARE(env.dialogs.shown.last().text,
                 QStringLiteral("Hierdurch wird das Spiel neu gestartet!\r\n\r\nThis will start a new game!"));
        QCOMPARE(env.dialogs.shown.last().title, QStringLiteral("Wuppel"));
        QVERIFY(w.menu().mnuLang[0]->isChecked());
        QCOMPARE(s.board(), QStringLiteral("H___"));
        w.menu().mnuLang[1]->trigger();
        settle(w);
        QVERIFY(w.menu().mnuLang[1]->isChecked() && !w.menu().mnuLang[0]->isChecked());
        QCOMPARE(w.menu().mnuSpiel->title(), QStringLiteral("&Game"));
        QVERIFY(env.ini().contains("Sprache= 1000\r\n"));
        QCOMPARE(s.board(), QStringLiteral("_____"));
        QVERIFY(w.board().card(26)->isHidden());
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Wupple  Version ")));
    }

    void emptyWordListDrawsNothing()
    {
        GameSession s({}, {}, GameSession::Window::Started, TestEnvironment::Words::None);
        auto& shown = s.env.dialogs.shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QStringLiteral("Datei wupp.dat nicht gefunden!"));
        QCOMPARE(shown[0].title, QStringLiteral("Fehler"));
        QCOMPARE(shown[0].icon, Icon::Exclamation);
        s.startGame();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(s.window->board().fieldCount(), 0);
        QVERIFY(!s.window->board().card(0)->isEnabled());
        s.writeWords(QStringLiteral("wupp.dat"), {QStringLiteral("ab, c")});
        s.startGame();
        QCOMPARE(shown.last().text, QStringLiteral("In der Datei wupp.dat steht kein Wort, das gespielt werden kann."));
    }
    // The parent saves the editor's list while a lost word's solution is still being shown: the
    // game plays the list as the parent left it, and the lost word is not put back into it.
    void lostWordStaysOutOfAnEditedList()
    {
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nWiederholung=-1\n"));
        auto& w = game.window;
        game.startGame();
        bool edited = false;
        game.env.sound.whilePlayed = [&](int id) {
            if (id == 101 && !edited) { // the first letter of the solution
                edited = true;
                w->game().takeEditedList({QStringLiteral("Hund"), QStringLiteral("Katze")});
            }
        };
        game.typeText(QStringLiteral("BCDFHJKMN"));
        QVERIFY(edited);
        QCOMPARE(game.board(), QStringLiteral("IGEL"));
        QCOMPARE(w->pool().words(), (QStringList{QStringLiteral("Hund"), QStringLiteral("Katze")}));
    }
};

QTEST_MAIN(PlayTest)
#include "tst_play.moc"
