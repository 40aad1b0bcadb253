// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the board shows while a game is played: the cards, the tiles, the stage pictures, the
// players' rows and tokens, and the word's picture.
#include "game/Board.h"
#include "game/BoardColours.h"
#include "game/BoardFocus.h"
#include "game/BoardJoy.h"
#include "game/Rules.h"
#include "game/WordPicture.h"
#include "i18n/ExtraTexts.h"

#include <QAbstractButton>
#include <QFontMetrics>

#include <cmath>

using layout::toPixels;

void Board::showLanguageCards(const QString& cards)
{
    for (int i = 0; i < rules::LetterCount; ++i)
        m_cards[i]->setVisible(cards.contains(rules::letterOf(i)));
    chainBoardControls({m_buttons[0], m_buttons[1], m_buttons[2], m_speak, m_buttons[3]}, m_cards, cards);
}

void Board::setLettersEnabled(bool on, const QString& cards)
{
    for (int i = 0; i < rules::LetterCount; ++i) {
        m_cards[i]->setEnabled(on && cards.contains(rules::letterOf(i)));
        if (on)
            m_cards[i]->setStruck(false);
    }
}

void Board::strikeCards(bool struck)
{
    for (PictureButton* card : m_cards)
        card->setStruck(struck);
}

void Board::hideCard(int index) { m_cards[index]->hide(); }

BoardPicture Board::tilePicture(int field, int letterIndex, bool small) const
{
    if (!small)
        return {PictureKind::Letter, letterIndex};
    // A capital of the list stays a capital: nouns in German, names in any language.
    const bool capital = field >= 1 && field <= int(m_written.size()) && m_written[field - 1].isUpper();
    return {PictureKind::Letter, letterIndex, !capital};
}

void Board::uncover(int field, int letterIndex, bool small)
{
    if (field > 0 && field < int(m_tiles.size()))
        m_tiles[field]->setPicture(tilePicture(field, letterIndex, small));
    nameTiles();
}

void Board::markShownOnly(int field)
{
    if (field > 0 && field < int(m_tiles.size()))
        m_tiles[field]->setShownOnly(true);
}

void Board::showSmallLetters(bool small)
{
    for (int i = 0; i < rules::LetterCount; ++i)
        m_cards[i]->setPicture({PictureKind::Letter, i, small});
    // The letters already uncovered change with the cards.
    for (int field = 1; field <= fieldCount(); ++field) {
        const BoardPicture shown = m_tiles[field]->picture();
        if (shown.kind == PictureKind::Letter)
            m_tiles[field]->setPicture(tilePicture(field, shown.index, small));
    }
}

void Board::showStage(int stage)
{
    // A flow shown late never takes the picture back to an earlier stage.
    if (stage <= m_shownStage || stage > rules::LosingStage)
        return;
    m_stages[stage]->show();
    m_stages[m_shownStage]->hide();
    m_shownStage = stage;
}

void Board::beginStages()
{
    m_stages[m_shownStage]->hide();
    m_shownStage = 0;
    PictureLabel* first = m_stages[0];
    first->resize(first->width(), 0);
    first->show();
}

void Board::growFirstStage(int heightTwips)
{
    m_stages[0]->resize(m_stages[1]->width(), toPixels(heightTwips * m_scale));
}

void Board::addTile(const layout::Board& b, int field, int count)
{
    auto* tile = new PictureLabel(this);
    tile->setObjectName(QStringLiteral("Feld_%1").arg(field));
    tile->resize(toPixels(b.tileSize().width()), toPixels(b.tileSize().height()));
    tile->setPicture(m_tiles[0]->picture());
    tile->move(toPixels(b.newTileLeft(field, count)), toPixels(b.tileTop));
    tile->setAccessibleName(extraText(Extra::TileEmpty).arg(field).arg(count));
    tile->show();
    m_tiles.push_back(tile);
}

bool Board::removeLastTile()
{
    if (m_tiles.size() <= 1)
        return false;
    delete m_tiles.back();
    m_tiles.pop_back();
    return true;
}

void Board::removeTiles()
{
    while (removeLastTile()) {
    }
}

void Board::moveNextWordButton(const layout::Board& b)
{
    m_buttons[3]->move(toPixels(b.nextWord.left), toPixels(b.nextWord.top));
}

void Board::showNextWordButton(bool on) { m_buttons[3]->setVisible(on); }

void Board::showHintButton(bool on) { m_buttons[2]->setVisible(on); }

void Board::hideTokens()
{
    for (PictureLabel* token : m_tokens)
        token->hide();
}

void Board::showToken(int player, int score) { token(player, score - 1)->show(); }

void Board::celebrate(int player, int score, bool won)
{
    // The tiles hop, the token pops in, and a won game brings confetti.
    m_joy->hop(std::vector<QWidget*>(m_tiles.begin() + 1, m_tiles.end()));
    m_joy->pop(token(player, score - 1));
    if (won)
        m_joy->confetti();
}

void Board::setPlayerNames(const std::array<QString, 4>& names)
{
    for (int i = 0; i < 4; ++i)
        m_rows[i]->setText(names[i]);
    placePlayerRows();
}

void Board::showPlayers(const std::array<QString, 4>& names, int players)
{
    for (int i = players; i < 4; ++i)
        m_rows[i]->hide();
    for (int i = 0; i < players; ++i) {
        NameLabel* label = m_rows[i];
        const QFontMetrics metrics(label->font());
        // The indent on the left (which may hold the turn star), the design's margin on the right.
        const int room = label->width() - label->indent() - int(std::lround(4 * m_scale));
        label->setText(rules::shortenName(names[i], [&](const QString& s) { return metrics.horizontalAdvance(s) > room; }));
        label->show();
    }
}

void Board::showTurn(int player, bool clearSigns)
{
    const colours::Scheme& c = colours::scheme(clearSigns);
    for (int i = 0; i < 4; ++i) {
        if (i == player)
            m_rows[i]->setColours(c.activeBack, c.activeText);
        else
            m_rows[i]->setColours(c.waitingBack, c.waitingText);
        m_rows[i]->setMarked(clearSigns && i == player);
    }
}

void Board::showWordPicture(const QString& picture, const QString& name, bool clue)
{
    m_wordPicture->setClue(clue);
    m_wordPicture->setAccessibleName(name);
    placeWordPicture();
    m_wordPicture->setPicture(picture);
    m_wordPicture->show();
    m_wordPicture->raise();
    // The confetti of a won game falls in front of the picture after the word.
    if (QWidget* layer = m_joy->confettiLayer(); !clue && layer && layer->isVisible())
        layer->raise();
}

void Board::hideWordPicture()
{
    m_wordPicture->hide();
    m_wordPicture->setPicture(QString());
    m_wordPicture->setClue(false);
}
