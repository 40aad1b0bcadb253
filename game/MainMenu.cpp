// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/MainMenu.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "i18n/RecordTexts.h"

#include <QMainWindow>
#include <QMenuBar>

namespace {
QAction* item(QMenu* menu, const QKeySequence& shortcut = {})
{
    auto* action = menu->addAction(QString());
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}
} // namespace

MainMenu::MainMenu(QMainWindow* window) : QObject(window)
{
    QMenuBar* bar = window->menuBar();
    mnuSpiel = bar->addMenu(QString());
    mnuStart = item(mnuSpiel, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuStart->setText(QStringLiteral("&Start"));
    mnuTipp = item(mnuSpiel, QKeySequence(Qt::CTRL | Qt::Key_T));
    mnuTipp->setEnabled(false);
    mnuSagen = item(mnuSpiel, QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuSagen->setObjectName(QStringLiteral("mnuSagen"));
    mnuWeiter = item(mnuSpiel, QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuWeiter->setEnabled(false);
    mnuSpiel->addSeparator();
    mnuEnde = item(mnuSpiel, QKeySequence(Qt::CTRL | Qt::Key_E));

    mnuOption = bar->addMenu(QString());
    mnuOpt = item(mnuOption);
    mnuOption->addSeparator();
    mnuSprache = mnuOption->addMenu(QString());
    const char* const languages[4] = {"&Deutsch", "&English", "&Svenska", "&Italiano"};
    for (int i = 0; i < 4; ++i) {
        mnuLang[i] = mnuSprache->addAction(QString::fromLatin1(languages[i]));
        mnuLang[i]->setCheckable(true);
    }
    mnuLang[0]->setChecked(true);
    mnuOption->addSeparator();
    mnuPlaySounds = checkItem(mnuOption, QString());
    mnuPlaySounds->setChecked(true);
    mnuPlayMusic = checkItem(mnuOption, QString());
    mnuPlayMusic->setChecked(true);
    mnuSprechen = checkItem(mnuOption, QStringLiteral("mnuSprechen"));
    mnuOption->addSeparator();
    mnuAnpassen = checkItem(mnuOption, QString());
    mnuAnpassen->setChecked(true);
    mnuBild = checkItem(mnuOption, QStringLiteral("mnuBild"));
    mnuKlein = checkItem(mnuOption, QStringLiteral("mnuKlein"));
    mnuProgress = mnuOption->addAction(QString());

    mnuHilf = bar->addMenu(QString());
    mnuHilfe = item(mnuHilf, QKeySequence(Qt::Key_F1));
    mnuHilf->addSeparator();
    mnuHomepage = item(mnuHilf);
    mnuEMail = item(mnuHilf);
    mnuHilf->addSeparator();
    mnuUeber = item(mnuHilf, QKeySequence(Qt::CTRL | Qt::Key_F1));
    retranslate();
}

QAction* MainMenu::checkItem(QMenu* menu, const QString& objectName)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(objectName);
    action->setCheckable(true);
    return action;
}

void MainMenu::retranslate()
{
    mnuSpiel->setTitle(LoadText(130));
    mnuTipp->setText(LoadText(167));
    mnuSagen->setText(extraText(Extra::SayAgain));
    mnuWeiter->setText(LoadText(132));
    mnuEnde->setText(LoadText(131));
    mnuOption->setTitle(LoadText(118));
    mnuOpt->setText(LoadText(133));
    mnuSprache->setTitle(LoadText(139));
    mnuPlaySounds->setText(LoadText(103));
    mnuPlayMusic->setText(LoadText(171));
    mnuSprechen->setText(extraText(Extra::Speak));
    mnuAnpassen->setText(extraText(Extra::FitBoard));
    mnuBild->setText(extraText(Extra::WordPicture));
    mnuKlein->setText(extraText(Extra::SmallLetters));
    mnuProgress->setText(recordText(RecordText::Progress));
    mnuHilf->setTitle(LoadText(134));
    mnuHilfe->setText(LoadText(134));
    mnuHomepage->setText(LoadText(136));
    mnuEMail->setText(LoadText(135));
    mnuUeber->setText(LoadText(137));
}
