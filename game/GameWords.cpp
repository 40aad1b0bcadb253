// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The word pool, the draw of the next word and the picture that goes with a word.
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/Pacing.h"
#include "common/Platform.h"
#include "game/BoardJoy.h"
#include "game/Flow.h"
#include "game/Layout.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "sound/Playback.h"
#include "vocabulary/VocabularyFile.h"
#include "vocabulary/WordPictures.h"
#include "game/WordPicture.h"
#include "game/RecordKeeper.h"
#include "settings/SettingsValue.h"

#include <QAbstractButton>

using layout::toPixels;

namespace {
void tell(const QString& text)
{
    if (platform().dialogs)
        platform().dialogs->message(text, LoadText(128), Icon::Exclamation, Buttons::OK);
}

// The list in play, read from its file; the players hear of every problem.
QStringList readList(bool* told)
{
    const auto result = vocabulary::read(vocabulary::currentPath());
    const QStringList problems = vocabulary::readProblems(result);
    for (const QString& problem : problems)
        tell(problem);
    if (told)
        *told = !problems.isEmpty();
    return result.words;
}
} // namespace

WordPool::Reader Game::listReader() { return [] { return readList(nullptr); }; }

void Game::LiesWortschatz() { readPool(); }

bool Game::readPool()
{
    bool told = false;
    m_pool.replace(readList(&told));
    return told;
}

QCoro::Task<> Game::Such_Wort()
{
    // An empty pool draws no word: the file is read once more (a parent may have mended it),
    // and if it still holds nothing to play the board stays as it is and the players are told.
    m_noWords = m_pool.isEmpty();
    if (m_noWords) {
        const bool told = readPool();
        m_noWords = m_pool.isEmpty();
        if (m_noWords) {
            // The word before leaves the board with whatever still waits on it: no tile stays,
            // and no card takes a guess for a word that is gone.
            ++m_wordSerial;
            m_records.leftBehind();
            m_board.joy()->stop();
            m_round.clearWord();
            setHintCommand(false);
            setLettersEnabled(false);
            endWaitForNextWord();
            m_board.removeTiles();
            if (!told)
                tell(extraText(Extra::NoWords).arg(g().WortDatei));
            co_return;
        }
    }
    BusyScope busy(this);
    ++m_wordSerial;
    // A word still in play is left behind.
    m_records.leftBehind();
    // The celebrations of the last word end with it.
    m_board.joy()->stop();
    // The last word's picture stays until now.
    m_board.hideWordPicture();
    // Nothing is guessed until the new word stands.
    m_round.clearWord();
    setHintCommand(false);
    const FlowGuard guard(this);
    const QString tag = QStringLiteral("Such_Wort");

    // 1. The previous word's tiles go, one at a time.
    while (m_board.removeLastTile()) {
        co_await Pacing::yield();
        if (!guard.sameWord())
            co_return;
    }

    // 2.-3. The language's letters are shown again; they come alive once the new word stands.
    setLettersEnabled(false);
    m_board.showLanguageCards(letters::current());
    m_board.strikeCards(false);

    // 4.
    co_await Pacing::yield();
    if (!guard.sameWord())
        co_return;
    if (g().SoundAn)
        PlayWAV(100);

    // 5. The first picture grows into view.
    m_board.beginStages();
    // Counted in the design's twips, so a board scale that changes meanwhile still gives eight
    // steps of 300 at that scale.
    const int full = layout::PictureSize;
    for (int h = full / 8; h <= full; h += 300) {
        m_board.growFirstStage(h);
        co_await Pacing::Verzoegerung(0.1);
        if (!guard.sameWord())
            co_return;
    }
    // The draw, and the repetition rule.
    const WordPool::Drawn drawn = m_records.draw(m_pool, m_settings, m_round.players(), drawsPicturedOnly());
    const QString& word = drawn.word;
    m_round.setDrawn(word);
    // The tiles show the word as its list writes it when small letters are chosen.
    m_written = rules::upper(drawn.written) == word ? drawn.written : word.toLower();
    m_board.setWrittenWord(m_written);
    // The pool may have been emptied by a reload during the waits above.
    m_noWords = word.isEmpty();
    if (m_noWords)
        co_return;
    showWordPictureClue(word);

    // 10. One empty tile per letter, left to right.
    const int count = int(word.size());
    const layout::Board layoutNow = m_arrangement();
    // The button for the next word stands under the tiles, which may have grown for this word.
    m_board.moveNextWordButton(layoutNow);
    for (int i = 1; i <= count; ++i) {
        m_board.addTile(layoutNow, i, count);
        co_await Pacing::yield();
        if (!guard.sameWord())
            co_return;
        if (g().SoundAn) {
            PlayWAV(104);
            co_await Pacing::Verzoegerung(0.1);
            if (!guard.sameWord())
                co_return;
        }
    }
    m_round.beginWord(word, letters::current(), g().AnzahlTipps, drawn.generation);
    m_records.begin(word, QStringList(m_settings.names.begin(), m_settings.names.begin() + m_round.players()));
    announceTurn();
    setLettersEnabled(true);
    setHintCommand(m_round.hintAvailable());
}

void Game::setLettersEnabled(bool on) { m_board.setLettersEnabled(on, letters::current()); }

void Game::setHintCommand(bool on)
{
    emit hintCommand(on);
    m_board.showHintButton(on);
    // The button carries the number of hints left for the word.
    m_board.showHintCount(on ? m_round.hintsLeft() : 0);
}

bool Game::drawsPicturedOnly() const
{
    // Only where enough words have a picture for the draw to stay a surprise.
    constexpr qsizetype EnoughPictured = 10;
    return m_settings.pictureClue && pictures::countPictured(m_pool.words(), g().SprachOffset) >= EnoughPictured;
}

void Game::showWordPictureClue(const QString& word)
{
    if (!m_settings.pictureClue)
        return;
    // The clue must not tell a screen reader the word.
    if (const QString picture = pictures::ofCurrent(word); !picture.isEmpty())
        m_board.showWordPicture(picture, extraText(Extra::PictureClue), true);
}

void Game::showWordPictureAfter(const QString& word)
{
    // Off, a clue stays as it stood during the word.
    if (!m_settings.pictureAfterWord)
        return;
    // A screen reader names the picture by its word once the word is over.
    if (const QString picture = pictures::ofCurrent(word); !picture.isEmpty())
        m_board.showWordPicture(picture, word.toLower(), false);
}
