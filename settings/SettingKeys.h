// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every section, key and default of Wupple.ini, declared once.
#include <QList>
#include <QString>
#include <utility>

namespace keys {

inline const QString Window = QStringLiteral("Window");
inline const QString Optionen = QStringLiteral("Optionen");
inline const QString Einstellungen = QStringLiteral("Einstellungen");

// [Window]: placement in twips, state 0 normal, 1 minimized, 2 maximized
inline const QString Status = QStringLiteral("Status");
inline const QString Left = QStringLiteral("Left");
inline const QString Top = QStringLiteral("Top");
inline const QString Width = QStringLiteral("Width");
inline const QString Height = QStringLiteral("Height");
constexpr int StatusDefault = 2;
constexpr int WidthDefault = 9600;
constexpr int HeightDefault = 6900;

// [Optionen]
inline const QString Sprache = QStringLiteral("Sprache"); // none stored: the desktop's language
// -1: the board grows with the window; 0: it keeps its design size. Older files lack the key.
inline const QString Anpassen = QStringLiteral("Anpassen");
constexpr int AnpassenDefault = -1;
// -1: letters, words and names are spoken; 0: not. Without the key the voice speaks where one is
// installed for the language.
inline const QString Sprechen = QStringLiteral("Sprechen");
constexpr int SprechenUnset = 2;
// -1: a solved or lost word shows its picture on the board; 0: the board stays as it was.
inline const QString Bild = QStringLiteral("Bild");
constexpr int BildDefault = -1;
// -1: the cards and tiles show small letters (the tiles the word as its list writes it); 0: capitals.
inline const QString Klein = QStringLiteral("Klein");
constexpr int KleinDefault = 0;
// -1: clear signs: texts in colours that read at least 4.5 : 1, a star beside the name of the
// player whose turn it is, a stroke across the cards left when a word is over; 0: the classic
// colours alone. Read only; the game never writes it.
inline const QString Deutlich = QStringLiteral("Deutlich");
constexpr int DeutlichDefault = -1;

// [Einstellungen]
inline const QString Anzahl = QStringLiteral("Anzahl");
constexpr int AnzahlDefault = 4;
inline const QString Tipps = QStringLiteral("Tipps");
constexpr int TippsDefault = 3;
inline const QString Motiv = QStringLiteral("Motiv");
constexpr int MotivDefault = 1;
inline const QString Wiederholung = QStringLiteral("Wiederholung"); // -1 all words, else unguessed only
constexpr int WiederholungDefault = 1;
inline const QString Anzeige = QStringLiteral("Anzeige"); // 1 show the solution of a lost word
constexpr int AnzeigeDefault = 1;
inline const QString Sound = QStringLiteral("Sound");
constexpr int SoundDefault = -1;
inline const QString Music = QStringLiteral("Music");
constexpr int MusicDefault = -1;
inline const QString Passw = QStringLiteral("passw");
// -1: in a one-player game, words this child found hard come back now and then. Only written
// once the option has been switched on, so a file that never used it stays as it was.
inline const QString Ueben = QStringLiteral("Ueben");
constexpr int UebenDefault = 0;
// -1: the picture shows from the start of each word as a clue. Written once switched on.
inline const QString Bildhinweis = QStringLiteral("Bildhinweis");
constexpr int BildhinweisDefault = 0;

// "Spieler1".."Spieler4"; default "Spieler 1".."Spieler 4"
inline QString spielerKey(int player) { return QStringLiteral("Spieler") + QString::number(player); }
inline QString spielerDefault(int player) { return QStringLiteral("Spieler ") + QString::number(player); }

// "Datei0", "Datei1000", ...: the vocabulary file chosen for each language
inline QString dateiKey(int sprachOffset) { return QStringLiteral("Datei") + QString::number(sprachOffset); }

// Every key read as a whole number, as (section, key).
inline QList<std::pair<QString, QString>> integerKeys()
{
    return {{Window, Status},        {Window, Left},         {Window, Top},           {Window, Width},
            {Window, Height},        {Optionen, Sprache},    {Einstellungen, Anzahl}, {Einstellungen, Tipps},
            {Einstellungen, Motiv},  {Einstellungen, Wiederholung}, {Einstellungen, Anzeige},
            {Einstellungen, Sound},  {Einstellungen, Music}};
}

} // namespace keys
