// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The picture of the word on the board: when a word is solved, or lost with its solution shown,
// its picture from the table of word pictures stands large over the stage picture until the next
// word. "Options > Picture of the word" switches it off; off, the board is as it always was.
#include "common/ErrorReport.h"
#include "common/NumberForm.h"
#include "game/BoardJoy.h"
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
    m_wordPicture = new WordPictureCard(board);
    mnuBild = new QAction(extraText(Extra::WordPicture), this);
    mnuBild->setObjectName(QStringLiteral("mnuBild"));
    mnuBild->setCheckable(true);
    // Beside the board's fit, the other item about what the board shows.
    const QList<QAction*> options = mnuOption->actions();
    const qsizetype fit = options.indexOf(mnuAnpassen);
    mnuOption->insertAction(fit >= 0 && fit + 1 < options.size() ? options[fit + 1] : nullptr, mnuBild);
    connect(mnuBild, &QAction::triggered, this, [this] {
        mnuBild->setChecked(!mnuBild->isChecked());
        mnuBild_Click();
    });
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
        if (!m_settings.pictureAfterWord && !m_wordPicture->isClue())
            hideWordPicture();
    });
}

void wupp::placeWordPicture()
{
    if (!m_wordPicture)
        return;
    const QRect stage(B_Folge[1]->x(), B_Folge[1]->y(), B_Folge[1]->width(), B_Folge[1]->width());
    if (m_wordPicture->isClue()) {
        // The lower right quarter and a little more, where the stage pictures show the least.
        const int side = stage.width() * 9 / 20;
        m_wordPicture->setGeometry(stage.right() + 1 - side, stage.bottom() + 1 - side, side, side);
    } else {
        m_wordPicture->setGeometry(stage);
    }
}

bool wupp::drawsPicturedOnly() const
{
    // Only where enough words have a picture for the draw to stay a surprise.
    constexpr qsizetype EnoughPictured = 10;
    return m_settings.pictureClue && pictures::countPictured(m_pool.words(), g().SprachOffset) >= EnoughPictured;
}

void wupp::showWordPictureClue(const QString& word)
{
    if (!m_settings.pictureClue || !m_wordPicture)
        return;
    const QString picture = pictures::ofCurrent(word);
    if (picture.isEmpty())
        return;
    m_wordPicture->setClue(true);
    // The clue must not tell a screen reader the word.
    m_wordPicture->setAccessibleName(extraText(Extra::PictureClue));
    placeWordPicture();
    m_wordPicture->setPicture(picture);
    m_wordPicture->show();
    m_wordPicture->raise();
}

void wupp::showWordPictureAfter(const QString& word)
{
    // Off, a clue stays as it stood during the word.
    if (!m_settings.pictureAfterWord || !m_wordPicture)
        return;
    const QString picture = pictures::ofCurrent(word);
    if (picture.isEmpty())
        return;
    m_wordPicture->setClue(false);
    // A screen reader names the picture by its word once the word is over.
    m_wordPicture->setAccessibleName(word.toLower());
    placeWordPicture();
    m_wordPicture->setPicture(picture);
    m_wordPicture->show();
    m_wordPicture->raise();
    // The confetti of a won game falls in front of it.
    if (QWidget* layer = m_joy->confettiLayer(); layer && layer->isVisible())
        layer->raise();
}

void wupp::hideWordPicture()
{
    if (!m_wordPicture)
        return;
    m_wordPicture->hide();
    m_wordPicture->setPicture(QString());
    m_wordPicture->setClue(false);
}
