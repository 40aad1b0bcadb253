// The vocabulary editor's word box under real key presses from the X server.
#include "Desktop.h"
#include "GameSession.h"

class DesktopEditorTest : public QObject {
    Q_OBJECT
private slots:
    void realKeys_data()
    {
        QTest::addColumn<int>("lastCard"); // 28 German, 29 Swedish
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German") << 28 << QStringLiteral("Hausåx") << QStringLiteral("Hausx");
        QTest::newRow("Swedish") << 29 << QStringLiteral("Åsnax") << QStringLiteral("Åsnax");
    }

    void realKeys()
    {
        QFETCH(int, lastCard);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        EditorSession s({"Apfel"});
        g().LetzterBuchstabe = qint16(lastCard);
        WEdit* editor = s.open();
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
