// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& overrideFolder()
{
    static QString folder;
    return folder;
}

bool isWritableFolder(const QString& folder)
{
    QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

const QStringList shippedEntries = {QStringLiteral("deutsch"),      QStringLiteral("english"),
                                    QStringLiteral("svenska"),      QStringLiteral("italiano"),
                                    QStringLiteral("wupple.mid"),   QStringLiteral("wupple.sf2"),
                                    QStringLiteral("wuppel32.html"), QStringLiteral("wupple32.html"),
                                    QStringLiteral("wupple32_sv.html"), QStringLiteral("wupple32_it.html")};
} // namespace

void setProgramFolder(const QString& folder) { overrideFolder() = folder; }

QString chooseProgramFolder(const QString& executableFolder, const QString& userDataFolder)
{
    return chooseProgramFolder(executableFolder, userDataFolder, isWritableFolder);
}

QString chooseProgramFolder(const QString& executableFolder, const QString& userDataFolder,
                            const std::function<bool(const QString&)>& isWritable)
{
    // An installed copy (its files in ../share/wupple) never writes beside the program, even for
    // someone allowed to write there: root under /usr, or a user who installed into ~/.local.
    const QString share = QDir(executableFolder).absoluteFilePath(QStringLiteral("../share/wupple"));
    const bool installed = QFileInfo(share).isDir();
    if (!installed && isWritable(executableFolder))
        return executableFolder;
    const QString shipped = installed ? QDir::cleanPath(share) : executableFolder;
    QDir().mkpath(userDataFolder);
    // Without a writable home the game still plays, from the shipped files where they are; only
    // the settings cannot be kept, and the game says so when it tries.
    if (!isWritable(userDataFolder))
        return shipped;
    seedUserFolder(shipped, userDataFolder);
    return userDataFolder;
}

void seedUserFolder(const QString& shippedFolder, const QString& userFolder)
{
    QDir().mkpath(userFolder);
    const QDir from(shippedFolder);
    const QDir to(userFolder);
    for (const QString& entry : shippedEntries) {
        const QFileInfo source(from.filePath(entry));
        if (source.isFile()) {
            if (!to.exists(entry))
                QFile::copy(source.filePath(), to.filePath(entry));
            continue;
        }
        if (!source.isDir())
            continue;
        to.mkpath(entry);
        QDirIterator it(source.filePath(), QDir::Files);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            const QString target = to.filePath(entry + QLatin1Char('/') + file.fileName());
            if (!QFileInfo::exists(target))
                QFile::copy(file.filePath(), target);
        }
    }
}

QString programFolder()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    const QString exe = QCoreApplication::applicationDirPath();
    QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    user = QDir(user).filePath(QStringLiteral("Wupple"));
    overrideFolder() = chooseProgramFolder(exe, user);
    return overrideFolder();
}
