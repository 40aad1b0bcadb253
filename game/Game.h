// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's paced procedures: drawing a word (GameWords.cpp), taking guesses and hints and
// showing what the round decided (GameGuess.cpp), games and turns (GameTurns.cpp). The round
// decides; these show its outcomes on the board, with the waits, sounds and voice that go with
// them. The main window gives the commands and shows the two menu items that follow the play.
#include "game/Board.h"
#include "game/Layout.h"
#include "game/Round.h"
#include "game/WordPool.h"

#include <QCoro/QCoroTask>
#include <QObject>
#include <functional>

class Narrator;
class RecordKeeper;
struct Settings;

class Game : public QObject {
    Q_OBJECT
public:
    // What the play is shown on and with; each of them outlives the game.
    struct Parts {
        Board& board;
        const Settings& settings; // the settings in play
        Narrator& narrator;
        RecordKeeper& records;
        std::function<layout::Board()> arrangement; // the board's arrangement for the window as it is now
    };
    Game(const Parts& parts, QObject* parent);

    // The commands.
    QCoro::Task<> start(); // a new game; asks first while one is running
    QCoro::Task<> startAgain(); // a new game the players have agreed to already
    QCoro::Task<> guess(int card);
    QCoro::Task<> hint();
    QCoro::Task<> nextWord(); // the next-word command
    // A new word for the game in play: ends the wait for the next word, or draws one.
    QCoro::Task<> nextWordOfTheGame();
    // The window is closing: whatever still waits stops.
    void end();

    // Words.
    QCoro::Task<> Such_Wort();
    void LiesWortschatz();
    // The editor saved its list: the game plays it from the next draw on.
    void takeEditedList(const QStringList& words) { m_pool.replace(words); }
    const WordPool& pool() const { return m_pool; }
    // The picture of `word` as a clue, where the table has one and the option is on.
    void showWordPictureClue(const QString& word);

    // Games and turns.
    void zurueck(); // a new game: no points, the first player's turn
    const Round& round() const { return m_round; }
    // The players' rows as a screen reader hears them.
    Board::Players players() const;

    bool waitsForNextWord() const { return m_waiting; }
    bool closing() const { return m_closing; }
    // True while some procedure runs (waiting for the next word does not count).
    bool busy() const { return m_busy > 0; }

signals:
    // The next-word command was given (or the window is closing): the waiting guess goes on.
    void nextWordGiven();
    // Whether the next-word and the hint command can be given now.
    void nextWordCommand(bool on);
    void hintCommand(bool on);
    // After a win the players wanted no other game.
    void finished();

private:
    friend struct BusyScope;
    friend struct FlowGuard;

    QCoro::Task<> aktiv(int player); // shows the turn passed to `player`
    QCoro::Task<> anzeigen(QString word);
    QCoro::Task<> Pause();
    QCoro::Task<> showGuess(int index, GuessOutcome outcome);
    QCoro::Task<> showMiss(GuessOutcome outcome);
    QCoro::Task<> showSolved(GuessOutcome outcome);
    void showTurn(int player);
    void announceTurn();
    void endWaitForNextWord();
    void setLettersEnabled(bool on);
    void setHintCommand(bool on);
    bool readPool(); // true when the players were told of a problem
    // The picture of a word that has ended, where the table has one and the option is on.
    void showWordPictureAfter(const QString& word);
    // The draw takes only words with a picture when the clue is on and enough of them have one.
    bool drawsPicturedOnly() const;
    static WordPool::Reader listReader();

    Board& m_board;
    const Settings& m_settings;
    Narrator& m_narrator;
    RecordKeeper& m_records;
    std::function<layout::Board()> m_arrangement;
    Round m_round;                 // decides every guess
    WordPool m_pool{listReader()}; // List1: the words still to come
    QString m_written;             // the word in play as its list writes it ("Elefant")
    quint32 m_wordSerial = 0;      // counts the draws; an older flow stops when it changes
    int m_busy = 0;
    bool m_noWords = false; // the last draw found nothing to play
    bool m_waiting = false; // for the next-word command
    bool m_closing = false;
};
