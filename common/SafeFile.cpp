// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// At most `maxBytes + 1` bytes. The buffer follows the file's length as it was seen, not the
// limit, so a small file does not cost a buffer the size of the limit; a file that grew since
// is read on, up to one byte past the limit.
QByteArray readCapped(QFile& file, qint64 seenSize, qint64 maxBytes)
{
    QByteArray bytes = file.read(std::min(seenSize, maxBytes) + 1);
    if (bytes.size() > seenSize && bytes.size() <= maxBytes)
        bytes += file.read(maxBytes + 1 - bytes.size());
    return bytes;
}
} // namespace

FileCheck checkRegularFile(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        return FileCheck::Missing;
    if (!info.isFile())
        return FileCheck::NotRegular;
    return info.size() > maxBytes ? FileCheck::TooLarge : FileCheck::Ok;
}

FileRead readRegularFile(const QString& path, qint64 maxBytes)
{
    FileRead result;
    result.check = checkRegularFile(path, maxBytes);
    if (result.check != FileCheck::Ok)
        return result;
#ifdef Q_OS_UNIX
    // Non-blocking, so even a FIFO slipped in after the check cannot hold the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        result.check = FileCheck::Unreadable;
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        result.check = FileCheck::NotRegular;
    else if (st.st_size > maxBytes)
        result.check = FileCheck::TooLarge;
    QFile file;
    if (result.check == FileCheck::Ok && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        // Never more than the limit, even when the file grows while it is read.
        result.bytes = readCapped(file, st.st_size, maxBytes);
        if (result.bytes.size() > maxBytes) {
            result.bytes.clear();
            result.check = FileCheck::TooLarge;
        }
        return result;
    }
    ::close(fd);
    if (result.check == FileCheck::Ok)
        result.check = FileCheck::Unreadable;
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.check = FileCheck::Unreadable;
        return result;
    }
    result.bytes = readCapped(file, file.size(), maxBytes);
    if (result.bytes.size() > maxBytes) {
        result.bytes.clear();
        result.check = FileCheck::TooLarge;
    }
#endif
    return result;
}

bool isInsideFolder(const QString& path, const QString& folder)
{
    const QString target = QFileInfo(path).canonicalFilePath(); // empty for a dangling link or a loop
    const QString own = QFileInfo(folder).canonicalFilePath();
    // The separator matters: "/home/a/Wupple-old/x" is not inside "/home/a/Wupple".
    return !target.isEmpty() && !own.isEmpty() && target.startsWith(own + QLatin1Char('/'));
}

void settleSymbolicLink(const QString& path, const QString& ownFolder)
{
    const QFileInfo link(path);
    if (!link.isSymLink())
        return;
    if (isInsideFolder(path, ownFolder) && QFileInfo(link.canonicalFilePath()).isFile())
        return;
    QFile::remove(path); // removes the link, never its target
}
