#include "i18n/ImportTexts.h"
#include "common/Allgemein.h"
#include "i18n/Catalogue.h"

#include <array>

namespace {
struct Row {
    ImportText which;
    std::array<const char16_t*, 4> text; // German, English, Swedish, Italian
};

constexpr Row rows[] = {
    {ImportText::ImportButton, {u"Importieren…", u"Import…", u"Importera…", u"Importa…"}},
    {ImportText::SaveAsButton,
     {u"Als neue Liste speichern…", u"Save as new list…", u"Spara som ny lista…", u"Salva come nuova lista…"}},
    {ImportText::ImportTitle, {u"Wörter importieren", u"Import words", u"Importera ord", u"Importa parole"}},
    {ImportText::FileFilter,
     {u"Wortlisten (*.txt *.csv *.kvtml *.dat);;Alle Dateien (*)",
      u"Word lists (*.txt *.csv *.kvtml *.dat);;All files (*)",
      u"Ordlistor (*.txt *.csv *.kvtml *.dat);;Alla filer (*)",
      u"Liste di parole (*.txt *.csv *.kvtml *.dat);;Tutti i file (*)"}},
    {ImportText::Added,
     {u"Aus %1 hinzugefügt: %2 Wörter.", u"Added from %1: %2 words.", u"Tillagda från %1: %2 ord.",
      u"Aggiunte da %1: %2 parole."}},
    {ImportText::Skipped,
     {u"Nicht übernommen: %1", u"Skipped: %1", u"Inte tillagda: %1", u"Non aggiunte: %1"}},
    {ImportText::More, {u"… und %1 weitere", u"… and %1 more", u"… och %1 till", u"… e altre %1"}},
    {ImportText::SeveralWords, {u"mehr als ein Wort", u"more than one word", u"mer än ett ord", u"più di una parola"}},
    {ImportText::Eszett, {u"enthält ß", u"contains ß", u"innehåller ß", u"contiene ß"}},
    {ImportText::NotLetters,
     {u"enthält Ziffern oder Zeichen", u"contains digits or signs", u"innehåller siffror eller tecken",
      u"contiene cifre o segni"}},
    {ImportText::NoCard,
     {u"für „%1“ gibt es keine Karte", u"there is no card for “%1”", u"det finns inget kort för ”%1”",
      u"non c'è nessuna carta per «%1»"}},
    {ImportText::TooShort,
     {u"kürzer als 4 Buchstaben", u"shorter than 4 letters", u"kortare än 4 bokstäver", u"meno di 4 lettere"}},
    {ImportText::TooLong,
     {u"länger als 20 Buchstaben", u"longer than 20 letters", u"längre än 20 bokstäver", u"più di 20 lettere"}},
    {ImportText::Duplicate,
     {u"schon in der Liste", u"already in the list", u"finns redan i listan", u"già nella lista"}},
    {ImportText::Duplicates,
     {u"Schon in der Liste (%1): %2", u"Already in the list (%1): %2", u"Finns redan i listan (%1): %2",
      u"Già nella lista (%1): %2"}},
    {ImportText::ListFull, {u"die Liste ist voll", u"the list is full", u"listan är full", u"la lista è piena"}},
    {ImportText::Unreadable,
     {u"Die Datei %1 kann nicht gelesen werden: %2\nEs wurde nichts geändert.",
      u"The file %1 cannot be read: %2\nNothing was changed.",
      u"Filen %1 kan inte läsas: %2\nIngenting har ändrats.",
      u"Il file %1 non può essere letto: %2\nNon è stato cambiato niente."}},
    {ImportText::TooLarge,
     {u"Die Datei %1 ist zu groß für eine Wortliste (mehr als %2 MB).\nEs wurde nichts geändert.",
      u"The file %1 is too large for a word list (more than %2 MB).\nNothing was changed.",
      u"Filen %1 är för stor för en ordlista (mer än %2 MB).\nIngenting har ändrats.",
      u"Il file %1 è troppo grande per una lista di parole (più di %2 MB).\nNon è stato cambiato niente."}},
    {ImportText::NotText,
     {u"Die Datei %1 ist keine Textdatei.\nEs wurde nichts geändert.",
      u"The file %1 is not a text file.\nNothing was changed.",
      u"Filen %1 är ingen textfil.\nIngenting har ändrats.",
      u"Il file %1 non è un file di testo.\nNon è stato cambiato niente."}},
    {ImportText::BrokenXml,
     {u"Die Datei %1 ist keine gültige KVTML-Datei: %2\nEs wurde nichts geändert.",
      u"The file %1 is not a valid KVTML file: %2\nNothing was changed.",
      u"Filen %1 är ingen giltig KVTML-fil: %2\nIngenting har ändrats.",
      u"Il file %1 non è un file KVTML valido: %2\nNon è stato cambiato niente."}},
    {ImportText::NewListPrompt,
     {u"Name der neuen Liste:", u"Name of the new list:", u"Namn på den nya listan:", u"Nome della nuova lista:"}},
    {ImportText::NewListTitle,
     {u"Neue Wortliste", u"New word list", u"Ny ordlista", u"Nuova lista di parole"}},
    {ImportText::NewListBadName,
     {u"„%1“ kann nicht als Dateiname dienen. Bitte nur einen Namen ohne Ordner eingeben.",
      u"“%1” cannot be used as a file name. Please type a name without a folder.",
      u"”%1” kan inte användas som filnamn. Skriv bara ett namn utan mapp.",
      u"«%1» non può essere usato come nome di file. Scrivere solo un nome senza cartella."}},
    {ImportText::NewListExists,
     {u"Die Liste %1 gibt es schon. Ersetzen?", u"The list %1 already exists. Replace it?",
      u"Listan %1 finns redan. Ersätta den?", u"La lista %1 esiste già. Sostituirla?"}},
    {ImportText::ImportedOnly,
     {u"Nur die %1 importierten Wörter in die neue Liste übernehmen?\n(Nein: die ganze Liste mit %2 Wörtern)",
      u"Put only the %1 imported words into the new list?\n(No: the whole list of %2 words)",
      u"Ta bara med de %1 importerade orden i den nya listan?\n(Nej: hela listan med %2 ord)",
      u"Mettere nella nuova lista solo le %1 parole importate?\n(No: tutta la lista di %2 parole)"}},
    {ImportText::NewListSaved,
     {u"Die Liste %1 ist gespeichert. Sie kann in den Einstellungen unter Wortschatz gewählt werden.",
      u"The list %1 has been saved. It can be chosen under Vocabulary in the options.",
      u"Listan %1 är sparad. Den kan väljas under Ordlista i inställningarna.",
      u"La lista %1 è stata salvata. Si può scegliere sotto Vocabolario nelle opzioni."}},
};
} // namespace

QString importText(ImportText which)
{
    const int language = validLanguageOffset(g().SprachOffset) / 1000;
    for (const auto& row : rows)
        if (row.which == which)
            return QString::fromUtf16(row.text[language]);
    return {};
}
