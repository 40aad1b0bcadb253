// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/IniFile.h"
#include "common/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QSet>
#include <algorithm>
#include <vector>

namespace ini {
namespace {

struct Line {
    qsizetype begin; // first byte of the line
    qsizetype end;   // one past the last byte before the line break
    qsizetype next;  // first byte of the following line
};

// Lines end at LF, CR LF or a lone CR.
std::vector<Line> splitLines(const QByteArray& content)
{
    std::vector<Line> lines;
    qsizetype pos = 0;
    const qsizetype size = content.size();
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && content[end] != '\n' && content[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < size && content[next] == '\r')
            ++next;
        if (next < size && content[next] == '\n')
            ++next;
        lines.push_back({pos, end, next});
        pos = next;
    }
    return lines;
}

// A UTF-8 byte-order mark, which some editors put in front of the first line.
constexpr char Bom[] = "\xEF\xBB\xBF";

QByteArrayView view(const QByteArray& content, const Line& line)
{
    QByteArrayView text(content.constData() + line.begin, line.end - line.begin);
    // The mark is no part of the first line: "[Window]" behind it is still a section.
    if (line.begin == 0 && text.startsWith(QByteArrayView(Bom, 3)))
        text = text.sliced(3);
    // A NUL byte ends the line's text, as the classic reader sees it.
    const qsizetype nul = text.indexOf('\0');
    return nul >= 0 ? text.first(nul) : text;
}

std::optional<QString> sectionName(QByteArrayView text)
{
    text = text.trimmed();
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    const QByteArrayView name = close < 0 ? text.sliced(1) : text.sliced(1, close - 1);
    return decode(name.trimmed().toByteArray());
}

struct Entry {
    QString key;
    QString value;
};

std::optional<Entry> entry(QByteArrayView text)
{
    const qsizetype eq = text.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    return Entry{decode(text.first(eq).trimmed().toByteArray()), decode(text.sliced(eq + 1).trimmed().toByteArray())};
}

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString cleanValue(QString value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return value.left(MaxValueLength);
}

// Index of the first line of the first matching section's body, and one past its last line.
struct SectionSpan {
    size_t header;
    size_t bodyEnd;
};

std::optional<SectionSpan> findSection(const QByteArray& content, const std::vector<Line>& lines,
                                       const QString& section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(view(content, lines[i]));
        if (!name || !sameName(*name, section))
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !sectionName(view(content, lines[end])))
            ++end;
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

} // namespace

namespace {
// The line that begins at `begin`.
Line lineAt(const QByteArray& content, qsizetype begin)
{
    qsizetype end = begin;
    while (end < content.size() && content[end] != '\n' && content[end] != '\r')
        ++end;
    return {begin, end, end};
}
} // namespace

quint64 Document::hashOf(const QString& section, const QString& key)
{
    return qHash(section.toCaseFolded() + u'\n' + key.toCaseFolded(), size_t(0x5EC7105));
}

bool Document::names(const Slot& slot, const QString& section, const QString& key) const
{
    const auto e = entry(view(m_content, lineAt(m_content, slot.entry)));
    const auto s = sectionName(view(m_content, lineAt(m_content, slot.header)));
    return e && s && sameName(e->key, key) && sameName(*s, section);
}

Document::Document(const QByteArray& content)
    : m_content(content)
{
    // Offsets are kept in 32 bits; the store never parses files near that size.
    Q_ASSERT(content.size() < (qint64(1) << 32));
    const auto lines = splitLines(content);
    QSet<QString> seen; // section names so far, case-folded
    std::optional<Line> header; // of the section whose entries count, if any
    QString section;
    for (const Line& line : lines) {
        const QByteArrayView text = view(content, line);
        if (const auto name = sectionName(text)) {
            // Only the first section of a name is ever read; later ones are ignored.
            const QString folded = name->toCaseFolded();
            header.reset();
            if (!seen.contains(folded)) {
                seen.insert(folded);
                header = line;
                section = *name;
            }
            continue;
        }
        if (!header)
            continue;
        if (const auto e = entry(text))
            m_slots.push_back({hashOf(section, e->key), quint32(line.begin), quint32(header->begin)});
    }
    // Entries of equal hash stay in file order, so the first of a key given twice comes first.
    std::stable_sort(m_slots.begin(), m_slots.end(), [](const Slot& a, const Slot& b) { return a.hash < b.hash; });
    m_slots.shrink_to_fit();
}

std::optional<QString> Document::value(const QString& section, const QString& key) const
{
    const quint64 hash = hashOf(section, key);
    auto it = std::lower_bound(m_slots.cbegin(), m_slots.cend(), hash, [](const Slot& s, quint64 h) { return s.hash < h; });
    // Names are compared as well: two names with the same hash must not stand in for each other.
    for (; it != m_slots.cend() && it->hash == hash; ++it)
        if (names(*it, section, key))
            return cleanValue(entry(view(m_content, lineAt(m_content, it->entry)))->value);
    return std::nullopt;
}

QList<std::pair<QString, QString>> Document::keys() const
{
    QList<std::pair<QString, QString>> all;
    QSet<std::pair<QString, QString>> listed;
    for (const Slot& slot : m_slots) {
        const auto e = entry(view(m_content, lineAt(m_content, slot.entry)));
        const auto s = sectionName(view(m_content, lineAt(m_content, slot.header)));
        const std::pair<QString, QString> names{s->toCaseFolded(), e->key.toCaseFolded()};
        if (!listed.contains(names)) {
            listed.insert(names);
            all.push_back(names);
        }
    }
    return all;
}

QString decode(const QByteArray& bytes) { return fromWindows1252(bytes); }

QByteArray encode(const QString& text) { return toWindows1252(text); }

std::optional<QString> readValue(const QByteArray& content, const QString& section, const QString& key)
{
    const auto lines = splitLines(content);
    const auto span = findSection(content, lines, section);
    if (!span)
        return std::nullopt;
    for (size_t i = span->header + 1; i < span->bodyEnd; ++i) {
        const auto e = entry(view(content, lines[i]));
        if (e && sameName(e->key, key))
            return cleanValue(e->value);
    }
    return std::nullopt;
}

long long leadingNumber(const QString& value)
{
    qsizetype i = 0;
    while (i < value.size() && (value[i] == u' ' || value[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < value.size() && value[i] == u'-') {
        negative = true;
        ++i;
    }
    long long n = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i)
        if (n < 1'000'000'000'000LL)
            n = n * 10 + (value[i].unicode() - u'0');
    return negative ? -n : n;
}

QByteArray writeValue(const QByteArray& content, const QString& section, const QString& key, const QString& value)
{
    QString safeValue = value;
    // A line break or NUL inside a value would split the entry; the reader could never get it back.
    safeValue.replace(u'\r', u' ').replace(u'\n', u' ').replace(QChar(u'\0'), u' ');
    const QByteArray newLine = encode(key) + '=' + encode(safeValue);

    const auto lines = splitLines(content);
    const auto span = findSection(content, lines, section);
    if (!span) {
        QByteArray out = content;
        if (!out.isEmpty() && !out.endsWith('\n') && !out.endsWith('\r'))
            out += "\r\n";
        return out + '[' + encode(section) + "]\r\n" + newLine + "\r\n";
    }

    size_t insertAfter = span->header;
    for (size_t i = span->header + 1; i < span->bodyEnd; ++i) {
        const QByteArrayView text = view(content, lines[i]);
        const auto e = entry(text);
        if (e && sameName(e->key, key)) {
            const Line& line = lines[i];
            return content.left(line.begin) + newLine + content.mid(line.end);
        }
        if (!text.trimmed().isEmpty())
            insertAfter = i;
    }
    // A new key goes right after the section's last non-blank line.
    const Line& after = lines[insertAfter];
    QByteArray out = content.left(after.next);
    if (after.next == after.end) // the last line of the file had no line break
        out += "\r\n";
    return out + newLine + "\r\n" + content.mid(after.next);
}

} // namespace ini
