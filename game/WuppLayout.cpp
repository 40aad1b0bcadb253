// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board follows the window's size (and grows with it while the board fits the window); the
// motif decides the pictures.
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "game/wupp.h"

#include <QResizeEvent>

void wupp::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void wupp::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The resize that comes with the first display may arrive before the window counts as
    // visible; lay the board out once it does.
    QMetaObject::invokeMethod(this, [this] { Form_Resize(); }, Qt::QueuedConnection);
}

void wupp::Form_Resize()
{
    step(QStringLiteral("Form_Resize"), [&] {
        if (isMinimized())
            return;
        if (m_placement->state() == 0) {
            // A normal window is never smaller than its minimum.
            QRect outer = m_placement->outerTwips();
            const bool tooSmall = outer.height() < layout::MinHeight || outer.width() < layout::MinWidth;
            if (tooSmall) {
                m_placement->setOuterTwips({outer.left(), outer.top(), std::max(outer.width(), layout::MinWidth),
                                            std::max(outer.height(), layout::MinHeight)});
            }
        }
        positionieren();
    });
}

void wupp::positionieren()
{
    step(QStringLiteral("positionieren"), [&] {
        if (!isVisible() || isMinimized())
            return;
        m_board->arrange(currentBoard(), int(round().word().size()), m_settings.clearSigns);
    });
}

layout::Board wupp::currentBoard() const
{
    const QRect outer = m_placement->outerTwips();
    const QSizeF client(layout::toTwips(m_board->width()), layout::toTwips(m_board->height()));
    double scale = 1;
    if (m_settings.fitBoard)
        scale = layout::boardScale(QSizeF(outer.size()), client);
    layout::Room room;
    room.clientHeight = client.height();
    room.wordLength = int(round().word().size());
    room.growTiles = m_settings.fitBoard;
    room.speaker = m_narrator.isOn();
    return layout::arrange(outer.width(), outer.height(), scale, room);
}

void wupp::Motiv_Wahl()
{
    step(QStringLiteral("Motiv_Wahl"), [&] { m_board->setMotif(std::clamp<int>(g().MotivNr, 0, 3)); });
}
