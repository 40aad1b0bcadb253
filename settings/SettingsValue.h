#pragma once
// Everything the settings dialog and the options menu keep, as one value, and the one store that
// reads it from and writes it to Wupple.ini. Keys and defaults come from SettingKeys.h.
#include "settings/SettingKeys.h"

#include <QList>
#include <QString>
#include <array>
#include <utility>

// The settings as the game uses them. A default-made value is the dialog's state after it is
// created: the names, the repetition option and the check box of its design.
struct Settings {
    static constexpr int LanguageCount = 4; // word files per language: Datei0 .. Datei3000

    int players = keys::AnzahlDefault; // 1..4
    int hints = keys::TippsDefault;     // 0..3 per word
    std::array<QString, 4> names = designNames();
    bool allWordsRepeated = true;   // false: only words not yet guessed come again
    bool showSolution = true;       // a lost word's solution is shown
    int motif = keys::MotivDefault;     // 0..3
    int language = 0;               // offset 0, 1000, 2000, 3000
    std::array<QString, LanguageCount> wordFiles; // chosen file per language, empty for the default
    bool sound = true;
    bool music = true;
    bool fitBoard = true;           // the board grows with the window
    QString password;               // plain text, empty for none
    bool practiseTrickyWords = false; // tricky words come back in a one-player game

    static std::array<QString, 4> designNames();
    // The names, the repetition rule and the flag back to the dialog's design; the rest is kept.
    void resetHeldToDesign();
    QString wordFile(int languageOffset) const;
    void setWordFile(int languageOffset, const QString& file);
    bool operator==(const Settings&) const = default;
};

// A stored name: cut to 25 characters, then trimmed.
QString storedName(const QString& raw);
// A stored name whose ninth character is 1..4 ("Spieler 1") counts as not set: the name of the
// design stays.
bool nameIsUnset(const QString& name);

// Reads every setting; a missing key gives its default, a value out of range the nearest valid one.
Settings loadSettings();
QString loadPassword();
QString loadWordFile(int languageOffset);

// The entries the settings dialog writes on OK, as (key in [Einstellungen], text), in the order in
// which they appear in a new file.
QList<std::pair<QString, QString>> dialogEntries(const Settings& s);
// Writes the dialog's entries in that order, all of them or, when the file cannot be written, none.
void saveDialogSettings(const Settings& s);
