// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's settings command: show the dialog, then apply what changed.
#include "common/Allgemein.h"
#include "common/Await.h"
#include "game/Flow.h"
#include "game/wupp.h"
#include "game/WordPicture.h"
#include "settings/Einst.h"

#include <QWindow>

QCoro::Task<> wupp::mnuOpt_Click()
{
    BusyScope busy(m_game);
    const FlowGuard guard(m_game);
    g().EinstGeaendert = False;
    const qint16 motif = g().MotivNr;
    Einst* dialog = &Einst::instance();
    dialog->edit(m_settings);
    // The dialog belongs to the main window: the window manager keeps it over the main window
    // and minimizes and restores the two together.
    dialog->winId();
    winId();
    dialog->windowHandle()->setTransientParent(windowHandle());
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    co_await signalOrEnd(dialog, &Einst::dismissed);
    if (!guard.windowAlive())
        co_return;
    if (g().MotivNr != motif)
        Motiv_Wahl();
    // The picture clue counts from the word in play on.
    if (round().takesGuesses()) {
        if (m_settings.pictureClue && m_board->wordPicture()->isHidden())
            m_game->showWordPictureClue(round().word());
        else if (!m_settings.pictureClue && m_board->wordPicture()->isClue())
            m_board->hideWordPicture();
    }
    if (g().EinstGeaendert) {
        m_game->zurueck();
        m_game->LiesWortschatz();
        co_await m_game->nextWordOfTheGame();
    }
}
