// SPDX-FileCopyrightText: 2026 The Wupple developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings password: changing it and the guard in front of the vocabulary editor.
#include "GameSession.h"
#include "i18n/Catalogue.h"
#include "i18n/ExtraTexts.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "settings/SettingKeys.h"
#include "settings/SettingsValue.h"

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

// Each box as "?id" (input, catalogue prompt id) or "!id" (message). Password boxes hide what is
// typed and carry the password title; a wrong password is told in a plain box titled "Wupple".
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
        if (box.text == extraText(Extra::PasswordsDiffer))
            id = QStringLiteral("differ");
        if (box.text == extraText(Extra::RemovePassword))
            id = box.buttons == Buttons::YesNo && box.icon == Icon::Question ? QStringLiteral("remove?")
                                                                             : QStringLiteral("remove in the wrong box");
        if (box.isInput && (!box.password || box.title != LoadText(163)))
            id += QStringLiteral(" shown plainly or without its title");
        if (id == QStringLiteral("162") && (box.title != QStringLiteral("Wupple") || box.icon != Icon::None || box.buttons != Buttons::OK))
            id += QStringLiteral(" in the wrong box");
        seen.push_back((box.isInput ? u'?' : u'!') + id);
    }
    return seen;
}
} // namespace

class PasswordTest : public QObject {
    Q_OBJECT
private slots:
    void passwordChange_data()
    {
        const QString cancel = ScriptedDialogs::CancelInput;
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("yes"); // the answer to a question
        QTest::addColumn<QStringList>("seen");
        QTest::addColumn<QString>("after");
        QTest::newRow("no password: the new one twice")
            << "" << QStringList{"Geheim", "Geheim"} << false << QStringList{"?159", "?160"} << "Geheim";
        QTest::newRow("old password, then a new one")
            << "Geheim" << QStringList{"Geheim", "Neu", "Neu"} << false << QStringList{"?158", "?159", "?160"} << "Neu";
        // Cancel at any question keeps the password in force.
        QTest::newRow("Cancel at the old password") << "Geheim" << QStringList{cancel} << false << QStringList{"?158"} << "Geheim";
        QTest::newRow("Cancel at the new password")
            << "Geheim" << QStringList{"Geheim", cancel} << false << QStringList{"?158", "?159"} << "Geheim";
        QTest::newRow("Cancel at the repetition")
            << "Geheim" << QStringList{"Geheim", "Neu", cancel} << false << QStringList{"?158", "?159", "?160"} << "Geheim";
        QTest::newRow("Cancel after a wrong old password")
            << "Geheim" << QStringList{"falsch", cancel} << false << QStringList{"?158", "!162", "?158"} << "Geheim";
        QTest::newRow("Cancel after passwords that differ")
            << "Geheim" << QStringList{"Geheim", "eins", "zwei", cancel} << false
            << QStringList{"?158", "?159", "?160", "!differ", "?159"} << "Geheim";
        // A wrong old password is asked again; stored blanks are not part of it.
        QTest::newRow("blanks around the old password are not typed")
            << " ab " << QStringList{" ab ", "ab", "x", "x"} << false << QStringList{"?158", "!162", "?158", "?159", "?160"} << "x";
        QTest::newRow("different new passwords say so and are asked again")
            << "" << QStringList{"eins", "zwei", "drei", "drei"} << false
            << QStringList{"?159", "?160", "!differ", "?159", "?160"} << "drei";
        // Removing the password is a choice of its own: an empty new password, then a question.
        QTest::newRow("empty new password, removal confirmed")
            << "Geheim" << QStringList{"Geheim", ""} << true << QStringList{"?158", "?159", "!remove?"} << "";
        QTest::newRow("empty new password, removal declined")
            << "Geheim" << QStringList{"Geheim", ""} << false << QStringList{"?158", "?159", "!remove?"} << "Geheim";
        QTest::newRow("empty new password without one in force")
            << "" << QStringList{""} << false << QStringList{"?159"} << "";
        // Scrambled with the key itself, this one would be four zero bytes.
        QTest::newRow("password the file cannot hold is refused")
            << "" << QStringList{"7.06", "7.06", "gut", "gut"} << false
            << QStringList{"?159", "?160", "!unstorable", "?159", "?160"} << "gut";
        QTest::newRow("blanks of a new password are kept")
            << "" << QStringList{" ab ", " ab "} << false << QStringList{"?159", "?160"} << " ab ";
    }

    void passwordChange()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, typed);
        QFETCH(bool, yes);
        QFETCH(QStringList, seen);
        QFETCH(QString, after);
        GameSession s({}, iniWithPassword(stored));
        Einst& d = s.open();
        QCOMPARE(d.Passwort, stored);
        const QByteArray file = s.env.ini();
        s.env.dialogs.inputs.append(typed);
        if (yes)
            s.env.dialogs.answers.enqueue(Answer::Yes);
        QTest::mouseClick(d.Password, Qt::LeftButton);
        QCOMPARE(boxes(s.env.dialogs), seen);
        QVERIFY(s.env.dialogs.inputs.isEmpty());
        QCOMPARE(d.Passwort, after);
        // Stored scrambled (a plain one would not read back); none when removed.
        QCOMPARE(loadPassword(), after);
        if (after == stored)
            QCOMPARE(s.env.ini(), file);
    }

    void editorGuard_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("late"); // stored by another copy of the program once the dialog was open
        QTest::newRow("no password opens at once") << "" << "" << true << false;
        QTest::newRow("right password") << "Geheim" << "Geheim" << true << false;
        QTest::newRow("wrong password") << "Geheim" << "Falsch" << false << false;
        QTest::newRow("capitals count") << "Geheim" << "GEHEIM" << false << false;
        QTest::newRow("cancelled") << "Geheim" << "" << false << false;
        QTest::newRow("stored after the dialog was opened") << "Geheim" << "Falsch" << false << true;
    }

    void editorGuard()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, opens);
        QFETCH(bool, late);
        GameSession s({}, late ? QString() : iniWithPassword(stored));
        Einst& d = s.open();
        if (late)
            SaveIni(keys::Einstellungen, keys::Passw, scrambled(stored));
        s.env.dialogs.inputs.enqueue(typed);
        QTest::mouseClick(d.EditButt, Qt::LeftButton);
        QCoreApplication::processEvents();
        QStringList expected;
        if (!stored.isEmpty())
            expected << QStringLiteral("?161");
        if (!opens)
            expected << QStringLiteral("!162");
        QCOMPARE(boxes(s.env.dialogs), expected);
        QCOMPARE(d.openEditor() != nullptr, opens);
        QCOMPARE(d.Passwort, stored);
        if (opens) {
            auto* editor = qobject_cast<WEdit*>(d.openEditor());
            QVERIFY(editor->isModal());
            QTest::mouseClick(editor->Abbruch, Qt::LeftButton);
            QCoreApplication::processEvents();
            QVERIFY(d.openEditor() == nullptr);
            // Back in the dialog, the focus is on OK.
            QCOMPARE(d.focusWidget(), d.OK);
        }
    }

    void editorHandsItsListToTheGame()
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
        QCOMPARE(s.window->pool().words(), QStringList({"Apfel", "Birne", "Zebra"}));
        QCOMPARE(s.env.readFile(QStringLiteral("deutsch/wupp.dat")), file);
    }
};

QTEST_MAIN(PasswordTest)
#include "tst_password.moc"
