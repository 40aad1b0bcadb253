// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game asks the voice to say while it is played: letters, words, turns, the winner, the
// word again, and nothing at all with the voice switched off.
#include "GameSession.h"

#include <QTest>

using Said = RecordingSpeech::Said;
using Manner = Speech::Manner;

namespace {
Said cut(const QString& text, int language = 0) { return {text, language, Manner::Cut}; }
Said after(const QString& text, int language = 0) { return {text, language, Manner::After}; }
} // namespace

class SpokenGame : public QObject {
    Q_OBJECT
private slots:
    void lettersByClickKeyAndHint()
    {
        GameSession game({QStringLiteral("Rabe")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\n"));
        auto& said = game.env.speech.said;
        game.startGame();
        QVERIFY(said.isEmpty());
        game.click(u'B');
        game.typeText(QStringLiteral("e"));
        // A letter already picked is no guess and is not said again.
        game.typeText(QStringLiteral("e"));
        game.window->menu().mnuTipp->trigger();
        settle(*game.window);
        QCOMPARE(said, (QList<Said>{cut(QStringLiteral("B")), cut(QStringLiteral("E")), cut(QStringLiteral("A"))}));
        // An umlaut by key, by its own name.
        game.typeText(QStringLiteral("ä"));
        QCOMPARE(said.last(), cut(QStringLiteral("Ä")));
    }

    void solvedWordOnceItsTilesAreUncovered()
    {
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\n"));
        QStringList boards;
        game.env.speech.whileSaid = [&](const Said&) { boards << game.board(); };
        game.startGame();
        game.typeText(QStringLiteral("igel"));
        // The word cuts the name of its last letter; the board shows it whole by then.
        QCOMPARE(game.env.speech.said.mid(3), (QList<Said>{cut(QStringLiteral("L")), cut(QStringLiteral("Igel"))}));
        QCOMPARE(boards.last(), QStringLiteral("IGEL"));
    }

    void lostWordOnlyWhenItsSolutionIsShown_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("solution shown") << true;
        QTest::newRow("solution hidden") << false;
    }
    void lostWordOnlyWhenItsSolutionIsShown()
    {
        QFETCH(bool, shown);
        GameSession game({QStringLiteral("Igel")},
                         QStringLiteral("[Einstellungen]\nAnzahl= 1\nAnzeige=%1\n").arg(shown ? 1 : 0));
        QStringList boards;
        game.env.speech.whileSaid = [&](const Said&) { boards << game.board(); };
        game.startGame();
        game.typeText(QStringLiteral("abcdfhjkm"));
        QCOMPARE(game.visibleStage(), 9);
        const QList<Said> said = game.env.speech.said;
        QCOMPARE(said.size(), shown ? 10 : 9);
        QCOMPARE(said[8], cut(QStringLiteral("M")));
        if (shown) {
            QCOMPARE(said[9], cut(QStringLiteral("Igel")));
            QCOMPARE(boards.last(), QStringLiteral("IGEL"));
        }
        // Nothing to repeat when the word was never shown.
        game.window->menu().mnuSagen->trigger();
        QCOMPARE(game.env.speech.said.size(), shown ? 11 : 9);
    }

    void turnAndWinnerWithTwoPlayersOnly_data()
    {
        QTest::addColumn<int>("players");
        QTest::newRow("one player") << 1;
        QTest::newRow("two players") << 2;
    }
    void turnAndWinnerWithTwoPlayersOnly()
    {
        QFETCH(int, players);
        GameSession game({QStringLiteral("Igel")},
                         QStringLiteral("[Einstellungen]\nAnzahl=%1\nSpieler1=Tim\nSpieler2=Anna Lena\n").arg(players));
        auto& env = game.env;
        game.startGame();
        // A miss passes the turn: the next player's name follows the letter.
        game.typeText(QStringLiteral("x"));
        if (players == 2)
            QCOMPARE(env.speech.said, (QList<Said>{cut(QStringLiteral("X")), after(QStringLiteral("Anna Lena"))}));
        else
            QCOMPARE(env.speech.said, (QList<Said>{cut(QStringLiteral("X"))}));
        // A hit keeps the turn and says no name.
        env.speech.said.clear();
        game.typeText(QStringLiteral("i"));
        QCOMPARE(env.speech.said, (QList<Said>{cut(QStringLiteral("I"))}));
        // The other player goes on until the first wins with the eighth word.
        if (players == 2) {
            game.typeText(QStringLiteral("y"));
            QCOMPARE(env.speech.said.last(), after(QStringLiteral("Tim")));
        }
        for (int word = 1; word <= 8; ++word) {
            env.dialogs.answers << Answer::OK << Answer::No;
            game.typeText(QStringLiteral("igel"));
            if (word < 8)
                game.next();
        }
        const QList<Said> end = env.speech.said.mid(env.speech.said.size() - 2);
        if (players == 2)
            QCOMPARE(end, (QList<Said>{cut(QStringLiteral("Igel")), after(QStringLiteral("Tim hat gewonnen!"))}));
        else
            QCOMPARE(end.last(), cut(QStringLiteral("Igel")));
    }

    void wordSaidAgainByMenuKeyAndButton()
    {
        GameSession game({QStringLiteral("Igel"), QStringLiteral("Rabe")},
                         QStringLiteral("[Einstellungen]\nAnzahl= 1\nWiederholung=-1\n"));
        auto& w = *game.window;
        auto& said = game.env.speech.said;
        game.startGame();
        QVERIFY(w.board().speakButton()->isVisible());
        // Before a word was solved or shown there is nothing to say again.
        QTest::mouseClick(w.board().speakButton(), Qt::LeftButton);
        QVERIFY(said.isEmpty());
        game.typeText(w.round().word().toLower());
        const QString word = said.last().text;
        said.clear();
        QTest::mouseClick(w.board().speakButton(), Qt::LeftButton);
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_R, Qt::ControlModifier);
        w.menu().mnuSagen->trigger();
        QCOMPARE(said, (QList<Said>{cut(word), cut(word), cut(word)}));
        // Beside the hint button, as large as it.
        QCOMPARE(w.board().speakButton()->size(), w.board().button(2)->size());
        QCOMPARE(w.board().speakButton()->x(), w.board().button(2)->x());
        QVERIFY(w.board().speakButton()->y() > w.board().button(2)->y());
    }

    void languageSwitchMidWord()
    {
        GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nAnzahl= 1\n"));
        auto& w = *game.window;
        auto& env = game.env;
        game.startGame();
        game.typeText(QStringLiteral("i"));
        const int silencedBefore = env.speech.silenced;
        env.dialogs.answers << Answer::OK;
        w.menu().mnuLang[3]->trigger();
        settle(w);
        // What was being said in German ends; the new word's letters are Italian.
        QVERIFY(env.speech.silenced > silencedBefore);
        const QChar letter = w.round().word().at(0);
        game.typeText(QString(letter).toLower());
        QCOMPARE(env.speech.said.last(), cut(QString(letter), 3));
        QCOMPARE(w.menu().mnuSprechen->text(), QStringLiteral("&Parlare"));
    }

    void switchedOffGivesTheSameSoundsAndNoVoice()
    {
        QList<int> sounds[2];
        for (bool speak : {true, false}) {
            GameSession game({QStringLiteral("Igel")}, QStringLiteral("[Einstellungen]\nAnzahl= 2\n"));
            auto& w = *game.window;
            QVERIFY(w.menu().mnuSprechen->isChecked());
            if (!speak) {
                w.menu().mnuSprechen->trigger();
                QVERIFY(!w.menu().mnuSprechen->isChecked());
                QVERIFY(game.env.ini().contains("Sprechen= 0\r\n"));
            }
            game.startGame();
            QCOMPARE(w.board().speakButton()->isVisible(), speak);
            game.typeText(QStringLiteral("xigel"));
            QCOMPARE(game.env.speech.said.isEmpty(), !speak);
            sounds[speak] = game.env.sound.played;
        }
        QCOMPARE(sounds[false], sounds[true]);
    }

    void choiceIsStoredAndTheDefaultFollowsTheVoice()
    {
        {
            // No voice for German: off until the player switches to a language that has one.
            GameSession game({}, {}, GameSession::Window::None);
            game.env.speech.voices[0] = false;
            game.start();
            auto& w = *game.window;
            QVERIFY(!w.menu().mnuSprechen->isChecked());
            w.menu().mnuLang[1]->trigger();
            settle(w);
            QVERIFY(w.menu().mnuSprechen->isChecked());
            QVERIFY(!game.env.ini().contains("Sprechen"));
        }
        {
            // A stored choice holds whatever voices there are.
            GameSession game({}, QStringLiteral("[Optionen]\nSprechen= 0\n"));
            QVERIFY(!game.window->menu().mnuSprechen->isChecked());
            game.window->menu().mnuSprechen->trigger();
            QVERIFY(game.window->menu().mnuSprechen->isChecked());
            QVERIFY(game.env.ini().contains("Sprechen=-1"));
        }
    }
};

QTEST_MAIN(SpokenGame)
#include "tst_spoken_game.moc"
