// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board follows the window's size; the motif decides the pictures.
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "game/BoardJoy.h"
#include "game/Layout.h"
#include "game/wupp.h"

#include <QAbstractButton>
#include <QFrame>
#include <QResizeEvent>

using layout::toPixels;

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
        if (windowState16() == 0) {
            // A normal window is never smaller than its minimum.
            QRect outer = outerTwips();
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
        m_joy->boardLaidOut();
        const layout::Board b = currentBoard();
        if (b.scale != m_scale)
            applyBoardScale(b.scale);
        auto moveTo = [](QWidget* w, const layout::Point& p) { w->move(toPixels(p.left), toPixels(p.top)); };
        for (PictureLabel* stage : B_Folge)
            moveTo(stage, b.picture);
        for (int i = 0; i < 3; ++i) {
            moveTo(PicBut[i], b.picButtons[i]);
            // The hint button shows only while hints are on for the word.
            if (i < 2)
                PicBut[i]->show();
        }
        moveTo(Picture1, b.strip);
        Picture1->show();
        moveTo(fraNamen, b.names);
        fraNamen->show();
        const int n = int(m_round.word().size());
        const QSize tile(toPixels(b.tileSize().width()), toPixels(b.tileSize().height()));
        for (int i = 0; i < int(Feld.size()); ++i) {
            Feld[i]->resize(tile);
            if (i <= n)
                Feld[i]->move(toPixels(b.tileLeft(i, n)), toPixels(b.tileTop));
        }
        moveTo(PicBut[3], b.nextWord);
        placeSpeakButton();
        placeWordPicture();
    });
}

void wupp::Motiv_Wahl()
{
    step(QStringLiteral("Motiv_Wahl"), [&] {
        const int motif = std::clamp<int>(g().MotivNr, 0, 3);
        for (int i = 0; i < 10; ++i)
            B_Folge[i]->setPicture({PictureKind::Stage, 101 + i + motif * 10});
        for (PictureLabel* token : Punkt)
            token->setPicture({PictureKind::Token, motif});
    });
}
