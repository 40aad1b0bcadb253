// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads of the board, in the current language: the cards, the tiles, the
// picture, the players' rows and buttons, and the status line that names each outcome.
#include "common/Allgemein.h"
#include "game/Board.h"
#include "game/BoardAccess.h"
#include "game/Rules.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"

#include <QAbstractButton>
#include <QFrame>

QWidget* Board::statusLine() const { return m_status; }

void Board::nameAll(const Players& players)
{
    m_strip->setAccessibleName(extraText(Extra::CardsName));
    for (PictureButton* card : m_cards)
        card->setAccessibleName(QString(card->tag));
    for (int i = 0; i < rules::Stages; ++i)
        m_stages[i]->setAccessibleName(extraText(Extra::PictureStage).arg(i).arg(rules::LosingStage));
    for (int k = 0; k < int(m_tokens.size()); ++k)
        m_tokens[k]->setAccessibleName(extraText(Extra::PointToken).arg(k % rules::WinningScore + 1));
    m_names->setAccessibleName(extraText(Extra::PlayersName));
    m_buttons[0]->setAccessibleName(LoadText(169));
    m_buttons[1]->setAccessibleName(LoadText(170));
    m_buttons[2]->setAccessibleName(LoadText(168));
    nameTiles();
    namePlayers(players);
    if (m_statusText)
        m_status->tell(m_statusText());
}

void Board::nameTiles()
{
    const int count = fieldCount();
    for (int i = 1; i <= count; ++i) {
        // The letter a tile shows, in capitals or small letters alike.
        QChar shown;
        for (int j = 0; j < rules::LetterCount && shown.isNull(); ++j)
            if (m_tiles[i]->picture().kind == PictureKind::Letter && m_tiles[i]->picture().index == j)
                shown = m_cards[j]->tag;
        m_tiles[i]->setAccessibleName(shown.isNull() ? extraText(Extra::TileEmpty).arg(i).arg(count)
                                                     : extraText(Extra::TileLetter).arg(i).arg(count).arg(shown));
    }
}

void Board::namePlayers(const Players& players)
{
    for (int i = 0; i < rules::MaxPlayers; ++i) {
        const QString& name = players.names[i];
        const int points = players.points[i];
        QString row = points == 1 ? extraText(Extra::PlayerOnePoint).arg(name)
                                  : extraText(Extra::PlayerPoints).arg(name).arg(points);
        if (i == players.current)
            row = extraText(Extra::YourTurn).arg(row);
        m_rows[i]->setAccessibleName(row);
    }
}

void Board::setButtonTexts()
{
    m_buttons[3]->setText(LoadText(150));
    m_buttons[0]->setToolTip(LoadText(169));
    m_buttons[1]->setToolTip(LoadText(170));
    m_buttons[2]->setToolTip(LoadText(168));
}

void Board::setSpeaker(bool on, const QString& text)
{
    m_speakerOn = on;
    m_speak->setToolTip(text);
    m_speak->setAccessibleName(text);
    placeSpeakButton();
}

void Board::announce(std::function<QString()> text)
{
    m_statusText = std::move(text);
    m_status->tell(m_statusText());
}

void Board::announceGuess(QChar letter, const GuessOutcome& outcome, const QString& turnOf, const QString& winner)
{
    // Kept as the parts of the news, so a language switch tells it again in the new language.
    announce([kind = outcome.kind, letter, word = outcome.word, turnOf, winner] {
        QStringList news;
        switch (kind) {
        case Guess::Hit:
            news << extraText(Extra::StatusHit).arg(letter);
            break;
        case Guess::Miss:
        case Guess::Lost:
            news << extraText(Extra::StatusMiss).arg(letter);
            if (kind == Guess::Lost)
                news << extraText(Extra::StatusLost);
            if (!turnOf.isEmpty())
                news << extraText(Extra::StatusTurn).arg(turnOf);
            break;
        case Guess::Solved:
        case Guess::Won:
            news << extraText(Extra::StatusSolved).arg(word);
            if (kind == Guess::Won)
                news << extraText(Extra::WinnerSpoken).arg(winner);
            break;
        default:
            break;
        }
        return news.join(QLatin1Char(' '));
    });
}

void Board::announceSolution(const QString& word)
{
    const auto before = m_statusText;
    announce([before, word] {
        return (before ? before() + QLatin1Char(' ') : QString()) + extraText(Extra::StatusSolution).arg(word);
    });
}
