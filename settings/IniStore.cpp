#include "settings/IniStore.h"
#include "common/Dialogs.h"
#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "common/ProgramFolder.h"
#include "common/Version.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniFile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
bool warnedAboutWriteFailure = false;

QByteArray readFile()
{
    QFile file(iniFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::optional<QString> readEntry(const QString& section, const QString& key)
{
    return ini::readValue(readFile(), section, key);
}

void tellWriteFailureOnce(const QString& reason)
{
    if (warnedAboutWriteFailure || !platform().dialogs)
        return;
    warnedAboutWriteFailure = true;
    platform().dialogs->message(extraText(Extra::SettingsNotSaved).arg(QDir::toNativeSeparators(iniFilePath()), reason),
                                ApplicationTitle, Icon::Exclamation, Buttons::OK);
}
} // namespace

QString iniFilePath() { return QDir(programFolder()).filePath(QStringLiteral("Wupple.ini")); }

qint16 GetIniInt(const QString& section, const QString& key, int defaultValue)
{
    qint16 result = 0;
    step(QStringLiteral("GetIniInt"), [&] {
        const auto value = readEntry(section, key);
        result = toInt16(value ? ini::leadingNumber(*value) : defaultValue);
    });
    return result;
}

QString GetIniString(const QString& section, const QString& key, const QString& defaultValue)
{
    return readEntry(section, key).value_or(defaultValue);
}

void SaveIni(const QString& section, const QString& key, const QString& value)
{
    const QByteArray updated = ini::writeValue(readFile(), section, key, value);
    // flush() first: commit() would rename a file whose last write failed (a full disk) into place.
    QSaveFile file(iniFilePath());
    if (!file.open(QIODevice::WriteOnly) || file.write(updated) != updated.size() ||
        !file.flush() || !file.commit())
        tellWriteFailureOnce(file.errorString());
}

void resetIniWriteWarning() { warnedAboutWriteFailure = false; }
