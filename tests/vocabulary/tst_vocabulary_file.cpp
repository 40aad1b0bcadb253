// Reading and writing vocabulary files, and the word lists the game ships.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "vocabulary/VocabularyFile.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

class VocabularyFileTest : public QObject {
    Q_OBJECT
private slots:
    void itemsAndWordRule_data();
    void itemsAndWordRule();
    void errorsKeepWhatWasRead_data();
    void errorsKeepWhatWasRead();
    void moreThanTheLimitKeepsTheFirst();
    void writerRoundTripsInWindows1252();
    void writerWritesWhatReadsBack_data();
    void writerWritesWhatReadsBack();
    void failedWriteLeavesTheOldFile();
    void unsafeFileNamesMeanTheDefault_data();
    void unsafeFileNamesMeanTheDefault();
    void shippedListsArePlayable_data();
    void shippedListsArePlayable();
};

void VocabularyFileTest::itemsAndWordRule_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("4 taken, 3 skipped") << QByteArray("Baum\r\nEis\r\n") << QStringList{"Baum"};
    QTest::newRow("20 taken, 21 skipped") << (QByteArray(20, 'a') + "\r\n" + QByteArray(21, 'b') + "\r\n")
                                          << QStringList{QString(20, u'a')};
    QTest::newRow("leading blanks skipped") << QByteArray("  Hase\r\n") << QStringList{"Hase"};
    QTest::newRow("eszett skipped") << QByteArray("Stra\xdf" "e\r\nFlu\xdf\r\nKatze\r\n") << QStringList{"Katze"};
    QTest::newRow("comma splits") << QByteArray("Hund,Katze\r\n") << QStringList{"Hund", "Katze"};
    QTest::newRow("quoted item") << QByteArray("\"  Igel\"\r\n\"Eis,am,Stiel\"\r\n") << QStringList{"  Igel", "Eis,am,Stiel"};
    QTest::newRow("empty last line") << QByteArray("Maus\r\n\r\n") << QStringList{"Maus"};
    QTest::newRow("no final line break") << QByteArray("Maus\r\nHaus") << QStringList{"Maus", "Haus"};
    QTest::newRow("LF and lone CR") << QByteArray("Maus\nHaus\rLaus") << QStringList{"Maus", "Haus", "Laus"};
    QTest::newRow("duplicates and order kept") << QByteArray("Zebra\r\nAffe\r\nZebra\r\n") << QStringList{"Zebra", "Affe", "Zebra"};
    QTest::newRow("umlauts") << QByteArray("B\xe4r\xfc\r\n\xc4pfel\r\n") << QStringList{QString::fromUtf8("Bärü"), QString::fromUtf8("Äpfel")};
}

void VocabularyFileTest::itemsAndWordRule()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, words);
    TestEnvironment env(TestEnvironment::Words::None);
    env.writeFile(QStringLiteral("deutsch/wupp.dat"), file);
    const auto result = vocabulary::read(vocabulary::currentPath());
    QVERIFY(!result.error);
    QCOMPARE(result.words, words);
    QCOMPARE(g().WortDatei, QStringLiteral("wupp.dat"));
}

void VocabularyFileTest::errorsKeepWhatWasRead_data()
{
    QTest::addColumn<QString>("what"); // what stands where the file should be
    QTest::addColumn<int>("error");
    QTest::newRow("missing") << "nothing" << 53;
    QTest::newRow("empty") << "empty file" << 62;
    QTest::newRow("folder") << "folder" << 75;
}

void VocabularyFileTest::errorsKeepWhatWasRead()
{
    QFETCH(QString, what);
    QFETCH(int, error);
    TestEnvironment env(TestEnvironment::Words::None);
    if (what == QStringLiteral("empty file"))
        env.writeFile(QStringLiteral("deutsch/wupp.dat"), {});
    if (what == QStringLiteral("folder"))
        QDir(env.folder()).mkpath(QStringLiteral("deutsch/wupp.dat"));
    const auto result = vocabulary::read(vocabulary::currentPath());
    QVERIFY(result.error);
    QCOMPARE(result.error->number(), error);
    QVERIFY(result.words.isEmpty());
    // Every message names the file, so a parent knows which one to look at.
    QVERIFY2(vocabulary::readProblems(result).join(u' ').contains(QStringLiteral("wupp.dat")),
             qPrintable(vocabulary::readProblems(result).join(u' ')));
}

void VocabularyFileTest::moreThanTheLimitKeepsTheFirst()
{
    TestEnvironment env(TestEnvironment::Words::None);
    QByteArray file;
    for (int i = 0; i < vocabulary::MaxWords + 5; ++i)
        file += "Wort" + QByteArray::number(i) + "\r\n";
    env.writeFile(QStringLiteral("deutsch/wupp.dat"), file);
    const auto result = vocabulary::read(vocabulary::currentPath());
    QVERIFY(result.truncated);
    QCOMPARE(result.words.size(), vocabulary::MaxWords);
    QCOMPARE(result.words.last(), QStringLiteral("Wort32766"));
    // A "%2" in the file's name is part of the name, not a place for the limit.
    g().WortDatei = QStringLiteral("w%2.dat");
    QCOMPARE(vocabulary::readProblems(result).value(0),
             QStringLiteral("Die Datei w%2.dat enthält mehr Wörter, als das Spiel fassen kann. Es werden die ersten 32767 verwendet."));
}

void VocabularyFileTest::writerRoundTripsInWindows1252()
{
    TestEnvironment env(TestEnvironment::Words::None);
    QDir(env.folder()).mkdir(QStringLiteral("deutsch"));
    const QStringList words{QString::fromUtf8("Bär"), QStringLiteral("Zebra"), QString::fromUtf8("Öl"), QStringLiteral("apfel")};
    vocabulary::write(vocabulary::currentPath(), words);
    QCOMPARE(env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("B\xe4r\r\nZebra\r\n\xd6l\r\napfel\r\n"));
    // Words that fail the rule are written but not read back.
    QCOMPARE(vocabulary::read(vocabulary::currentPath()).words, (QStringList{"Zebra", "apfel"}));
}

void VocabularyFileTest::writerWritesWhatReadsBack_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QByteArray>("file"); // empty: refused, the old file stays
    QTest::newRow("plain") << QStringList{"Baum", "Haus"} << QByteArray("Baum\r\nHaus\r\n");
    QTest::newRow("comma inside") << QStringList{"Kirsch,baum"} << QByteArray("\"Kirsch,baum\"\r\n");
    QTest::newRow("blanks at the ends") << QStringList{"  Igel", "Hase\t"} << QByteArray("\"  Igel\"\r\n\"Hase\t\"\r\n");
    QTest::newRow("quote inside a plain word") << QStringList{"Ab\"cd"} << QByteArray("Ab\"cd\r\n");
    QTest::newRow("quote where quotes are needed") << QStringList{"Baum", "\"Kirsch,baum"} << QByteArray();
    QTest::newRow("leading quote") << QStringList{"\"Zitat"} << QByteArray();
    QTest::newRow("line break") << QStringList{"Zwei\nZeilen"} << QByteArray();
}

void VocabularyFileTest::writerWritesWhatReadsBack()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, file);
    TestEnvironment env(TestEnvironment::Words::None);
    env.writeFile(QStringLiteral("deutsch/wupp.dat"), "Alt\r\n");
    if (file.isEmpty()) {
        QVERIFY_THROWS_EXCEPTION(RuntimeError, vocabulary::write(vocabulary::currentPath(), entries));
        QCOMPARE(env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Alt\r\n"));
        return;
    }
    vocabulary::write(vocabulary::currentPath(), entries);
    QCOMPARE(env.readFile(QStringLiteral("deutsch/wupp.dat")), file);
    QCOMPARE(vocabulary::read(vocabulary::currentPath()).words, entries);
}

void VocabularyFileTest::failedWriteLeavesTheOldFile()
{
    TestEnvironment env(TestEnvironment::Words::None);
    env.writeFile(QStringLiteral("deutsch/wupp.dat"), "Alt\r\nWort\r\n");
    // The language folder is missing for English: nothing is written, the reason is given.
    g().SprachOffset = 1000;
    g().WortDatei.clear();
    QVERIFY_THROWS_EXCEPTION(RuntimeError, vocabulary::write(vocabulary::currentPath(), {QStringLiteral("Neues")}));
    g().SprachOffset = 0;
    g().WortDatei = QStringLiteral("wupp.dat");
    // A file in the way of the temporary file cannot be replaced: the old file stays whole.
    QDir(env.folder()).mkpath(QStringLiteral("deutsch/wupp.dat.blocked"));
    env.writeFile(QStringLiteral("deutsch/sub"), "x");
    QVERIFY_THROWS_EXCEPTION(RuntimeError, vocabulary::write(env.path(QStringLiteral("deutsch/sub/wupp.dat")), {QStringLiteral("Neues")}));
    QCOMPARE(env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Alt\r\nWort\r\n"));
}

void VocabularyFileTest::unsafeFileNamesMeanTheDefault_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("used");
    QTest::newRow("bare") << "tiere.dat" << "tiere.dat";
    QTest::newRow("empty") << "" << "wupp.dat";
    QTest::newRow("parent folder") << "../Wupple.ini" << "wupp.dat";
    QTest::newRow("absolute") << "/etc/passwd" << "wupp.dat";
    QTest::newRow("backslash") << "..\\x.dat" << "wupp.dat";
    QTest::newRow("dot dot") << ".." << "wupp.dat";
}

void VocabularyFileTest::unsafeFileNamesMeanTheDefault()
{
    QFETCH(QString, stored);
    QFETCH(QString, used);
    TestEnvironment env(TestEnvironment::Words::None);
    g().WortDatei = stored;
    QCOMPARE(QFileInfo(vocabulary::currentPath()).fileName(), used);
    QCOMPARE(QFileInfo(vocabulary::currentPath()).dir().dirName(), QStringLiteral("deutsch"));
}

void VocabularyFileTest::shippedListsArePlayable_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("least");
    const QString az = QStringLiteral("A-Z");
    const struct {
        const char* folder;
        const char* defaultFile;
        QString letters;
    } languages[] = {{"deutsch", "wupp.dat", az + QString::fromUtf8("ÄÖÜ")},
                     {"english", "wupple.dat", az},
                     {"svenska", "wuppla.dat", az + QString::fromUtf8("ÄÖÅ")},
                     {"italiano", "wuppino.dat", az}};
    const QDir runtime(qEnvironmentVariable("WUPPLE_RUNTIME_DIR"));
    for (const auto& language : languages) {
        const QString folder = QString::fromLatin1(language.folder);
        const QStringList lists = QDir(runtime.filePath(folder)).entryList({QStringLiteral("*.dat")}, QDir::Files);
        // The default list and at least eight themes.
        QVERIFY2(lists.contains(QString::fromLatin1(language.defaultFile)) && lists.size() >= 9, qPrintable(folder));
        for (const QString& list : lists) {
            const bool isDefault = list == QString::fromLatin1(language.defaultFile);
            QTest::addRow("%s", qPrintable(folder + u'/' + list))
                << folder + u'/' + list << language.letters << (isDefault ? 400 : 40);
        }
    }
}

void VocabularyFileTest::shippedListsArePlayable()
{
    QFETCH(QString, file);
    QFETCH(QString, letters);
    QFETCH(int, least);
    const QString path = QDir(qEnvironmentVariable("WUPPLE_RUNTIME_DIR")).filePath(file);
    const auto result = vocabulary::read(path);
    QVERIFY2(!result.error, qPrintable(path));
    QVERIFY(result.words.size() >= least);
    const QRegularExpression playable(QStringLiteral("^[%1]{4,20}$").arg(letters));
    QSet<QString> seen;
    for (const QString& word : result.words) {
        const QString upper = word.toUpper();
        QVERIFY2(playable.match(upper).hasMatch(), qPrintable(word));
        QVERIFY2(!seen.contains(upper), qPrintable(word));
        seen.insert(upper);
    }
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    QCOMPARE(bytes.count("\r\n"), qsizetype(result.words.size()));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
}

QTEST_MAIN(VocabularyFileTest)
#include "tst_vocabulary_file.moc"
