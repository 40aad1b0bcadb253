#include "vocabulary/VocabularyFile.h"
#include "common/Allgemein.h"
#include "common/ProgramFolder.h"
#include "common/Windows1252.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vocabulary {

bool passesWordRule(const QString& item)
{
    return item.trimmed().size() > 3 && item.size() < 21 && !item.contains(u'ß');
}

QStringList splitItems(const QString& text)
{
    QStringList items;
    const qsizetype size = text.size();
    qsizetype pos = 0;
    auto isBreak = [](QChar c) { return c == u'\r' || c == u'\n'; };
    auto skipBreak = [&] {
        if (pos < size && text[pos] == u'\r')
            ++pos;
        if (pos < size && text[pos] == u'\n')
            ++pos;
    };
    // The first item is read before the end is tested, so an item follows every delimiter.
    do {
        while (pos < size && (text[pos] == u' ' || text[pos] == u'\t'))
            ++pos;
        QString item;
        if (pos < size && text[pos] == u'"') {
            const qsizetype close = text.indexOf(u'"', pos + 1);
            const qsizetype end = close < 0 ? size : close;
            item = text.mid(pos + 1, end - pos - 1);
            pos = close < 0 ? size : close + 1;
            // Whatever stands between the closing quote and the delimiter is dropped.
            while (pos < size && text[pos] != u',' && !isBreak(text[pos]))
                ++pos;
        } else {
            const qsizetype start = pos;
            while (pos < size && text[pos] != u',' && !isBreak(text[pos]))
                ++pos;
            item = text.mid(start, pos - start);
            while (item.endsWith(u' ') || item.endsWith(u'\t'))
                item.chop(1);
        }
        items.push_back(item);
        if (pos < size && text[pos] == u',')
            ++pos;
        else
            skipBreak();
    } while (pos < size);
    return items;
}

ReadResult read(const QString& path)
{
    ReadResult result;
    const QFileInfo info(path);
    // A missing language folder is reported like a missing file: the message names the file.
    if (!info.exists()) {
        result.error = RuntimeError(Err::FileNotFound);
        return result;
    }
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        result.error = RuntimeError(info.isDir() ? Err::PathFileAccessError : Err::PermissionDenied);
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        result.error = RuntimeError(Err::InputPastEndOfFile);
        return result;
    }
    for (const QString& item : splitItems(fromWindows1252(bytes))) {
        if (!passesWordRule(item))
            continue;
        if (result.words.size() == MaxWords) {
            result.truncated = true;
            break;
        }
        result.words.push_back(item);
    }
    return result;
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
        problems << extraText(Extra::TooManyWords).arg(g().WortDatei).arg(MaxWords);
    return problems;
}

void write(const QString& path, const QStringList& words)
{
    QByteArray bytes;
    for (const QString& word : words)
        bytes += toWindows1252(word) + "\r\n";
    if (!QFileInfo(path).dir().exists())
        throw RuntimeError(Err::PathNotFound, QDir::toNativeSeparators(path));
    // flush() first: commit() would rename a file whose last write failed (a full disk) into place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
        !file.flush() || !file.commit())
        throw RuntimeError(Err::PermissionDenied, QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString());
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
    return QDir(programFolder()).filePath(LoadText(166) + QLatin1Char('/') + g().WortDatei);
}

} // namespace vocabulary
