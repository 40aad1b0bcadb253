// The settings reads of a start-up against a large Wupple.ini: parsed once, then looked up.
#include "Bench.h"
#include "common/Dialogs.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "settings/IniStore.h"
#include "settings/SettingKeys.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

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

void settings()
{
    QuietDialogs dialogs;
    platform().dialogs = &dialogs;
    bench::report(QStringLiteral("start-up's settings reads, 4 MB Wupple.ini"), startUpReads(MaxIniBytes - 4096),
                  QStringLiteral("ms"), QStringLiteral("< 100 ms"));
    bench::report(QStringLiteral("start-up's settings reads, 50 MB Wupple.ini (refused unread)"),
                  startUpReads(50 * 1024 * 1024), QStringLiteral("ms"), QStringLiteral("< 10 ms"));
    platform().dialogs = nullptr;
}
} // namespace

WUPPLE_BENCHMARK("settings", settings);
