// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small letters: "Options > Small letters" hangs the cards a..z (and the language's ä ö ü å) in the
// font for beginning readers, and the tiles show the word as its list writes it, so a German noun
// keeps its capital ("Elefant"). Typing is the same either way. Off (the default), the cards and
// tiles are the capitals they always were.
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "game/wupp.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QAction>
#include <QMenu>

void wupp::buildSmallLetters()
{
    mnuKlein = addOptionItem(QStringLiteral("mnuKlein"), extraText(Extra::SmallLetters), mnuBild, &wupp::mnuKlein_Click);
    applySmallLetters();
}

void wupp::applySmallLetters()
{
    mnuKlein->setText(extraText(Extra::SmallLetters));
    mnuKlein->setChecked(m_settings.smallLetters);
    m_board->showSmallLetters(m_settings.smallLetters);
}

void wupp::mnuKlein_Click()
{
    step(QStringLiteral("mnuKlein_Click"), [&] {
        m_settings.smallLetters = !m_settings.smallLetters;
        SaveIni(keys::Optionen, keys::Klein, numberForm(m_settings.smallLetters ? -1 : 0));
        applySmallLetters();
    });
}
