// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/Narrator.h"
#include "common/Allgemein.h"
#include "common/Platform.h"
#include "i18n/ExtraTexts.h"
#include "sound/Speech.h"
#include "sound/SpokenTexts.h"

namespace {
int language() { return spoken::languageOf(g().SprachOffset); }
} // namespace

void Narrator::setChoice(std::optional<bool> stored) { m_choice = stored; }

bool Narrator::isOn() const
{
    Speech* speech = platform().speech;
    if (!speech)
        return false;
    return m_choice.value_or(speech->hasVoice(language()));
}

Speech* Narrator::voice() const { return isOn() ? platform().speech : nullptr; }

void Narrator::letter(QChar letter)
{
    if (Speech* speech = voice())
        speech->say(spoken::letter(letter), language(), Speech::Manner::Cut);
}

void Narrator::sayWord(const QString& word)
{
    m_lastWord = word;
    // The word is the reward: it is said at once, cutting the name of its last letter short.
    if (Speech* speech = voice())
        speech->say(spoken::word(word, language()), language(), Speech::Manner::Cut);
}

void Narrator::solved(const QString& word) { sayWord(word); }

void Narrator::shown(const QString& word) { sayWord(word); }

void Narrator::turn(const QString& name, int players)
{
    if (players < 2)
        return;
    if (Speech* speech = voice())
        speech->say(name, language(), Speech::Manner::After);
}

void Narrator::winner(const QString& name, int players)
{
    if (players < 2)
        return;
    if (Speech* speech = voice())
        speech->say(extraText(Extra::WinnerSpoken).arg(name), language(), Speech::Manner::After);
}

void Narrator::repeat()
{
    if (Speech* speech = voice(); speech && canRepeat())
        speech->say(spoken::word(m_lastWord, language()), language(), Speech::Manner::Cut);
}

void Narrator::languageChanged()
{
    if (Speech* speech = platform().speech)
        speech->silence();
}
