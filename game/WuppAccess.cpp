// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader reads of the board, in the current language: the cards, the tiles, the
// picture, the players' rows and buttons, and the status line that names each outcome.
#include "common/Allgemein.h"
#include "game/BoardAccess.h"
#include "game/Rules.h"
#include "game/wupp.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"

#include <QAbstractButton>
#include <QFrame>

QWidget* wupp::statusLine() const { return m_status; }

void wupp::buildStatusLine()
{
    m_status = new StatusLine(board);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->move(0, 0);
    announce([] { return extraText(Extra::StatusName); });
}

void wupp::nameBoard()
{
    Picture1->setAccessibleName(extraText(Extra::CardsName));
    for (PictureButton* card : alpha)
        card->setAccessibleName(QString(card->tag));
    for (int i = 0; i < rules::Stages; ++i)
        B_Folge[i]->setAccessibleName(extraText(Extra::PictureStage).arg(i).arg(rules::LosingStage));
    for (int k = 0; k < int(Punkt.size()); ++k)
        Punkt[k]->setAccessibleName(extraText(Extra::PointToken).arg(k % rules::WinningScore + 1));
    fraNamen->setAccessibleName(extraText(Extra::PlayersName));
    PicBut[0]->setAccessibleName(LoadText(169));
    PicBut[1]->setAccessibleName(LoadText(170));
    PicBut[2]->setAccessibleName(LoadText(168));
    nameTiles();
    namePlayers();
    if (m_statusText)
        m_status->tell(m_statusText());
}

void wupp::nameTiles()
{
    const int count = fieldCount();
    for (int i = 1; i <= count; ++i) {
        // The letter a tile shows, in capitals or small letters alike.
        QChar shown;
        for (int j = 0; j < rules::LetterCount && shown.isNull(); ++j)
            if (Feld[i]->picture().kind == PictureKind::Letter && Feld[i]->picture().index == j)
                shown = alpha[j]->tag;
        Feld[i]->setAccessibleName(shown.isNull() ? extraText(Extra::TileEmpty).arg(i).arg(count)
                                                  : extraText(Extra::TileLetter).arg(i).arg(count).arg(shown));
    }
}

void wupp::namePlayers()
{
    for (int i = 0; i < rules::MaxPlayers; ++i) {
        const QString& name = m_settings.names[i];
        const int points = i < m_round.players() ? m_round.score(i) : 0;
        QString row = points == 1 ? extraText(Extra::PlayerOnePoint).arg(name)
                                  : extraText(Extra::PlayerPoints).arg(name).arg(points);
        if (i == m_round.player())
            row = extraText(Extra::YourTurn).arg(row);
        Spieler[i]->setAccessibleName(row);
    }
}

void wupp::announce(std::function<QString()> text)
{
    m_statusText = std::move(text);
    m_status->tell(m_statusText());
}

void wupp::announceGuess(QChar letter, const GuessOutcome& outcome)
{
    // Kept as the parts of the news, so a language switch tells it again in the new language.
    const QString turnOf = g().AnzahlSpieler > 1 ? m_settings.names[outcome.nextPlayer] : QString();
    const QString winner = m_settings.names[outcome.player];
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

void wupp::announceSolution(const QString& word)
{
    const auto before = m_statusText;
    announce([before, word] {
        return (before ? before() + QLatin1Char(' ') : QString()) + extraText(Extra::StatusSolution).arg(word);
    });
}

void wupp::announceTurn()
{
    if (g().AnzahlSpieler > 1)
        announce([name = m_settings.names[m_round.player()]] { return extraText(Extra::StatusTurn).arg(name); });
}
