// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The vocabulary editor as a parent uses it; what reader, writer and import decide: tst_vocabulary_file.
#include "GameSession.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "vocabulary/VocabularyFile.h"

#include <QItemSelectionModel>

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
    }

    // Selecting the imported words row by row laid the whole list out again for each row: a
    // large import froze the game for minutes. They are selected in one step now.
    void largeImportSelectsInOneStep()
    {
        EditorSession s({"Hund"});
        auto editor = s.open();
        QByteArray file;
        for (int i = 0; i < 1000; ++i)
            file += "Wort" + QByteArray(1, char('a' + i / 26 / 26 % 26)) + char('a' + i / 26 % 26) + char('a' + i % 26) + "\n";
        s.env.writeFile(QStringLiteral("viele.txt"), file);
        s.env.dialogs.files.enqueue(s.env.path(QStringLiteral("viele.txt")));
        int selectionChanges = 0;
        connect(editor->List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [&] { ++selectionChanges; });
        QTest::mouseClick(editor->Importieren, Qt::LeftButton);
        QCOMPARE(editor->List1->count(), 1001);
        QCOMPARE(editor->List1->selectedItems().size(), 1000);
        QVERIFY2(selectionChanges <= 2, qPrintable(QString::number(selectionChanges)));
        // The first new word stands at the top of the view.
        QCOMPARE(editor->List1->indexAt(QPoint(2, 2)).row(), 1);
        QVERIFY(s.env.dialogs.texts().last().startsWith(QStringLiteral("Aus viele.txt hinzugefügt: 1000 Wörter.")));
    }

    // An added word stands selected in view, however long the list; a full list says so.
    void addedWordIsShownAndAFullListSaysSo()
    {
        QStringList many;
        for (int i = 0; i < 300; ++i)
            many.push_back(QStringLiteral("Wort%1").arg(i));
        EditorSession s(many);
        auto editor = s.open();
        typeText(editor->Text1, QStringLiteral("Zebra"));
        QTest::keyClick(editor->Text1, Qt::Key_Return);
        QCOMPARE(editor->List1->selectedItems().size(), 1);
        QCOMPARE(editor->List1->selectedItems().first()->text(), QStringLiteral("Zebra"));
        QCOMPARE(editor->List1->currentRow(), 300);
        const QRect row = editor->List1->visualItemRect(editor->List1->item(300));
        QVERIFY(editor->List1->viewport()->rect().contains(row));
        // Selected for Delete, but the box stays empty for the next word.
        QVERIFY(editor->Loesch->isEnabled());
        QVERIFY(editor->Text1->text().isEmpty());

        QStringList full;
        for (int i = 0; i < vocabulary::MaxWords; ++i)
            full.push_back(QStringLiteral("Wort%1").arg(i));
        s.writeWords(QStringLiteral("wupp.dat"), full);
        editor = s.open();
        g().ListeGeaendert = False;
        typeText(editor->Text1, QStringLiteral("Hund"));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
        QCOMPARE(editor->List1->count(), vocabulary::MaxWords);
        QCOMPARE(s.env.dialogs.texts(), QStringList({extraText(Extra::ListFull).arg(vocabulary::MaxWords)}));
        QVERIFY(s.env.dialogs.texts().first().startsWith(QStringLiteral("Die Liste ist voll: Sie fasst höchstens 32767 Wörter.")));
        QCOMPARE(g().ListeGeaendert, False);
    }

    // Entries the game cannot play are not shown, but a save keeps them: a word of 21 letters,
    // one with ß, one too short, and the words past the list's limit.
    void saveKeepsWhatTheEditorCannotShow()
    {
        EditorSession s;
        QByteArray file = "Apfel\r\nEis\r\n" + QByteArray(21, 'b') + "\r\nStra\xdf" "e\r\nBirne\r\n";
        for (int i = 0; i < vocabulary::MaxWords; ++i)
            file += "Wort" + QByteArray::number(i) + "\r\n";
        s.env.writeFile(QStringLiteral("deutsch/wupp.dat"), file);
        auto editor = s.open();
        QCOMPARE(editor->List1->count(), vocabulary::MaxWords);
        QCOMPARE(editor->words().mid(0, 3), QStringList({"Apfel", "Birne", "Wort0"}));
        clickRow(editor->List1, 0);
        QTest::mouseClick(editor->Loesch, Qt::LeftButton);
        QTest::mouseClick(editor->Speichern, Qt::LeftButton);
        const QByteArray saved = s.env.readFile(QStringLiteral("deutsch/wupp.dat"));
        QVERIFY(saved.startsWith("Birne\r\nWort0\r\n"));
        QVERIFY(saved.endsWith("Wort32764\r\nEis\r\n" + QByteArray(21, 'b') + "\r\nStra\xdf" "e\r\nWort32765\r\nWort32766\r\n"));
    }

    // A file the reader refused for its size is neither read nor overwritten: an editor that
    // opened empty on it does not save a few words in its place.
    void refusedFileIsNotReplaced()
    {
        EditorSession s;
        const QByteArray large = QByteArray(vocabulary::MaxFileBytes, 'x') + "\r\nHund\r\n";
        s.env.writeFile(QStringLiteral("deutsch/wupp.dat"), large);
        auto editor = s.open();
        QCOMPARE(editor->List1->count(), 0);
        QVERIFY(s.env.dialogs.texts().value(0).contains(QStringLiteral("wird weder gelesen noch überschrieben")));
        typeText(editor->Text1, QStringLiteral("Katze"));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
        QTest::mouseClick(editor->Speichern, Qt::LeftButton);
        s.env.dialogs.answers.enqueue(Answer::Yes);
        QTest::mouseClick(editor->OK, Qt::LeftButton);
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), large);
        QVERIFY(editor->isVisible());
        const QString told = s.env.dialogs.texts().value(1);
        QVERIFY2(told.startsWith(QStringLiteral("Der Wortschatz konnte nicht gespeichert werden.")) &&
                     told.contains(QStringLiteral("wird weder gelesen noch überschrieben")),
                 qPrintable(told));
    }

    // From a file to a list in play: Import, then New list takes every playable word of the
    // file, the open list's own included, saves it and chooses it for play.
    void newListFromAnImport()
    {
        EditorSession s({"Hund", "Katze"});
        g().EinstGeaendert = False;
        auto editor = s.open();
        s.env.dialogs.files.enqueue(sample(QStringLiteral("cp1252.txt")));
        QTest::mouseClick(editor->Importieren, Qt::LeftButton);
        QCOMPARE(editor->words(), QStringList({"Hund", "Katze", QString::fromUtf8("Äpfel"), QString::fromUtf8("Käse")}));
        s.env.dialogs.inputs.enqueue(QStringLiteral("Klasse 2b"));
        QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
        const QByteArray list("\xc4pfel\r\nK\xe4se\r\nHund\r\n");
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/Klasse 2b.dat")), list);
        QCOMPARE(editor->words(), QStringList({QString::fromUtf8("Äpfel"), QString::fromUtf8("Käse"), "Hund"}));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Klasse 2b.dat"));
        QCOMPARE(g().WortDatei, QStringLiteral("Klasse 2b.dat"));
        QCOMPARE(g().EinstGeaendert, True);
        QCOMPARE(s.pool, editor->words());
        QCOMPARE(g().ListeGeaendert, False);
        // The list open before keeps its file; the imported words went into the new list.
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Hund\r\nKatze\r\n"));
        const QStringList told = s.env.dialogs.texts();
        QCOMPARE(told.at(told.size() - 2), QStringLiteral("Name der neuen Liste mit den 3 Wörtern aus cp1252.txt:"));
        QCOMPARE(told.last(), QStringLiteral("Die Liste Klasse 2b.dat ist mit 3 Wörtern gespeichert und für das Spiel ausgewählt."));
        // Leaving asks nothing more.
        QTest::mouseClick(editor->OK, Qt::LeftButton);
        QCOMPARE(s.env.dialogs.shown.size(), told.size());
    }

    // Without an import a new list starts empty, written and chosen for play when it is saved;
    // words typed into the old list are saved or dropped as the user says first.
    void newEmptyList()
    {
        EditorSession s({"Hund"});
        auto editor = s.open();
        typeText(editor->Text1, QStringLiteral("Maus"));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
        s.env.dialogs.inputs.enqueue(QStringLiteral("Leer"));
        s.env.dialogs.answers.enqueue(Answer::Cancel);
        QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
        QCOMPARE(editor->words(), QStringList({"Hund", "Maus"}));
        QCOMPARE(editor->fileName(), QStringLiteral("wupp.dat"));
        s.env.dialogs.inputs.enqueue(QStringLiteral("Leer"));
        s.env.dialogs.answers.enqueue(Answer::No);
        QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
        const auto& question = s.env.dialogs.shown.last();
        QCOMPARE(question.text, QStringLiteral("Änderungen speichern?"));
        QCOMPARE(question.title, QStringLiteral("wupp.dat"));
        QCOMPARE(question.buttons, Buttons::YesNoCancel);
        QVERIFY(editor->words().isEmpty());
        QCOMPARE(editor->windowTitle(), QStringLiteral("Leer.dat"));
        QVERIFY(!QFile::exists(s.env.path(QStringLiteral("deutsch/Leer.dat"))));
        QCOMPARE(g().WortDatei, QStringLiteral("wupp.dat"));
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Hund\r\n"));
        typeText(editor->Text1, QStringLiteral("Apfel"));
        QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
        s.env.dialogs.answers.enqueue(Answer::Yes);
        QTest::mouseClick(editor->OK, Qt::LeftButton);
        QCOMPARE(s.env.dialogs.shown.last().title, QStringLiteral("Leer.dat"));
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/Leer.dat")), QByteArray("Apfel\r\n"));
        QCOMPARE(g().WortDatei, QStringLiteral("Leer.dat"));
        QCOMPARE(s.pool, QStringList({"Apfel"}));
    }

    void newListName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer"); // to the question whether to replace, 0 where none is asked
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("existing, kept") << "tiere" << int(Answer::No) << "tiere.dat" << QByteArray("Alt\r\n") << "gibt es schon";
        QTest::newRow("existing, replaced") << "tiere.dat" << int(Answer::Yes) << "tiere.dat"
                                            << QByteArray("\xc4pfel\r\nK\xe4se\r\nHund\r\n") << "ist mit 3 Wörtern gespeichert";
        QTest::newRow("folder typed") << "../Wupple.ini" << 0 << "../Wupple.ini.dat" << QByteArray()
                                      << "„../Wupple.ini“ kann nicht als Dateiname dienen";
        // However much is typed, the message quotes a line of it.
        QTest::newRow("huge name") << QString(100000, u'x') << 0 << QString(100000, u'x') + ".dat" << QByteArray()
                                   << "„" + QString(39, u'x') + "…“ kann nicht";
    }

    void newListName()
    {
        QFETCH(QString, typed);
        QFETCH(int, answer);
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        EditorSession s({"Hund", QString::fromUtf8("Kätzchen")});
        s.writeWords(QStringLiteral("tiere.dat"), {"Alt"});
        auto editor = s.open();
        s.env.dialogs.files.enqueue(sample(QStringLiteral("cp1252.txt")));
        QTest::mouseClick(editor->Importieren, Qt::LeftButton);
        s.env.dialogs.inputs.enqueue(typed);
        if (answer)
            s.env.dialogs.answers.enqueue(Answer(answer));
        QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
        if (file.size() < 200)
            QCOMPARE(s.env.readFile(QStringLiteral("deutsch/") + file), content);
        const QString told = s.env.dialogs.texts().last();
        QVERIFY2(told.contains(message) && told.size() < 200, qPrintable(told.left(200)));
        // Unless replaced, the list being edited stays the current file, unchanged until Save.
        QCOMPARE(g().WortDatei, answer == int(Answer::Yes) ? file : QStringLiteral("wupp.dat"));
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), QByteArray("Hund\r\nK\xe4tzchen\r\n"));
    }
};

QTEST_MAIN(WEditTest)
#include "tst_wedit.moc"
