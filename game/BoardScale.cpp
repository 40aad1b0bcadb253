// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board's scale and places: the whole board grows with a large window, every element by the
// same factor, and each element stands where the layout puts it.
#include "Pictures.h"
#include "game/Board.h"
#include "game/BoardColours.h"
#include "game/BoardJoy.h"
#include "game/Rules.h"
#include "game/WordPicture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QPainter>

#include <cmath>

using layout::toPixels;

QString boardStyleSheet(double scale, const colours::Scheme& colours);

namespace {
constexpr double NameWidth = 2220;   // a player's name label
constexpr double NameLeft = 120;
constexpr double NamePoints = 12;    // the font in which names are shown and measured
constexpr int NameIndent = 4;        // pixels
constexpr int ButtonIcon = 32;       // pixels
constexpr int SpeakerUnits = 32;     // the loudspeaker's design size, as the other square buttons'

// The hint button's picture with the number of hints left in a round badge at its lower right.
QPixmap withCount(const QPixmap& picture, int count)
{
    QPixmap badged = picture.copy();
    const qreal ratio = badged.devicePixelRatio();
    const QSizeF size = QSizeF(badged.size()) / ratio;
    QPainter painter(&badged);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal d = size.width() * 0.5;
    const QRectF circle(size.width() - d, size.height() - d, d, d);
    painter.setPen(QPen(Qt::white, std::max(1.0, d / 10)));
    painter.setBrush(QColor(0x1f, 0x4e, 0x9c));
    painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(std::max(6, int(d * 0.72)));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, QString::number(count));
    return badged;
}
} // namespace

void Board::placePlayerRows()
{
    const double s = m_scale;
    for (int i = 0; i < 4; ++i) {
        // One row per player, a token's height and a half apart.
        const double top = int(1.5 * (layout::TokenWidth * i) + 400);
        m_rows[i]->setGeometry(toPixels(NameLeft * s), toPixels(top * s), toPixels(NameWidth * s),
                               toPixels(layout::TokenWidth * s));
        for (int k = 0; k < TokensPerPlayer; ++k)
            token(i, k)->setGeometry(toPixels((layout::TokenWidth * k + 2400) * s), toPixels(top * s),
                                     toPixels(layout::TokenWidth * s), toPixels(layout::TokenHeight * s));
    }
}

void Board::applyScale(double s, bool clearSigns)
{
    m_scale = s;
    // A new style sheet hands each control the palette and font it had before the old one: it
    // comes first, and the names' colours and the fonts are set again after it.
    setStyleSheet(boardStyleSheet(s, colours::scheme(clearSigns)));
    const auto sized = [s](QWidget* w, double width, double height) {
        w->resize(toPixels(width * s), toPixels(height * s));
    };
    for (int i = 1; i < StageCount; ++i)
        sized(m_stages[i], layout::PictureSize, layout::PictureSize);
    // The first picture may be growing into view: it keeps its share of the full height.
    const double grown = m_stages[0]->height() / double(std::max(1, m_stages[0]->width()));
    m_stages[0]->resize(m_stages[1]->width(), toPixels(layout::PictureSize * s * std::min(1.0, grown)));
    sized(m_strip, layout::StripWidth, layout::StripHeight);
    hangCards(m_language);
    for (int i = 0; i < 3; ++i) {
        sized(m_buttons[i], layout::PicButSize, layout::PicButSize);
        m_buttons[i]->setIconSize(QSize(int(std::lround(ButtonIcon * s)), int(std::lround(ButtonIcon * s))));
    }
    sized(m_buttons[3], layout::NextWordWidth, layout::NextWordHeight);
    QFont caption = QApplication::font(m_buttons[3]);
    caption.setPointSizeF(caption.pointSizeF() * s);
    m_buttons[3]->setFont(caption);
    sized(m_names, layout::NamesWidth, layout::NamesHeight);
    for (NameLabel* label : m_rows) {
        QFont f = label->font();
        f.setPointSizeF(NamePoints * s);
        label->setFont(f);
        // With clear signs the indent leaves room for the turn star, whoever's turn it is, so a
        // name never moves when the turn passes.
        const int room = clearSigns ? NameIndent + art::kTurnMarkSize + NameIndent : NameIndent;
        label->setIndent(int(std::lround(room * s)));
    }
    placePlayerRows();
    for (NameLabel* label : m_rows)
        label->setColours(label->background(), label->textColour());
    // The pictures of the old size are no longer shown.
    forgetBoardPixmaps();
    setButtonIcons();
}

void Board::hangCards(int languageOffset)
{
    m_language = languageOffset;
    const double s = m_scale;
    for (int i = 0; i < rules::LetterCount; ++i) {
        const layout::LetterPlace& at = layout::letterPlaces[letters::placeOf(i, languageOffset)];
        m_cards[i]->setGeometry(toPixels(at.left * s), toPixels(at.top * s), toPixels(layout::LetterWidth * s),
                                toPixels(layout::LetterHeight * s));
    }
}

void Board::setButtonIcons()
{
    for (int i = 0; i < 3; ++i) {
        // Drawn at the pixels the icon covers on this screen.
        QPixmap picture = boardPixmap({PictureKind::Button, i}, m_buttons[i]->iconSize(), devicePixelRatioF());
        if (i == 2 && m_hintsShown > 0)
            picture = withCount(picture, m_hintsShown);
        m_buttons[i]->setIcon(QIcon(picture));
    }
}

void Board::showHintCount(int count)
{
    if (count == m_hintsShown)
        return;
    m_hintsShown = count;
    setButtonIcons();
}

void Board::arrange(const layout::Board& b, int wordLength, bool clearSigns)
{
    m_joy->boardLaidOut();
    if (b.scale != m_scale)
        applyScale(b.scale, clearSigns);
    auto moveTo = [](QWidget* w, const layout::Point& p) { w->move(toPixels(p.left), toPixels(p.top)); };
    for (PictureLabel* stage : m_stages)
        moveTo(stage, b.picture);
    for (int i = 0; i < 3; ++i) {
        moveTo(m_buttons[i], b.picButtons[i]);
        // The hint button shows only while hints are on for the word.
        if (i < 2)
            m_buttons[i]->show();
    }
    moveTo(m_strip, b.strip);
    m_strip->show();
    moveTo(m_names, b.names);
    m_names->show();
    const int n = wordLength;
    const QSize tileSize(toPixels(b.tileSize().width()), toPixels(b.tileSize().height()));
    for (int i = 0; i < int(m_tiles.size()); ++i) {
        m_tiles[i]->resize(tileSize);
        if (i <= n)
            m_tiles[i]->move(toPixels(b.tileLeft(i, n)), toPixels(b.tileTop));
    }
    moveTo(m_buttons[3], b.nextWord);
    placeSpeakButton();
    placeWordPicture();
}

void Board::setMotif(int motif)
{
    for (int i = 0; i < StageCount; ++i)
        m_stages[i]->setPicture({PictureKind::Stage, 101 + i + motif * 10});
    for (PictureLabel* token : m_tokens)
        token->setPicture({PictureKind::Token, motif});
}

void Board::placeSpeakButton()
{
    // Under the hint button, as the start, end and hint buttons stand under each other.
    QAbstractButton* hint = m_buttons[2];
    m_speak->setGeometry(hint->geometry().translated(0, (hint->y() - m_buttons[1]->y())));
    if (m_speak->iconSize() != hint->iconSize() || m_speak->icon().isNull()) {
        m_speak->setIconSize(hint->iconSize());
        const qreal ratio = devicePixelRatioF();
        QImage picture = art::drawSpeakButton(qreal(hint->iconSize().width()) * ratio / SpeakerUnits);
        picture.setDevicePixelRatio(ratio);
        m_speak->setIcon(QIcon(QPixmap::fromImage(picture)));
    }
    m_speak->setVisible(m_speakerOn && m_buttons[0]->isVisible());
}

void Board::placeWordPicture()
{
    const QRect stage(m_stages[1]->x(), m_stages[1]->y(), m_stages[1]->width(), m_stages[1]->width());
    if (m_wordPicture->isClue()) {
        // The lower right quarter and a little more, where the stage pictures show the least.
        const int side = stage.width() * 9 / 20;
        m_wordPicture->setGeometry(stage.right() + 1 - side, stage.bottom() + 1 - side, side, side);
    } else {
        m_wordPicture->setGeometry(stage);
    }
}
