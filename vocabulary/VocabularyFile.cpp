// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/VocabularyFile.h"
#include "common/Allgemein.h"
#include "common/ProgramFolder.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "common/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace vocabulary {

ReadResult read(const QString& path)
{
    ReadResult result;
    result.path = path;
    const QString shown = QDir::toNativeSeparators(path);
    FileRead file = readRegularFile(path, MaxFileBytes);
    switch (file.check) {
    case FileCheck::Missing: // a missing language folder too: the message names the file
        result.error = RuntimeError(Err::FileNotFound);
        return result;
    case FileCheck::NotRegular:
        result.error = RuntimeError(Err::PathFileAccessError, shown);
        return result;
    case FileCheck::Unreadable:
        result.error = RuntimeError(Err::PermissionDenied, shown);
        return result;
    case FileCheck::TooLarge:
        result.tooLarge = true;
        return result;
    case FileCheck::Ok:
        break;
    }
    if (file.bytes.isEmpty()) {
        result.error = RuntimeError(Err::InputPastEndOfFile, shown);
        return result;
    }
    WordsFromText text = wordsFromBytes(file.bytes);
    result.words = std::move(text.words);
    result.unplayable = std::move(text.unplayable);
    result.truncated = text.truncated;
    return result;
}

bool ReadResult::refused() const
{
    if (tooLarge)
        return true;
    return error && error->number() != Err::FileNotFound && error->number() != Err::InputPastEndOfFile;
}

QString refusalText(const ReadResult& result)
{
    const QString shown = QDir::toNativeSeparators(result.path);
    if (result.tooLarge)
        return extraText(Extra::FileTooLarge).arg(shown, QLocale().formattedDataSize(MaxFileBytes, 0));
    if (!result.refused())
        return {};
    if (result.error->number() == Err::PathFileAccessError)
        return extraText(Extra::FileNotRegular).arg(shown);
    return extraText(Extra::FileUnreadable).arg(shown);
}

QStringList readProblems(const ReadResult& result)
{
    QStringList problems;
    if (result.error) {
        if (result.error->number() == Err::FileNotFound)
            problems << LoadText(147) + g().WortDatei + LoadText(148);
        else
            problems << result.error->description();
    }
    if (result.truncated)
        problems << extraText(Extra::TooManyWords).arg(g().WortDatei, QString::number(MaxWords));
    if (result.tooLarge)
        problems << extraText(Extra::FileTooLarge)
                        .arg(QDir::toNativeSeparators(result.path), QLocale().formattedDataSize(MaxFileBytes, 0));
    return problems;
}

void write(const QString& path, const QStringList& words)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto bytes = encodeWordList(words);
    if (!bytes)
        throw RuntimeError(Err::InvalidPropertyValue, extraText(Extra::WordNotStorable).arg(*unstorableEntry(words)));
    const QString limit = QLocale().formattedDataSize(MaxFileBytes, 0);
    // The reader would refuse the file it gave, and with it every word.
    if (bytes->size() > MaxFileBytes)
        throw RuntimeError(Err::PathFileAccessError, extraText(Extra::ListTooLarge).arg(limit));
    if (!QFileInfo(path).dir().exists())
        throw RuntimeError(Err::PathNotFound, shown);
    // What the reader refused unread is no list anybody has seen: it is never replaced.
    const FileCheck check = checkRegularFile(path, MaxFileBytes);
    if (check == FileCheck::NotRegular)
        throw RuntimeError(Err::PathFileAccessError, shown);
    if (check == FileCheck::TooLarge)
        throw RuntimeError(Err::PathFileAccessError, extraText(Extra::FileTooLarge).arg(shown, limit));
    settleSymbolicLink(path, programFolder());
    const SaveResult saved = saveWhole(path, *bytes);
    if (!saved.ok)
        throw RuntimeError(saved.diskFull ? Err::DiskFull : Err::PermissionDenied, shown + QStringLiteral(": ") + saved.reason);
}

bool isBareFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != QStringLiteral(".") &&
           name != QStringLiteral("..") && !name.contains(u':') && !name.contains(QChar(u'\0'));
}

QString currentPath()
{
    if (!isBareFileName(g().WortDatei))
        g().WortDatei = LoadText(146);
    return pathOf(g().WortDatei);
}

QString currentFileName() { return isBareFileName(g().WortDatei) ? g().WortDatei : LoadText(146); }

QString pathOf(const QString& fileName)
{
    return QDir(programFolder()).filePath(LoadText(166) + QLatin1Char('/') + fileName);
}

void removeWordListLeftoversEverywhere()
{
    const QDir folder(programFolder());
    for (int offset = 0; offset <= 3000; offset += 1000)
        removeWordListLeftovers(folder.filePath(catalogueText(166 + offset)));
}

} // namespace vocabulary
