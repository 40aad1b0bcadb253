// Importing into the vocabulary editor and saving its list as a new file, as a teacher does it.
#include "GameSession.h"

namespace {
QString sample(const QString& name)
{
    return qEnvironmentVariable("WUPPLE_SOURCE_DIR") + QStringLiteral("/tests/vocabulary/import/") + name;
}
} // namespace

class WEditImportTest : public QObject {
    Q_OBJECT
private slots:
    void importAddsThePlayableWordsAndReports();
    void refusedOrCancelledImportChangesNothing_data();
    void refusedOrCancelledImportChangesNothing();
    void newList_data();
    void newList();
};

void WEditImportTest::importAddsThePlayableWordsAndReports()
{
    EditorSession s({"Hund"});
    auto editor = s.open();
    QCOMPARE(editor->Importieren->text(), QStringLiteral("Importieren…"));
    s.env.dialogs.files.enqueue(sample(QStringLiteral("cp1252.txt")));
    QTest::mouseClick(editor->Importieren, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Hund", QString::fromUtf8("Äpfel"), QString::fromUtf8("Käse")}));
    // The new words stand selected, ready to be deleted again.
    QCOMPARE(editor->List1->selectedItems().size(), 2);
    QVERIFY(editor->Loesch->isEnabled());
    QCOMPARE(g().ListeGeaendert, True);
    const auto& report = s.env.dialogs.shown.last();
    QCOMPARE(report.title, QStringLiteral("Wörter importieren"));
    QCOMPARE(report.icon, Icon::Information);
    QVERIFY2(report.text.startsWith(QStringLiteral("Aus cp1252.txt hinzugefügt: 2 Wörter.\n\nNicht übernommen: 7\n")),
             qPrintable(report.text));
    QVERIFY(report.text.contains(QStringLiteral("Straße – enthält ß")));
    // Saved by the normal Save, in the file's code page.
    QVERIFY(editor->Speichern_Click());
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Hund\r\n\xc4pfel\r\nK\xe4se\r\n"));
    // A new list of only the imported words.
    s.env.dialogs.inputs.enqueue(QStringLiteral("Klasse"));
    s.env.dialogs.answers.enqueue(Answer::Yes);
    QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
    QVERIFY(s.env.dialogs.texts().contains(
        QStringLiteral("Nur die 2 importierten Wörter in die neue Liste übernehmen?\n(Nein: die ganze Liste mit 3 Wörtern)")));
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/Klasse.dat")), QByteArray("\xc4pfel\r\nK\xe4se\r\n"));
}

void WEditImportTest::refusedOrCancelledImportChangesNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("binary") << sample(QStringLiteral("picture.png")) << "ist keine Textdatei";
    QTest::newRow("broken XML") << sample(QStringLiteral("broken.kvtml")) << "keine gültige KVTML-Datei";
    QTest::newRow("cancelled") << QString() << QString();
}

void WEditImportTest::refusedOrCancelledImportChangesNothing()
{
    QFETCH(QString, file);
    QFETCH(QString, message);
    EditorSession s({"Hund", "Katze"});
    auto editor = s.open();
    if (!file.isEmpty())
        s.env.dialogs.files.enqueue(file);
    QTest::mouseClick(editor->Importieren, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Hund", "Katze"}));
    QCOMPARE(g().ListeGeaendert, False);
    const auto& last = s.env.dialogs.shown.last();
    if (message.isEmpty()) {
        QCOMPARE(s.env.dialogs.shown.size(), 1); // the file dialog only
    } else {
        QCOMPARE(last.icon, Icon::Exclamation);
        QVERIFY2(last.text.contains(message) && last.text.contains(QStringLiteral("Es wurde nichts geändert.")),
                 qPrintable(last.text));
    }
}

void WEditImportTest::newList_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("message");
    const QByteArray list("Hund\r\nK\xe4tzchen\r\n");
    QTest::newRow("new name") << "Klasse 3a" << QList<int>{} << "Klasse 3a.dat" << list << "ist gespeichert";
    QTest::newRow("existing, kept") << "tiere" << QList<int>{int(Answer::No)} << "tiere.dat" << QByteArray("Alt\r\n")
                                    << "gibt es schon";
    QTest::newRow("existing, replaced") << "tiere.dat" << QList<int>{int(Answer::Yes)} << "tiere.dat" << list
                                        << "ist gespeichert";
    QTest::newRow("folder typed") << "../Wupple.ini" << QList<int>{} << "../Wupple.ini.dat" << QByteArray()
                                  << "kann nicht als Dateiname dienen";
}

void WEditImportTest::newList()
{
    QFETCH(QString, typed);
    QFETCH(QList<int>, answers);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    EditorSession s({"Hund", QString::fromUtf8("Kätzchen")});
    s.writeWords(QStringLiteral("tiere.dat"), {"Alt"});
    auto editor = s.open();
    s.env.dialogs.inputs.enqueue(typed);
    for (int a : answers)
        s.env.dialogs.answers.enqueue(Answer(a));
    QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/") + file), content);
    QVERIFY2(s.env.dialogs.texts().last().contains(message), qPrintable(s.env.dialogs.texts().last()));
    // The list being edited stays the current file, unchanged until Save.
    QCOMPARE(g().WortDatei, QStringLiteral("wupp.dat"));
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Hund\r\nK\xe4tzchen\r\n"));
}

QTEST_MAIN(WEditImportTest)
#include "tst_wedit_import.moc"
