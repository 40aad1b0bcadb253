// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting games, resetting the player rows, passing the turn, the next-word command.
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/Pacing.h"
#include "common/Platform.h"
#include "game/Flow.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "settings/SettingsValue.h"
#include "sound/Narrator.h"

Game::Game(const Parts& parts, QObject* parent)
    : QObject(parent), m_board(parts.board), m_settings(parts.settings), m_narrator(parts.narrator),
      m_records(parts.records), m_arrangement(parts.arrangement)
{
}

QCoro::Task<> Game::start()
{
    BusyScope busy(this);
    const FlowGuard guard(this);
    if (m_round.running()) {
        const Answer answer =
            platform().dialogs->message(LoadText(149), QStringLiteral("Start"), Icon::Question, Buttons::YesNo);
        if (!guard.windowAlive() || answer != Answer::Yes)
            co_return;
        zurueck();
    }
    co_await nextWordOfTheGame();
}

QCoro::Task<> Game::startAgain()
{
    m_round.setRunning(false);
    co_await start();
}

QCoro::Task<> Game::nextWordOfTheGame()
{
    const FlowGuard guard(this);
    if (m_waiting) {
        // The guess that waits for the next word draws it itself.
        endWaitForNextWord();
    } else {
        co_await Such_Wort();
        // Without a word to play no game is running.
        if (!guard.windowAlive() || m_noWords)
            co_return;
    }
    m_round.setRunning(true);
}

void Game::zurueck()
{
    m_round.newGame(g().AnzahlSpieler);
    m_board.hideTokens();
    m_board.showPlayers(m_settings.names, m_round.players());
    showTurn(m_round.player());
}

void Game::showTurn(int player)
{
    m_board.showTurn(player, m_settings.clearSigns);
    m_board.namePlayers(players());
}

Board::Players Game::players() const
{
    Board::Players rows;
    rows.names = m_settings.names;
    for (int i = 0; i < rules::MaxPlayers; ++i)
        rows.points[i] = i < m_round.players() ? m_round.score(i) : 0;
    rows.current = m_round.player();
    return rows;
}

void Game::announceTurn()
{
    if (g().AnzahlSpieler > 1)
        m_board.announce([name = m_settings.names[m_round.player()]] { return extraText(Extra::StatusTurn).arg(name); });
}

QCoro::Task<> Game::aktiv(int player)
{
    showTurn(player);
    m_narrator.turn(m_settings.names[player], g().AnzahlSpieler);
    co_await Pacing::yield();
}

QCoro::Task<> Game::nextWord()
{
    endWaitForNextWord();
    co_await Pacing::yield();
}

void Game::endWaitForNextWord()
{
    m_waiting = false;
    emit nextWordCommand(false);
    m_board.showNextWordButton(false);
    emit nextWordGiven();
}

void Game::end()
{
    if (m_closing)
        return;
    // Whatever still waits (for the next word, on a timer) sees the game closing and stops.
    m_closing = true;
    emit nextWordGiven();
}
