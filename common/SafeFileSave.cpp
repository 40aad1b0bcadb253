// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool writeWhole(QIODevice& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool isLeftoverOf(const QString& fileName, const QString& targetName)
{
    const QString prefix = targetName + QLatin1String(SaveMarker);
    if (fileName.size() != prefix.size() + 6 || !fileName.startsWith(prefix))
        return false;
    for (const QChar c : QStringView(fileName).sliced(prefix.size()))
        if (!(c.isDigit() || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    return true;
}

namespace {
template <class Match>
void removeMatching(const QString& folder, Match&& match)
{
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries)
        if (!entry.isSymLink() && entry.isFile() && match(entry.fileName()))
            QFile::remove(entry.filePath());
}
} // namespace

void removeLeftovers(const QString& folder, const QString& targetName)
{
    removeMatching(folder, [&](const QString& name) { return isLeftoverOf(name, targetName); });
}

void removeWordListLeftovers(const QString& folder)
{
    removeMatching(folder, [](const QString& name) {
        const qsizetype base = name.lastIndexOf(QLatin1String(SaveMarker));
        return base > 4 && name.sliced(base - 4, 4).compare(QStringLiteral(".dat"), Qt::CaseInsensitive) == 0 &&
               isLeftoverOf(name, name.left(base));
    });
}

#ifdef Q_OS_UNIX
namespace {
QString randomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < 6; ++i)
        suffix += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return suffix;
}

SaveResult failed(int error)
{
    return {false, error == ENOSPC || error == EDQUOT, qt_error_string(error)};
}
} // namespace

SaveResult saveWhole(const QString& path, const QByteArray& bytes)
{
    // A link left standing by settleSymbolicLink() points to a file of ours: that file is replaced.
    const QFileInfo given(path);
    const QString target = given.isSymLink() && !given.canonicalFilePath().isEmpty() ? given.canonicalFilePath() : path;
    const QFileInfo existing(target);
    if (existing.isDir())
        return failed(EISDIR);
    // A file the user made read-only stays as it is, although the folder would let us replace it.
    if (existing.exists() && !existing.isWritable())
        return failed(EACCES);

    QString temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = target + QLatin1String(SaveMarker) + randomSuffix();
        fd = ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return failed(errno);
    }
    if (fd < 0)
        return failed(EEXIST);
    const QByteArray temporaryName = QFile::encodeName(temporary);
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    // Unbuffered, so every write reaches the file at once and a refused one reports why (a full
    // disk, the file-size limit).
    QFile file;
    SaveResult result{true, false, {}};
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        result = failed(EBADF);
    } else if (!writeWhole(file, bytes)) {
        result = {false, file.error() == QFileDevice::ResourceError, file.errorString()};
    } else if (::fsync(fd) != 0) {
        // Some file systems find a full disk only now.
        result = failed(errno);
    }
    file.close();
    if (result.ok && ::rename(temporaryName.constData(), QFile::encodeName(target).constData()) != 0)
        result = failed(errno);
    if (!result.ok)
        ::unlink(temporaryName.constData());
    return result;
}
#else
#include <QSaveFile>

SaveResult saveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeWhole(file, bytes) || !file.flush() || !file.commit())
        return {false, file.error() == QFileDevice::ResourceError, file.errorString()};
    return {true, false, {}};
}
#endif
