// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/Import.h"
#include "common/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QXmlStreamReader>

namespace vocabulary::import {

namespace {
// Tabs, line and page breaks and a DOS end-of-file mark occur in text; other control characters
// only in binary files.
bool isControl(char16_t c)
{
    if (c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' || c == 0x1A)
        return false;
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

bool matchesLocale(const QString& given, const QString& wanted)
{
    return given.trimmed().left(2).compare(wanted, Qt::CaseInsensitive) == 0 &&
           (given.trimmed().size() == 2 || QStringLiteral("_-").contains(given.trimmed().at(2)));
}
} // namespace

QString decodeText(const QByteArray& bytes, bool* isText)
{
    *isText = false;
    const QByteArrayView data(bytes);
    QString text;
    if (data.startsWith("\xEF\xBB\xBF")) {
        text = QString::fromUtf8(data.sliced(3));
    } else if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(data.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = utf16(data.sliced(2));
        // The decoder lets half a surrogate pair through; the word splitter then finds no
        // separator at all and the whole file would become one entry.
        if (utf16.hasError() || !text.isValidUtf16())
            return {};
    } else {
        if (data.contains('\0'))
            return {};
        QStringDecoder utf8(QStringConverter::Utf8);
        text = utf8(data);
        // Bytes that are no UTF-8 come from the old Windows code page.
        if (utf8.hasError())
            text = fromWindows1252(bytes);
    }
    for (QChar c : std::as_const(text))
        if (isControl(c.unicode()))
            return {};
    *isText = true;
    return text;
}

QStringList textEntries(const QString& text)
{
    // Every kind of blank: a list copied from a web page or a word processor may hold the wide
    // and the ideographic ones, which a plain \s in the expression does not match.
    static const QRegularExpression separators(QStringLiteral("[\\s,;\\x{00A0}\\x{1A}]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    return text.split(separators, Qt::SkipEmptyParts);
}

QStringList csvEntries(const QString& text)
{
    QStringList entries;
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto isBreak = [](QChar c) { return c == u'\n' || c == u'\r'; };
    while (i < size) {
        QString field;
        while (i < size && text[i] == u' ')
            ++i;
        if (i < size && text[i] == u'"') {
            // A quoted field: "" stands for one quote; separators and breaks inside belong to it.
            for (++i; i < size; ++i) {
                if (text[i] == u'"') {
                    if (i + 1 < size && text[i + 1] == u'"') {
                        field += u'"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < size && !isBreak(text[i]) && text[i] != u',' && text[i] != u';' && text[i] != u'\t')
                field += text[i++];
        }
        // The other columns, up to the end of the row (a quoted break does not end it).
        for (bool quoted = false; i < size && (quoted || !isBreak(text[i])); ++i)
            if (text[i] == u'"')
                quoted = !quoted;
        while (i < size && isBreak(text[i]))
            ++i;
        field = field.trimmed();
        if (!field.isEmpty())
            entries.push_back(field);
    }
    return entries;
}

Entries kvtmlEntries(const QString& xml, const QString& locale)
{
    struct Identifier {
        QString id;
        QString locale;
    };
    QList<Identifier> identifiers;
    QList<std::pair<QString, QString>> texts; // translation id, text
    QStringList path;
    QString translation;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        // A vocabulary file declares no entities. Declared ones could expand a few kilobytes into
        // gigabytes of text (each reference stays under the reader's own limit, but there is no
        // limit on references), so such a file is refused before its content is read.
        if (reader.isDTD() && !reader.entityDeclarations().isEmpty()) {
            reader.raiseError(QStringLiteral("entity declarations are not allowed"));
            break;
        }
        if (reader.isStartElement()) {
            const QString name = reader.name().toString();
            const QString parent = path.isEmpty() ? QString() : path.last();
            if (path.isEmpty() && (name != QStringLiteral("kvtml") ||
                                   reader.attributes().value(QStringLiteral("version")).startsWith(u'1'))) {
                reader.raiseError(QStringLiteral("not a KVTML 2.0 document"));
                break;
            }
            path.push_back(name);
            if (name == QStringLiteral("identifier") && parent == QStringLiteral("identifiers")) {
                identifiers.push_back({reader.attributes().value(QStringLiteral("id")).toString(), {}});
            } else if (name == QStringLiteral("locale") && parent == QStringLiteral("identifier") && !identifiers.isEmpty()) {
                identifiers.last().locale = reader.readElementText(QXmlStreamReader::IncludeChildElements);
                path.pop_back();
            } else if (name == QStringLiteral("translation") && parent == QStringLiteral("entry")) {
                translation = reader.attributes().value(QStringLiteral("id")).toString();
            } else if (name == QStringLiteral("text") && parent == QStringLiteral("translation")) {
                texts.push_back({translation, reader.readElementText(QXmlStreamReader::IncludeChildElements)});
                path.pop_back();
            }
        } else if (reader.isEndElement() && !path.isEmpty()) {
            path.pop_back();
        }
    }
    Entries result;
    if (reader.hasError()) {
        result.refusal = Refusal::BrokenXml;
        // The reader's own reason is English parser talk; the line is what a parent can look up.
        result.detail = QString::number(reader.lineNumber());
        return result;
    }
    QString chosen = identifiers.isEmpty() ? QStringLiteral("0") : identifiers.first().id;
    for (const Identifier& identifier : identifiers)
        if (matchesLocale(identifier.locale, locale)) {
            chosen = identifier.id;
            break;
        }
    for (const auto& [id, text] : texts)
        if (id == chosen && !text.trimmed().isEmpty())
            result.entries.push_back(text.trimmed());
    return result;
}

Entries entriesOf(const QByteArray& bytes, const QString& fileName, const QString& locale)
{
    bool isText = false;
    const QString text = decodeText(bytes, &isText);
    if (!isText)
        return {{}, Refusal::NotText, {}};
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (text.trimmed().startsWith(u'<') || suffix == QStringLiteral("kvtml") || suffix == QStringLiteral("xml"))
        return kvtmlEntries(text, locale);
    if (suffix == QStringLiteral("csv"))
        return {csvEntries(text), Refusal::None, {}};
    return {textEntries(text), Refusal::None, {}};
}

Entries readEntries(const QString& path, const QString& locale)
{
    const QFileInfo info(path);
    // A folder, a pipe or a device is no word list; a pipe would even block the reader.
    if (info.exists() && !info.isFile())
        return {{}, Refusal::NotText, {}};
    if (info.size() > MaxBytes)
        return {{}, Refusal::TooLarge, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, Refusal::Unreadable, file.errorString()};
    const QByteArray bytes = file.read(MaxBytes + 1);
    // A failed read gives no bytes, which would pass for an empty file with nothing to add.
    if (file.error() != QFileDevice::NoError)
        return {{}, Refusal::Unreadable, file.errorString()};
    if (bytes.size() > MaxBytes)
        return {{}, Refusal::TooLarge, {}};
    return entriesOf(bytes, info.fileName(), locale);
}

} // namespace vocabulary::import
