// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The global state of the game. It lives for the whole run and belongs to no window.
// Integers are 16 bits wide as the game has always counted; flags hold -1 for true, 0 for false.
#include <QString>
#include <QtGlobal>

constexpr qint16 True = -1;
constexpr qint16 False = 0;

inline constexpr qint16 flag(bool b) { return b ? True : False; }

// One to four play. A count read from elsewhere (the settings file, a test) is brought into that
// range wherever it is used, so that no player's row, name box or score is missing or extra.
constexpr int MaxPlayers = 4;
inline constexpr int playersWithin(int count) { return count < 1 ? 1 : count > MaxPlayers ? MaxPlayers : count; }

// The record holds the settings that are live by design (the dialog's spinners, lists and the
// options menu change them at once) and the few flags that windows share. The play itself is the
// round's (game/Round.h), and the held settings are the settings value's (settings/SettingsValue.h).
struct Allgemein {
    qint16 SoundAn = False;        // sound effects on (menu check mark)
    qint16 MusikAn = False;        // background music on (menu check mark)
    qint16 SprachOffset = 0;       // 0 German, 1000 English, 2000 Swedish, 3000 Italian
    qint16 EinstGeaendert = False; // a setting changed while the settings dialog was open
    QString WortDatei;             // vocabulary file name, without folder
    qint16 MotivNr = 0;            // picture motif 0..3
    qint16 AnzahlSpieler = 0;      // players 1..4
    qint16 AnzahlTipps = 0;        // hints allowed per word
    qint16 ListeGeaendert = False; // the editor's list has unsaved changes
    QString ProgrammTitel;         // program title in the current language
    qint16 InfoGezeigt = False;    // the start-up display has done its work
};

// The one record of the running program.
Allgemein& g();

// Back to the state of a fresh start (used between tests).
void resetAllgemein();
