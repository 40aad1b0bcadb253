// Scrambling the settings password and what the settings file can hold of it.
#include "settings/IniFile.h"
#include "settings/IniStore.h"
#include "settings/Password.h"
#include "TestEnvironment.h"

#include <QTest>

class PasswordCoreTest : public QObject {
    Q_OBJECT
private slots:
    void storablePasswordsRoundTripThroughTheFile_data();
    void storablePasswordsRoundTripThroughTheFile();
    void knownScrambles_data();
    void knownScrambles();
    void asciiPassesTheCodePageUnchanged();
    void unstorablePasswordsAreRecognised_data();
    void unstorablePasswordsAreRecognised();
};

void PasswordCoreTest::storablePasswordsRoundTripThroughTheFile_data()
{
    QTest::addColumn<QString>("password");
    // A PIN with 4 as its second digit scrambles to a 0x1A ('4' XOR '.').
    for (const char* p : {"a", "geheim", "Lehrerin2024", "Größe", "x y z", "a!b?c", "Hund&Katze", "0123456789",
                          "2468", "1492", "0451"})
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
    QVERIFY2(env.ini().contains("passw=" + ini::encode(scrambled) + "\r\n"), env.ini().toHex(' ').constData());
    QString back = GetIniString(QStringLiteral("Einstellungen"), QStringLiteral("passw"), {});
    Encrypt(back, PasswordKey);
    QCOMPARE(back, password);
}

void PasswordCoreTest::knownScrambles_data()
{
    // What every copy of the program has stored for these passwords, byte for byte.
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("abc") << "abc" << QByteArray::fromHex("564c53");
    QTest::newRow("Geheim1") << "Geheim1" << QByteArray::fromHex("704b58535e4301");
    QTest::newRow("umlaut") << QString::fromUtf8("Äpfel") << QByteArray::fromHex("f35e56535b");
    QTest::newRow("the key itself") << "7.06" << QByteArray::fromHex("00000000");
}

void PasswordCoreTest::knownScrambles()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, stored);
    QString scrambled = password;
    Encrypt(scrambled, PasswordKey);
    QCOMPARE(ini::encode(scrambled).toHex(), stored.toHex());
}

void PasswordCoreTest::asciiPassesTheCodePageUnchanged()
{
    QByteArray all;
    for (int c = 0; c < 0x80; ++c)
        all += char(c);
    QCOMPARE(ini::decode(all), QString::fromLatin1(all));
    QCOMPARE(ini::encode(QString::fromLatin1(all)), all);
    // Beyond ASCII the code page still holds, and what it lacks becomes a question mark.
    QCOMPARE(ini::encode(QString::fromUtf8("\x1a€Ä\u0416")), QByteArray("\x1a\x80\xc4?"));
    QCOMPARE(ini::decode("\x1a\x80\xc4"), QString::fromUtf8("\x1a€Ä"));
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
