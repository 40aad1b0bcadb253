// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two switches of the options menu: sound effects and background music.
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "game/wupp.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "sound/Playback.h"

#include <QAction>

void wupp::mnuPlaySounds_Click()
{
    step(QStringLiteral("mnuPlaySounds_Click"), [&] {
        // Switching off does not stop an effect that is playing; it keeps new ones from starting.
        mnuPlaySounds->setChecked(!mnuPlaySounds->isChecked());
        g().SoundAn = flag(mnuPlaySounds->isChecked());
        SaveIni(keys::Einstellungen, keys::Sound, numberForm(g().SoundAn));
    });
}

void wupp::mnuPlayMusic_Click()
{
    step(QStringLiteral("mnuPlayMusic_Click"), [&] {
        if (g().MusikAn)
            CloseMusic();
        mnuPlayMusic->setChecked(!mnuPlayMusic->isChecked());
        g().MusikAn = flag(mnuPlayMusic->isChecked());
        // Every start plays the piece from its beginning.
        if (g().MusikAn)
            MakeMusic();
        SaveIni(keys::Einstellungen, keys::Music, numberForm(g().MusikAn));
    });
}
