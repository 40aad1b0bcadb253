// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Round.h"
#include "game/Rules.h"

#include <algorithm>

void Round::newGame(int players)
{
    m_players = playersWithin(players);
    m_scores = {};
    m_player = 0;
}

void Round::beginWord(const QString& word, const QString& letters, int hintsAllowed, quint32 generation)
{
    clearWord();
    m_generation = generation;
    m_word = rules::upper(word);
    m_letters = letters;
    m_hintsAllowed = hintsAllowed;
    m_hintsOn = hintsAllowed > 0;
    m_inPlay = true;
}

void Round::clearWord()
{
    m_word.clear();
    m_guessed.clear();
    m_stage = 0;
    m_hits = 0;
    m_hintsUsed = 0;
    m_hintsOn = false;
    m_inPlay = false;
}

GuessOutcome Round::guess(QChar letter)
{
    GuessOutcome out;
    letter = letter.toUpper();
    if (!m_inPlay || letter.isNull() || !m_letters.contains(letter) || m_guessed.contains(letter))
        return out;
    m_guessed += letter;
    out.player = m_player;
    out.word = m_word;
    out.generation = m_generation;
    for (int i = 0; i < m_word.size(); ++i)
        if (m_word[i] == letter)
            out.positions.push_back(i + 1);
    m_hits += int(out.positions.size());

    if (out.positions.isEmpty()) {
        ++m_stage;
        m_player = int(rules::nextPlayer(qint16(m_player), qint16(m_players)));
        out.kind = Guess::Miss;
        if (m_stage == rules::LosingStage) {
            out.kind = Guess::Lost;
            m_inPlay = false;
        }
    } else if (m_hits == m_word.size()) {
        ++m_scores[m_player];
        out.kind = m_scores[m_player] == rules::WinningScore ? Guess::Won : Guess::Solved;
        m_inPlay = false;
    } else {
        out.kind = Guess::Hit;
    }
    out.stage = m_stage;
    out.nextPlayer = m_player;
    out.score = m_scores[out.player];
    return out;
}

HintOutcome Round::hint()
{
    HintOutcome out;
    if (!hintAvailable())
        return out;
    out.taken = true;
    // The hint that reaches the limit is still given; then the command rests until the next word.
    if (++m_hintsUsed == m_hintsAllowed) {
        m_hintsOn = false;
        m_hintsUsed = 0;
    }
    out.commandOn = m_hintsOn;
    for (QChar c : m_letters)
        if (m_word.contains(c) && !m_guessed.contains(c)) {
            out.letter = c;
            break;
        }
    return out;
}
