// The vocabulary editor as a parent uses it; what reader, writer and import decide: tst_vocabulary_file.
#include "GameSession.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"

namespace {
QString sample(const QString& name)
{
    return qEnvironmentVariable("WUPPLE_SOURCE_DIR") + QStringLiteral("/tests/vocabulary/import/") + name;
}
} // namespace

class WEditTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheFileInItsOrder()
    {
        EditorSession s({"Zebra", "Apfel", "Maus", "Ei", "Straße"});
        g().WortDatei.clear();
        auto editor = s.open();
        // Not sorted; the reader's word rule dropped the short word and the one with ß.
        QCOMPARE(editor->words(), QStringList({"Zebra", "Apfel", "Maus"}));
        QVERIFY(!editor->Loesch->isEnabled());
        QCOMPARE(editor->Text1->geometry(), QRect(16, 8, 177, 19));
        QCOMPARE(editor->Abbruch->geometry(), QRect(208, 208, 100, 30));
        QVERIFY(s.env.dialogs.shown.isEmpty());
        // No file chosen yet: the dialog's own caption, and reading filled in the default name.
        QCOMPARE(editor->windowTitle(), QStringLiteral("Wortschatz bearbeiten..."));
        QCOMPARE(g().WortDatei, QStringLiteral("wupp.dat"));
        s.writeWords(QStringLiteral("tiere.dat"), {"Hund"});
        g().WortDatei = QStringLiteral("tiere.dat");
        QCOMPARE(s.open()->windowTitle(), QStringLiteral("tiere.dat"));
    }

    // A missing file is told as the game tells it (tst_play::emptyWordListDrawsNothing).
    void missingFileOpensEmpty()
    {
        EditorSession s;
        QCOMPARE(s.open()->List1->count(), 0);
        QCOMPARE(s.env.dialogs.texts(), QStringList({"Datei wupp.dat nicht gefunden!"}));
    }

    void keyFilter()
    {
        EditorSession s({"Apfel"});
        auto editor = s.open();
        // Refused keys are dropped (Backspace and Delete under real keys: tst_desktop_editor).
        typeText(editor->Text1, QStringLiteral("Ab1ßcé"));
        QCOMPARE(editor->Text1->text(), QStringLiteral("Abc"));
        // Delete comes with the text "\x7F" from X11; it is no typed letter and must do its work.
        editor->Text1->setCursorPosition(0);
        QTest::sendKeyEvent(QTest::Click, editor->Text1, Qt::Key_Delete, QStringLiteral("\x7F"), Qt::NoModifier);
        QCOMPARE(editor->Text1->text(), QStringLiteral("bc"));
        typeText(editor->Text1, QString(25, u'x'));
        QCOMPARE(editor->Text1->text().size(), 20);

        // Letters of the cards pass, with Å where the Swedish cards have one; nothing else does.
        const struct {
            qint16 language;
            const char16_t* passes;
            const char16_t* refused;
        } languages[] = {{Lang::German, u"azAZäöüÄÖÜ", u"1 ßÅåé-,\"€ıſÿ"}, {Lang::Swedish, u"Åå", u"é"}};
        for (const auto& language : languages) {
            g().SprachOffset = language.language;
            for (QChar c : QString::fromUtf16(language.passes))
                QVERIFY2(WEdit::keyAllowed(c), qPrintable(QString(c)));
            for (QChar c : QString::fromUtf16(language.refused))
                QVERIFY2(!WEdit::keyAllowed(c), qPrintable(QString(c)));
        }
    }

    void enterAddsTheWord()
    {
        EditorSession s({"Apfel"});
        auto editor = s.open();
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

    void deleteRemovesTheSelectedEntries()
    {
        EditorSession s({"Apfel", "Birne", "Clementine", "Dattel", "Feige"});
        const std::pair<QList<int>, QStringList> selectedAndLeft[] = {{{2}, {"Apfel", "Birne", "Dattel", "Feige"}},
                                                                      {{0, 3}, {"Birne", "Clementine", "Feige"}},
                                                                      {{0, 4}, {"Birne", "Clementine", "Dattel"}},
                                                                      {{0, 1, 2, 3, 4}, {}}};
        for (const auto& [selected, left] : selectedAndLeft) {
            g().ListeGeaendert = False;
            auto editor = s.open();
            // A click, then Ctrl+clicks add to the selection.
            for (int i = 0; i < selected.size(); ++i)
                clickRow(editor->List1, selected[i], i == 0 ? Qt::NoModifier : Qt::ControlModifier);
            QCOMPARE(editor->List1->selectedItems().size(), selected.size());
            QTest::mouseClick(editor->Loesch, Qt::LeftButton);
            QCOMPARE(editor->words(), left);
            QVERIFY(!editor->Loesch->isEnabled());
            QCOMPARE(g().ListeGeaendert, True);
            // A clicked entry went into the box and stays there, ready to be added again.
            if (selected.size() == 1)
                QCOMPARE(editor->Text1->text(), QStringLiteral("Clementine"));
            editor->close();
        }
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer"); // to the save question, 0 where none is asked
        QTest::addColumn<bool>("handedOver");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<bool>("stillMarked");
        QTest::newRow("Save, the editor stays open") << "save" << 0 << true << true << false;
        QTest::newRow("OK, Yes saves") << "ok" << int(Answer::Yes) << true << true << false;
        QTest::newRow("OK, No keeps the file") << "ok" << int(Answer::No) << true << false << true;
        QTest::newRow("Cancel button") << "cancel" << 0 << false << false << false;
        QTest::newRow("Escape") << "escape" << 0 << false << false << false;
        QTest::newRow("close box keeps the mark") << "close" << 0 << false << false << true;
    }

    void leaving()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        QFETCH(bool, handedOver);
        QFETCH(bool, saved);
        QFETCH(bool, stillMarked);
        EditorSession s({"Apfel"});
        const QByteArray old = s.env.readFile(QStringLiteral("deutsch/wupp.dat"));
        s.pool = {QStringLiteral("Alt")};
        auto editor = s.open();
        typeText(editor->Text1, QStringLiteral("Bären"));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
        if (answer)
            s.env.dialogs.answers.enqueue(Answer(answer));
        if (how == QStringLiteral("save"))
            QTest::mouseClick(editor->Speichern, Qt::LeftButton);
        else if (how == QStringLiteral("ok"))
            QTest::mouseClick(editor->OK, Qt::LeftButton);
        else if (how == QStringLiteral("cancel"))
            QTest::mouseClick(editor->Abbruch, Qt::LeftButton);
        else if (how == QStringLiteral("escape"))
            QTest::keyClick(editor->List1, Qt::Key_Escape);
        else
            editor->close();
        QCOMPARE(editor->isVisible(), how == QStringLiteral("save"));
        if (how != QStringLiteral("save"))
            QCOMPARE(editor->result(), int(how == QStringLiteral("ok") ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(s.pool, handedOver ? QStringList({"Apfel", "Bären"}) : QStringList({"Alt"}));
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), saved ? QByteArray("Apfel\r\nB\xe4ren\r\n") : old);
        QCOMPARE(g().ListeGeaendert, flag(stillMarked));
        QCOMPARE(s.env.dialogs.shown.size(), answer ? 1 : 0);
        if (answer) {
            const auto& box = s.env.dialogs.shown[0];
            QCOMPARE(box.text, QStringLiteral("Änderungen speichern?"));
            QCOMPARE(box.title, QStringLiteral("wupp.dat"));
            QCOMPARE(box.icon, Icon::Question);
            QCOMPARE(box.buttons, Buttons::YesNo);
        }
        // The mark outlives the editor: OK in an untouched next one asks exactly when it is left.
        s.env.dialogs.shown.clear();
        QTest::mouseClick(s.open()->OK, Qt::LeftButton);
        QCOMPARE(s.env.dialogs.shown.size(), stillMarked ? 1 : 0);
    }

    void failedSaveLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("language folder replaced by a file") << int(Obstacle::FolderIsAFile);
        QTest::newRow("file may not grow (size limit)") << int(Obstacle::SizeLimit);
    }

    void failedSaveLeavesTheOldFile()
    {
        QFETCH(int, kind);
        EditorSession s({"Apfel", "Birne"});
        const QByteArray old = s.env.readFile(QStringLiteral("deutsch/wupp.dat"));
        s.pool = {QStringLiteral("Alt")};
        auto editor = s.open();
        typeText(editor->Text1, QStringLiteral("Clementine"));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
        {
            const Obstacle obstacle(s.env, Obstacle::Kind(kind));
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
            const Obstacle obstacle(s.env, Obstacle::Kind(kind));
            s.env.dialogs.answers.enqueue(Answer::Yes);
            QTest::mouseClick(editor->OK, Qt::LeftButton);
        }
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->words().size(), 3);
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), old);
    }

    void importAddsThePlayableWordsAndReports()
    {
        EditorSession s({"Hund"});
        auto editor = s.open();
        // A refused file (which ones, and why, is tst_vocabulary_file's) and a cancelled choice
        // change nothing.
        s.env.dialogs.files.enqueue(sample(QStringLiteral("picture.png")));
        QTest::mouseClick(editor->Importieren, Qt::LeftButton);
        QCOMPARE(s.env.dialogs.shown.last().icon, Icon::Exclamation);
        QVERIFY(s.env.dialogs.shown.last().text.endsWith(QStringLiteral("Es wurde nichts geändert.")));
        QTest::mouseClick(editor->Importieren, Qt::LeftButton);
        QCOMPARE(s.env.dialogs.shown.size(), 3);
        QCOMPARE(editor->words(), QStringList({"Hund"}));
        QCOMPARE(g().ListeGeaendert, False);
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
        // A new list of only the imported words.
        s.env.dialogs.inputs.enqueue(QStringLiteral("Klasse"));
        s.env.dialogs.answers.enqueue(Answer::Yes);
        QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
        QVERIFY(s.env.dialogs.texts().contains(
            QStringLiteral("Nur die 2 importierten Wörter in die neue Liste übernehmen?\n(Nein: die ganze Liste mit 3 Wörtern)")));
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/Klasse.dat")), QByteArray("\xc4pfel\r\nK\xe4se\r\n"));
    }

    void newList_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        const QByteArray list("Hund\r\nK\xe4tzchen\r\n");
        QTest::newRow("existing, kept") << "tiere" << QList<int>{int(Answer::No)} << "tiere.dat" << QByteArray("Alt\r\n")
                                        << "gibt es schon";
        QTest::newRow("existing, replaced") << "tiere.dat" << QList<int>{int(Answer::Yes)} << "tiere.dat" << list
                                            << "ist gespeichert";
        QTest::newRow("folder typed") << "../Wupple.ini" << QList<int>{} << "../Wupple.ini.dat" << QByteArray()
                                      << "kann nicht als Dateiname dienen";
    }

    void newList()
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
};

QTEST_MAIN(WEditTest)
#include "tst_wedit.moc"
