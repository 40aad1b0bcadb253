#pragma once
// The global state of the game. It lives for the whole run and belongs to no window.
// Integers are 16 bits wide as the game has always counted; flags hold -1 for true, 0 for false.
#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <array>

constexpr qint16 True = -1;
constexpr qint16 False = 0;

inline constexpr qint16 flag(bool b) { return b ? True : False; }

struct Allgemein {
    qint16 SoundAn = False;        // sound effects on (menu check mark)
    qint16 MusikAn = False;        // background music on (menu check mark)
    double MusikStart = 0;         // clock value when the music was last started
    qint16 SprachOffset = 0;       // 0 German, 1000 English, 2000 Swedish, 3000 Italian
    QByteArray WavDaten;           // wave image of the effect started last
    qint16 TippsBenutzt = 0;       // hints used on the current word
    qint16 EinstGeaendert = False; // a setting changed while the settings dialog was open
    qint16 SpielLaeuft = False;    // a game is in progress
    QString WortDatei;             // vocabulary file name, without folder
    qint16 MotivNr = 0;            // picture motif 0..3
    QString Ratewort;              // the word to guess, upper case
    qint16 BildStufe = 0;          // wrong guesses on this word = picture stage shown
    qint16 AnzahlSpieler = 0;      // players 1..4
    qint16 AnzahlTipps = 0;        // hints allowed per word
    qint16 AktSpieler = 0;         // whose turn it is, 0-based
    qint16 Treffer = 0;            // letter positions uncovered
    std::array<qint16, 4> Punkte{};
    qint16 ListeGeaendert = False; // the editor's list has unsaved changes
    qint16 LetzterBuchstabe = 0;   // last letter button the language uses
    QString ProgrammTitel;         // program title in the current language
    qint16 InfoGezeigt = False;    // the start-up display has done its work
};

// The one record of the running program.
Allgemein& g();

// Back to the state of a fresh start (used between tests).
void resetAllgemein();
