// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The board in the window, and what each menu item, card and button of the board sets going.
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "game/BoardAccess.h"
#include "game/wupp.h"
#include "i18n/Catalogue.h"

#include <QAction>
#include <QMenu>

void wupp::buildBoard()
{
    // Before the first control: an accessible object, once asked for, keeps its role.
    installBoardAccessibility();
    m_board = new Board(this);
    setCentralWidget(m_board);
    setFocusPolicy(Qt::StrongFocus);
}

void wupp::connectCommands()
{
    const MainMenu& m = *m_menu;
    connect(m_board, &Board::cardClicked, this, [this](int i) { launch(alpha_Click(i)); });
    connect(m_board, &Board::buttonClicked, this, [this](int i) { launch(PicBut_Click(i)); });
    connect(m_board, &Board::speakClicked, this, [this] { mnuSagen_Click(); });
    connect(m.mnuStart, &QAction::triggered, this, [this] { launch(mnuStart_Click()); });
    connect(m.mnuTipp, &QAction::triggered, this, [this] { launch(mnuTipp_Click()); });
    connect(m.mnuSagen, &QAction::triggered, this, [this] { mnuSagen_Click(); });
    connect(m.mnuWeiter, &QAction::triggered, this, [this] { launch(mnuWeiter_Click()); });
    connect(m.mnuEnde, &QAction::triggered, this, [this] { mnuEnde_Click(); });
    connect(m.mnuOpt, &QAction::triggered, this, [this] { launch(mnuOpt_Click()); });
    connect(m.mnuProgress, &QAction::triggered, this, [this] { mnuProgress_Click(); });
    connect(m.mnuHilfe, &QAction::triggered, this, [this] { mnuHilfe_Click(); });
    connect(m.mnuHomepage, &QAction::triggered, this, [this] { mnuHomepage_Click(); });
    connect(m.mnuEMail, &QAction::triggered, this, [this] { mnuEMail_Click(); });
    connect(m.mnuUeber, &QAction::triggered, this, [this] { mnuUeber_Click(); });
    // A click on a check item leaves its check mark to the command, which knows what it shows.
    const auto checkItem = [this](QAction* item, auto command) {
        connect(item, &QAction::triggered, this, [item, command] {
            item->setChecked(!item->isChecked());
            command();
        });
    };
    for (int i = 0; i < 4; ++i)
        checkItem(m.mnuLang[i], [this, i] { launch(mnuLang_Click(i)); });
    checkItem(m.mnuPlaySounds, [this] { mnuPlaySounds_Click(); });
    checkItem(m.mnuPlayMusic, [this] { mnuPlayMusic_Click(); });
    checkItem(m.mnuSprechen, [this] { mnuSprechen_Click(); });
    checkItem(m.mnuAnpassen, [this] { mnuAnpassen_Click(); });
    checkItem(m.mnuBild, [this] { mnuBild_Click(); });
    checkItem(m.mnuKlein, [this] { mnuKlein_Click(); });
    // The two commands that follow the play.
    connect(m_game, &Game::nextWordCommand, m.mnuWeiter, &QAction::setEnabled);
    connect(m_game, &Game::hintCommand, m.mnuTipp, &QAction::setEnabled);
    connect(m_game, &Game::finished, this, &QWidget::close);
}

QCoro::Task<> wupp::PicBut_Click(int index)
{
    switch (index) {
    case 0:
        co_await mnuStart_Click();
        break;
    case 1:
        mnuEnde_Click();
        break;
    case 2:
        co_await mnuTipp_Click();
        break;
    case 3:
        co_await mnuWeiter_Click();
        break;
    default:
        break;
    }
}

void wupp::mnuEnde_Click()
{
    const Answer answer = platform().dialogs->message(LoadText(143), LoadText(144), Icon::Question, Buttons::YesNo);
    if (answer == Answer::Yes && !m_game->closing())
        close();
}
