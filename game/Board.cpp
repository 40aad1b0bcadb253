// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Building the board's controls in their design-time state, and the board's style sheet.
#include "game/Board.h"
#include "game/BoardAccess.h"
#include "game/BoardColours.h"
#include "game/BoardFocus.h"
#include "game/BoardJoy.h"
#include "game/Rules.h"
#include "game/WordPicture.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "i18n/Letters.h"

#include <QFrame>
#include <QPushButton>
#include <QToolButton>

#include <cmath>

using layout::toPixels;

// The board's colours and frames; borders and corners grow with the board.
QString boardStyleSheet(double scale, const colours::Scheme& c)
{
    const auto colour = [](colours::Rgb rgb) { return QColor::fromRgb(rgb).name(); };
    const auto px = [scale](double pixels) { return QString::number(std::max(1L, std::lround(pixels * scale))); };
    return QStringLiteral(R"(
QWidget#board { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8e4, stop:1 #ffe7b0); }
QFrame#fraNamen { background: #fffdf6; border: %1px solid #f0a848; border-radius: %2px; }
QPushButton#PicBut_3 { background: %6; color: %7; font-weight: bold; border: %3px solid %8;
                       border-radius: %4px; }
QPushButton#PicBut_3:hover { background: %9; }
QToolButton { background: #fffdf6; border: %3px solid #f0a848; border-radius: %5px; }
QToolButton:hover { background: #fff0c8; }
QToolButton:pressed { background: #ffe2a0; }
)")
        .arg(px(3), px(14), px(2), px(10), px(8))
        .arg(colour(c.nextBack), colour(c.nextText), colour(c.nextBorder), colour(c.nextHover));
}

namespace {
void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}
} // namespace

Board::Board(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("board"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(boardStyleSheet(1, colours::classic()));
    m_joy = new BoardJoy(this);
    build();
}

void Board::build()
{
    for (int i = 0; i < StageCount; ++i) {
        m_stages[i] = new PictureLabel(this);
        m_stages[i]->setObjectName(QStringLiteral("B_Folge_%1").arg(i));
        m_stages[i]->resize(toPixels(layout::PictureSize), toPixels(layout::PictureSize));
        m_stages[i]->hide();
    }

    m_strip = new PictureLabel(this);
    m_strip->setObjectName(QStringLiteral("Picture1"));
    m_strip->resize(toPixels(layout::StripWidth), toPixels(layout::StripHeight));
    m_strip->setPicture({PictureKind::Strip, 0});
    m_strip->hide();
    for (int i = 0; i < rules::LetterCount; ++i) {
        auto* card = new PictureButton(m_strip);
        card->setObjectName(QStringLiteral("alpha_%1").arg(i));
        card->tag = rules::letterOf(i);
        place(card, layout::letterPlaces[i].left, layout::letterPlaces[i].top, layout::LetterWidth,
              layout::LetterHeight);
        card->setPicture({PictureKind::Letter, i});
        card->setEnabled(false);
        card->setVisible(i < 26);
        connect(card, &PictureButton::clicked, this, [this, i] { emit cardClicked(i); });
        m_cards[i] = card;
    }

    auto* tile = new PictureLabel(this);
    tile->setObjectName(QStringLiteral("Feld_0"));
    tile->resize(toPixels(layout::LetterWidth), toPixels(layout::LetterHeight));
    tile->setPicture({PictureKind::Tile, 0});
    tile->hide();
    m_tiles.push_back(tile);

    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("PicBut_%1").arg(i));
        button->setIconSize(QSize(32, 32));
        button->resize(toPixels(layout::PicButSize), toPixels(layout::PicButSize));
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRaise(false);
        button->hide();
        m_buttons[i] = button;
    }
    setButtonIcons();
    auto* next = new QPushButton(catalogueText(150), this);
    next->setObjectName(QStringLiteral("PicBut_3"));
    next->resize(toPixels(layout::NextWordWidth), toPixels(layout::NextWordHeight));
    next->setFocusPolicy(Qt::NoFocus);
    next->hide();
    m_buttons[3] = next;
    for (int i = 0; i < 4; ++i)
        connect(m_buttons[i], &QAbstractButton::clicked, this, [this, i] { emit buttonClicked(i); });

    m_names = new QFrame(this);
    m_names->setObjectName(QStringLiteral("fraNamen"));
    m_names->resize(toPixels(layout::NamesWidth), toPixels(layout::NamesHeight));
    m_names->hide();
    for (int i = 0; i < 4; ++i) {
        m_rows[i] = new NameLabel(m_names);
        m_rows[i]->setObjectName(QStringLiteral("Spieler_%1").arg(i));
        m_rows[i]->resize(toPixels(2220), toPixels(layout::TokenWidth));
        QFont f = m_rows[i]->font();
        f.setPointSize(12);
        f.setBold(true);
        m_rows[i]->setFont(f);
    }
    for (int p = 0; p < int(m_tokens.size()); ++p) {
        m_tokens[p] = new PictureLabel(m_names);
        m_tokens[p]->setObjectName(QStringLiteral("Punkt_%1").arg(p));
        m_tokens[p]->resize(toPixels(layout::TokenWidth), toPixels(layout::TokenHeight));
        m_tokens[p]->hide();
    }

    m_status = new StatusLine(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_status->move(0, 0);
    announce([] { return extraText(Extra::StatusName); });

    auto* speak = new QToolButton(this);
    speak->setObjectName(QStringLiteral("SagBut"));
    speak->setFocusPolicy(Qt::NoFocus);
    speak->hide();
    connect(speak, &QAbstractButton::clicked, this, &Board::speakClicked);
    m_speak = speak;

    m_wordPicture = new WordPictureCard(this);
    new FocusRing(this);
    chainBoardControls({m_buttons[0], m_buttons[1], m_buttons[2], m_speak, m_buttons[3]}, m_cards, letters::current());
}
