// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The voice's commands on the main window: the "Speak" item of the options menu and the command that
// says the word again, from the game menu, Ctrl+R or the loudspeaker button beside the hint button.
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "game/wupp.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QAction>
#include <QMenu>

namespace {
QString withoutMnemonic(QString text) { return text.remove(QLatin1Char('&')); }
} // namespace

void wupp::buildSpeech()
{
    // Beside the switches of effects and music.
    mnuSprechen = addOptionItem(QStringLiteral("mnuSprechen"), extraText(Extra::Speak), mnuPlayMusic,
                                &wupp::mnuSprechen_Click);

    mnuSagen = new QAction(extraText(Extra::SayAgain), this);
    mnuSagen->setObjectName(QStringLiteral("mnuSagen"));
    mnuSagen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuSagen->setShortcutContext(Qt::WindowShortcut);
    mnuSpiel->insertAction(mnuWeiter, mnuSagen);
    connect(mnuSagen, &QAction::triggered, this, [this] { mnuSagen_Click(); });
    applySpeech();
}

void wupp::applySpeech()
{
    // The settings in play hold the choice; without one the voice speaks where it is installed.
    m_narrator.setChoice(m_settings.speak);
    const bool on = m_narrator.isOn();
    mnuSprechen->setChecked(on);
    mnuSprechen->setText(extraText(Extra::Speak));
    mnuSagen->setText(extraText(Extra::SayAgain));
    mnuSagen->setEnabled(on);
    m_board->setSpeaker(on, withoutMnemonic(extraText(Extra::SayAgain)));
}

void wupp::mnuSprechen_Click()
{
    step(QStringLiteral("mnuSprechen_Click"), [&] {
        const bool on = !m_narrator.isOn();
        m_settings.speak = on;
        if (!on)
            m_narrator.languageChanged();
        SaveIni(keys::Optionen, keys::Sprechen, numberForm(on ? -1 : 0));
        applySpeech();
        // A long word makes room for the loudspeaker, or takes its room back.
        positionieren();
    });
}

void wupp::mnuSagen_Click()
{
    m_narrator.repeat();
}
