// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reads of a start-up against a large Wupple.ini: parsed once, then looked up.
#include "Bench.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "settings/IniFile.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <malloc.h>

namespace {
class QuietDialogs final : public Dialogs {
public:
    Answer message(const QString&, const QString&, Icon, Buttons) override { return Answer::OK; }
    QString input(const QString&, const QString&, bool) override { return {}; }
};

// The 21 reads start-up makes (placement, game settings, names, language, word list).
double startUpReads(qint64 fillBytes)
{
    QTemporaryDir dir;
    QFile ini(dir.filePath(QStringLiteral("Wupple.ini")));
    ini.open(QIODevice::WriteOnly);
    const QByteArray line = "; " + QByteArray(98, '-') + "\r\n";
    for (qint64 written = 0; written < fillBytes; written += line.size())
        ini.write(line);
    ini.write("[Window]\r\nStatus= 0\r\n[Einstellungen]\r\nAnzahl= 2\r\n");
    ini.close();
    setProgramFolder(dir.path());
    resetIniWriteWarning();
    QElapsedTimer t;
    t.start();
    for (const auto& [section, key] : keys::integerKeys())
        GetIniInt(section, key, 0);
    for (int i = 1; i <= 4; ++i)
        GetIniString(keys::Einstellungen, keys::spielerKey(i), keys::spielerDefault(i));
    GetIniString(keys::Einstellungen, keys::Passw, {});
    GetIniString(keys::Einstellungen, keys::dateiKey(0), {});
    GetIniInt(keys::Optionen, keys::Sprache, 0);
    GetIniInt(keys::Optionen, keys::Sprache, 0);
    const double ms = t.nsecsElapsed() / 1e6;
    setProgramFolder(QString());
    return ms;
}

// Heap held by the parsed file, in MB: what a Wupple.ini within the size limit costs above a
// small one.
double parsedMegabytes(const QByteArray& file)
{
    const size_t before = mallinfo2().uordblks;
    const ini::Document document(file);
    return double(mallinfo2().uordblks - before) / 1e6;
}

void settings()
{
    QuietDialogs dialogs;
    platform().dialogs = &dialogs;
    bench::report(QStringLiteral("start-up's settings reads, 4 MB Wupple.ini"), startUpReads(MaxIniBytes - 4096),
                  QStringLiteral("ms"), QStringLiteral("< 100 ms"));
    bench::report(QStringLiteral("start-up's settings reads, 50 MB Wupple.ini (refused unread)"),
                  startUpReads(50 * 1024 * 1024), QStringLiteral("ms"), QStringLiteral("< 10 ms"));
    QByteArray sections;
    for (int i = 0; i < 100'000; ++i)
        sections += "[Teil" + QByteArray::number(i) + "]\r\nk=v\r\n";
    bench::report(QStringLiteral("memory of a parsed 1.8 MB Wupple.ini of 100,000 sections"), parsedMegabytes(sections),
                  QStringLiteral("MB"), QStringLiteral("<= 50 MB"));
    QByteArray keys = "[Einstellungen]\n";
    for (int i = 0; keys.size() < MaxIniBytes - 16; ++i)
        keys += QByteArray::number(i, 36) + "=\n";
    bench::report(QStringLiteral("memory of a parsed 4 MiB Wupple.ini of one section's keys"), parsedMegabytes(keys),
                  QStringLiteral("MB"), QStringLiteral("<= 50 MB"));
    platform().dialogs = nullptr;
}
} // namespace

WUPPLE_BENCHMARK("settings", settings);
