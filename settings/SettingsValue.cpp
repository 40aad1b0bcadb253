// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsValue.h"
#include "common/Allgemein.h"
#include "common/NumberForm.h"
#include "common/Windows1252.h"
#include "i18n/Catalogue.h"
#include "i18n/DesktopLanguage.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "settings/SettingKeys.h"

#include <algorithm>

std::array<QString, 4> Settings::designNames()
{
    return {QStringLiteral("Vivur"), QStringLiteral("Vaduza"), QStringLiteral("Viredaz"), QStringLiteral("Doreru")};
}

QString storedName(const QString& raw) { return raw.left(MaxNameLength).trimmed(); }

QString unstorableCharacters(const QString& text)
{
    QString found;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (fromWindows1252(toWindows1252(one)) != one && !found.contains(one))
            found += one;
    }
    return found;
}

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
    Allgemein& live = g();
    // Values outside the ranges the dialog offers are taken as the nearest valid one.
    live.AnzahlSpieler = qint16(playersWithin(number(Einstellungen, Anzahl, AnzahlDefault)));
    live.AnzahlTipps = qint16(std::clamp(number(Einstellungen, Tipps, TippsDefault), 0, 3));
    live.MotivNr = qint16(std::clamp(number(Einstellungen, Motiv, MotivDefault), 0, 3));
    Settings s;
    s.allWordsRepeated = number(Einstellungen, Wiederholung, WiederholungDefault) == -1;
    live.SprachOffset = validLanguageOffset(number(Optionen, Sprache, desktopLanguageOffset()));
    live.SoundAn = flag(number(Einstellungen, Sound, SoundDefault) != 0);
    live.MusikAn = flag(number(Einstellungen, Music, MusicDefault) != 0);
    s.showSolution = number(Einstellungen, Anzeige, AnzeigeDefault) != 0;
    s.fitBoard = number(Optionen, Anpassen, AnpassenDefault) != 0;
    s.clearSigns = number(Optionen, Deutlich, DeutlichDefault) != 0;
    if (const int speak = number(Optionen, Sprechen, SprechenUnset); speak != SprechenUnset)
        s.speak = speak != 0;
    s.practiseTrickyWords = number(Einstellungen, Ueben, UebenDefault) != 0;
    s.pictureAfterWord = number(Optionen, Bild, BildDefault) != 0;
    s.smallLetters = number(Optionen, Klein, KleinDefault) != 0;
    s.pictureClue = number(Einstellungen, Bildhinweis, BildhinweisDefault) != 0;
    for (int i = 0; i < 4; ++i) {
        const QString name = storedName(GetIniString(Einstellungen, spielerKey(i + 1), spielerDefault(i + 1)));
        if (!nameIsUnset(name))
            s.names[i] = name;
    }
    return s;
}

QList<std::pair<QString, QString>> dialogEntries(const Settings& s)
{
    using namespace keys;
    const Allgemein& live = g();
    QList<std::pair<QString, QString>> entries{{Anzahl, numberForm(live.AnzahlSpieler)},
                                               {Anzeige, numberForm(s.showSolution ? 1 : 0)},
                                               {Wiederholung, numberForm(s.allWordsRepeated ? -1 : 0)},
                                               {Tipps, numberForm(live.AnzahlTipps)}};
    for (int i = 0; i < 4; ++i)
        entries.append({spielerKey(i + 1), s.names[i]});
    entries.append({dateiKey(live.SprachOffset), live.WortDatei});
    entries.append({Motiv, numberForm(live.MotivNr)});
    return entries;
}

void saveDialogSettings(const Settings& s)
{
    auto entries = dialogEntries(s);
    if (s.practiseTrickyWords || !GetIniString(keys::Einstellungen, keys::Ueben, QString()).isEmpty())
        entries.append({keys::Ueben, numberForm(s.practiseTrickyWords ? -1 : 0)});
    if (s.pictureClue || !GetIniString(keys::Einstellungen, keys::Bildhinweis, QString()).isEmpty())
        entries.append({keys::Bildhinweis, numberForm(s.pictureClue ? -1 : 0)});
    saveIniEntries(keys::Einstellungen, entries);
}
