// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tool that writes the shipped vocabulary files: a themed list from a small table of word
// pictures, a default list from its reviewable text, and the tables it refuses.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QString errors;
};

Run runTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(WUPPLE_WORDLIST_TOOL), arguments);
    if (!tool.waitForFinished(20000))
        return {};
    return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1, QString::fromUtf8(tool.readAllStandardError())};
}

void writeUtf8(const QString& path, const char* text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

const char* const Table = "# picture|deutsch|english|svenska|italiano|theme\n"
                          "# Animals\n"
                          "🐕|Hund|doggy|hund|cane|animals\n"
                          "🐰|Kaninchen|rabbit, (bunny)|kanin|coniglio|animals\n"
                          "-|Meerschweinchen|-|marsvin|-|animals\n"
                          "🍎|Äpfel|apple|äpple|mela|food\n"
                          "🐻‍❄️|Eisbär|-|isbjörn|-|animals\n"
                          "🫏|Esel|donkey|åsna|asino|animals\n"
                          "🪣|Eimer@school|bucket@home@school|hink|secchio|home\n"
                          "🎪|Zirkus|circus|cirkus|circo|-\n";

} // namespace

class TestWordlistTool : public QObject {
    Q_OBJECT
private slots:
    // Each theme's words of a language in the order of the table, a word without a picture
    // included, in Windows-1252 with CR LF: ä, ö, å as single bytes.
    void writesAThemedListFromTheTable_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("deutsch") << "animals" << "deutsch"
                                 << QByteArray("Hund\r\nKaninchen\r\nMeerschweinchen\r\nEisb\xe4r\r\nEsel\r\n");
        QTest::newRow("english") << "animals" << "english" << QByteArray("doggy\r\nrabbit\r\ndonkey\r\n");
        QTest::newRow("svenska") << "animals" << "svenska"
                                 << QByteArray("hund\r\nkanin\r\nmarsvin\r\nisbj\xf6rn\r\n\xe5sna\r\n");
        QTest::newRow("umlaut first") << "food" << "deutsch" << QByteArray("\xc4pfel\r\n");
        QTest::newRow("own theme") << "school" << "english" << QByteArray("bucket\r\n");
        QTest::newRow("row's theme") << "home" << "italiano" << QByteArray("secchio\r\n");
    }
    void writesAThemedListFromTheTable()
    {
        QFETCH(QString, theme);
        QFETCH(QString, language);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString table = dir.filePath(QStringLiteral("pictures.txt"));
        const QString out = dir.filePath(QStringLiteral("list.dat"));
        writeUtf8(table, Table);
        const Run run = runTool({QStringLiteral("--theme"), theme, language, table, out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), bytes);
    }

    // A theme without a word in the language, a line the table cannot read, a language the game
    // does not have: the build stops with the reason instead of shipping a short or empty list.
    void refusesWhatWouldGiveAWrongList_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no such theme") << "plants" << "deutsch" << QByteArray(Table) << "no deutsch word has the theme plants";
        QTest::newRow("none in the language") << "home" << "deutsch" << QByteArray(Table) << "no deutsch word has the theme home";
        QTest::newRow("broken line") << "animals" << "deutsch" << QByteArray(Table).append("🐈|Katze|cat|katt|gatto\n")
                                     << "line 11: 🐈|Katze|cat|katt|gatto";
        QTest::newRow("language") << "animals" << "dansk" << QByteArray(Table) << "unknown language dansk";
    }
    void refusesWhatWouldGiveAWrongList()
    {
        QFETCH(QString, theme);
        QFETCH(QString, language);
        QFETCH(QByteArray, table);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString tablePath = dir.filePath(QStringLiteral("pictures.txt"));
        const QString out = dir.filePath(QStringLiteral("list.dat"));
        writeUtf8(tablePath, table.constData());
        const Run run = runTool({QStringLiteral("--theme"), theme, language, tablePath, out});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));
    }

    // A default list: headings and blank lines left out, the words as the list writes them.
    void writesADefaultListFromItsText()
    {
        QTemporaryDir dir;
        const QString list = dir.filePath(QStringLiteral("svenska.txt"));
        const QString out = dir.filePath(QStringLiteral("wuppla.dat"));
        writeUtf8(list, "# djur\n\nålg\r\n  Älg  \nhund\n");
        const Run run = runTool({list, out});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QFile written(out);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("\xe5lg\r\n\xc4lg\r\nhund\r\n"));
        QCOMPARE(runTool({list}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestWordlistTool)
#include "tst_wordlist_tool.moc"
