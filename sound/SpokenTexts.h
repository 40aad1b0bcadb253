// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the voice is given to say. The synthesizer reads a lone capital by its name as children
// learn it in each language ("Be", "Jot", "Acca", "Å"), and a word in capitals as a word; names are
// read as they are written.
#include <QString>

namespace spoken {

// The language index (0..3) of a catalogue offset (0, 1000, 2000, 3000); out of range gives German.
int languageOf(int sprachOffset);
// The synthesizer's voice for a language index: "de", "en", "sv", "it".
const char* voiceName(int language);

// The letter of a letter button, to be read by its name.
QString letter(QChar letter);
// A word of the game (stored in capitals), to be read as a word: German nouns keep their capital,
// the other languages read it in small letters, so that a short word is never spelt out.
QString word(const QString& word, int language);

} // namespace spoken
