#include "settings/SettingsValue.h"
#include "common/NumberForm.h"
#include "i18n/DesktopLanguage.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "settings/SettingKeys.h"

#include <algorithm>

namespace {
int slot(int languageOffset) { return std::clamp(languageOffset / 1000, 0, Settings::LanguageCount - 1); }
} // namespace

std::array<QString, 4> Settings::designNames()
{
    return {QStringLiteral("Vivur"), QStringLiteral("Vaduza"), QStringLiteral("Viredaz"), QStringLiteral("Doreru")};
}

void Settings::resetHeldToDesign()
{
    const Settings design;
    names = design.names;
    allWordsRepeated = design.allWordsRepeated;
    showSolution = design.showSolution;
}

QString Settings::wordFile(int languageOffset) const { return wordFiles[slot(languageOffset)]; }
void Settings::setWordFile(int languageOffset, const QString& file) { wordFiles[slot(languageOffset)] = file; }

QString storedName(const QString& raw) { return raw.left(25).trimmed(); }

bool nameIsUnset(const QString& name)
{
    if (name.size() < 9)
        return false;
    const QChar ninth = name[8];
    return ninth >= u'1' && ninth <= u'4';
}

QString loadPassword()
{
    QString password = GetIniString(keys::Einstellungen, keys::Passw, QString());
    if (!password.isEmpty())
        Encrypt(password, PasswordKey);
    return password;
}

QString loadWordFile(int languageOffset)
{
    return GetIniString(keys::Einstellungen, keys::dateiKey(languageOffset), QString());
}

Settings loadSettings()
{
    using namespace keys;
    auto number = [](const QString& section, const QString& key, int def) { return int(GetIniInt(section, key, def)); };
    Settings s;
    // Values outside the ranges the dialog offers are taken as the nearest valid one.
    s.players = std::clamp(number(Einstellungen, Anzahl, AnzahlDefault), 1, 4);
    s.hints = std::clamp(number(Einstellungen, Tipps, TippsDefault), 0, 3);
    s.motif = std::clamp(number(Einstellungen, Motiv, MotivDefault), 0, 3);
    s.allWordsRepeated = number(Einstellungen, Wiederholung, WiederholungDefault) == -1;
    s.language = number(Optionen, Sprache, desktopLanguageOffset());
    s.sound = number(Einstellungen, Sound, SoundDefault) != 0;
    s.music = number(Einstellungen, Music, MusicDefault) != 0;
    s.showSolution = number(Einstellungen, Anzeige, AnzeigeDefault) != 0;
    s.fitBoard = number(Optionen, Anpassen, AnpassenDefault) != 0;
    s.practiseTrickyWords = number(Einstellungen, Ueben, UebenDefault) != 0;
    for (int i = 0; i < 4; ++i) {
        const QString name = storedName(GetIniString(Einstellungen, spielerKey(i + 1), spielerDefault(i + 1)));
        if (!nameIsUnset(name))
            s.names[i] = name;
    }
    for (int i = 0; i < Settings::LanguageCount; ++i)
        s.wordFiles[i] = loadWordFile(i * 1000);
    s.password = loadPassword();
    return s;
}

QList<std::pair<QString, QString>> dialogEntries(const Settings& s)
{
    using namespace keys;
    QList<std::pair<QString, QString>> entries{{Anzahl, numberForm(s.players)},
                                               {Anzeige, numberForm(s.showSolution ? 1 : 0)},
                                               {Wiederholung, numberForm(s.allWordsRepeated ? -1 : 0)},
                                               {Tipps, numberForm(s.hints)}};
    for (int i = 0; i < 4; ++i)
        entries.append({spielerKey(i + 1), s.names[i]});
    entries.append({dateiKey(s.language), s.wordFile(s.language)});
    entries.append({Motiv, numberForm(s.motif)});
    return entries;
}

void saveDialogSettings(const Settings& s)
{
    auto entries = dialogEntries(s);
    if (s.practiseTrickyWords || !GetIniString(keys::Einstellungen, keys::Ueben, QString()).isEmpty())
        entries.append({keys::Ueben, numberForm(s.practiseTrickyWords ? -1 : 0)});
    saveIniEntries(keys::Einstellungen, entries);
}
