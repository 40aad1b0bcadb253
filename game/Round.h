// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The play of a game, word by word: which letters are uncovered, how far the picture has gone,
// whose turn it is and the scores. Each guess is decided the moment it comes in; the window only
// shows the outcome afterwards, however long that takes, so a quick second key can never be
// judged against a picture or a turn that is still being drawn.
#include "game/Rules.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

enum class Guess {
    Ignored, // no word in play, a letter the language does not use, or one already guessed
    Hit,     // the letter stands in the word; the same player goes on
    Miss,    // the picture grows by one stage; the turn passes
    Solved,  // the last letter: the guesser scores and keeps the turn
    Won,     // solved, and that point was the guesser's eighth
    Lost,    // the ninth miss: the picture is complete; the turn has passed
};

struct GuessOutcome {
    Guess kind = Guess::Ignored;
    QList<int> positions; // tiles uncovered, 1-based, left to right
    int stage = 0;        // picture stage after the guess
    int player = 0;       // who guessed (and scored, when solved)
    int nextPlayer = 0;   // whose turn it is after the guess
    int score = 0;        // the guesser's points after the guess
    QString word;         // the word this guess was judged against
    quint32 generation = 0; // of the word pool the word was drawn from
};

struct HintOutcome {
    bool taken = false;      // false: no word in play or no hint left, nothing changed
    QChar letter;            // the letter to guess; null when no unguessed letter is left
    bool commandOn = false;  // whether the hint command stays available for this word
};

class Round final {
public:
    // A new game: every score 0, the first player's turn.
    void newGame(int players);
    // A game runs from its first word on; the language switch stops it for a moment to restart it.
    bool running() const { return m_running; }
    void setRunning(bool running) { m_running = running; }
    // A word stands on the board and takes guesses. `letters` are the language's letters in
    // the order of their cards; hints pick from them in that order. `generation` is the word
    // pool's when the word was drawn.
    void beginWord(const QString& word, const QString& letters, int hintsAllowed, quint32 generation = 0);
    // The board is being set up for the next word: nothing is taken until it stands.
    void clearWord();
    // The word drawn for the board being set up; it takes guesses from beginWord on.
    void setDrawn(const QString& word) { m_word = word; }

    GuessOutcome guess(QChar letter);
    HintOutcome hint();

    bool takesGuesses() const { return m_inPlay; }
    bool hintAvailable() const { return m_inPlay && m_hintsOn; }
    const QString& word() const { return m_word; }
    int stage() const { return m_stage; }
    int hits() const { return m_hits; }
    int player() const { return m_player; }
    int players() const { return m_players; }
    int score(int player) const { return m_scores.at(player); }
    int hintsUsed() const { return m_hintsUsed; }
    // Hints still to be had for this word (0 once the command rests).
    int hintsLeft() const { return hintAvailable() ? m_hintsAllowed - m_hintsUsed : 0; }
    bool guessed(QChar letter) const { return m_guessed.contains(letter.toUpper()); }

private:
    QString m_word;
    QString m_letters;
    QString m_guessed;
    int m_stage = 0;
    int m_hits = 0;
    int m_player = 0;
    int m_players = 1;
    quint32 m_generation = 0;
    std::array<int, rules::MaxPlayers> m_scores{};
    int m_hintsAllowed = 0;
    int m_hintsUsed = 0;
    bool m_hintsOn = false;
    bool m_inPlay = false;
    bool m_running = false;
};
