// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the words: the table itself, the lookup, the themed lists the build makes from
// it, and how many words of the shipped lists have a picture.
#include "i18n/Letters.h"
#include "vocabulary/WordListText.h"
#include "vocabulary/WordPictures.h"

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
                // A thing without a picture is there for a themed list only.
                if (row.picture.isEmpty() && !row.words[l].isEmpty())
                    for (const QStringList& themes : row.themes[l])
                        QVERIFY2(!themes.isEmpty(), qPrintable(QString::number(row.line)));
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
        QCOMPARE(pictures::of(QStringLiteral("FÅGEL"), 2000), QStringLiteral("\U0001F426"));
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
            "# comment|a|b|c|d|e\n\n🐘|Elefant, Elefantin |-|elefant||animals\nbroken|line\n|a|b|c|d|e\r\n"
            "🍎|Apfel|apple|äpple|mela|-\r\n-|Brötchen|-|-|-|food\n🍎|Apfel|apple|äpple|mela\n"
            "🐰|Hase|(bunny|-|-|animals\n🐰|Hase|bunny@|-|-|animals\n🐰|Hase|bunny@Animals|-|-|animals\n"
            "🐰|Hase|bunny|-|-|Tiere\n🐰|Hase|()|-|-|animals\n"));
        QCOMPARE(t.rows.size(), 3);
        QCOMPARE(t.rows[0].words[0], (QStringList{QStringLiteral("Elefant"), QStringLiteral("Elefantin")}));
        QVERIFY(t.rows[0].words[1].isEmpty());
        QVERIFY(t.rows[0].words[3].isEmpty());
        QCOMPARE(t.rows[1].words[3], QStringList{QStringLiteral("mela")});
        QCOMPARE(t.rows[1].line, 6);
        QVERIFY(t.rows[1].themes[3][0].isEmpty());
        // "-" as the picture: a thing without one.
        QVERIFY(t.rows[2].picture.isEmpty());
        QCOMPARE(t.rows[2].themes[0], QList<QStringList>{QStringList{QStringLiteral("food")}});
        // The broken line, an empty picture, a row without its theme cell, unclosed brackets, an
        // empty or misspelt theme after "@", a row's theme that is no name, empty brackets.
        QCOMPARE(t.problems.size(), 8);
        QVERIFY(t.problems[0].startsWith(QStringLiteral("line 4:")));
        QVERIFY(t.problems[2].startsWith(QStringLiteral("line 8:")));
    }

    // The themed lists are the theme's words in the order of the table, each row's words in the
    // order of its cell; a word in brackets is left out, a word with its own themes goes to those.
    void makesThemedListsFromTheTable()
    {
        const pictures::Table t = pictures::parse(QStringLiteral(
            "🐕|Hund|dog|hund|cane|animals\n"
            "🪣|Eimer@school|bucket@home@school|hink|secchio, secchiello@school|home\n"
            "🐰|Kaninchen, Hase|rabbit, (bunny)|kanin|coniglio|animals\n"
            "🍎|Apfel|apple|äpple|mela|food\n"
            "-|Meerschweinchen|-|marsvin|-|animals\n"
            "🎪|Zirkus|circus|cirkus|circo|-\n"
            "🐈|Katze|cat|katt|gatto|animals\n"));
        QVERIFY(t.problems.isEmpty());
        const auto words = [&](const char* theme, int language) {
            return pictures::themeWords(t, QString::fromLatin1(theme), language).join(u' ');
        };
        QCOMPARE(words("animals", 0), QStringLiteral("Hund Kaninchen Hase Meerschweinchen Katze"));
        QCOMPARE(words("animals", 1), QStringLiteral("dog rabbit cat"));
        QCOMPARE(words("animals", 2), QStringLiteral("hund kanin marsvin katt"));
        QCOMPARE(words("home", 0), QString());
        QCOMPARE(words("home", 1), QStringLiteral("bucket"));
        QCOMPARE(words("home", 3), QStringLiteral("secchio"));
        QCOMPARE(words("school", 0), QStringLiteral("Eimer"));
        QCOMPARE(words("school", 1), QStringLiteral("bucket"));
        QCOMPARE(words("school", 2), QString());
        QCOMPARE(words("school", 3), QStringLiteral("secchiello"));
        QCOMPARE(words("food", 2), QStringLiteral("äpple"));
        // No theme, a theme nobody has, no language.
        QCOMPARE(words("", 0), QString());
        QCOMPARE(words("-", 0), QString());
        QCOMPARE(words("plants", 0), QString());
        QCOMPARE(words("animals", 4), QString());
        QCOMPARE(words("animals", -1), QString());
    }

    // Coverage in every language: the share of words with a picture in the default list and in
    // each theme's list; a theme is a list of at least 40 words in every language, so a misspelt
    // theme in a row shows as a theme of its own.
    void listsHavePictures_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("percent");
        QStringList themes;
        for (const pictures::Row& row : pictures::table().rows)
            for (const auto& ofLanguage : row.themes)
                for (const QStringList& wordThemes : ofLanguage)
                    themes += wordThemes;
        themes.sort();
        themes.removeDuplicates();
        QCOMPARE(themes.size(), 8);
        for (int l = 0; l < pictures::Languages; ++l) {
            const QString name = LanguageNames[l];
            QTest::newRow(qPrintable(name)) << l << name << listWords(wordsDir() + u'/' + name + QStringLiteral(".txt"))
                                            << DefaultListPercent;
            for (const QString& theme : themes)
                QTest::newRow(qPrintable(name + u'/' + theme))
                    << l << name + u'/' + theme << pictures::themeWords(pictures::table(), theme, l) << ThemedListPercent;
        }
    }
    void listsHavePictures()
    {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QStringList, words);
        QFETCH(int, percent);
        QVERIFY2(words.size() >= 40, qPrintable(name));
        const qsizetype pictured = pictures::countPictured(words, qint16(language * 1000));
        qInfo("%s: %lld of %lld words have a picture (%lld %%)", qPrintable(name), qlonglong(pictured),
              qlonglong(words.size()), qlonglong(pictured * 100 / words.size()));
        QVERIFY2(pictured * 100 >= percent * words.size(), qPrintable(name));
    }

private:
    static constexpr int DefaultListPercent = 40;
    static constexpr int ThemedListPercent = 90;
};

QTEST_GUILESS_MAIN(TestWordPictures)
#include "tst_word_pictures.moc"
