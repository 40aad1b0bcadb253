// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/RecordTexts.h"
#include "i18n/LanguageTable.h"

namespace {
using R = RecordText;
constexpr LanguageRow<RecordText> rows[] = {
    {R::Progress, {u"Fortschritt", u"Progress", u"Framsteg", u"Progressi"}},
    {R::Child, {u"Kind", u"Child", u"Barn", u"Bambino"}},
    {R::WeekPlayed, {u"Gespielt\ndiese Woche", u"Played\nthis week", u"Spelade\ndenna vecka", u"Giocate\nquesta settimana"}},
    {R::WeekSolved, {u"Gelöst\ndiese Woche", u"Solved\nthis week", u"Lösta\ndenna vecka", u"Risolte\nquesta settimana"}},
    {R::Played, {u"Gespielt\ninsgesamt", u"Played\nin all", u"Spelade\ntotalt", u"Giocate\nin tutto"}},
    {R::Solved, {u"Gelöst\ninsgesamt", u"Solved\nin all", u"Lösta\ntotalt", u"Risolte\nin tutto"}},
    {R::Chart,
     {u"Gelöste Wörter pro Tag (die letzten 30 Tage)", u"Words solved per day (the last 30 days)",
      u"Lösta ord per dag (de senaste 30 dagarna)", u"Parole risolte al giorno (gli ultimi 30 giorni)"}},
    {R::TrickyWords, {u"Die kniffligsten Wörter", u"The trickiest words", u"De knepigaste orden", u"Le parole più difficili"}},
    {R::TrickyLine,
     {u"%1 \u2013 im Schnitt %2 Fehler", u"%1 \u2013 %2 misses on average", u"%1 \u2013 i snitt %2 fel",
      u"%1 \u2013 in media %2 errori"}},
    {R::MissedLetters,
     {u"Die häufigsten falschen Buchstaben", u"The letters most often missed", u"De oftast felgissade bokstäverna",
      u"Le lettere sbagliate più spesso"}},
    {R::LetterLine, {u"%1 \u2013 %2-mal", u"%1 \u2013 %2 times", u"%1 \u2013 %2 gånger", u"%1 \u2013 %2 volte"}},
    {R::NoRecord,
     {u"Es ist noch kein Wort aufgezeichnet.", u"No word has been recorded yet.", u"Inget ord har sparats ännu.",
      u"Non è stata ancora registrata nessuna parola."}},
    {R::ExportCsv, {u"Als CSV speichern \u2026", u"Export as CSV \u2026", u"Spara som CSV \u2026", u"Esporta in CSV \u2026"}},
    {R::DeleteChild,
     {u"Alles über %1 löschen \u2026", u"Delete %1\u2019s record \u2026", u"Radera allt om %1 \u2026",
      u"Elimina i dati di %1 \u2026"}},
    {R::DeleteAll, {u"Alles löschen \u2026", u"Delete all \u2026", u"Radera allt \u2026", u"Elimina tutto \u2026"}},
    {R::AskDeleteChild,
     {u"Soll alles, was über %1 aufgezeichnet ist, gelöscht werden?", u"Delete everything recorded about %1?",
      u"Ska allt som sparats om %1 raderas?", u"Eliminare tutto ciò che è stato registrato su %1?"}},
    {R::AskDeleteAll,
     {u"Soll alles, was über alle Kinder aufgezeichnet ist, gelöscht werden?",
      u"Delete everything recorded about every child?", u"Ska allt som sparats om alla barn raderas?",
      u"Eliminare tutto ciò che è stato registrato su tutti i bambini?"}},
    {R::Close, {u"Schließen", u"Close", u"Stäng", u"Chiudi"}},
    {R::RecordingOff,
     {u"Der Spielverlauf kann nicht in %1 aufgezeichnet werden (%2). Das Spiel geht ohne Aufzeichnung weiter.",
      u"The record of play cannot be kept in %1 (%2). The game goes on without recording.",
      u"Spelhistoriken kan inte sparas i %1 (%2). Spelet fortsätter utan att spara.",
      u"La cronologia di gioco non può essere salvata in %1 (%2). Il gioco continua senza registrare."}},
    {R::RecordUnreadable,
     {u"Der Spielverlauf in %1 kann nicht gelesen werden (%2).", u"The record of play in %1 cannot be read (%2).",
      u"Spelhistoriken i %1 kan inte läsas (%2).", u"La cronologia di gioco in %1 non può essere letta (%2)."}},
    {R::CsvNotSaved,
     {u"Die Datei konnte nicht gespeichert werden.\n%1\n%2", u"The file could not be saved.\n%1\n%2",
      u"Filen kunde inte sparas.\n%1\n%2", u"Non è stato possibile salvare il file.\n%1\n%2"}},
    {R::PractiseTricky,
     {u"Knifflige Wörter üben", u"Practise tricky words", u"Öva på knepiga ord", u"Ripassa le parole difficili"}},
};
} // namespace

QString recordText(RecordText which) { return textInCurrentLanguage(rows, which); }
