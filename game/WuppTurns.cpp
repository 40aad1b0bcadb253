// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starting and ending games, resetting the player rows, passing the turn, the next-word command.
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/Pacing.h"
#include "common/Platform.h"
#include "game/Flow.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"

#include <QAction>

QCoro::Task<> wupp::mnuStart_Click()
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

QCoro::Task<> wupp::nextWordOfTheGame()
{
    const FlowGuard guard(this);
    if (mnuWeiter->isEnabled()) {
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

void wupp::zurueck()
{
    const int players = std::clamp<int>(g().AnzahlSpieler, 1, 4);
    m_round.newGame(players);
    m_board->hideTokens();
    m_board->showPlayers(m_settings.names, players);
    showTurn(m_round.player());
}

void wupp::showTurn(int player)
{
    m_board->showTurn(player, m_settings.clearSigns);
    m_board->namePlayers(this->players());
}

Board::Players wupp::players() const
{
    Board::Players rows;
    rows.names = m_settings.names;
    for (int i = 0; i < rules::MaxPlayers; ++i)
        rows.points[i] = i < m_round.players() ? m_round.score(i) : 0;
    rows.current = m_round.player();
    return rows;
}

void wupp::announceTurn()
{
    if (g().AnzahlSpieler > 1)
        m_board->announce([name = m_settings.names[m_round.player()]] { return extraText(Extra::StatusTurn).arg(name); });
}

QCoro::Task<> wupp::aktiv(int player)
{
    showTurn(player);
    m_narrator.turn(m_settings.names[player], g().AnzahlSpieler);
    co_await Pacing::yield();
}

QCoro::Task<> wupp::mnuWeiter_Click()
{
    endWaitForNextWord();
    co_await Pacing::yield();
}

void wupp::endWaitForNextWord()
{
    mnuWeiter->setEnabled(false);
    m_board->showNextWordButton(false);
    emit nextWordGiven();
}

void wupp::mnuEnde_Click()
{
    const Answer answer = platform().dialogs->message(LoadText(143), LoadText(144), Icon::Question, Buttons::YesNo);
    if (answer == Answer::Yes && !m_closing)
        close();
}

QCoro::Task<> wupp::PicBut_Click(int index)
{
    switch (index) {
    case 0:
        co_await mnuStart_Click();
        break;
    case 1:
        mnuEnde_Click();
        break;
    case 2:
        co_await mnuTipp_Click();
        break;
    case 3:
        co_await mnuWeiter_Click();
        break;
    default:
        break;
    }
}
