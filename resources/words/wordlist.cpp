// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the vocabulary files the game ships (Windows-1252, CR LF, written the way the game
// writes them), either from a reviewable word list (UTF-8, one word per line, "# " headings,
// blank lines) or, for a themed list, from the table of word pictures.
#include "vocabulary/VocabularyFile.h"
#include "vocabulary/WordPictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <optional>

namespace {

const QStringList LanguageFolders = {QStringLiteral("deutsch"), QStringLiteral("english"), QStringLiteral("svenska"),
                                     QStringLiteral("italiano")};

std::optional<QByteArray> readAll(const QString& path)
{
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        QTextStream(stderr) << path << ": " << in.errorString() << '\n';
        return std::nullopt;
    }
    return in.readAll();
}

std::optional<QStringList> listWords(const QString& path)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    QStringList words;
    for (const QByteArray& raw : bytes->split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        words.push_back(line);
    }
    return words;
}

// A theme's words in a language; a table with a line it cannot read, or a theme without a
// word in the language, is an error rather than a short or empty list.
std::optional<QStringList> themeWords(const QString& path, const QString& theme, const QString& language)
{
    const auto bytes = readAll(path);
    if (!bytes)
        return std::nullopt;
    const int l = int(LanguageFolders.indexOf(language));
    if (l < 0) {
        QTextStream(stderr) << "unknown language " << language << " (" << LanguageFolders.join(u' ') << ")\n";
        return std::nullopt;
    }
    const pictures::Table table = pictures::parse(QString::fromUtf8(*bytes));
    if (!table.problems.isEmpty()) {
        for (const QString& problem : table.problems)
            QTextStream(stderr) << path << ", " << problem << '\n';
        return std::nullopt;
    }
    QStringList words = pictures::themeWords(table, theme, l);
    if (words.isEmpty()) {
        QTextStream(stderr) << path << ": no " << language << " word has the theme " << theme << '\n';
        return std::nullopt;
    }
    return words;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    std::optional<QStringList> words;
    if (args.size() == 2)
        words = listWords(args[0]);
    else if (args.size() == 5 && args[0] == QLatin1String("--theme"))
        words = themeWords(args[3], args[1], args[2]);
    else {
        QTextStream(stderr) << "usage: wupple-wordlist <list.txt> <out.dat>\n"
                               "       wupple-wordlist --theme <theme> <language> <pictures.txt> <out.dat>\n";
        return 2;
    }
    if (!words)
        return 1;
    try {
        vocabulary::write(args.last(), *words);
    } catch (const RuntimeError& e) {
        QTextStream(stderr) << e.description() << '\n';
        return 1;
    }
    return 0;
}
