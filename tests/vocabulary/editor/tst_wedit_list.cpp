// The vocabulary editor's list as a parent edits it: opening on the file, typing words through
// the key filter, adding and deleting them.
#include "GameSession.h"
#include "i18n/ExtraTexts.h"

#include <QDir>

class WEditListTest : public QObject {
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
    void clickedEntryGoesIntoTheBox();
    void deleteRemovesTheSelectedEntries_data();
    void deleteRemovesTheSelectedEntries();
};

void WEditListTest::opensWithTheFileInItsOrder()
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

void WEditListTest::captionNamesTheFile_data()
{
    QTest::addColumn<QString>("wortDatei");
    QTest::addColumn<QString>("caption");
    QTest::newRow("no file chosen") << "" << "Wortschatz bearbeiten...";
    QTest::newRow("chosen file") << "tiere.dat" << "tiere.dat";
}

void WEditListTest::captionNamesTheFile()
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

void WEditListTest::unreadableFileIsReported_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << QByteArray() << true << "Datei wupp.dat nicht gefunden!";
    QTest::newRow("empty file") << QByteArray() << false << "Einlesen hinter Dateiende (%1)";
}

void WEditListTest::unreadableFileIsReported()
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
    QCOMPARE(box.text, message.arg(QDir::toNativeSeparators(s.env.path(QStringLiteral("deutsch/wupp.dat")))));
    QCOMPARE(box.title, QStringLiteral("Fehler"));
    QCOMPARE(box.icon, Icon::Exclamation);
}

void WEditListTest::keyFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<int>("lastCard"); // 28 German, 29 Swedish
    for (const char16_t* letter : {u"a", u"z", u"A", u"Z", u"ä", u"ö", u"ü", u"Ä", u"Ö", u"Ü"})
        QTest::newRow(QString::fromUtf16(letter).toUtf8()) << QString::fromUtf16(letter) << true << 28;
    // The Swedish cards have an Å, and Swedish words are written with it.
    QTest::newRow("ring A in Swedish") << QStringLiteral("Å") << true << 29;
    QTest::newRow("ring a in Swedish") << QStringLiteral("å") << true << 29;
    QTest::newRow("e acute in Swedish") << QStringLiteral("é") << false << 29;
    const std::pair<const char*, const char16_t*> refused[] = {
        {"digit", u"1"},      {"blank", u" "},        {"sharp s", u"ß"}, {"ring A", u"Å"},     {"ring a", u"å"},
        {"e acute", u"é"},    {"hyphen", u"-"},       {"comma", u","},   {"quote", u"\""},     {"euro", u"€"},
        {"dotless i", u"ı"},  {"long s", u"ſ"},       {"y diaeresis", u"ÿ"},
    };
    for (const auto& [name, text] : refused)
        QTest::newRow(name) << QString::fromUtf16(text) << false << 28;
}

void WEditListTest::keyFilter()
{
    QFETCH(QString, typed);
    QFETCH(bool, passes);
    QFETCH(int, lastCard);
    EditorSession s({"Apfel"});
    g().LetzterBuchstabe = qint16(lastCard);
    auto editor = s.open();
    typeText(editor->Text1, QStringLiteral("Ab") + typed);
    QCOMPARE(editor->Text1->text(), passes ? QStringLiteral("Ab") + typed : QStringLiteral("Ab"));
    // Control keys pass: Backspace takes the last letter back.
    QTest::keyClick(editor->Text1, Qt::Key_Backspace);
    QCOMPARE(editor->Text1->text(), passes ? QStringLiteral("Ab") : QStringLiteral("A"));
    QCOMPARE(WEdit::keyAllowed(typed[0]), passes);
    // Delete comes with the text "\x7F" from X11; it is no typed letter and must do its work.
    editor->Text1->setCursorPosition(0);
    QTest::sendKeyEvent(QTest::Click, editor->Text1, Qt::Key_Delete, QStringLiteral("\x7F"), Qt::NoModifier);
    QCOMPARE(editor->Text1->text(), passes ? QStringLiteral("b") : QString());
}

void WEditListTest::typingStopsAtTwentyLetters()
{
    EditorSession s({"Apfel"});
    auto editor = s.open();
    typeText(editor->Text1, QString(25, u'x'));
    QCOMPARE(editor->Text1->text(), QString(20, u'x'));
}

void WEditListTest::enterAddsTheWord()
{
    EditorSession s({"Apfel"});
    auto editor = s.open();
    QCOMPARE(g().ListeGeaendert, False);
    // Add with nothing typed adds nothing, but still counts as a change.
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Apfel"}));
    QCOMPARE(g().ListeGeaendert, True);
    g().ListeGeaendert = False;
    typeText(editor->Text1, QStringLiteral("Hund"));
    QTest::keyClick(editor->Text1, Qt::Key_Return);
    QCOMPARE(editor->words(), QStringList({"Apfel", "Hund"}));
    QVERIFY(editor->Text1->text().isEmpty());
    QCOMPARE(g().ListeGeaendert, True);
    // A word the game would never play is refused with the reason; duplicates are allowed.
    g().ListeGeaendert = False;
    typeText(editor->Text1, QStringLiteral("Ei"));
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    QCOMPARE(s.env.dialogs.texts(), QStringList({extraText(Extra::WordLength)}));
    QCOMPARE(editor->Text1->text(), QStringLiteral("Ei"));
    QCOMPARE(g().ListeGeaendert, False);
    editor->Text1->setText(QStringLiteral("Hund"));
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Apfel", "Hund", "Hund"}));
}

void WEditListTest::clickedEntryGoesIntoTheBox()
{
    EditorSession s({"Apfel", "Birne"});
    auto editor = s.open();
    clickRow(editor->List1, 1);
    QCOMPARE(editor->Text1->text(), QStringLiteral("Birne"));
    QVERIFY(editor->Loesch->isEnabled());
    QTest::mouseClick(editor->Loesch, Qt::LeftButton);
    QCOMPARE(editor->words(), QStringList({"Apfel"}));
    QVERIFY(!editor->Loesch->isEnabled());
    // The deleted word stays in the box (ready to be added again); no other entry jumps in.
    QCOMPARE(editor->Text1->text(), QStringLiteral("Birne"));
}

void WEditListTest::deleteRemovesTheSelectedEntries_data()
{
    QTest::addColumn<QList<int>>("selected");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("one") << QList<int>{2} << QStringList{"Apfel", "Birne", "Dattel", "Feige"};
    QTest::newRow("two apart") << QList<int>{0, 3} << QStringList{"Birne", "Clementine", "Feige"};
    QTest::newRow("first and last") << QList<int>{0, 4} << QStringList{"Birne", "Clementine", "Dattel"};
    QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4} << QStringList{};
}

void WEditListTest::deleteRemovesTheSelectedEntries()
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

QTEST_MAIN(WEditListTest)
#include "tst_wedit_list.moc"
