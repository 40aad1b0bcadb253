// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the word on the board: when a word is solved, or lost with its solution shown,
// its picture from the table of word pictures stands large over the stage picture until the next
// word. "Options > Picture of the word" switches it off; off, the board is as it always was.
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "game/WordPicture.h"
#include "game/wupp.h"
#include "common/Allgemein.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"
#include "vocabulary/WordPictures.h"

#include <QAction>
#include <QMenu>

void wupp::buildWordPicture()
{
    // Beside the board's fit, the other item about what the board shows.
    mnuBild = addOptionItem(QStringLiteral("mnuBild"), extraText(Extra::WordPicture), mnuAnpassen, &wupp::mnuBild_Click);
    applyWordPictureItem();
}

void wupp::applyWordPictureItem()
{
    mnuBild->setText(extraText(Extra::WordPicture));
    mnuBild->setChecked(m_settings.pictureAfterWord);
}

void wupp::mnuBild_Click()
{
    step(QStringLiteral("mnuBild_Click"), [&] {
        m_settings.pictureAfterWord = !m_settings.pictureAfterWord;
        SaveIni(keys::Optionen, keys::Bild, numberForm(m_settings.pictureAfterWord ? -1 : 0));
        applyWordPictureItem();
        if (!m_settings.pictureAfterWord && !m_board->wordPicture()->isClue())
            m_board->hideWordPicture();
    });
}

bool wupp::drawsPicturedOnly() const
{
    // Only where enough words have a picture for the draw to stay a surprise.
    constexpr qsizetype EnoughPictured = 10;
    return m_settings.pictureClue && pictures::countPictured(m_pool.words(), g().SprachOffset) >= EnoughPictured;
}

void wupp::showWordPictureClue(const QString& word)
{
    if (!m_settings.pictureClue)
        return;
    // The clue must not tell a screen reader the word.
    if (const QString picture = pictures::ofCurrent(word); !picture.isEmpty())
        m_board->showWordPicture(picture, extraText(Extra::PictureClue), true);
}

void wupp::showWordPictureAfter(const QString& word)
{
    // Off, a clue stays as it stood during the word.
    if (!m_settings.pictureAfterWord)
        return;
    // A screen reader names the picture by its word once the word is over.
    if (const QString picture = pictures::ofCurrent(word); !picture.isEmpty())
        m_board->showWordPicture(picture, word.toLower(), false);
}
