// Importing words from text, CSV and KVTML files: what each language takes, what it skips and
// why, and which files are refused whole.
#include "TestEnvironment.h"
#include "common/Allgemein.h"
#include "vocabulary/Import.h"

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

class ImportTest : public QObject {
    Q_OBJECT
private slots:
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

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("message");
        QTest::newRow("binary") << sample("picture.png") << int(Refusal::NotText)
                                << "Die Datei picture.png ist keine Textdatei.\nEs wurde nichts geändert.";
        QTest::newRow("broken XML") << sample("broken.kvtml") << int(Refusal::BrokenXml)
                                    << "Die Datei broken.kvtml ist keine gültige KVTML-Datei";
        QTest::newRow("folder") << sample("") << int(Refusal::NotText) << "ist keine Textdatei";
        QTest::newRow("missing") << sample("missing.txt") << int(Refusal::Unreadable)
                                 << "Die Datei missing.txt kann nicht gelesen werden";
        QTest::newRow("too large") << QString() << int(Refusal::TooLarge)
                                   << "ist zu groß für eine Wortliste (mehr als 4 MB)";
    }

    void refusedFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, refusal);
        QFETCH(QString, message);
        TestEnvironment env(TestEnvironment::Words::None);
        QTemporaryDir dir;
        if (file.isEmpty()) {
            // A sparse file: as large as it claims, written in no time.
            file = dir.filePath(QStringLiteral("huge.txt"));
            QFile huge(file);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxBytes + 1));
        }
        const auto entries = readEntries(file, localeOf(0));
        QCOMPARE(int(entries.refusal), refusal);
        QVERIFY(entries.entries.isEmpty());
        const QString text = refusalText(QFileInfo(file).fileName(), entries);
        QVERIFY2(text.contains(message), qPrintable(text));
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
        QCOMPARE(lines.size(), 3 + 30 + 2);
        QCOMPARE(lines.at(lines.size() - 2), QStringLiteral("… and 12 more"));
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

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
