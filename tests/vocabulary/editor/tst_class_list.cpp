// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's class list, as a parent sets it up in each language: from the options to the
// editor, Import, New list, OK and OK, and the game plays the new list.
#include "GameSession.h"
#include "i18n/Catalogue.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {
QString sample(const QString& name)
{
    return qEnvironmentVariable("WUPPLE_SOURCE_DIR") + QStringLiteral("/tests/vocabulary/import/") + name;
}

// A picture of the window when WUPPLE_SHOTS names a folder, for looking at by hand.
void shot(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("WUPPLE_SHOTS");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// The box the scripted double answered, drawn as the real one would show it.
void shot(const ScriptedDialogs::Shown& box, const QString& name)
{
    if (qEnvironmentVariable("WUPPLE_SHOTS").isEmpty())
        return;
    if (box.isInput) {
        QInputDialog input;
        input.setWindowTitle(box.title);
        input.setLabelText(box.text);
        input.show();
        shot(&input, name);
    } else {
        QMessageBox message(box.icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning, box.title,
                            box.text);
        message.show();
        shot(&message, name);
    }
}
} // namespace

class ClassListTest : public QObject {
    Q_OBJECT
private slots:
    void threeSteps_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("title"); // of the new list in the options
        QTest::addColumn<bool>("cancel"); // the options are left with Cancel instead of OK
        QTest::newRow("German") << 0 << "deutsch" << QStringList{"Pferd", "Katze", "Apfel"} << "Klasse 2b" << false;
        QTest::newRow("English") << 1 << "english" << QStringList{"horse", "apple"} << "Klasse 2b" << true;
        QTest::newRow("Swedish") << 2 << "svenska" << QStringList{"horse", "apple"} << "Klasse 2b" << false;
        QTest::newRow("Italian") << 3 << "italiano" << QStringList{"horse", "apple"} << "Klasse 2b" << true;
    }

    void threeSteps()
    {
        QFETCH(int, language);
        QFETCH(QString, folder);
        QFETCH(QStringList, words);
        QFETCH(QString, title);
        QFETCH(bool, cancel);
        const QString lang = QString::fromLatin1(QTest::currentDataTag()).toLower();
        GameSession s;
        s.window->menu().mnuLang[language]->trigger();
        settle(*s.window);
        Einst& d = s.open();
        QTest::mouseClick(d.EditButt, Qt::LeftButton);
        QCoreApplication::processEvents();
        auto* editor = qobject_cast<WEdit*>(d.openEditor());
        QVERIFY(editor);

        // 1. Import… and the file.
        s.env.dialogs.files.enqueue(sample(QStringLiteral("two-identifiers.kvtml")));
        QTest::mouseClick(editor->Importieren, Qt::LeftButton);
        shot(editor, lang + QStringLiteral("-1-imported"));
        shot(s.env.dialogs.shown.last(), lang + QStringLiteral("-1-report"));
        // 2. New list… and its name.
        s.env.dialogs.inputs.enqueue(QStringLiteral("Klasse 2b"));
        QTest::mouseClick(editor->NeueListe, Qt::LeftButton);
        shot(editor, lang + QStringLiteral("-2-new-list"));
        shot(s.env.dialogs.shown.at(s.env.dialogs.shown.size() - 2), lang + QStringLiteral("-2-name"));
        shot(s.env.dialogs.shown.last(), lang + QStringLiteral("-2-saved"));
        QCOMPARE(editor->words(), words);
        // 3. OK in the editor, and OK in the options, where the new list stands chosen.
        const int asked = int(s.env.dialogs.shown.size());
        QTest::mouseClick(editor->OK, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(int(s.env.dialogs.shown.size()), asked);
        QVERIFY(!d.openEditor());
        QCOMPARE(d.wortsch->currentItem()->text(), title);
        QCOMPARE(d.wortsch->currentItem()->data(Qt::UserRole).toString(), QStringLiteral("Klasse 2b.dat"));
        shot(&d, lang + QStringLiteral("-3-options"));
        const QString wordBefore = s.window->round().word();
        // A cancel takes back what the options changed, not the list the editor put into play.
        QTest::mouseClick(cancel ? d.Abbruch : d.OK, Qt::LeftButton);
        s.finish();
        QCOMPARE(g().WortDatei, QStringLiteral("Klasse 2b.dat"));

        QCOMPARE(s.env.readFile(folder + QStringLiteral("/Klasse 2b.dat")), words.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
        const QByteArray key = "Datei" + QByteArray::number(language * 1000) + "=Klasse 2b.dat\r\n";
        QVERIFY2(s.env.ini().contains(key), s.env.ini().constData());
        // The game reads it at once and draws its next word from it.
        // After a cancel the word in play stays, and the next one comes from the new list.
        QStringList played = s.window->pool().words();
        if (cancel)
            QCOMPARE(s.window->round().word(), wordBefore);
        else
            played.push_back(s.window->round().word());
        QStringList expected = words;
        for (QStringList* list : {&played, &expected}) {
            *list = list->join(u' ').toUpper().split(u' ');
            list->sort();
        }
        QCOMPARE(played, expected);
        // The game's own list is untouched.
        QVERIFY(s.env.readFile(folder + u'/' + LoadText(146)).size() > 1000);
    }
};

QTEST_MAIN(ClassListTest)
#include "tst_class_list.moc"
