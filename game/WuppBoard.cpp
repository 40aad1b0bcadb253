// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Building the main window's menus and board in their design-time state.
#include "game/BoardAccess.h"
#include "game/wupp.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "i18n/RecordTexts.h"

#include <QMenuBar>

namespace {
QAction* item(QMenu* menu, int captionId, const QKeySequence& shortcut = {})
{
    // Design-time captions are German; the language is applied at the first activation.
    auto* action = menu->addAction(captionId ? catalogueText(captionId) : QString());
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}
} // namespace

void wupp::buildMenus()
{
    QMenuBar* bar = menuBar();
    mnuSpiel = bar->addMenu(catalogueText(130));
    mnuStart = item(mnuSpiel, 0, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuStart->setText(QStringLiteral("&Start"));
    mnuTipp = item(mnuSpiel, 167, QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuTipp->setEnabled(false);
    mnuWeiter = item(mnuSpiel, 132, QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuWeiter->setEnabled(false);
    mnuSpiel->addSeparator();
    mnuEnde = item(mnuSpiel, 131, QKeySequence(Qt::CTRL | Qt::Key_E));

    mnuOption = bar->addMenu(catalogueText(118));
    mnuOpt = item(mnuOption, 133);
    mnuOption->addSeparator();
    mnuSprache = mnuOption->addMenu(catalogueText(139));
    const char* const languages[4] = {"&Deutsch", "&English", "&Svenska", "&Italiano"};
    for (int i = 0; i < 4; ++i) {
        mnuLang[i] = mnuSprache->addAction(QString::fromLatin1(languages[i]));
        mnuLang[i]->setCheckable(true);
    }
    mnuLang[0]->setChecked(true);
    mnuOption->addSeparator();
    mnuPlaySounds = item(mnuOption, 103);
    mnuPlaySounds->setCheckable(true);
    mnuPlaySounds->setChecked(true);
    mnuPlayMusic = item(mnuOption, 171);
    mnuPlayMusic->setCheckable(true);
    mnuPlayMusic->setChecked(true);
    mnuOption->addSeparator();
    mnuAnpassen = mnuOption->addAction(extraText(Extra::FitBoard));
    mnuAnpassen->setCheckable(true);
    mnuAnpassen->setChecked(true);
    mnuProgress = mnuOption->addAction(recordText(RecordText::Progress));

    mnuHilf = bar->addMenu(catalogueText(134));
    mnuHilfe = item(mnuHilf, 134, QKeySequence(Qt::Key_F1));
    mnuHilf->addSeparator();
    mnuHomepage = item(mnuHilf, 136);
    mnuEMail = item(mnuHilf, 135);
    mnuHilf->addSeparator();
    mnuUeber = item(mnuHilf, 137, QKeySequence(Qt::CTRL | Qt::Key_F1));

    connect(mnuStart, &QAction::triggered, this, [this] { launch(mnuStart_Click()); });
    connect(mnuTipp, &QAction::triggered, this, [this] { launch(mnuTipp_Click()); });
    connect(mnuWeiter, &QAction::triggered, this, [this] { launch(mnuWeiter_Click()); });
    connect(mnuEnde, &QAction::triggered, this, [this] { mnuEnde_Click(); });
    connect(mnuOpt, &QAction::triggered, this, [this] { launch(mnuOpt_Click()); });
    connect(mnuProgress, &QAction::triggered, this, [this] { mnuProgress_Click(); });
    for (int i = 0; i < 4; ++i) {
        // A click on a language item only moves the check mark through the handler.
        connect(mnuLang[i], &QAction::triggered, this, [this, i] {
            mnuLang[i]->setChecked(!mnuLang[i]->isChecked());
            launch(mnuLang_Click(i));
        });
    }
    connect(mnuPlaySounds, &QAction::triggered, this, [this] {
        mnuPlaySounds->setChecked(!mnuPlaySounds->isChecked());
        mnuPlaySounds_Click();
    });
    connect(mnuPlayMusic, &QAction::triggered, this, [this] {
        mnuPlayMusic->setChecked(!mnuPlayMusic->isChecked());
        mnuPlayMusic_Click();
    });
    connect(mnuAnpassen, &QAction::triggered, this, [this] {
        mnuAnpassen->setChecked(!mnuAnpassen->isChecked());
        mnuAnpassen_Click();
    });
    connect(mnuHilfe, &QAction::triggered, this, [this] { mnuHilfe_Click(); });
    connect(mnuHomepage, &QAction::triggered, this, [this] { mnuHomepage_Click(); });
    connect(mnuEMail, &QAction::triggered, this, [this] { mnuEMail_Click(); });
    connect(mnuUeber, &QAction::triggered, this, [this] { mnuUeber_Click(); });
}

QAction* wupp::addOptionItem(const QString& objectName, const QString& text, QAction* after, void (wupp::*click)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(objectName);
    action->setCheckable(true);
    const QList<QAction*> options = mnuOption->actions();
    const qsizetype at = options.indexOf(after);
    mnuOption->insertAction(at >= 0 && at + 1 < options.size() ? options[at + 1] : nullptr, action);
    connect(action, &QAction::triggered, this, [this, action, click] {
        action->setChecked(!action->isChecked());
        (this->*click)();
    });
    return action;
}

void wupp::buildBoard()
{
    // Before the first control: an accessible object, once asked for, keeps its role.
    installBoardAccessibility();
    m_board = new Board(this);
    setCentralWidget(m_board);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_board, &Board::cardClicked, this, [this](int i) { launch(alpha_Click(i)); });
    connect(m_board, &Board::buttonClicked, this, [this](int i) { launch(PicBut_Click(i)); });
    connect(m_board, &Board::speakClicked, this, [this] { mnuSagen_Click(); });
}
