// Scrambling the settings password and what the settings file can hold of it.
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "TestEnvironment.h"

#include <QTest>

class PasswordCoreTest : public QObject {
    Q_OBJECT
private slots:
    void storablePasswordsRoundTripThroughTheFile_data();
    void storablePasswordsRoundTripThroughTheFile();
    void unstorablePasswordsAreRecognised_data();
    void unstorablePasswordsAreRecognised();
};

void PasswordCoreTest::storablePasswordsRoundTripThroughTheFile_data()
{
    QTest::addColumn<QString>("password");
    for (const char* p : {"a", "geheim", "Lehrerin2024", "Größe", "x y z", "a!b?c", "Hund&Katze", "0123456789"})
        QTest::newRow(p) << QString::fromUtf8(p);
}

void PasswordCoreTest::storablePasswordsRoundTripThroughTheFile()
{
    QFETCH(QString, password);
    QVERIFY(passwordIsStorable(password));
    TestEnvironment env(TestEnvironment::Words::None);
    QString scrambled = password;
    Encrypt(scrambled, PasswordKey);
    QCOMPARE(scrambled.size(), password.size());
    QVERIFY(scrambled != password);
    SaveIni(QStringLiteral("Einstellungen"), QStringLiteral("passw"), scrambled);
    QString back = GetIniString(QStringLiteral("Einstellungen"), QStringLiteral("passw"), {});
    Encrypt(back, PasswordKey);
    QCOMPARE(back, password);
}

void PasswordCoreTest::unstorablePasswordsAreRecognised_data()
{
    QTest::addColumn<QString>("password");
    // '7' XOR '7' is code 0; ' ' at either end is lost by the reader; '"'.. '"' would lose quotes.
    QTest::newRow("code 0") << QStringLiteral("7");
    QTest::newRow("blank at the start after scrambling") << QString(QChar(u'7' ^ u' '));
    QTest::newRow("not Windows-1252") << QString::fromUtf8("пароль");
    QString quoted;
    quoted += QChar(u'"' ^ u'7');
    quoted += QChar(u'x');
    quoted += QChar(u'"' ^ u'0');
    QTest::newRow("enclosing quotes") << quoted;
}

void PasswordCoreTest::unstorablePasswordsAreRecognised()
{
    QFETCH(QString, password);
    QVERIFY(!passwordIsStorable(password));
}

QTEST_MAIN(PasswordCoreTest)
#include "tst_password_core.moc"
