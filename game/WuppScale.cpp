// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board scale: the whole board grows with a large window, every element by the same factor.
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "Pictures.h"
#include "game/BoardColours.h"
#include "game/Rules.h"
#include "game/wupp.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QPainter>

using layout::toPixels;

QString boardStyleSheet(double scale, const colours::Scheme& colours);

namespace {
constexpr double NameWidth = 2220;   // a player's name label
constexpr double NameLeft = 120;
constexpr double NamePoints = 12;    // the font in which names are shown and measured
constexpr int NameIndent = 4;        // pixels
constexpr int ButtonIcon = 32;       // pixels
} // namespace

layout::Board wupp::currentBoard() const
{
    const QRect outer = outerTwips();
    const QSizeF client(layout::toTwips(board->width()), layout::toTwips(board->height()));
    double scale = 1;
    if (m_settings.fitBoard)
        scale = layout::boardScale(QSizeF(outer.size()), client);
    layout::Room room;
    room.clientHeight = client.height();
    room.wordLength = int(m_round.word().size());
    room.growTiles = m_settings.fitBoard;
    return layout::arrange(outer.width(), outer.height(), scale, room);
}

void wupp::mnuAnpassen_Click()
{
    step(QStringLiteral("mnuAnpassen_Click"), [&] {
        m_settings.fitBoard = !m_settings.fitBoard;
        mnuAnpassen->setChecked(m_settings.fitBoard);
        SaveIni(keys::Optionen, keys::Anpassen, numberForm(m_settings.fitBoard ? -1 : 0));
        positionieren();
    });
}

void wupp::placePlayerRows()
{
    const double s = m_scale;
    for (int i = 0; i < 4; ++i) {
        // One row per player, a token's height and a half apart.
        const double top = int(1.5 * (layout::TokenWidth * i) + 400);
        Spieler[i]->setGeometry(toPixels(NameLeft * s), toPixels(top * s), toPixels(NameWidth * s),
                                toPixels(layout::TokenWidth * s));
        for (int k = 0; k < 8; ++k)
            Punkt[i * 8 + k]->setGeometry(toPixels((layout::TokenWidth * k + 2400) * s), toPixels(top * s),
                                          toPixels(layout::TokenWidth * s), toPixels(layout::TokenHeight * s));
    }
}

void wupp::applyBoardScale(double s)
{
    m_scale = s;
    // A new style sheet hands each control the palette and font it had before the old one: it
    // comes first, and the names' colours and the fonts are set again after it.
    board->setStyleSheet(boardStyleSheet(s, colours::scheme(m_settings.clearSigns)));
    const auto sized = [s](QWidget* w, double width, double height) {
        w->resize(toPixels(width * s), toPixels(height * s));
    };
    for (int i = 1; i < 10; ++i)
        sized(B_Folge[i], layout::PictureSize, layout::PictureSize);
    // The first picture may be growing into view: it keeps its share of the full height.
    const double grown = B_Folge[0]->height() / double(std::max(1, B_Folge[0]->width()));
    B_Folge[0]->resize(B_Folge[1]->width(), toPixels(layout::PictureSize * s * std::min(1.0, grown)));
    sized(Picture1, layout::StripWidth, layout::StripHeight);
    hangLetterCards();
    for (int i = 0; i < 3; ++i) {
        sized(PicBut[i], layout::PicButSize, layout::PicButSize);
        PicBut[i]->setIconSize(QSize(int(std::lround(ButtonIcon * s)), int(std::lround(ButtonIcon * s))));
    }
    sized(PicBut[3], layout::NextWordWidth, layout::NextWordHeight);
    QFont caption = QApplication::font(PicBut[3]);
    caption.setPointSizeF(caption.pointSizeF() * s);
    PicBut[3]->setFont(caption);
    sized(fraNamen, layout::NamesWidth, layout::NamesHeight);
    for (NameLabel* label : Spieler) {
        QFont f = label->font();
        f.setPointSizeF(NamePoints * s);
        label->setFont(f);
        // With clear signs the indent leaves room for the turn star, whoever's turn it is, so a
        // name never moves when the turn passes.
        const int room = m_settings.clearSigns ? NameIndent + art::kTurnMarkSize + NameIndent : NameIndent;
        label->setIndent(int(std::lround(room * s)));
    }
    placePlayerRows();
    for (NameLabel* label : Spieler)
        label->setColours(label->background(), label->textColour());
    // The pictures of the old size are no longer shown.
    forgetBoardPixmaps();
    setButtonIcons();
}

void wupp::hangLetterCards()
{
    const double s = m_scale;
    for (int i = 0; i < rules::LetterCount; ++i) {
        const layout::LetterPlace& at = layout::letterPlaces[letters::placeOf(i, g().SprachOffset)];
        alpha[i]->setGeometry(toPixels(at.left * s), toPixels(at.top * s), toPixels(layout::LetterWidth * s),
                              toPixels(layout::LetterHeight * s));
    }
}

namespace {
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

void wupp::setButtonIcons()
{
    for (int i = 0; i < 3; ++i) {
        // Drawn at the pixels the icon covers on this screen.
        QPixmap picture = boardPixmap({PictureKind::Button, i}, PicBut[i]->iconSize(), devicePixelRatioF());
        if (i == 2 && m_hintsShown > 0)
            picture = withCount(picture, m_hintsShown);
        PicBut[i]->setIcon(QIcon(picture));
    }
}
