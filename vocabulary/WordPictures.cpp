// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/WordPictures.h"

#include "common/Allgemein.h"

#include <QFile>
#include <QHash>

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
            for (int l = 0; l < Languages; ++l)
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

} // namespace

Table parse(const QString& text)
{
    Table table;
    const QStringList lines = text.split(u'\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'|');
        if (cells.size() != Languages + 1 || cells[0].trimmed().isEmpty()) {
            table.problems.push_back(QStringLiteral("line %1: %2").arg(n + 1).arg(line));
            continue;
        }
        Row row;
        row.picture = cells[0].trimmed();
        row.line = n + 1;
        for (int l = 0; l < Languages; ++l) {
            for (const QString& raw : cells[l + 1].split(u',')) {
                const QString word = raw.trimmed();
                if (!word.isEmpty() && word != QLatin1String("-"))
                    row.words[l].push_back(word);
            }
        }
        table.rows.push_back(row);
    }
    return table;
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
