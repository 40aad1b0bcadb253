// The settings password: its scrambling, the password change and the guard in front of the
// vocabulary editor, answered through scripted input boxes.
#include "GameSession.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "settings/SettingKeys.h"
#include "vocabulary/WEdit.h"

#include <QLineEdit>

class PasswordTest : public QObject {
    Q_OBJECT
private slots:
    void passwordChange_data();
    void passwordChange();
    void editorGuard_data();
    void editorGuard();
    void editorGuardReadsTheStoredPassword();
    void editorHandsItsListToTheGame();
};

namespace {
QString scrambled(QString text)
{
    Encrypt(text, PasswordKey);
    return text;
}

// Wupple.ini with the password stored the way the password command stores it.
QString iniWithPassword(const QString& password)
{
    return password.isEmpty() ? QString() : QStringLiteral("[Einstellungen]\npassw=") + scrambled(password) + u'\n';
}

// Each box as "?id" for an input with catalogue prompt id, "!id" for a message with that text.
QStringList boxes(const ScriptedDialogs& dialogs)
{
    QStringList seen;
    for (const auto& box : dialogs.shown) {
        QString id = QStringLiteral("other");
        for (int n : {158, 159, 160, 161, 162})
            if (box.text == LoadText(n))
                id = QString::number(n);
        if (box.text == extraText(Extra::PasswordNotStorable))
            id = QStringLiteral("unstorable");
        seen.push_back((box.isInput ? u'?' : u'!') + id);
    }
    return seen;
}

// Every password box hides what is typed and carries the password title; a wrong password is
// told in a plain box titled with the program's name.
void checkBoxStyles(const ScriptedDialogs& dialogs)
{
    for (const auto& box : dialogs.shown) {
        if (box.isInput) {
            QVERIFY(box.password);
            QCOMPARE(box.title, LoadText(163));
        } else if (box.text == LoadText(162)) {
            QCOMPARE(box.title, QStringLiteral("Wupple"));
            QCOMPARE(box.icon, Icon::None);
            QCOMPARE(box.buttons, Buttons::OK);
        }
    }
}
} // namespace

void PasswordTest::passwordChange_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QString>("after");
    QTest::newRow("no password: the new one twice")
        << "" << QStringList{"Geheim", "Geheim"} << QStringList{"?159", "?160"} << "Geheim";
    QTest::newRow("old password, then a new one")
        << "Geheim" << QStringList{"Geheim", "Neu", "Neu"} << QStringList{"?158", "?159", "?160"} << "Neu";
    QTest::newRow("wrong old password is asked again")
        << "Geheim" << QStringList{"geheim", "Geheim", "Neu", "Neu"}
        << QStringList{"?158", "!162", "?158", "?159", "?160"} << "Neu";
    QTest::newRow("cancelled old password leaves") << "Geheim" << QStringList{""} << QStringList{"?158"} << "Geheim";
    QTest::newRow("blanks around the old password are not typed")
        << " ab " << QStringList{" ab ", "ab", "x", "x"} << QStringList{"?158", "!162", "?158", "?159", "?160"} << "x";
    QTest::newRow("different new passwords are asked again")
        << "" << QStringList{"eins", "zwei", "drei", "drei"} << QStringList{"?159", "?160", "!162", "?159", "?160"}
        << "drei";
    QTest::newRow("empty new password removes it")
        << "Geheim" << QStringList{"Geheim", "", ""} << QStringList{"?158", "?159", "?160"} << "";
    // Scrambled with the key itself, this one would be four zero bytes.
    QTest::newRow("password the file cannot hold is refused")
        << "" << QStringList{"7.06", "7.06", "gut", "gut"}
        << QStringList{"?159", "?160", "!unstorable", "?159", "?160"} << "gut";
    QTest::newRow("blanks of a new password are kept")
        << "" << QStringList{" ab ", " ab "} << QStringList{"?159", "?160"} << " ab ";
}

void PasswordTest::passwordChange()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, seen);
    QFETCH(QString, after);
    GameSession s({}, iniWithPassword(stored));
    Einst& d = s.open();
    QCOMPARE(d.Passwort, stored);
    s.env.dialogs.inputs.append(typed);
    QTest::mouseClick(d.Password, Qt::LeftButton);
    QCOMPARE(boxes(s.env.dialogs), seen);
    checkBoxStyles(s.env.dialogs);
    QVERIFY(s.env.dialogs.inputs.isEmpty());
    QCOMPARE(d.Passwort, after);
    // Stored scrambled, as long as the password itself; empty for none.
    const QString entry = GetIniString(keys::Einstellungen, keys::Passw, QStringLiteral("absent"));
    if (after == stored && stored.isEmpty())
        QCOMPARE(entry, QStringLiteral("absent"));
    else if (after.isEmpty())
        QVERIFY(entry.isEmpty() && s.env.ini().contains("passw=\r\n"));
    else {
        QCOMPARE(entry.size(), after.size());
        QCOMPARE(scrambled(entry), after);
    }
}

void PasswordTest::editorGuard_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("no password opens at once") << "" << "" << true;
    QTest::newRow("right password") << "Geheim" << "Geheim" << true;
    QTest::newRow("wrong password") << "Geheim" << "Falsch" << false;
    QTest::newRow("capitals count") << "Geheim" << "GEHEIM" << false;
    QTest::newRow("cancelled") << "Geheim" << "" << false;
    QTest::newRow("stored blanks are not typed") << " ab " << "ab" << true;
    QTest::newRow("typed blanks are wrong") << " ab " << " ab " << false;
    // Stored forms holding the byte 0x1A, as in a file written by another copy of the program.
    for (const char* pin : {"2468", "1492", "0451"})
        QTest::newRow(pin) << pin << pin << true;
}

void PasswordTest::editorGuard()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    GameSession s({}, iniWithPassword(stored));
    Einst& d = s.open();
    s.env.dialogs.inputs.enqueue(typed);
    QTest::mouseClick(d.EditButt, Qt::LeftButton);
    QCoreApplication::processEvents();
    QStringList expected;
    if (!stored.isEmpty())
        expected << QStringLiteral("?161");
    if (!opens)
        expected << QStringLiteral("!162");
    QCOMPARE(boxes(s.env.dialogs), expected);
    checkBoxStyles(s.env.dialogs);
    QCOMPARE(d.openEditor() != nullptr, opens);
    if (opens) {
        QPointer<WEdit> editor = qobject_cast<WEdit*>(d.openEditor());
        QVERIFY(editor->isVisible() && editor->isModal());
        QTest::mouseClick(editor->Abbruch, Qt::LeftButton);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(editor.isNull());
        QVERIFY(d.openEditor() == nullptr);
        // Back in the dialog, the focus is on OK.
        QCOMPARE(d.focusWidget(), d.OK);
    }
}

void PasswordTest::editorGuardReadsTheStoredPassword()
{
    GameSession s;
    Einst& d = s.open();
    QVERIFY(d.Passwort.isEmpty());
    // Set elsewhere (another copy of the program) after the dialog was loaded.
    SaveIni(keys::Einstellungen, keys::Passw, scrambled(QStringLiteral("Geheim")));
    s.env.dialogs.inputs.enqueue(QStringLiteral("falsch"));
    QTest::mouseClick(d.EditButt, Qt::LeftButton);
    QCOMPARE(boxes(s.env.dialogs), QStringList({"?161", "!162"}));
    QVERIFY(d.openEditor() == nullptr);
    QCOMPARE(d.Passwort, QStringLiteral("Geheim"));
}

void PasswordTest::editorHandsItsListToTheGame()
{
    GameSession s({QStringLiteral("Apfel"), QStringLiteral("Birne")});
    const QByteArray file = s.env.readFile(QStringLiteral("deutsch/wupp.dat"));
    Einst& d = s.open();
    QTest::mouseClick(d.EditButt, Qt::LeftButton);
    auto* editor = qobject_cast<WEdit*>(d.openEditor());
    QVERIFY(editor);
    QCOMPARE(editor->words(), QStringList({"Apfel", "Birne"}));
    QTest::keyClicks(editor->Text1, QStringLiteral("Zebra"));
    QTest::mouseClick(editor->Hinzuf, Qt::LeftButton);
    s.env.dialogs.answers.enqueue(Answer::No);
    QTest::mouseClick(editor->OK, Qt::LeftButton);
    QCoreApplication::processEvents();
    QVERIFY(d.openEditor() == nullptr);
    // The game plays the edited list; the file keeps its words.
    QCOMPARE(s.window->List1, QStringList({"Apfel", "Birne", "Zebra"}));
    QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), file);
}

QTEST_MAIN(PasswordTest)
#include "tst_password.moc"
