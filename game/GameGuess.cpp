// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Guessed letters and hints, decided at once by the round and then shown on the board: the
// uncovered tiles, the picture, the turn, the score, the solution of a lost word and the wait
// for the next word.
#include "common/Allgemein.h"
#include "common/Await.h"
#include "common/Dialogs.h"
#include "common/MessageBoxes.h"
#include "common/Pacing.h"
#include "common/Platform.h"
#include "game/Flow.h"
#include "game/Layout.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "settings/SettingsValue.h"
#include "sound/Narrator.h"
#include "sound/Playback.h"
#include "game/RecordKeeper.h"

#include <QAbstractButton>

QCoro::Task<> Game::guess(int index)
{
    if (index < 0 || index >= rules::LetterCount)
        co_return;
    const QChar letter = m_board.card(index)->tag;
    const GuessOutcome outcome = m_round.guess(letter);
    if (outcome.kind == Guess::Ignored)
        co_return;
    m_narrator.letter(letter);
    m_records.guess(letter, outcome);
    if (!m_round.takesGuesses())
        setHintCommand(false);
    co_await showGuess(index, outcome);
}

QCoro::Task<> Game::showGuess(int index, GuessOutcome outcome)
{
    BusyScope busy(this);
    const FlowGuard guard(this);

    // Kept as the parts of the news, so a language switch tells it again in the new language.
    const QString turnOf = g().AnzahlSpieler > 1 ? m_settings.names[outcome.nextPlayer] : QString();
    m_board.announceGuess(m_board.card(index)->tag, outcome, turnOf, m_settings.names[outcome.player]);
    m_board.hideCard(index);
    co_await Pacing::yield();
    if (!guard.sameWord())
        co_return;
    for (int position : outcome.positions) {
        m_board.uncover(position, index, m_settings.smallLetters);
        co_await Pacing::yield();
        if (!guard.sameWord())
            co_return;
        if (g().SoundAn)
            PlayWAV(104);
    }

    switch (outcome.kind) {
    case Guess::Miss:
    case Guess::Lost:
        co_await showMiss(outcome);
        break;
    case Guess::Solved:
    case Guess::Won:
        co_await showSolved(outcome);
        break;
    default:
        break;
    }
}

QCoro::Task<> Game::showMiss(GuessOutcome outcome)
{
    const FlowGuard guard(this);
    const bool lost = outcome.kind == Guess::Lost;
    m_board.showStage(outcome.stage);
    co_await Pacing::yield();
    if (!guard.sameWord())
        co_return;
    if (g().SoundAn) {
        if (lost) {
            setLettersEnabled(false);
            PlayWAV(102);
            co_await Pacing::Verzoegerung(1.5);
        } else {
            PlayWAV(103);
            co_await Pacing::Verzoegerung(0.1);
        }
        if (!guard.sameWord())
            co_return;
    }
    co_await aktiv(outcome.nextPlayer);
    if (!guard.sameWord() || !lost)
        co_return;
    if (m_settings.showSolution) {
        co_await anzeigen(outcome.word);
        if (!guard.sameWord())
            co_return;
        m_narrator.shown(outcome.word);
        showWordPictureAfter(outcome.word);
        m_board.announceSolution(outcome.word);
    }
    // A lost word may come again.
    m_pool.takeBack({outcome.word, outcome.generation, m_written});
    co_await Pause();
    if (!guard.sameWord())
        co_return;
    co_await Such_Wort();
}

QCoro::Task<> Game::showSolved(GuessOutcome outcome)
{
    const FlowGuard guard(this);
    const int p = outcome.player;
    m_narrator.solved(outcome.word);
    m_board.showToken(p, outcome.score);
    m_board.namePlayers(players());
    // A moment of joy beside the game's own steps, before the winner is named.
    m_board.celebrate(p, outcome.score, outcome.kind == Guess::Won);
    showWordPictureAfter(outcome.word);
    co_await Pacing::yield();
    if (!guard.sameWord())
        co_return;
    if (g().SoundAn) {
        co_await Pacing::yield();
        if (!guard.sameWord())
            co_return;
        platform().random->randomize(platform().clock->secondsSinceMidnight());
        PlayWAV(rules::cheerSound(platform().random->next()));
        co_await Pacing::Verzoegerung(0.1);
        if (!guard.sameWord())
            co_return;
    }
    const bool won = outcome.kind == Guess::Won;
    if (won) {
        if (g().SoundAn) {
            PlayWAV(105);
            co_await Pacing::Verzoegerung(0.1);
            if (!guard.sameWord())
                co_return;
        }
        m_narrator.winner(m_settings.names[p], g().AnzahlSpieler);
        const QString winner = m_board.nameRow(p)->text() + QLatin1Char('\r') + LoadText(140);
        if (auto* boxes = dynamic_cast<MessageBoxes*>(platform().dialogs); boxes && m_settings.fitBoard) {
            // As large as the board's own letters, over the strip and clear of the word.
            const QPointF centre = layout::noticeCentre(m_arrangement());
            boxes->notice(winner, LoadText(141), Icon::Information, m_board.scale(),
                          m_board.mapToGlobal(QPoint(layout::toPixels(centre.x()), layout::toPixels(centre.y()))));
        } else {
            platform().dialogs->message(winner, LoadText(141), Icon::Information, Buttons::OK);
        }
        if (!guard.sameWord())
            co_return;
        const Answer again = platform().dialogs->message(LoadText(142), QString(), Icon::Question, Buttons::YesNo);
        if (!guard.sameWord())
            co_return;
        if (again != Answer::Yes) {
            emit finished();
            co_return;
        }
        zurueck();
        if (g().MusikAn) {
            CloseMusic();
            MakeMusic();
        }
    } else {
        // After a won game that goes on, the board does not wait for the next-word command.
        co_await Pause();
        if (!guard.sameWord())
            co_return;
    }
    co_await Pacing::Verzoegerung(0.5);
    if (!guard.sameWord())
        co_return;
    co_await Such_Wort();
}

QCoro::Task<> Game::hint()
{
    const HintOutcome hint = m_round.hint();
    if (!hint.taken)
        co_return;
    m_records.hint();
    setHintCommand(hint.commandOn);
    if (!hint.letter.isNull())
        co_await guess(rules::indexOf(hint.letter));
}

QCoro::Task<> Game::anzeigen(QString word)
{
    const FlowGuard guard(this);
    // The letters appear in the order of the cards, each position of a letter in turn.
    for (QChar card : letters::current()) {
        const int j = rules::indexOf(card);
        const QChar letter = m_board.card(j)->tag;
        for (int i = 1; i <= word.size(); ++i) {
            if (word[i - 1] != letter)
                continue;
            m_board.uncover(i, j, m_settings.smallLetters);
            // The letters nobody found look apart from the found ones.
            if (!m_round.guessed(letter))
                m_board.markShownOnly(i);
            co_await Pacing::Verzoegerung(0.1);
            if (!guard.sameWord())
                co_return;
            if (g().SoundAn)
                PlayWAV(101);
            co_await Pacing::yield();
            if (!guard.sameWord())
                co_return;
        }
    }
}

QCoro::Task<> Game::Pause()
{
    m_board.showNextWordButton(true);
    m_waiting = true;
    emit nextWordCommand(true);
    setLettersEnabled(false);
    // The cards left over cannot be taken until the next word: a stroke says so beside the grey.
    m_board.strikeCards(m_settings.clearSigns);
    setHintCommand(false);
    const FlowGuard guard(this);
    while (guard.windowAlive() && m_waiting) {
        --m_busy;
        co_await signalOrEnd(this, &Game::nextWordGiven);
        if (guard.game)
            ++guard.game->m_busy;
    }
}
