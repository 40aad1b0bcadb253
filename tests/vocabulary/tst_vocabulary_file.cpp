// Reading and writing vocabulary files, and the word lists the game ships.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "vocabulary/VocabularyFile.h"

#include <QRegularExpression>
#include <QTest>

class VocabularyFileTest : public QObject {
    Q_OBJECT
private slots:
    void itemsAndWordRule_data()
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

    void itemsAndWordRule()
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

    void errorsKeepWhatWasRead()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        // No file, an empty file, a folder where the file should be.
        for (const int error : {53, 62, 75}) {
            if (error == 62)
                env.writeFile(QStringLiteral("deutsch/wupp.dat"), {});
            if (error == 75)
                QVERIFY(QFile::remove(vocabulary::currentPath()) && QDir().mkpath(vocabulary::currentPath()));
            const auto result = vocabulary::read(vocabulary::currentPath());
            QVERIFY(result.error);
            QCOMPARE(result.error->number(), error);
            QVERIFY(result.words.isEmpty());
            // Every message names the file, so a parent knows which one to look at.
            const QString told = vocabulary::readProblems(result).join(u' ');
            QVERIFY2(told.contains(QStringLiteral("wupp.dat")), qPrintable(told));
        }
    }

    void moreThanTheLimitKeepsTheFirst()
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

    void writerWritesWhatReadsBack_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("file"); // empty: refused, the old file stays
        QTest::newRow("Windows-1252, case kept") << QStringList{"Bären", "Zebra", "Öltank", "apfel"}
                                                 << QByteArray("B\xe4ren\r\nZebra\r\n\xd6ltank\r\napfel\r\n");
        QTest::newRow("comma inside") << QStringList{"Kirsch,baum"} << QByteArray("\"Kirsch,baum\"\r\n");
        QTest::newRow("blanks at the ends") << QStringList{"  Igel", "Hase\t"} << QByteArray("\"  Igel\"\r\n\"Hase\t\"\r\n");
        QTest::newRow("quote inside a plain word") << QStringList{"Ab\"cd"} << QByteArray("Ab\"cd\r\n");
        QTest::newRow("quote where quotes are needed") << QStringList{"Baum", "\"Kirsch,baum"} << QByteArray();
        QTest::newRow("leading quote") << QStringList{"\"Zitat"} << QByteArray();
        QTest::newRow("line break") << QStringList{"Zwei\nZeilen"} << QByteArray();
    }

    void writerWritesWhatReadsBack()
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

    // A stored name that would lead out of the language folder means the default list.
    void unsafeFileNamesMeanTheDefault()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        const std::pair<const char*, const char*> names[] = {{"tiere.dat", "tiere.dat"},  {"", "wupp.dat"},
                                                             {"../Wupple.ini", "wupp.dat"}, {"/etc/passwd", "wupp.dat"},
                                                             {"..\\x.dat", "wupp.dat"},     {"..", "wupp.dat"}};
        for (const auto& [stored, used] : names) {
            g().WortDatei = QString::fromLatin1(stored);
            const QFileInfo path(vocabulary::currentPath());
            QVERIFY2(path.fileName() == QLatin1String(used) && path.dir().dirName() == QStringLiteral("deutsch"), stored);
        }
    }

    // Every shipped list: the default one and at least eight themes in each language, every word
    // playable with that language's cards and there only once, one to a CR LF line.
    void shippedListsArePlayable()
    {
        const QString az = QStringLiteral("A-Z");
        const std::pair<QString, QString> languages[] = {{"deutsch/wupp.dat", az + QString::fromUtf8("ÄÖÜ")},
                                                         {"english/wupple.dat", az},
                                                         {"svenska/wuppla.dat", az + QString::fromUtf8("ÄÖÅ")},
                                                         {"italiano/wuppino.dat", az}};
        for (const auto& [defaultList, letters] : languages) {
            const QFileInfo shipped(QDir(qEnvironmentVariable("WUPPLE_RUNTIME_DIR")).filePath(defaultList));
            const QFileInfoList lists = shipped.dir().entryInfoList({QStringLiteral("*.dat")}, QDir::Files);
            QVERIFY2(shipped.isFile() && lists.size() >= 9, qPrintable(defaultList));
            const QRegularExpression playable(QStringLiteral("^[%1]{4,20}$").arg(letters));
            for (const QFileInfo& list : lists) {
                const auto result = vocabulary::read(list.filePath());
                QVERIFY2(!result.error && result.words.size() >= (list == shipped ? 400 : 40), qPrintable(list.filePath()));
                QSet<QString> seen;
                for (const QString& word : result.words) {
                    QVERIFY2(playable.match(word.toUpper()).hasMatch() && !seen.contains(word.toUpper()), qPrintable(word));
                    seen.insert(word.toUpper());
                }
                QFile raw(list.filePath());
                QVERIFY(raw.open(QIODevice::ReadOnly));
                const QByteArray bytes = raw.readAll();
                QVERIFY2(bytes.count("\r\n") == result.words.size() && bytes.count('\n') == result.words.size(),
                         qPrintable(list.filePath()));
            }
        }
    }
};

QTEST_MAIN(VocabularyFileTest)
#include "tst_vocabulary_file.moc"
