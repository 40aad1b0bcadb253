// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The language menu and the re-labelling of the main window.
#include "about/HelpFile.h"
#include "common/Allgemein.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "common/Platform.h"
#include "common/Version.h"
#include "game/Flow.h"
#include "game/wupp.h"
#include "i18n/Catalogue.h"
#include "i18n/QtTranslations.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>

QCoro::Task<> wupp::mnuLang_Click(int index)
{
    if (index < 0 || index > 3)
        co_return;
    BusyScope busy(m_game);
    const FlowGuard guard(m_game);
    const QString tag = QStringLiteral("mnuLang_Click");
    if (round().running()) {
        // The notice in the old language, then in the new one.
        const QString text =
            LoadText(172) + QStringLiteral("\r\n\r\n") + catalogueText(index * 1000 + 172);
        const Answer answer = platform().dialogs->message(text, LoadText(100), Icon::Question, Buttons::OKCancel);
        if (!guard.windowAlive() || answer != Answer::OK)
            co_return;
        m_game->zurueck();
    }
    const qint16 old = g().SprachOffset;
    g().SprachOffset = static_cast<qint16>(index * 1000);
    Sprache();
    for (QAction* item : m_menu->mnuLang)
        item->setChecked(false);
    step(tag, [] { SaveIni(keys::Optionen, keys::Sprache, numberForm(g().SprachOffset)); });
    m_menu->mnuLang[index]->setChecked(true);
    if (g().SprachOffset != old)
        m_game->LiesWortschatz();
    if (round().running())
        co_await m_game->startAgain();
}

void wupp::Sprache()
{
    step(QStringLiteral("Sprache"), [&] {
        helpFile() = LoadText(145);
        g().ProgrammTitel = LoadText(100);
        // Qt's own texts too: dialog buttons, the file dialog, the key names in the menus.
        applyQtTranslations(g().SprachOffset);
        m_menu->retranslate();
        m_board->setButtonTexts();
        m_board->hangCards(g().SprachOffset);
        // Before the first word the line shows the language's cards, umlauts included; during
        // a game the next word's draw shows them.
        if (!round().running())
            m_board->showLanguageCards(letters::current());
        g().WortDatei = loadWordFile(g().SprachOffset);
        setWindowTitle(g().ProgrammTitel + QStringLiteral("  Version ") + versionText());
        m_narrator.languageChanged();
        applySpeech();
        m_menu->mnuBild->setChecked(m_settings.pictureAfterWord);
        applySmallLetters();
        m_board->nameAll(m_game->players());
    });
}
