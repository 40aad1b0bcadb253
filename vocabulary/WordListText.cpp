// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/WordListText.h"
#include "common/Windows1252.h"

namespace vocabulary {

bool passesWordRule(const QString& item)
{
    return item.trimmed().size() > 3 && item.size() < 21 && !item.contains(u'ß');
}

namespace {
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isBreak(QChar c) { return c == u'\r' || c == u'\n'; }
} // namespace

QStringList splitItems(const QString& text)
{
    QStringList items;
    const qsizetype size = text.size();
    qsizetype pos = 0;
    auto skipBreak = [&] {
        if (pos < size && text[pos] == u'\r')
            ++pos;
        if (pos < size && text[pos] == u'\n')
            ++pos;
    };
    // The first item is read before the end is tested, so an item follows every delimiter.
    do {
        while (pos < size && isBlank(text[pos]))
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
            while (!item.isEmpty() && isBlank(item.back()))
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

WordsFromText wordsFromBytes(const QByteArray& bytes)
{
    WordsFromText result;
    for (const QString& item : splitItems(fromWindows1252(bytes))) {
        if (!passesWordRule(item)) {
            // Empty lines and lone blanks are layout, not entries.
            if (!item.trimmed().isEmpty())
                result.unplayable.push_back(item);
            continue;
        }
        if (result.words.size() == MaxWords) {
            result.truncated = true;
            result.unplayable.push_back(item);
            continue;
        }
        result.words.push_back(item);
    }
    return result;
}

std::optional<QByteArray> encodeEntry(const QString& entry)
{
    if (entry.contains(u'\r') || entry.contains(u'\n'))
        return std::nullopt;
    const QByteArray bytes = toWindows1252(entry);
    if (fromWindows1252(bytes) != entry)
        return std::nullopt;
    const bool needsQuotes = entry.contains(u',') || entry.startsWith(u'"') ||
                             (!entry.isEmpty() && (isBlank(entry.front()) || isBlank(entry.back())));
    if (!needsQuotes)
        return bytes;
    // A quoted item ends at the next quote, so it cannot hold one.
    if (entry.contains(u'"'))
        return std::nullopt;
    return '"' + bytes + '"';
}

std::optional<QString> unstorableEntry(const QStringList& entries)
{
    for (const QString& entry : entries)
        if (!encodeEntry(entry))
            return entry;
    return std::nullopt;
}

std::optional<QByteArray> encodeWordList(const QStringList& entries)
{
    QByteArray bytes;
    for (const QString& entry : entries) {
        const auto line = encodeEntry(entry);
        if (!line)
            return std::nullopt;
        bytes += *line + "\r\n";
    }
    return bytes;
}

} // namespace vocabulary
