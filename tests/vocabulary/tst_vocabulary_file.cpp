// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing vocabulary files, the shipped word lists, importing from text, CSV and KVTML.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "vocabulary/Import.h"
#include "vocabulary/VocabularyFile.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace vocabulary::import;

namespace {
QString sample(const QString& name)
{
    return qEnvironmentVariable("WUPPLE_SOURCE_DIR") + QStringLiteral("/tests/vocabulary/import/") + name;
}

// "Straße:ß", "Café:card é" and so on, short enough to list in a table.
QStringList codes(const QList<Skipped>& skipped)
{
    static const char* const names[] = {"words", "ß", "signs", "card", "short", "long", "twice", "full"};
    QStringList all;
    for (const Skipped& s : skipped) {
        QString code = s.entry + u':' + QString::fromUtf8(names[int(s.reason)]);
        if (s.reason == Skip::NoCard)
            code += u' ' + s.letter;
        all.push_back(code);
    }
    return all;
}
} // namespace

class VocabularyFileTest : public QObject {
    Q_OBJECT
private slots:
    void itemsAndWordRule_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<bool>("asWritten"); // writing the words gives the file byte for byte
        QTest::newRow("4 taken, 3 skipped") << QByteArray("Baum\r\nEis\r\n") << QStringList{"Baum"} << false;
        QTest::newRow("20 taken, 21 skipped") << (QByteArray(20, 'a') + "\r\n" + QByteArray(21, 'b') + "\r\n")
                                              << QStringList{QString(20, u'a')} << false;
        QTest::newRow("leading blanks skipped") << QByteArray("  Hase\r\n") << QStringList{"Hase"} << false;
        // Blanks and tabs behind an unquoted item are no part of it, nor of its 20 letters.
        QTest::newRow("trailing blanks and tab dropped") << QByteArray("Hase  \r\nIgel\t\r\nMaus \t ,Wolf\r\n")
                                                         << QStringList{"Hase", "Igel", "Maus", "Wolf"} << false;
        QTest::newRow("20 letters and trailing blanks taken") << (QByteArray(20, 'a') + " \t  \r\n")
                                                              << QStringList{QString(20, u'a')} << false;
        QTest::newRow("tab inside an item kept") << QByteArray("Ha\tse\r\n") << QStringList{"Ha\tse"} << false;
        QTest::newRow("eszett skipped") << QByteArray("Stra\xdf" "e\r\nFlu\xdf\r\nKatze\r\n") << QStringList{"Katze"} << false;
        QTest::newRow("comma splits") << QByteArray("Hund,Katze\r\n") << QStringList{"Hund", "Katze"} << false;
        QTest::newRow("quoted item") << QByteArray("\"  Igel\"\r\n\"Eis,am,Stiel\"\r\n") << QStringList{"  Igel", "Eis,am,Stiel"} << true;
        QTest::newRow("text after the closing quote dropped") << QByteArray("\"Igel\"Maus,Hund\r\n") << QStringList{"Igel", "Hund"} << false;
        QTest::newRow("trailing blank quoted") << QByteArray("\"Hase\t\"\r\n") << QStringList{"Hase\t"} << true;
        QTest::newRow("quote inside a plain word") << QByteArray("Ab\"cd\r\n") << QStringList{"Ab\"cd"} << true;
        QTest::newRow("empty last line") << QByteArray("Maus\r\n\r\n") << QStringList{"Maus"} << false;
        QTest::newRow("no final line break") << QByteArray("Maus\r\nHaus") << QStringList{"Maus", "Haus"} << false;
        QTest::newRow("LF and lone CR") << QByteArray("Maus\nHaus\rLaus") << QStringList{"Maus", "Haus", "Laus"} << false;
        QTest::newRow("duplicates and order kept") << QByteArray("Zebra\r\nAffe\r\nZebra\r\n") << QStringList{"Zebra", "Affe", "Zebra"} << true;
        QTest::newRow("umlauts, case kept") << QByteArray("B\xe4r\xfc\r\n\xc4pfel\r\napfel\r\n")
                                            << QStringList{QString::fromUtf8("Bärü"), QString::fromUtf8("Äpfel"), "apfel"} << true;
    }

    void itemsAndWordRule()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, words);
        QFETCH(bool, asWritten);
        TestEnvironment env(TestEnvironment::Words::None);
        env.writeFile(QStringLiteral("deutsch/wupp.dat"), file);
        const auto result = vocabulary::read(vocabulary::currentPath());
        QVERIFY(!result.error);
        QCOMPARE(result.words, words);
        if (asWritten) {
            QVERIFY(QFile::remove(vocabulary::currentPath()));
            vocabulary::write(vocabulary::currentPath(), words);
            QCOMPARE(env.readFile(QStringLiteral("deutsch/wupp.dat")), file);
        }
    }

    // Entries that would not read back as they are are refused whole; the old file stays.
    void writerRefusesWhatWouldNotReadBack()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        env.writeFile(QStringLiteral("deutsch/wupp.dat"), "Alt\r\n");
        for (const QStringList& entries : {QStringList{"Baum", "\"Kirsch,baum"}, QStringList{"\"Zitat"}, QStringList{"Zwei\nZeilen"}}) {
            QVERIFY_THROWS_EXCEPTION(RuntimeError, vocabulary::write(vocabulary::currentPath(), entries));
            QCOMPARE(env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Alt\r\n"));
        }
    }

    // What the reader refused unread is never replaced, and no list is written that the reader
    // would refuse; either way the old file stays as it was.
    void writerRefusesWhatTheReaderRefuses()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        const QByteArray large = QByteArray(vocabulary::MaxFileBytes, 'x') + "\r\nHund\r\n";
        env.writeFile(QStringLiteral("deutsch/wupp.dat"), large);
        const auto result = vocabulary::read(vocabulary::currentPath());
        QVERIFY(result.tooLarge && result.refused());
        QVERIFY_THROWS_EXCEPTION(RuntimeError, vocabulary::write(vocabulary::currentPath(), {"Hund"}));
        QCOMPARE(env.readFile(QStringLiteral("deutsch/wupp.dat")), large);

        QStringList tooMany;
        for (int i = 0; i < 60000; ++i)
            tooMany.push_back(QStringLiteral("Wortwortwortwort%1").arg(i));
        QVERIFY(QFile::remove(vocabulary::currentPath()));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, vocabulary::write(vocabulary::currentPath(), tooMany));
        QVERIFY(!QFile::exists(vocabulary::currentPath()));
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

    // A list of exactly the size limit, full to the last word, is read whole; one byte more and
    // it is refused unread.
    void wordListAtItsSizeLimit()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        QByteArray file;
        for (int i = 0; i < vocabulary::MaxWords; ++i)
            file += "Wort" + QByteArray::number(i) + "\r\n";
        file += QByteArray(vocabulary::MaxFileBytes - file.size(), ' ');
        QCOMPARE(file.size(), vocabulary::MaxFileBytes);
        env.writeFile(QStringLiteral("deutsch/wupp.dat"), file);
        auto result = vocabulary::read(vocabulary::currentPath());
        QVERIFY(!result.error && !result.tooLarge && !result.truncated);
        QCOMPARE(result.words.size(), vocabulary::MaxWords);
        QCOMPARE(result.words.last(), QStringLiteral("Wort32766"));

        env.writeFile(QStringLiteral("deutsch/wupp.dat"), file + ' ');
        result = vocabulary::read(vocabulary::currentPath());
        QVERIFY(result.tooLarge && result.words.isEmpty());
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
    // playable with that language's cards and there only once.
    void shippedListsArePlayable()
    {
        const QString az = QStringLiteral("A-Z");
        const std::pair<QString, QString> languages[] = {{"deutsch/wupp.dat", az + QString::fromUtf8("ÄÖÜ")}, {"english/wupple.dat", az},
                                                         {"svenska/wuppla.dat", az + QString::fromUtf8("ÄÖÅ")}, {"italiano/wuppino.dat", az}};
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
            }
        }
    }

    void files_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("skipped");
        const QStringList germanSkips{"Bär:short", "Straße:ß", "Hund:twice", "hund:twice", "12Uhr:signs",
                                      "Café:card é", "Åsa:card Å"};
        for (const char* file : {"cp1252.txt", "utf8.txt", "utf8-bom.txt", "utf16.txt"})
            QTest::addRow("%s German", file) << file << 0 << QStringList{"Hund"} << QStringList{"Äpfel", "Käse"} << germanSkips;
        QTest::newRow("Swedish cards") << "cp1252.txt" << 2000 << QStringList{} << QStringList{"Äpfel", "Käse", "Hund"}
                                       << QStringList{"Bär:short", "Straße:ß", "hund:twice", "12Uhr:signs", "Café:card é", "Åsa:short"};
        QTest::newRow("English cards") << "utf8.txt" << 1000 << QStringList{} << QStringList{"Hund"}
                                       << QStringList{"Bär:card ä", "Äpfel:card Ä", "Käse:card ä", "Straße:ß", "hund:twice",
                                                      "12Uhr:signs", "Café:card é", "Åsa:card Å"};
        QTest::newRow("CSV first column") << "words.csv" << 0 << QStringList{"Hund"} << QStringList{"Wort", "Katze", "Maus"}
                                          << QStringList{"Eis am Stiel:words", "Hund:twice"};
        QTest::newRow("KVTML matching locale") << "two-identifiers.kvtml" << 0 << QStringList{}
                                               << QStringList{"Pferd", "Katze", "Apfel"} << QStringList{"Eis am Stiel:words"};
        QTest::newRow("KVTML English") << "two-identifiers.kvtml" << 1000 << QStringList{} << QStringList{"horse", "apple"}
                                       << QStringList{"ice cream:words", "cat:short"};
        QTest::newRow("KVTML first identifier") << "two-identifiers.kvtml" << 3000 << QStringList{}
                                                << QStringList{"horse", "apple"} << QStringList{"ice cream:words", "cat:short"};
        QTest::newRow("empty file") << "empty.txt" << 0 << QStringList{} << QStringList{} << QStringList{};
    }

    void files()
    {
        QFETCH(QString, file);
        QFETCH(int, language);
        QFETCH(QStringList, existing);
        QFETCH(QStringList, added);
        QFETCH(QStringList, skipped);
        const auto entries = readEntries(sample(file), localeOf(qint16(language)));
        QCOMPARE(entries.refusal, Refusal::None);
        const Outcome outcome = judge(entries.entries, existing, cardLetters(qint16(language)));
        QCOMPARE(outcome.added, added);
        QCOMPARE(codes(outcome.skipped), skipped);
    }

    void refusedFiles()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        // A sparse file: as large as it claims, written in no time.
        QTemporaryDir dir;
        const QString huge = dir.filePath(QStringLiteral("huge.txt"));
        QFile hugeFile(huge);
        QVERIFY(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(MaxBytes + 1));
        const struct {
            QString file;
            Refusal refusal;
            const char* message;
        } files[] = {{sample("picture.png"), Refusal::NotText, "Die Datei picture.png ist keine Textdatei.\nEs wurde nichts geändert."},
                     {sample("broken.kvtml"), Refusal::BrokenXml,
                      // the line, and none of the XML reader's English
                      "Die Datei broken.kvtml ist keine gültige KVTML-Datei (Fehler in Zeile 5).\nEs wurde nichts geändert."},
                     {sample(""), Refusal::NotText, "ist keine Textdatei"},
                     {sample("missing.txt"), Refusal::Unreadable, "Die Datei missing.txt kann nicht gelesen werden"},
                     {huge, Refusal::TooLarge, "ist zu groß für eine Wortliste (mehr als 4 MB)"},
                     // Opens, but every read fails: that is no empty file with nothing to add.
                     {QStringLiteral("/proc/self/mem"), Refusal::Unreadable, "Die Datei mem kann nicht gelesen werden: "}};
        for (const auto& [file, refusal, message] : files) {
            const auto entries = readEntries(file, localeOf(0));
            QCOMPARE(entries.refusal, refusal);
            QVERIFY(entries.entries.isEmpty());
            const QString text = refusalText(QFileInfo(file).fileName(), entries);
            QVERIFY2(text.contains(QString::fromUtf8(message)), qPrintable(text));
        }
    }

    void reportListsTheSkippedEntries()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        Outcome outcome{{"Hund", "Katze"},
                        {{"Maus", Skip::Duplicate, {}},
                         {"Eis am Stiel", Skip::SeveralWords, {}},
                         {"Café", Skip::NoCard, QChar(u'é')},
                         {"Igel", Skip::Duplicate, {}}}};
        QCOMPARE(report(QStringLiteral("tiere.txt"), outcome),
                 QStringLiteral("Aus tiere.txt hinzugefügt: 2 Wörter.\n\nNicht übernommen: 4\n"
                                "Eis am Stiel – mehr als ein Wort\nCafé – für „é“ gibt es keine Karte\n"
                                "Schon in der Liste (2): Maus, Igel"));
        g().SprachOffset = 1000;
        for (int i = 0; i < 40; ++i)
            outcome.skipped.push_back({QStringLiteral("x%1").arg(i), Skip::NotLetters, {}});
        const QStringList lines = report(QStringLiteral("x%2.csv"), outcome).split(u'\n');
        // A "%2" in the file's name is part of the name.
        QCOMPARE(lines.first(), QStringLiteral("Added from x%2.csv: 2 words."));
        QCOMPARE(lines.size(), 3 + ListedSkips + 2);
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("… and 22 more"));
    }

    // One huge entry or name cannot swell a message: each is cut, on one line, and the report
    // lists only so many.
    void messagesQuoteEntriesShort()
    {
        TestEnvironment env(TestEnvironment::Words::None);
        const std::pair<QString, QString> shown[] = {
            {QString(40, u'a'), QString(40, u'a')},
            {QString(41, u'a'), QString(39, u'a') + u'…'},
            {QStringLiteral("Zwei\nZeilen\tund\r"), QStringLiteral("Zwei Zeilen und ")},
            {QString(38, u'a') + QString::fromUtf8("😀😀"), QString(38, u'a') + u'…'}};
        for (const auto& [entry, quoted] : shown)
            QCOMPARE(forMessage(entry), quoted);

        Outcome outcome;
        const QString line(100000, u'x');
        for (int i = 0; i < 1000; ++i) {
            outcome.skipped.push_back({line + QString::number(i), Skip::NotLetters, {}});
            outcome.skipped.push_back({QStringLiteral("Doppelwortdoppelwort"), Skip::Duplicate, {}});
        }
        const QString text = report(line + QStringLiteral(".txt"), outcome);
        const QStringList lines = text.split(u'\n');
        QVERIFY2(text.size() < 3000 && lines.size() < 40, qPrintable(QString::number(text.size())));
        for (const QString& l : lines)
            QVERIFY2(l.size() <= 90, qPrintable(l));
        QVERIFY(refusalText(line, {{}, Refusal::NotText, {}}).size() < 200);
    }

    // The name typed for a new list: ".dat" added where it has no suffix; none where it would leave
    // the folder, hide the file or not fit the file's code page.
    void newListNames()
    {
        const std::pair<const char*, const char*> typedAndName[] = {
            {" Klasse 3a ", "Klasse 3a.dat"}, {"tiere.DAT", "tiere.DAT"}, {"Körper", "Körper.dat"}, {"../Wupple", ""},
            {"/tmp/x", ""},                   {".versteckt", ""},          {"Ωmega", ""},              {"a\tb", ""}};
        for (const auto& [typed, name] : typedAndName)
            QCOMPARE(newListName(QString::fromUtf8(typed)), QString::fromUtf8(name));
    }
};

QTEST_MAIN(VocabularyFileTest)
#include "tst_vocabulary_file.moc"
