// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the words: the table itself, the lookup, and how many words of the shipped
// lists have a picture.
#include "i18n/Letters.h"
#include "vocabulary/WordListText.h"
#include "vocabulary/WordPictures.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTest>

namespace {

const std::array<QString, pictures::Languages> LanguageNames = {
    QStringLiteral("deutsch"), QStringLiteral("english"), QStringLiteral("svenska"), QStringLiteral("italiano")};

// The words of a reviewable list (UTF-8, "# " headings).
QStringList listWords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList words;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            words.push_back(line);
    }
    return words;
}

QString wordsDir() { return QStringLiteral(WUPPLE_WORDS_DIR); }

} // namespace

class TestWordPictures : public QObject {
    Q_OBJECT
private slots:
    void everyRowReadsAndEveryWordCanBePlayed()
    {
        const pictures::Table& table = pictures::table();
        QVERIFY2(table.problems.isEmpty(), qPrintable(table.problems.join(u'\n')));
        QVERIFY(table.rows.size() > 400);
        for (int l = 0; l < pictures::Languages; ++l) {
            const QString cards = letters::ofLanguage(qint16(l * 1000));
            QSet<QString> seen;
            for (const pictures::Row& row : table.rows) {
                QVERIFY2(!row.picture.isEmpty(), qPrintable(QString::number(row.line)));
                // A picture is emoji only: no letter or digit a child could read instead.
                for (QChar c : row.picture)
                    QVERIFY2(!c.isLetterOrNumber() || c.isSurrogate(), qPrintable(QString::number(row.line)));
                for (const QString& word : row.words[l]) {
                    const QString where = QStringLiteral("%1 (line %2, %3)").arg(word).arg(row.line).arg(LanguageNames[l]);
                    QVERIFY2(vocabulary::passesWordRule(word), qPrintable(where));
                    for (QChar c : word.toUpper())
                        QVERIFY2(cards.contains(c), qPrintable(where));
                    QVERIFY2(!seen.contains(word.toLower()), qPrintable(QStringLiteral("twice: ") + where));
                    seen.insert(word.toLower());
                }
            }
        }
    }

    void looksUpWithoutRegardToCase()
    {
        const QString elephant = QStringLiteral("\U0001F418");
        QCOMPARE(pictures::of(QStringLiteral("Elefant"), 0), elephant);
        QCOMPARE(pictures::of(QStringLiteral("ELEFANT"), 0), elephant);
        QCOMPARE(pictures::of(QStringLiteral(" elefant "), 0), elephant);
        QCOMPARE(pictures::of(QStringLiteral("elephant"), 1000), elephant);
        QCOMPARE(pictures::of(QStringLiteral("ELEFANTE"), 3000), elephant);
        // Umlauts in both cases, as the game holds the word in capitals.
        QCOMPARE(pictures::of(QStringLiteral("KÄFER"), 0), pictures::of(QStringLiteral("käfer"), 0));
        QVERIFY(!pictures::of(QStringLiteral("KÄFER"), 0).isEmpty());
        QCOMPARE(pictures::of(QStringLiteral("ÅSNA"), 2000), QStringLiteral("\U0001FACF"));
        QCOMPARE(pictures::of(QStringLiteral("ÄPPLE"), 2000), QStringLiteral("\U0001F34E"));
        QCOMPARE(pictures::of(QStringLiteral("SCHILDKRÖTE"), 0), QStringLiteral("\U0001F422"));
        // A word is looked up in its own language only.
        QVERIFY(pictures::of(QStringLiteral("Hund"), 1000).isEmpty());
        QCOMPARE(pictures::of(QStringLiteral("Hund"), 2000), pictures::of(QStringLiteral("hund"), 0));
        // Unknown words, words left out for their two meanings, and no language at all.
        QVERIFY(pictures::of(QStringLiteral("Quatschwort"), 0).isEmpty());
        QVERIFY(pictures::of(QStringLiteral("Bank"), 0).isEmpty());
        QVERIFY(pictures::of(QStringLiteral("Schloss"), 0).isEmpty());
        QVERIFY(pictures::of(QString(), 0).isEmpty());
        QVERIFY(pictures::of(QStringLiteral("Elefant"), 4000).isEmpty());
        QVERIFY(pictures::of(QStringLiteral("Elefant"), -1000).isEmpty());
    }

    void readsCellsCommentsAndBrokenLines()
    {
        const pictures::Table t = pictures::parse(QStringLiteral(
            "# comment|a|b|c|d\n\n🐘|Elefant, Elefantin |-|elefant|\nbroken|line\n|a|b|c|d\r\n🍎|Apfel|apple|äpple|mela\r\n"));
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(t.rows[0].words[0], (QStringList{QStringLiteral("Elefant"), QStringLiteral("Elefantin")}));
        QVERIFY(t.rows[0].words[1].isEmpty());
        QVERIFY(t.rows[0].words[3].isEmpty());
        QCOMPARE(t.rows[1].words[3], QStringList{QStringLiteral("mela")});
        QCOMPARE(t.rows[1].line, 6);
        QCOMPARE(t.problems.size(), 2);
        QVERIFY(t.problems[0].startsWith(QStringLiteral("line 4:")));
    }

    // Coverage of the shipped lists in every language: the share of words with a picture.
    void shippedListsHavePictures_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("percent");
        for (int l = 0; l < pictures::Languages; ++l) {
            const QString name = LanguageNames[l];
            QTest::newRow(qPrintable(name)) << l << (wordsDir() + u'/' + name + QStringLiteral(".txt")) << DefaultListPercent;
            const QDir themes(wordsDir() + u'/' + name);
            for (const QString& file : themes.entryList({QStringLiteral("*.txt")}, QDir::Files))
                QTest::newRow(qPrintable(name + u'/' + file)) << l << themes.filePath(file) << ThemedListPercent;
        }
    }
    void shippedListsHavePictures()
    {
        QFETCH(int, language);
        QFETCH(QString, path);
        QFETCH(int, percent);
        const QStringList words = listWords(path);
        QVERIFY2(words.size() > 30, qPrintable(path));
        const qsizetype pictured = pictures::countPictured(words, qint16(language * 1000));
        qInfo("%s: %lld of %lld words have a picture (%lld %%)", qPrintable(QDir(wordsDir()).relativeFilePath(path)),
              qlonglong(pictured), qlonglong(words.size()), qlonglong(pictured * 100 / words.size()));
        QVERIFY2(pictured * 100 >= percent * words.size(), qPrintable(path));
    }

private:
    static constexpr int DefaultListPercent = 40;
    static constexpr int ThemedListPercent = 90;
};

QTEST_GUILESS_MAIN(TestWordPictures)
#include "tst_word_pictures.moc"
