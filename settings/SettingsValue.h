// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the settings dialog and the options menu keep, as one value, and the one store that
// reads it from and writes it to Wupple.ini. Keys and defaults come from SettingKeys.h.
#include "settings/SettingKeys.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>
#include <utility>

// The settings that only the settings dialog holds (the names, the repetition rule and the
// show-solution flag) and the options menu's board fit. A default-made value is the dialog's state
// after it is created. Every other setting lives in the global record (common/Allgemein.h): the
// player count, hints, motif, language, word file and the sound and music switches, which the
// dialog's controls and the options menu change at once; the password is the dialog's own.
struct Settings {
    std::array<QString, 4> names = designNames();
    bool allWordsRepeated = true;   // false: only words not yet guessed come again
    bool showSolution = true;       // a lost word's solution is shown
    bool fitBoard = true;           // the board grows with the window
    bool clearSigns = true;         // contrast, turn star and struck cards beside the colours
    std::optional<bool> speak;      // letters, words and names spoken; unset: where a voice is found
    bool practiseTrickyWords = false; // tricky words come back in a one-player game
    bool pictureAfterWord = true;   // a solved or lost word shows its picture
    bool pictureClue = false;       // the picture shows from the start of each word
    bool smallLetters = false;      // cards and tiles in small letters

    static std::array<QString, 4> designNames();
    bool operator==(const Settings&) const = default;
};

// The longest player name kept; the name boxes take no more.
constexpr int MaxNameLength = 25;
// A stored name: cut to MaxNameLength characters, then trimmed.
QString storedName(const QString& raw);
// The characters of `text` that Wupple.ini cannot hold (it is written in Windows-1252), each once,
// in the order they first appear; empty when the text can be stored as it is.
QString unstorableCharacters(const QString& text);
// A stored name whose ninth character is 1..4 ("Spieler 1") counts as not set: the name of the
// design stays.
bool nameIsUnset(const QString& name);

// Reads Wupple.ini into the homes of its settings: the player count, hints, motif, language and
// the sound and music switches into the global record, the rest into the value returned. A missing
// key gives its default, a value out of range the nearest valid one. The password and the word
// file are read where the dialog and the language switch need them.
Settings loadSettings();
QString loadPassword();
QString loadWordFile(int languageOffset);

// The entries the settings dialog writes on OK, as (key in [Einstellungen], text), in the order in
// which they appear in a new file: the counts, the motif and the word file of the language in use
// from the global record, the rest from `s`.
QList<std::pair<QString, QString>> dialogEntries(const Settings& s);
// Writes the dialog's entries in that order, all of them or, when the file cannot be written, none.
void saveDialogSettings(const Settings& s);
