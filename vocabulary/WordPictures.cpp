// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/WordPictures.h"

#include "common/Allgemein.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

#include <optional>
#include <utility>

namespace pictures {
namespace {

// The case-free form a word is looked up by.
QString key(const QString& word) { return word.trimmed().toLower(); }

struct Index {
    Table table;
    std::array<QHash<QString, QString>, Languages> byWord;
};

const Index& index()
{
    static const Index built = [] {
        Index i;
        QFile file(QStringLiteral(":/words/pictures.txt"));
        if (file.open(QIODevice::ReadOnly))
            i.table = parse(QString::fromUtf8(file.readAll()));
        for (const Row& row : i.table.rows)
            for (int l = 0; l < Languages && !row.picture.isEmpty(); ++l)
                for (const QString& word : row.words[l])
                    i.byWord[l].insert(key(word), row.picture);
        return i;
    }();
    return built;
}

int languageIndex(qint16 languageOffset)
{
    const int l = languageOffset / 1000;
    return l >= 0 && l < Languages ? l : -1;
}

// A theme's name: small letters, digits and "-", as in a file name.
bool isThemeName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[a-z0-9-]+$"));
    return pattern.match(name).hasMatch();
}

// One word of a cell with the themed lists it is in, or nothing for a malformed word.
std::optional<std::pair<QString, QStringList>> parseWord(QString word, const QString& rowTheme)
{
    if (word.startsWith(u'(') && word.endsWith(u')')) {
        word = word.mid(1, word.size() - 2).trimmed();
        if (word.isEmpty() || word.contains(u'(') || word.contains(u')') || word.contains(u'@'))
            return std::nullopt;
        return std::pair{word, QStringList()};
    }
    QStringList parts = word.split(u'@');
    word = parts.takeFirst().trimmed();
    if (word.isEmpty() || word.contains(u'(') || word.contains(u')'))
        return std::nullopt;
    for (QString& theme : parts) {
        theme = theme.trimmed();
        if (!isThemeName(theme))
            return std::nullopt;
    }
    if (parts.isEmpty() && !rowTheme.isEmpty())
        parts.push_back(rowTheme);
    return std::pair{word, parts};
}

std::optional<Row> parseRow(const QString& line)
{
    const QStringList cells = line.split(u'|');
    if (cells.size() != Languages + 2)
        return std::nullopt;
    Row row;
    row.picture = cells[0].trimmed();
    if (row.picture.isEmpty())
        return std::nullopt;
    if (row.picture == QLatin1String("-"))
        row.picture.clear();
    row.theme = cells[Languages + 1].trimmed();
    if (row.theme == QLatin1String("-"))
        row.theme.clear();
    else if (!isThemeName(row.theme))
        return std::nullopt;
    for (int l = 0; l < Languages; ++l) {
        const QString cell = cells[l + 1].trimmed();
        if (cell == QLatin1String("-") || cell.isEmpty())
            continue;
        for (const QString& raw : cell.split(u',')) {
            const auto word = parseWord(raw.trimmed(), row.theme);
            if (!word)
                return std::nullopt;
            row.words[l].push_back(word->first);
            row.themes[l].push_back(word->second);
        }
    }
    return row;
}

} // namespace

Table parse(const QString& text)
{
    Table table;
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (std::optional<Row> row = parseRow(line)) {
            row->line = n + 1;
            table.rows.push_back(std::move(*row));
        } else {
            table.problems.push_back(QStringLiteral("line %1: %2").arg(n + 1).arg(line));
        }
    }
    return table;
}

QStringList themeWords(const Table& table, const QString& theme, int language)
{
    QStringList words;
    if (language < 0 || language >= Languages || theme.isEmpty())
        return words;
    for (const Row& row : table.rows)
        for (qsizetype w = 0; w < row.words[language].size(); ++w)
            if (row.themes[language][w].contains(theme))
                words.push_back(row.words[language][w]);
    return words;
}

const Table& table() { return index().table; }

QString of(const QString& word, qint16 languageOffset)
{
    const int l = languageIndex(languageOffset);
    if (l < 0)
        return {};
    return index().byWord[l].value(key(word));
}

QString ofCurrent(const QString& word) { return of(word, g().SprachOffset); }

qsizetype countPictured(const QStringList& words, qint16 languageOffset)
{
    qsizetype n = 0;
    for (const QString& word : words)
        n += of(word, languageOffset).isEmpty() ? 0 : 1;
    return n;
}

} // namespace pictures
