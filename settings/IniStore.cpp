// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniStore.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "common/SafeFile.h"
#include "common/Version.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniFile.h"
#include "settings/SettingKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
bool warnedAboutFile = false;

// What tells us that the file on disk is no longer the one we parsed.
struct Stamp {
    bool exists = false;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;
    bool operator==(const Stamp&) const = default;
};

Stamp stampOf(const QString& path)
{
    Stamp s;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return s;
    s = {true, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec, quint64(st.st_ino),
         quint64(st.st_dev)};
#else
    const QFileInfo info(path);
    if (info.exists())
        s = {true, info.size(), info.lastModified().toMSecsSinceEpoch() * 1'000'000, 0, 0};
#endif
    return s;
}

struct Parsed {
    QString path;
    Stamp stamp;
    bool valid = false;
    FileCheck check = FileCheck::Missing;
    QByteArray bytes;
    ini::Document document;
    bool overflowReported = false;
};

Parsed& parsed()
{
    static Parsed p;
    return p;
}

void tellOnce(const QString& text)
{
    if (warnedAboutFile || !platform().dialogs)
        return;
    warnedAboutFile = true;
    platform().dialogs->message(text, ApplicationTitle, Icon::Exclamation, Buttons::OK);
}

QString nativePath() { return QDir::toNativeSeparators(iniFilePath()); }

QString problemText(FileCheck check)
{
    switch (check) {
    case FileCheck::NotRegular:
        return extraText(Extra::FileNotRegular).arg(nativePath());
    case FileCheck::TooLarge:
        return extraText(Extra::FileTooLarge).arg(nativePath(), QLocale().formattedDataSize(MaxIniBytes, 0));
    case FileCheck::Unreadable:
        return extraText(Extra::FileUnreadable).arg(nativePath());
    case FileCheck::Ok:
    case FileCheck::Missing:
        break;
    }
    return {};
}

// The file as it is on disk now, parsed at most once per change.
const Parsed& current(bool force = false)
{
    Parsed& p = parsed();
    const QString path = iniFilePath();
    const Stamp stamp = stampOf(path);
    if (!force && p.valid && p.path == path && p.stamp == stamp)
        return p;
    FileRead read = readRegularFile(path, MaxIniBytes);
    p = Parsed{path, stamp, true, read.check, std::move(read.bytes), {}, false};
    p.document = ini::Document(p.bytes);
    if (p.check != FileCheck::Ok && p.check != FileCheck::Missing)
        tellOnce(problemText(p.check));
    return p;
}

// "[Window] Left, [Window] Top": every whole-number key of the file outside 16 bits.
QString keysOutOfRange(const ini::Document& document, const QString& section, const QString& key)
{
    QStringList names{QStringLiteral("[%1] %2").arg(section, key)};
    for (const auto& [s, k] : keys::integerKeys()) {
        const auto value = document.value(s, k);
        const long long n = value ? ini::leadingNumber(*value) : 0;
        const QString name = QStringLiteral("[%1] %2").arg(s, k);
        if ((n < -32768 || n > 32767) && !names.contains(name, Qt::CaseInsensitive))
            names << name;
    }
    return names.join(QStringLiteral(", "));
}
} // namespace

QString iniFilePath() { return QDir(programFolder()).filePath(QStringLiteral("Wupple.ini")); }

qint16 GetIniInt(const QString& section, const QString& key, int defaultValue)
{
    qint16 result = 0;
    int attempt = 0;
    step(QStringLiteral("GetIniInt"), [&] {
        // Retry reads the file again, so a value mended meanwhile comes through.
        const bool retry = attempt++ > 0;
        const Parsed& p = current(retry);
        const auto value = p.document.value(section, key);
        const long long n = value ? ini::leadingNumber(*value) : defaultValue;
        if (n >= -32768 && n <= 32767) {
            result = qint16(n);
            return;
        }
        result = 0;
        if (p.overflowReported && !retry)
            return;
        parsed().overflowReported = true;
        throw RuntimeError(Err::Overflow, nativePath() + QStringLiteral(": ") + keysOutOfRange(p.document, section, key));
    });
    return result;
}

QString GetIniString(const QString& section, const QString& key, const QString& defaultValue)
{
    return current().document.value(section, key).value_or(defaultValue);
}

void SaveIni(const QString& section, const QString& key, const QString& value)
{
    saveIniEntries(section, {{key, value}});
}

void saveIniEntries(const QString& section, const QList<std::pair<QString, QString>>& entries)
{
    const Parsed& p = current();
    // A file we could not read is never replaced: it might hold something the user needs.
    if (p.check != FileCheck::Ok && p.check != FileCheck::Missing) {
        tellOnce(problemText(p.check));
        return;
    }
    const QString path = p.path;
    QByteArray updated = p.bytes;
    for (const auto& [key, value] : entries)
        updated = ini::writeValue(updated, section, key, value);
    // A file past the limit would be refused at the next start, and every setting with it (the
    // password too): the save is refused instead, and the file stays as it is.
    if (updated.size() > MaxIniBytes) {
        tellOnce(extraText(Extra::SettingsNotSaved)
                     .arg(nativePath(), extraText(Extra::SettingsWouldGrow).arg(QLocale().formattedDataSize(MaxIniBytes, 0))));
        return;
    }
    settleSymbolicLink(path, programFolder());
    const SaveResult saved = saveWhole(path, updated);
    if (!saved.ok) {
        tellOnce(extraText(Extra::SettingsNotSaved)
                     .arg(nativePath(), saved.diskFull ? RuntimeError(Err::DiskFull).description() : saved.reason));
        return;
    }
    // What we just wrote is what the next read finds, without parsing the file again.
    Parsed& mine = parsed();
    const bool overflowReported = mine.overflowReported;
    mine = Parsed{path, stampOf(path), true, FileCheck::Ok, updated, ini::Document(updated), overflowReported};
}

void removeIniLeftovers() { removeLeftovers(programFolder(), QStringLiteral("Wupple.ini")); }

void resetIniWriteWarning()
{
    warnedAboutFile = false;
    parsed() = Parsed{};
}
