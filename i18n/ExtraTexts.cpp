#include "i18n/ExtraTexts.h"
#include "common/Allgemein.h"
#include "i18n/Catalogue.h"

#include <array>

namespace {
struct Row {
    Extra which;
    std::array<const char16_t*, 4> text; // German, English, Swedish, Italian
};

constexpr Row rows[] = {
    {Extra::SettingsNotSaved,
     {u"Die Einstellungen konnten nicht gespeichert werden.\n%1\n%2",
      u"The settings could not be saved.\n%1\n%2",
      u"Inställningarna kunde inte sparas.\n%1\n%2",
      u"Non è stato possibile salvare le impostazioni.\n%1\n%2"}},
    {Extra::VocabularyNotSaved,
     {u"Der Wortschatz konnte nicht gespeichert werden. Die Datei bleibt unverändert.\n%1\n%2",
      u"The vocabulary could not be saved. The file is left as it was.\n%1\n%2",
      u"Ordlistan kunde inte sparas. Filen är oförändrad.\n%1\n%2",
      u"Non è stato possibile salvare il vocabolario. Il file resta invariato.\n%1\n%2"}},
    {Extra::TooManyWords,
     {u"Die Datei %1 enthält mehr Wörter, als das Spiel fassen kann. Es werden die ersten %2 verwendet.",
      u"The file %1 holds more words than the game can keep. The first %2 are used.",
      u"Filen %1 innehåller fler ord än spelet kan hålla. De första %2 används.",
      u"Il file %1 contiene più parole di quante il gioco possa tenere. Si usano le prime %2."}},
    {Extra::NoWords,
     {u"In der Datei %1 steht kein Wort, das gespielt werden kann.",
      u"The file %1 holds no word that can be played.",
      u"Filen %1 innehåller inget ord som kan spelas.",
      u"Il file %1 non contiene nessuna parola da giocare."}},
    {Extra::PasswordNotStorable,
     {u"Dieses Passwort kann nicht gespeichert werden. Bitte ein anderes wählen.",
      u"This password cannot be stored. Please choose another one.",
      u"Det här lösenordet kan inte sparas. Välj ett annat.",
      u"Questa parola di riconoscimento non può essere salvata. Sceglierne un'altra."}},
    {Extra::WordLength,
     {u"Ein Wort braucht 4 bis 20 Buchstaben.", u"A word needs 4 to 20 letters.",
      u"Ett ord behöver 4 till 20 bokstäver.", u"Una parola deve avere da 4 a 20 lettere."}},
    {Extra::HelpMissing,
     {u"Die Hilfedatei wurde nicht gefunden:\n%1", u"The help file was not found:\n%1",
      u"Hjälpfilen hittades inte:\n%1", u"Il file di aiuto non è stato trovato:\n%1"}},
    {Extra::FileNotRegular,
     {u"%1 ist keine gewöhnliche Datei und wird weder gelesen noch überschrieben.",
      u"%1 is not an ordinary file; it is neither read nor overwritten.",
      u"%1 är ingen vanlig fil och varken läses eller skrivs över.",
      u"%1 non è un file normale: non viene né letto né sovrascritto."}},
    {Extra::FileTooLarge,
     {u"%1 ist größer als %2 und wird weder gelesen noch überschrieben.",
      u"%1 is larger than %2; it is neither read nor overwritten.",
      u"%1 är större än %2 och varken läses eller skrivs över.",
      u"%1 è più grande di %2: non viene né letto né sovrascritto."}},
    {Extra::FileUnreadable,
     {u"%1 kann nicht gelesen werden und wird nicht überschrieben.",
      u"%1 cannot be read; it is not overwritten.",
      u"%1 kan inte läsas och skrivs inte över.",
      u"%1 non può essere letto: non viene sovrascritto."}},
    {Extra::WordNotStorable,
     {u"Der Eintrag \u201e%1\u201c kann so nicht gespeichert werden (ein Anführungszeichen, ein Zeilenumbruch oder ein Zeichen, das die Datei nicht fassen kann). Bitte ändern oder löschen. Die Datei bleibt unverändert.",
      u"The entry \u201c%1\u201d cannot be saved as it is (it holds a quotation mark, a line break or a character the file cannot hold). Please change or delete it. The file is left as it was.",
      u"Posten \u201d%1\u201d kan inte sparas som den är (den innehåller ett citattecken, en radbrytning eller ett tecken som filen inte kan lagra). Ändra eller ta bort den. Filen är oförändrad.",
      u"La voce \u201c%1\u201d non può essere salvata così (contiene virgolette, un a capo o un carattere che il file non può contenere). Modificarla o eliminarla. Il file resta invariato."}},
    {Extra::FitBoard, {u"Spielfläche anpassen", u"Fit board to window", u"Anpassa spelplanen", u"Adatta il tabellone"}},
};
} // namespace

QString extraText(Extra which)
{
    const int language = validLanguageOffset(g().SprachOffset) / 1000;
    for (const auto& row : rows)
        if (row.which == which)
            return QString::fromUtf16(row.text[language]);
    return {};
}
