// Leaving the vocabulary editor: saving all or nothing, OK with and without the save question,
// Cancel, and where the list goes.
#include "GameSession.h"
#include "settings/Einst.h"

class WEditLeaveTest : public QObject {
    Q_OBJECT
private slots:
    void saveWritesTheListAndReadsBackTheSame();
    void failedSaveLeavesTheOldFile_data();
    void failedSaveLeavesTheOldFile();
    void okHandsTheListToTheGame_data();
    void okHandsTheListToTheGame();
    void okAsksAgainUntilCancelled();
    void cancelForgets_data();
    void cancelForgets();
};

void WEditLeaveTest::saveWritesTheListAndReadsBackTheSame()
{
    EditorSession s({"Zebra", "Apfel"});
    auto editor = s.open();
    typeText(editor->Text1, QStringLiteral("Bären"));
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    clickRow(editor->List1, 0);
    QTest::mouseClick(editor->Loesch, Qt::LeftButton);
    QTest::mouseClick(editor->Speichern, Qt::LeftButton);
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Apfel\r\nB\xe4ren\r\n"));
    QCOMPARE(s.pool, QStringList({"Apfel", "Bären"}));
    QCOMPARE(g().ListeGeaendert, False);
    QVERIFY(editor->isVisible());
    QTest::mouseClick(editor->Abbruch, Qt::LeftButton);

    auto again = s.open();
    QCOMPARE(again->words(), QStringList({"Apfel", "Bären"}));
}

void WEditLeaveTest::failedSaveLeavesTheOldFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("language folder replaced by a file") << "folder";
    QTest::newRow("file may not grow (size limit)") << "size";
}

void WEditLeaveTest::failedSaveLeavesTheOldFile()
{
    QFETCH(QString, failure);
    EditorSession s({"Apfel", "Birne"});
    const QByteArray old = s.env.readFile(QStringLiteral("deutsch/wupp.dat"));
    s.pool = {QStringLiteral("Alt")};
    auto editor = s.open();
    for (const char* word : {"Clementine", "Dattel", "Feige", "Grapefruit"}) {
        typeText(editor->Text1, QString::fromLatin1(word));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    }
    {
        const Obstacle obstacle(s.env, failure == QStringLiteral("size") ? Obstacle::SizeLimit : Obstacle::FolderIsAFile);
        QTest::mouseClick(editor->Speichern, Qt::LeftButton);
    }
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), old);
    QCOMPARE(QDir(s.env.path(QStringLiteral("deutsch"))).entryList(QDir::Files), QStringList({"wupp.dat"}));
    QCOMPARE(s.env.dialogs.shown.size(), 1);
    const auto& box = s.env.dialogs.shown[0];
    QVERIFY2(box.text.startsWith(QStringLiteral("Der Wortschatz konnte nicht gespeichert werden.")), qPrintable(box.text));
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(s.env.path(QStringLiteral("deutsch/wupp.dat")))), qPrintable(box.text));
    QCOMPARE(box.icon, Icon::Exclamation);
    QCOMPARE(g().ListeGeaendert, True);
    QCOMPARE(s.pool, QStringList({"Alt"}));

    // OK with Yes tries again; after another failure the editor stays open with the words.
    {
        const Obstacle obstacle(s.env, failure == QStringLiteral("size") ? Obstacle::SizeLimit : Obstacle::FolderIsAFile);
        s.env.dialogs.answers.enqueue(Answer::Yes);
        QTest::mouseClick(editor->OK, Qt::LeftButton);
    }
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->words().size(), 6);
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), old);
}

void WEditLeaveTest::okHandsTheListToTheGame_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("fileWritten");
    QTest::newRow("no change: no question") << false << 0 << false << false;
    QTest::newRow("changed, Yes saves") << true << int(Answer::Yes) << true << true;
    QTest::newRow("changed, No keeps the file") << true << int(Answer::No) << true << false;
}

void WEditLeaveTest::okHandsTheListToTheGame()
{
    QFETCH(bool, edit);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, fileWritten);
    EditorSession s({"Apfel", "Birne"});
    const QByteArray old = s.env.readFile(QStringLiteral("deutsch/wupp.dat"));
    auto editor = s.open();
    if (edit) {
        typeText(editor->Text1, QStringLiteral("Hund"));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    }
    if (answer)
        s.env.dialogs.answers.enqueue(Answer(answer));
    QTest::mouseClick(editor->OK, Qt::LeftButton);
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(s.pool, editor->words());
    QCOMPARE(s.env.dialogs.shown.size(), asked ? 1 : 0);
    if (asked) {
        const auto& box = s.env.dialogs.shown[0];
        QCOMPARE(box.text, QStringLiteral("Änderungen speichern?"));
        QCOMPARE(box.title, QStringLiteral("wupp.dat"));
        QCOMPARE(box.icon, Icon::Question);
        QCOMPARE(box.buttons, Buttons::YesNo);
    }
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")),
             fileWritten ? QByteArray("Apfel\r\nBirne\r\nHund\r\n") : old);
}

void WEditLeaveTest::okAsksAgainUntilCancelled()
{
    EditorSession s({"Apfel"});
    auto first = s.open();
    QTest::mouseClick(first->Hinzuf, Qt::LeftButton);
    QTest::mouseClick(first->OK, Qt::LeftButton); // answered No
    // Only Cancel forgets: an untouched second opening still asks.
    auto second = s.open();
    QTest::mouseClick(second->OK, Qt::LeftButton);
    QCOMPARE(s.env.dialogs.shown.size(), 2);
    auto third = s.open();
    QTest::mouseClick(third->Abbruch, Qt::LeftButton);
    auto fourth = s.open();
    QTest::mouseClick(fourth->OK, Qt::LeftButton);
    QCOMPARE(s.env.dialogs.shown.size(), 2);
}

void WEditLeaveTest::cancelForgets_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stillMarked");
    QTest::newRow("Cancel button") << "button" << false;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("close box keeps the mark") << "close" << true;
}

void WEditLeaveTest::cancelForgets()
{
    QFETCH(QString, how);
    QFETCH(bool, stillMarked);
    EditorSession s({"Apfel"});
    const QByteArray old = s.env.readFile(QStringLiteral("deutsch/wupp.dat"));
    s.pool = {QStringLiteral("Alt")};
    auto editor = s.open();
    typeText(editor->Text1, QStringLiteral("Hund"));
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    if (how == QStringLiteral("button"))
        QTest::mouseClick(editor->Abbruch, Qt::LeftButton);
    else if (how == QStringLiteral("escape"))
        QTest::keyClick(editor->List1, Qt::Key_Escape);
    else
        editor->close();
    QVERIFY(!editor->isVisible());
    QCOMPARE(editor->result(), int(QDialog::Rejected));
    QCOMPARE(g().ListeGeaendert, flag(stillMarked));
    QCOMPARE(s.pool, QStringList({"Alt"}));
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), old);
    QVERIFY(s.env.dialogs.shown.isEmpty());
}

QTEST_MAIN(WEditLeaveTest)
#include "tst_wedit_leave.moc"
