// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The switches of the options menu: sound effects, music, the voice, the board's fit, the word's
// picture and small letters. Each is saved at once.
//
// The voice says letters, words and names; the command that says the word again is in the game
// menu, on Ctrl+R and on the loudspeaker beside the hint button. The word's picture stands large
// over the stage picture from the end of a word until the next. Small letters hang the cards a..z
// (and the language's ä ö ü å) in the font for beginning readers, and the tiles show the word as
// its list writes it ("Elefant"); typing is the same either way.
#include "common/Allgemein.h"
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "game/WordPicture.h"
#include "game/wupp.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "sound/Playback.h"

#include <QAction>

namespace {
QString onOff(bool on) { return numberForm(on ? -1 : 0); }
} // namespace

void wupp::mnuPlaySounds_Click()
{
    step(QStringLiteral("mnuPlaySounds_Click"), [&] {
        // Switching off does not stop an effect that is playing; it keeps new ones from starting.
        QAction* item = m_menu->mnuPlaySounds;
        item->setChecked(!item->isChecked());
        g().SoundAn = flag(item->isChecked());
        SaveIni(keys::Einstellungen, keys::Sound, numberForm(g().SoundAn));
    });
}

void wupp::mnuPlayMusic_Click()
{
    step(QStringLiteral("mnuPlayMusic_Click"), [&] {
        if (g().MusikAn)
            CloseMusic();
        QAction* item = m_menu->mnuPlayMusic;
        item->setChecked(!item->isChecked());
        g().MusikAn = flag(item->isChecked());
        // Every start plays the piece from its beginning.
        if (g().MusikAn)
            MakeMusic();
        SaveIni(keys::Einstellungen, keys::Music, numberForm(g().MusikAn));
    });
}

void wupp::applySpeech()
{
    // The settings in play hold the choice; without one the voice speaks where it is installed.
    m_narrator.setChoice(m_settings.speak);
    const bool on = m_narrator.isOn();
    m_menu->mnuSprechen->setChecked(on);
    m_menu->mnuSagen->setEnabled(on);
    m_board->setSpeaker(on, extraText(Extra::SayAgain).remove(QLatin1Char('&')));
}

void wupp::mnuSprechen_Click()
{
    step(QStringLiteral("mnuSprechen_Click"), [&] {
        const bool on = !m_narrator.isOn();
        m_settings.speak = on;
        if (!on)
            m_narrator.languageChanged();
        SaveIni(keys::Optionen, keys::Sprechen, onOff(on));
        applySpeech();
        // A long word makes room for the loudspeaker, or takes its room back.
        positionieren();
    });
}

void wupp::mnuAnpassen_Click()
{
    step(QStringLiteral("mnuAnpassen_Click"), [&] {
        m_settings.fitBoard = !m_settings.fitBoard;
        m_menu->mnuAnpassen->setChecked(m_settings.fitBoard);
        SaveIni(keys::Optionen, keys::Anpassen, onOff(m_settings.fitBoard));
        positionieren();
    });
}

void wupp::mnuBild_Click()
{
    step(QStringLiteral("mnuBild_Click"), [&] {
        m_settings.pictureAfterWord = !m_settings.pictureAfterWord;
        SaveIni(keys::Optionen, keys::Bild, onOff(m_settings.pictureAfterWord));
        m_menu->mnuBild->setChecked(m_settings.pictureAfterWord);
        if (!m_settings.pictureAfterWord && !m_board->wordPicture()->isClue())
            m_board->hideWordPicture();
    });
}

void wupp::applySmallLetters()
{
    m_menu->mnuKlein->setChecked(m_settings.smallLetters);
    m_board->showSmallLetters(m_settings.smallLetters);
}

void wupp::mnuKlein_Click()
{
    step(QStringLiteral("mnuKlein_Click"), [&] {
        m_settings.smallLetters = !m_settings.smallLetters;
        SaveIni(keys::Optionen, keys::Klein, onOff(m_settings.smallLetters));
        applySmallLetters();
    });
}
