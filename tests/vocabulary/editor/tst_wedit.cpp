// The vocabulary editor as a parent uses it: typing words, adding and deleting them, saving,
// and leaving with OK or Cancel.
#include "EditorSession.h"

class WEditTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheFileInItsOrder();
    void captionNamesTheFile_data();
    void captionNamesTheFile();
    void unreadableFileIsReported_data();
    void unreadableFileIsReported();
    void keyFilter_data();
    void keyFilter();
    void typingStopsAtTwentyLetters();
    void enterAddsTheWord();
    void addWithNothingTypedStillMarksAChange();
    void clickedEntryGoesIntoTheBox();
    void deleteRemovesTheSelectedEntries_data();
    void deleteRemovesTheSelectedEntries();
    void saveWritesTheListAndReadsBackTheSame();
    void failedSaveLeavesTheOldFile_data();
    void failedSaveLeavesTheOldFile();
    void okHandsTheListToTheGame_data();
    void okHandsTheListToTheGame();
    void okAsksAgainUntilCancelled();
    void cancelForgets_data();
    void cancelForgets();
    void withoutAPoolTheMainWindowGetsTheList();
};

void WEditTest::opensWithTheFileInItsOrder()
{
    EditorSession s({"Zebra", "Apfel", "Maus", "Ei", "Straße"});
    auto editor = s.open();
    // Not sorted; the reader's word rule dropped the short word and the one with ß.
    QCOMPARE(editor->words(), QStringList({"Zebra", "Apfel", "Maus"}));
    QCOMPARE(editor->List1->selectionMode(), QAbstractItemView::ExtendedSelection);
    QVERIFY(!editor->Loesch->isEnabled());
    QVERIFY(editor->Hinzuf->isDefault());
    QCOMPARE(editor->Hinzuf->text(), QStringLiteral("&Hinzufügen"));
    QCOMPARE(editor->Abbruch->text(), QStringLiteral("&Abbrechen"));
    QCOMPARE(editor->Text1->geometry(), QRect(16, 8, 177, 19));
    QCOMPARE(editor->Abbruch->geometry(), QRect(208, 208, 100, 30));
    QVERIFY(s.env.dialogs.shown.isEmpty());
}

void WEditTest::captionNamesTheFile_data()
{
    QTest::addColumn<QString>("wortDatei");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no file chosen") << "" << "Wortschatz bearbeiten...";
    QTest::newRow("chosen file") << "tiere.dat" << "tiere.dat";
}

void WEditTest::captionNamesTheFile()
{
    QFETCH(QString, wortDatei);
    QFETCH(QString, caption);
    EditorSession s({"Apfel"});
    s.writeWords(QStringLiteral("tiere.dat"), {"Hund"});
    g().WortDatei = wortDatei;
    auto editor = s.open();
    QCOMPARE(editor->windowTitle(), caption);
    // Reading fills in the default name.
    QCOMPARE(g().WortDatei, wortDatei.isEmpty() ? QStringLiteral("wupp.dat") : wortDatei);
}

void WEditTest::unreadableFileIsReported_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray() << true << "Datei wupp.dat nicht gefunden!";
    QTest::newRow("empty file") << QByteArray() << false << "Einlesen hinter Dateiende";
}

void WEditTest::unreadableFileIsReported()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, missing);
    QFETCH(QString, message);
    EditorSession s;
    if (!missing)
        s.env.writeFile(QStringLiteral("deutsch/wupp.dat"), content);
    auto editor = s.open();
    QCOMPARE(editor->List1->count(), 0);
    QCOMPARE(s.env.dialogs.shown.size(), 1);
    const auto& box = s.env.dialogs.shown[0];
    QCOMPARE(box.text, message);
    QCOMPARE(box.title, QStringLiteral("Fehler"));
    QCOMPARE(box.icon, Icon::Exclamation);
}

void WEditTest::keyFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("passes");
    for (const char16_t* letter : {u"a", u"z", u"A", u"Z", u"ä", u"ö", u"ü", u"Ä", u"Ö", u"Ü"})
        QTest::newRow(QString::fromUtf16(letter).toUtf8()) << QString::fromUtf16(letter) << true;
    const std::pair<const char*, const char16_t*> refused[] = {
        {"digit", u"1"},      {"blank", u" "},        {"sharp s", u"ß"}, {"ring A", u"Å"},     {"ring a", u"å"},
        {"e acute", u"é"},    {"hyphen", u"-"},       {"comma", u","},   {"quote", u"\""},     {"euro", u"€"},
        {"dotless i", u"ı"},  {"long s", u"ſ"},       {"y diaeresis", u"ÿ"},
    };
    for (const auto& [name, text] : refused)
        QTest::newRow(name) << QString::fromUtf16(text) << false;
}

void WEditTest::keyFilter()
{
    QFETCH(QString, typed);
    QFETCH(bool, passes);
    EditorSession s({"Apfel"});
    auto editor = s.open();
    typeText(editor->Text1, QStringLiteral("Ab") + typed);
    QCOMPARE(editor->Text1->text(), passes ? QStringLiteral("Ab") + typed : QStringLiteral("Ab"));
    // Control keys pass: Backspace takes the last letter back.
    QTest::keyClick(editor->Text1, Qt::Key_Backspace);
    QCOMPARE(editor->Text1->text(), passes ? QStringLiteral("Ab") : QStringLiteral("A"));
    QCOMPARE(WEdit::keyAllowed(typed[0]), passes);
}

void WEditTest::typingStopsAtTwentyLetters()
{
    EditorSession s({"Apfel"});
    auto editor = s.open();
    typeText(editor->Text1, QString(25, u'x'));
    QCOMPARE(editor->Text1->text(), QString(20, u'x'));
}

void WEditTest::enterAddsTheWord()
{
    EditorSession s({"Apfel"});
    auto editor = s.open();
    QCOMPARE(g().ListeGeaendert, False);
    typeText(editor->Text1, QStringLiteral("Hund"));
    QTest::keyClick(editor->Text1, Qt::Key_Return);
    QCOMPARE(editor->words(), QStringList({"Apfel", "Hund"}));
    QVERIFY(editor->Text1->text().isEmpty());
    QCOMPARE(g().ListeGeaendert, True);
    // Neither length nor duplicates are checked here; the reader skips short words later.
    typeText(editor->Text1, QStringLiteral("Ei"));
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    typeText(editor->Text1, QStringLiteral("Hund"));
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Apfel", "Hund", "Ei", "Hund"}));
}

void WEditTest::addWithNothingTypedStillMarksAChange()
{
    EditorSession s({"Apfel"});
    auto editor = s.open();
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Apfel"}));
    QCOMPARE(g().ListeGeaendert, True);
}

void WEditTest::clickedEntryGoesIntoTheBox()
{
    EditorSession s({"Apfel", "Birne"});
    auto editor = s.open();
    clickRow(editor->List1, 1);
    QCOMPARE(editor->Text1->text(), QStringLiteral("Birne"));
    QVERIFY(editor->Loesch->isEnabled());
    QTest::mouseClick(editor->Loesch, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Apfel"}));
    QVERIFY(!editor->Loesch->isEnabled());
}

void WEditTest::deleteRemovesTheSelectedEntries_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("one") << QList<int>{2} << QStringList{"Apfel", "Birne", "Dattel", "Feige"};
    QTest::newRow("two apart") << QList<int>{0, 3} << QStringList{"Birne", "Clementine", "Feige"};
    QTest::newRow("first and last") << QList<int>{0, 4} << QStringList{"Birne", "Clementine", "Dattel"};
    QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4} << QStringList{};
}

void WEditTest::deleteRemovesTheSelectedEntries()
{
    QFETCH(QList<int>, selected);
    QFETCH(QStringList, left);
    EditorSession s({"Apfel", "Birne", "Clementine", "Dattel", "Feige"});
    auto editor = s.open();
    // A click, then Ctrl+clicks add to the selection.
    for (int i = 0; i < selected.size(); ++i)
        clickRow(editor->List1, selected[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    QCOMPARE(editor->List1->selectedItems().size(), selected.size());
    QTest::mouseClick(editor->Loesch, Qt::LeftButton);
    QCOMPARE(editor->words(), left);
    QVERIFY(!editor->Loesch->isEnabled());
    QCOMPARE(g().ListeGeaendert, True);
}

void WEditTest::saveWritesTheListAndReadsBackTheSame()
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

void WEditTest::failedSaveLeavesTheOldFile_data()
{
    QTest::addColumn<QString>("failure");
    QTest::newRow("language folder replaced by a file") << "folder";
    QTest::newRow("file may not grow (size limit)") << "size";
}

void WEditTest::failedSaveLeavesTheOldFile()
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

void WEditTest::okHandsTheListToTheGame_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("fileWritten");
    QTest::newRow("no change: no question") << false << 0 << false << false;
    QTest::newRow("changed, Yes saves") << true << int(Answer::Yes) << true << true;
    QTest::newRow("changed, No keeps the file") << true << int(Answer::No) << true << false;
}

void WEditTest::okHandsTheListToTheGame()
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

void WEditTest::okAsksAgainUntilCancelled()
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

void WEditTest::cancelForgets_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stillMarked");
    QTest::newRow("Cancel button") << "button" << false;
    QTest::newRow("Escape") << "escape" << false;
    QTest::newRow("close box keeps the mark") << "close" << true;
}

void WEditTest::cancelForgets()
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

void WEditTest::withoutAPoolTheMainWindowGetsTheList()
{
    EditorSession s({"Apfel", "Birne"});
    const auto window = s.env.start();
    WEdit editor;
    editor.show();
    typeText(editor.Text1, QStringLiteral("Hund"));
    QTest::mouseClick(editor.Hinzuf, Qt::LeftButton);
    s.env.dialogs.answers.enqueue(Answer::Yes);
    QTest::mouseClick(editor.OK, Qt::LeftButton);
    QCOMPARE(window->List1, QStringList({"Apfel", "Birne", "Hund"}));
    window->close();
    QCoreApplication::processEvents();
}

QTEST_MAIN(WEditTest)
#include "tst_wedit.moc"
