// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The vocabulary editor's word box under real key presses from the X server.
#include "Desktop.h"
#include "GameSession.h"
#include "i18n/Catalogue.h"

class DesktopEditorTest : public QObject {
    Q_OBJECT
private slots:
    void realKeys_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German") << int(Lang::German) << QStringLiteral("Hausåx") << QStringLiteral("Hausx");
        QTest::newRow("Swedish") << int(Lang::Swedish) << QStringLiteral("Åsnax") << QStringLiteral("Åsnax");
    }

    void realKeys()
    {
        QFETCH(int, language);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        EditorSession s({"Apfel"});
        WEdit* editor = s.open();
        // The cards of the language decide; the list stays the German one.
        g().SprachOffset = qint16(language);
        QVERIFY(desktop::waitActive(editor));
        editor->Text1->setFocus();
        QVERIFY(desktop::typeText(typed));
        QVERIFY2(QTest::qWaitFor([&] { return editor->Text1->text() == shown; }, 5000), qPrintable(editor->Text1->text()));
        // Delete takes the letter after the caret, Backspace the one before it.
        QVERIFY(desktop::typeKeys({QStringLiteral("Home"), QStringLiteral("Delete")}));
        QVERIFY(QTest::qWaitFor([&] { return editor->Text1->text() == shown.mid(1); }, 5000));
        QVERIFY(desktop::typeKeys({QStringLiteral("End"), QStringLiteral("BackSpace")}));
        QVERIFY(QTest::qWaitFor([&] { return editor->Text1->text() == shown.mid(1).chopped(1); }, 5000));
    }
};

QTEST_MAIN(DesktopEditorTest)
#include "tst_desktop_editor.moc"
