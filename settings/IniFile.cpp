#include "settings/IniFile.h"
#include "common/Windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>
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

Document::Document(const QByteArray& content)
{
    const auto lines = splitLines(content);
    QHash<QString, QString>* current = nullptr;
    for (const Line& line : lines) {
        const QByteArrayView text = view(content, line);
        if (const auto name = sectionName(text)) {
            const QString lower = name->toCaseFolded();
            // Only the first section of a name is ever read; later ones are ignored.
            current = m_sections.contains(lower) ? nullptr : &m_sections[lower];
            continue;
        }
        if (!current)
            continue;
        if (const auto e = entry(text)) {
            const QString lower = e->key.toCaseFolded();
            if (!current->contains(lower))
                current->insert(lower, cleanValue(e->value));
        }
    }
}

std::optional<QString> Document::value(const QString& section, const QString& key) const
{
    const auto s = m_sections.constFind(section.toCaseFolded());
    if (s == m_sections.cend())
        return std::nullopt;
    const auto v = s->constFind(key.toCaseFolded());
    if (v == s->cend())
        return std::nullopt;
    return *v;
}

QList<std::pair<QString, QString>> Document::keys() const
{
    QList<std::pair<QString, QString>> all;
    for (auto s = m_sections.cbegin(); s != m_sections.cend(); ++s)
        for (auto k = s->cbegin(); k != s->cend(); ++k)
            all.push_back({s.key(), k.key()});
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
